// PgCatalog: what the catalogue of a database holds in its current schema,
// as sorted rows of text per kind of object, so that two databases can be
// compared (an upgraded one and a fresh creation). Columns are compared by
// name, not position: a column added by an upgrade comes last.
#pragma once

#include <string>
#include <vector>

#include "PgDatabase.h"

namespace VrlSchemaPgTest {

struct PgCatalog {
    Rows tables;      // name
    Rows columns;     // table, column, type, length, precision, nullable, default, identity
    Rows constraints; // table, name, kind, definition
    Rows indexes;     // table, name, definition
    Rows views;       // name, definition
    Rows routines;    // name, kind, arguments, result, body

    // Reads the catalogue; a failed query adds to `errors`.
    static PgCatalog Read(PgDatabase& db, std::vector<std::string>& errors);
};

// One line per row that only one of the two holds, marked with the side
// ("<" left only, ">" right only) and its kind; empty when they are equal.
std::vector<std::string> Differences(const PgCatalog& left, const PgCatalog& right);

} // namespace VrlSchemaPgTest
