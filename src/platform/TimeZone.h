// GetTimeZoneInformation over the C library's time-zone settings (TZ), with
// a process-wide override for tests.
#pragma once

#include "PlatformTypes.h"
#include "Variant.h"

using WCHAR = wchar_t;

// Biases are in minutes, UTC = local time + bias (so zones east of UTC have
// negative biases); the bias in force is Bias + StandardBias or
// Bias + DaylightBias. The transition dates are not known to the C library
// and are left zero.
struct TIME_ZONE_INFORMATION {
    LONG Bias;
    WCHAR StandardName[32];
    SYSTEMTIME StandardDate;
    LONG StandardBias;
    WCHAR DaylightName[32];
    SYSTEMTIME DaylightDate;
    LONG DaylightBias;
};

constexpr DWORD TIME_ZONE_ID_UNKNOWN = 0;  // the zone has no daylight time
constexpr DWORD TIME_ZONE_ID_STANDARD = 1; // standard time is in force
constexpr DWORD TIME_ZONE_ID_DAYLIGHT = 2; // daylight time is in force
constexpr DWORD TIME_ZONE_ID_INVALID = 0xFFFFFFFFu;

// Fills the record for the current moment and returns which time is in
// force; TIME_ZONE_ID_INVALID (record untouched) for nullptr.
DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* info);

// Tests: from now on GetTimeZoneInformation reports `info` and `zoneId`
// instead of the real zone. Not synchronised; set it before any thread asks.
void SetTimeZoneInformationForTesting(const TIME_ZONE_INFORMATION& info, DWORD zoneId);
// Tests: a shorthand for a zone with the given biases and no names.
void SetTimeZoneBiasForTesting(LONG bias, LONG standardBias, LONG daylightBias, DWORD zoneId);
// Tests: back to the real zone.
void ClearTimeZoneOverrideForTesting();
