#include "VrlValueRules.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "../platform/CException.h"
#include "../platform/COleVariant.h"
#include "../schema/VrlField.h"
#include "../sqlgen/VrlDbms.h"
#include "../support/DuxException.h"
#include "VrlCheckReport.h"

namespace VrlSchemaLib {

namespace {

CString Text(const VARIANT& value) {
    if (value.vt == VT_BSTR)
        return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    VARIANT text;
    VariantInit(&text);
    CString result;
    if (VariantChangeType(&text, &value, 0, VT_BSTR) == S_OK)
        result = CString(text.bstrVal, static_cast<int>(SysStringLen(text.bstrVal)));
    VariantClear(&text);
    return result;
}

// "seed value "abc"", for messages.
CString Subject(const wchar_t* what, const VARIANT& value) {
    return CString(what) + L" " + VrlCheckReport::Quoted(Text(value));
}

CString Number(long long value) {
    CString text;
    text.Format(L"%lld", value);
    return text;
}

// The ASCII text of a number written in `text`, blanks around it dropped, a
// comma read as the decimal point (as the conversions read it); nothing for
// any other character.
std::optional<std::string> NumberText(const CString& text) {
    std::string narrow;
    for (wchar_t ch : text.View()) {
        if (ch >= 0x80)
            return std::nullopt;
        narrow += static_cast<char>(ch == L',' ? L'.' : ch);
    }
    const size_t first = narrow.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    narrow = narrow.substr(first, narrow.find_last_not_of(" \t") - first + 1);
    if (narrow[0] == '+')
        narrow.erase(0, 1);
    return narrow;
}

std::optional<long long> ParseInteger(const CString& text) {
    const std::optional<std::string> narrow = NumberText(text);
    if (!narrow || narrow->empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(narrow->data(), narrow->data() + narrow->size(), value);
    if (error != std::errc() || end != narrow->data() + narrow->size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDouble(const CString& text) {
    const std::optional<std::string> narrow = NumberText(text);
    if (!narrow || narrow->empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(narrow->data(), narrow->data() + narrow->size(), value);
    if (error != std::errc() || end != narrow->data() + narrow->size())
        return std::nullopt;
    return value;
}

// The value as a number, when it is one or a text that holds one.
std::optional<double> AsDouble(const VARIANT& value) {
    switch (value.vt) {
    case VT_I1:
        return value.cVal;
    case VT_I2:
        return value.iVal;
    case VT_I4:
        return value.lVal;
    case VT_I8:
        return static_cast<double>(value.llVal);
    case VT_R4:
        return value.fltVal;
    case VT_R8:
        return value.dblVal;
    case VT_BOOL:
        return value.boolVal ? 1.0 : 0.0;
    case VT_DECIMAL: {
        double result = 0;
        if (VarR8FromDec(&value.decVal, &result) != S_OK)
            return std::nullopt;
        return result;
    }
    case VT_BSTR:
        return ParseDouble(Text(value));
    default:
        return std::nullopt;
    }
}

bool IsIntegerType(VrlDataType type) {
    switch (type) {
    case dtInteger:
    case dtAutoIncrement:
    case dtByte:
    case dtShort:
    case dtLong:
    case dtInteger18:
    case dtInteger19:
    case dtInteger20:
    case dtInteger21:
    case dtBoolean:
        return true;
    default:
        return false;
    }
}

struct Range {
    long long low;
    long long high;
};

Range RangeOf(VrlDataType type) {
    switch (type) {
    case dtByte:
        return {0, 255};
    case dtShort:
        return {INT16_MIN, INT16_MAX};
    case dtBoolean:
        return {-1, 1};
    default:
        return {INT32_MIN, INT32_MAX};
    }
}

// The length in the parentheses that close a written type ("nvarchar(50)",
// "VARGRAPHIC(256)"), or 0 for a type without one ("NCLOB", "nvarchar(max)").
long TrailingLength(const CString& type) {
    const std::wstring_view text = type.View();
    if (text.empty() || text.back() != L')')
        return 0;
    const size_t open = text.rfind(L'(');
    if (open == std::wstring_view::npos)
        return 0;
    long length = 0;
    for (size_t i = open + 1; i + 1 < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9' || length > 100000000)
            return 0;
        length = length * 10 + (text[i] - L'0');
    }
    return length;
}

} // namespace

VrlValueRules::VrlValueRules(Dialect target, const VrlDbms& generator, bool unicodeLiterals)
    : m_eTarget(target), m_oGenerator(generator), m_bUnicodeLiterals(unicodeLiterals) {}

void VrlValueRules::Check(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                          const wchar_t* what, const VrlCheckPlace& place) const {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL)
        return;
    const VrlDataType type = field.GetDataType();
    if (IsIntegerType(type)) {
        CheckInteger(report, field, value, what, place);
        return;
    }
    switch (type) {
    case dtSingle:
    case dtDouble:
        CheckFloat(report, value, what, place);
        return;
    case dtString:
    case dtLongText:
    case dtString256:
    case dtMemo:
    case dtMemo22:
    case dtName:
    case dtAnsiString:
    case dtAnsiString26:
    case dtGuid:
    case dtGuid23:
    case dtGuid28:
        CheckText(report, field, value, what, place);
        return;
    case dtDateTime:
    case dtTimestamp:
        CheckDate(report, value, what, place);
        return;
    default:
        report.Error("value-no-literal", place,
                     Subject(what, value) + L": the generator writes no literal for a column of type " +
                         m_oGenerator.ConverToSqlDataType(type, field.GetLength()) +
                         L", so the value would be lost; leave it out");
        return;
    }
}

void VrlValueRules::CheckInteger(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                                 const wchar_t* what, const VrlCheckPlace& place) const {
    const VrlDataType type = field.GetDataType();
    if (type != dtBoolean && field.GetFlag(ffTimeOffset) && value.vt == VT_BSTR &&
        m_oGenerator.IsTimeOffsetFunction(Text(value)))
        return;
    const bool isText = value.vt == VT_BSTR;
    std::optional<double> number;
    std::optional<long long> integer;
    if (isText) {
        integer = ParseInteger(Text(value));
        if (!integer)
            number = ParseDouble(Text(value));
    } else {
        number = AsDouble(value);
        if (value.vt == VT_I8)
            integer = value.llVal;
    }
    if (!integer && !number) {
        report.Error("value-not-convertible", place,
                     Subject(what, value) + L" is not a whole number, which the " +
                         (type == dtBoolean ? CString(L"boolean") : CString(L"integer")) +
                         L" column needs (the generator would write 0); give a number");
        return;
    }
    if (!integer) {
        if (std::trunc(*number) != *number || std::fabs(*number) > 9.2e18) {
            report.Error("value-out-of-range", place,
                         Subject(what, value) +
                             L" has a fraction or is too large, and the column holds whole numbers; "
                             L"give a whole number");
            return;
        }
        integer = static_cast<long long>(*number);
    }
    const Range range = RangeOf(type);
    if (*integer < range.low || *integer > range.high) {
        report.Error("value-out-of-range", place,
                     Subject(what, value) + L" lies outside " + Number(range.low) + L" to " +
                         Number(range.high) + L", the range of the column's type " +
                         m_oGenerator.ConverToSqlDataType(type, field.GetLength()));
    }
}

void VrlValueRules::CheckFloat(VrlCheckReport& report, const VARIANT& value, const wchar_t* what,
                               const VrlCheckPlace& place) const {
    const std::optional<double> number = AsDouble(value);
    if (!number || !std::isfinite(*number)) {
        report.Error("value-not-convertible", place,
                     Subject(what, value) +
                         L" is not a number, which the floating-point column needs; give a number");
        return;
    }
    // Literals are written with six decimals (to_chars gives printf's
    // digits, without the formatter).
    char written[512];
    const std::to_chars_result end =
        std::to_chars(written, written + sizeof written - 1, *number, std::chars_format::fixed, 6);
    *end.ptr = '\0';
    double back = 0;
    std::from_chars(written, end.ptr, back);
    if (back != *number) {
        report.Error("value-out-of-range", place,
                     Subject(what, value) + L" is written with six decimals as " + CString(written) +
                         L"; give a value with at most six decimals");
    }
}

long VrlValueRules::TextLimit(VrlDataType type, long length) const {
    const long long key = (static_cast<long long>(type) << 32) | static_cast<uint32_t>(length);
    const auto found = m_oTextLimits.find(key);
    if (found != m_oTextLimits.end())
        return found->second;
    // What the column holds is what the target writes for it: a memo is
    // 256 characters on one target and unbounded on the others.
    const long limit = TrailingLength(m_oGenerator.ConverToSqlDataType(type, length));
    m_oTextLimits.emplace(key, limit);
    return limit;
}

void VrlValueRules::CheckText(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                              const wchar_t* what, const VrlCheckPlace& place) const {
    const CString converted = value.vt == VT_BSTR ? CString() : Text(value);
    const wchar_t* text = value.vt == VT_BSTR ? value.bstrVal : converted.GetString();
    const long length =
        value.vt == VT_BSTR ? static_cast<long>(SysStringLen(value.bstrVal)) : converted.GetLength();
    const long limit = TextLimit(field.GetDataType(), field.GetLength());
    if (limit > 0 && length > limit) {
        report.Error("value-too-long", place,
                     Subject(what, value) + L" has " + Number(length) + L" characters; the column holds " +
                         Number(limit) + L" (shorten the value or lengthen the column)");
        return;
    }
    if (m_eTarget == Dialect::SqlServer && !m_bUnicodeLiterals && !VrlDbms::IsAscii(text)) {
        report.Warning("literal-not-unicode", place,
                       Subject(what, value) + L" holds characters beyond ASCII and is written without the N "
                                              L"prefix, so the server may turn them into \"?\"; generate "
                                              L"with Unicode literals");
    }
}

void VrlValueRules::CheckDate(VrlCheckReport& report, const VARIANT& value, const wchar_t* what,
                              const VrlCheckPlace& place) const {
    // A date value the calendar can show is written as it is; anything else
    // goes the generator's way, which may fail.
    SYSTEMTIME calendar;
    if (value.vt == VT_DATE && VariantTimeToSystemTime(value.date, &calendar))
        return;
    COleVariant copy(value);
    bool converted = true;
    try {
        m_oGenerator.FormatDateTime(copy, 0);
    } catch (DuxException* e) {
        e->Delete();
        converted = false;
    } catch (CException* e) {
        e->Delete();
        converted = false;
    }
    if (!converted) {
        report.Error("value-not-convertible", place,
                     Subject(what, value) + L" is no date the generator can write; give a date value or "
                                            L"a date text such as \"2009-05-01 08:30:00\"");
    }
}

} // namespace VrlSchemaLib
