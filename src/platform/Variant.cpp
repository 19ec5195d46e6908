// Variants, BSTRs, decimals and date conversions. The conversion rules are
// listed in Variant.h; this file keeps them in one place: every source value
// is first read into a Value (an integer, a real, a decimal, a text...), and
// every target is produced from that.
#include "Variant.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <locale.h>
#include <string>

namespace {

using uint128 = unsigned __int128;

constexpr uint128 kDecimalLimit = uint128(1) << 96; // first value DECIMAL cannot hold
constexpr double kFirstDate = -657434.0;            // 1 January 100
constexpr double kLastDate = 2958465.0;             // 31 December 9999
constexpr long kDaysTo1970 = 25569;                 // 30 December 1899 to 1 January 1970

// Runs the C library's number routines in the "C" locale for one scope,
// whatever the process locale is; uselocale is per thread.
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(Locale())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t Locale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t m_old;
};

bool IsSupported(VARTYPE vt) {
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_BSTR:
    case VT_BOOL:
    case VT_DECIMAL:
        return true;
    default:
        return false;
    }
}

// ---- decimals --------------------------------------------------------------

uint128 Magnitude(const DECIMAL& d) {
    return (uint128(d.Hi32) << 64) | d.Lo64;
}

void SetDecimal(DECIMAL& d, bool negative, uint128 magnitude, int scale) {
    d.wReserved = 0;
    d.scale = static_cast<BYTE>(scale);
    d.sign = negative ? DECIMAL_NEG : 0;
    d.Hi32 = static_cast<ULONG>(magnitude >> 64);
    d.Lo64 = static_cast<ULONGLONG>(magnitude);
}

std::string DigitsOf(uint128 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// digits * 10^exponent as a decimal, rounding half to even to at most 28
// decimals and 96 bits.
HRESULT DecimalFromDigits(bool negative, std::string digits, long exponent, DECIMAL& result) {
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        SetDecimal(result, false, 0, 0);
        return S_OK;
    }
    digits.erase(0, first);
    if (exponent > 0) {
        if (digits.size() + static_cast<size_t>(exponent) > 29)
            return DISP_E_OVERFLOW;
        digits.append(static_cast<size_t>(exponent), '0');
        exponent = 0;
    }
    const long scale = -exponent;
    long drop = scale > DECIMAL_MAX_SCALE ? scale - DECIMAL_MAX_SCALE : 0;
    if (static_cast<long>(digits.size()) - drop > 29)
        drop = static_cast<long>(digits.size()) - 29;
    for (;; ++drop) {
        if (drop > scale)
            return DISP_E_OVERFLOW;
        const long keep = static_cast<long>(digits.size()) - drop;
        uint128 value = 0;
        for (long i = 0; i < keep; ++i)
            value = value * 10 + static_cast<unsigned>(digits[static_cast<size_t>(i)] - '0');
        if (drop > 0 && keep >= 0) {
            const char next = digits[static_cast<size_t>(keep)];
            const bool rest =
                digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) != std::string::npos;
            if (next > '5' || (next == '5' && (rest || (value & 1) != 0)))
                ++value;
        } else if (keep < 0) {
            value = 0;
        }
        if (value < kDecimalLimit) {
            SetDecimal(result, negative && value != 0, value, static_cast<int>(scale - drop));
            return S_OK;
        }
    }
}

// The exact decimal text of a decimal: no exponent, no trailing fractional
// zeros.
std::string DecimalText(const DECIMAL& d) {
    std::string digits = DigitsOf(Magnitude(d));
    const size_t scale = d.scale;
    if (digits.size() <= scale)
        digits.insert(0, scale - digits.size() + 1, '0');
    if (scale > 0) {
        digits.insert(digits.size() - scale, 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.')
            digits.pop_back();
    }
    if ((d.sign & DECIMAL_NEG) != 0 && digits != "0")
        digits.insert(0, 1, '-');
    return digits;
}

double DecimalToDouble(const DECIMAL& d) {
    std::string text = DigitsOf(Magnitude(d)) + "e-" + std::to_string(d.scale);
    CLocaleScope scope;
    const double value = std::strtod(text.c_str(), nullptr);
    return (d.sign & DECIMAL_NEG) != 0 ? -value : value;
}

// ---- number texts ----------------------------------------------------------

// The significant digits (trailing zeros removed) and decimal exponent of a
// finite non-zero value rounded to `precision` digits.
void Significant(double value, int precision, std::string& digits, int& exponent) {
    char buffer[64];
    {
        CLocaleScope scope;
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
    }
    digits.clear();
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += *p;
    }
    exponent = std::atoi(p + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty())
        digits = "0";
}

std::string RealText(double value, int precision) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";
    std::string digits;
    int exponent = 0;
    Significant(value, precision, digits, exponent);
    std::string text = value < 0 ? "-" : "";
    if (exponent > -7 && exponent < precision) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const size_t whole = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                text += digits;
                text.append(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole) + "." + digits.substr(whole);
            }
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + tail;
}

// A number text split as the rules of Variant.h allow it.
struct NumberText {
    bool negative = false;
    std::string digits; // every mantissa digit, without the point
    long exponent = 0;  // value = digits * 10^exponent
    std::string plain;  // the number for strtod
};

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool ParseNumber(const wchar_t* text, NumberText& out) {
    if (text == nullptr)
        return false;
    const wchar_t* p = text;
    while (IsBlank(*p))
        ++p;
    if (*p == L'+' || *p == L'-') {
        out.negative = *p == L'-';
        out.plain += static_cast<char>(*p++);
    }
    bool any = false;
    for (; IsDigit(*p); ++p, any = true)
        out.digits += static_cast<char>(*p);
    out.plain += out.digits;
    if (*p == L'.') {
        out.plain += '.';
        for (++p; IsDigit(*p); ++p, any = true) {
            out.digits += static_cast<char>(*p);
            out.plain += static_cast<char>(*p);
            --out.exponent;
        }
    }
    if (!any)
        return false;
    if (*p == L'e' || *p == L'E') {
        ++p;
        bool negativeExponent = false;
        if (*p == L'+' || *p == L'-')
            negativeExponent = *p++ == L'-';
        if (!IsDigit(*p))
            return false;
        long e = 0;
        for (; IsDigit(*p); ++p) {
            if (e < 100000)
                e = e * 10 + (*p - L'0');
        }
        out.exponent += negativeExponent ? -e : e;
        out.plain += negativeExponent ? "e-" : "e";
        out.plain += std::to_string(e);
    }
    while (IsBlank(*p))
        ++p;
    return *p == L'\0';
}

// ---- dates -----------------------------------------------------------------

long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long>(yoe) + era * 400 + (m <= 2);
}

bool IsLeap(long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(long y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool InDateRange(double value) {
    return value > kFirstDate - 1.0 && value < kLastDate + 1.0;
}

// A day number and a time of day (in days) as a date: the time runs forwards
// from the start of the day also before the epoch.
DATE MakeDate(long day, double time) {
    return day >= 0 ? day + time : day - time;
}

// Reads an unsigned number of 1 to `maxDigits` digits.
bool ReadField(const wchar_t*& p, int maxDigits, long& value) {
    if (!IsDigit(*p))
        return false;
    value = 0;
    int count = 0;
    for (; IsDigit(*p); ++p) {
        if (++count > maxDigits)
            return false;
        value = value * 10 + (*p - L'0');
    }
    return true;
}

bool StartsNoCase(const wchar_t* p, const wchar_t* word) {
    for (; *word != L'\0'; ++p, ++word) {
        if (static_cast<wchar_t>(std::towupper(*p)) != *word)
            return false;
    }
    return true;
}

// "h:mm[:ss[.fff]][ AM|PM]", the hour already read; the time in days.
bool ReadTime(const wchar_t*& p, long hour, double& time) {
    long minute = 0, second = 0;
    double fraction = 0;
    if (*p++ != L':' || !ReadField(p, 2, minute))
        return false;
    if (*p == L':') {
        ++p;
        if (!ReadField(p, 2, second))
            return false;
        if (*p == L'.') {
            double unit = 0.1;
            for (++p; IsDigit(*p); ++p, unit /= 10)
                fraction += (*p - L'0') * unit;
        }
    }
    const wchar_t* q = p;
    while (IsBlank(*q))
        ++q;
    if (StartsNoCase(q, L"AM") || StartsNoCase(q, L"PM")) {
        if (hour > 12)
            return false;
        const bool pm = std::towupper(*q) == L'P';
        hour = hour % 12 + (pm ? 12 : 0);
        p = q + 2;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    time = (hour * 3600 + minute * 60 + second + fraction) / 86400.0;
    return true;
}

bool ParseDate(const wchar_t* text, DATE& result) {
    if (text == nullptr)
        return false;
    const wchar_t* p = text;
    while (IsBlank(*p))
        ++p;
    long first = 0, year = 1899, month = 12, day = 30;
    double time = 0;
    if (!ReadField(p, 4, first))
        return false;
    if (*p == L':') {
        if (!ReadTime(p, first, time))
            return false;
    } else {
        long a = 0, b = 0;
        const wchar_t separator = *p;
        if (separator != L'-' && separator != L'/')
            return false;
        ++p;
        if (!ReadField(p, 2, a) || *p++ != separator || !ReadField(p, 4, b))
            return false;
        if (separator == L'-') {
            year = first, month = a, day = b;
        } else {
            month = first, day = a, year = b;
        }
        if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
            day > static_cast<long>(DaysInMonth(year, static_cast<unsigned>(month))))
            return false;
        if (*p == L'T' || IsBlank(*p)) {
            const wchar_t* q = p + 1;
            while (IsBlank(*q))
                ++q;
            long hour = 0;
            if (*q != L'\0') {
                if (!ReadField(q, 2, hour) || !ReadTime(q, hour, time))
                    return false;
                p = q;
            }
        }
    }
    while (IsBlank(*p))
        ++p;
    if (*p != L'\0')
        return false;
    result = MakeDate(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kDaysTo1970, time);
    return true;
}

std::string DateText(DATE value) {
    SYSTEMTIME t{};
    VariantTimeToSystemTime(value, &t);
    char buffer[64];
    const bool timeOnly = t.wYear == 1899 && t.wMonth == 12 && t.wDay == 30;
    if (timeOnly)
        std::snprintf(buffer, sizeof buffer, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    else if (t.wHour == 0 && t.wMinute == 0 && t.wSecond == 0)
        std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u", t.wYear, t.wMonth, t.wDay);
    else
        std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                      t.wHour, t.wMinute, t.wSecond);
    return buffer;
}

// ---- the conversion --------------------------------------------------------

// A source value in the form the targets are made from.
struct Value {
    enum Kind { Empty, Integer, Real, Decimal, Text, Date } kind = Empty;
    long long integer = 0;
    double real = 0;
    DECIMAL decimal{};
    const wchar_t* text = nullptr;
    bool fromBool = false;
    bool single = false; // a VT_R4: 7 significant digits
};

Value Read(const VARIANT& v) {
    Value r;
    switch (v.vt) {
    case VT_I1:
        r.kind = Value::Integer, r.integer = static_cast<signed char>(v.cVal);
        break;
    case VT_I2:
        r.kind = Value::Integer, r.integer = v.iVal;
        break;
    case VT_I4:
        r.kind = Value::Integer, r.integer = v.lVal;
        break;
    case VT_I8:
        r.kind = Value::Integer, r.integer = v.llVal;
        break;
    case VT_BOOL:
        r.kind = Value::Integer, r.integer = v.boolVal != 0 ? -1 : 0, r.fromBool = true;
        break;
    case VT_R4:
        r.kind = Value::Real, r.real = v.fltVal, r.single = true;
        break;
    case VT_R8:
        r.kind = Value::Real, r.real = v.dblVal;
        break;
    case VT_DATE:
        r.kind = Value::Date, r.real = v.date;
        break;
    case VT_DECIMAL:
        r.kind = Value::Decimal, r.decimal = v.decVal;
        break;
    case VT_BSTR:
        r.kind = Value::Text, r.text = v.bstrVal != nullptr ? v.bstrVal : L"";
        break;
    default:
        break;
    }
    return r;
}

HRESULT ToDouble(const Value& v, double& out) {
    switch (v.kind) {
    case Value::Empty:
        out = 0;
        return S_OK;
    case Value::Integer:
        out = static_cast<double>(v.integer);
        return S_OK;
    case Value::Real:
    case Value::Date:
        out = v.real;
        return S_OK;
    case Value::Decimal:
        out = DecimalToDouble(v.decimal);
        return S_OK;
    case Value::Text: {
        NumberText number;
        if (!ParseNumber(v.text, number))
            return DISP_E_TYPEMISMATCH;
        CLocaleScope scope;
        out = std::strtod(number.plain.c_str(), nullptr);
        return std::isinf(out) ? DISP_E_OVERFLOW : S_OK;
    }
    }
    return DISP_E_TYPEMISMATCH;
}

HRESULT ToDecimal(const Value& v, DECIMAL& out) {
    switch (v.kind) {
    case Value::Empty:
    case Value::Integer:
        return VarDecFromI8(v.integer, &out);
    case Value::Decimal:
        out = v.decimal;
        return S_OK;
    case Value::Text:
        return VarDecFromStr(v.text, &out);
    case Value::Real:
    case Value::Date: {
        if (!std::isfinite(v.real))
            return DISP_E_OVERFLOW;
        if (v.real == 0)
            return VarDecFromI8(0, &out);
        std::string digits;
        int exponent = 0;
        Significant(v.real, v.single ? 7 : 15, digits, exponent);
        return DecimalFromDigits(v.real < 0, digits, exponent - static_cast<long>(digits.size()) + 1, out);
    }
    }
    return DISP_E_TYPEMISMATCH;
}

// The value rounded to an integer (half to even) within [low, high].
HRESULT ToInteger(const Value& v, long long low, long long high, long long& out) {
    long long value = 0;
    if (v.kind == Value::Empty || v.kind == Value::Integer) {
        value = v.integer;
    } else if (v.kind == Value::Real || v.kind == Value::Date) {
        const double rounded = std::nearbyint(v.real);
        if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
            return DISP_E_OVERFLOW;
        value = static_cast<long long>(rounded);
    } else {
        DECIMAL d{};
        const HRESULT hr = ToDecimal(v, d);
        if (FAILED(hr))
            return hr;
        // Exact half-to-even rounding of magnitude / 10^scale.
        uint128 divisor = 1;
        for (int i = 0; i < d.scale; ++i)
            divisor *= 10;
        const uint128 full = Magnitude(d);
        uint128 magnitude = full / divisor;
        const uint128 remainder = full % divisor;
        if (remainder * 2 > divisor || (remainder * 2 == divisor && (magnitude & 1) != 0))
            ++magnitude;
        const bool negative = (d.sign & DECIMAL_NEG) != 0;
        if (magnitude > (uint128(1) << 63) || (!negative && magnitude == (uint128(1) << 63)))
            return DISP_E_OVERFLOW;
        value = negative ? static_cast<long long>(-static_cast<__int128>(magnitude))
                         : static_cast<long long>(magnitude);
    }
    if (value < low || value > high)
        return DISP_E_OVERFLOW;
    out = value;
    return S_OK;
}

HRESULT ToBool(const Value& v, bool& out) {
    if (v.kind == Value::Text) {
        const wchar_t* p = v.text;
        while (IsBlank(*p))
            ++p;
        for (const wchar_t* word : {L"TRUE", L"FALSE"}) {
            if (StartsNoCase(p, word)) {
                const wchar_t* q = p + std::wcslen(word);
                while (IsBlank(*q))
                    ++q;
                if (*q == L'\0') {
                    out = word[0] == L'T';
                    return S_OK;
                }
            }
        }
    }
    if (v.kind == Value::Decimal) {
        out = Magnitude(v.decimal) != 0;
        return S_OK;
    }
    if (v.kind == Value::Integer || v.kind == Value::Empty) {
        out = v.integer != 0;
        return S_OK;
    }
    double d = 0;
    const HRESULT hr = ToDouble(v, d);
    out = d != 0;
    return hr;
}

HRESULT ToText(const Value& v, USHORT flags, std::string& out) {
    switch (v.kind) {
    case Value::Empty:
        out.clear();
        return S_OK;
    case Value::Integer:
        if (v.fromBool && (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) != 0)
            out = v.integer != 0 ? "True" : "False";
        else
            out = std::to_string(v.integer);
        return S_OK;
    case Value::Real:
        out = RealText(v.real, v.single ? 7 : 15);
        return S_OK;
    case Value::Decimal:
        out = DecimalText(v.decimal);
        return S_OK;
    case Value::Date:
        if (!std::isfinite(v.real) || !InDateRange(v.real))
            return DISP_E_OVERFLOW;
        out = DateText(v.real);
        return S_OK;
    case Value::Text:
        break;
    }
    return DISP_E_TYPEMISMATCH;
}

BSTR AllocNarrow(const std::string& text) {
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(text.size()));
    if (result != nullptr) {
        for (size_t i = 0; i < text.size(); ++i)
            result[i] = static_cast<unsigned char>(text[i]);
    }
    return result;
}

HRESULT Convert(const VARIANT& src, USHORT flags, VARTYPE vt, VARIANT& out) {
    VariantInit(&out);
    if (src.vt == VT_NULL)
        return vt == VT_NULL || vt == VT_EMPTY ? (out.vt = vt, S_OK) : DISP_E_TYPEMISMATCH;
    if (vt == VT_NULL)
        return src.vt == VT_EMPTY ? (out.vt = VT_NULL, S_OK) : DISP_E_TYPEMISMATCH;
    if (vt == VT_EMPTY)
        return S_OK;
    const Value v = Read(src);
    HRESULT hr = S_OK;
    long long integer = 0;
    double real = 0;
    switch (vt) {
    case VT_I1:
        hr = ToInteger(v, -128, 127, integer);
        out.cVal = static_cast<CHAR>(integer);
        break;
    case VT_I2:
        hr = ToInteger(v, -32768, 32767, integer);
        out.iVal = static_cast<SHORT>(integer);
        break;
    case VT_I4:
        hr = ToInteger(v, INT32_MIN, INT32_MAX, integer);
        out.lVal = static_cast<LONG>(integer);
        break;
    case VT_I8:
        hr = ToInteger(v, INT64_MIN, INT64_MAX, integer);
        out.llVal = integer;
        break;
    case VT_R8:
        hr = ToDouble(v, out.dblVal);
        break;
    case VT_R4:
        hr = ToDouble(v, real);
        if (SUCCEEDED(hr) && std::isfinite(real) && std::fabs(real) > FLT_MAX)
            hr = DISP_E_OVERFLOW;
        out.fltVal = static_cast<float>(real);
        break;
    case VT_DATE:
        if (v.kind == Value::Text)
            hr = ParseDate(v.text, real) ? S_OK : DISP_E_TYPEMISMATCH;
        else if (SUCCEEDED(hr = ToDouble(v, real)) && !InDateRange(real))
            hr = DISP_E_OVERFLOW;
        out.date = real;
        break;
    case VT_BOOL: {
        bool truth = false;
        hr = ToBool(v, truth);
        out.boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case VT_DECIMAL:
        hr = ToDecimal(v, out.decVal);
        break;
    case VT_BSTR: {
        std::string text;
        if (SUCCEEDED(hr = ToText(v, flags, text))) {
            out.bstrVal = AllocNarrow(text);
            if (out.bstrVal == nullptr)
                hr = E_OUTOFMEMORY;
        }
        break;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
    if (FAILED(hr))
        return hr;
    out.vt = vt;
    return S_OK;
}

} // namespace

// ---- BSTR ------------------------------------------------------------------

BSTR SysAllocStringLen(const wchar_t* text, UINT length) {
    auto* memory =
        static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) + (size_t(length) + 1) * sizeof(wchar_t)));
    if (memory == nullptr)
        return nullptr;
    memory[0] = static_cast<uint32_t>(length * sizeof(wchar_t));
    auto* result = reinterpret_cast<wchar_t*>(memory + 1);
    if (text != nullptr)
        std::wmemcpy(result, text, length);
    else
        std::wmemset(result, L'\0', length);
    result[length] = L'\0';
    return result;
}

BSTR SysAllocString(const wchar_t* text) {
    return text != nullptr ? SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text))) : nullptr;
}

void SysFreeString(BSTR text) {
    if (text != nullptr)
        std::free(reinterpret_cast<uint32_t*>(text) - 1);
}

UINT SysStringLen(BSTR text) {
    return text != nullptr ? static_cast<UINT>(reinterpret_cast<uint32_t*>(text)[-1] / sizeof(wchar_t)) : 0;
}

// ---- variants --------------------------------------------------------------

void VariantInit(VARIANT* variant) {
    if (variant == nullptr)
        return;
    std::memset(static_cast<void*>(variant), 0, sizeof(VARIANT));
    variant->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* variant) {
    if (variant == nullptr)
        return E_INVALIDARG;
    if (!IsSupported(variant->vt))
        return DISP_E_BADVARTYPE;
    if (variant->vt == VT_BSTR)
        SysFreeString(variant->bstrVal);
    VariantInit(variant);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dst, const VARIANT* src) {
    if (dst == nullptr || src == nullptr)
        return E_INVALIDARG;
    if (dst == src)
        return S_OK;
    if (!IsSupported(src->vt))
        return DISP_E_BADVARTYPE;
    VARIANT copy = *src;
    if (src->vt == VT_BSTR && src->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (copy.bstrVal == nullptr)
            return E_OUTOFMEMORY;
    }
    const HRESULT hr = VariantClear(dst);
    if (FAILED(hr)) {
        if (copy.vt == VT_BSTR)
            SysFreeString(copy.bstrVal);
        return hr;
    }
    *dst = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dst, const VARIANT* src, USHORT flags, VARTYPE vt) {
    if (dst == nullptr || src == nullptr)
        return E_INVALIDARG;
    if (!IsSupported(src->vt) || !IsSupported(vt) || !IsSupported(dst->vt))
        return DISP_E_BADVARTYPE;
    if (src->vt == vt)
        return VariantCopy(dst, src);
    VARIANT result;
    const HRESULT hr = Convert(*src, flags, vt, result);
    if (FAILED(hr))
        return hr;
    VariantClear(dst);
    *dst = result;
    return S_OK;
}

HRESULT VariantChangeTypeEx(VARIANT* dst, const VARIANT* src, LCID, USHORT flags, VARTYPE vt) {
    return VariantChangeType(dst, src, flags, vt);
}

// ---- dates -----------------------------------------------------------------

int VariantTimeToSystemTime(DATE time, SYSTEMTIME* systemTime) {
    if (systemTime == nullptr || !std::isfinite(time) || !InDateRange(time))
        return FALSE;
    const double whole = std::trunc(time);
    long day = static_cast<long>(whole);
    long seconds = std::lround(std::fabs(time - whole) * 86400.0);
    if (seconds >= 86400) {
        ++day;
        seconds -= 86400;
    }
    if (day < static_cast<long>(kFirstDate) || day > static_cast<long>(kLastDate))
        return FALSE;
    long year = 0;
    unsigned month = 0, dayOfMonth = 0;
    CivilFromDays(day - kDaysTo1970, year, month, dayOfMonth);
    systemTime->wYear = static_cast<WORD>(year);
    systemTime->wMonth = static_cast<WORD>(month);
    systemTime->wDay = static_cast<WORD>(dayOfMonth);
    // 30 December 1899 was a Saturday.
    systemTime->wDayOfWeek = static_cast<WORD>(((day % 7) + 7 + 6) % 7);
    systemTime->wHour = static_cast<WORD>(seconds / 3600);
    systemTime->wMinute = static_cast<WORD>(seconds / 60 % 60);
    systemTime->wSecond = static_cast<WORD>(seconds % 60);
    systemTime->wMilliseconds = 0;
    return TRUE;
}

int SystemTimeToVariantTime(const SYSTEMTIME* t, DATE* time) {
    if (t == nullptr || time == nullptr)
        return FALSE;
    if (t->wYear < 100 || t->wYear > 9999 || t->wMonth < 1 || t->wMonth > 12 || t->wDay < 1 ||
        t->wDay > DaysInMonth(t->wYear, t->wMonth) || t->wHour > 23 || t->wMinute > 59 || t->wSecond > 59)
        return FALSE;
    const long day = DaysFromCivil(t->wYear, t->wMonth, t->wDay) + kDaysTo1970;
    *time = MakeDate(day, (t->wHour * 3600 + t->wMinute * 60 + t->wSecond) / 86400.0);
    return TRUE;
}

// ---- decimals --------------------------------------------------------------

HRESULT VarDecFromI8(LONGLONG value, DECIMAL* result) {
    if (result == nullptr)
        return E_INVALIDARG;
    const uint128 magnitude = value < 0 ? uint128(0) - uint128(static_cast<__int128>(value)) : uint128(value);
    SetDecimal(*result, value < 0, magnitude, 0);
    return S_OK;
}

HRESULT VarDecFromR8(double value, DECIMAL* result) {
    if (result == nullptr)
        return E_INVALIDARG;
    Value v;
    v.kind = Value::Real;
    v.real = value;
    return ToDecimal(v, *result);
}

HRESULT VarDecFromStr(const wchar_t* text, DECIMAL* result) {
    if (result == nullptr)
        return E_INVALIDARG;
    NumberText number;
    if (!ParseNumber(text, number))
        return DISP_E_TYPEMISMATCH;
    return DecimalFromDigits(number.negative, number.digits, number.exponent, *result);
}

HRESULT VarR8FromDec(const DECIMAL* value, double* result) {
    if (value == nullptr || result == nullptr)
        return E_INVALIDARG;
    *result = DecimalToDouble(*value);
    return S_OK;
}

HRESULT VarDecCmp(const DECIMAL* left, const DECIMAL* right) {
    // Bring both to the larger scale; 96 bits times 10^28 fits in 256 bits
    // but not 128, so compare digit texts of the aligned values instead.
    auto aligned = [](const DECIMAL& d, int scale) {
        std::string digits = DigitsOf(Magnitude(d));
        digits.append(static_cast<size_t>(scale - d.scale), '0');
        return digits;
    };
    const int scale = left->scale > right->scale ? left->scale : right->scale;
    const bool leftZero = Magnitude(*left) == 0, rightZero = Magnitude(*right) == 0;
    const bool leftNegative = !leftZero && (left->sign & DECIMAL_NEG) != 0;
    const bool rightNegative = !rightZero && (right->sign & DECIMAL_NEG) != 0;
    if (leftNegative != rightNegative)
        return leftNegative ? VARCMP_LT : VARCMP_GT;
    if (leftZero && rightZero)
        return VARCMP_EQ; // zeros of any scale: the aligned digits would differ in length
    const std::string a = aligned(*left, scale), b = aligned(*right, scale);
    int order = a.size() != b.size() ? (a.size() < b.size() ? -1 : 1) : a.compare(b);
    if (leftNegative)
        order = -order;
    return order < 0 ? VARCMP_LT : order > 0 ? VARCMP_GT : VARCMP_EQ;
}
