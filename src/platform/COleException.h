// COleException: a failed automation call, carrying its HRESULT.
#pragma once

#include "CException.h"

using SCODE = HRESULT;

class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}

    using CException::GetErrorMessage;
    // The system text of m_sc (without its line end), or "OLE error 0x%08X"
    // for a code the system table does not know.
    BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    // The HRESULT of the exception, or E_FAIL for other exception classes
    // and nullptr.
    static SCODE Process(const CException* exception);

    SCODE m_sc;
};

// Throws a new heap COleException with the given code.
[[noreturn]] void AfxThrowOleException(SCODE sc);
