#include "VrlConversions.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "../platform/CMap.h"
#include "../platform/COleVariant.h"
#include "../platform/Variant.h"
#include "../platform/WideCrt.h"
#include "DuxException.h"

namespace VrlSchemaLib {

VrlConversions::TypeMap VrlConversions::sm_oMap(10);

namespace {

// Result of the last shortened constraint name; overwritten by every call.
wchar_t g_szConstraintLimitBuffer[256];

// Integer value of a source of one of the integer kinds. False for every
// other kind.
bool GetIntegerSource(const VARIANT& value, int64_t& result) {
    switch (value.vt) {
    case VT_I1:
        result = static_cast<int8_t>(value.cVal);
        return true;
    case VT_I2:
        result = value.iVal;
        return true;
    case VT_I4:
        result = static_cast<int32_t>(value.lVal);
        return true;
    case VT_I8:
        result = static_cast<int64_t>(value.llVal);
        return true;
    default:
        return false;
    }
}

bool GetRealSource(const VARIANT& value, double& result) {
    if (value.vt == VT_R4) {
        result = value.fltVal;
        return true;
    }
    if (value.vt == VT_R8) {
        result = value.dblVal;
        return true;
    }
    return false;
}

// True when `d` is a whole number in [low, high]. NaN and infinities are
// never whole numbers, which also keeps the casts below defined.
bool IsIntegralInRange(double d, double low, double high) {
    return d >= low && d <= high && std::trunc(d) == d;
}

// The decimal integer at the start of a text, as the run-time library's
// 32-bit parse reads it (a text without digits is 0).
int32_t ParseInteger(const VARIANT& value) {
    return value.bstrVal ? static_cast<int32_t>(_wtol(value.bstrVal)) : 0;
}

// Both "1,5" and "1.5" mean one and a half, whatever the process locale: the
// comma is turned into a point and the text read in the "C" locale.
double ParseReal(const VARIANT& value) {
    if (!value.bstrVal) {
        return 0.0;
    }
    CString text(value.bstrVal);
    text.Replace(L',', L'.');
    static const _locale_t cLocale = _create_locale(LC_ALL, "C");
    return _wtof_l(text.GetString(), cLocale);
}

void SetI1(COleVariant& value, int64_t n) {
    value.Clear();
    value.vt = VT_I1;
    value.cVal = static_cast<decltype(value.cVal)>(static_cast<int8_t>(n));
}

void SetI2(COleVariant& value, int64_t n) {
    value.Clear();
    value.vt = VT_I2;
    value.iVal = static_cast<int16_t>(n);
}

void SetI4(COleVariant& value, int64_t n) {
    value.Clear();
    value.vt = VT_I4;
    value.lVal = static_cast<int32_t>(n);
}

void SetI8(COleVariant& value, int64_t n) {
    value.Clear();
    value.vt = VT_I8;
    value.llVal = n;
}

void SetBool(COleVariant& value, bool b) {
    value.Clear();
    value.vt = VT_BOOL;
    value.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetReal(COleVariant& value, VARTYPE type, double d) {
    value.Clear();
    value.vt = type;
    if (type == VT_R4) {
        value.fltVal = static_cast<float>(d);
    } else {
        value.dblVal = d;
    }
}

// Integer targets: I1, I2 and I4 check the range of the target, I8 only that
// a real value is whole. `integerSources` lists whether an integer source of
// any width is range-checked (I1, I2, I4) or always accepted (I8, whose range
// holds every integer kind). Text is the 32-bit parse, range-checked except
// for I4 and I8 (a 32-bit parse always fits them).
bool CastToInteger(COleVariant& value, VARTYPE type) {
    int64_t low = 0;
    int64_t high = 0;
    switch (type) {
    case VT_I1:
        low = INT8_MIN;
        high = INT8_MAX;
        break;
    case VT_I2:
        low = INT16_MIN;
        high = INT16_MAX;
        break;
    case VT_I4:
        low = INT32_MIN;
        high = INT32_MAX;
        break;
    default:
        low = INT64_MIN;
        high = INT64_MAX;
        break;
    }

    int64_t result = 0;
    double real = 0.0;
    if (GetIntegerSource(value, result)) {
        if (result < low || result > high) {
            return false;
        }
    } else if (GetRealSource(value, real)) {
        // 2^63 itself is a double but no 64-bit integer; the upper bound is
        // exclusive for I8, so compare against the largest double below it.
        const double realHigh =
            type == VT_I8 ? std::nextafter(9223372036854775808.0, 0.0) : static_cast<double>(high);
        if (!IsIntegralInRange(real, static_cast<double>(low), realHigh)) {
            return false;
        }
        result = static_cast<int64_t>(real);
    } else if (value.vt == VT_BSTR) {
        result = ParseInteger(value);
        if (result < low || result > high) {
            return false;
        }
    } else if (value.vt == VT_BOOL) {
        result = value.boolVal != 0 ? 1 : 0;
    } else {
        return false;
    }

    switch (type) {
    case VT_I1:
        SetI1(value, result);
        break;
    case VT_I2:
        SetI2(value, result);
        break;
    case VT_I4:
        SetI4(value, result);
        break;
    default:
        SetI8(value, result);
        break;
    }
    return true;
}

bool CastToReal(COleVariant& value, VARTYPE type) {
    switch (value.vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_R4:
    case VT_R8:
        value.ChangeType(type);
        return true;
    case VT_BSTR: {
        const double d = ParseReal(value);
        // A finite text beyond the single-precision range would not survive
        // the narrowing; refuse it rather than store a different number.
        if (type == VT_R4 && std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) {
            return false;
        }
        SetReal(value, type, d);
        return true;
    }
    case VT_BOOL:
        SetReal(value, type, value.boolVal != 0 ? 1.0 : 0.0);
        return true;
    default:
        return false;
    }
}

bool CastToBool(COleVariant& value) {
    // Whatever reads as a 32-bit integer reads as a boolean; the integer is
    // worked out on a copy so that a refusal leaves the value as it was.
    COleVariant probe(value);
    if (!CastToInteger(probe, VT_I4)) {
        return false;
    }
    SetBool(value, probe.lVal != 0);
    return true;
}

} // namespace

int VrlConversions::Cast(COleVariant& value, VARTYPE type) {
    if (value.vt == VT_NULL && type == VT_BSTR) {
        value.Clear();
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(L"");
        return TRUE;
    }
    if (value.vt == type || value.vt == VT_NULL) {
        return TRUE;
    }
    if (value.vt == VT_DECIMAL) {
        value.ChangeType(VT_R8);
    }

    switch (type) {
    case VT_EMPTY:
        return TRUE;
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
        // A 32-bit integer source is already handled above when the target
        // is VT_I4; the shared rules also cover the other widths.
        return CastToInteger(value, type) ? TRUE : FALSE;
    case VT_R4:
    case VT_R8:
        return CastToReal(value, type) ? TRUE : FALSE;
    case VT_BSTR:
        value.ChangeType(VT_BSTR);
        return TRUE;
    case VT_BOOL:
        return CastToBool(value) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

void VrlConversions::ForceCast(COleVariant& value, VARTYPE type) {
    if (!Cast(value, type)) {
        DuxException::Throw(4023, __FILE__, __LINE__, static_cast<int>(value.vt));
    }
}

void VrlConversions::CastByName(const CString& typeName, COleVariant& value) {
    if (sm_oMap.GetCount() == 0) {
        return;
    }
    switch (value.vt) {
    case VT_DECIMAL:
    case VT_R8:
    case VT_R4:
    case VT_I8:
    case VT_I4:
    case VT_I2:
    case VT_I1:
        break;
    default:
        return;
    }

    CString key(typeName);
    key.MakeLower();
    VARTYPE registered = VT_EMPTY;
    if (sm_oMap.Lookup(key.GetString(), registered)) {
        Cast(value, registered);
        if (registered == VT_I2 && value.vt == VT_I2) {
            // Readers that take the value as a 32-bit integer must not see
            // whatever the union held before.
            std::memset(reinterpret_cast<BYTE*>(&value.iVal) + sizeof(value.iVal), 0, 2);
        }
    } else if (value.vt == VT_DECIMAL || value.vt == VT_I8) {
        Cast(value, VT_I4);
    }
}

const wchar_t* VrlConversions::AnsiConstraintLimit(const CString& name) {
    constexpr int limit = cm_nConstraintNameLimit;
    constexpr int kept = limit - 5;
    const int length = name.GetLength();
    if (length <= limit) {
        return name.GetString();
    }

    // The result is always `limit` characters, so a name of any length fits
    // the buffer: every character after the kept prefix feeds the hash, and
    // none is copied. Only ASCII letters and digits count; other characters
    // (including letters of other scripts) leave the hash as it is.
    const wchar_t* text = name.GetString();
    uint32_t hash = 0;
    for (int i = kept; i < length; ++i) {
        const wchar_t ch = text[i];
        if (ch >= L'a' && ch <= L'z') {
            hash = hash * 25u + static_cast<uint32_t>(ch - L'a');
        } else if (ch >= L'A' && ch <= L'Z') {
            hash = hash * 25u + static_cast<uint32_t>(ch - L'A');
        } else if (ch >= L'0' && ch <= L'9') {
            hash = hash * 9u + static_cast<uint32_t>(ch - L'0');
        }
    }
    uint32_t suffix = (hash & 0x7FFFFFFFu) % 10000u;

    wchar_t* out = g_szConstraintLimitBuffer;
    std::wmemcpy(out, text, kept);
    out[kept] = L'Q';
    for (int i = limit - 1; i > kept; --i) {
        out[i] = static_cast<wchar_t>(L'0' + suffix % 10u);
        suffix /= 10u;
    }
    out[limit] = L'\0';
    return out;
}

VrlConversions::TypeMap* VrlConversions::GetMap() {
    return &sm_oMap;
}

} // namespace VrlSchemaLib
