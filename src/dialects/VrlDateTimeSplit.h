// VrlDateTimeSplit: calendar fields of an automation date with millisecond
// precision, shared by the SQL Server, Oracle and DB2 date literals.
//
// The platform's date conversion rounds to the nearest whole second, so the
// split converts the value half a second earlier (which truncates instead of
// rounding) and recovers the milliseconds from the fraction of the day. When
// the milliseconds come out as 0 or as 1000 after rounding, the fields are
// those of the plain conversion of the value with millisecond 0, so that a
// value a hair below a whole second is written as that second.
#pragma once

#include "../platform/PlatformTypes.h"

namespace VrlSchemaLib {

class VrlDateTimeSplit {
public:
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nSecond = 0;
    int m_nMillisecond = 0;

    // Fills the fields from the value; false when the value does not convert
    // to calendar fields (the fields are then left unspecified).
    bool Split(DATE value);

    // Convenience form: splits into a fresh object and reports success.
    static bool Split(DATE value, VrlDateTimeSplit& parts) { return parts.Split(value); }
};

} // namespace VrlSchemaLib
