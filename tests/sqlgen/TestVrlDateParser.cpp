#include <gtest/gtest.h>

#include "platform/CString.h"
#include "sqlgen/VrlDateParser.h"

using VrlSchemaLib::VrlDateParser;

namespace {

DATE Parsed(const wchar_t* text) {
    DATE date = -99999;
    EXPECT_TRUE(VrlDateParser::Parse(text, date)) << CString(text).ToUtf8();
    return date;
}

} // namespace

TEST(DateParser, AutomationDateValues) {
    EXPECT_DOUBLE_EQ(0.0, Parsed(L"1899-12-30"));
    EXPECT_DOUBLE_EQ(2.5, Parsed(L"1900-01-01 12:00"));
    EXPECT_DOUBLE_EQ(25569.0, Parsed(L"1970-01-01"));
    EXPECT_DOUBLE_EQ(36526.0, Parsed(L"2000-01-01T00:00:00"));
    // Before the epoch the time of day still counts forwards.
    EXPECT_DOUBLE_EQ(-1.25, Parsed(L"1899-12-29T06:00"));
    EXPECT_DOUBLE_EQ(-2.0, Parsed(L"12/28/1899"));
    EXPECT_DOUBLE_EQ(2958465.0, Parsed(L"9999-12-31"));
}

TEST(DateParser, IsoAndUsShapes) {
    VrlDateParser::Fields f;
    ASSERT_TRUE(VrlDateParser::ParseFields(L"  2024-02-29T23:59:58.125 ", f));
    EXPECT_EQ(2024, f.year);
    EXPECT_EQ(2, f.month);
    EXPECT_EQ(29, f.day);
    EXPECT_EQ(23, f.hour);
    EXPECT_EQ(59, f.minute);
    EXPECT_EQ(58, f.second);
    EXPECT_DOUBLE_EQ(0.125, f.fraction);

    ASSERT_TRUE(VrlDateParser::ParseFields(L"3/7/2021 9:05:01", f));
    EXPECT_EQ(2021, f.year);
    EXPECT_EQ(3, f.month);
    EXPECT_EQ(7, f.day);
    EXPECT_EQ(9, f.hour);
    EXPECT_EQ(5, f.minute);
    EXPECT_EQ(1, f.second);

    EXPECT_DOUBLE_EQ(Parsed(L"2021-03-07 09:05"), Parsed(L"03/07/2021 09:05"));
    EXPECT_NEAR(Parsed(L"2021-03-07") + 0.5 / 86400.0, Parsed(L"2021-03-07 00:00:00.5"), 1e-9);
}

TEST(DateParser, RejectsEverythingElse) {
    DATE date = 0;
    for (const wchar_t* text : {L"",
                                L"   ",
                                L"tomorrow",
                                L"2021",
                                L"2021-3-07",
                                L"2021-03-7",
                                L"21-03-07",
                                L"2021-13-01",
                                L"2021-00-10",
                                L"2021-02-29",
                                L"1900-02-29",
                                L"2021-04-31",
                                L"0099-12-31",
                                L"12/31/99",
                                L"13/01/2021",
                                L"2/30/2021",
                                L"2021-03-07T",
                                L"2021-03-07 24:00",
                                L"2021-03-07 12:60",
                                L"2021-03-07 12:00:60",
                                L"2021-03-07 12:00:00.",
                                L"2021-03-07T12:00Z",
                                L"2021-03-07 12:00+01:00",
                                L"2021-03-07x",
                                L"12:00",
                                L"03/07/2021 9:05:01.5",
                                L"03/07/2021 9",
                                L"2021/03/07",
                                L"2021-03-07  12:00",
                                L"+2021-03-07",
                                L"1/1/20210"}) {
        EXPECT_FALSE(VrlDateParser::Parse(text, date)) << CString(text).ToUtf8();
    }
    EXPECT_FALSE(VrlDateParser::Parse(nullptr, date));
}
