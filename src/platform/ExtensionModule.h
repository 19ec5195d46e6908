// Extension-module registration. An extension module shares its host's
// framework state; its string resources join the host's resource search when
// a CDynLinkLibrary is created for its module record. Here a module's
// resources are its string table, which the module stores in its record.
#pragma once

#include <cstddef>

#include "CObject.h"
#include "ModuleLoader.h"
#include "StringResources.h"

class CDynLinkLibrary;

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
    // The module's string table, set by the module before it is registered.
    const StringResource* pStringTable = nullptr;
    size_t nStringCount = 0;
};

// Initialises the record for the module's handle (which may be null: the
// library is linked into its host). Always succeeds; a second call on an
// initialised record changes nothing.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Ends the record: destroys the CDynLinkLibrary objects still alive for it
// (which takes its strings out of the search) and marks it uninitialised.
// bAll is accepted for compatibility.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Puts the module's string table into the process-wide chain, after the
// tables already there. Create it with new: the framework owns it and
// AfxTermExtensionModule destroys it; destroying it earlier is allowed and
// takes the table out of the chain.
class CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    AFX_EXTENSION_MODULE* GetModuleState() const { return m_pModule; }
    BOOL IsSystem() const { return m_bSystem; }

private:
    AFX_EXTENSION_MODULE* m_pModule;
    const StringResource* m_pRegisteredTable;
    BOOL m_bSystem;
};
