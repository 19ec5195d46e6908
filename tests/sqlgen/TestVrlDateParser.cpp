#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TestData.h"
#include "sqlgen/VrlDateParser.h"

using VrlSchemaLib::VrlDateParser;

namespace {

DATE Parsed(const wchar_t* text) {
    DATE date = -99999;
    EXPECT_TRUE(VrlDateParser::Parse(text, date)) << CString(text).ToUtf8();
    return date;
}

} // namespace

TEST(DateParser, AutomationDateValuesOfIsoAndUsShapes) {
    EXPECT_DOUBLE_EQ(0.0, Parsed(L"1899-12-30"));
    EXPECT_DOUBLE_EQ(2.5, Parsed(L"1900-01-01 12:00"));
    EXPECT_DOUBLE_EQ(25569.0, Parsed(L"1970-01-01"));
    EXPECT_DOUBLE_EQ(36526.0, Parsed(L"2000-01-01T00:00:00"));
    // Before the epoch the time of day still counts forwards.
    EXPECT_DOUBLE_EQ(-1.25, Parsed(L"1899-12-29T06:00"));
    EXPECT_DOUBLE_EQ(-2.0, Parsed(L"12/28/1899"));
    EXPECT_DOUBLE_EQ(2958465.0, Parsed(L"9999-12-31"));

    VrlDateParser::Fields f;
    auto fields = [&](const wchar_t* text) {
        EXPECT_TRUE(VrlDateParser::ParseFields(text, f)) << CString(text).ToUtf8();
        return std::vector<int>{f.year, f.month, f.day, f.hour, f.minute, f.second};
    };
    EXPECT_EQ((std::vector<int>{2024, 2, 29, 23, 59, 58}), fields(L"  2024-02-29T23:59:58.125 "));
    EXPECT_DOUBLE_EQ(0.125, f.fraction);
    EXPECT_EQ((std::vector<int>{2021, 3, 7, 9, 5, 1}), fields(L"3/7/2021 9:05:01"));
    EXPECT_DOUBLE_EQ(Parsed(L"2021-03-07 09:05"), Parsed(L"03/07/2021 09:05"));
    EXPECT_NEAR(Parsed(L"2021-03-07") + 0.5 / 86400.0, Parsed(L"2021-03-07 00:00:00.5"), 1e-9);
}

// A long run of nines in the fraction of a second (found by the fuzz target)
// summed up to a whole second, outside the field's range. Digits past the
// ninth no longer count, short fractions are unchanged.
TEST(DateParser, FractionOfManyNinesStaysBelowOneSecond) {
    VrlDateParser::Fields f;
    ASSERT_TRUE(VrlDateParser::ParseFields((L"2024-01-01T00:00:59." + std::wstring(40, L'9')).c_str(), f));
    EXPECT_EQ(59, f.second);
    EXPECT_LT(f.fraction, 1.0);
    EXPECT_GT(f.fraction, 0.999);
    ASSERT_TRUE(VrlDateParser::ParseFields(L"2024-01-01T00:00:00.1234567891", f));
    EXPECT_DOUBLE_EQ(0.123456789, f.fraction);
    ASSERT_TRUE(VrlDateParser::ParseFields(L"2024-01-01T00:00:00.5", f));
    EXPECT_DOUBLE_EQ(0.5, f.fraction);
}

TEST(DateParser, RejectsEverythingElse) {
    // Blank, partial, out of range, with zones or in other shapes.
    std::vector<CString> rejected =
        VrlSchemaTest::ExpectedTexts::Of("sqlgen/texts/dates.txt").List("rejected");
    ASSERT_EQ(31u, rejected.size());
    DATE date = 0;
    for (const CString& text : rejected)
        EXPECT_FALSE(VrlDateParser::Parse(text.GetString(), date)) << text.ToUtf8();
    EXPECT_FALSE(VrlDateParser::Parse(nullptr, date));
}
