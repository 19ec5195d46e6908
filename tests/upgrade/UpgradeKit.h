// Small versioned schemas for the upgrade tests: the kit owns every object,
// Plan() runs the planner of one target over two of its schemas, and
// ReadBlocks() reads the reviewed expected scripts.
#pragma once

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlSchema.h"
#include "schema/VrlView.h"
#include "schemafile/SchemaDialect.h"
#include "upgrade/VrlUpgradePlanner.h"

using namespace VrlSchemaLib;

class UpgradeKit {
public:
    template <class T, class... A> T* Make(A&&... args) {
        T* object = new T(std::forward<A>(args)...);
        m_objects.emplace_back(object);
        return object;
    }
    VrlField* Field(const wchar_t* name, VrlDataType type = dtInteger, LONG length = 0,
                    VrlNullType nullType = ntNotNull, COleVariant value = COleVariant()) {
        return Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(L""), 0, paNone,
                              VrlSchemaVersion(), 0, 0);
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns) {
        return Make<VrlConstraint>(name, type, columns, VrlSchemaVersion());
    }
    VrlConstraint* Foreign(const wchar_t* name, std::vector<CString> columns, const wchar_t* refTable,
                           std::vector<CString> refColumns) {
        return Make<VrlConstraint>(name, ctForeignKey7, columns, refTable, refColumns, odNoAction, ouNoAction,
                                   VrlSchemaVersion());
    }
    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints = {}) {
        return Make<VrlTable>(name, fields, constraints, L"", 0, 0u, rtUndefined, VrlSchemaVersion());
    }
    VrlView* View(const wchar_t* name, const wchar_t* query) {
        return Make<VrlView>(name, query, L"", VrlSchemaVersion());
    }
    const VrlSchema* Schema(int version, const std::vector<VrlTable*>& tables,
                            const std::vector<VrlView*>& views = {}) {
        return Make<VrlSchema>(VrlSchemaVersion(version), tables, views, std::vector<VrlProcedure*>{},
                               std::vector<VrlFunction*>{});
    }
    static std::unique_ptr<VrlDbms> Generator(Dialect target, const VrlSchema* schema) {
        switch (target) {
        case Dialect::SqlServer:
            return std::make_unique<VrlDbmsSqlServer>(schema, true, L"Test");
        case Dialect::Oracle:
            return std::make_unique<VrlDbmsOracle>(schema, L"Test");
        case Dialect::DB2:
            return std::make_unique<VrlDbmsDB2>(schema, L"Test");
        case Dialect::Access:
            return std::make_unique<VrlDbmsAccess>(schema, L"Test");
        case Dialect::Postgres:
            return std::make_unique<VrlDbmsPostgres>(schema, L"Test");
        }
        return nullptr;
    }
    static VrlUpgradePlan Plan(Dialect target, const VrlSchema* from, const VrlSchema* to,
                               bool allowLoss = false) {
        auto generator = Generator(target, to);
        VrlUpgradePlanner planner(*generator);
        planner.SetAllowDataLoss(allowLoss);
        return planner.Plan(*from, *to);
    }

private:
    std::vector<std::unique_ptr<CObject>> m_objects;
};

// Builds the older and the newer schema of a case.
using Build = std::function<std::pair<const VrlSchema*, const VrlSchema*>(UpgradeKit&)>;

// The texts of a file of blocks: a line "### <title>" starts the block of that
// title, which holds every byte up to the next such line.
inline std::map<std::string, std::string> ReadBlocks(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::map<std::string, std::string> blocks;
    std::string* text = nullptr;
    for (std::string line; std::getline(all, line);) {
        if (line.rfind("### ", 0) == 0)
            text = &blocks[line.substr(4)];
        else if (text)
            *text += line + "\n";
    }
    return blocks;
}
