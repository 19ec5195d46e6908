// COleVariant: a VARIANT that owns its value. Conversions follow the rules
// of VariantChangeType (Variant.h); failures are thrown as COleException.
#pragma once

#include "COleDateTime.h"
#include "COleException.h"
#include "CString.h"
#include "Variant.h"

class COleVariant : public VARIANT {
public:
    COleVariant() { VariantInit(this); }
    COleVariant(const COleVariant& other);
    COleVariant(COleVariant&& other) noexcept;
    COleVariant(const VARIANT& other);
    COleVariant(const VARIANT* other);
    // VT_BSTR; a nullptr text gives the empty text.
    COleVariant(const wchar_t* text);
    COleVariant(const CString& text);
    // VT_I2, or VT_BOOL when vtSrc is VT_BOOL (non-zero is true).
    COleVariant(short value, VARTYPE vtSrc = VT_I2);
    // VT_I4, or VT_BOOL when vtSrc is VT_BOOL. `long` has 64 bits here: a
    // value that does not fit in 32 bits is kept whole as VT_I8.
    COleVariant(long value, VARTYPE vtSrc = VT_I4);
    COleVariant(int value) : COleVariant(static_cast<long>(value)) {}
    COleVariant(long long value);
    COleVariant(bool value);
    COleVariant(float value);
    COleVariant(double value);
    COleVariant(const DECIMAL& value);
    // VT_DATE; a null date gives VT_NULL, an invalid one throws
    // COleException DISP_E_TYPEMISMATCH.
    COleVariant(const COleDateTime& value);
    ~COleVariant();

    COleVariant& operator=(const COleVariant& other);
    COleVariant& operator=(COleVariant&& other) noexcept;
    COleVariant& operator=(const VARIANT& other);
    COleVariant& operator=(const wchar_t* text);
    COleVariant& operator=(const CString& text);
    COleVariant& operator=(short value);
    COleVariant& operator=(long value);
    COleVariant& operator=(int value) { return *this = static_cast<long>(value); }
    COleVariant& operator=(long long value);
    COleVariant& operator=(bool value);
    COleVariant& operator=(float value);
    COleVariant& operator=(double value);
    COleVariant& operator=(const COleDateTime& value);

    // Frees the value; the variant becomes VT_EMPTY.
    void Clear();
    // Converts pSrc (this variant when nullptr) to vartype into this
    // variant; throws COleException with the conversion's HRESULT on failure
    // (this variant unchanged then).
    void ChangeType(VARTYPE vartype, const VARIANT* pSrc = nullptr);
    // Makes the variant the text (VT_BSTR; nullptr gives the empty text).
    void SetString(const wchar_t* text, VARTYPE vtSrc = VT_BSTR);
    // Takes over the value of src (which becomes VT_EMPTY).
    void Attach(VARIANT& src);
    // Hands the value out; this variant becomes VT_EMPTY.
    VARIANT Detach();

    operator VARIANT*() { return this; }
    operator const VARIANT*() const { return this; }
};
