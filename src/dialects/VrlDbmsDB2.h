// VrlDbmsDB2: the generator for DB2.
//
// Name columns (dtName) get an upper-case twin that DB2 computes itself
// (the shadow column, name + "UC"), and comparisons on such columns go
// through the twin, so that names match without regard to case. Unique
// constraints over nullable columns are unique indexes instead (a DB2
// unique constraint requires NOT NULL columns). Routines are SQL PL blocks
// that return result sets through cursors declared WITH HOLD WITH RETURN;
// the publish procedure is cut into sub-procedures.
#pragma once

#include "VrlDbmsAnsi.h"

namespace VrlSchemaLib {

class VrlDbmsDB2 : public VrlDbmsAnsi {
public:
    VrlDbmsDB2(const VrlSchema* schema, const wchar_t* name);
    ~VrlDbmsDB2() override;

    // Tables, functions, views, procedures, triggers (template 52 is empty).
    void GenerateSchema(std::vector<CString>& statements) override;
    // procPublishBatchDef with this dialect's templates; "@" becomes "p".
    void GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const override;
    // A name column is compared through its shadow, with the value upper-cased.
    CString CreateWhereComparison(const wchar_t* table, const wchar_t* field,
                                  const wchar_t* value) const override;

    using VrlDbms::FormatDropTable;
    // "DROP TABLE <name>": the shadow columns go with the table.
    CString FormatDropTable(const VrlTable* table) const override;

    using VrlDbms::FormatDropConstraint;
    CString FormatDropConstraint(const VrlTable* table, const wchar_t* name) const override;
    CString FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;
    // Drop, then create: DB2 cannot replace a routine or view in place.
    CString FormatAlterProcedure(const VrlProcedure* procedure) const override;
    CString FormatAlterView(const VrlView* view) const override;
    CString FormatObjectExists(const VrlSchemaObject* object) const override;
    // 33 sub-procedures.
    long GetPublishBatchDefSubProcedureCount() const override;

    using VrlDbms::FormatDateTime;
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;
    // A unique index when one of the columns is nullable.
    CString FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;

    using VrlDbms::GetCurrentTimeFunction;
    CString GetCurrentTimeFunction() const override;
    CString GetTimeOffsetFunction() const override;
    CString GetProcedure(const VrlProcedure* procedure) const override;
    CString GetFunction(const VrlFunction* function) const override;
    // Inside a Unicode literal a quote is spliced in as a literal of its own.
    CString ReplaceQuotes(const wchar_t* text) const override;

    // name + "UC".
    virtual CString GetShadowedColumnName(const wchar_t* name) const;

private:
    bool HasNullableFields(const VrlTable* table, const VrlConstraint* constraint) const;
    // A shadow name that is not a column stands for the column it shadows.
    bool IsNullableField(const VrlTable* table, const wchar_t* field) const;
};

} // namespace VrlSchemaLib
