#include <gtest/gtest.h>

#include <clocale>

#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "platform/TimeZone.h"
#include "platform/Variant.h"

TEST(OleDateTime, FieldsStatusAndRange) {
    COleDateTime d(2024, 1, 31, 13, 45, 7);
    ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.GetYear(), 2024);
    EXPECT_EQ(d.GetMonth(), 1);
    EXPECT_EQ(d.GetDay(), 31);
    EXPECT_EQ(d.GetHour(), 13);
    EXPECT_EQ(d.GetMinute(), 45);
    EXPECT_EQ(d.GetSecond(), 7);
    EXPECT_EQ(d.GetDayOfWeek(), 4); // Wednesday, counting Sunday as 1
    EXPECT_EQ(d.GetDayOfYear(), 31);

    COleDateTime bad(2023, 2, 29, 0, 0, 0);
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(bad.GetYear(), -1);
    EXPECT_EQ(COleDateTime(99, 1, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 60, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(DATE(3e6)).GetStatus(), COleDateTime::invalid);

    // Fields are those of the value rounded to the second.
    COleDateTime almost(45322.0 - 0.4 / 86400.0);
    EXPECT_EQ(almost.GetDay(), 31);
    EXPECT_EQ(almost.GetHour(), 0);
    EXPECT_EQ(almost.GetSecond(), 0);
}

TEST(OleDateTime, FromVariants) {
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
    EXPECT_EQ(parsed.GetMonth(), 1);
    EXPECT_EQ(parsed.GetDay(), 2);
    EXPECT_EQ(parsed.GetHour(), 16);
    EXPECT_FALSE(parsed.ParseDateTime(L"not a date"));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(parsed.ParseDateTime(L""));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::null);
}

TEST(OleDateTimeFormat, StrftimeCodesInTheCLocale) {
    struct Guard {
        ~Guard() { std::setlocale(LC_ALL, "C"); }
    } guard;
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // must not matter
    COleDateTime d(2024, 1, 5, 8, 3, 9);
    EXPECT_STREQ(d.Format(L"CONVERT(varchar(20), '%Y-%m-%dT%H:%M:%S', 126)").GetString(),
                 L"CONVERT(varchar(20), '2024-01-05T08:03:09', 126)");
    EXPECT_STREQ(d.Format(L"%a %A %b %B").GetString(), L"Fri Friday Jan January");
    EXPECT_STREQ(d.Format(L"%#d/%#m %I%p %j %y %%").GetString(), L"5/1 08AM 005 24 %");
    EXPECT_STREQ(d.Format(L"%x %X").GetString(), L"01/05/24 08:03:09");
    EXPECT_STREQ(d.Format(L"%c").GetString(), L"Fri Jan  5 08:03:09 2024");
    EXPECT_STREQ(d.Format(L"%U %W %w").GetString(), L"00 01 5");
    EXPECT_STREQ(d.Format(L"%q and 100%").GetString(), L"%q and 100%");
    EXPECT_STREQ(COleDateTime(2024, 1, 5, 12, 0, 0).Format(L"%I %p").GetString(), L"12 PM");
    EXPECT_STREQ(COleDateTime(2024, 1, 5, 0, 0, 0).Format(L"%I %p").GetString(), L"12 AM");
}

TEST(OleDateTimeFormat, OldTimeOnlyNullAndInvalidValues) {
    EXPECT_STREQ(COleDateTime(1850, 6, 1, 8, 30, 15).Format(L"%Y-%m-%d %H:%M:%S").GetString(),
                 L"1850-06-01 08:30:15");
    COleDateTime noon(0.5);
    EXPECT_STREQ(noon.Format(L"%H:%M:%S").GetString(), L"12:00:00");
    EXPECT_EQ(noon.GetYear(), 1899);
    COleDateTime early(-1.25);
    EXPECT_STREQ(early.Format(L"%Y-%m-%d %H:%M").GetString(), L"1899-12-29 06:00");

    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_STREQ(null.Format(L"%H").GetString(), L"");
    EXPECT_STREQ(COleDateTime(2023, 2, 30, 0, 0, 0).Format(L"%H").GetString(), L"Invalid DateTime");
    EXPECT_STREQ(COleDateTime(2024, 1, 31, 13, 45, 0).Format().GetString(), L"2024-01-31 13:45:00");
}

TEST(OleDateTime, OrdersNegativeDatesByPointInTime) {
    EXPECT_TRUE(COleDateTime(-1.0) < COleDateTime(-1.25));
    EXPECT_TRUE(COleDateTime(-1.75) < COleDateTime(-0.5));
    EXPECT_TRUE(COleDateTime(1.0) > COleDateTime(0.5));
    EXPECT_TRUE(COleDateTime(2.0) >= COleDateTime(2.0));
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
    struct Case {
        int year;
        bool leap;
        DATE march1;
        const wchar_t* lastDay; // "%j %U %W %a" of 31 December
    };
    const Case cases[] = {
        {1600, true, -109511, L"366 53 52 Sun"}, {1700, false, -72987, L"365 52 52 Fri"},
        {1800, false, -36463, L"365 52 52 Wed"}, {1900, false, 61, L"365 52 53 Mon"},
        {2000, true, 36586, L"366 53 52 Sun"},   {2023, false, 44986, L"365 53 52 Sun"},
        {2024, true, 45352, L"366 52 53 Tue"},   {2100, false, 73110, L"365 52 52 Fri"},
        {2400, true, 182683, L"366 53 52 Sun"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        const COleDateTime feb29(c.year, 2, 29, 0, 0, 0);
        EXPECT_EQ(c.leap ? COleDateTime::valid : COleDateTime::invalid, feb29.GetStatus());
        EXPECT_EQ(c.march1, DATE(COleDateTime(c.year, 3, 1, 0, 0, 0)));
        const COleDateTime dayBefore(c.march1 - 1);
        EXPECT_EQ(c.leap ? 29 : 28, dayBefore.GetDay());
        EXPECT_EQ(c.leap ? 60 : 59, dayBefore.GetDayOfYear());
        const COleDateTime last(c.year, 12, 31, 0, 0, 0);
        EXPECT_EQ(c.leap ? 366 : 365, last.GetDayOfYear());
        EXPECT_STREQ(c.lastDay, last.Format(L"%j %U %W %a").GetString());
        SYSTEMTIME t{};
        t.wYear = static_cast<WORD>(c.year), t.wMonth = 2, t.wDay = 29;
        DATE d = 0;
        EXPECT_EQ(c.leap, static_cast<bool>(SystemTimeToVariantTime(&t, &d)));
    }
}
