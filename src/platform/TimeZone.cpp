// The local time zone from the C library, or the tests' stand-in.
#include "TimeZone.h"

#include <cstring>
#include <ctime>
#include <cwchar>

namespace {

bool g_overridden = false;
TIME_ZONE_INFORMATION g_override{};
DWORD g_overrideId = TIME_ZONE_ID_UNKNOWN;

void CopyName(const char* name, WCHAR* target) {
    size_t i = 0;
    for (; name != nullptr && name[i] != '\0' && i < 31; ++i)
        target[i] = static_cast<unsigned char>(name[i]);
    target[i] = L'\0';
}

} // namespace

DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* info) {
    if (info == nullptr)
        return TIME_ZONE_ID_INVALID;
    if (g_overridden) {
        *info = g_override;
        return g_overrideId;
    }
    std::memset(static_cast<void*>(info), 0, sizeof *info);
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // `timezone` is the standard offset in seconds west of UTC, the sign of a
    // bias; tm_gmtoff is the offset in force, east of UTC.
    info->Bias = static_cast<LONG>(timezone / 60);
    info->StandardBias = 0;
    CopyName(tzname[0], info->StandardName);
    CopyName(tzname[1], info->DaylightName);
    if (!daylight)
        return TIME_ZONE_ID_UNKNOWN;
    if (local.tm_isdst > 0) {
        info->DaylightBias = static_cast<LONG>(-local.tm_gmtoff / 60) - info->Bias;
        return TIME_ZONE_ID_DAYLIGHT;
    }
    // Daylight time is not in force: the usual hour is assumed.
    info->DaylightBias = -60;
    return TIME_ZONE_ID_STANDARD;
}

void SetTimeZoneInformationForTesting(const TIME_ZONE_INFORMATION& info, DWORD zoneId) {
    g_override = info;
    g_overrideId = zoneId;
    g_overridden = true;
}

void SetTimeZoneBiasForTesting(LONG bias, LONG standardBias, LONG daylightBias, DWORD zoneId) {
    TIME_ZONE_INFORMATION info{};
    info.Bias = bias;
    info.StandardBias = standardBias;
    info.DaylightBias = daylightBias;
    SetTimeZoneInformationForTesting(info, zoneId);
}

void ClearTimeZoneOverrideForTesting() {
    g_overridden = false;
}
