// VrlDbms: construction, the type map, SQL words of the model's enumerations,
// names and value literals. The DDL statements, scripts, existence probes and
// routine shells live in the VrlDbms*.cpp files beside this one.
#include "VrlDbms.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "../platform/CException.h"
#include "../schema/VrlField.h"
#include "../schema/VrlSchema.h"
#include "../support/DuxException.h"
#include "../support/VrlConversions.h"
#include "VrlDateParser.h"

namespace VrlSchemaLib {

CString VrlDbms::sm_strExtraColumns;

namespace {

// Text of a variant that is known to hold a BSTR (a null BSTR is the empty
// text).
CString BstrText(const VARIANT& value) {
    return CString(value.bstrVal ? value.bstrVal : L"");
}

// "type(length)", or the bare type when the length is below 1; sized once.
void AppendTypeWithLength(CString& out, const CString& type, LONG length) {
    out.Preallocate(out.GetLength() + type.GetLength() + (length >= 1 ? 13 : 0));
    out += type;
    if (length >= 1) {
        out += L'(';
        AppendDecimal(out, length);
        out += L')';
    }
}

void SetNull(COleVariant& value) {
    value.Clear();
    value.vt = VT_NULL;
}

} // namespace

VrlDbms::VrlDbms(const VrlSchema* schema, const wchar_t* name, const ObjectExistsFormats* formats)
    : m_pszName(name), m_pSchema(schema), m_pExistsFormats(formats) {
    m_oTypeMap[dtGuid] = L"VARCHAR(38)";
    m_oTypeMap[dtTable] = L"table";
    m_oTypeMap[dtGuid23] = L"VARCHAR(38)";
    m_oTypeMap[dtAnsiString] = L"VARCHAR";
    m_oTypeMap[dtAnsiString26] = L"VARCHAR";
    m_oTypeMap[dtGuid28] = L"VARCHAR(38)";
}

VrlDbms::~VrlDbms() = default;

const CString& VrlDbms::Unused() {
    static const CString unused(VrlSqlStrings::cm_pszUnused);
    return unused;
}

CString VrlDbms::Sql(int id, const CString& p1, const CString& p2, const CString& p3, const CString& p4,
                     const CString& p5, const CString& p6) const {
    return m_oSqlStrings.Get(id, p1, p2, p3, p4, p5, p6);
}

CString VrlDbms::Sql(int id, int number, const CString& p1, const CString& p2, const CString& p3,
                     const CString& p4, const CString& p5, const CString& p6) const {
    return m_oSqlStrings.Get(id, number, p1, p2, p3, p4, p5, p6);
}

const CString& VrlDbms::GetTypeText(VrlDataType type) const {
    static const CString empty;
    const auto code = static_cast<size_t>(type);
    return code < kTypeCodes ? m_oTypeMap[code] : empty;
}

void VrlDbms::SetTypeText(VrlDataType type, const wchar_t* text) {
    const auto code = static_cast<size_t>(type);
    if (code >= kTypeCodes)
        throw std::invalid_argument("VrlDbms::SetTypeText: not a data type");
    m_oTypeMap[code] = text;
}

void VrlDbms::FixDecimal(CString& text) {
    const lconv* conv = localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0' ||
        std::strcmp(conv->decimal_point, ".") == 0)
        return;
    text.Replace(Utf8ToWide(conv->decimal_point).c_str(), L".");
}

bool VrlDbms::IsAscii(const wchar_t* text) {
    if (text == nullptr)
        return true;
    for (; *text; ++text) {
        if (static_cast<uint32_t>(*text) > 127)
            return false;
    }
    return true;
}

// ---- small virtual operations of the base ----

CommandType VrlDbms::TranslateCommandType(CommandType type) const {
    return type;
}

VrlDataType VrlDbms::CastToBoolEquivalent(COleVariant&) const {
    return dtBoolean;
}

const VrlSchema* VrlDbms::GetSchema() const {
    return m_pSchema;
}

const VrlSchema* VrlDbms::GetSchemaWithDatabaseVersion(VrlDatabaseVersion, VrlServicePackNum) const {
    return nullptr;
}

const VrlSchema* VrlDbms::GetStatsSchemaWithDatabaseVersion(VrlDatabaseVersion, VrlServicePackNum) const {
    return nullptr;
}

void VrlDbms::GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const {
    if (buffer != nullptr && length > 0)
        buffer[0] = L'\0';
    length = 0;
}

long VrlDbms::GetPublishBatchDefSubProcedureCount() const {
    return 0;
}

CString VrlDbms::AdjustObjectName(const wchar_t* name) const {
    return CString(name);
}

void VrlDbms::ValidateString(CString) const {}

// ---- SQL words ----

CString VrlDbms::ConverToSqlDataType(VrlInOutType type) const {
    switch (type) {
    case ioOut:
        return CString(L"OUT");
    case ioInOut:
        return Sql(20);
    default:
        return CString();
    }
}

// The referential actions, made once and handed out as shared copies.
const CString& VrlDbms::NoActionText() {
    static const CString text(L"NO ACTION");
    return text;
}

const CString& VrlDbms::CascadeText() {
    static const CString text(L"CASCADE");
    return text;
}

CString VrlDbms::ConverToSqlDataType(VrlOnUpdateType type) const {
    return type == ouNoAction ? NoActionText() : CascadeText();
}

CString VrlDbms::ConverToSqlDataType(VrlOnDeleteType type) const {
    switch (type) {
    case odNoAction:
        return NoActionText();
    case odCascade:
    case odCascade4:
        return CascadeText();
    default:
        AfxThrowNotSupportedException();
    }
}

CString VrlDbms::ConverToSqlDataType(VrlNullType type) const {
    return type == ntNotNull ? CString(L"Not Null") : CString();
}

CString VrlDbms::ConverToSqlDataType(VrlDataType type, LONG length) const {
    CString result;
    AppendTypeWithLength(result, GetTypeText(type), length);
    ValidateString(result);
    return result;
}

CString VrlDbms::FormatSchemaCreationDataType(VrlDataType type, LONG length) const {
    CString result;
    AppendTypeWithLength(result, ConverToSqlDataType(type, 0), length);
    return result;
}

// ---- names ----

CString VrlDbms::FormatFieldName(const wchar_t* name) const {
    CString result(name);
    // "Domain" is a reserved word there; the quoted name keeps its own case.
    if (m_nDbmsType == cm_nOracle && result.CompareNoCase(L"Domain") == 0)
        return L'"' + result + L'"';
    return result;
}

CString VrlDbms::FormatParameterName(const wchar_t* name) const {
    if (name == nullptr || *name == L'\0')
        return CString();
    return L'@' + CString(name);
}

// ---- value literals ----

CString VrlDbms::FormatValue(const VrlField* field, const COleVariant& value) const {
    COleVariant copy(value);
    return FormatValueAndVariant(field, copy);
}

CString VrlDbms::FormatValue(const wchar_t* table, const wchar_t* field, const COleVariant& value) const {
    // Without a schema there is no field to describe the value: it is then
    // written like a value of a type without a literal form.
    const VrlField* found = m_pSchema ? m_pSchema->GetField(table, field) : nullptr;
    return FormatValue(found, value);
}

CString VrlDbms::FormatValueAndVariant(const VrlField* field, COleVariant& value) const {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) {
        SetNull(value);
        return CString(L"NULL");
    }
    if (field == nullptr)
        return CString();

    switch (field->GetDataType()) {
    case dtInteger:
    case dtAutoIncrement:
    case dtByte:
    case dtShort:
    case dtLong:
    case dtInteger18:
    case dtInteger19:
    case dtInteger20:
    case dtInteger21: {
        if (field->GetFlag(ffTimeOffset) && value.vt == VT_BSTR) {
            const CString text = BstrText(value);
            if (IsTimeOffsetFunction(text))
                return text;
        }
        VrlConversions::ForceCast(value, VT_I4);
        CString text;
        AppendDecimal(text, static_cast<int32_t>(value.lVal));
        return text;
    }
    case dtGuid:
    case dtGuid23:
    case dtGuid28:
        return FormatUniqueIdentifier(value);
    case dtBoolean:
        return FormatBool(value);
    case dtSingle:
    case dtDouble: {
        VrlConversions::ForceCast(value, VT_R8);
        CString text;
        if (!AppendFixed6(text, value.dblVal))
            text.Format(L"%lf", value.dblVal);
        FixDecimal(text);
        return text;
    }
    case dtString:
    case dtLongText:
    case dtString256:
    case dtMemo:
    case dtMemo22:
    case dtName:
    case dtAnsiString:
    case dtAnsiString26:
        return FormatString(value);
    case dtDateTime:
    case dtTimestamp:
        return FormatDateTime(value, field->GetFlag(ffWithMilliseconds) ? 1 : 0);
    default:
        return CString();
    }
}

CString VrlDbms::FormatString(COleVariant& value) const {
    VrlConversions::ForceCast(value, VT_BSTR);
    CString result = WrapInQuotes(ReplaceQuotes(value.bstrVal ? value.bstrVal : L""));
    if (!IsAscii(result))
        result = AddUnicodePrefix(result);
    return result;
}

CString VrlDbms::FormatUniqueIdentifier(COleVariant& value) const {
    CString text;
    if (value.vt == VT_BSTR) {
        text = BstrText(value);
    } else {
        COleVariant copy(value);
        VrlConversions::ForceCast(copy, VT_BSTR);
        text = BstrText(copy);
    }
    if (text.IsEmpty()) {
        SetNull(value);
        return CString(L"NULL");
    }
    CString result = FormatString(value);
    result.MakeLower();
    text.MakeLower();
    value = COleVariant(text.GetString());
    return result;
}

CString VrlDbms::ReplaceQuotes(const wchar_t* text) const {
    CString result(text);
    result.Replace(L"'", L"''");
    return result;
}

CString VrlDbms::WrapInQuotes(const wchar_t* text) const {
    return CString::Concat(L'\'', text, L'\'');
}

CString VrlDbms::AddUnicodePrefix(const wchar_t* text) const {
    return CString::Concat(L'N', text);
}

CString VrlDbms::FormatBool(COleVariant& value) const {
    int truth;
    if (value.vt == VT_BSTR) {
        const CString text = BstrText(value);
        if (text.IsEmpty()) {
            SetNull(value);
            return CString(L"NULL");
        }
        truth = !(text == L"0" || text.CompareNoCase(L"False") == 0);
        // Texts the platform cannot read as a boolean raise its own error.
        value.ChangeType(VT_BOOL);
        value.boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        VrlConversions::ForceCast(value, VT_BOOL);
        truth = value.boolVal != 0;
    }
    return FormatBool(truth);
}

CString VrlDbms::FormatBstrNotVarchar(VARIANT value) const {
    CString text = value.vt == VT_BSTR ? BstrText(value) : CString();
    if (text.IsEmpty())
        return CString(L"NULL");
    text.Replace(L',', L'.');
    return text;
}

// ---- date-times ----

CString VrlDbms::FormatDateTime(COleVariant& value, int withMilliseconds) const {
    if (value.vt == VT_DATE)
        return FormatDateTime(COleDateTime(value.date), withMilliseconds);

    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_DATE))) {
        const DATE date = converted.date;
        VariantClear(&converted);
        return FormatDateTime(COleDateTime(date), withMilliseconds);
    }
    VariantClear(&converted);

    if (value.vt == VT_BSTR) {
        const CString text = BstrText(value);
        if (IsCurrentTimeFunction(text))
            return text;
        if (text.IsEmpty()) {
            SetNull(value);
            return CString(L"NULL");
        }
        // Our own reader of date texts stands in for a date-parsing
        // component: no component has to be registered on the machine, and
        // the accepted shapes are fixed (see VrlDateParser.h).
        DATE date = 0;
        if (VrlDateParser::Parse(text, date))
            return FormatDateTime(COleDateTime(date), withMilliseconds);
    }
    DuxException::Throw(4023, L"VrlDbms", 255, static_cast<int>(value.vt));
}

CString VrlDbms::FormatCurrentDateTime(int withMilliseconds) const {
    return GetCurrentTimeFunction(withMilliseconds);
}

CString VrlDbms::FormatCurrentTimeZone() const {
    return GetTimeOffsetFunction();
}

CString VrlDbms::GetCurrentTimeFunction(int) const {
    return GetCurrentTimeFunction();
}

int VrlDbms::IsCurrentTimeFunction(CString text) const {
    return text == GetCurrentTimeFunction() ? 1 : 0;
}

int VrlDbms::IsTimeOffsetFunction(CString text) const {
    return text == GetTimeOffsetFunction() ? 1 : 0;
}

} // namespace VrlSchemaLib
