// Owns the objects of the small schemas the dialect tests put together.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
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
                                  VrlSchemaLib::VrlNullType nullType = VrlSchemaLib::ntNotNull) {
        using namespace VrlSchemaLib;
        return Make<VrlField>(name, VrlDataDefinition(type, length), COleVariant(), nullType, CString(L""), 0,
                              paNone, VrlSchemaVersion(), 0, 0);
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
    VrlSchemaLib::VrlTable* Table(const wchar_t* name, const std::vector<VrlSchemaLib::VrlField*>& fields,
                                  const std::vector<VrlSchemaLib::VrlConstraint*>& constraints = {}) {
        using namespace VrlSchemaLib;
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
                                          const std::vector<VrlSchemaLib::VrlFunction*>& functions = {}) {
        using namespace VrlSchemaLib;
        return Make<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{}, procedures, functions);
    }

private:
    std::vector<std::unique_ptr<CObject>> m_objects;
};
