// DuxException: the one exception type of the library. It carries an
// HRESULT-style facility and error code, the source file and line of the
// raising site and a finished message text (branding placeholders already
// replaced). Instances live on the heap, are thrown as pointers and are ended
// by the catcher with Delete().
//
// The static operations are how the rest of the library raises errors, how a
// _com_error becomes a DuxException, and how a COM host turns a caught
// exception into thread error information plus an HRESULT.
#pragma once

#include "../platform/CException.h"
#include "../platform/CString.h"
#include "../platform/PlatformTypes.h"

class _com_error;

namespace VrlSchemaLib {

class DuxException : public CException {
    DECLARE_DYNAMIC(DuxException)
public:
    // The message is passed through the branding placeholder replacement
    // before it is stored. A null message is stored as an empty text.
    DuxException(ULONG facility, LONG error, CString file, LONG line, const wchar_t* message);
    ~DuxException() override = default;

    ULONG GetFacilityCode() const { return m_ulFacility; }
    LONG GetError() const { return m_lError; }
    CString GetFile() const { return m_strFile; }
    LONG GetLineNo() const { return m_lLine; }
    CString GetMessageW() const { return m_strMessage; }

    // Writes "[code] DuxLib: message (file:line)" into the buffer, truncated
    // to maxChars characters including the terminating zero; returns TRUE.
    // The help context is left untouched.
    using CException::GetErrorMessage;
    BOOL GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    // 4086, the identifier of "Unknown Error.".
    static LONG GetUnknownError() { return 4086; }
    // The string resource `id`, or "Unknown Error." when it is missing or
    // empty, with branding placeholders replaced.
    static CString GetResourceOrUnknownError(LONG id);
    // The text of any framework exception, through its virtual
    // GetErrorMessage (a 2048-character buffer).
    static CString GetErrorMessage(CException* e);

    // Raises a library error (facility 4) whose message is the resource
    // `code` applied printf-style to the arguments. String arguments are
    // const wchar_t* ("%s" is wide). Call as Throw(4070, __FILE__, __LINE__, name).
    [[noreturn]] static void Throw(LONG code, CString file, LONG line, ...);
    // Raises a library error (facility 4) with a ready message.
    [[noreturn]] static void ThrowMessage(LONG code, CString file, LONG line, const wchar_t* message);
    // Converts a COM error into a DuxException and raises it.
    [[noreturn]] static void Throw(const _com_error& e, CString file, LONG line);

    // Publish thread error information ("[code] DuxLib: message" from
    // "file: line") and return code | 0x80040000, whether or not the error
    // information could be created.
    static HRESULT CreateErrorInfo(LONG code, const wchar_t* message, CString file, LONG line);
    // From a caught DuxException, which is deleted.
    static HRESULT CreateErrorInfo(DuxException* e);
    // From any caught framework exception, which is deleted; code 4086.
    static HRESULT CreateErrorInfo(CException* e, CString file, LONG line);
    // For an error of unknown kind (a catch-all handler); code 4086.
    static HRESULT CreateErrorInfo(CString file, LONG line);

private:
    [[noreturn]] static void Raise(ULONG facility, LONG code, CString file, LONG line,
                                   const wchar_t* message);

    ULONG m_ulFacility;
    LONG m_lError;
    CString m_strFile;
    LONG m_lLine;
    CString m_strMessage;
};

} // namespace VrlSchemaLib
