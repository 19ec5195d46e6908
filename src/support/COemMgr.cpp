// COemMgr: branding defaults, the optional "Oem.dll" overrides and the
// placeholder replacement.
#include "COemMgr.h"

#include "../platform/CWnd.h"
#include "../platform/ModuleLoader.h"
#include "../platform/WideCrt.h"

namespace VrlSchemaLib {

const wchar_t* const g_pszCompanyNameToken = L"{CompanyName}";
const wchar_t* const g_pszProductAbbrevToken = L"{ProductAbbrev}";
const wchar_t* const g_pszProductNameToken = L"{ProductName}";
const wchar_t* const g_pszProductPrefixToken = L"{ProductPrefix}";
const wchar_t* const g_pszProductShortToken = L"{ProductShort}";

IMPLEMENT_DYNAMIC(COemMgr, CObject)

namespace {

constexpr UINT kCompanyNameId = 1101;
constexpr UINT kProductAbbrevId = 1102;
constexpr UINT kProductNameId = 1103;
constexpr UINT kProductShortId = 1104;
constexpr UINT kProductPrefixId = 1106;
constexpr UINT kOemFlagId = 1107;

// 0x200: look for the module in the application's directory only.
constexpr DWORD kSearchApplicationDir = LOAD_LIBRARY_SEARCH_APPLICATION_DIR;

HMODULE AsModule(void* handle) {
    return static_cast<HMODULE>(handle);
}

// The string `id` of the module; FALSE (and `text` unchanged) when the
// module has none.
BOOL LoadModuleString(HMODULE module, UINT id, CString& text) {
    // A buffer size of 0 asks for a pointer to the module's own copy, so
    // that texts of any length come through whole.
    const wchar_t* stored = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&stored), 0);
    if (length <= 0 || stored == nullptr)
        return FALSE;
    text = CString(stored, length);
    return TRUE;
}

COemMgr* g_pOemMgr = nullptr;

} // namespace

COemMgr::COemMgr()
    : m_hModule(nullptr), m_strCompanyName(L"Pellam Automation Corporation"),
      m_strProductName(L"Pellam Capture"), m_strProductAbbrev(L"PC"), m_strProductShort(L"Pellam"),
      m_strProductPrefix(L"Pellam"), m_bOemFlag(TRUE) {
    HMODULE module = LoadLibraryExW(L"Oem.dll", nullptr, kSearchApplicationDir);
    if (module == nullptr)
        return;
    m_hModule = module;
    LoadModuleString(module, kCompanyNameId, m_strCompanyName);
    LoadModuleString(module, kProductNameId, m_strProductName);
    LoadModuleString(module, kProductAbbrevId, m_strProductAbbrev);
    LoadModuleString(module, kProductShortId, m_strProductShort);
    LoadModuleString(module, kProductPrefixId, m_strProductPrefix);
    // A module that does not say TRUE clears the flag, a missing entry too.
    CString flag;
    LoadModuleString(module, kOemFlagId, flag);
    m_bOemFlag = flag.CompareNoCase(L"TRUE") == 0;
}

COemMgr::~COemMgr() {
    if (m_hModule != nullptr)
        FreeLibrary(AsModule(m_hModule));
}

COemMgr* COemMgr::GetOemMgr() {
    if (g_pOemMgr != nullptr)
        return g_pOemMgr;
    COemMgr* created = new COemMgr();
    // Constructing may have taken long enough for another caller to store
    // its own instance; the newest one wins.
    if (g_pOemMgr != nullptr && g_pOemMgr != created)
        delete g_pOemMgr;
    g_pOemMgr = created;
    return g_pOemMgr;
}

CString COemMgr::ReplaceTokens(const CString& text) const {
    CString result(text);
    if (result.IsEmpty() || result.Find(L'{') < 0 || result.Find(L'}') <= 0)
        return result;
    result.Replace(g_pszCompanyNameToken, m_strCompanyName.GetString());
    result.Replace(g_pszProductNameToken, m_strProductName.GetString());
    result.Replace(g_pszProductAbbrevToken, m_strProductAbbrev.GetString());
    result.Replace(g_pszProductShortToken, m_strProductShort.GetString());
    result.Replace(g_pszProductPrefixToken, m_strProductPrefix.GetString());
    return result;
}

CString COemMgr::LoadOemString(UINT id) const {
    CString text;
    text.LoadString(id);
    return ReplaceTokens(text);
}

void COemMgr::ReplaceWindowText(CWnd* parent) const {
    if (parent == nullptr)
        return;
    for (CWnd* child = parent->GetTopWindow(); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
        CString text;
        child->GetWindowText(text);
        if (!text.IsEmpty())
            child->SetWindowText(ReplaceTokens(text).GetString());
    }
}

} // namespace VrlSchemaLib
