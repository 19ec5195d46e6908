// The generator of each target, for the tests that run every dialect.
#pragma once

#include <memory>

#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "schemafile/SchemaDialect.h"

namespace VrlSchemaLib {

// The generator of `target`; SQL Server's writes Unicode literals.
inline std::unique_ptr<VrlDbms> MakeDbms(Dialect target, const VrlSchema* schema = nullptr,
                                         const wchar_t* name = L"Test") {
    switch (target) {
    case Dialect::SqlServer:
        return std::make_unique<VrlDbmsSqlServer>(schema, true, name);
    case Dialect::Oracle:
        return std::make_unique<VrlDbmsOracle>(schema, name);
    case Dialect::DB2:
        return std::make_unique<VrlDbmsDB2>(schema, name);
    case Dialect::Access:
        return std::make_unique<VrlDbmsAccess>(schema, name);
    case Dialect::Postgres:
        return std::make_unique<VrlDbmsPostgres>(schema, name);
    }
    return nullptr;
}

} // namespace VrlSchemaLib
