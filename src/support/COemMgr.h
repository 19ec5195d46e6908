// COemMgr: the branding values of the product (company and product names)
// and the replacement of their placeholders in the texts the library hands
// out. The values default to the built-in names; a re-branded installation
// overrides them with an optional "Oem.dll" string module beside the
// application (ids 1101 to 1107).
#pragma once

#include "../platform/CObject.h"
#include "../platform/CString.h"
#include "../platform/PlatformTypes.h"

class CWnd;

namespace VrlSchemaLib {

// The placeholders that ReplaceTokens recognises (matched case-sensitively).
extern const wchar_t* const g_pszCompanyNameToken;   // "{CompanyName}"
extern const wchar_t* const g_pszProductAbbrevToken; // "{ProductAbbrev}"
extern const wchar_t* const g_pszProductNameToken;   // "{ProductName}"
extern const wchar_t* const g_pszProductPrefixToken; // "{ProductPrefix}"
extern const wchar_t* const g_pszProductShortToken;  // "{ProductShort}"

class COemMgr : public CObject {
    DECLARE_DYNAMIC(COemMgr)
public:
    // Sets the defaults, then takes what "Oem.dll" provides, if it is there.
    COemMgr();
    // Frees "Oem.dll" if it was loaded.
    ~COemMgr() override;
    COemMgr(const COemMgr&) = delete;
    COemMgr& operator=(const COemMgr&) = delete;

    // The process-wide heap instance, created on first use (without locking:
    // create it before starting threads that may race for it).
    static COemMgr* GetOemMgr();

    // A copy of the text with every known placeholder replaced.
    CString ReplaceTokens(const CString& text) const;
    // The string resource `id` from the process's resource chain, with the
    // placeholders replaced (empty when no table holds the id).
    CString LoadOemString(UINT id) const;
    // Replaces the placeholders in the text of every direct child of parent.
    void ReplaceWindowText(CWnd* parent) const;
    BOOL IsOemFlag() const { return m_bOemFlag; }

    CString GetCompanyName() const { return m_strCompanyName; }
    CString GetProductName() const { return m_strProductName; }
    CString GetProductAbbrev() const { return m_strProductAbbrev; }
    CString GetProductShort() const { return m_strProductShort; }
    CString GetProductPrefix() const { return m_strProductPrefix; }

private:
    // The loaded "Oem.dll" (an HMODULE), or null. Kept opaque so that this
    // header does not pull in the module loader.
    void* m_hModule;
    CString m_strCompanyName;
    CString m_strProductName;
    CString m_strProductAbbrev;
    CString m_strProductShort;
    CString m_strProductPrefix;
    BOOL m_bOemFlag;
};

} // namespace VrlSchemaLib
