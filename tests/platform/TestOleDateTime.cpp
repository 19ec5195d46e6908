#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>

#include "common/TestData.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "platform/TimeZone.h"
#include "platform/Variant.h"
#include "platform/VariantText.h"

using VrlSchemaTest::ReadCases;

namespace {

// The fields of a date as "yyyy-mm-ddThh:mm:ss w", the day of the week w
// counted from Sunday as 0.
std::wstring FieldsOf(const COleDateTime& d) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%04d-%02d-%02dT%02d:%02d:%02d %d", d.GetYear(), d.GetMonth(), d.GetDay(),
                  d.GetHour(), d.GetMinute(), d.GetSecond(), d.GetDayOfWeek() - 1);
    return text;
}

} // namespace

// Fields are those of the value rounded to the second (platform/texts/
// variant.txt); an invalid date answers -1 for every field.
TEST(OleDateTime, FieldsStatusAndRange) {
    for (const auto& row : ReadCases("platform/texts/variant.txt", "fields")) {
        VrlSchemaTest::Var date;
        VrlSchemaTest::ParseVariant(L"DATE:" + row[0], date);
        const COleDateTime d(date.date);
        EXPECT_EQ(d.GetStatus(), row[1] == L"fail" ? COleDateTime::invalid : COleDateTime::valid)
            << row.where;
        EXPECT_EQ(FieldsOf(d), row[1] == L"fail" ? L"-001--1--1T-1:-1:-1 -2" : row[1] + L" " + row[2])
            << row.where;
    }
    COleDateTime d(2024, 1, 31, 13, 45, 7);
    EXPECT_EQ(FieldsOf(d), L"2024-01-31T13:45:07 3");
    EXPECT_EQ(d.GetDayOfYear(), 31);
    EXPECT_EQ(COleDateTime(2023, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(99, 1, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 60, 0).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTime, FromVariantsAndTextsAndOrderedByPointInTime) {
    COleVariant text(L"2024-01-31 13:45:00");
    COleDateTime fromText(text);
    EXPECT_EQ(fromText.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(fromText.GetHour(), 13);
    COleVariant null;
    null.vt = VT_NULL;
    EXPECT_EQ(COleDateTime(null).GetStatus(), COleDateTime::null);
    EXPECT_EQ(COleDateTime(COleVariant(L"soon")).GetStatus(), COleDateTime::invalid);

    COleDateTime parsed;
    EXPECT_TRUE(parsed.ParseDateTime(L"1/2/2003 4:05:06 PM"));
    EXPECT_EQ(FieldsOf(parsed), L"2003-01-02T16:05:06 4");
    EXPECT_FALSE(parsed.ParseDateTime(L"not a date"));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(parsed.ParseDateTime(L""));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::null);

    // Before day 0 the time of day counts forwards too: -1.25 is later than -1.
    EXPECT_TRUE(COleDateTime(-1.0) < COleDateTime(-1.25));
    EXPECT_TRUE(COleDateTime(-1.75) < COleDateTime(-0.5));
    EXPECT_TRUE(COleDateTime(1.0) > COleDateTime(0.5));
    EXPECT_TRUE(COleDateTime(2.0) >= COleDateTime(2.0));
}

TEST(OleDateTimeFormat, StrftimeCodesInEveryLocale) {
    const auto rows = ReadCases("platform/texts/datetime.txt", "format");
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "locale " << locale << " is not installed";
        for (const auto& row : rows) {
            int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
            const bool fields =
                std::swscanf(row[0].c_str(), L"%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s) == 6;
            const COleDateTime date =
                fields ? COleDateTime(y, mo, d, h, mi, s) : COleDateTime(VrlSchemaTest::Real<double>(row[0]));
            EXPECT_STREQ(row[2].c_str(), date.Format(row[1].c_str()).GetString())
                << row.where << " " << locale;
        }
    }
    std::setlocale(LC_ALL, "C");
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_STREQ(null.Format(L"%H").GetString(), L"");
    EXPECT_STREQ(COleDateTime(2023, 2, 30, 0, 0, 0).Format(L"%H").GetString(), L"Invalid DateTime");
    EXPECT_STREQ(COleDateTime(2024, 1, 31, 13, 45, 0).Format().GetString(), L"2024-01-31 13:45:00");
    COleDateTime noon(0.5);
    EXPECT_EQ(noon.GetYear(), 1899);
}

TEST(TimeZone, OverrideAndRealZone) {
    SetTimeZoneBiasForTesting(-60, 0, -60, TIME_ZONE_ID_DAYLIGHT);
    TIME_ZONE_INFORMATION info{};
    EXPECT_EQ(GetTimeZoneInformation(&info), TIME_ZONE_ID_DAYLIGHT);
    EXPECT_EQ(info.Bias, -60);
    EXPECT_EQ(info.DaylightBias, -60);
    ClearTimeZoneOverrideForTesting();
    EXPECT_EQ(GetTimeZoneInformation(nullptr), TIME_ZONE_ID_INVALID);

    // The real zone: the bias in force equals the C library's offset.
    const DWORD id = GetTimeZoneInformation(&info);
    ASSERT_NE(id, TIME_ZONE_ID_INVALID);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const LONG inForce = info.Bias + (id == TIME_ZONE_ID_DAYLIGHT ? info.DaylightBias : info.StandardBias);
    EXPECT_EQ(inForce, -local.tm_gmtoff / 60);
}

// The Gregorian rule at each of its turns: every fourth year, but not every
// hundredth, yet every four-hundredth. Day numbers and week numbers of the
// last day worked out from the calendar by hand.
TEST(OleDateTimeCalendar, LeapYearsAtEveryTurnOfTheRule) {
    for (const auto& row : ReadCases("platform/texts/datetime.txt", "leap")) {
        SCOPED_TRACE(row.where);
        const int year = std::stoi(row[0]);
        const bool leap = row[1] == L"1";
        const DATE march1 = std::stod(row[2]);
        const COleDateTime feb29(year, 2, 29, 0, 0, 0);
        EXPECT_EQ(leap ? COleDateTime::valid : COleDateTime::invalid, feb29.GetStatus());
        EXPECT_EQ(march1, DATE(COleDateTime(year, 3, 1, 0, 0, 0)));
        const COleDateTime dayBefore(march1 - 1);
        EXPECT_EQ(leap ? 29 : 28, dayBefore.GetDay());
        EXPECT_EQ(leap ? 60 : 59, dayBefore.GetDayOfYear());
        const COleDateTime last(year, 12, 31, 0, 0, 0);
        EXPECT_EQ(leap ? 366 : 365, last.GetDayOfYear());
        EXPECT_STREQ(row[3].c_str(), last.Format(L"%j %U %W %a").GetString());
        SYSTEMTIME t{};
        t.wYear = static_cast<WORD>(year), t.wMonth = 2, t.wDay = 29;
        DATE d = 0;
        EXPECT_EQ(leap, static_cast<bool>(SystemTimeToVariantTime(&t, &d)));
    }
}
