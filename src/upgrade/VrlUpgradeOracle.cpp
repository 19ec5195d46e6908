#include "VrlUpgradeOracle.h"

#include <cwchar>

#include "../dialects/VrlDbmsOracle.h"
#include "../schema/VrlField.h"
#include "../schema/VrlTable.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

CString VrlUpgradeOracle::Guard(const CString& probe, bool whenFound, const CString& statement) const {
    return CString::Concat(L"DECLARE\n\tnCount INTEGER;\nBEGIN\n\t", CountInto(probe, L"nCount"),
                           L";\n\tIF nCount ", whenFound ? L"> 0" : L"= 0", L" THEN\n\t\tEXECUTE IMMEDIATE '",
                           DoubleQuotes(statement), L"';\n\tEND IF;\nEND;");
}

CString VrlUpgradeOracle::CatalogueCase(const CString& probe) const {
    CString upper = probe;
    upper.MakeUpper();
    return upper;
}

bool VrlUpgradeOracle::GuardsItself(const CString& statement) const {
    // Every drop block of the generator opens with the same first line.
    const wchar_t* block = VrlDbmsOracle::cm_pszDropIndexFormat;
    const wchar_t* end = std::wcschr(block, L'\n');
    const int length = static_cast<int>(end - block);
    return statement.GetLength() >= length && std::wcsncmp(statement.GetString(), block, length) == 0;
}

void VrlUpgradeOracle::ApplyNullability(const VrlTable* table, const VrlField*, const VrlField* newer,
                                        std::vector<VrlUpgradeStatement>& out) const {
    if (newer->GetNullType() != ntNotNull)
        return;
    // MODIFY ... NOT NULL fails on a column that is NOT NULL already: the
    // guard looks for the column still nullable.
    VrlUpgradeStatement statement = Unguarded(CString::Concat(
        L"ALTER TABLE ", table->GetNameRef(), L" MODIFY (", newer->GetNameRef(), L" NOT NULL)"));
    CString probe = m_rGenerator.FormatObjectExists(newer);
    probe.TrimRight();
    statement.m_strProbe = CatalogueCase(probe + L" AND NULLABLE = 'Y'");
    statement.m_bWhenFound = true;
    out.push_back(std::move(statement));
}

void VrlUpgradeOracle::ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                                    std::vector<VrlUpgradeStatement>& out) const {
    CString clause = m_rGenerator.GetDefaultValue(newer);
    if (clause.IsEmpty()) {
        if (m_rGenerator.GetDefaultValue(older).IsEmpty())
            return;
        clause = L"DEFAULT NULL";
    }
    VrlUpgradeStatement statement = Unguarded(CString::Concat(
        L"ALTER TABLE ", table->GetNameRef(), L" MODIFY (", newer->GetNameRef(), L" ", clause, L")"));
    statement.m_strProbe = CatalogueCase(m_rGenerator.FormatObjectExists(newer));
    statement.m_bWhenFound = true;
    out.push_back(std::move(statement));
}

} // namespace VrlSchemaLib
