// VrlConversions: range-checked conversions of automation variants between
// the value kinds the schema uses. A conversion is either exact or refused, so
// that a default value or a seed row never changes silently on its way into
// SQL. Also converts by a type name that the host registers, and shortens
// constraint names for databases with an 18-character identifier limit.
//
// Text to number conversions do not depend on the process locale: a comma and
// a point both serve as the decimal separator.
#pragma once

#include "../platform/CMap.h"
#include "../platform/CString.h"
#include "../platform/PlatformTypes.h"

class COleVariant;

namespace VrlSchemaLib {

class VrlConversions {
public:
    // Type name (lower case) -> variant type code. Empty until the host
    // fills it through GetMap(); the library only reads it.
    using TypeMap = CMap<CString, const wchar_t*, VARTYPE, VARTYPE>;

    // Converts `value` to `type` in place. Non-zero when the value now holds
    // `type`, or is a null that stays null, or the target is VT_EMPTY (which
    // accepts anything unchanged). Zero when refused; the value is then
    // unchanged, except that a VT_DECIMAL has already become VT_R8.
    static int Cast(COleVariant& value, VARTYPE type);

    // Cast, raising DuxException 4023 (argument: the value's current type
    // code) when the conversion is refused.
    static void ForceCast(COleVariant& value, VARTYPE type);

    // Converts a numeric value to the type registered under `typeName`.
    // Unregistered names turn decimals and 64-bit integers into 32-bit
    // integers and leave other values alone; refusals are silent.
    static void CastByName(const CString& typeName, COleVariant& value);

    // `name` itself when it has at most 18 characters, else its first 13
    // characters followed by "Q" and a four-digit hash of the rest. A
    // shortened name lives in a process-wide buffer that the next call
    // overwrites: copy it at once, and do not call from two threads at a time.
    // A name that is returned unchanged points into the caller's string.
    static const wchar_t* AnsiConstraintLimit(const CString& name);

    static TypeMap* GetMap();

    static TypeMap sm_oMap;

    static constexpr int cm_nConstraintNameLimit = 18;
};

} // namespace VrlSchemaLib
