#include "VrlUpgradePostgres.h"

#include "../schema/VrlField.h"
#include "../schema/VrlTable.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

CString VrlUpgradePostgres::Guard(const CString& probe, bool whenFound, const CString& statement) const {
    return CString::Concat(L"DO $guard$\nDECLARE\n\tnCount integer;\nBEGIN\n\t", CountInto(probe, L"nCount"),
                           L";\n\tIF nCount ", whenFound ? L"> 0" : L"= 0", L" THEN\n\t\tEXECUTE '",
                           DoubleQuotes(statement), L"';\n\tEND IF;\nEND\n$guard$");
}

CString VrlUpgradePostgres::CatalogueCase(const CString& probe) const {
    CString lower = probe;
    lower.MakeLower();
    return lower;
}

void VrlUpgradePostgres::ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                                      std::vector<VrlUpgradeStatement>& out) const {
    const CString clause = m_rGenerator.GetDefaultValue(newer);
    if (clause == m_rGenerator.GetDefaultValue(older))
        return;
    const CString change = clause.IsEmpty() ? CString(L"DROP DEFAULT") : CString::Concat(L"SET ", clause);
    VrlUpgradeStatement statement = Unguarded(CString::Concat(
        L"ALTER TABLE ", table->GetNameRef(), L" ALTER COLUMN ", newer->GetNameRef(), L" ", change));
    statement.m_strProbe = CatalogueCase(m_rGenerator.FormatObjectExists(newer));
    statement.m_bWhenFound = true;
    out.push_back(std::move(statement));
}

} // namespace VrlSchemaLib
