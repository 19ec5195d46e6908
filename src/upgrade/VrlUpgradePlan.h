// VrlUpgradePlan: the ordered steps that take a database from one schema
// version to another, and their two written forms: the script (guarded
// statements joined by the target's batch separator) and the listing (one
// line per step).
#pragma once

#include <vector>

#include "../platform/CString.h"
#include "../schema/VrlSchemaVersion.h"
#include "VrlUpgradeStep.h"

namespace VrlSchemaLib {

class VrlUpgradePlan {
public:
    VrlSchemaVersion m_oFrom;
    VrlSchemaVersion m_oTo;
    std::vector<VrlUpgradeStep> m_vSteps;
    CString m_strSeparator;  // the target's batch separator (template 6)
    CString m_strHeaderNote; // the target's own header lines

    // `header` (comment lines of the caller, each ended by a line break),
    // the target's note, then every statement followed by the separator. A
    // destructive step is introduced by a comment line naming it.
    CString WriteScript(const CString& header) const;
    // "<kind> <object>", with " (destructive)" where it applies, one line
    // per step.
    CString WriteListing() const;
    // "<kind> <object>" of every destructive step, in plan order.
    std::vector<CString> DestructiveSteps() const;
    size_t GetStatementCount() const;
};

} // namespace VrlSchemaLib
