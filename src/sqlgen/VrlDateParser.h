// VrlDateParser: reads the date texts that hosts write into default values and
// seed rows when the platform's own conversion does not take them. It knows
// two shapes and nothing else, so that a typing error in a schema is reported
// instead of turning into some unintended date:
//
//   ISO 8601   yyyy-mm-dd, optionally followed by 'T' or one blank and
//              hh:mm or hh:mm:ss, the seconds optionally with a fraction
//              (".5", ".123", ...)
//   US         m/d/yyyy or mm/dd/yyyy, optionally followed by one blank and
//              h:mm or hh:mm[:ss]
//
// Blanks around the whole text are ignored. Time zones, month names, two-digit
// years and time-only texts are rejected. Years run from 100 to 9999; the day
// must exist in its month.
#pragma once

#include "../platform/PlatformTypes.h"

namespace VrlSchemaLib {

class VrlDateParser {
public:
    // Calendar fields of a parsed text.
    struct Fields {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;
        double fraction = 0.0; // fraction of a second, 0 <= fraction < 1
    };

    // True when `text` is a date of one of the shapes above; `fields` then
    // holds its parts. On false `fields` is unspecified.
    static bool ParseFields(const wchar_t* text, Fields& fields);

    // True when `text` is a date; `date` then holds it as an automation date
    // (days since 30 December 1899, time of day as the fraction, counted
    // forwards also for days before that date).
    static bool Parse(const wchar_t* text, DATE& date);

    // The automation date of valid calendar fields.
    static DATE ToDate(const Fields& fields);
};

} // namespace VrlSchemaLib
