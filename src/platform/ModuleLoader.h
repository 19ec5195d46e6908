// Loading of resource modules. The only module the library loads is the
// optional branding module "Oem.dll", so a module here is a data file: UTF-8
// text, one string resource per line as "<id><TAB><text>". In the text,
// "\n", "\t" and "\\" stand for a line break, a tab and a backslash. Empty
// lines, lines starting with '#' and lines that do not start with a decimal
// id and a tab are skipped; of two lines with the same id the first counts.
// Modules are looked for in the directory of the running executable only.
#pragma once

#include "PlatformTypes.h"

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;

constexpr DWORD LOAD_LIBRARY_AS_DATAFILE = 0x00000002;
constexpr DWORD LOAD_LIBRARY_SEARCH_APPLICATION_DIR = 0x00000200;

// Loads the named module from the executable's directory; the name is a
// plain file name (a name with a directory part is refused). An exact match
// is preferred; otherwise the name is matched without regard to ASCII case.
// Returns nullptr when there is no such readable file. The other arguments
// are accepted for compatibility and do not change the search.
HMODULE LoadLibraryExW(const wchar_t* fileName, void* file, DWORD flags);
// Releases a module; FALSE for a null handle.
BOOL FreeLibrary(HMODULE module);

// Copies string `id` of the module into the buffer (at most bufferMax - 1
// characters and a terminating zero) and returns the number of characters
// copied; 0 when the module has no such string. With bufferMax 0 the buffer
// receives a read-only pointer to the text instead (as a const wchar_t*
// stored at `buffer`). A null module means the application's own strings:
// the process-wide string chain.
int LoadStringW(HMODULE module, UINT id, wchar_t* buffer, int bufferMax);

// The full path of the module's file, or of the running executable for a
// null module. Returns the length copied; when the buffer is too small the
// path is cut, terminated, and `size` is returned.
DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size);
