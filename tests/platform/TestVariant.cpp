#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "platform/Variant.h"

namespace {

// An owning variant for the tests, so that no case leaks a BSTR.
struct Var : VARIANT {
    Var() { VariantInit(this); }
    ~Var() { VariantClear(this); }
    Var(const Var&) = delete;
    Var& operator=(const Var&) = delete;
};

void SetR8(Var& v, double d) {
    VariantClear(&v);
    v.vt = VT_R8;
    v.dblVal = d;
}

void SetText(Var& v, const wchar_t* text) {
    VariantClear(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
}

// The text VariantChangeType gives for a source variant.
std::wstring TextOf(const VARIANT& src, USHORT flags = 0) {
    Var out;
    const HRESULT hr = VariantChangeType(&out, &src, flags, VT_BSTR);
    EXPECT_EQ(hr, S_OK);
    return SUCCEEDED(hr) ? std::wstring(out.bstrVal) : L"<failed>";
}

std::wstring RealText(double d) {
    Var v;
    SetR8(v, d);
    return TextOf(v);
}

HRESULT FromText(const wchar_t* text, VARTYPE vt, Var& out) {
    Var src;
    SetText(src, text);
    return VariantChangeType(&out, &src, 0, vt);
}

DATE DateOf(WORD y, WORD m, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0) {
    SYSTEMTIME t{};
    t.wYear = y, t.wMonth = m, t.wDay = d, t.wHour = h, t.wMinute = mi, t.wSecond = s;
    DATE result = 0;
    EXPECT_TRUE(SystemTimeToVariantTime(&t, &result));
    return result;
}

struct LocaleGuard {
    ~LocaleGuard() { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST(Bstr, LengthPrefixAndEmbeddedZeros) {
    BSTR text = SysAllocStringLen(L"ab\0cd", 5);
    EXPECT_EQ(SysStringLen(text), 5u);
    EXPECT_EQ(text[3], L'c');
    EXPECT_EQ(text[5], L'\0');
    SysFreeString(text);
    BSTR zeros = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(zeros[0], L'\0');
    EXPECT_EQ(SysStringLen(zeros), 3u);
    SysFreeString(zeros);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}

TEST(VariantCopyClear, CopiesTextsDeeplyAndRejectsUnknownTypes) {
    Var a, b;
    SetText(a, L"hello");
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_STREQ(b.bstrVal, L"hello");
    // Copying over a text frees the old one (the sanitizer build checks).
    SetR8(a, 2.0);
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_EQ(b.vt, VT_R8);

    Var bad;
    bad.vt = 99;
    EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantCopy(&b, &bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantChangeType(&b, &a, 0, 99), DISP_E_BADVARTYPE);
    bad.vt = VT_EMPTY;
}

TEST(VariantChangeTypeNumbers, RoundHalfToEvenAndCheckRanges) {
    Var src, out;
    const struct {
        double in;
        LONG expected;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {-0.6, -1}, {2147483647.4, INT32_MAX}};
    for (const auto& c : cases) {
        SetR8(src, c.in);
        ASSERT_EQ(VariantChangeType(&out, &src, 0, VT_I4), S_OK) << c.in;
        EXPECT_EQ(out.lVal, c.expected) << c.in;
    }
    SetR8(src, 2147483647.5);
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_I4), DISP_E_OVERFLOW);
    SetR8(src, 32767.6);
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_I2), DISP_E_OVERFLOW);
    SetR8(src, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_I8), DISP_E_OVERFLOW);
    SetR8(src, 1e39);
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_R4), DISP_E_OVERFLOW);

    src.vt = VT_I4;
    src.lVal = -129;
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_I1), DISP_E_OVERFLOW);
    src.lVal = -128;
    ASSERT_EQ(VariantChangeType(&out, &src, 0, VT_I1), S_OK);
    EXPECT_EQ(out.cVal, -128);

    src.vt = VT_BOOL;
    src.boolVal = VARIANT_TRUE;
    ASSERT_EQ(VariantChangeType(&out, &src, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, -1);
}

TEST(VariantChangeTypeNumbers, TextIsParsedStrictlyInTheCLocale) {
    LocaleGuard guard;
    // Where a comma locale exists, it must not change anything.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    Var out;
    ASSERT_EQ(FromText(L"  -12.5e1 ", VT_R8, out), S_OK);
    EXPECT_EQ(out.dblVal, -125.0);
    ASSERT_EQ(FromText(L"1234.5", VT_R8, out), S_OK);
    EXPECT_EQ(out.dblVal, 1234.5);
    EXPECT_EQ(FromText(L"1,5", VT_R8, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L"", VT_I4, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L"12abc", VT_I4, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L"1e", VT_R8, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L".", VT_R8, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L"1e400", VT_R8, out), DISP_E_OVERFLOW);
    EXPECT_EQ(FromText(L"32768", VT_I2, out), DISP_E_OVERFLOW);
    ASSERT_EQ(FromText(L"9223372036854775807", VT_I8, out), S_OK);
    EXPECT_EQ(out.llVal, INT64_MAX);
    EXPECT_EQ(FromText(L"9223372036854775808", VT_I8, out), DISP_E_OVERFLOW);
    ASSERT_EQ(FromText(L"-9223372036854775808", VT_I8, out), S_OK);
    EXPECT_EQ(out.llVal, INT64_MIN);
    ASSERT_EQ(FromText(L"4.5", VT_I4, out), S_OK);
    EXPECT_EQ(out.lVal, 4);
    ASSERT_EQ(FromText(L".5", VT_R4, out), S_OK);
    EXPECT_EQ(out.fltVal, 0.5f);

    Var v;
    SetR8(v, 1.5);
    EXPECT_EQ(TextOf(v), L"1.5");
}

TEST(VariantChangeTypeText, RealsUseFifteenSignificantDigits) {
    EXPECT_EQ(RealText(0.1), L"0.1");
    EXPECT_EQ(RealText(1.0 / 3.0), L"0.333333333333333");
    EXPECT_EQ(RealText(-2.0), L"-2");
    EXPECT_EQ(RealText(-0.0), L"0");
    EXPECT_EQ(RealText(123456789012345.0), L"123456789012345");
    EXPECT_EQ(RealText(1e15), L"1E+15");
    EXPECT_EQ(RealText(1e20), L"1E+20");
    EXPECT_EQ(RealText(1.25e-300), L"1.25E-300");
    EXPECT_EQ(RealText(0.000001), L"0.000001");
    EXPECT_EQ(RealText(1.5e-7), L"1.5E-07");
    EXPECT_EQ(RealText(0.1 + 0.2), L"0.3");
    Var f;
    f.vt = VT_R4;
    f.fltVal = 0.1f;
    EXPECT_EQ(TextOf(f), L"0.1");
}

TEST(VariantChangeTypeText, BooleansEmptyAndNull) {
    Var b;
    b.vt = VT_BOOL;
    b.boolVal = VARIANT_TRUE;
    EXPECT_EQ(TextOf(b), L"-1");
    EXPECT_EQ(TextOf(b, VARIANT_ALPHABOOL), L"True");
    b.boolVal = VARIANT_FALSE;
    EXPECT_EQ(TextOf(b), L"0");
    EXPECT_EQ(TextOf(b, VARIANT_ALPHABOOL), L"False");

    Var out;
    for (const wchar_t* t : {L"true", L" TRUE ", L"-3", L"0.5"}) {
        ASSERT_EQ(FromText(t, VT_BOOL, out), S_OK) << t;
        EXPECT_EQ(out.boolVal, VARIANT_TRUE) << t;
    }
    for (const wchar_t* t : {L"False", L"0", L"0.0"}) {
        ASSERT_EQ(FromText(t, VT_BOOL, out), S_OK) << t;
        EXPECT_EQ(out.boolVal, VARIANT_FALSE) << t;
    }
    EXPECT_EQ(FromText(L"yes", VT_BOOL, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(FromText(L"", VT_BOOL, out), DISP_E_TYPEMISMATCH);

    Var empty;
    EXPECT_EQ(TextOf(empty), L"");
    ASSERT_EQ(VariantChangeType(&out, &empty, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 0);
    Var null;
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_I4), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(VariantChangeType(&out, &null, 0, VT_NULL), S_OK);
    EXPECT_EQ(out.vt, VT_NULL);
}

TEST(VariantChangeTypeInPlace, FreesTheOldTextAndKeepsItOnFailure) {
    Var v;
    SetText(v, L"42");
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_EQ(v.vt, VT_I2);
    EXPECT_EQ(v.iVal, 42);
    SetText(v, L"forty-two");
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I2), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(v.vt, VT_BSTR);
    EXPECT_STREQ(v.bstrVal, L"forty-two");
}

TEST(Decimal, ExactValuesScalesAndOverflow) {
    DECIMAL d{};
    ASSERT_EQ(VarDecFromStr(L"79228162514264337593543950335", &d), S_OK); // 2^96 - 1
    EXPECT_EQ(d.Hi32, 0xFFFFFFFFu);
    EXPECT_EQ(d.Lo64, ~0ull);
    EXPECT_EQ(VarDecFromStr(L"79228162514264337593543950336", &d), DISP_E_OVERFLOW);

    // More than 28 decimals are rounded half to even.
    ASSERT_EQ(VarDecFromStr(L"0.00000000000000000000000000025", &d), S_OK);
    EXPECT_EQ(d.scale, 28);
    EXPECT_EQ(d.Lo64, 2u);
    ASSERT_EQ(VarDecFromStr(L"0.00000000000000000000000000035", &d), S_OK);
    EXPECT_EQ(d.Lo64, 4u);

    Var v, out;
    v.vt = VT_DECIMAL;
    ASSERT_EQ(VarDecFromStr(L"-12345678901234567890.125", &v.decVal), S_OK);
    EXPECT_EQ(TextOf(v), L"-12345678901234567890.125");
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_R8), S_OK);
    EXPECT_EQ(out.dblVal, -12345678901234567890.125);
    EXPECT_EQ(VariantChangeType(&out, &v, 0, VT_I8), DISP_E_OVERFLOW);

    ASSERT_EQ(VarDecFromStr(L"2.50", &v.decVal), S_OK);
    EXPECT_EQ(TextOf(v), L"2.5");
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 2);
    ASSERT_EQ(VarDecFromStr(L"-3.5", &v.decVal), S_OK);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, -4);

    // From a double through its fifteen significant digits: 0.1 is exact.
    SetR8(v, 0.1);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_DECIMAL), S_OK);
    EXPECT_EQ(out.decVal.scale, 1);
    EXPECT_EQ(out.decVal.Lo64, 1u);
    SetR8(v, -1e20);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_DECIMAL), S_OK);
    EXPECT_EQ(TextOf(out), L"-100000000000000000000");
}

TEST(Decimal, ComparesByValue) {
    DECIMAL a{}, b{};
    VarDecFromStr(L"1.50", &a);
    VarDecFromStr(L"1.5", &b);
    EXPECT_EQ(VarDecCmp(&a, &b), VARCMP_EQ);
    VarDecFromStr(L"-2", &b);
    EXPECT_EQ(VarDecCmp(&a, &b), VARCMP_GT);
    EXPECT_EQ(VarDecCmp(&b, &a), VARCMP_LT);
    VarDecFromStr(L"-0.0", &a);
    VarDecFromI8(0, &b);
    EXPECT_EQ(VarDecCmp(&a, &b), VARCMP_EQ);
    VarDecFromStr(L"-1", &a);
    EXPECT_EQ(VarDecCmp(&b, &a), VARCMP_GT);
    EXPECT_EQ(VarDecCmp(&a, &b), VARCMP_LT);
}

TEST(DateConversion, RoundsToTheNearestSecondAcrossBoundaries) {
    SYSTEMTIME t{};
    const double second = 1.0 / 86400.0;
    const DATE last = DateOf(2024, 12, 31, 23, 59, 59);
    ASSERT_TRUE(VariantTimeToSystemTime(last + 0.6 * second, &t));
    EXPECT_EQ(t.wYear, 2025);
    EXPECT_EQ(t.wMonth, 1);
    EXPECT_EQ(t.wDay, 1);
    EXPECT_EQ(t.wHour, 0);
    EXPECT_EQ(t.wSecond, 0);
    ASSERT_TRUE(VariantTimeToSystemTime(last + 0.4 * second, &t));
    EXPECT_EQ(t.wYear, 2024);
    EXPECT_EQ(t.wSecond, 59);
    EXPECT_EQ(t.wMilliseconds, 0);

    ASSERT_TRUE(VariantTimeToSystemTime(DateOf(2024, 2, 29), &t));
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_EQ(t.wDay, 29);
    EXPECT_EQ(t.wDayOfWeek, 4); // a Thursday
}

TEST(DateConversion, NegativeDatesCountTheirTimeForwards) {
    SYSTEMTIME t{};
    ASSERT_TRUE(VariantTimeToSystemTime(-1.25, &t));
    EXPECT_EQ(t.wYear, 1899);
    EXPECT_EQ(t.wMonth, 12);
    EXPECT_EQ(t.wDay, 29);
    EXPECT_EQ(t.wHour, 6);
    EXPECT_EQ(DateOf(1899, 12, 29, 6, 0, 0), -1.25);
    EXPECT_EQ(DateOf(1899, 12, 30, 12, 0, 0), 0.5);
    EXPECT_EQ(DateOf(1900, 1, 1), 2.0);
    EXPECT_EQ(DateOf(2024, 1, 31), 45322.0);
    // A time just short of midnight rounds into the next day, which for a
    // negative value is the one nearer the epoch.
    ASSERT_TRUE(VariantTimeToSystemTime(-1.9999999, &t));
    EXPECT_EQ(t.wDay, 30);
    EXPECT_EQ(t.wHour, 0);
}

TEST(DateConversion, RejectsOutOfRangeValuesAndFields) {
    SYSTEMTIME t{};
    ASSERT_TRUE(VariantTimeToSystemTime(-657434.0, &t));
    EXPECT_EQ(t.wYear, 100);
    EXPECT_FALSE(VariantTimeToSystemTime(-657435.0, &t));
    ASSERT_TRUE(VariantTimeToSystemTime(2958465.5, &t));
    EXPECT_EQ(t.wYear, 9999);
    EXPECT_FALSE(VariantTimeToSystemTime(2958466.0, &t));
    EXPECT_FALSE(VariantTimeToSystemTime(2958465.99999999, &t)); // rounds past 9999
    EXPECT_FALSE(VariantTimeToSystemTime(std::nan(""), &t));

    DATE d = 0;
    SYSTEMTIME bad{};
    bad.wYear = 2023, bad.wMonth = 2, bad.wDay = 29;
    EXPECT_FALSE(SystemTimeToVariantTime(&bad, &d));
    bad.wYear = 99, bad.wDay = 1;
    EXPECT_FALSE(SystemTimeToVariantTime(&bad, &d));
    bad.wYear = 2024, bad.wHour = 24;
    EXPECT_FALSE(SystemTimeToVariantTime(&bad, &d));
}

TEST(DateConversion, TextsBothWays) {
    Var v;
    v.vt = VT_DATE;
    v.date = DateOf(2024, 1, 31, 13, 45, 0);
    EXPECT_EQ(TextOf(v), L"2024-01-31 13:45:00");
    v.date = DateOf(2024, 1, 31);
    EXPECT_EQ(TextOf(v), L"2024-01-31");
    v.date = 0.75;
    EXPECT_EQ(TextOf(v), L"18:00:00");
    v.date = 5e6;
    Var out;
    EXPECT_EQ(VariantChangeType(&out, &v, 0, VT_BSTR), DISP_E_OVERFLOW);

    ASSERT_EQ(FromText(L"2024-01-31 13:45:00", VT_DATE, out), S_OK);
    EXPECT_EQ(out.date, DateOf(2024, 1, 31, 13, 45, 0));
    ASSERT_EQ(FromText(L"2024-01-31T13:45", VT_DATE, out), S_OK);
    EXPECT_EQ(out.date, DateOf(2024, 1, 31, 13, 45, 0));
    ASSERT_EQ(FromText(L"1/31/2024 1:45:00 PM", VT_DATE, out), S_OK);
    EXPECT_EQ(out.date, DateOf(2024, 1, 31, 13, 45, 0));
    ASSERT_EQ(FromText(L"12:00 AM", VT_DATE, out), S_OK);
    EXPECT_EQ(out.date, 0.0);
    ASSERT_EQ(FromText(L"1899-12-29 06:00:00", VT_DATE, out), S_OK);
    EXPECT_EQ(out.date, -1.25);
    ASSERT_EQ(FromText(L"2024-01-31 13:45:00.5", VT_DATE, out), S_OK);
    EXPECT_NEAR(out.date, DateOf(2024, 1, 31, 13, 45, 0) + 0.5 / 86400, 1e-9);
    for (const wchar_t* bad :
         {L"2023-02-29", L"2024-13-01", L"25:00", L"13:00 PM", L"2024-01-31 x", L"tomorrow", L"45322"}) {
        EXPECT_EQ(FromText(bad, VT_DATE, out), DISP_E_TYPEMISMATCH) << bad;
    }

    // Numbers are days.
    SetR8(v, 45322.5);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_DATE), S_OK);
    EXPECT_EQ(out.date, 45322.5);
    SetR8(v, 1e7);
    EXPECT_EQ(VariantChangeType(&out, &v, 0, VT_DATE), DISP_E_OVERFLOW);
}
