// CComVariant: a VARIANT that owns its value; conversions report failure as
// an HRESULT instead of throwing.
#pragma once

#include "CString.h"
#include "Variant.h"

class CComVariant : public VARIANT {
public:
    CComVariant() { VariantInit(this); }
    CComVariant(const CComVariant& other);
    CComVariant(CComVariant&& other) noexcept;
    CComVariant(const VARIANT& other);
    // VT_BSTR; a nullptr text gives the empty text.
    CComVariant(const wchar_t* text);
    CComVariant(const CString& text);
    CComVariant(bool value);
    CComVariant(char value);  // VT_I1
    CComVariant(short value); // VT_I2
    CComVariant(int value);   // VT_I4
    // VT_I4; `long` has 64 bits here: a value that does not fit in 32 bits is
    // kept whole as VT_I8.
    CComVariant(long value);
    CComVariant(long long value); // VT_I8
    CComVariant(float value);
    CComVariant(double value);
    // VT_DATE when vtSrc is VT_DATE, else VT_R8.
    CComVariant(double value, VARTYPE vtSrc);
    CComVariant(const DECIMAL& value);
    ~CComVariant();

    CComVariant& operator=(const CComVariant& other);
    CComVariant& operator=(CComVariant&& other) noexcept;
    CComVariant& operator=(const VARIANT& other);
    CComVariant& operator=(const wchar_t* text);
    CComVariant& operator=(bool value);
    CComVariant& operator=(int value);
    CComVariant& operator=(long value);
    CComVariant& operator=(long long value);
    CComVariant& operator=(double value);

    HRESULT Clear() { return VariantClear(this); }
    HRESULT Copy(const VARIANT* src);
    // Converts pSrc (this variant when nullptr) to vt into this variant; on
    // failure this variant is unchanged and the HRESULT says why.
    HRESULT ChangeType(VARTYPE vt, const VARIANT* pSrc = nullptr);
    HRESULT Attach(VARIANT* src);
    HRESULT Detach(VARIANT* dst);
};
