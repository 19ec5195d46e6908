// The framework exception classes and their throw helpers.
#include "CException.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

void CException::CopyMessage(const wchar_t* text, wchar_t* lpszError, UINT nMaxError) {
    if (lpszError == nullptr || nMaxError == 0)
        return;
    size_t length = std::wcslen(text);
    if (length > nMaxError - 1)
        length = nMaxError - 1;
    std::wmemcpy(lpszError, text, length);
    lpszError[length] = L'\0';
}

BOOL CException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) {
    return static_cast<const CException*>(this)->GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

BOOL CException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyMessage(L"", lpszError, nMaxError);
    return FALSE;
}

BOOL CNotSupportedException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyMessage(L"An unsupported operation was attempted.", lpszError, nMaxError);
    return TRUE;
}

BOOL CInvalidArgException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyMessage(L"An invalid argument was encountered.", lpszError, nMaxError);
    return TRUE;
}

BOOL CMemoryException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyMessage(L"Out of memory.", lpszError, nMaxError);
    return TRUE;
}

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException();
}
void AfxThrowNotSupportedException() {
    throw new CNotSupportedException();
}
void AfxThrowMemoryException() {
    throw new CMemoryException();
}
