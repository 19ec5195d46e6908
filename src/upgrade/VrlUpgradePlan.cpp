#include "VrlUpgradePlan.h"

namespace VrlSchemaLib {

namespace {

CString StepTitle(const VrlUpgradeStep& step) {
    return CString::Concat(VrlUpgradeStepKindName(step.m_eKind), L" ", step.m_strObject);
}

} // namespace

CString VrlUpgradePlan::WriteScript(const CString& header) const {
    size_t length = static_cast<size_t>(header.GetLength() + m_strHeaderNote.GetLength()) + 1;
    for (const VrlUpgradeStep& step : m_vSteps) {
        for (const VrlUpgradeStatement& statement : step.m_vStatements)
            length += static_cast<size_t>(statement.m_strGuarded.GetLength() + m_strSeparator.GetLength());
        if (step.m_bDestructive)
            length += 64 + static_cast<size_t>(step.m_strObject.GetLength());
    }
    CString script;
    script.Preallocate(static_cast<int>(length));
    script += header;
    script += m_strHeaderNote;
    if (!script.IsEmpty())
        script += L"\n";
    for (const VrlUpgradeStep& step : m_vSteps) {
        for (size_t i = 0; i < step.m_vStatements.size(); ++i) {
            if (i == 0 && step.m_bDestructive)
                script += CString::Concat(L"-- destructive: ", StepTitle(step), L"\n");
            script += step.m_vStatements[i].m_strGuarded;
            script += m_strSeparator;
        }
    }
    return script;
}

CString VrlUpgradePlan::WriteListing() const {
    CString listing;
    for (const VrlUpgradeStep& step : m_vSteps) {
        listing += StepTitle(step);
        if (step.m_bDestructive)
            listing += L" (destructive)";
        listing += L"\n";
    }
    return listing;
}

std::vector<CString> VrlUpgradePlan::DestructiveSteps() const {
    std::vector<CString> titles;
    for (const VrlUpgradeStep& step : m_vSteps) {
        if (step.m_bDestructive)
            titles.push_back(StepTitle(step));
    }
    return titles;
}

size_t VrlUpgradePlan::GetStatementCount() const {
    size_t count = 0;
    for (const VrlUpgradeStep& step : m_vSteps)
        count += step.m_vStatements.size();
    return count;
}

} // namespace VrlSchemaLib
