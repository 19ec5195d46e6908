#include "VrlUpgradeDialect.h"

#include "../sqlgen/VrlDbms.h"
#include "VrlUpgradeAccess.h"
#include "VrlUpgradeDB2.h"
#include "VrlUpgradeOracle.h"
#include "VrlUpgradePostgres.h"
#include "VrlUpgradeSqlServer.h"

namespace VrlSchemaLib {

std::unique_ptr<VrlUpgradeDialect> VrlUpgradeDialect::For(const VrlDbms& generator) {
    switch (generator.GetDbmsType()) {
    case VrlDbms::cm_nSqlServer:
        return std::make_unique<VrlUpgradeSqlServer>(generator);
    case VrlDbms::cm_nOracle:
        return std::make_unique<VrlUpgradeOracle>(generator);
    case VrlDbms::cm_nDB2:
        return std::make_unique<VrlUpgradeDB2>(generator);
    case VrlDbms::cm_nPostgres:
        return std::make_unique<VrlUpgradePostgres>(generator);
    default:
        // A target the planner does not know gets the generator's statements
        // in order, without guards, as Access does.
        return std::make_unique<VrlUpgradeAccess>(generator);
    }
}

VrlUpgradeDialect::~VrlUpgradeDialect() = default;

bool VrlUpgradeDialect::HasCatalogue() const {
    return true;
}

CString VrlUpgradeDialect::CatalogueCase(const CString& probe) const {
    return probe;
}

bool VrlUpgradeDialect::GuardsItself(const CString&) const {
    return false;
}

CString VrlUpgradeDialect::HeaderNote() const {
    return CString();
}

bool VrlUpgradeDialect::WritesIndexType6() const {
    return false;
}

void VrlUpgradeDialect::ReleaseColumn(const VrlTable*, const VrlField*,
                                      std::vector<VrlUpgradeStatement>&) const {}

void VrlUpgradeDialect::ApplyDefault(const VrlTable*, const VrlField*, const VrlField*,
                                     std::vector<VrlUpgradeStatement>&) const {}

void VrlUpgradeDialect::ApplyNullability(const VrlTable*, const VrlField*, const VrlField*,
                                         std::vector<VrlUpgradeStatement>&) const {}

CString VrlUpgradeDialect::Reorganize(const VrlTable*) const {
    return CString();
}

CString VrlUpgradeDialect::TriggerProbe(const CString&) const {
    return CString();
}

bool VrlUpgradeDialect::IsCountProbe(const CString& probe) {
    return probe.Left(15).CompareNoCase(L"SELECT COUNT(*)") == 0;
}

CString VrlUpgradeDialect::CountInto(const CString& probe, const wchar_t* variable) {
    CString query = probe;
    query.TrimRight();
    if (IsCountProbe(query))
        return CString::Concat(L"SELECT COUNT(*) INTO ", variable, query.View().substr(15));
    return CString::Concat(L"SELECT COUNT(*) INTO ", variable, L" FROM (", query, L") p");
}

CString VrlUpgradeDialect::DoubleQuotes(const CString& text) {
    CString result = text;
    result.Replace(L"'", L"''");
    return result;
}

VrlUpgradeStatement VrlUpgradeDialect::Unguarded(const CString& text) {
    VrlUpgradeStatement statement;
    statement.m_strText = text;
    return statement;
}

} // namespace VrlSchemaLib
