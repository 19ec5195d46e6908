#include "VrlDateParser.h"

#include <cwchar>

namespace VrlSchemaLib {

namespace {

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

// Reads between `minDigits` and `maxDigits` decimal digits.
bool ReadNumber(const wchar_t*& p, int minDigits, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (digits < maxDigits && IsDigit(*p)) {
        value = value * 10 + (*p - L'0');
        ++p;
        ++digits;
    }
    return digits >= minDigits;
}

bool Expect(const wchar_t*& p, wchar_t ch) {
    if (*p != ch)
        return false;
    ++p;
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool ValidDate(const VrlDateParser::Fields& f) {
    return f.year >= 100 && f.year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
           f.day <= DaysInMonth(f.year, f.month);
}

bool ValidTime(const VrlDateParser::Fields& f) {
    return f.hour <= 23 && f.minute <= 59 && f.second <= 59;
}

// hh:mm[:ss[.fraction]]; the fraction only where `allowFraction`.
bool ReadTime(const wchar_t*& p, int minHourDigits, bool allowFraction, VrlDateParser::Fields& f) {
    if (!ReadNumber(p, minHourDigits, 2, f.hour) || !Expect(p, L':') || !ReadNumber(p, 2, 2, f.minute))
        return false;
    if (*p != L':')
        return true;
    ++p;
    if (!ReadNumber(p, 2, 2, f.second))
        return false;
    if (allowFraction && *p == L'.') {
        ++p;
        if (!IsDigit(*p))
            return false;
        // Nine digits are kept as an integer count of nanoseconds: a sum of
        // digit * 10^-k rounds up to 1.0 for a long run of nines, and no
        // date value resolves finer than that anyway.
        long nanoseconds = 0;
        long unit = 100000000;
        for (; IsDigit(*p); ++p, unit /= 10)
            nanoseconds += (*p - L'0') * unit;
        f.fraction = static_cast<double>(nanoseconds) / 1e9;
    }
    return true;
}

// Days from 1 March of year 0 in the proleptic Gregorian calendar, shifted so
// that 30 December 1899 is day 0.
long DaysSinceEpoch(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const long era = y / 400; // years are positive here
    const long yoe = y - era * 400;
    const long doy = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = era * 146097 + doe - 719468; // days since 1 January 1970
    return days + 25569;                           // 1970-01-01 is day 25569 of the automation calendar
}

} // namespace

bool VrlDateParser::ParseFields(const wchar_t* text, Fields& f) {
    if (text == nullptr)
        return false;
    f = Fields();
    const wchar_t* p = text;
    while (*p == L' ' || *p == L'\t')
        ++p;

    const wchar_t* start = p;
    int first = 0;
    if (!ReadNumber(p, 1, 4, first))
        return false;
    const int firstDigits = static_cast<int>(p - start);

    if (firstDigits == 4 && *p == L'-') {
        // ISO 8601: yyyy-mm-dd[(T| )hh:mm[:ss[.f]]]
        f.year = first;
        ++p;
        if (!ReadNumber(p, 2, 2, f.month) || !Expect(p, L'-') || !ReadNumber(p, 2, 2, f.day))
            return false;
        if (*p == L'T' || (*p == L' ' && IsDigit(p[1]))) {
            ++p;
            if (!ReadTime(p, 2, true, f))
                return false;
        }
    } else if (firstDigits <= 2 && *p == L'/') {
        // US: m/d/yyyy[ h:mm[:ss]]
        f.month = first;
        ++p;
        if (!ReadNumber(p, 1, 2, f.day) || !Expect(p, L'/'))
            return false;
        const wchar_t* yearStart = p;
        if (!ReadNumber(p, 4, 4, f.year) || p - yearStart != 4)
            return false;
        if (*p == L' ' && IsDigit(p[1])) {
            ++p;
            if (!ReadTime(p, 1, false, f))
                return false;
        }
    } else {
        return false;
    }

    while (*p == L' ' || *p == L'\t')
        ++p;
    return *p == L'\0' && ValidDate(f) && ValidTime(f);
}

DATE VrlDateParser::ToDate(const Fields& f) {
    const double days = static_cast<double>(DaysSinceEpoch(f.year, f.month, f.day));
    const double seconds = f.hour * 3600.0 + f.minute * 60.0 + f.second + f.fraction;
    const double time = seconds / 86400.0;
    // Before the epoch the whole days count backwards but the time of day
    // still counts forwards: -1.25 is 29 December 1899, 06:00.
    return days >= 0 ? days + time : days - time;
}

bool VrlDateParser::Parse(const wchar_t* text, DATE& date) {
    Fields fields;
    if (!ParseFields(text, fields))
        return false;
    date = ToDate(fields);
    return true;
}

} // namespace VrlSchemaLib
