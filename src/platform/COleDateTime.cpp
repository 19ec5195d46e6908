// COleDateTime: calendar fields and texts of automation dates.
#include "COleDateTime.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

const wchar_t* const kDays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                L"Thursday", L"Friday", L"Saturday"};
const wchar_t* const kMonths[] = {L"January",   L"February", L"March",    L"April",
                                  L"May",       L"June",     L"July",     L"August",
                                  L"September", L"October",  L"November", L"December"};

constexpr const wchar_t* kInvalidText = L"Invalid DateTime";

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DayOfYear(const SYSTEMTIME& t) {
    static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[t.wMonth - 1] + t.wDay + (t.wMonth > 2 && IsLeap(t.wYear) ? 1 : 0);
}

// "%0*d" of the value, written directly: every date literal of a script
// passes here once per field, and the C library's wide printf costs more
// than the rest of the literal.
void AppendNumber(CString& out, int value, int width, bool trimZeros) {
    if (value < 0) {
        wchar_t buffer[16];
        std::swprintf(buffer, 16, L"%0*d", trimZeros ? 1 : width, value);
        out += buffer;
        return;
    }
    wchar_t buffer[16];
    wchar_t* const end = buffer + 16;
    wchar_t* p = end;
    do {
        *--p = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int digits = static_cast<int>(end - p); digits < (trimZeros ? 1 : std::min(width, 15)); ++digits)
        *--p = L'0';
    out.Append(p, static_cast<int>(end - p));
}

void AppendName(CString& out, const wchar_t* name, bool abbreviated) {
    if (abbreviated)
        out += CString(name, 3);
    else
        out += name;
}

// Week of the year with weeks starting on `firstDay` (0 Sunday, 1 Monday);
// days before the first such day are in week 0, as strftime counts.
int WeekOfYear(const SYSTEMTIME& t, int firstDay) {
    const int yday = DayOfYear(t) - 1;
    const int wday = (t.wDayOfWeek - firstDay + 7) % 7;
    return (yday + 7 - wday) / 7;
}

void FormatInto(CString& out, const SYSTEMTIME& t, const wchar_t* format);

void FormatCode(CString& out, const SYSTEMTIME& t, wchar_t code, bool trim) {
    const int hour12 = t.wHour % 12 == 0 ? 12 : t.wHour % 12;
    switch (code) {
    case L'a':
        AppendName(out, kDays[t.wDayOfWeek], true);
        break;
    case L'A':
        AppendName(out, kDays[t.wDayOfWeek], false);
        break;
    case L'b':
        AppendName(out, kMonths[t.wMonth - 1], true);
        break;
    case L'B':
        AppendName(out, kMonths[t.wMonth - 1], false);
        break;
    case L'c':
        FormatInto(out, t, trim ? L"%A, %B %#d, %Y %H:%M:%S" : L"%a %b %e %H:%M:%S %Y");
        break;
    case L'd':
        AppendNumber(out, t.wDay, 2, trim);
        break;
    case L'e': {
        wchar_t buffer[8];
        std::swprintf(buffer, 8, trim ? L"%d" : L"%2d", t.wDay);
        out += buffer;
        break;
    }
    case L'H':
        AppendNumber(out, t.wHour, 2, trim);
        break;
    case L'I':
        AppendNumber(out, hour12, 2, trim);
        break;
    case L'j':
        AppendNumber(out, DayOfYear(t), 3, trim);
        break;
    case L'm':
        AppendNumber(out, t.wMonth, 2, trim);
        break;
    case L'M':
        AppendNumber(out, t.wMinute, 2, trim);
        break;
    case L'p':
        out += t.wHour < 12 ? L"AM" : L"PM";
        break;
    case L'S':
        AppendNumber(out, t.wSecond, 2, trim);
        break;
    case L'U':
        AppendNumber(out, WeekOfYear(t, 0), 2, trim);
        break;
    case L'w':
        AppendNumber(out, t.wDayOfWeek, 1, trim);
        break;
    case L'W':
        AppendNumber(out, WeekOfYear(t, 1), 2, trim);
        break;
    case L'x':
        FormatInto(out, t, trim ? L"%A, %B %#d, %Y" : L"%m/%d/%y");
        break;
    case L'X':
        FormatInto(out, t, L"%H:%M:%S");
        break;
    case L'y':
        AppendNumber(out, t.wYear % 100, 2, trim);
        break;
    case L'Y':
        AppendNumber(out, t.wYear, 4, trim);
        break;
    case L'z':
    case L'Z':
        break;
    case L'%':
        out += L'%';
        break;
    default:
        out += L'%';
        if (trim)
            out += L'#';
        out += code;
        break;
    }
}

void FormatInto(CString& out, const SYSTEMTIME& t, const wchar_t* format) {
    for (const wchar_t* p = format; *p != L'\0'; ++p) {
        if (*p != L'%') {
            // The text between codes is copied a run at a time.
            const wchar_t* run = p;
            while (p[1] != L'\0' && p[1] != L'%')
                ++p;
            out.Append(run, static_cast<int>(p - run + 1));
            continue;
        }
        bool trim = false;
        if (p[1] == L'#') {
            trim = true;
            ++p;
        }
        if (p[1] == L'\0') {
            out += L'%';
            if (trim)
                out += L'#';
            break;
        }
        FormatCode(out, t, *++p, trim);
    }
}

} // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
    : m_dt(0), m_status(valid) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const VARIANT& value) : m_dt(0), m_status(valid) {
    *this = value;
}

COleDateTime::COleDateTime(std::time_t value) : m_dt(0), m_status(valid) {
    std::tm fields{};
    if (gmtime_r(&value, &fields) == nullptr) {
        m_status = invalid;
        return;
    }
    SetDateTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min,
                fields.tm_sec);
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    localtime_r(&now, &fields);
    return COleDateTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                        fields.tm_min, fields.tm_sec);
}

COleDateTime& COleDateTime::operator=(DATE value) {
    m_dt = value;
    m_status = valid;
    CheckRange();
    return *this;
}

COleDateTime& COleDateTime::operator=(const VARIANT& value) {
    if (value.vt == VT_NULL) {
        m_dt = 0;
        m_status = null;
        return *this;
    }
    VARIANT date;
    VariantInit(&date);
    if (FAILED(VariantChangeType(&date, &value, 0, VT_DATE))) {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    return *this = date.date;
}

void COleDateTime::CheckRange() {
    SYSTEMTIME t{};
    if (!VariantTimeToSystemTime(m_dt, &t))
        m_status = invalid;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME t{};
    const bool inRange = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
                         hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
                         second <= 59;
    t.wYear = static_cast<WORD>(inRange ? year : 0);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    if (inRange && SystemTimeToVariantTime(&t, &m_dt)) {
        m_status = valid;
        return 1;
    }
    m_dt = 0;
    m_status = invalid;
    return 0;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& time) const {
    return m_status == valid && VariantTimeToSystemTime(m_dt, &time);
}

int COleDateTime::GetYear() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wYear : -1;
}

int COleDateTime::GetMonth() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wMonth : -1;
}

int COleDateTime::GetDay() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wDay : -1;
}

int COleDateTime::GetHour() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wHour : -1;
}

int COleDateTime::GetMinute() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wMinute : -1;
}

int COleDateTime::GetSecond() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wSecond : -1;
}

int COleDateTime::GetDayOfWeek() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? t.wDayOfWeek + 1 : -1;
}

int COleDateTime::GetDayOfYear() const {
    SYSTEMTIME t{};
    return GetAsSystemTime(t) ? DayOfYear(t) : -1;
}

CString COleDateTime::Format(const wchar_t* format) const {
    if (m_status == null)
        return CString();
    SYSTEMTIME t{};
    if (!GetAsSystemTime(t))
        return kInvalidText;
    CString out;
    const wchar_t* text = format != nullptr ? format : L"";
    out.Preallocate(static_cast<int>(std::wcslen(text)) + 16);
    FormatInto(out, t, text);
    return out;
}

CString COleDateTime::Format() const {
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return kInvalidText;
    VARIANT date, text;
    VariantInit(&date);
    VariantInit(&text);
    date.vt = VT_DATE;
    date.date = m_dt;
    if (FAILED(VariantChangeType(&text, &date, 0, VT_BSTR)))
        return kInvalidText;
    CString result(text.bstrVal);
    VariantClear(&text);
    return result;
}

bool COleDateTime::ParseDateTime(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') {
        m_dt = 0;
        m_status = null;
        return false;
    }
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(text);
    *this = source;
    VariantClear(&source);
    return m_status == valid;
}

bool COleDateTime::operator<(const COleDateTime& other) const {
    // A negative date counts its time forwards: -1.25 is later than -1.0.
    auto linear = [](DATE d) {
        const double whole = std::trunc(d);
        return whole + std::fabs(d - whole);
    };
    return linear(m_dt) < linear(other.m_dt);
}
