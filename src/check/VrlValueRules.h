// VrlValueRules: whether a default or a seed value reaches its column as
// given. The generators force every value into the column's type and write
// what comes out ("abc" for an integer becomes 0, a float keeps six
// decimals), so a value that does not convert exactly is an error here.
#pragma once

#include <string>
#include <unordered_map>

#include "../platform/CString.h"
#include "../platform/Variant.h"
#include "../schema/VrlEnums.h"
#include "../schemafile/SchemaDialect.h"

namespace VrlSchemaLib {

class VrlCheckReport;
struct VrlCheckPlace;
class VrlDbms;
class VrlField;

class VrlValueRules {
public:
    VrlValueRules(Dialect target, const VrlDbms& generator, bool unicodeLiterals);

    // `what` names the value in messages ("default", "seed value").
    void Check(VrlCheckReport& report, const VrlField& field, const VARIANT& value, const wchar_t* what,
               const VrlCheckPlace& place) const;

private:
    void CheckInteger(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                      const wchar_t* what, const VrlCheckPlace& place) const;
    void CheckFloat(VrlCheckReport& report, const VARIANT& value, const wchar_t* what,
                    const VrlCheckPlace& place) const;
    void CheckText(VrlCheckReport& report, const VrlField& field, const VARIANT& value, const wchar_t* what,
                   const VrlCheckPlace& place) const;
    void CheckDate(VrlCheckReport& report, const VARIANT& value, const wchar_t* what,
                   const VrlCheckPlace& place) const;

    // Longest text a column of the type and length holds as the target writes
    // it, or 0 for no limit.
    long TextLimit(VrlDataType type, long length) const;

    Dialect m_eTarget;
    const VrlDbms& m_oGenerator;
    bool m_bUnicodeLiterals;
    mutable std::unordered_map<long long, long> m_oTextLimits;
};

} // namespace VrlSchemaLib
