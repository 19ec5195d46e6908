// Owns the objects of the small schemas the dialect tests put together, with
// shorthands for the usual ones.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTableData.h"
#include "schema/VrlView.h"

class DialectTestKit {
public:
    template <class T, class... A> T* Make(A&&... args) {
        T* object = new T(std::forward<A>(args)...);
        m_objects.emplace_back(object);
        return object;
    }
    VrlSchemaLib::VrlField* Field(const wchar_t* name,
                                  VrlSchemaLib::VrlDataType type = VrlSchemaLib::dtInteger, LONG length = 0,
                                  VrlSchemaLib::VrlNullType nullType = VrlSchemaLib::ntNotNull,
                                  COleVariant value = COleVariant(), LONG flags = 0) {
        using namespace VrlSchemaLib;
        VrlField* field = Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(L""),
                                         0, paNone, VrlSchemaVersion(), 0, 0);
        if (flags)
            field->SetFlag(static_cast<VrlFieldFlag>(flags));
        return field;
    }
    VrlSchemaLib::VrlConstraint* Key(const wchar_t* name, VrlSchemaLib::VrlConstraintType type,
                                     std::vector<CString> columns, bool nullable = false) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, type, columns, VrlSchemaVersion(), clDefault, nullable);
    }
    // A foreign key to Parent(ID); on update it cascades, which the ANSI
    // dialects never write.
    VrlSchemaLib::VrlConstraint* Foreign(const wchar_t* name, VrlSchemaLib::VrlConstraintType type,
                                         std::vector<CString> columns = {L"A"},
                                         VrlSchemaLib::VrlOnDeleteType onDelete = VrlSchemaLib::odNoAction) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, type, columns, L"Parent", std::vector<CString>{L"ID"}, onDelete,
                                   ouCascade, VrlSchemaVersion());
    }
    // A foreign key that takes no action on update.
    VrlSchemaLib::VrlConstraint* Reference(const wchar_t* name, VrlSchemaLib::VrlConstraintType type,
                                           std::vector<CString> columns, const wchar_t* refTable,
                                           std::vector<CString> refColumns,
                                           VrlSchemaLib::VrlOnDeleteType onDelete) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, type, columns, refTable, refColumns, onDelete, ouNoAction,
                                   VrlSchemaVersion());
    }
    VrlSchemaLib::VrlConstraint* Index(const wchar_t* name, VrlSchemaLib::VrlConstraintType type,
                                       std::vector<CString> columns, std::vector<CString> included,
                                       VrlSchemaLib::ClusteredType clustered = VrlSchemaLib::clDefault) {
        using namespace VrlSchemaLib;
        return Make<VrlConstraint>(name, type, columns, included, VrlSchemaVersion(), clustered);
    }
    VrlSchemaLib::VrlTable* Table(const wchar_t* name, const std::vector<VrlSchemaLib::VrlField*>& fields,
                                  const std::vector<VrlSchemaLib::VrlConstraint*>& constraints = {},
                                  const VrlSchemaLib::VrlTableData* data = nullptr) {
        using namespace VrlSchemaLib;
        if (data)
            return Make<VrlTable>(name, fields, constraints, L"", 0, 0u, data, rtUndefined,
                                  VrlSchemaVersion());
        return Make<VrlTable>(name, fields, constraints, L"", 0, 0u, rtUndefined, VrlSchemaVersion());
    }
    VrlSchemaLib::VrlParam* Param(const wchar_t* name, VrlSchemaLib::VrlDataType type, LONG length = 0,
                                  VrlSchemaLib::VrlInOutType inOut = VrlSchemaLib::ioIn) {
        using namespace VrlSchemaLib;
        return Make<VrlParam>(name, VrlDataDefinition(type, length), inOut);
    }
    VrlSchemaLib::VrlProcedure* Procedure(const wchar_t* name,
                                          const std::vector<VrlSchemaLib::VrlParam*>& params,
                                          const wchar_t* body, int withSqlCode = 0) {
        using namespace VrlSchemaLib;
        return Make<VrlProcedure>(name, params, body, L"", 0, VrlSchemaVersion(), withSqlCode);
    }
    VrlSchemaLib::VrlFunction* Function(const wchar_t* name, VrlSchemaLib::VrlDataDefinition returns,
                                        const std::vector<VrlSchemaLib::VrlParam*>& params,
                                        const wchar_t* body) {
        using namespace VrlSchemaLib;
        return Make<VrlFunction>(name, returns, params, body, L"", VrlSchemaVersion());
    }
    const VrlSchemaLib::VrlSchema* Schema(const std::vector<VrlSchemaLib::VrlTable*>& tables,
                                          const std::vector<VrlSchemaLib::VrlProcedure*>& procedures = {},
                                          const std::vector<VrlSchemaLib::VrlFunction*>& functions = {},
                                          const std::vector<VrlSchemaLib::VrlView*>& views = {}) {
        using namespace VrlSchemaLib;
        return Make<VrlSchema>(VrlSchemaVersion(), tables, views, procedures, functions);
    }

private:
    std::vector<std::unique_ptr<CObject>> m_objects;
};
