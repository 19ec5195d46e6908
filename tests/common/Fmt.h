// CString::FormatV of a variadic list, so that a test can compare the text
// of one format with its expected text in a single expression.
#pragma once

#include <cstdarg>

#include "platform/CString.h"

inline CString Fmt(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return text;
}
