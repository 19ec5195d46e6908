#include "VrlNameRules.h"

#include <algorithm>
#include <cstdio>

#include "../sqlgen/VrlDbms.h"
#include "VrlCheckReport.h"
#include "VrlReservedWords.h"

namespace VrlSchemaLib {

namespace {

const wchar_t* KindWord(VrlNameRules::Kind kind) {
    switch (kind) {
    case VrlNameRules::Kind::Table:
        return L"table";
    case VrlNameRules::Kind::Column:
        return L"column";
    case VrlNameRules::Kind::Constraint:
        return L"constraint";
    case VrlNameRules::Kind::Index:
        return L"index";
    case VrlNameRules::Kind::View:
        return L"view";
    case VrlNameRules::Kind::Procedure:
        return L"procedure";
    case VrlNameRules::Kind::Function:
        return L"function";
    case VrlNameRules::Kind::Parameter:
        return L"parameter";
    }
    return L"object";
}

CString Number(long value) {
    CString text;
    text.Format(L"%ld", value);
    return text;
}

CString CharacterName(wchar_t ch) {
    wchar_t text[32];
    if (ch == L' ')
        return CString(L"a blank");
    if (ch < 0x20 || ch == 0x7F) {
        std::swprintf(text, 32, L"the control character U+%04X", static_cast<unsigned>(ch));
    } else {
        std::swprintf(text, 32, L"\"%lc\" (U+%04X)", ch, static_cast<unsigned>(ch));
    }
    return CString(text);
}

} // namespace

VrlNameRules::VrlNameRules(Dialect target, const VrlDbms& generator)
    : m_eTarget(target), m_oGenerator(generator) {}

int VrlNameRules::MaxLength(Dialect target) {
    switch (target) {
    case Dialect::SqlServer:
    case Dialect::DB2:
        return 128;
    case Dialect::Oracle:
        return 30;
    case Dialect::Access:
        return 64;
    case Dialect::Postgres:
        // NAMEDATALEN - 1; the server cuts a longer name without an error.
        return 63;
    }
    return 128;
}

bool VrlNameRules::IsNameCharacter(wchar_t ch, bool first) const {
    if ((ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || ch == L'_')
        return true;
    // SQL Server and PostgreSQL take letters of any script in a plain
    // identifier; the others only within quotes.
    if (ch >= 0xA0)
        return m_eTarget == Dialect::SqlServer || m_eTarget == Dialect::Postgres;
    if (first)
        return false;
    if (ch >= L'0' && ch <= L'9')
        return true;
    switch (m_eTarget) {
    case Dialect::SqlServer:
        return ch == L'$' || ch == L'#' || ch == L'@';
    case Dialect::Oracle:
    case Dialect::DB2:
        return ch == L'$' || ch == L'#';
    case Dialect::Postgres:
        return ch == L'$';
    case Dialect::Access:
        return false;
    }
    return false;
}

wchar_t VrlNameRules::FirstBadCharacter(std::wstring_view name) const {
    for (size_t i = 0; i < name.size(); ++i) {
        if (!IsNameCharacter(name[i], i == 0))
            return name[i];
    }
    return 0;
}

VrlNameRules::Passed& VrlNameRules::PassedSlot(const CString& name) const {
    const auto address = reinterpret_cast<uintptr_t>(name.GetString());
    return m_aPassed[(address >> 4 ^ address >> 10) % kPassed];
}

void VrlNameRules::Check(VrlCheckReport& report, Kind kind, const CString& name,
                         const VrlCheckPlace& place) const {
    Passed& passed = PassedSlot(name);
    if (passed.kind == kind && !name.IsEmpty() && passed.name.GetString() == name.GetString())
        return;
    const size_t before = report.Count();
    CheckText(report, kind, name, place);
    if (report.Count() == before && !name.IsEmpty()) {
        passed.name = name;
        passed.kind = kind;
    }
}

void VrlNameRules::CheckText(VrlCheckReport& report, Kind kind, const CString& name,
                             const VrlCheckPlace& place) const {
    // The texts are made only for what is reported: most names pass.
    if (name.IsEmpty()) {
        report.Error("name-empty", place, L"the " + CString(KindWord(kind)) + L" has no name; give it one");
        return;
    }
    std::wstring_view plain = name.View();
    if (kind == Kind::Parameter && plain[0] == L'@') {
        const CString written = m_oGenerator.FormatParameterName(name);
        report.Warning("param-at-prefix", place,
                       L"parameter " + VrlCheckReport::Quoted(name) + L" is written as " +
                           VrlCheckReport::Quoted(written) +
                           L" on this target: the generator adds the "
                           L"prefix itself; give the name without \"@\"");
        plain.remove_prefix(std::min(plain.find_first_not_of(L'@'), plain.size()));
        if (plain.empty())
            return;
    }
    if (const wchar_t bad = FirstBadCharacter(plain)) {
        report.Error("name-invalid-char", place,
                     CString(KindWord(kind)) + L" name " + VrlCheckReport::Quoted(name) + L" holds " +
                         CharacterName(bad) +
                         L", which this target accepts only in a quoted name and the generator writes "
                         L"names unquoted; use letters, digits and \"_\", starting with a letter");
        return;
    }
    const int limit = MaxLength(m_eTarget);
    // Parameters are measured as written, with the prefix the target adds.
    const int length =
        kind == Kind::Parameter ? m_oGenerator.FormatParameterName(name).GetLength() : name.GetLength();
    // Oracle and DB2 shorten index names to 18 characters themselves.
    const bool shortened = kind == Kind::Index && (m_eTarget == Dialect::Oracle || m_eTarget == Dialect::DB2);
    if (length > limit && !shortened) {
        report.Error("name-too-long", place,
                     CString(KindWord(kind)) + L" name " + VrlCheckReport::Quoted(name) + L" has " +
                         Number(length) + L" characters as written; this target allows at most " +
                         Number(limit));
        return;
    }
    if (kind != Kind::Parameter && VrlReservedWords::IsReserved(m_eTarget, plain)) {
        report.Warning("name-reserved", place,
                       CString(KindWord(kind)) + L" name " + VrlCheckReport::Quoted(name) +
                           L" is a reserved word of this target and is written unquoted; rename it");
    }
}

} // namespace VrlSchemaLib
