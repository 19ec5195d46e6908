// Automation variants, BSTRs, DECIMAL and the calendar conversions of
// automation dates.
//
// Layout. VARIANT is a type code, three reserved words and an 8-byte value
// union; DECIMAL is a 16-byte record that sits in the value union (so that
// setting vt and decVal in either order gives the same variant). A BSTR is a
// wide text preceded by its byte length as a 32-bit value, allocated with
// malloc; SysStringLen reads that prefix, so a BSTR may hold zeros.
//
// Supported type codes: VT_EMPTY, VT_NULL, VT_I1, VT_I2, VT_I4, VT_I8, VT_R4,
// VT_R8, VT_DATE, VT_BSTR, VT_BOOL and VT_DECIMAL. Any other code given to a
// function here gives DISP_E_BADVARTYPE.
//
// Rules of VariantChangeType. They never depend on the process locale: the
// decimal point is always ".", names of days and months are English.
//  - to the source's own type: a copy; to VT_EMPTY: the variant is cleared.
//  - VT_EMPTY converts to every type as zero, false, the empty text or the
//    date 0 (30 December 1899); VT_NULL converts only to VT_NULL and VT_EMPTY,
//    anything else to VT_NULL is DISP_E_TYPEMISMATCH.
//  - numbers to integers: fractions are rounded to the nearest integer, a tie
//    to the even one (2.5 gives 2, 3.5 gives 4); a result outside the target's
//    range, infinities and NaN give DISP_E_OVERFLOW. VT_R8 to VT_R4 beyond the
//    single range is DISP_E_OVERFLOW.
//  - VT_BOOL as a number is -1 (true) or 0; a number as VT_BOOL is true when
//    it is non-zero.
//  - numbers to text: integers in decimal; VT_R8 with 15 and VT_R4 with 7
//    significant digits, trailing zeros dropped, in plain notation when the
//    decimal exponent lies between -7 and the digit count (1e-7 < |x| < 1e15
//    for doubles) and otherwise as mantissa, "E", sign and at least two
//    exponent digits: 0.1 gives "0.1", 1e20 gives "1E+20", 1.5e-8 gives
//    "1.5E-08", -0.0 gives "0". VT_DECIMAL is written exactly, without
//    exponent and without trailing fractional zeros.
//  - VT_BOOL to text: "-1" or "0"; with VARIANT_ALPHABOOL or VARIANT_LOCALBOOL
//    in the flags, "True" or "False".
//  - VT_DATE to text: "yyyy-mm-dd hh:mm:ss" (rounded to the second); a value
//    without time of day as "yyyy-mm-dd", and a value whose date part is
//    30 December 1899 (time only) as "hh:mm:ss". A date outside the years
//    100 to 9999 is DISP_E_OVERFLOW.
//  - text to numbers: blanks around the number are allowed; then an optional
//    sign, digits with an optional "." and fraction, and an optional exponent
//    ("e" or "E", sign, digits). No digits at all, or anything else in the
//    text, is DISP_E_TYPEMISMATCH; a value outside the target's range is
//    DISP_E_OVERFLOW. Integer targets round as for numbers.
//  - text to VT_BOOL: "True" or "False" in any letter case, or a number (true
//    when non-zero); other texts are DISP_E_TYPEMISMATCH.
//  - text to VT_DATE: "yyyy-mm-dd", optionally followed by " " or "T" and a
//    time; a time alone; or "m/d/yyyy" followed by an optional time. A time
//    is "h:mm" or "h:mm:ss" with an optional fraction of the second and an
//    optional " AM" or " PM" (12-hour clock then). Fields out of range and
//    other texts are DISP_E_TYPEMISMATCH.
//  - numbers (and VT_BOOL) to VT_DATE take the value as days; outside the
//    years 100 to 9999 is DISP_E_OVERFLOW. VT_DATE to numbers is the value.
//  - to VT_DECIMAL: integers exactly; doubles with 15 significant digits
//    (as their text form), singles with 7; text exactly, rounded half to
//    even to at most 28 decimals. Values of 2^96 or more are DISP_E_OVERFLOW.
//  - VT_DECIMAL to VT_R8 and VT_R4 gives the nearest double/single to the
//    exact value.
//
// Dates. A DATE is a count of days since 30 December 1899 whose fraction is
// the time of day. For negative values the time is counted forwards from the
// start of the day, so -1.25 is 29 December 1899, 06:00. The calendar is the
// Gregorian one throughout; valid dates run from 1 January 100 to
// 31 December 9999.
#pragma once

#include <cstddef>

#include "PlatformTypes.h"

using SHORT = int16_t;
using USHORT = uint16_t;
using CHAR = char;
using LONGLONG = long long;
using ULONGLONG = unsigned long long;
using FLOAT = float;
using DOUBLE = double;
using LCID = DWORD;

// Locale identifiers are accepted for interface compatibility and ignored:
// all conversions use the rules above.
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_INVARIANT = 0x007F;

// Flags of VariantChangeType(Ex). Only the boolean text flags change results.
constexpr USHORT VARIANT_NOVALUEPROP = 0x01;
constexpr USHORT VARIANT_ALPHABOOL = 0x02;
constexpr USHORT VARIANT_NOUSEROVERRIDE = 0x04;
constexpr USHORT VARIANT_LOCALBOOL = 0x10;

// A 96-bit unsigned integer (Hi32:Lo64), a power-of-ten scale (0 to 28) and a
// sign: value = (-1)^sign * integer / 10^scale.
struct DECIMAL {
    USHORT wReserved;
    BYTE scale;
    BYTE sign;
    ULONG Hi32;
    ULONGLONG Lo64;
};

constexpr BYTE DECIMAL_NEG = 0x80;
constexpr BYTE DECIMAL_MAX_SCALE = 28;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        SHORT iVal;
        CHAR cVal;
        BYTE bVal;
        FLOAT fltVal;
        DOUBLE dblVal;
        VARIANT_BOOL boolVal;
        DATE date;
        BSTR bstrVal;
        DECIMAL decVal;
    };
};

using VARIANTARG = VARIANT;
using LPVARIANT = VARIANT*;
using LPCVARIANT = const VARIANT*;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek; // 0 = Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// BSTR allocation. SysAllocString(nullptr) returns nullptr; SysFreeString
// and SysStringLen accept nullptr (length 0).
BSTR SysAllocString(const wchar_t* text);
// Copies `length` characters of text (may be nullptr: the characters are left
// zero) and terminates the result.
BSTR SysAllocStringLen(const wchar_t* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

// Sets the variant to VT_EMPTY without looking at its old contents.
void VariantInit(VARIANT* variant);
// Frees what the variant owns and sets it to VT_EMPTY. DISP_E_BADVARTYPE for
// an unsupported type (the variant is left as it was).
HRESULT VariantClear(VARIANT* variant);
// Clears dst, then makes it a deep copy of src (texts are duplicated).
HRESULT VariantCopy(VARIANT* dst, const VARIANT* src);
// Converts src to type vt into dst by the rules above. dst may be src. On
// failure dst is left unchanged.
HRESULT VariantChangeType(VARIANT* dst, const VARIANT* src, USHORT flags, VARTYPE vt);
HRESULT VariantChangeTypeEx(VARIANT* dst, const VARIANT* src, LCID lcid, USHORT flags, VARTYPE vt);

// Calendar fields of a date, rounded to the nearest second (wMilliseconds is
// always 0). Returns FALSE for dates outside the years 100 to 9999 and NaN.
int VariantTimeToSystemTime(DATE time, SYSTEMTIME* systemTime);
// The date of the calendar fields; wMilliseconds and wDayOfWeek are ignored.
// Returns FALSE for fields out of range (year 100 to 9999, real days of the
// month, hours 0-23, minutes and seconds 0-59).
int SystemTimeToVariantTime(const SYSTEMTIME* systemTime, DATE* time);

// DECIMAL helpers used by the conversions and available to callers.
HRESULT VarDecFromI8(LONGLONG value, DECIMAL* result);
HRESULT VarDecFromR8(double value, DECIMAL* result);
HRESULT VarDecFromStr(const wchar_t* text, DECIMAL* result);
HRESULT VarR8FromDec(const DECIMAL* value, double* result);
constexpr HRESULT VARCMP_LT = 0;
constexpr HRESULT VARCMP_EQ = 1;
constexpr HRESULT VARCMP_GT = 2;
// Compares two decimals by value (so 1.50 equals 1.5, and -0 equals 0).
HRESULT VarDecCmp(const DECIMAL* left, const DECIMAL* right);

// Same type and value: texts by content, decimals by value, reals by ==.
bool VariantValuesEqual(const VARIANT& left, const VARIANT& right);
inline bool operator==(const VARIANT& left, const VARIANT& right) {
    return VariantValuesEqual(left, right);
}
