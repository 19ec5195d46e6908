// CComVariant: an owning VARIANT that reports failures as HRESULTs.
#include "CComVariant.h"

namespace {

// A text variant; an allocation failure leaves VT_EMPTY, as there is no
// HRESULT to return from a constructor.
void SetText(VARIANT& v, const wchar_t* text) {
    VariantClear(&v);
    v.bstrVal = SysAllocString(text != nullptr ? text : L"");
    if (v.bstrVal != nullptr)
        v.vt = VT_BSTR;
}

} // namespace

CComVariant::CComVariant(const CComVariant& other) : CComVariant(static_cast<const VARIANT&>(other)) {}

CComVariant::CComVariant(CComVariant&& other) noexcept : VARIANT(other) {
    VariantInit(&other);
}

CComVariant::CComVariant(const VARIANT& other) {
    VariantInit(this);
    VariantCopy(this, &other);
}

CComVariant::CComVariant(const wchar_t* text) {
    VariantInit(this);
    SetText(*this, text);
}

CComVariant::CComVariant(const CString& text) : CComVariant(text.GetString()) {}

CComVariant::CComVariant(bool value) {
    VariantInit(this);
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

CComVariant::CComVariant(char value) {
    VariantInit(this);
    vt = VT_I1;
    cVal = value;
}

CComVariant::CComVariant(short value) {
    VariantInit(this);
    vt = VT_I2;
    iVal = value;
}

CComVariant::CComVariant(int value) {
    VariantInit(this);
    vt = VT_I4;
    lVal = value;
}

CComVariant::CComVariant(long value) {
    VariantInit(this);
    if (value >= INT32_MIN && value <= INT32_MAX) {
        vt = VT_I4;
        lVal = static_cast<LONG>(value);
    } else {
        vt = VT_I8;
        llVal = value;
    }
}

CComVariant::CComVariant(long long value) {
    VariantInit(this);
    vt = VT_I8;
    llVal = value;
}

CComVariant::CComVariant(float value) {
    VariantInit(this);
    vt = VT_R4;
    fltVal = value;
}

CComVariant::CComVariant(double value) {
    VariantInit(this);
    vt = VT_R8;
    dblVal = value;
}

CComVariant::CComVariant(double value, VARTYPE vtSrc) : CComVariant(value) {
    if (vtSrc == VT_DATE)
        vt = VT_DATE;
}

CComVariant::CComVariant(const DECIMAL& value) {
    VariantInit(this);
    vt = VT_DECIMAL;
    decVal = value;
}

CComVariant::~CComVariant() {
    VariantClear(this);
}

CComVariant& CComVariant::operator=(const CComVariant& other) {
    return *this = static_cast<const VARIANT&>(other);
}

CComVariant& CComVariant::operator=(CComVariant&& other) noexcept {
    if (this != &other) {
        VariantClear(this);
        static_cast<VARIANT&>(*this) = other;
        VariantInit(&other);
    }
    return *this;
}

CComVariant& CComVariant::operator=(const VARIANT& other) {
    VariantCopy(this, &other);
    return *this;
}

CComVariant& CComVariant::operator=(const wchar_t* text) {
    SetText(*this, text);
    return *this;
}

CComVariant& CComVariant::operator=(bool value) {
    return *this = CComVariant(value);
}
CComVariant& CComVariant::operator=(int value) {
    return *this = CComVariant(value);
}
CComVariant& CComVariant::operator=(long value) {
    return *this = CComVariant(value);
}
CComVariant& CComVariant::operator=(long long value) {
    return *this = CComVariant(value);
}
CComVariant& CComVariant::operator=(double value) {
    return *this = CComVariant(value);
}

HRESULT CComVariant::Copy(const VARIANT* src) {
    return src != nullptr ? VariantCopy(this, src) : E_INVALIDARG;
}

HRESULT CComVariant::ChangeType(VARTYPE type, const VARIANT* pSrc) {
    return VariantChangeType(this, pSrc != nullptr ? pSrc : this, 0, type);
}

HRESULT CComVariant::Attach(VARIANT* src) {
    if (src == nullptr)
        return E_INVALIDARG;
    const HRESULT hr = Clear();
    if (FAILED(hr))
        return hr;
    static_cast<VARIANT&>(*this) = *src;
    VariantInit(src);
    return S_OK;
}

HRESULT CComVariant::Detach(VARIANT* dst) {
    if (dst == nullptr)
        return E_INVALIDARG;
    const HRESULT hr = VariantClear(dst);
    if (FAILED(hr))
        return hr;
    *dst = *this;
    VariantInit(this);
    return S_OK;
}
