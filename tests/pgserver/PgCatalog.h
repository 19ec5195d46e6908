// PgCatalog: what the catalogue of a database holds in its current schema,
// read by one query per kind of object (tables, columns with their types and
// defaults, constraints, indexes, views, routines), as entries "kind key" ->
// what the catalogue says of that object. Two catalogues compare entry by
// entry (an upgraded database and a fresh creation): columns by name, not
// position, since a column added by an upgrade comes last.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "PgDatabase.h"

namespace VrlSchemaPgTest {

class PgCatalog {
public:
    // A failed query adds to `errors`.
    PgCatalog(PgDatabase& db, std::vector<std::string>& errors);

    // What the catalogue says of the object, "<none>" when it has no such.
    std::string Get(const std::string& kind, const std::string& key) const;
    // One line per entry that only one of the two holds or that they hold
    // differently, marked "<" for this one and ">" for the other; empty when
    // they are equal.
    std::vector<std::string> Differences(const PgCatalog& other) const;

private:
    std::map<std::string, std::string> m_entries;
};

} // namespace VrlSchemaPgTest
