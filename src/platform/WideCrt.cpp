// The wide runtime routines on top of glibc and CString.
#include "WideCrt.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <locale.h>

#include "CString.h"

LONG _wtol(const wchar_t* text) {
    if (text == nullptr)
        return 0;
    while (*text == L' ' || (*text >= L'\t' && *text <= L'\r'))
        ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-')
        negative = *text++ == L'-';
    int64_t value = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        if (value > limit) {
            value = limit;
            // Keep consuming digits: the result stays saturated.
        }
    }
    return static_cast<LONG>(negative ? -value : value);
}

struct _locale_struct {
    locale_t handle;
};

_locale_t _create_locale(int category, const char* locale) {
    if (locale == nullptr)
        return nullptr;
    int mask;
    switch (category) {
    case LC_ALL:
        mask = LC_ALL_MASK;
        break;
    case LC_NUMERIC:
        mask = LC_NUMERIC_MASK;
        break;
    case LC_CTYPE:
        mask = LC_CTYPE_MASK;
        break;
    default:
        return nullptr;
    }
    if (std::strcmp(locale, "C") != 0 && *locale != '\0')
        return nullptr;
    locale_t handle = newlocale(mask, locale, static_cast<locale_t>(nullptr));
    if (handle == static_cast<locale_t>(nullptr))
        return nullptr;
    return new _locale_struct{handle};
}

void _free_locale(_locale_t locale) {
    if (locale == nullptr)
        return;
    freelocale(locale->handle);
    delete locale;
}

double _wtof_l(const wchar_t* text, _locale_t locale) {
    if (text == nullptr)
        return 0.0;
    if (locale == nullptr)
        return std::wcstod(text, nullptr);
    return wcstod_l(text, nullptr, locale->handle);
}

errno_t wcscpy_s(wchar_t* dest, size_t destSize, const wchar_t* src) {
    if (dest == nullptr || destSize == 0)
        return EINVAL;
    if (src == nullptr) {
        dest[0] = L'\0';
        return EINVAL;
    }
    const size_t length = std::wcslen(src);
    if (length >= destSize) {
        dest[0] = L'\0';
        return ERANGE;
    }
    std::wmemmove(dest, src, length + 1);
    return 0;
}

int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count) {
    if (a == nullptr || b == nullptr)
        return (a == b) ? 0 : (a == nullptr ? -1 : 1);
    for (size_t i = 0; i < count; ++i) {
        const unsigned la = static_cast<unsigned>(CharToLower(a[i]));
        const unsigned lb = static_cast<unsigned>(CharToLower(b[i]));
        if (la != lb)
            return la < lb ? -1 : 1;
        if (la == 0)
            return 0;
    }
    return 0;
}

int _wcsicmp(const wchar_t* a, const wchar_t* b) {
    return _wcsnicmp(a, b, SIZE_MAX);
}

LPWSTR CharUpperW(LPWSTR text) {
    if (text == nullptr)
        return text;
    for (wchar_t* p = text; *p != L'\0'; ++p)
        *p = CharToUpper(*p);
    return text;
}

int _vsnwprintf_s(wchar_t* buffer, size_t bufferSize, size_t count, const wchar_t* format, va_list args) {
    if (buffer == nullptr || bufferSize == 0)
        return -1;
    if (format == nullptr) {
        buffer[0] = L'\0';
        return -1;
    }
    CString text;
    text.FormatV(format, args);
    const size_t length = static_cast<size_t>(text.GetLength());
    size_t limit = bufferSize - 1;
    if (count != _TRUNCATE && count < limit)
        limit = count;
    if (length <= limit) {
        std::wmemcpy(buffer, text.GetString(), length + 1);
        return static_cast<int>(length);
    }
    if (count == _TRUNCATE || count < bufferSize) {
        // Either truncation was asked for, or the caller's count (not the
        // buffer) is the limit: both keep the text that fits.
        std::wmemcpy(buffer, text.GetString(), limit);
        buffer[limit] = L'\0';
        return -1;
    }
    buffer[0] = L'\0';
    return -1;
}

int _snwprintf_s(wchar_t* buffer, size_t bufferSize, size_t count, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = _vsnwprintf_s(buffer, bufferSize, count, format, args);
    va_end(args);
    return result;
}
