// Small versioned schemas for the upgrade tests: the kit owns every object,
// and Plan() runs the planner of one target over two of its schemas.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlView.h"
#include "upgrade/VrlUpgradePlanner.h"

enum class Target { SqlServer, Oracle, DB2, Access, Postgres };

class UpgradeKit {
public:
    template <class T, class... A> T* Make(A&&... args) {
        T* object = new T(std::forward<A>(args)...);
        m_objects.emplace_back(object);
        return object;
    }
    VrlSchemaLib::VrlField* Field(const wchar_t* name,
                                  VrlSchemaLib::VrlDataType type = VrlSchemaLib::dtInteger, LONG length = 0,
                                  VrlSchemaLib::VrlNullType nullType = VrlSchemaLib::ntNotNull,
                                  COleVariant value = COleVariant()) {
        using namespace VrlSchemaLib;
        return Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(L""), 0, paNone,
                              VrlSchemaVersion(), 0, 0);
    }
    VrlSchemaLib::VrlConstraint* Key(const wchar_t* name, VrlSchemaLib::VrlConstraintType type,
                                     std::vector<CString> columns) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, type, columns, VrlSchemaVersion());
    }
    VrlSchemaLib::VrlConstraint* Foreign(const wchar_t* name, std::vector<CString> columns,
                                         const wchar_t* refTable, std::vector<CString> refColumns,
                                         VrlSchemaLib::VrlOnDeleteType onDelete = VrlSchemaLib::odNoAction) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, ctForeignKey7, columns, refTable, refColumns, onDelete, ouNoAction,
                                   VrlSchemaVersion());
    }
    VrlSchemaLib::VrlTable* Table(const wchar_t* name, const std::vector<VrlSchemaLib::VrlField*>& fields,
                                  const std::vector<VrlSchemaLib::VrlConstraint*>& constraints = {}) {
        using namespace VrlSchemaLib;
        return Make<VrlTable>(name, fields, constraints, L"", 0, 0u, rtUndefined, VrlSchemaVersion());
    }
    VrlSchemaLib::VrlView* View(const wchar_t* name, const wchar_t* query) {
        using namespace VrlSchemaLib;
        return Make<VrlView>(name, query, L"", VrlSchemaVersion());
    }
    const VrlSchemaLib::VrlSchema* Schema(int version, const std::vector<VrlSchemaLib::VrlTable*>& tables,
                                          const std::vector<VrlSchemaLib::VrlView*>& views = {}) {
        using namespace VrlSchemaLib;
        return Make<VrlSchema>(VrlSchemaVersion(version), tables, views, std::vector<VrlProcedure*>{},
                               std::vector<VrlFunction*>{});
    }
    std::unique_ptr<VrlSchemaLib::VrlDbms> Generator(Target target, const VrlSchemaLib::VrlSchema* schema) {
        using namespace VrlSchemaLib;
        switch (target) {
        case Target::SqlServer:
            return std::make_unique<VrlDbmsSqlServer>(schema, true, L"Test");
        case Target::Oracle:
            return std::make_unique<VrlDbmsOracle>(schema, L"Test");
        case Target::DB2:
            return std::make_unique<VrlDbmsDB2>(schema, L"Test");
        case Target::Access:
            return std::make_unique<VrlDbmsAccess>(schema, L"Test");
        case Target::Postgres:
            return std::make_unique<VrlDbmsPostgres>(schema, L"Test");
        }
        return nullptr;
    }
    VrlSchemaLib::VrlUpgradePlan Plan(Target target, const VrlSchemaLib::VrlSchema* from,
                                      const VrlSchemaLib::VrlSchema* to, bool allowLoss = false) {
        auto generator = Generator(target, to);
        VrlSchemaLib::VrlUpgradePlanner planner(*generator);
        planner.SetAllowDataLoss(allowLoss);
        return planner.Plan(*from, *to);
    }
    // The whole script without a caller's header.
    CString Script(Target target, const VrlSchemaLib::VrlSchema* from, const VrlSchemaLib::VrlSchema* to,
                   bool allowLoss = false) {
        return Plan(target, from, to, allowLoss).WriteScript(CString());
    }

private:
    std::vector<std::unique_ptr<CObject>> m_objects;
};
