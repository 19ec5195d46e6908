// A minimal generator for the tests of the generator base: it fills the type
// map and the templates with small texts of its own and implements the
// abstract operations, so that the base algorithms are seen apart from any
// real dialect. Tests may change the dialect code, replace templates and make
// ValidateString refuse texts.
//
// Also: the keeper of the schema objects a test builds (the schema classes
// own nothing), with shorthands for fields, tables and schemas.
#pragma once

#include <vector>

#include "dialects/DialectTestKit.h"
#include "schema/ObjectExistsFormats.h"

namespace VrlSchemaTest {

using namespace VrlSchemaLib;

class TestDialect : public VrlDbms {
public:
    explicit TestDialect(const VrlSchema* schema,
                         const ObjectExistsFormats* formats = ObjectExistsFormats::GetSqlServerFormats());

    using VrlDbms::FormatBool;
    CString FormatBool(int value) const override;
    using VrlDbms::FormatDateTime;
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;
    using VrlDbms::GetCurrentTimeFunction;
    CString GetCurrentTimeFunction() const override;
    CString GetTimeOffsetFunction() const override;
    // Raises CNotSupportedException for a text that contains the refused
    // part, when one is set; remembers every text it is shown.
    void ValidateString(CString text) const override;

    void SetDialectCode(int code) { m_nDbmsType = code; }
    void SetTemplate(int id, const wchar_t* text) { m_oSqlStrings.Add(id, text); }
    void RefuseTextsContaining(const wchar_t* part) { m_strRefused = part; }
    const std::vector<CString>& Validated() const { return m_vValidated; }
    void ClearValidated() { m_vValidated.clear(); }

private:
    CString m_strRefused;
    mutable std::vector<CString> m_vValidated;
};

// The dialect tests' kit, with the shorthands of the generator-base tests:
// fields take their default before their null type.
class Keeper : public DialectTestKit {
public:
    VrlField* Field(const wchar_t* name, VrlDataType type, LONG length = 0, COleVariant value = COleVariant(),
                    VrlNullType nullType = ntNull, int fake = 0,
                    VrlSchemaVersion version = VrlSchemaVersion()) {
        return Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(), fake, paNone,
                              version, 0, 0);
    }

    // A primary key, unique constraint or index over one column or a list.
    template <class COLUMNS>
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, COLUMNS columns) {
        return Make<VrlConstraint>(name, type, columns, VrlSchemaVersion());
    }

    // A one-column foreign key that takes no action on update.
    VrlConstraint* Fk(const wchar_t* name, VrlConstraintType type, const wchar_t* column,
                      const wchar_t* refTable, const wchar_t* refColumn, VrlOnDeleteType onDelete) {
        return Make<VrlConstraint>(name, type, column, refTable, refColumn, onDelete, ouNoAction, clDefault,
                                   VrlSchemaVersion());
    }

    VrlSchema* Schema(const std::vector<VrlTable*>& tables, const std::vector<VrlView*>& views = {},
                      const std::vector<VrlProcedure*>& procedures = {},
                      const std::vector<VrlFunction*>& functions = {}) {
        return Make<VrlSchema>(VrlSchemaVersion(), tables, views, procedures, functions);
    }
};

// The statements of a list joined by " | ", for compact golden comparisons.
CString JoinStatements(const std::vector<CString>& statements);

} // namespace VrlSchemaTest
