// Variants written as text in case files (common/TestData.h), built and compared
// field by field so that no case depends on the conversions under test:
//   EMPTY  NULL  VTnn (type code nn, no value)  I1:n  I2:n  I4:n  I8:n
//   R4:x  R8:x (inf, nan and -0 too)  BOOL:-1  BOOL:0  BSTR:text
//   DEC:-12.50 (exact; the scale is the number of digits after the point)
//   DATE:x (days) or DATE:yyyy-mm-dd[Thh:mm:ss[.fff]] (proleptic Gregorian)
// Dates compare within a microsecond; every other value exactly.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "platform/CString.h"
#include "platform/Variant.h"

namespace VrlSchemaTest {

// An owning variant, so that no case leaks a BSTR.
struct Var : VARIANT {
    Var() { VariantInit(this); }
    ~Var() { VariantClear(this); }
    Var(const Var&) = delete;
    Var& operator=(const Var&) = delete;
};

inline const wchar_t* const kTypeNames[] = {L"EMPTY", L"NULL", L"I2", L"I4", L"R4",   L"R8", L"CY",
                                            L"DATE",  L"BSTR", L"",   L"",   L"BOOL", L"",   L"",
                                            L"DEC",   L"",     L"I1", L"",   L"",     L"",   L"I8"};

// "I4" -> VT_I4, "VT99" -> 99.
inline VARTYPE TypeNamed(const std::wstring& name) {
    for (VARTYPE vt = 0; vt < std::size(kTypeNames); ++vt) {
        if (name == kTypeNames[vt])
            return vt;
    }
    EXPECT_EQ(name.substr(0, 2), L"VT") << "unknown type name";
    return static_cast<VARTYPE>(std::wcstoul(name.c_str() + 2, nullptr, 10));
}

// A number in C notation whatever the process locale.
template <class T> T Real(const std::wstring& text) {
    const std::string bytes(text.begin(), text.end());
    T value{};
    std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    return value;
}

// Days since 30 December 1899 of a civil date (days from civil, era-based).
inline long DayNumber(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 693899;
}

// A date text "yyyy-mm-dd[Thh:mm:ss[.fff]]" as DATE: the time counts
// forwards from the start of the day, for negative days too.
inline DATE DateFromText(const std::wstring& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    std::swscanf(text.c_str(), L"%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi);
    const size_t colon = text.rfind(L':');
    const double s = colon == std::wstring::npos ? 0 : Real<double>(text.substr(colon + 1));
    const long day = DayNumber(y, mo, d);
    const double time = (h * 3600 + mi * 60 + s) / 86400;
    return day < 0 ? day - time : day + time;
}

inline void ParseVariant(const std::wstring& text, VARIANT& v) {
    const size_t colon = text.find(L':');
    v.vt = TypeNamed(text.substr(0, colon));
    const std::wstring value = colon == std::wstring::npos ? L"" : text.substr(colon + 1);
    const long long n = std::wcstoll(value.c_str(), nullptr, 10);
    const size_t width = v.vt == VT_I1 ? 1 : v.vt == VT_I2 || v.vt == VT_BOOL ? 2 : v.vt == VT_I4 ? 4 : 8;
    v.llVal = 0;
    std::memcpy(&v.llVal, &n, width); // the low bytes, little-endian
    if (v.vt == VT_R4)
        v.fltVal = Real<float>(value);
    if (v.vt == VT_R8 || v.vt == VT_DATE)
        v.dblVal = v.vt == VT_DATE && value.find(L'-', 1) != std::wstring::npos ? DateFromText(value)
                                                                                : Real<double>(value);
    if (v.vt == VT_BSTR)
        v.bstrVal = SysAllocStringLen(value.c_str(), static_cast<UINT>(value.size()));
    if (v.vt == VT_DECIMAL) {
        v.decVal = DECIMAL{};
        unsigned __int128 units = 0;
        bool point = false;
        for (wchar_t c : value) {
            if (c == L'-')
                v.decVal.sign = DECIMAL_NEG;
            else if (c == L'.')
                point = true;
            else
                units = units * 10 + static_cast<unsigned>(c - L'0'), v.decVal.scale += point;
        }
        v.decVal.Lo64 = static_cast<ULONGLONG>(units);
        v.decVal.Hi32 = static_cast<ULONG>(units >> 64);
    }
}

// What a variant holds, for failure messages.
inline std::string DescribeVariant(const VARIANT& v) {
    char text[200];
    std::snprintf(text, sizeof text, "vt %u (i8 %lld, r8 %.17g, r4 %.9g, dec %s%u:%llu/10^%u)", v.vt, v.llVal,
                  v.dblVal, v.fltVal, v.decVal.sign ? "-" : "", v.decVal.Hi32, v.decVal.Lo64, v.decVal.scale);
    return v.vt == VT_BSTR ? "\"" + WideToUtf8(std::wstring(v.bstrVal, SysStringLen(v.bstrVal))) + "\""
                           : text;
}

inline bool SameVariant(const VARIANT& a, const VARIANT& b) {
    const int widths[] = {0, 0, 2, 4, 4, 8, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 8};
    if (a.vt != b.vt)
        return false;
    if (a.vt == VT_DATE)
        return std::fabs(a.date - b.date) < 1e-6 / 86400;
    if (a.vt == VT_R8 || a.vt == VT_R4)
        return a.vt == VT_R8 ? a.dblVal == b.dblVal : a.fltVal == b.fltVal;
    if (a.vt == VT_BSTR)
        return std::wstring(a.bstrVal, SysStringLen(a.bstrVal)) ==
               std::wstring(b.bstrVal, SysStringLen(b.bstrVal));
    if (a.vt == VT_DECIMAL)
        return std::memcmp(&a.decVal.scale, &b.decVal.scale, sizeof(DECIMAL) - 2) == 0;
    return a.vt >= std::size(widths) || std::memcmp(&a.llVal, &b.llVal, widths[a.vt]) == 0;
}

// Passes when `actual` is the variant `text` describes.
inline ::testing::AssertionResult IsVariant(const VARIANT& actual, const std::wstring& text) {
    Var expected;
    ParseVariant(text, expected);
    if (SameVariant(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << DescribeVariant(actual) << ", expected " << DescribeVariant(expected);
}

} // namespace VrlSchemaTest
