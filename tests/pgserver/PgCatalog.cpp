#include "PgCatalog.h"

#include <algorithm>

namespace VrlSchemaPgTest {

PgCatalog PgCatalog::Read(PgDatabase& db, std::vector<std::string>& errors) {
    PgCatalog c;
    c.tables =
        db.Query("SELECT tablename FROM pg_tables WHERE schemaname = current_schema() ORDER BY 1", &errors);
    c.columns = db.Query(
        "SELECT table_name, column_name, udt_name, coalesce(character_maximum_length::text, ''), "
        "coalesce(datetime_precision::text, ''), is_nullable, coalesce(column_default, ''), is_identity "
        "FROM information_schema.columns WHERE table_schema = current_schema() ORDER BY 1, 2",
        &errors);
    c.constraints = db.Query("SELECT conrelid::regclass::text, conname, contype, pg_get_constraintdef(oid) "
                             "FROM pg_constraint WHERE connamespace = current_schema()::regnamespace "
                             "ORDER BY 1, 2",
                             &errors);
    c.indexes = db.Query("SELECT tablename, indexname, indexdef FROM pg_indexes "
                         "WHERE schemaname = current_schema() ORDER BY 1, 2",
                         &errors);
    c.views = db.Query(
        "SELECT viewname, definition FROM pg_views WHERE schemaname = current_schema() ORDER BY 1", &errors);
    c.routines =
        db.Query("SELECT proname, prokind, pg_get_function_arguments(oid), pg_get_function_result(oid), "
                 "prosrc FROM pg_proc WHERE pronamespace = current_schema()::regnamespace "
                 "ORDER BY 1, 3",
                 &errors);
    // Sorted here, by the same order as Differences compares in.
    for (Rows* rows : {&c.tables, &c.columns, &c.constraints, &c.indexes, &c.views, &c.routines}) {
        std::sort(rows->begin(), rows->end());
    }
    return c;
}

namespace {

std::string Line(const std::vector<std::string>& row) {
    std::string line;
    for (const std::string& value : row) {
        line += (line.empty() ? "" : " | ") + value;
    }
    return line;
}

void Compare(const char* kind, const Rows& left, const Rows& right, std::vector<std::string>& out) {
    Rows onlyLeft;
    Rows onlyRight;
    std::set_difference(left.begin(), left.end(), right.begin(), right.end(), std::back_inserter(onlyLeft));
    std::set_difference(right.begin(), right.end(), left.begin(), left.end(), std::back_inserter(onlyRight));
    for (const auto& row : onlyLeft) {
        out.push_back(std::string("< ") + kind + ": " + Line(row));
    }
    for (const auto& row : onlyRight) {
        out.push_back(std::string("> ") + kind + ": " + Line(row));
    }
}

} // namespace

std::vector<std::string> Differences(const PgCatalog& left, const PgCatalog& right) {
    std::vector<std::string> out;
    Compare("table", left.tables, right.tables, out);
    Compare("column", left.columns, right.columns, out);
    Compare("constraint", left.constraints, right.constraints, out);
    Compare("index", left.indexes, right.indexes, out);
    Compare("view", left.views, right.views, out);
    Compare("routine", left.routines, right.routines, out);
    return out;
}

} // namespace VrlSchemaPgTest
