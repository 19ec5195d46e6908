#include "PgCatalog.h"

namespace VrlSchemaPgTest {

namespace {

// Each query gives the key of an object and what the catalogue says of it.
const struct {
    const char* kind;
    const char* query;
} kQueries[] = {
    {"table", "SELECT tablename, '' FROM pg_tables WHERE schemaname = current_schema()"},
    {"column",
     "SELECT table_name || '.' || column_name, concat(udt_name, '|', character_maximum_length, '|', "
     "datetime_precision, '|', is_nullable, '|', is_identity) FROM information_schema.columns "
     "WHERE table_schema = current_schema()"},
    {"default", "SELECT table_name || '.' || column_name, column_default FROM information_schema.columns "
                "WHERE table_schema = current_schema()"},
    {"constraint", "SELECT conrelid::regclass::text || '.' || conname, concat(contype, '|', "
                   "pg_get_constraintdef(oid)) FROM pg_constraint WHERE connamespace = "
                   "current_schema()::regnamespace"},
    {"index", "SELECT indexname, indexdef FROM pg_indexes WHERE schemaname = current_schema()"},
    {"view", "SELECT viewname, definition FROM pg_views WHERE schemaname = current_schema()"},
    {"routine", "SELECT proname, string_agg(prokind::text, ',') FROM pg_proc WHERE pronamespace = "
                "current_schema()::regnamespace GROUP BY proname"},
    {"signature", "SELECT proname || '(' || pg_get_function_arguments(oid) || ')', concat(prokind, '|', "
                  "pg_get_function_result(oid), '|', prosrc) FROM pg_proc WHERE pronamespace = "
                  "current_schema()::regnamespace"},
};

} // namespace

PgCatalog::PgCatalog(PgDatabase& db, std::vector<std::string>& errors) {
    for (const auto& [kind, query] : kQueries) {
        for (const auto& row : db.Query(std::string(query) + " ORDER BY 1, 2", &errors)) {
            std::string& entry = m_entries[std::string(kind) + " " + row[0]];
            entry += (entry.empty() ? "" : " ; ") + row[1];
        }
    }
}

std::string PgCatalog::Get(const std::string& kind, const std::string& key) const {
    const auto it = m_entries.find(kind + " " + key);
    return it == m_entries.end() ? "<none>" : it->second;
}

std::vector<std::string> PgCatalog::Differences(const PgCatalog& other) const {
    std::vector<std::string> out;
    for (const auto& [one, two, mark] : {std::tuple{this, &other, "< "}, std::tuple{&other, this, "> "}}) {
        for (const auto& [key, value] : one->m_entries) {
            const auto it = two->m_entries.find(key);
            if (it == two->m_entries.end() || it->second != value)
                out.push_back(mark + key + ": " + value);
        }
    }
    return out;
}

} // namespace VrlSchemaPgTest
