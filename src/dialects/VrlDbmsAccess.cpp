#include "VrlDbmsAccess.h"

#include "VrlDbmsSqlServer.h"
#include "../platform/TimeZone.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlTable.h"
#include "../support/DuxException.h"
#include "../support/VrlConversions.h"

namespace VrlSchemaLib {

namespace {

// Jet's text columns hold at most 255 characters; longer ones are memo.
constexpr LONG kFirstMemoLength = 256;

// Dates before this year are written with their time of day only.
constexpr int kFirstDateYear = 1900;

// The data types whose literals are quoted texts (strings and GUIDs).
bool IsQuotedType(VrlDataType type) {
    switch (type) {
    case dtGuid:
    case dtString:
    case dtLongText:
    case dtString256:
    case dtMemo:
    case dtMemo22:
    case dtGuid23:
    case dtName:
    case dtAnsiString:
    case dtGuid28:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void ThrowNoExistenceQuery(const wchar_t* name) {
    CString text = L"No catalogue query for Access databases: ";
    text += name;
    DuxException::Throw(VrlDbmsAccess::cm_lNoExistenceQueries, __FILE__, __LINE__, text.GetString());
}

} // namespace

VrlDbmsAccess::VrlDbmsAccess(const VrlSchema* schema, const wchar_t* name) : VrlDbms(schema, name, nullptr) {
    m_nDbmsType = cm_nAccess;

    SetTypeText(dtInteger18, L"int");
    SetTypeText(dtInteger, L"int");
    SetTypeText(dtAutoIncrement, L"int IDENTITY (1, 1)");
    SetTypeText(dtBoolean, L"bit");
    SetTypeText(dtByte, L"tinyint");
    SetTypeText(dtShort, L"smallint");
    SetTypeText(dtLong, L"int");
    SetTypeText(dtBigInt, L"bigint");
    SetTypeText(dtSingle, L"real");
    SetTypeText(dtDouble, L"float");
    SetTypeText(dtString, L"nvarchar");
    SetTypeText(dtDateTime, L"datetime");
    SetTypeText(dtBinary, L"image");
    SetTypeText(dtLongText, L"ntext");
    SetTypeText(dtString256, L"ntext");
    SetTypeText(dtMemo, L"ntext");
    SetTypeText(dtInteger19, L"int");
    SetTypeText(dtInteger20, L"int");
    SetTypeText(dtInteger21, L"int");
    SetTypeText(dtMemo22, L"ntext");
    SetTypeText(dtName, L"nvarchar");
    SetTypeText(dtGuid, L"text");
    SetTypeText(dtGuid23, L"text");
    SetTypeText(dtGuid28, L"text");

    for (int id = 0; id < 60; ++id) {
        int slot = id == 14 ? 15 : id == 15 ? 14 : id;
        if (slot == 0) {
            m_oSqlStrings.Add(slot, L"Access");
        } else if (slot == 12) {
            // Jet has no owners.
            m_oSqlStrings.Add(slot, L"CREATE TABLE &1(\n&2&3)");
        } else {
            m_oSqlStrings.Add(slot, VrlDbmsSqlServer::GetTemplateText(slot));
        }
    }
}

VrlDbmsAccess::~VrlDbmsAccess() = default;

CString VrlDbmsAccess::ConverToSqlDataType(VrlDataType type, LONG length) const {
    if (length >= kFirstMemoLength) {
        return L"memo";
    }
    return VrlDbms::ConverToSqlDataType(type, length);
}

CString VrlDbmsAccess::FormatFieldName(const wchar_t* name) const {
    CString text;
    text.Format(L"[%s]", name ? name : L"");
    return text;
}

CString VrlDbmsAccess::FormatString(COleVariant& value) const {
    VrlConversions::ForceCast(value, VT_BSTR);
    CString text = value.bstrVal ? value.bstrVal : L"";
    text.Replace(L"'", L"''");
    CString literal = L"'";
    literal += text;
    literal += L"'";
    return literal;
}

CString VrlDbmsAccess::FormatBool(int value) const {
    return value != 0 ? L"YES" : L"NO";
}

CString VrlDbmsAccess::FormatDateTime(COleDateTime value, int /*withMilliseconds*/) const {
    CString text;
    if (value.GetStatus() == COleDateTime::valid && value.GetYear() >= kFirstDateYear) {
        text = value.Format(L"%Y-%m-%d %H:%M:%S");
    } else {
        text = value.Format(L"%H:%M:%S");
    }
    CString literal = L"#";
    literal += text;
    literal += L"#";
    return literal;
}

CString VrlDbmsAccess::GetCurrentTimeFunction() const {
    return L"Now()";
}

CString VrlDbmsAccess::GetTimeOffsetFunction() const {
    TIME_ZONE_INFORMATION zone{};
    DWORD state = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    CString text;
    text.Format(L"%d", static_cast<int>(bias));
    return text;
}

CString VrlDbmsAccess::FormatFunctionCall(const VrlFunction* function) const {
    return function != nullptr ? function->GetNameRef() : CString();
}

CString VrlDbmsAccess::GetFunction(const VrlFunction* function) const {
    return GetProcedure(function);
}

CString VrlDbmsAccess::GetDefaultValue(const VrlField* field) const {
    CString literal = FormatValue(field, field->GetDefaultValueRef());
    if (literal.IsEmpty() || literal.CompareNoCase(L"NULL") == 0) {
        return CString();
    }
    if (IsQuotedType(field->GetDataType())) {
        // Jet takes a text default without its quotes; the empty text is
        // written as a pair of double quotes.
        if (literal == L"''") {
            literal = L"\"\"";
        } else if (literal.GetLength() >= 2) {
            literal = literal.Mid(1, literal.GetLength() - 2);
        }
    }
    CString clause = L"DEFAULT ";
    clause += literal;
    return clause;
}

CString VrlDbmsAccess::GetSelectOldBufferTableSQL(const VrlTable* table) const {
    CString key = table->GetPrimaryKeyFieldName();
    CString query;
    query.Format(L"SELECT TOP %ld * FROM %s WHERE %s > %%ld ORDER BY %s ",
                 static_cast<long>(table->GetBufferSize()), table->GetOldName(), key.GetString(),
                 key.GetString());
    return query;
}

void VrlDbmsAccess::GeneratePrimaryKeyConstraint(const VrlTable* table,
                                                 std::vector<CString>& statements) const {
    const VrlConstraint* key = table->GetPrimaryKeyConstraint();
    if (key == nullptr || key->GetFields().empty()) {
        return;
    }
    CString tableName = table->GetNameRef();
    CString name = key->GetNameRef();
    CString columns = GetFieldsWithSurroundBrackets(key->GetFields());
    CString statement;
    statement.Format(L"ALTER TABLE %s ADD CONSTRAINT %s PRIMARY KEY CLUSTERED (%s)", tableName.GetString(),
                     name.GetString(), columns.GetString());
    AddTo(statements, std::move(statement));
}

void VrlDbmsAccess::GenerateUniqueConstraint(const VrlTable* table, std::vector<CString>& statements) const {
    CString tableName = table->GetNameRef();
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint == nullptr || constraint->GetType() != ctUnique) {
            continue;
        }
        CString name = constraint->GetNameRef();
        CString columns = GetFieldsWithSurroundBrackets(constraint->GetFields());
        CString statement;
        statement.Format(L"ALTER TABLE %s ADD CONSTRAINT %s UNIQUE (%s)\r\n", tableName.GetString(),
                         name.GetString(), columns.GetString());
        ValidateString(statement);
        AddTo(statements, std::move(statement));
    }
}

void VrlDbmsAccess::GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const {
    CString tableName = table->GetNameRef();
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint == nullptr || constraint->GetType() != ctIndex) {
            continue;
        }
        CString name = constraint->GetNameRef();
        CString columns = GetFields(constraint->GetFields());
        CString statement;
        statement.Format(L"CREATE INDEX %s ON %s (%s)", name.GetString(), tableName.GetString(),
                         columns.GetString());
        ValidateString(statement);
        AddTo(statements, std::move(statement));
    }
}

CString VrlDbmsAccess::FormatObjectExists(const VrlSchemaObject* object) const {
    ThrowNoExistenceQuery(object != nullptr ? object->GetNameRef().GetString() : L"");
}

CString VrlDbmsAccess::FormatProcedureExists(const wchar_t* name) const {
    ThrowNoExistenceQuery(name ? name : L"");
}

CString VrlDbmsAccess::FormatTableExists(const wchar_t* name) const {
    ThrowNoExistenceQuery(name ? name : L"");
}

CString VrlDbmsAccess::FormatSequenceExists(const wchar_t* name) const {
    ThrowNoExistenceQuery(name ? name : L"");
}

} // namespace VrlSchemaLib
