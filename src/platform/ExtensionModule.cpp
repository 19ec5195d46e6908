// Module records and the list of live CDynLinkLibrary objects.
#include "ExtensionModule.h"

#include <algorithm>
#include <mutex>
#include <vector>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

namespace {

struct LibraryList {
    std::mutex lock;
    std::vector<CDynLinkLibrary*> libraries;
};

// Never destroyed: records may be ended by static destructors at exit.
LibraryList& Libraries() {
    static LibraryList* list = new LibraryList();
    return *list;
}

} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL /*bAll*/) {
    std::vector<CDynLinkLibrary*> ending;
    {
        LibraryList& list = Libraries();
        std::lock_guard guard(list.lock);
        for (CDynLinkLibrary* library : list.libraries) {
            if (library->GetModuleState() == &state)
                ending.push_back(library);
        }
    }
    for (CDynLinkLibrary* library : ending)
        delete library;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_pModule(&state), m_pRegisteredTable(state.pStringTable), m_bSystem(bSystem) {
    if (m_pRegisteredTable != nullptr)
        AfxRegisterStringTable(m_pRegisteredTable, state.nStringCount);
    LibraryList& list = Libraries();
    std::lock_guard guard(list.lock);
    list.libraries.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    {
        LibraryList& list = Libraries();
        std::lock_guard guard(list.lock);
        std::erase(list.libraries, this);
    }
    if (m_pRegisteredTable == nullptr)
        return;
    // Another library object of the same table keeps it in the chain.
    LibraryList& list = Libraries();
    std::lock_guard guard(list.lock);
    const bool shared =
        std::any_of(list.libraries.begin(), list.libraries.end(), [this](CDynLinkLibrary* other) {
            return other->m_pRegisteredTable == m_pRegisteredTable;
        });
    if (!shared)
        AfxUnregisterStringTable(m_pRegisteredTable);
}
