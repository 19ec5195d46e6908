// VrlNameRules: whether a name can be written unquoted on one target, as the
// generators write every name: not empty, no control characters or blanks,
// only characters the target accepts in a plain identifier, within the
// target's length, and no reserved word.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "../platform/CString.h"
#include "../schemafile/SchemaDialect.h"

namespace VrlSchemaLib {

class VrlCheckReport;
struct VrlCheckPlace;
class VrlDbms;

class VrlNameRules {
public:
    enum class Kind { Table, Column, Constraint, Index, View, Procedure, Function, Parameter };

    VrlNameRules(Dialect target, const VrlDbms& generator);

    // Longest plain identifier of the target.
    static int MaxLength(Dialect target);

    // Reports what is wrong with `name`, if anything. Not for use by two
    // threads at once: names that passed are remembered.
    void Check(VrlCheckReport& report, Kind kind, const CString& name, const VrlCheckPlace& place) const;

private:
    // Models share one text among the many columns of one name, so the
    // same text is asked about again and again. The texts that passed last
    // are held here (a copy keeps the text where it is, so that the same
    // characters at the same address are the same name).
    struct Passed {
        CString name;
        Kind kind = Kind::Table;
    };
    static constexpr size_t kPassed = 64;
    Passed& PassedSlot(const CString& name) const;
    void CheckText(VrlCheckReport& report, Kind kind, const CString& name, const VrlCheckPlace& place) const;
    mutable std::array<Passed, kPassed> m_aPassed;

    // The first character of `name` the target does not accept unquoted,
    // or 0 when there is none.
    wchar_t FirstBadCharacter(std::wstring_view name) const;
    bool IsNameCharacter(wchar_t ch, bool first) const;

    Dialect m_eTarget;
    const VrlDbms& m_oGenerator;
};

} // namespace VrlSchemaLib
