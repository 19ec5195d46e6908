// Wide-character routines of the original platform's C runtime that the
// library calls, with that runtime's meaning where it differs from glibc:
// _wtol reads a 32-bit value, the comparisons and CharUpperW use the
// locale-independent case mapping of CString, and _snwprintf_s reads "%s" and
// "%c" as wide arguments (it formats through CString::Format).
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cwchar>
#include <cwctype>

#include "PlatformTypes.h"

using errno_t = int;

// Parses blanks, an optional sign and decimal digits up to the first
// non-digit; saturates at the 32-bit limits. Null or no digits give 0.
LONG _wtol(const wchar_t* text);

// A locale object for _wtof_l. Only the "C" locale and the process's current
// locale ("") are supported; _create_locale returns nullptr for others.
struct _locale_struct;
using _locale_t = _locale_struct*;
_locale_t _create_locale(int category, const char* locale);
void _free_locale(_locale_t locale);
// Parses a floating-point prefix of text in the given locale (nullptr: the
// current locale); 0.0 when there is none.
double _wtof_l(const wchar_t* text, _locale_t locale);

inline int iswascii(wint_t ch) {
    return ch < 0x80;
}

// Copies with a size check: on a null argument or a too small destination
// the destination (if any) becomes empty and an error code is returned.
errno_t wcscpy_s(wchar_t* dest, size_t destSize, const wchar_t* src);
template <size_t N> errno_t wcscpy_s(wchar_t (&dest)[N], const wchar_t* src) {
    return wcscpy_s(dest, N, src);
}

// Case-insensitive comparisons (<0, 0, >0); null sorts before everything.
int _wcsicmp(const wchar_t* a, const wchar_t* b);
int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count);

// Upper-cases the text in place and returns it.
LPWSTR CharUpperW(LPWSTR text);

// Pass as count to truncate the output to the buffer instead of failing.
constexpr size_t _TRUNCATE = static_cast<size_t>(-1);

// Formats at most count characters (or, with _TRUNCATE, as many as fit)
// into a buffer of bufferSize characters and terminates it. Returns the
// length written, or -1 when the output was cut (the buffer then holds the
// truncated text with _TRUNCATE, and an empty string otherwise).
int _vsnwprintf_s(wchar_t* buffer, size_t bufferSize, size_t count, const wchar_t* format, va_list args);
int _snwprintf_s(wchar_t* buffer, size_t bufferSize, size_t count, const wchar_t* format, ...);
template <size_t N> int _snwprintf_s(wchar_t (&buffer)[N], size_t count, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = _vsnwprintf_s(buffer, N, count, format, args);
    va_end(args);
    return result;
}
