// FormatMessageW for the system's message texts. The system table is a small
// built-in one: the Win32 error codes and HRESULTs that this library and its
// platform layer can produce. Texts end in "\r\n", as the system's do.
#pragma once

#include <cstdarg>

#include "PlatformTypes.h"

using HLOCAL = void*;

constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x00000100;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_STRING = 0x00000400;
constexpr DWORD FORMAT_MESSAGE_FROM_HMODULE = 0x00000800;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;

// Writes the text of messageId (FROM_SYSTEM) or the text at source
// (FROM_STRING) and returns its length in characters, 0 when there is no
// text or it does not fit. With ALLOCATE_BUFFER, `buffer` is really a
// wchar_t** that receives a new buffer (at least `size` characters) to be
// released with LocalFree; otherwise `buffer` holds `size` characters.
// Inserts ("%1" ...) are never expanded: the texts are returned as they
// stand, which is what IGNORE_INSERTS asks for. The language is ignored
// (the built-in texts are English). FROM_HMODULE is not supported.
DWORD FormatMessageW(DWORD flags, const void* source, DWORD messageId, DWORD languageId, LPWSTR buffer,
                     DWORD size, va_list* arguments);

// Releases a buffer allocated by FormatMessageW; returns nullptr.
HLOCAL LocalFree(HLOCAL memory);
