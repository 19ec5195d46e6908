// PgDatabase: one libpq connection to a database of the test server, with
// the statement runner the round trips need. Every failed statement is
// reported with its number, the server's message and its whole text.
#pragma once

#include <string>
#include <vector>

#include "platform/CString.h"

struct pg_conn;

namespace VrlSchemaPgTest {

using Rows = std::vector<std::vector<std::string>>;

class PgDatabase {
public:
    explicit PgDatabase(const std::string& connection);
    PgDatabase(const PgDatabase&) = delete;
    PgDatabase& operator=(const PgDatabase&) = delete;
    ~PgDatabase();

    bool IsOpen() const;
    std::string Error() const;

    // Runs the statements in order, each on its own; the reports of those
    // that failed (empty when all ran).
    std::vector<std::string> Execute(const std::vector<CString>& statements);
    // One statement; the empty text when it ran, else its report.
    std::string Execute(const std::string& statement);
    // The rows of a query, every value as text (NULL as "<null>"). A failed
    // query adds its report to `errors` and gives no rows.
    Rows Query(const std::string& query, std::vector<std::string>* errors = nullptr);
    // The single value of a one-row, one-column query ("<none>" without rows).
    std::string Value(const std::string& query, std::vector<std::string>* errors = nullptr);

private:
    pg_conn* m_connection;
};

// The reports as one text, for a test's failure message.
std::string Join(const std::vector<std::string>& reports);

} // namespace VrlSchemaPgTest
