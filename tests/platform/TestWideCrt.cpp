// The wide runtime routines: 32-bit _wtol, "C"-locale _wtof_l, truncating
// formatting with wide %s, checked copies and case-insensitive comparison.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "common/TestData.h"
#include "platform/WideCrt.h"

TEST(WideCrtParse, WtolSaturatesAndWtofReadsItsOwnLocale) {
    for (const auto& row : VrlSchemaTest::ReadCases("platform/texts/cstring.txt", "wtol"))
        EXPECT_EQ(_wtol(row[0].c_str()), std::stol(row[1])) << row.where;
    EXPECT_EQ(_wtol(nullptr), 0);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    _locale_t c = _create_locale(LC_NUMERIC, "C");
    ASSERT_NE(c, nullptr);
    EXPECT_DOUBLE_EQ(_wtof_l(L" 12.75xyz", c), 12.75);
    EXPECT_DOUBLE_EQ(_wtof_l(L"12,75", c), 12.0);
    EXPECT_DOUBLE_EQ(_wtof_l(L"12,75", nullptr), 12.75); // the current locale reads the comma
    EXPECT_DOUBLE_EQ(_wtof_l(L"abc", c), 0.0);
    _free_locale(c);
    EXPECT_EQ(_create_locale(LC_ALL, "xx_XX"), nullptr);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(WideCrtFormat, SnwprintfTruncatesAndTerminates) {
    wchar_t buffer[10];
    EXPECT_EQ(_snwprintf_s(buffer, 10, _TRUNCATE, L"%s:%ld", L"abc", static_cast<LONG>(12)), 6);
    EXPECT_STREQ(buffer, L"abc:12");
    EXPECT_EQ(_snwprintf_s(buffer, _TRUNCATE, L"[%ld] %s", static_cast<LONG>(4070), L"long message"), -1);
    EXPECT_STREQ(buffer, L"[4070] lo");
    EXPECT_EQ(_snwprintf_s(buffer, 10, 3, L"%s", L"abcdef"), -1);
    EXPECT_STREQ(buffer, L"abc");
    EXPECT_EQ(_snwprintf_s(buffer, 10, 9, L"%s", L"123456789"), 9);
    EXPECT_STREQ(buffer, L"123456789");
}

TEST(WideCrtStrings, CopyAndCompare) {
    wchar_t small[4];
    EXPECT_EQ(wcscpy_s(small, L"abc"), 0);
    EXPECT_STREQ(small, L"abc");
    EXPECT_NE(wcscpy_s(small, L"abcd"), 0);
    EXPECT_STREQ(small, L"");
    EXPECT_NE(wcscpy_s(small, 4, nullptr), 0);

    EXPECT_EQ(_wcsicmp(L"Table\u00c4", L"tABLE\u00e4"), 0);
    EXPECT_LT(_wcsicmp(L"abc", L"ABD"), 0);
    EXPECT_GT(_wcsicmp(L"b", L"A"), 0);
    EXPECT_EQ(_wcsnicmp(L"PrefixA", L"prefixB", 6), 0);
    EXPECT_NE(_wcsnicmp(L"PrefixA", L"prefixB", 7), 0);
    EXPECT_TRUE(iswascii(L'z'));
    EXPECT_FALSE(iswascii(L'\u00e9'));

    wchar_t text[] = L"db2 \u00e9t\u00e9";
    EXPECT_EQ(CharUpperW(text), text);
    EXPECT_STREQ(text, L"DB2 \u00c9T\u00c9");
}
