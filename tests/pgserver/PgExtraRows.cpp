#include "PgExtraRows.h"

#include "PgModelCheck.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlTable.h"

using namespace VrlSchemaLib;

namespace VrlSchemaPgTest {

namespace {

// A literal of `field` for the extra row of table number `tableIndex`.
std::string ExtraValue(const VrlField* field, int tableIndex, int column) {
    const std::string udt = UdtName(field->GetDataType());
    if (udt == "bool")
        return "TRUE";
    if (udt == "int2")
        return "7";
    if (udt == "float4" || udt == "float8")
        return "0.5";
    if (udt == "timestamp")
        return "TIMESTAMP '2020-02-02 02:02:02'";
    if (udt == "interval")
        return "INTERVAL '1 day'";
    if (udt == "uuid") {
        char text[40];
        std::snprintf(text, sizeof text, "'00000000-0000-0000-%04d-%012d'", tableIndex % 10000, column);
        return text;
    }
    if (udt == "varchar" || udt == "text") {
        std::string text = "x" + std::to_string(tableIndex) + "c" + std::to_string(column);
        if (field->GetLength() > 0 && text.size() > static_cast<size_t>(field->GetLength()))
            text = text.substr(text.size() - static_cast<size_t>(field->GetLength()));
        return "'" + text + "'";
    }
    return std::to_string(PgExtraRows::kKey);
}

bool IsColumn(const VrlField* field) {
    return !field->IsFake() && field->GetDataType() != dtBinary;
}

} // namespace

std::vector<std::string> PgExtraRows::Insert(PgDatabase& db, const VrlSchema& schema) {
    struct Pending {
        std::string table;
        std::string statement;
        Row row;
    };
    std::vector<Pending> pending;
    for (LONG t = 0; t < schema.GetTableCount(); ++t) {
        const VrlTable* table = schema.GetTable(t);
        const VrlConstraint* key = table->GetPrimaryKeyConstraint();
        if (table->IsFaked() || !key || key->GetFields().empty())
            continue;
        Pending p;
        p.table = Lower(table->GetNameRef());
        p.row.key = Lower(key->GetFields()[0]);
        std::string columns;
        std::string values;
        for (LONG f = 0; f < table->GetFieldCount(); ++f) {
            const VrlField* field = table->GetField(f);
            if (!IsColumn(field))
                continue;
            const std::string value = ExtraValue(field, static_cast<int>(t), static_cast<int>(f));
            columns += (columns.empty() ? "" : ", ") + Lower(field->GetNameRef());
            values += (values.empty() ? "" : ", ") + value;
            p.row.values[Lower(field->GetNameRef())] = value;
        }
        if (columns.empty())
            continue;
        p.statement = "INSERT INTO " + p.table + "(" + columns + ") VALUES (" + values + ")";
        pending.push_back(std::move(p));
    }
    // Rounds until nothing more goes in: a row waits for the rows its
    // foreign keys need.
    std::vector<std::string> reports;
    for (bool progress = true; progress && !pending.empty();) {
        progress = false;
        reports.clear();
        for (auto it = pending.begin(); it != pending.end();) {
            const std::string report = db.Execute(it->statement);
            if (report.empty()) {
                m_rows[it->table] = std::move(it->row);
                it = pending.erase(it);
                progress = true;
            } else {
                reports.push_back(report);
                ++it;
            }
        }
    }
    return reports;
}

std::vector<std::string> PgExtraRows::Check(PgDatabase& db, const VrlSchema& schema) const {
    std::vector<std::string> reports;
    for (const auto& [table, row] : m_rows) {
        const VrlTable* newer = schema.GetTableDontThrow(CString(table.c_str()));
        if (!newer || newer->IsFaked())
            continue;
        for (const auto& [column, value] : row.values) {
            const VrlField* field = newer->GetField(CString(column.c_str()));
            if (!field || !IsColumn(field))
                continue;
            // Compared as values of the column's (possibly changed) type.
            const std::string query = "SELECT COUNT(*) FROM " + table + " WHERE " + row.key + " = " +
                                      row.values.at(row.key) + " AND " + column + " = " + value;
            const std::string count = db.Value(query, &reports);
            if (count != "1")
                reports.push_back("extra row of " + table + " lost " + column + " = " + value + ": " + query);
        }
    }
    return reports;
}

} // namespace VrlSchemaPgTest
