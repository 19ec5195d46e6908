// VrlDbmsSqlServer: the generator for SQL Server. Objects live under the dbo
// owner; keys, unique constraints and indexes are written clustered or
// nonclustered (indexes with covering INCLUDE columns); foreign keys whose
// delete rule is the trigger-carried cascade are declared NO ACTION and the
// cascade is written as INSTEAD OF DELETE triggers on the referenced tables.
#pragma once

#include <vector>

#include "../platform/COleDateTime.h"
#include "../platform/COleVariant.h"
#include "../platform/CString.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

class VrlDbmsSqlServer : public VrlDbms {
public:
    // With unicodeLiterals false, string literals never carry the N prefix
    // (for databases whose text columns are not Unicode).
    VrlDbmsSqlServer(const VrlSchema* schema, bool unicodeLiterals, const wchar_t* name);
    ~VrlDbmsSqlServer() override;

    // The SQL Server text of template `id` (0 to 59; "" outside). The Access
    // generator starts from the same texts.
    static const wchar_t* GetTemplateText(int id);

    using VrlDbms::FormatValue;
    CString FormatValue(const VrlField* field, const COleVariant& value) const override;
    // procPublishBatchDef with the SQL Server templates; "@" names kept.
    void GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const override;

    void GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const override;
    // One guarded DROP TRIGGER per referenced table of the foreign keys
    // (types 3, 5 and 7) of `schema`, whatever their delete rule.
    void FormatDropTriggers(const VrlSchema* schema, std::vector<CString>& statements) const override;
    // The cascade-delete triggers of the generator's own schema; the
    // argument is not consulted.
    void GenerateTriggerDefs(const VrlSchema* schema, std::vector<CString>& statements) const override;

    using VrlDbms::FormatDateTime;
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;

    CString FormatNonUniqueIndex(const VrlTable* table, const VrlConstraint* constraint) const override;
    using VrlDbms::FormatPrimaryKey;
    CString FormatPrimaryKey(const VrlConstraint* constraint) const override;
    CString GetPrimaryKeyConstraintFormat() const override;
    CString AdjustObjectName(const wchar_t* name) const override;

    using VrlDbms::FormatBool;
    CString FormatBool(int value) const override;
    using VrlDbms::GetCurrentTimeFunction;
    CString GetCurrentTimeFunction() const override;
    CString GetTimeOffsetFunction() const override;

    using VrlDbms::ConverToSqlDataType;
    // The trigger-carried cascade (4) is declared NO ACTION.
    CString ConverToSqlDataType(VrlOnDeleteType type) const override;

    void GenerateUniqueConstraint(const VrlTable* table, std::vector<CString>& statements) const override;
    CString GetDefaultValue(const VrlField* field) const override;
    // Writes the column's text straight from its parts when this class's
    // own conversions are the ones GetFieldInfo would call.
    void AppendFieldInfo(CString& out, const VrlField* field) const override;

protected:
    // Join condition of the deleted rows with `table`: one pair per column,
    // parent column of "deleted" against child column of `table`.
    CString GetMatchString(const std::vector<CString>& parentColumns, const wchar_t* table,
                           const std::vector<CString>& childColumns) const;
    // `soFar` extended by one pair; a pair over the publishing column also
    // restricts the match to published rows.
    CString GetMatchStringWithConstraints(CString soFar, const wchar_t* parentColumn, const wchar_t* table,
                                          const wchar_t* childColumn) const;

private:
    bool m_bUnicodeLiterals;
};

} // namespace VrlSchemaLib
