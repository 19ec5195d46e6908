// Fuzz target of VrlDateParser.
//
// Input: the date text, as UTF-8. Properties checked: Parse and ParseFields
// agree; accepted fields are a real calendar date of the years 100 to 9999
// and a real time of day; the date value agrees with the platform's own
// calendar conversion (to the second); and the fields written back in ISO
// form read the same again.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cwchar>

#include "FuzzSupport.h"
#include "platform/Variant.h"
#include "sqlgen/VrlDateParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using VrlSchemaLib::VrlDateParser;
    const CString text = VrlSchemaFuzz::WideText(data, size);
    VrlDateParser::Fields f;
    const bool parsed = VrlDateParser::ParseFields(text.GetString(), f);
    DATE date = -12345.0;
    FUZZ_CHECK(VrlDateParser::Parse(text.GetString(), date) == parsed);
    if (!parsed)
        return 0;

    FUZZ_CHECK(f.year >= 100 && f.year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1);
    FUZZ_CHECK(f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.second >= 0 &&
               f.second <= 59);
    FUZZ_CHECK(f.fraction >= 0.0 && f.fraction < 1.0);
    FUZZ_CHECK(date == VrlDateParser::ToDate(f));

    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(f.year);
    st.wMonth = static_cast<WORD>(f.month);
    st.wDay = static_cast<WORD>(f.day);
    st.wHour = static_cast<WORD>(f.hour);
    st.wMinute = static_cast<WORD>(f.minute);
    st.wSecond = static_cast<WORD>(f.second);
    DATE whole = 0.0;
    FUZZ_CHECK(SystemTimeToVariantTime(&st, &whole)); // also proves the day exists in its month
    VrlDateParser::Fields noFraction = f;
    noFraction.fraction = 0.0;
    FUZZ_CHECK(std::fabs(VrlDateParser::ToDate(noFraction) - whole) < 0.5 / 86400.0);
    if (f.fraction < 0.4) {
        SYSTEMTIME back{};
        FUZZ_CHECK(VariantTimeToSystemTime(date, &back));
        FUZZ_CHECK(back.wYear == st.wYear && back.wMonth == st.wMonth && back.wDay == st.wDay &&
                   back.wHour == st.wHour && back.wMinute == st.wMinute && back.wSecond == st.wSecond);
    }

    wchar_t iso[64];
    std::swprintf(iso, 64, L"%04d-%02d-%02dT%02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                  f.second);
    VrlDateParser::Fields again;
    FUZZ_CHECK(VrlDateParser::ParseFields(iso, again));
    FUZZ_CHECK(again.year == f.year && again.month == f.month && again.day == f.day && again.hour == f.hour &&
               again.minute == f.minute && again.second == f.second && again.fraction == 0.0);
    return 0;
}
