// CException: the framework's exception base. Exceptions are allocated on the
// heap, thrown as pointers and ended by the catcher with Delete(), which frees
// the object when its auto-delete flag is set.
#pragma once

#include "CObject.h"
#include "PlatformTypes.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    ~CException() override = default;

    // Frees the exception if it was allocated with auto-delete set.
    void Delete();

    // Writes the exception's text into the buffer (at most nMaxError
    // characters including the terminating zero). The non-const form forwards
    // to the const one unless a derived class overrides it. The base class has
    // no text: it writes an empty string and returns FALSE.
    virtual BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr);
    virtual BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

    BOOL m_bAutoDelete;

protected:
    // Copies text into a caller's buffer with truncation; shared by the
    // exception classes of the platform layer.
    static void CopyMessage(const wchar_t* text, wchar_t* lpszError, UINT nMaxError);
};

// An operation or rule value that is not supported.
class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    using CException::GetErrorMessage;
    BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// An argument outside its valid range (a bad index, for instance).
class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    using CException::GetErrorMessage;
    BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// An allocation failed.
class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    using CException::GetErrorMessage;
    BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Each throws a new heap instance as a pointer.
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowMemoryException();
