#include "VrlDateTimeSplit.h"

#include <cmath>

#include "../platform/Variant.h"

namespace VrlSchemaLib {

namespace {

// Half a second, in days.
constexpr double kHalfSecond = 5.787037037e-6;

void CopyFields(const SYSTEMTIME& time, VrlDateTimeSplit& parts) {
    parts.m_nYear = time.wYear;
    parts.m_nMonth = time.wMonth;
    parts.m_nDay = time.wDay;
    parts.m_nHour = time.wHour;
    parts.m_nMinute = time.wMinute;
    parts.m_nSecond = time.wSecond;
    parts.m_nMillisecond = 0;
}

} // namespace

bool VrlDateTimeSplit::Split(DATE value) {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(value - kHalfSecond, &time)) {
        return false;
    }
    CopyFields(time, *this);

    // The time of day is the fraction counted forwards from midnight, also
    // for dates before the epoch (whose values are negative).
    double dayFraction = std::fabs(value - std::trunc(value));
    double hours = dayFraction * 24.0;
    double minutes = (hours - std::floor(hours)) * 60.0;
    double seconds = (minutes - std::floor(minutes)) * 60.0;
    // Rounded to the nearest millisecond; the range test is on the whole
    // milliseconds, so that .999 stays .999 rather than becoming a second.
    int milliseconds = static_cast<int>((seconds - std::floor(seconds)) * 1000.0 + 0.5);

    if (milliseconds >= 1 && milliseconds <= 999) {
        m_nMillisecond = milliseconds;
        return true;
    }
    // No milliseconds worth writing: the whole second the value rounds to.
    if (!VariantTimeToSystemTime(value, &time)) {
        return false;
    }
    CopyFields(time, *this);
    return true;
}

} // namespace VrlSchemaLib
