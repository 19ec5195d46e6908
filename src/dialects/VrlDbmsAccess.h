// VrlDbmsAccess: the generator for Access (Jet) databases. It keeps the base
// behaviour almost everywhere: names in square brackets, Jet literals for
// strings, booleans and dates, long texts as memo, and keys, unique
// constraints and indexes as separate statements. Templates are the SQL
// Server texts without the dbo owner.
//
// Jet has no catalogue that the library could query: the existence probes
// (FormatObjectExists, FormatTableExists, FormatProcedureExists,
// FormatSequenceExists) raise DuxException 4111, the code of an invalid
// request, whose one text argument reads "No catalogue query for Access
// databases: " followed by the object's name, instead of reading formats that
// do not exist. Hosts test for Jet objects through the database engine.
#pragma once

#include <vector>

#include "../platform/COleDateTime.h"
#include "../platform/COleVariant.h"
#include "../platform/CString.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

class VrlDbmsAccess : public VrlDbms {
public:
    VrlDbmsAccess(const VrlSchema* schema, const wchar_t* name);
    ~VrlDbmsAccess() override;

    // The error code of an existence probe asked of this generator.
    static constexpr LONG cm_lNoExistenceQueries = 4111;

    using VrlDbms::ConverToSqlDataType;
    // "memo" for a length of 256 or more, whatever the type.
    CString ConverToSqlDataType(VrlDataType type, LONG length) const override;
    CString FormatFieldName(const wchar_t* name) const override;
    CString FormatString(COleVariant& value) const override;

    using VrlDbms::FormatBool;
    CString FormatBool(int value) const override;
    using VrlDbms::FormatDateTime;
    CString FormatDateTime(COleDateTime value, int withMilliseconds) const override;
    using VrlDbms::GetCurrentTimeFunction;
    CString GetCurrentTimeFunction() const override;
    // The local time-zone bias in minutes, as a number.
    CString GetTimeOffsetFunction() const override;

    CString FormatFunctionCall(const VrlFunction* function) const override;
    // Jet stores functions as procedures.
    CString GetFunction(const VrlFunction* function) const override;
    CString GetDefaultValue(const VrlField* field) const override;
    // Leaves a "%ld" for the caller's last key value.
    CString GetSelectOldBufferTableSQL(const VrlTable* table) const override;

    void GeneratePrimaryKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const override;
    void GenerateUniqueConstraint(const VrlTable* table, std::vector<CString>& statements) const override;
    void GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const override;

    CString FormatObjectExists(const VrlSchemaObject* object) const override;
    CString FormatProcedureExists(const wchar_t* name) const override;
    CString FormatTableExists(const wchar_t* name) const override;
    CString FormatSequenceExists(const wchar_t* name) const override;
};

} // namespace VrlSchemaLib
