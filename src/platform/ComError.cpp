// _com_error over the error object interfaces and the system message table.
#include "ComError.h"

#include "SystemMessages.h"
#include "Variant.h"

namespace {

// Takes a BSTR result of an IErrorInfo getter into a CString.
CString TakeString(HRESULT hr, BSTR text) {
    CString result;
    if (SUCCEEDED(hr) && text != nullptr)
        result = text;
    if (text != nullptr)
        SysFreeString(text);
    return result;
}

} // namespace

_com_error::_com_error(HRESULT hr, IErrorInfo* errorInfo, bool addRef) : m_hr(hr), m_pErrorInfo(errorInfo) {
    if (m_pErrorInfo != nullptr && addRef)
        m_pErrorInfo->AddRef();
}

_com_error::_com_error(const _com_error& other) : m_hr(other.m_hr), m_pErrorInfo(other.m_pErrorInfo) {
    if (m_pErrorInfo != nullptr)
        m_pErrorInfo->AddRef();
}

_com_error& _com_error::operator=(const _com_error& other) {
    if (this != &other) {
        if (other.m_pErrorInfo != nullptr)
            other.m_pErrorInfo->AddRef();
        if (m_pErrorInfo != nullptr)
            m_pErrorInfo->Release();
        m_hr = other.m_hr;
        m_pErrorInfo = other.m_pErrorInfo;
        m_strMessage.Empty();
    }
    return *this;
}

_com_error::~_com_error() {
    if (m_pErrorInfo != nullptr)
        m_pErrorInfo->Release();
}

WORD _com_error::WCode() const {
    const uint32_t hr = static_cast<uint32_t>(m_hr);
    if (hr >= 0x80040200u && hr <= 0x8004FFFFu)
        return static_cast<WORD>(hr - 0x80040200u);
    return 0;
}

IErrorInfo* _com_error::ErrorInfo() const {
    if (m_pErrorInfo != nullptr)
        m_pErrorInfo->AddRef();
    return m_pErrorInfo;
}

CString _com_error::Description() const {
    if (m_pErrorInfo == nullptr)
        return CString();
    BSTR text = nullptr;
    const HRESULT hr = m_pErrorInfo->GetDescription(&text);
    return TakeString(hr, text);
}

CString _com_error::Source() const {
    if (m_pErrorInfo == nullptr)
        return CString();
    BSTR text = nullptr;
    const HRESULT hr = m_pErrorInfo->GetSource(&text);
    return TakeString(hr, text);
}

CString _com_error::HelpFile() const {
    if (m_pErrorInfo == nullptr)
        return CString();
    BSTR text = nullptr;
    const HRESULT hr = m_pErrorInfo->GetHelpFile(&text);
    return TakeString(hr, text);
}

DWORD _com_error::HelpContext() const {
    DWORD context = 0;
    if (m_pErrorInfo != nullptr)
        m_pErrorInfo->GetHelpContext(&context);
    return context;
}

const wchar_t* _com_error::ErrorMessage() const {
    if (!m_strMessage.IsEmpty())
        return m_strMessage.GetString();
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(m_hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length != 0 && buffer != nullptr) {
        m_strMessage = CString(buffer, static_cast<int>(length));
        m_strMessage.TrimRight(L"\r\n");
    } else if (WCode() != 0) {
        m_strMessage.Format(L"IDispatch error #%d", static_cast<int>(WCode()));
    } else {
        m_strMessage.Format(L"Unknown error 0x%0X", static_cast<unsigned>(m_hr));
    }
    if (buffer != nullptr)
        LocalFree(buffer);
    return m_strMessage.GetString();
}
