// COleVariant: an owning VARIANT whose failures are thrown as COleException.
#include "COleVariant.h"

#include <cstring>
#include <cwchar>

namespace {

void Check(HRESULT hr) {
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

void SetText(VARIANT& v, const wchar_t* text) {
    BSTR copy = SysAllocString(text != nullptr ? text : L"");
    if (copy == nullptr)
        AfxThrowOleException(E_OUTOFMEMORY);
    VariantClear(&v);
    v.vt = VT_BSTR;
    v.bstrVal = copy;
}

} // namespace

bool VariantValuesEqual(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt)
        return false;
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I1:
        return a.cVal == b.cVal;
    case VT_I2:
        return a.iVal == b.iVal;
    case VT_I4:
        return a.lVal == b.lVal;
    case VT_I8:
        return a.llVal == b.llVal;
    case VT_BOOL:
        return a.boolVal == b.boolVal;
    case VT_R4:
        return a.fltVal == b.fltVal;
    case VT_R8:
        return a.dblVal == b.dblVal;
    case VT_DATE:
        return a.date == b.date;
    case VT_DECIMAL:
        return VarDecCmp(&a.decVal, &b.decVal) == VARCMP_EQ;
    case VT_BSTR:
        return SysStringLen(a.bstrVal) == SysStringLen(b.bstrVal) &&
               std::wmemcmp(a.bstrVal != nullptr ? a.bstrVal : L"", b.bstrVal != nullptr ? b.bstrVal : L"",
                            SysStringLen(a.bstrVal)) == 0;
    default:
        return false;
    }
}

COleVariant::COleVariant(const COleVariant& other) : COleVariant(static_cast<const VARIANT&>(other)) {}

COleVariant::COleVariant(COleVariant&& other) noexcept : VARIANT(other) {
    VariantInit(&other);
}

COleVariant::COleVariant(const VARIANT& other) {
    VariantInit(this);
    Check(VariantCopy(this, &other));
}

COleVariant::COleVariant(const VARIANT* other) {
    VariantInit(this);
    if (other != nullptr)
        Check(VariantCopy(this, other));
}

COleVariant::COleVariant(const wchar_t* text) {
    VariantInit(this);
    SetText(*this, text);
}

COleVariant::COleVariant(const CString& text) : COleVariant(text.GetString()) {}

COleVariant::COleVariant(short value, VARTYPE vtSrc) {
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        vt = VT_I2;
        iVal = value;
    }
}

COleVariant::COleVariant(long value, VARTYPE vtSrc) {
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        vt = VT_I4;
        lVal = static_cast<LONG>(value);
    } else {
        vt = VT_I8;
        llVal = value;
    }
}

COleVariant::COleVariant(long long value) {
    VariantInit(this);
    vt = VT_I8;
    llVal = value;
}

COleVariant::COleVariant(bool value) {
    VariantInit(this);
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

COleVariant::COleVariant(float value) {
    VariantInit(this);
    vt = VT_R4;
    fltVal = value;
}

COleVariant::COleVariant(double value) {
    VariantInit(this);
    vt = VT_R8;
    dblVal = value;
}

COleVariant::COleVariant(const DECIMAL& value) {
    VariantInit(this);
    vt = VT_DECIMAL;
    decVal = value;
}

COleVariant::COleVariant(const COleDateTime& value) {
    VariantInit(this);
    *this = value;
}

COleVariant::~COleVariant() {
    VariantClear(this);
}

COleVariant& COleVariant::operator=(const COleVariant& other) {
    return *this = static_cast<const VARIANT&>(other);
}

COleVariant& COleVariant::operator=(COleVariant&& other) noexcept {
    if (this != &other) {
        VariantClear(this);
        static_cast<VARIANT&>(*this) = other;
        VariantInit(&other);
    }
    return *this;
}

COleVariant& COleVariant::operator=(const VARIANT& other) {
    Check(VariantCopy(this, &other));
    return *this;
}

COleVariant& COleVariant::operator=(const wchar_t* text) {
    SetText(*this, text);
    return *this;
}

COleVariant& COleVariant::operator=(const CString& text) {
    return *this = text.GetString();
}

COleVariant& COleVariant::operator=(short value) {
    return *this = COleVariant(value);
}
COleVariant& COleVariant::operator=(long value) {
    return *this = COleVariant(value);
}
COleVariant& COleVariant::operator=(long long value) {
    return *this = COleVariant(value);
}
COleVariant& COleVariant::operator=(bool value) {
    return *this = COleVariant(value);
}
COleVariant& COleVariant::operator=(float value) {
    return *this = COleVariant(value);
}
COleVariant& COleVariant::operator=(double value) {
    return *this = COleVariant(value);
}

COleVariant& COleVariant::operator=(const COleDateTime& value) {
    if (value.GetStatus() == COleDateTime::invalid || value.GetStatus() == COleDateTime::error)
        AfxThrowOleException(DISP_E_TYPEMISMATCH);
    Clear();
    if (value.GetStatus() == COleDateTime::null) {
        vt = VT_NULL;
    } else {
        vt = VT_DATE;
        date = value.m_dt;
    }
    return *this;
}

void COleVariant::Clear() {
    VariantClear(this);
}

void COleVariant::ChangeType(VARTYPE vartype, const VARIANT* pSrc) {
    Check(VariantChangeType(this, pSrc != nullptr ? pSrc : this, 0, vartype));
}

void COleVariant::SetString(const wchar_t* text, VARTYPE) {
    SetText(*this, text);
}

void COleVariant::Attach(VARIANT& src) {
    Clear();
    static_cast<VARIANT&>(*this) = src;
    VariantInit(&src);
}

VARIANT COleVariant::Detach() {
    VARIANT result = *this;
    VariantInit(this);
    return result;
}
