// VrlDbmsPostgres: the generator for PostgreSQL.
//
// It stands on the ANSI base but takes the types PostgreSQL has of its own:
// booleans are `boolean` (literals TRUE and FALSE), GUIDs are `uuid` (the
// braced texts of the model are valid uuid input, and uuid values compare
// without regard to case by nature), dates are `timestamp(3)` and the
// auto-increment type is an identity column. Unquoted names fold to lower
// case, so every catalogue probe compares lower-cased names; columns
// compared without regard to case (name columns and "^" key columns) are
// indexed through lower(column), which also turns a unique constraint over
// such a column into a unique expression index. Routines are PL/pgSQL,
// written CREATE OR REPLACE with dollar-quoted bodies; parameters take the
// "p" prefix, and a procedure returns its rows through an INOUT refcursor
// (the body marks the query with "~", or with "~~" when it opens the cursor
// itself). The publish procedure is not written for this target.
#pragma once

#include "VrlDbmsAnsi.h"

namespace VrlSchemaLib {

class VrlDbmsPostgres : public VrlDbmsAnsi {
public:
    VrlDbmsPostgres(const VrlSchema* schema, const wchar_t* name);
    ~VrlDbmsPostgres() override;

    // The catalogue queries of this target, over pg_catalog and the
    // information schema, written so that lower-casing the whole text
    // changes only the names in it.
    static const ObjectExistsFormats* GetPostgresFormats();

    // PostgreSQL tells functions from procedures: the type is kept.
    CommandType TranslateCommandType(CommandType type) const override;
    // A boolean stays a boolean (dtBoolean).
    VrlDataType CastToBoolEquivalent(COleVariant& value) const override;
    // Tables, functions, views, procedures (template 52 is empty).
    void GenerateSchema(std::vector<CString>& statements) override;
    // lower(column)=lower(value) for a name column.
    CString CreateWhereComparison(const wchar_t* table, const wchar_t* field,
                                  const wchar_t* value) const override;

    // A constraint created as an index is dropped as one; a key with a
    // case-insensitive column takes its lower() companion index with it.
    CString FormatDropConstraint(const VrlTable* table, const wchar_t* name) const override;
    CString FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;
    // The type change with a USING cast, and the null rule set to the model's.
    CString FormatAlterColumn(const VrlTable* table, const VrlField* field) const override;
    // CREATE OR REPLACE already is the alter statement.
    CString FormatAlterProcedure(const VrlProcedure* procedure) const override;
    CString FormatAlterFunction(const VrlFunction* function) const override;
    CString FormatAlterView(const VrlView* view) const override;

    // The base query, lower-cased.
    CString FormatObjectExists(const VrlSchemaObject* object) const override;
    CString FormatProcedureExists(const wchar_t* name) const override;
    CString FormatTableExists(const wchar_t* name) const override;
    CString FormatSequenceExists(const wchar_t* name) const override;

    using VrlDbms::FormatDateTime;
    // TIMESTAMP 'yyyy-mm-dd hh:mm:ss.fff'.
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;
    // Pairs of entries: an index name, then the statement that creates it.
    void GenerateCaseInsensitiveIndexes(const VrlTable* table,
                                        std::vector<CString>& statements) const override;

    using VrlDbms::FormatPrimaryKey;
    // The key, plus ";" and its lower() index when a column is case-insensitive.
    CString FormatPrimaryKey(const VrlTable* table, const VrlConstraint* constraint) const override;
    // A unique lower() index when a column is case-insensitive.
    CString FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;

    using VrlDbms::FormatBool;
    // "TRUE" or "FALSE".
    CString FormatBool(int value) const override;

    using VrlDbms::GetCurrentTimeFunction;
    CString GetCurrentTimeFunction() const override;
    CString GetTimeOffsetFunction() const override;
    // CURRENT_TIMESTAMP or now(), in any letter case.
    int IsCurrentTimeFunction(CString text) const override;

    using VrlDbms::ConverToSqlDataType;
    // Every parameter states its mode: IN, OUT or INOUT.
    CString ConverToSqlDataType(VrlInOutType type) const override;
    // "p" + name; empty for a null or empty name.
    CString FormatParameterName(const wchar_t* name) const override;
    CString GetProcedure(const VrlProcedure* procedure) const override;
    CString GetFunction(const VrlFunction* function) const override;

    // The base's key, then the lower() index when needed.
    void GeneratePrimaryKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const override;
    // The bare type (routine parameters take no length; an identity is a
    // plain integer there).
    CString FormatSchemaCreationDataType(VrlDataType type, LONG length) const override;
    // lower(column) for a case-insensitive text column.
    CString FormatIndexField(const VrlTable* table, const wchar_t* field,
                             const VrlConstraint* constraint) const override;
    // No default on an identity column: PostgreSQL refuses both.
    CString GetDefaultValue(const VrlField* field) const override;
    // A non-ASCII text needs no prefix in a UTF-8 database (and N'...' would
    // be a blank-padded character literal).
    CString AddUnicodePrefix(const wchar_t* text) const override;

    // The table's column is a name column (dtName).
    virtual bool IsCaseInsensitiveField(const VrlTable* table, const wchar_t* field) const;
    // At least one column of the constraint is indexed through lower().
    virtual bool HasCaseInsensitiveField(const VrlTable* table, const VrlConstraint* constraint) const;

private:
    // "CI_<key>": the lower() index beside a primary key.
    CString FormatCaseInsensitiveKeyIndex(const VrlTable* table, const VrlConstraint* key) const;
    CString FormatUniqueIndex(const VrlTable* table, const VrlConstraint* constraint) const;
    // Whether `field` of the constraint is written as lower(field).
    bool IsLoweredField(const VrlTable* table, const wchar_t* field, const VrlConstraint* constraint) const;
};

} // namespace VrlSchemaLib
