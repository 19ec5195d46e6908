// Owns the objects of the small schemas the tests put together (the schema
// classes own nothing), with the dialect tests' shorthands for the usual ones.
// The generator-base and schema tests' keepers add their own on top.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "common/TestData.h"
#include "platform/CException.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
#include "schema/VrlView.h"
#include "sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

class DialectTestKit {
public:
    template <class T, class... A> T* Make(A&&... args) {
        auto object = std::make_shared<T>(std::forward<A>(args)...);
        m_objects.push_back(object);
        return object.get();
    }
    VrlField* Field(const wchar_t* name, VrlDataType type = dtInteger, LONG length = 0,
                    VrlNullType nullType = ntNotNull, COleVariant value = COleVariant(), LONG flags = 0) {
        VrlField* field = Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(L""),
                                         0, paNone, VrlSchemaVersion(), 0, 0);
        if (flags)
            field->SetFlag(static_cast<VrlFieldFlag>(flags));
        return field;
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                       bool nullable = false) {
        return Make<VrlConstraint>(name, type, columns, VrlSchemaVersion(), clDefault, nullable);
    }
    // A foreign key to Parent(ID); on update it cascades, which the ANSI
    // dialects never write.
    VrlConstraint* Foreign(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns = {L"A"},
                           VrlOnDeleteType onDelete = odNoAction) {
        return Make<VrlConstraint>(name, type, columns, L"Parent", std::vector<CString>{L"ID"}, onDelete,
                                   ouCascade, VrlSchemaVersion());
    }
    // A foreign key that takes no action on update.
    VrlConstraint* Reference(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                             const wchar_t* refTable, std::vector<CString> refColumns,
                             VrlOnDeleteType onDelete) {
        return Make<VrlConstraint>(name, type, columns, refTable, refColumns, onDelete, ouNoAction,
                                   VrlSchemaVersion());
    }
    VrlConstraint* Index(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                         std::vector<CString> included) {
        return Make<VrlConstraint>(name, type, columns, included, VrlSchemaVersion());
    }
    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints = {}, LONG bufferSize = 0,
                    const VrlTableData* data = nullptr) {
        return Make<VrlTable>(name, fields, constraints, L"", bufferSize, 0u, data, rtUndefined,
                              VrlSchemaVersion());
    }
    VrlParam* Param(const wchar_t* name, VrlDataType type, LONG length = 0, VrlInOutType inOut = ioIn) {
        return Make<VrlParam>(name, VrlDataDefinition(type, length), inOut);
    }
    VrlProcedure* Procedure(const wchar_t* name, const std::vector<VrlParam*>& params, const wchar_t* body,
                            int withSqlCode = 0) {
        return Make<VrlProcedure>(name, params, body, L"", 0, VrlSchemaVersion(), withSqlCode);
    }
    VrlFunction* Function(const wchar_t* name, VrlDataDefinition returns,
                          const std::vector<VrlParam*>& params, const wchar_t* body) {
        return Make<VrlFunction>(name, returns, params, body, L"", VrlSchemaVersion());
    }
    const VrlSchema* Schema(const std::vector<VrlTable*>& tables,
                            const std::vector<VrlProcedure*>& procedures = {},
                            const std::vector<VrlFunction*>& functions = {}) {
        return Make<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{}, procedures, functions);
    }

private:
    std::vector<std::shared_ptr<void>> m_objects;
};

// True when the call raises the framework's not-supported exception (which
// is then deleted).
template <class F> bool RaisesNotSupported(F&& call) {
    try {
        call();
    } catch (CNotSupportedException* e) {
        e->Delete();
        return true;
    }
    return false;
}

// The date literals every dialect is checked on, against the entries of its
// texts file: a whole second with and without the millisecond form, a quarter
// second dropped and kept, 999.6 ms rounding up into the next second, noon of
// day 0, a time before 1900 and midnight of 1 January 1900.
inline void ExpectDateLiterals(const VrlSchemaTest::ExpectedTexts& texts, const VrlDbms& dbms) {
    const COleDateTime date(2024, 1, 31, 13, 45, 0), withMs(date.m_dt + 0.250 / 86400.0);
    texts.Expect({
        {"date.plain", dbms.FormatDateTime(date, 0)},
        {"date.plain", dbms.FormatDateTime(withMs, 0)},
        {"date.whole_second", dbms.FormatDateTime(date, 1)},
        {"date.milliseconds", dbms.FormatDateTime(withMs, 1)},
        {"date.next_second", dbms.FormatDateTime(COleDateTime(date.m_dt + 0.9996 / 86400.0), 1)},
        {"date.noon", dbms.FormatDateTime(COleDateTime(0.5), 1)},
        {"date.before_1900", dbms.FormatDateTime(COleDateTime(1899, 12, 31, 8, 30, 15), 0)},
        {"date.1900", dbms.FormatDateTime(COleDateTime(1900, 1, 1, 0, 0, 0), 0)},
    });
}

} // namespace VrlSchemaLib
