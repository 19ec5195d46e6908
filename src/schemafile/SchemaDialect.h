// The target a schema file is read for: a file may give a view's or a
// routine's text per target, and the reader keeps the one of the target asked
// for.
#pragma once

#include <optional>
#include <string_view>

namespace VrlSchemaLib {

enum class Dialect { SqlServer, Oracle, DB2, Access, Postgres };

// The lower-case name of `dialect` as schema files and the tool spell it.
const char* DialectName(Dialect dialect);
// Accepts "sqlserver", "oracle", "db2", "access", "postgres" and its long
// form "postgresql" (any letter case).
std::optional<Dialect> ParseDialect(std::string_view name);

} // namespace VrlSchemaLib
