// COleDateTime: an automation date (days since 30 December 1899, the time of
// day as the fraction) with a status. Calendar fields are those of the value
// rounded to the nearest second.
#pragma once

#include <ctime>

#include "CString.h"
#include "Variant.h"

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    // The date 0 (30 December 1899, 00:00), valid.
    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE value) : m_dt(value), m_status(valid) { CheckRange(); }
    // Invalid when the fields do not form a date (see SetDateTime).
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    // The variant converted to VT_DATE; invalid when it does not convert,
    // null when it is VT_NULL.
    explicit COleDateTime(const VARIANT& value);
    // A C time (seconds since 1970, UTC) as a date of the same calendar
    // fields.
    explicit COleDateTime(std::time_t value);

    // The current local time.
    static COleDateTime GetCurrentTime();

    COleDateTime& operator=(DATE value);
    COleDateTime& operator=(const VARIANT& value);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Sets the value from calendar fields; returns 0 and leaves the value
    // invalid when they are out of range (years 100 to 9999).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

    // Calendar fields; -1 when the value is not valid or out of range.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday
    int GetDayOfYear() const; // 1 = 1 January
    // The calendar fields; false when the value is not valid.
    bool GetAsSystemTime(SYSTEMTIME& time) const;

    // The value written with strftime codes, always in the "C" locale:
    // %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %z %Z %%;
    // "#" after "%" drops leading zeros (%#d gives 5 rather than 05). %z and
    // %Z write nothing (a date has no zone). Other characters are copied,
    // and an unknown code is copied as it stands. A null value gives the
    // empty text and an invalid one "Invalid DateTime".
    CString Format(const wchar_t* format) const;
    // The value's text as VariantChangeType to VT_BSTR writes it, with the
    // same null and invalid texts as above.
    CString Format() const;

    // Reads a date text by the rules of VariantChangeType to VT_DATE. On
    // failure the value becomes invalid (0) and false is returned; an empty
    // text or nullptr makes it null.
    bool ParseDateTime(const wchar_t* text);

    operator DATE() const { return m_dt; }

    bool operator==(const COleDateTime& other) const {
        return m_status == other.m_status && m_dt == other.m_dt;
    }
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    // Orders by point in time (a negative date is not simply less than a
    // positive one with a larger time).
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const { return other < *this; }
    bool operator<=(const COleDateTime& other) const { return !(other < *this); }
    bool operator>=(const COleDateTime& other) const { return !(*this < other); }

    DATE m_dt;
    DateTimeStatus m_status;

private:
    void CheckRange();
};
