// PgExtraRows: one row more in every table of a database, beyond its seed
// rows, and the check that those rows are still there after an upgrade.
//
// Every integer column of every extra row holds the same key value, so that
// a foreign key finds the extra row of the table it refers to; tables are
// filled in rounds until each row found the rows it needs. Text columns get
// a text of their own table and column, so that unique keys hold.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "PgDatabase.h"
#include "schema/VrlSchema.h"

namespace VrlSchemaPgTest {

class PgExtraRows {
public:
    static constexpr int kKey = 900001;

    // Inserts the rows into every created table of `schema` that has a
    // primary key; the reports of tables that took none.
    std::vector<std::string> Insert(PgDatabase& db, const VrlSchemaLib::VrlSchema& schema);
    // Every column that `schema` still has of each extra row holds what
    // was inserted; one report per difference.
    std::vector<std::string> Check(PgDatabase& db, const VrlSchemaLib::VrlSchema& schema) const;
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }

private:
    struct Row {
        std::string key;                           // lower-cased key column
        std::map<std::string, std::string> values; // lower-cased column -> value as text
    };
    std::map<std::string, Row> m_rows; // lower-cased table -> its extra row
};

} // namespace VrlSchemaPgTest
