#include "VrlUpgradeSqlServer.h"

#include "../schema/VrlField.h"
#include "../schema/VrlTable.h"
#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

namespace {

// The default constraints of one column, joined to the column by its id.
CString DefaultConstraintsOf(const VrlTable* table, const VrlField* field, const CString& selected) {
    return CString::Concat(
        L"SELECT ", selected,
        L" FROM sys.default_constraints d INNER JOIN sys.columns c ON c.object_id = "
        L"d.parent_object_id AND c.column_id = d.parent_column_id WHERE d.parent_object_id = "
        L"OBJECT_ID(N'",
        table->GetNameRef(), L"') AND c.name = N'", field->GetNameRef(), L"'");
}

} // namespace

CString VrlUpgradeSqlServer::Guard(const CString& probe, bool whenFound, const CString& statement) const {
    CString test;
    if (IsCountProbe(probe))
        test = CString::Concat(L"IF (", probe, whenFound ? L") > 0" : L") = 0");
    else
        test = CString::Concat(whenFound ? L"IF EXISTS (" : L"IF NOT EXISTS (", probe, L")");
    return CString::Concat(test, L"\nEXEC sp_executesql N'", DoubleQuotes(statement), L"'");
}

bool VrlUpgradeSqlServer::WritesIndexType6() const {
    return true;
}

void VrlUpgradeSqlServer::ReleaseColumn(const VrlTable* table, const VrlField* field,
                                        std::vector<VrlUpgradeStatement>& out) const {
    if (m_rGenerator.GetDefaultValue(field).IsEmpty())
        return;
    // The name is whatever SQL Server chose when the column was created, so
    // it is read from the catalogue when the script runs; the test on it
    // makes the statement its own guard.
    const CString drop = CString::Concat(L"N'ALTER TABLE ", DoubleQuotes(table->GetNameRef()),
                                         L" DROP CONSTRAINT ' + QUOTENAME(d.name)");
    out.push_back(
        Unguarded(CString::Concat(L"DECLARE @sDropDefault nvarchar(400)\n",
                                  DefaultConstraintsOf(table, field, L"@sDropDefault = " + drop),
                                  L"\nIF @sDropDefault IS NOT NULL EXEC sp_executesql @sDropDefault")));
}

void VrlUpgradeSqlServer::ApplyDefault(const VrlTable* table, const VrlField*, const VrlField* newer,
                                       std::vector<VrlUpgradeStatement>& out) const {
    const CString clause = m_rGenerator.GetDefaultValue(newer);
    if (clause.IsEmpty())
        return;
    VrlUpgradeStatement statement =
        Unguarded(CString::Concat(L"ALTER TABLE ", table->GetNameRef(), L" ADD ", clause, L" FOR ",
                                  m_rGenerator.FormatFieldName(newer->GetNameRef())));
    statement.m_strProbe = DefaultConstraintsOf(table, newer, L"COUNT(*)");
    statement.m_bWhenFound = false;
    out.push_back(std::move(statement));
}

CString VrlUpgradeSqlServer::TriggerProbe(const CString& name) const {
    return CString::Concat(L"SELECT COUNT(*) FROM sys.objects WHERE TYPE='TR' AND object_id=OBJECT_ID(N'",
                           name, L"')");
}

} // namespace VrlSchemaLib
