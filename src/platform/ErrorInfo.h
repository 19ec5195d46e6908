// Thread error information of the component object model: the interfaces
// through which a failing call describes its error to its caller, and the
// per-thread slot that holds the description. Strings handed out by the
// IErrorInfo getters are BSTRs that the caller frees with SysFreeString.
#pragma once

#include <cstdint>

#include "PlatformTypes.h"

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
using IID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using LPCOLESTR = const wchar_t*;

inline bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i])
            return false;
    }
    return true;
}
inline bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}

extern const GUID GUID_NULL;
extern const IID IID_IUnknown;
// {1CF2B120-547D-101B-8E65-08002B2BD119}
extern const IID IID_IErrorInfo;
// {22F03340-547D-101B-8E65-08002B2BD119}
extern const IID IID_ICreateErrorInfo;

// Reference-counted interface base. Objects are ended by Release, never by
// delete.
class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

class IErrorInfo : public IUnknown {
public:
    virtual HRESULT GetGUID(GUID* pGuid) = 0;
    virtual HRESULT GetSource(BSTR* pSource) = 0;
    virtual HRESULT GetDescription(BSTR* pDescription) = 0;
    virtual HRESULT GetHelpFile(BSTR* pHelpFile) = 0;
    virtual HRESULT GetHelpContext(DWORD* pHelpContext) = 0;
};

class ICreateErrorInfo : public IUnknown {
public:
    virtual HRESULT SetGUID(REFGUID guid) = 0;
    virtual HRESULT SetSource(LPCOLESTR source) = 0;
    virtual HRESULT SetDescription(LPCOLESTR description) = 0;
    virtual HRESULT SetHelpFile(LPCOLESTR helpFile) = 0;
    virtual HRESULT SetHelpContext(DWORD helpContext) = 0;
};

// A new, empty error object (reference count 1) that also answers
// IErrorInfo. E_OUTOFMEMORY (and *ppCreate null) when creation fails.
HRESULT CreateErrorInfo(ICreateErrorInfo** ppCreate);
// Puts the error object into the calling thread's slot (adding a reference)
// and releases the one it replaces; a null object clears the slot.
HRESULT SetErrorInfo(ULONG reserved, IErrorInfo* pErrorInfo);
// Takes the calling thread's error object out of its slot; the caller owns
// the reference. S_FALSE (and *ppErrorInfo null) when the slot is empty.
HRESULT GetErrorInfo(ULONG reserved, IErrorInfo** ppErrorInfo);

// Test hook: while set, CreateErrorInfo fails with E_OUTOFMEMORY in every
// thread, so that callers' fallback paths can be exercised.
void SetCreateErrorInfoFailsForTesting(BOOL fail);
