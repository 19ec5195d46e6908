// Fuzz target of VrlConversions: Cast, ForceCast, CastByName and
// AnsiConstraintLimit.
//
// Input: one line "<source> <target> <value>", where source and target are
// type names (empty null i1 i2 i4 i8 r4 r8 date bstr bool dec), a target may
// also be "#<code>" (any type code) or "by:<name>" (CastByName with that
// type name), and the value is the rest of the input: the text itself for
// bstr, otherwise a number. The value text also serves as a constraint name.
//
// Properties checked: a conversion is exact or refused; a refusal leaves the
// value as it was (a decimal having become a double); ForceCast refuses with
// DuxException 4023 exactly where Cast refuses; a shortened constraint name
// is 18 characters, the first 13 of the name, "Q" and four digits. The
// framework's own conversion failures (COleException) are documented and
// accepted.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "FuzzSupport.h"
#include "platform/COleException.h"
#include "platform/COleVariant.h"
#include "platform/Variant.h"
#include "support/VrlConversions.h"

namespace {

using VrlSchemaLib::VrlConversions;

struct TypeName {
    const char* name;
    VARTYPE vt;
};

const TypeName kTypes[] = {{"empty", VT_EMPTY}, {"null", VT_NULL}, {"i1", VT_I1},     {"i2", VT_I2},
                           {"i4", VT_I4},       {"i8", VT_I8},     {"r4", VT_R4},     {"r8", VT_R8},
                           {"date", VT_DATE},   {"bstr", VT_BSTR}, {"bool", VT_BOOL}, {"dec", VT_DECIMAL}};

bool Lookup(const std::string& word, VARTYPE& vt) {
    for (const TypeName& t : kTypes) {
        if (word == t.name) {
            vt = t.vt;
            return true;
        }
    }
    if (word.size() > 1 && word[0] == '#') {
        vt = static_cast<VARTYPE>(std::strtoul(word.c_str() + 1, nullptr, 0));
        return true;
    }
    return false;
}

// "[-]digits[.digits]": the 96-bit integer wraps, the scale is the number of
// fraction digits (so it may exceed the valid 28).
DECIMAL ParseDecimal(const std::string& text) {
    DECIMAL d{};
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.sign = DECIMAL_NEG;
        ++i;
    }
    unsigned __int128 value = 0;
    bool fraction = false;
    unsigned scale = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !fraction) {
            fraction = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
            value &= (static_cast<unsigned __int128>(1) << 96) - 1;
            scale += fraction ? 1 : 0;
        } else {
            break;
        }
    }
    d.scale = static_cast<BYTE>(scale > 255 ? 255 : scale);
    d.Lo64 = static_cast<ULONGLONG>(value);
    d.Hi32 = static_cast<ULONG>(value >> 64);
    return d;
}

COleVariant MakeValue(VARTYPE vt, const std::string& text) {
    COleVariant v;
    const long long integer = std::strtoll(text.c_str(), nullptr, 0);
    const double real = std::strtod(text.c_str(), nullptr);
    switch (vt) {
    case VT_NULL:
        v.vt = VT_NULL;
        break;
    case VT_I1:
        v.vt = VT_I1;
        v.cVal = static_cast<CHAR>(integer);
        break;
    case VT_I2:
        v.vt = VT_I2;
        v.iVal = static_cast<SHORT>(integer);
        break;
    case VT_I4:
        v.vt = VT_I4;
        v.lVal = static_cast<LONG>(integer);
        break;
    case VT_I8:
        v.vt = VT_I8;
        v.llVal = integer;
        break;
    case VT_R4:
        v.vt = VT_R4;
        v.fltVal = static_cast<float>(real);
        break;
    case VT_R8:
        v.vt = VT_R8;
        v.dblVal = real;
        break;
    case VT_DATE:
        v.vt = VT_DATE;
        v.date = real;
        break;
    case VT_BSTR: {
        const std::wstring wide = Utf8ToWide(text);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        break;
    }
    case VT_BOOL:
        // Hosts write -1 and 0, but any non-zero word reads as true.
        v.vt = VT_BOOL;
        v.boolVal = static_cast<VARIANT_BOOL>(integer);
        break;
    case VT_DECIMAL:
        v.decVal = ParseDecimal(text);
        v.vt = VT_DECIMAL;
        break;
    default:
        break;
    }
    return v;
}

// Whether a value is left exactly as it was, bit for bit: unlike
// VariantValuesEqual, a NaN equals itself and 1.0 does not equal 1.00 as a
// decimal, because a refused conversion must not touch the value at all.
bool Same(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt)
        return false;
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I1:
        return a.cVal == b.cVal;
    case VT_I2:
    case VT_BOOL:
        return a.iVal == b.iVal;
    case VT_I4:
        return a.lVal == b.lVal;
    case VT_R4:
        return std::memcmp(&a.fltVal, &b.fltVal, sizeof(float)) == 0;
    case VT_BSTR:
        return SysStringLen(a.bstrVal) == SysStringLen(b.bstrVal) &&
               std::wmemcmp(a.bstrVal ? a.bstrVal : L"", b.bstrVal ? b.bstrVal : L"",
                            SysStringLen(a.bstrVal)) == 0;
    case VT_DECIMAL:
        return a.decVal.scale == b.decVal.scale && a.decVal.sign == b.decVal.sign &&
               a.decVal.Hi32 == b.decVal.Hi32 && a.decVal.Lo64 == b.decVal.Lo64;
    default:
        return a.llVal == b.llVal;
    }
}

bool IsInteger(VARTYPE vt) {
    return vt == VT_I1 || vt == VT_I2 || vt == VT_I4 || vt == VT_I8;
}

long long IntegerOf(const VARIANT& v) {
    switch (v.vt) {
    case VT_I1:
        return static_cast<int8_t>(v.cVal);
    case VT_I2:
        return v.iVal;
    case VT_I4:
        return v.lVal;
    default:
        return v.llVal;
    }
}

void CheckCast(const COleVariant& original, VARTYPE type) {
    COleVariant value(original);
    int ok = 0;
    try {
        ok = VrlConversions::Cast(value, type);
    } catch (COleException* e) {
        e->Delete();
        return;
    }
    COleVariant source(original);
    if (source.vt == VT_DECIMAL && type != VT_DECIMAL) {
        try {
            source.ChangeType(VT_R8);
        } catch (COleException* e) {
            e->Delete();
        }
    }
    if (!ok) {
        FUZZ_CHECK(Same(value, source));
    } else if (original.vt == VT_NULL) {
        FUZZ_CHECK(value.vt == (type == VT_BSTR ? VT_BSTR : VT_NULL));
    } else if (type == VT_EMPTY) {
        FUZZ_CHECK(Same(value, source));
    } else {
        FUZZ_CHECK(value.vt == type);
        // Integer results keep the value exactly.
        if (IsInteger(type) && IsInteger(source.vt))
            FUZZ_CHECK(IntegerOf(value) == IntegerOf(source));
        if (IsInteger(type) && source.vt == VT_R8)
            FUZZ_CHECK(static_cast<double>(IntegerOf(value)) == source.dblVal);
        if (IsInteger(type) && source.vt == VT_R4)
            FUZZ_CHECK(static_cast<double>(IntegerOf(value)) == static_cast<double>(source.fltVal));
        // A boolean source is kept as it is, whatever word it holds.
        if (type == VT_BOOL && original.vt != VT_BOOL)
            FUZZ_CHECK(value.boolVal == VARIANT_TRUE || value.boolVal == VARIANT_FALSE);
    }

    // ForceCast refuses exactly where Cast does.
    COleVariant forced(original);
    long code = 0;
    try {
        code = VrlSchemaFuzz::ExpectOnly({4023}, [&] { VrlConversions::ForceCast(forced, type); });
    } catch (COleException* e) {
        e->Delete();
        return;
    }
    FUZZ_CHECK((code == 4023) == (ok == 0));
}

void CheckConstraintName(const CString& name) {
    const wchar_t* result = VrlConversions::AnsiConstraintLimit(name);
    const int limit = VrlConversions::cm_nConstraintNameLimit;
    if (name.GetLength() <= limit) {
        FUZZ_CHECK(result == name.GetString());
        return;
    }
    FUZZ_CHECK(std::wmemcmp(result, name.GetString(), limit - 5) == 0);
    FUZZ_CHECK(result[limit - 5] == L'Q');
    for (int i = limit - 4; i < limit; ++i)
        FUZZ_CHECK(result[i] >= L'0' && result[i] <= L'9');
    FUZZ_CHECK(result[limit] == L'\0');
}

void RegisterTypeNames() {
    static const bool done = [] {
        VrlConversions::TypeMap* map = VrlConversions::GetMap();
        map->SetAt(L"tinyint", VT_I1);
        map->SetAt(L"smallint", VT_I2);
        map->SetAt(L"int", VT_I4);
        map->SetAt(L"bigint", VT_I8);
        map->SetAt(L"real", VT_R4);
        map->SetAt(L"float", VT_R8);
        map->SetAt(L"bit", VT_BOOL);
        map->SetAt(L"text", VT_BSTR);
        map->SetAt(L"odd", static_cast<VARTYPE>(77));
        return true;
    }();
    (void)done;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VrlSchemaFuzz::StartLibrary();
    RegisterTypeNames();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t space1 = input.find(' ');
    const size_t space2 = space1 == std::string::npos ? std::string::npos : input.find(' ', space1 + 1);
    const std::string valueText = space2 == std::string::npos ? std::string() : input.substr(space2 + 1);
    CheckConstraintName(CString(Utf8ToWide(valueText)));

    VARTYPE source = VT_EMPTY;
    if (space2 == std::string::npos || !Lookup(input.substr(0, space1), source))
        return 0;
    const std::string target = input.substr(space1 + 1, space2 - space1 - 1);
    const COleVariant original = MakeValue(source, valueText);

    if (target.rfind("by:", 0) == 0) {
        COleVariant value(original);
        try {
            VrlConversions::CastByName(CString(Utf8ToWide(target.substr(3))), value);
        } catch (COleException* e) {
            e->Delete();
        }
        if (value.vt == VT_I2)
            FUZZ_CHECK((value.lVal >> 16) == 0);
        return 0;
    }
    VARTYPE type = VT_EMPTY;
    if (Lookup(target, type))
        CheckCast(original, type);
    return 0;
}
