// VrlDbms: the abstract base of every SQL generator. A generator is bound to
// one schema and one dialect and turns schema objects into SQL text: value
// literals, single DDL statements, whole creation scripts, existence probes
// and routine shells. It opens no connection and executes nothing.
//
// Dialects differ only through the type map and the template table that
// their constructors fill, and through the virtual operations they override.
// The virtual operations below are declared in a fixed slot order; keep it
// when adding to the class. A dialect that overrides one overload of a name
// should bring the others into scope (using VrlDbms::FormatDateTime; ...).
//
// Statement lists are caller-owned vectors; every statement a generator
// produces enters them through AddTo, so empty texts never become elements.
// StreamSchema routes the creation script's statements from AddTo to a sink
// instead, so that a caller can write a large script without holding it.
#pragma once

#include <array>
#include <vector>

#include "../platform/CObject.h"
#include "../platform/COleDateTime.h"
#include "../platform/COleVariant.h"
#include "../platform/CString.h"
#include "../platform/PlatformTypes.h"
#include "../schema/VrlEnums.h"
#include "../schema/VrlSchemaVersion.h"
#include "VrlSqlStrings.h"

namespace VrlSchemaLib {

class ObjectExistsFormats;
class VrlStatementSink;
class VrlConstraint;
class VrlField;
class VrlFunction;
class VrlProcedure;
class VrlSchema;
class VrlSchemaObject;
class VrlTable;
class VrlView;

class VrlDbms : public CObject {
public:
    // Dialect codes kept in m_nDbmsType.
    static constexpr int cm_nAccess = 0;
    static constexpr int cm_nSqlServer = 1;
    static constexpr int cm_nOracle = 2;
    static constexpr int cm_nDB2 = 3;
    static constexpr int cm_nPostgres = 4;

    // The name pointer is stored, not copied: it must outlive the generator.
    // `formats` may be null for a target without a catalogue to ask; such a
    // generator answers every existence probe with the empty text.
    VrlDbms(const VrlSchema* schema, const wchar_t* name, const ObjectExistsFormats* formats);
    VrlDbms(const VrlDbms&) = delete;
    VrlDbms& operator=(const VrlDbms&) = delete;
    ~VrlDbms() override;

    void SetSchema(const VrlSchema* schema) { m_pSchema = schema; }
    const VrlSqlStrings* GetSqlStrings() const { return &m_oSqlStrings; }
    // The dialect code (cm_n*), for callers that add per-target text of
    // their own around the generator's statements.
    int GetDbmsType() const { return m_nDbmsType; }

    // Replaces every decimal separator of the current C locale by ".".
    static void FixDecimal(CString& text);
    // True for null, empty and pure 7-bit texts.
    static bool IsAscii(const wchar_t* text);

    // The text of the extra-columns buffer (computed-column definitions that
    // the last GetTableFields collected). Shared by every generator of the
    // process.
    static const CString& GetExtraColumns() { return sm_strExtraColumns; }

    // The statements GenerateSchema makes, handed to `sink` one by one as
    // they are made, in the same order and with the same texts. Returns how
    // many there were.
    size_t StreamSchema(VrlStatementSink& sink);

    // ---- virtual operations, in slot order ----

    virtual CommandType TranslateCommandType(CommandType type) const;
    // The data type whose literal form a boolean takes in this dialect.
    virtual VrlDataType CastToBoolEquivalent(COleVariant& value) const;
    // Empties `statements` and fills it with the whole creation script.
    virtual void GenerateSchema(std::vector<CString>& statements);
    // Empties `statements` and fills it with one INSERT per seed row.
    virtual void GenerateDefaultValues(std::vector<CString>& statements);
    virtual const VrlSchema* GetSchema() const;
    // The schema of a given version; the base has none (null).
    virtual const VrlSchema* GetSchemaWithDatabaseVersion(VrlDatabaseVersion version,
                                                          VrlServicePackNum servicePack) const;
    virtual const VrlSchema* GetStatsSchemaWithDatabaseVersion(VrlDatabaseVersion version,
                                                               VrlServicePackNum servicePack) const;

    // Value literals. FormatValueAndVariant leaves the variant in the form
    // that was written out (VT_NULL for "NULL", lower-cased GUID text, ...).
    virtual CString FormatValue(const VrlField* field, const COleVariant& value) const;
    virtual CString FormatValue(const wchar_t* table, const wchar_t* field, const COleVariant& value) const;
    virtual CString FormatValueAndVariant(const VrlField* field, COleVariant& value) const;
    virtual CString CreateWhereComparison(const wchar_t* table, const wchar_t* column,
                                          const wchar_t* value) const;
    virtual CString FormatFieldName(const wchar_t* name) const;

    virtual CString GetSelectOldBufferTableSQL(const VrlTable* table) const;
    // Empties `statements`; one INSERT per seed row of the table.
    virtual void GetTableDefaultValues(VrlTable* table, std::vector<CString>& statements);
    // Columns that existed in database version 35 with `servicePack`.
    virtual CString GetTableColumnList(const VrlTable* table, VrlServicePackNum servicePack) const;
    virtual void GenerateFuncDef(const VrlSchema* schema, std::vector<CString>& statements) const;
    // Base: the empty text, length 0 (when the buffer is not null). `length`
    // is the buffer capacity on entry and the written length on return.
    virtual void GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const;
    virtual CString FormatString(COleVariant& value) const;

    // Single DDL statements.
    virtual CString FormatCreateTable(const VrlTable* table) const;
    virtual CString FormatDropTable(const wchar_t* name) const;
    virtual CString FormatDropTable(const VrlTable* table) const;
    virtual CString FormatAddConstraint(const VrlTable* table, const VrlConstraint* constraint) const;
    virtual CString FormatDropConstraint(const VrlTable* table, const wchar_t* name) const;
    virtual CString FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const;
    virtual CString FormatDropPrimaryKey(const VrlTable* table, const wchar_t* name) const;
    virtual CString FormatAddColumn(const VrlTable* table, const VrlField* field) const;
    virtual CString FormatAlterColumn(const VrlTable* table, const VrlField* field) const;
    virtual CString FormatAddConstraintsOnField(const VrlTable* table, const VrlField* field) const;
    virtual CString FormatDropConstraintsOnField(const VrlTable* table, const VrlField* field) const;
    virtual CString FormatDropColumn(const VrlTable* table, const VrlField* field) const;
    virtual CString FormatCreateProcedure(const VrlProcedure* procedure) const;
    virtual CString FormatAlterProcedure(const VrlProcedure* procedure) const;
    virtual CString FormatDropProcedure(const wchar_t* name) const;
    virtual CString FormatDropProcedure(const VrlProcedure* procedure) const;
    virtual CString FormatCreateFunction(const VrlFunction* function) const;
    virtual CString FormatAlterFunction(const VrlFunction* function) const;
    virtual CString FormatDropFunction(const VrlFunction* function) const;
    virtual CString FormatCreateView(const VrlView* view) const;
    virtual CString FormatAlterView(const VrlView* view) const;
    virtual CString FormatDropView(const VrlView* view) const;
    virtual CString FormatDropSequence(const wchar_t* name) const;

    // Existence query of any schema object, from this dialect's record.
    virtual CString FormatObjectExists(const VrlSchemaObject* object) const;
    virtual long GetPublishBatchDefSubProcedureCount() const;
    // The CREATE TABLE statement; refills the extra-columns buffer.
    virtual CString GetTableFields(const VrlTable* table) const;
    // Appends the statement trimmed at both ends, unless nothing is left.
    virtual void AddTo(std::vector<CString>& statements, CString statement) const;
    virtual CString GetBufferFunctionDefinition(const VrlTable* table) const;

    // Script steps.
    virtual void GenerateTablePrimaryUniqueConstraints(const VrlTable* table,
                                                       std::vector<CString>& statements) const;
    virtual void GenerateTableForeignKeyConstraints(const VrlTable* table,
                                                    std::vector<CString>& statements) const;
    virtual void GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const;

    // Name-based existence probes, upper-cased.
    virtual CString FormatProcedureExists(const wchar_t* name) const;
    virtual CString FormatTableExists(const wchar_t* name) const;
    virtual CString FormatSequenceExists(const wchar_t* name) const;

    virtual bool CreateViewsBeforeFunctions() const;
    virtual void FormatDropTriggers(const VrlSchema* schema, std::vector<CString>& statements) const;
    virtual void GenerateTriggerDefs(const VrlSchema* schema, std::vector<CString>& statements) const;

    // Date-time literal of a date value, a convertible value or a date text;
    // raises DuxException 4023 for anything else.
    virtual CString FormatDateTime(COleVariant& value, int withMilliseconds) const;
    // The dialect's literal of a valid date-time.
    virtual CString FormatDateTime(COleDateTime value, int withMilliseconds) const = 0;
    virtual CString FormatCurrentDateTime(int withMilliseconds) const;
    virtual CString FormatCurrentTimeZone() const;
    virtual void GenerateCaseInsensitiveIndexes(const VrlTable* table,
                                                std::vector<CString>& statements) const;

    // Keys and indexes.
    virtual CString FormatNonUniqueIndex(const VrlTable* table, const VrlConstraint* constraint) const;
    virtual CString FormatForeignKeyConstraint(const VrlTable* table, const VrlConstraint* constraint) const;
    // The key words of a primary key ("PRIMARY KEY"; dialects add clustering).
    virtual CString FormatPrimaryKey(const VrlConstraint* constraint) const;
    virtual CString FormatPrimaryKey(const VrlTable* table, const VrlConstraint* constraint) const;
    // A printf format of table name, constraint name and column list.
    virtual CString GetPrimaryKeyConstraintFormat() const;
    virtual CString FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const;
    virtual CString FormatCreateIndex(const wchar_t* index, const wchar_t* table,
                                      const wchar_t* columns) const;
    virtual CString AdjustObjectName(const wchar_t* name) const;
    virtual CString FormatDropIndex(const VrlTable* table, const wchar_t* index) const;

    // The dialect's literal of false (0) and true (non-zero).
    virtual CString FormatBool(int value) const = 0;
    virtual CString FormatBool(COleVariant& value) const;
    // A number carried as text: commas become full stops, no quotes.
    virtual CString FormatBstrNotVarchar(VARIANT value) const;
    virtual CString GetCurrentTimeFunction(int withMilliseconds) const;
    // The dialect's expression of the current date-time.
    virtual CString GetCurrentTimeFunction() const = 0;
    // The dialect's expression of the current time-zone offset.
    virtual CString GetTimeOffsetFunction() const = 0;
    virtual int IsCurrentTimeFunction(CString text) const;
    virtual int IsTimeOffsetFunction(CString text) const;

    virtual void GenerateTableDef(const VrlSchema* schema, std::vector<CString>& statements) const;
    virtual void GenerateViewDef(const VrlSchema* schema, std::vector<CString>& statements) const;
    virtual void GenerateProcDef(const VrlSchema* schema, std::vector<CString>& statements) const;

    // One column definition (template 16); may add to the extra-columns
    // buffer (template 17) for name columns.
    virtual CString GetFieldInfo(const VrlField* field) const;
    // GetFieldInfo's text appended to `out`, as GetTableFields writes each
    // column; a dialect that overrides GetFieldInfo overrides this too.
    virtual void AppendFieldInfo(CString& out, const VrlField* field) const;

    // Enumerations to SQL words.
    virtual CString ConverToSqlDataType(VrlInOutType type) const;
    virtual CString ConverToSqlDataType(VrlOnUpdateType type) const;
    // Raises CNotSupportedException for a value other than 1, 2 and 4.
    virtual CString ConverToSqlDataType(VrlOnDeleteType type) const;
    virtual CString ConverToSqlDataType(VrlNullType type) const;
    virtual CString ConverToSqlDataType(VrlDataType type, LONG length) const;
    virtual CString FormatParameterName(const wchar_t* name) const;

    // Routine shells.
    virtual CString GetView(const VrlView* view) const;
    virtual CString GetProcedure(const VrlProcedure* procedure) const;
    virtual CString GetProcedureBody(const VrlProcedure* procedure) const;
    virtual CString GetFunction(const VrlFunction* function) const;
    virtual CString GetFunctionBody(const VrlFunction* function) const;
    virtual CString FormatFunctionCall(const VrlFunction* function) const;

    virtual void GeneratePrimaryKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const;
    virtual void GenerateUniqueConstraint(const VrlTable* table, std::vector<CString>& statements) const;
    virtual void GenerateForeignKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const;

    // The bare type followed by "(length)" when the length is at least 1.
    virtual CString FormatSchemaCreationDataType(VrlDataType type, LONG length) const;
    // Base accepts everything; a dialect raises here for a statement or type
    // text it cannot accept.
    virtual void ValidateString(CString text) const;

    // Column lists.
    virtual int IsPrimaryKey(CString column, const VrlConstraint* constraint) const;
    virtual CString GetFields(const std::vector<CString>& names) const;
    virtual CString GetIndexFields(const VrlTable* table, const VrlConstraint* constraint) const;
    virtual CString FormatIndexField(const VrlTable* table, const wchar_t* column,
                                     const VrlConstraint* constraint) const;
    virtual CString GetFieldsWithSurroundBrackets(const std::vector<CString>& names) const;

    virtual CString GetProcParameters(const VrlProcedure* procedure) const;
    virtual CString GetFuncParameters(const VrlFunction* function) const;
    // "DEFAULT <literal>", or empty when the default is absent or NULL.
    virtual CString GetDefaultValue(const VrlField* field) const;

    // Text literal pieces.
    virtual CString FormatUniqueIdentifier(COleVariant& value) const;
    virtual CString ReplaceQuotes(const wchar_t* text) const;
    virtual CString WrapInQuotes(const wchar_t* text) const;
    virtual CString AddUnicodePrefix(const wchar_t* text) const;

protected:
    // Template `id` of this dialect; unused slots default to the filler.
    CString Sql(int id, const CString& p1 = Unused(), const CString& p2 = Unused(),
                const CString& p3 = Unused(), const CString& p4 = Unused(), const CString& p5 = Unused(),
                const CString& p6 = Unused()) const;
    CString Sql(int id, int number, const CString& p1, const CString& p2 = Unused(),
                const CString& p3 = Unused(), const CString& p4 = Unused(), const CString& p5 = Unused(),
                const CString& p6 = Unused()) const;
    static const CString& Unused();
    // "NO ACTION" and "CASCADE", the referential actions' texts.
    static const CString& NoActionText();
    static const CString& CascadeText();

    // Type-map entry of `type`, or the empty text.
    const CString& GetTypeText(VrlDataType type) const;
    // `type` must be one of VrlDataType's codes.
    void SetTypeText(VrlDataType type, const wchar_t* text);

    // The extra-columns buffer, written by GetTableFields and GetFieldInfo.
    static CString sm_strExtraColumns;

    static constexpr size_t kTypeCodes = dtInterval + 1;
    std::array<CString, kTypeCodes> m_oTypeMap;  // VrlDataType code -> SQL type text
    int m_nDbmsType = -1;                        // set by the dialect constructor (cm_n*)
    const wchar_t* m_pszName;                    // not owned; handed to the publish generator
    VrlSqlStrings m_oSqlStrings;                 // filled by the dialect constructor, ids 0 to 59
    const VrlSchema* m_pSchema;                  // not owned
    const ObjectExistsFormats* m_pExistsFormats; // not owned; may be null

private:
    // While StreamSchema runs: the script's vector, whose statements AddTo
    // hands to the sink instead of appending them.
    const std::vector<CString>* m_pStreamTarget = nullptr;
    VrlStatementSink* m_pStreamSink = nullptr;
    mutable size_t m_nStreamed = 0; // AddTo is const; the count is bookkeeping
    bool IsStreaming(const std::vector<CString>& statements) const { return &statements == m_pStreamTarget; }
};

} // namespace VrlSchemaLib
