#include "Generators.h"

#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

const std::vector<Dialect>& AllDialects() {
    static const std::vector<Dialect> all{Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access,
                                          Dialect::Postgres};
    return all;
}

bool HasPublishProcedure(Dialect dialect) {
    return dialect != Dialect::Postgres;
}

std::unique_ptr<VrlDbms> MakeGenerator(Dialect dialect, const VrlSchema* schema, bool unicodeLiterals,
                                       const CString& constructionText) {
    switch (dialect) {
    case Dialect::SqlServer:
        return std::make_unique<VrlDbmsSqlServer>(schema, unicodeLiterals, constructionText.GetString());
    case Dialect::Oracle:
        return std::make_unique<VrlDbmsOracle>(schema, constructionText.GetString());
    case Dialect::DB2:
        return std::make_unique<VrlDbmsDB2>(schema, constructionText.GetString());
    case Dialect::Access:
        return std::make_unique<VrlDbmsAccess>(schema, constructionText.GetString());
    case Dialect::Postgres:
        return std::make_unique<VrlDbmsPostgres>(schema, constructionText.GetString());
    }
    return nullptr;
}

} // namespace VrlSchemaTool
