// The automation variant layer: BSTRs, copies, VariantChangeType, decimals
// and the calendar of automation dates. The cases are the rows of
// platform/texts/variant.txt.
#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>

#include "common/TestData.h"
#include "platform/VariantText.h"

using namespace VrlSchemaTest;

namespace {

const std::map<std::wstring, HRESULT> kResults = {
    {L"OVERFLOW", DISP_E_OVERFLOW}, {L"MISMATCH", DISP_E_TYPEMISMATCH}, {L"BADVARTYPE", DISP_E_BADVARTYPE}};

// A case's field as fields of a system time ("yyyy-mm-ddThh:mm:ss").
SYSTEMTIME TimeFields(const std::wstring& text) {
    SYSTEMTIME t{};
    std::swscanf(text.c_str(), L"%hu-%hu-%huT%hu:%hu:%hu", &t.wYear, &t.wMonth, &t.wDay, &t.wHour, &t.wMinute,
                 &t.wSecond);
    return t;
}

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

TEST(VariantCopyClear, TextsAreCopiedDeeplyAndFreedOnceAndUnknownTypesRejected) {
    Var a, b;
    ParseVariant(L"BSTR:hello", a);
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_TRUE(IsVariant(b, L"BSTR:hello"));
    // Copying over a text frees the old one (the sanitizer build checks).
    VariantClear(&a);
    ParseVariant(L"R8:2", a);
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_TRUE(IsVariant(b, L"R8:2"));

    Var bad;
    bad.vt = 99;
    EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantCopy(&b, &bad), DISP_E_BADVARTYPE);
    bad.vt = VT_EMPTY;

    // Changing in place frees the old text, and keeps it on failure.
    Var v;
    ParseVariant(L"BSTR:42", v);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_TRUE(IsVariant(v, L"I2:42"));
    VariantClear(&v);
    ParseVariant(L"BSTR:forty-two", v);
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I2), DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(IsVariant(v, L"BSTR:forty-two"));
}

// Every row in the "C" locale and in one whose decimal point is a comma.
TEST(VariantChangeType, EveryCaseInEveryLocale) {
    const auto rows = ReadCases("platform/texts/variant.txt", "change");
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "locale " << locale << " is not installed";
        for (const CaseRow& row : rows) {
            SCOPED_TRACE(row.where + " " + locale);
            Var src, out;
            ParseVariant(row[0], src);
            const size_t plus = row[1].find(L'+');
            const HRESULT hr =
                VariantChangeType(&out, &src, plus == std::wstring::npos ? 0 : VARIANT_ALPHABOOL,
                                  TypeNamed(row[1].substr(0, plus)));
            const auto named = kResults.find(row[2]);
            EXPECT_EQ(hr, named == kResults.end() ? S_OK : named->second);
            if (hr == S_OK) {
                EXPECT_TRUE(IsVariant(out, row[2]));
            }
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST(Decimal, FromTextAndComparison) {
    for (const CaseRow& row : ReadCases("platform/texts/variant.txt", "decimal")) {
        SCOPED_TRACE(row.where);
        Var d;
        d.vt = VT_DECIMAL;
        const HRESULT hr = VarDecFromStr(row[0].c_str(), &d.decVal);
        EXPECT_EQ(hr, row[1] == L"OVERFLOW" ? DISP_E_OVERFLOW : S_OK);
        if (hr == S_OK) {
            EXPECT_TRUE(IsVariant(d, row[1]));
        }
    }
    for (const CaseRow& row : ReadCases("platform/texts/variant.txt", "compare")) {
        Var a, b;
        ParseVariant(row[0], a);
        ParseVariant(row[1], b);
        EXPECT_EQ(VarDecCmp(&a.decVal, &b.decVal), row[2] == L"LT"   ? VARCMP_LT
                                                   : row[2] == L"EQ" ? VARCMP_EQ
                                                                     : VARCMP_GT)
            << row.where;
    }
    DECIMAL zero{};
    ASSERT_EQ(VarDecFromI8(0, &zero), S_OK);
    EXPECT_EQ(zero.Lo64 | zero.Hi32 | zero.scale | zero.sign, 0u);
}

TEST(DateConversion, FieldsAndDaysAtTheRangeAndDayBoundaries) {
    for (const CaseRow& row : ReadCases("platform/texts/variant.txt", "fields")) {
        SCOPED_TRACE(row.where);
        Var date;
        ParseVariant(L"DATE:" + row[0], date);
        SYSTEMTIME t{};
        const bool ok = VariantTimeToSystemTime(date.date, &t);
        ASSERT_EQ(ok, row[1] != L"fail");
        if (!ok)
            continue;
        SYSTEMTIME expected = TimeFields(row[1]);
        expected.wDayOfWeek = static_cast<WORD>(std::stoi(row[2]));
        EXPECT_EQ(std::memcmp(&t, &expected, sizeof t), 0)
            << t.wYear << "-" << t.wMonth << "-" << t.wDay << " " << t.wHour << ":" << t.wMinute << ":"
            << t.wSecond << "." << t.wMilliseconds << " day " << t.wDayOfWeek;
    }
    for (const CaseRow& row : ReadCases("platform/texts/variant.txt", "days")) {
        const SYSTEMTIME t = TimeFields(row[0]);
        DATE d = 0;
        EXPECT_EQ(SystemTimeToVariantTime(&t, &d), row[1] != L"fail") << row.where;
        if (row[1] != L"fail") {
            EXPECT_EQ(d, std::stod(row[1])) << row.where;
        }
    }
}
