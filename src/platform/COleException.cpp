// COleException and its throw helper.
#include "COleException.h"

#include <cwchar>

#include "SystemMessages.h"

IMPLEMENT_DYNAMIC(COleException, CException)

BOOL COleException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(m_sc), 0, text, 512, nullptr);
    // The system texts end in a line break, which a message box line has not.
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r'))
        text[--length] = L'\0';
    if (length == 0)
        std::swprintf(text, 512, L"OLE error 0x%08X", static_cast<unsigned>(m_sc));
    CopyMessage(text, lpszError, nMaxError);
    return TRUE;
}

SCODE COleException::Process(const CException* exception) {
    if (exception != nullptr && exception->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(exception)->m_sc;
    return E_FAIL;
}

void AfxThrowOleException(SCODE sc) {
    throw new COleException(sc);
}
