// VrlValueRules: whether a default or a seed value reaches its column as
// given. The generators force every value into the column's type and write
// what comes out ("abc" for an integer becomes 0, a float keeps six
// decimals), so a value that does not convert exactly is an error here.
#pragma once

#include <string>

#include "../platform/CString.h"
#include "../platform/Variant.h"
#include "../schemafile/SchemaDialect.h"

namespace VrlSchemaLib {

class VrlCheckReport;
class VrlDbms;
class VrlField;

class VrlValueRules {
public:
    VrlValueRules(Dialect target, const VrlDbms& generator, bool unicodeLiterals);

    // `what` names the value in messages ("default", "seed value").
    void Check(VrlCheckReport& report, const VrlField& field, const VARIANT& value, const wchar_t* what,
               const CString& objectPath, const std::string& jsonPath) const;

private:
    void CheckInteger(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                      const CString& subject, const CString& objectPath, const std::string& jsonPath) const;
    void CheckFloat(VrlCheckReport& report, const VARIANT& value, const CString& subject,
                    const CString& objectPath, const std::string& jsonPath) const;
    void CheckText(VrlCheckReport& report, const VrlField& field, const VARIANT& value,
                   const CString& subject, const CString& objectPath, const std::string& jsonPath) const;
    void CheckDate(VrlCheckReport& report, const VARIANT& value, const CString& subject,
                   const CString& objectPath, const std::string& jsonPath) const;

    Dialect m_eTarget;
    const VrlDbms& m_oGenerator;
    bool m_bUnicodeLiterals;
};

} // namespace VrlSchemaLib
