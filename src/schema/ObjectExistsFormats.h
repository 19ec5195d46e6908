// ObjectExistsFormats: the catalogue queries of one target database that tell
// whether an object exists, one printf-style format per kind of object.
//
// Formats of objects that live inside a table (columns, keys, indexes) carry
// the table name as "%s" and the object's own name as "%%s": the object fills
// in its table first, which turns "%%s" into "%s", and the generator then
// fills in the object's name.
//
// A record points at constant texts, owns nothing and never changes. The
// library keeps one record per target that has a catalogue to ask: the
// standard information schema (SQL Server), the USER_* views (Oracle) and
// SYSCAT (DB2). They are constant-initialised, so they exist before any
// start-up code or generator runs.
#pragma once

#include "../platform/CString.h"

namespace VrlSchemaLib {

class ObjectExistsFormats {
public:
    constexpr ObjectExistsFormats(const wchar_t* tableFormat, const wchar_t* columnFormat,
                                  const wchar_t* primaryKeyFormat, const wchar_t* foreignKeyFormat,
                                  const wchar_t* uniqueFormat, const wchar_t* uniqueIndexFormat,
                                  const wchar_t* indexFormat, const wchar_t* viewFormat,
                                  const wchar_t* procedureFormat, const wchar_t* functionFormat,
                                  const wchar_t* sequenceFormat)
        : m_pszTableFormat(Text(tableFormat)), m_pszColumnFormat(Text(columnFormat)),
          m_pszPrimaryKeyFormat(Text(primaryKeyFormat)), m_pszForeignKeyFormat(Text(foreignKeyFormat)),
          m_pszUniqueFormat(Text(uniqueFormat)), m_pszUniqueIndexFormat(Text(uniqueIndexFormat)),
          m_pszIndexFormat(Text(indexFormat)), m_pszViewFormat(Text(viewFormat)),
          m_pszProcedureFormat(Text(procedureFormat)), m_pszFunctionFormat(Text(functionFormat)),
          m_pszSequenceFormat(Text(sequenceFormat)) {}

    // For targets without unique indexes of their own: the unique-index
    // format is the empty text.
    constexpr ObjectExistsFormats(const wchar_t* tableFormat, const wchar_t* columnFormat,
                                  const wchar_t* primaryKeyFormat, const wchar_t* foreignKeyFormat,
                                  const wchar_t* uniqueFormat, const wchar_t* indexFormat,
                                  const wchar_t* viewFormat, const wchar_t* procedureFormat,
                                  const wchar_t* functionFormat, const wchar_t* sequenceFormat)
        : ObjectExistsFormats(tableFormat, columnFormat, primaryKeyFormat, foreignKeyFormat, uniqueFormat,
                              L"", indexFormat, viewFormat, procedureFormat, functionFormat, sequenceFormat) {
    }

    // Never null: a null text given to a constructor reads as "".
    const wchar_t* GetTableFormat() const { return m_pszTableFormat; }
    const wchar_t* GetColumnFormat() const { return m_pszColumnFormat; }
    const wchar_t* GetPrimaryKeyFormat() const { return m_pszPrimaryKeyFormat; }
    const wchar_t* GetForeignKeyFormat() const { return m_pszForeignKeyFormat; }
    const wchar_t* GetUniqueFormat() const { return m_pszUniqueFormat; }
    const wchar_t* GetUniqueIndexFormat() const { return m_pszUniqueIndexFormat; }
    const wchar_t* GetIndexFormat() const { return m_pszIndexFormat; }
    const wchar_t* GetViewFormat() const { return m_pszViewFormat; }
    const wchar_t* GetProcedureFormat() const { return m_pszProcedureFormat; }
    const wchar_t* GetFunctionFormat() const { return m_pszFunctionFormat; }
    const wchar_t* GetSequenceFormat() const { return m_pszSequenceFormat; }

    // The process-wide records of the three catalogue dialects.
    static const ObjectExistsFormats* GetSqlServerFormats();
    static const ObjectExistsFormats* GetOracleFormats();
    static const ObjectExistsFormats* GetDB2Formats();

private:
    static constexpr const wchar_t* Text(const wchar_t* text) { return text ? text : L""; }

    const wchar_t* m_pszTableFormat;
    const wchar_t* m_pszColumnFormat;
    const wchar_t* m_pszPrimaryKeyFormat;
    const wchar_t* m_pszForeignKeyFormat;
    const wchar_t* m_pszUniqueFormat;
    const wchar_t* m_pszUniqueIndexFormat;
    const wchar_t* m_pszIndexFormat;
    const wchar_t* m_pszViewFormat;
    const wchar_t* m_pszProcedureFormat;
    const wchar_t* m_pszFunctionFormat;
    const wchar_t* m_pszSequenceFormat;
};

// The three records (also reachable through the static accessors above).
extern const ObjectExistsFormats g_oSqlServerExistsFormats;
extern const ObjectExistsFormats g_oOracleExistsFormats;
extern const ObjectExistsFormats g_oDB2ExistsFormats;

} // namespace VrlSchemaLib
