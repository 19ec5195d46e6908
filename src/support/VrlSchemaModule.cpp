// The library's module record, its attach and detach handling, and the
// process-wide identifier strings.
#include "VrlSchemaModule.h"

#include "../platform/ExtensionModule.h"
#include "../resources/VrlStringTable.h"

namespace VrlSchemaLib {

const wchar_t* const g_pszProfileSettingsGuid = L"{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}";
const wchar_t* const g_pszHostGuid1 = L"{4cb84dbd-2904-4b1b-83fe-94ac84459953}";
const wchar_t* const g_pszHostGuid2 = L"{f6d7d3ab-5d4c-43af-a64b-b994ada6d392}";
const wchar_t* const g_pszHostGuid3 = L"{345b95e5-96e8-41a2-835d-f4a72ca3864e}";
const wchar_t* const g_pszHostGuid4 = L"{f282fb39-8b14-458e-9a6a-383407d8b78e}";
const wchar_t* const g_pszHostGuid5 = L"{42ffb4dd-102f-4790-8db1-dbe2213e36aa}";
const wchar_t* const g_pszHostGuid6 = L"{61d01713-12fc-4a5d-9abe-6d3da8726186}";

namespace {

// Built on first use, so that a host's start-up code in another translation
// unit may call InitVrlSchemaDll before this unit's objects exist.
AFX_EXTENSION_MODULE& ModuleRecord() {
    static AFX_EXTENSION_MODULE record;
    return record;
}

BOOL& Registered() {
    static BOOL registered = FALSE;
    return registered;
}

// The library is linked into its host, so process start and exit stand for
// the module's attach and detach.
struct ModuleLifetime {
    ModuleLifetime() { VrlSchemaDllMain(VRL_DLL_PROCESS_ATTACH); }
    ~ModuleLifetime() { VrlSchemaDllMain(VRL_DLL_PROCESS_DETACH); }
};

const ModuleLifetime g_moduleLifetime;

} // namespace

BOOL VrlSchemaDllMain(DWORD dwReason) {
    AFX_EXTENSION_MODULE& record = ModuleRecord();
    switch (dwReason) {
    case VRL_DLL_PROCESS_ATTACH: {
        size_t count = 0;
        record.pStringTable = GetVrlStringTable(&count);
        record.nStringCount = count;
        // No module handle: the library is part of the executable.
        return AfxInitExtensionModule(record, nullptr);
    }
    case VRL_DLL_PROCESS_DETACH:
        // Ends the CDynLinkLibrary of InitVrlSchemaDll, which takes the
        // library's strings out of the chain.
        AfxTermExtensionModule(record);
        Registered() = FALSE;
        return TRUE;
    default:
        return TRUE;
    }
}

BOOL IsVrlSchemaModuleAttached() {
    return ModuleRecord().bInitialized;
}

void InitVrlSchemaDll() {
    if (Registered())
        return;
    if (!ModuleRecord().bInitialized && !VrlSchemaDllMain(VRL_DLL_PROCESS_ATTACH))
        return;
    // The framework owns the object and ends it with the module record.
    new CDynLinkLibrary(ModuleRecord(), FALSE);
    Registered() = TRUE;
}

BOOL IsVrlSchemaDllRegistered() {
    return Registered();
}

} // namespace VrlSchemaLib
