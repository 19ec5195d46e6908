#include "SchemaDialect.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace VrlSchemaLib {

const char* DialectName(Dialect dialect) {
    switch (dialect) {
    case Dialect::SqlServer:
        return "sqlserver";
    case Dialect::Oracle:
        return "oracle";
    case Dialect::DB2:
        return "db2";
    case Dialect::Access:
        return "access";
    case Dialect::Postgres:
        return "postgres";
    }
    return "";
}

std::optional<Dialect> ParseDialect(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (lower == "postgresql")
        return Dialect::Postgres;
    for (Dialect d :
         {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access, Dialect::Postgres}) {
        if (lower == DialectName(d))
            return d;
    }
    return std::nullopt;
}

} // namespace VrlSchemaLib
