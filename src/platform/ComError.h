// _com_error: an HRESULT together with the error object that describes it
// (optional). Description and Source read the error object; both are empty
// without one.
#pragma once

#include "CString.h"
#include "ErrorInfo.h"
#include "PlatformTypes.h"

class _com_error {
public:
    // Takes over the caller's reference to the error object, or adds one of
    // its own when addRef is true.
    explicit _com_error(HRESULT hr, IErrorInfo* errorInfo = nullptr, bool addRef = false);
    _com_error(const _com_error& other);
    _com_error& operator=(const _com_error& other);
    ~_com_error();

    HRESULT Error() const { return m_hr; }
    // The low word of the HRESULT for errors of FACILITY_ITF in the range of
    // automation errors (0x80040200 and up), else 0.
    WORD WCode() const;
    // The error object with a new reference for the caller, or nullptr.
    IErrorInfo* ErrorInfo() const;

    CString Description() const;
    CString Source() const;
    CString HelpFile() const;
    DWORD HelpContext() const;

    // The system's text of the HRESULT without its line break, or
    // "IDispatch error #<n>" for automation error codes, or
    // "Unknown error 0x<hr>".
    const wchar_t* ErrorMessage() const;

private:
    HRESULT m_hr;
    IErrorInfo* m_pErrorInfo;
    mutable CString m_strMessage;
};
