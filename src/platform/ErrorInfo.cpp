// The error object and the thread-local error slot.
#include "ErrorInfo.h"

#include <atomic>
#include <string>

#include "Variant.h"

const GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IErrorInfo = {0x1CF2B120, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
const IID IID_ICreateErrorInfo = {
    0x22F03340, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};

namespace {

std::atomic<bool> g_createFails{false};

HRESULT CopyOut(const std::wstring& text, BSTR* out) {
    if (out == nullptr)
        return E_INVALIDARG;
    *out = SysAllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

class ErrorObject final : public IErrorInfo, public ICreateErrorInfo {
public:
    // IUnknown is reached through both bases; each forwards here.
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override {
        if (ppvObject == nullptr)
            return E_INVALIDARG;
        if (riid == IID_IUnknown || riid == IID_IErrorInfo)
            *ppvObject = static_cast<IErrorInfo*>(this);
        else if (riid == IID_ICreateErrorInfo)
            *ppvObject = static_cast<ICreateErrorInfo*>(this);
        else {
            *ppvObject = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT GetGUID(GUID* pGuid) override {
        if (pGuid == nullptr)
            return E_INVALIDARG;
        *pGuid = m_guid;
        return S_OK;
    }
    HRESULT GetSource(BSTR* pSource) override { return CopyOut(m_source, pSource); }
    HRESULT GetDescription(BSTR* pDescription) override { return CopyOut(m_description, pDescription); }
    HRESULT GetHelpFile(BSTR* pHelpFile) override { return CopyOut(m_helpFile, pHelpFile); }
    HRESULT GetHelpContext(DWORD* pHelpContext) override {
        if (pHelpContext == nullptr)
            return E_INVALIDARG;
        *pHelpContext = m_helpContext;
        return S_OK;
    }

    HRESULT SetGUID(REFGUID guid) override {
        m_guid = guid;
        return S_OK;
    }
    HRESULT SetSource(LPCOLESTR source) override {
        m_source = source ? source : L"";
        return S_OK;
    }
    HRESULT SetDescription(LPCOLESTR description) override {
        m_description = description ? description : L"";
        return S_OK;
    }
    HRESULT SetHelpFile(LPCOLESTR helpFile) override {
        m_helpFile = helpFile ? helpFile : L"";
        return S_OK;
    }
    HRESULT SetHelpContext(DWORD helpContext) override {
        m_helpContext = helpContext;
        return S_OK;
    }

private:
    ~ErrorObject() override = default;

    std::atomic<ULONG> m_references{1};
    GUID m_guid = GUID_NULL;
    std::wstring m_source;
    std::wstring m_description;
    std::wstring m_helpFile;
    DWORD m_helpContext = 0;
};

// The calling thread's slot; releases what it still holds when the thread
// ends.
struct ErrorSlot {
    IErrorInfo* info = nullptr;
    ~ErrorSlot() {
        if (info != nullptr)
            info->Release();
    }
};

thread_local ErrorSlot t_slot;

} // namespace

HRESULT CreateErrorInfo(ICreateErrorInfo** ppCreate) {
    if (ppCreate == nullptr)
        return E_INVALIDARG;
    *ppCreate = nullptr;
    if (g_createFails.load())
        return E_OUTOFMEMORY;
    *ppCreate = static_cast<ICreateErrorInfo*>(new ErrorObject());
    return S_OK;
}

HRESULT SetErrorInfo(ULONG /*reserved*/, IErrorInfo* pErrorInfo) {
    if (pErrorInfo != nullptr)
        pErrorInfo->AddRef();
    IErrorInfo* previous = t_slot.info;
    t_slot.info = pErrorInfo;
    if (previous != nullptr)
        previous->Release();
    return S_OK;
}

HRESULT GetErrorInfo(ULONG /*reserved*/, IErrorInfo** ppErrorInfo) {
    if (ppErrorInfo == nullptr)
        return E_INVALIDARG;
    *ppErrorInfo = t_slot.info;
    t_slot.info = nullptr;
    return *ppErrorInfo != nullptr ? S_OK : S_FALSE;
}

void SetCreateErrorInfoFailsForTesting(BOOL fail) {
    g_createFails.store(fail != FALSE);
}
