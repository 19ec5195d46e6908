#include "PgDatabase.h"

#include <libpq-fe.h>

namespace VrlSchemaPgTest {

namespace {

std::string Report(const std::string& statement, const char* message) {
    return (message ? message : "(no message)") + std::string("    in: ") + statement;
}

} // namespace

PgDatabase::PgDatabase(const std::string& connection) : m_connection(PQconnectdb(connection.c_str())) {
    if (IsOpen()) {
        // Notices (an implicit index, a name cut to 63 bytes) are not
        // errors; they would only clutter the test output.
        PQsetNoticeProcessor(
            m_connection, [](void*, const char*) {}, nullptr);
    }
}

PgDatabase::~PgDatabase() {
    PQfinish(m_connection);
}

bool PgDatabase::IsOpen() const {
    return m_connection && PQstatus(m_connection) == CONNECTION_OK;
}

std::string PgDatabase::Error() const {
    return m_connection ? PQerrorMessage(m_connection) : "out of memory";
}

std::string PgDatabase::Execute(const std::string& statement) {
    PGresult* result = PQexec(m_connection, statement.c_str());
    const ExecStatusType status = PQresultStatus(result);
    std::string report;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        report = Report(statement, PQresultErrorMessage(result));
    PQclear(result);
    return report;
}

std::vector<std::string> PgDatabase::Execute(const std::vector<CString>& statements) {
    std::vector<std::string> reports;
    for (size_t i = 0; i < statements.size(); ++i) {
        const std::string report = Execute(statements[i].ToUtf8());
        if (!report.empty())
            reports.push_back("statement " + std::to_string(i + 1) + ": " + report);
    }
    return reports;
}

Rows PgDatabase::Query(const std::string& query, std::vector<std::string>* errors) {
    Rows rows;
    PGresult* result = PQexec(m_connection, query.c_str());
    const bool ok = PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!ok && errors)
        errors->push_back(Report(query, PQresultErrorMessage(result)));
    for (int r = 0; ok && r < PQntuples(result); ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < PQnfields(result); ++c)
            row.push_back(PQgetisnull(result, r, c) ? "<null>" : PQgetvalue(result, r, c));
    }
    PQclear(result);
    return rows;
}

std::string PgDatabase::Value(const std::string& query, std::vector<std::string>* errors) {
    const Rows rows = Query(query, errors);
    return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

std::string Join(const std::vector<std::string>& reports) {
    std::string text;
    for (const std::string& report : reports)
        text += report + "\n";
    return text;
}

} // namespace VrlSchemaPgTest
