// Start-up of the library as an extension module of its host: the module
// record, the process-wide identifier strings, and InitVrlSchemaDll, through
// which a host makes the library's string table part of its resource search.
//
// The module record is initialised when the library's objects are constructed
// at process start (the equivalent of the module's process attach) and ended
// at process exit (detach), so it exists before any exported operation runs.
#pragma once

#include "../platform/PlatformTypes.h"

namespace VrlSchemaLib {

// Reasons passed to the module entry, with the values of the platform the
// hosts come from.
constexpr DWORD VRL_DLL_PROCESS_DETACH = 0;
constexpr DWORD VRL_DLL_PROCESS_ATTACH = 1;
constexpr DWORD VRL_DLL_THREAD_ATTACH = 2;
constexpr DWORD VRL_DLL_THREAD_DETACH = 3;

// The module entry: process attach initialises the module record (FALSE when
// that fails, which fails the load), process detach ends it; everything else
// reports success. Called by the library's own start-up object; exposed so a
// host that loads the library by hand can drive it.
BOOL VrlSchemaDllMain(DWORD dwReason);

// TRUE while the module record is initialised (between attach and detach).
BOOL IsVrlSchemaModuleAttached();

// Makes the library's string resources visible through the process's string
// chain, after the host's own tables. Call once after loading the library;
// further calls have no effect.
void InitVrlSchemaDll();

// TRUE once InitVrlSchemaDll has registered the library.
BOOL IsVrlSchemaDllRegistered();

// Profile identifier through which the publish procedure reads
// RescanLocation and RetainImages.
extern const wchar_t* const g_pszProfileSettingsGuid;
// Identifiers the library defines for its hosts and does not read itself.
extern const wchar_t* const g_pszHostGuid1;
extern const wchar_t* const g_pszHostGuid2;
extern const wchar_t* const g_pszHostGuid3;
extern const wchar_t* const g_pszHostGuid4;
extern const wchar_t* const g_pszHostGuid5;
extern const wchar_t* const g_pszHostGuid6;

} // namespace VrlSchemaLib

// Hosts call the entry points without the namespace, as exported functions.
using VrlSchemaLib::InitVrlSchemaDll;
