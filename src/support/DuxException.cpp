// DuxException: construction, the diagnostic line, the raising helpers, the
// conversion of COM errors and the bridge to thread error information.
#include "DuxException.h"

#include <cstdarg>
#include <cwchar>
#include <new>

#include "../platform/ComError.h"
#include "../platform/ErrorInfo.h"
#include "../platform/SystemMessages.h"
#include "../platform/WideCrt.h"
#include "COemMgr.h"

namespace VrlSchemaLib {

IMPLEMENT_DYNAMIC(DuxException, CException)

namespace {

constexpr ULONG kFacilityItf = 4;
constexpr ULONG kFacilityWin32 = 7;
constexpr ULONG kFacilityControl = 10;
constexpr wchar_t kUnknownErrorText[] = L"Unknown Error.";

// The low word of an HRESULT, zero-extended.
LONG LowWord(HRESULT hr) {
    return static_cast<LONG>(static_cast<uint32_t>(hr) & 0xFFFFu);
}

// Bits 16 to 28 of an HRESULT.
ULONG FacilityOf(HRESULT hr) {
    return static_cast<ULONG>((hr >> 16) & 0x1FFF);
}

// The system's text of a Win32 error code; empty when the system has none.
CString SystemMessage(LONG code) {
    wchar_t* buffer = nullptr;
    // 0x1300: allocate the buffer, ignore inserts, take the system's table.
    const DWORD length = FormatMessageW(0x1300, nullptr, static_cast<DWORD>(code), 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    CString text;
    if (length != 0 && buffer != nullptr)
        text = CString(buffer, static_cast<int>(length));
    if (buffer != nullptr)
        LocalFree(buffer);
    return text;
}

// The library's raising sites pass __FILE__. The build normally maps it to
// the path in the source tree already; a build that does not (a compiler
// cache that rewrites paths, another compiler) would put the build machine's
// folders into every diagnostic line, so the path is cut before its last
// "src/" folder here too.
CString SourceTreePath(CString file) {
    const wchar_t* path = file.GetString();
    const wchar_t* cut = nullptr;
    for (const wchar_t* p = wcsstr(path, L"/src/"); p != nullptr; p = wcsstr(p + 1, L"/src/"))
        cut = p + 1;
    return cut == nullptr ? file : CString(cut);
}

} // namespace

void DuxException::Raise(ULONG facility, LONG code, CString file, LONG line, const wchar_t* message) {
    // Running out of memory while raising is reported the framework's way.
    DuxException* e =
        new (std::nothrow) DuxException(facility, code, SourceTreePath(std::move(file)), line, message);
    if (e == nullptr)
        AfxThrowMemoryException();
    throw e;
}

DuxException::DuxException(ULONG facility, LONG error, CString file, LONG line, const wchar_t* message)
    : CException(TRUE), m_ulFacility(facility), m_lError(error), m_strFile(std::move(file)), m_lLine(line),
      m_strMessage(COemMgr::GetOemMgr()->ReplaceTokens(CString(message))) {}

BOOL DuxException::GetErrorMessage(wchar_t* lpszError, UINT nMaxError, UINT* /*pnHelpContext*/) {
    if (lpszError == nullptr || nMaxError == 0)
        return TRUE;
    _snwprintf_s(lpszError, nMaxError, _TRUNCATE, L"[%ld] DuxLib: %s (%s:%ld)", static_cast<long>(m_lError),
                 m_strMessage.GetString(), m_strFile.GetString(), static_cast<long>(m_lLine));
    lpszError[nMaxError - 1] = L'\0';
    return TRUE;
}

CString DuxException::GetResourceOrUnknownError(LONG id) {
    CString text;
    text.LoadString(static_cast<UINT>(id));
    if (text.IsEmpty())
        text = kUnknownErrorText;
    return COemMgr::GetOemMgr()->ReplaceTokens(text);
}

CString DuxException::GetErrorMessage(CException* e) {
    wchar_t buffer[2048];
    buffer[0] = L'\0';
    if (e != nullptr)
        e->GetErrorMessage(buffer, 2048, nullptr);
    buffer[2047] = L'\0';
    return CString(buffer);
}

void DuxException::Throw(LONG code, CString file, LONG line, ...) {
    const CString format = GetResourceOrUnknownError(code);
    CString message;
    va_list args;
    va_start(args, line);
    message.FormatV(format.GetString(), args);
    va_end(args);
    ThrowMessage(code, std::move(file), line, message.GetString());
}

void DuxException::ThrowMessage(LONG code, CString file, LONG line, const wchar_t* message) {
    Raise(kFacilityItf, code, std::move(file), line, message);
}

void DuxException::Throw(const _com_error& e, CString file, LONG line) {
    const HRESULT hr = e.Error();
    LONG code = LowWord(hr);
    const ULONG facility = FacilityOf(hr);

    CString description(static_cast<const wchar_t*>(e.Description()));
    // A one-character description carries nothing worth showing.
    if (description.GetLength() <= 1)
        description.Empty();

    CString message;
    if (facility == kFacilityItf || facility == kFacilityControl) {
        CString format = GetResourceOrUnknownError(code);
        if (!description.IsEmpty() && format.Find(L"%s") < 0)
            format += L": %s";
        // Host texts may hold more than one "%s"; each receives the
        // description, so that no conversion reads past the arguments.
        const wchar_t* arg = description.GetString();
        message.Format(format.GetString(), arg, arg, arg, arg);
    } else if (facility == kFacilityWin32) {
        message = SystemMessage(code);
    } else {
        message = GetResourceOrUnknownError(GetUnknownError());
        if (!description.IsEmpty())
            message += L": " + description;
        code = hr;
    }

    CString where;
    where.Format(L"%s, %s", file.GetString(), static_cast<const wchar_t*>(e.Source()));
    Raise(facility, code, std::move(where), line, message.GetString());
}

HRESULT DuxException::CreateErrorInfo(LONG code, const wchar_t* message, CString file, LONG line) {
    ICreateErrorInfo* pCreate = nullptr;
    if (SUCCEEDED(::CreateErrorInfo(&pCreate)) && pCreate != nullptr) {
        CString description;
        description.Format(L"[%ld] DuxLib: %s", static_cast<long>(code), message ? message : L"");
        pCreate->SetDescription(description.GetString());
        CString source;
        source.Format(L"%s: %ld", file.GetString(), static_cast<long>(line));
        pCreate->SetSource(source.GetString());
        IErrorInfo* pInfo = nullptr;
        if (SUCCEEDED(pCreate->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&pInfo))) &&
            pInfo != nullptr) {
            SetErrorInfo(0, pInfo);
            pInfo->Release();
        }
        pCreate->Release();
    }
    return static_cast<HRESULT>(static_cast<uint32_t>(code) | 0x80040000u);
}

HRESULT DuxException::CreateErrorInfo(DuxException* e) {
    if (e == nullptr)
        return CreateErrorInfo(CString(), 0);
    const CString message = e->GetMessageW();
    const CString file = e->GetFile();
    const LONG line = e->GetLineNo();
    const LONG code = e->GetError();
    e->Delete();
    return CreateErrorInfo(code, message.GetString(), file, line);
}

HRESULT DuxException::CreateErrorInfo(CException* e, CString file, LONG line) {
    const CString message = GetErrorMessage(e);
    if (e != nullptr)
        e->Delete();
    return CreateErrorInfo(GetUnknownError(), message.GetString(), std::move(file), line);
}

HRESULT DuxException::CreateErrorInfo(CString file, LONG line) {
    const CString message = GetResourceOrUnknownError(GetUnknownError());
    return CreateErrorInfo(GetUnknownError(), message.GetString(), std::move(file), line);
}

} // namespace VrlSchemaLib
