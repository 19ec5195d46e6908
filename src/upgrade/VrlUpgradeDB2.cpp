#include "VrlUpgradeDB2.h"

#include "../schema/VrlField.h"
#include "../schema/VrlTable.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

CString VrlUpgradeDB2::Guard(const CString& probe, bool whenFound, const CString& statement) const {
    return CString::Concat(L"BEGIN\n\tDECLARE nCount INTEGER;\n\t", CountInto(probe, L"nCount"),
                           L";\n\tIF nCount ", whenFound ? L"> 0" : L"= 0", L" THEN\n\t\tEXECUTE IMMEDIATE '",
                           DoubleQuotes(statement), L"';\n\tEND IF;\nEND");
}

CString VrlUpgradeDB2::CatalogueCase(const CString& probe) const {
    CString upper = probe;
    upper.MakeUpper();
    return upper;
}

void VrlUpgradeDB2::ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                                 std::vector<VrlUpgradeStatement>& out) const {
    const CString clause = m_rGenerator.GetDefaultValue(newer);
    const CString olderClause = m_rGenerator.GetDefaultValue(older);
    if (clause == olderClause)
        return;
    const CString column =
        CString::Concat(L"ALTER TABLE ", table->GetNameRef(), L" ALTER COLUMN ", newer->GetNameRef());
    VrlUpgradeStatement statement =
        Unguarded(clause.IsEmpty() ? column + L" DROP DEFAULT" : column + L" SET " + clause);
    statement.m_strProbe = CatalogueCase(m_rGenerator.FormatObjectExists(newer));
    statement.m_bWhenFound = true;
    out.push_back(std::move(statement));
}

void VrlUpgradeDB2::ApplyNullability(const VrlTable* table, const VrlField* older, const VrlField* newer,
                                     std::vector<VrlUpgradeStatement>& out) const {
    const bool notNull = newer->GetNullType() == ntNotNull;
    if (notNull == (older->GetNullType() == ntNotNull))
        return;
    VrlUpgradeStatement statement =
        Unguarded(CString::Concat(L"ALTER TABLE ", table->GetNameRef(), L" ALTER COLUMN ",
                                  newer->GetNameRef(), notNull ? L" SET NOT NULL" : L" DROP NOT NULL"));
    statement.m_strProbe = CatalogueCase(m_rGenerator.FormatObjectExists(newer));
    statement.m_bWhenFound = true;
    out.push_back(std::move(statement));
}

CString VrlUpgradeDB2::Reorganize(const VrlTable* table) const {
    return CString::Concat(L"CALL SYSPROC.ADMIN_CMD('REORG TABLE ", table->GetNameRef(), L"')");
}

} // namespace VrlSchemaLib
