// VrlDbmsOracle: the generator for Oracle.
//
// Beyond the ANSI base it writes PL/SQL routine shells (CREATE OR REPLACE,
// "p" in front of parameter and variable names, result sets through a
// SYS_REFCURSOR output parameter), drops constraints and indexes through
// blocks that look in the user catalogue first (so an upgrade step can run
// twice), matches identifier-like columns without regard to case through
// NLSSORT function indexes, writes dates through TO_DATE and TO_TIMESTAMP,
// and ends a schema script with a check that fails when the database holds
// objects that did not compile.
#pragma once

#include "VrlDbmsAnsi.h"

namespace VrlSchemaLib {

class VrlDbmsOracle : public VrlDbmsAnsi {
public:
    VrlDbmsOracle(const VrlSchema* schema, const wchar_t* name);
    ~VrlDbmsOracle() override;

    // Guarded drop blocks; "&1", "&2", "&3" are replaced as plain text.
    // Index (&1 index name).
    static const wchar_t* const cm_pszDropIndexFormat;
    // Constraint (&1 constraint, &2 table).
    static const wchar_t* const cm_pszDropConstraintFormat;
    // The constraint if the table has one of that name, else the index
    // (&1 name, &2 table).
    static const wchar_t* const cm_pszDropConstraintORIndexFormat;
    // The index, then the constraint (&1 index, &2 constraint, &3 table).
    static const wchar_t* const cm_pszDropIndexANDConstraintFormat;

    // Tables, functions, views, procedures, triggers, then the check for
    // invalid objects (template 52).
    void GenerateSchema(std::vector<CString>& statements) override;
    // procPublishBatchDef with this dialect's templates; "@" becomes "p".
    void GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const override;

    using VrlDbms::FormatDropConstraint;
    CString FormatDropConstraint(const VrlTable* table, const wchar_t* name) const override;
    CString FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;
    // The view statement with CREATE turned into CREATE OR REPLACE.
    CString FormatAlterView(const VrlView* view) const override;
    // The base query; a constraint's name is first cut to the identifier limit.
    CString FormatObjectExists(const VrlSchemaObject* object) const override;

    using VrlDbms::FormatDateTime;
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;

    // Pairs of entries: an index name, then the statement that creates it.
    void GenerateCaseInsensitiveIndexes(const VrlTable* table,
                                        std::vector<CString>& statements) const override;

    using VrlDbms::FormatPrimaryKey;
    // The base text, plus ";" and the companion NLSSORT index when the key
    // has a case-insensitive column.
    CString FormatPrimaryKey(const VrlTable* table, const VrlConstraint* constraint) const override;
    // A unique index over NLSSORT columns when a column is case-insensitive.
    CString FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const override;

    // "SYSTIMESTAMP" when non-zero, else "SYSDATE".
    CString GetCurrentTimeFunction(int withMilliseconds) const override;
    CString GetCurrentTimeFunction() const override;
    CString GetTimeOffsetFunction() const override;
    // SYSDATE or SYSTIMESTAMP, in any letter case.
    int IsCurrentTimeFunction(CString text) const override;

    using VrlDbms::ConverToSqlDataType;
    // Oracle has no ON UPDATE clause: always empty.
    CString ConverToSqlDataType(VrlOnUpdateType type) const override;
    // NO ACTION is Oracle's default and has no keyword: empty; cascades
    // "CASCADE"; anything else CNotSupportedException.
    CString ConverToSqlDataType(VrlOnDeleteType type) const override;

    // "p" + name; empty for a null or empty name.
    CString FormatParameterName(const wchar_t* name) const override;
    CString GetProcedure(const VrlProcedure* procedure) const override;
    CString GetFunction(const VrlFunction* function) const override;

    // The base's key, then the companion NLSSORT index when needed.
    void GeneratePrimaryKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const override;
    // The bare type name (PL/SQL parameters and results take no length).
    CString FormatSchemaCreationDataType(VrlDataType type, LONG length) const override;
    // NLSSORT(column,'NLS_SORT=BINARY_CI') for a case-insensitive column.
    CString FormatIndexField(const VrlTable* table, const wchar_t* field,
                             const VrlConstraint* constraint) const override;

    // RemoveParentheticals of the ANSI base: X(Y(Z)W)V gives XW)V.
    virtual void DropParentheticals(CString& text) const;
    // Adds the NLSSORT index "CI_<constraint>" over the constraint's columns.
    virtual void GenerateCaseInsenstiveIndex(const VrlTable* table, const VrlConstraint* constraint,
                                             std::vector<CString>& statements) const;
    // At least one of the constraint's columns is case-insensitive.
    virtual bool HasCaseInsensitiveField(const VrlTable* table, const VrlConstraint* constraint) const;
    // The column is a GUID or a name (types 2, 23, 24, 28). A name that is
    // not a column of the table is not case-insensitive.
    virtual bool IsCaseInsensitiveField(const VrlTable* table, const wchar_t* field) const;
};

} // namespace VrlSchemaLib
