// VrlUpgradeRefusal: raised by the planner when the upgrade would change
// columns in ways that can lose data and the caller has not allowed it. It
// names every such column: table, column, both definitions, both versions.
// Thrown by value; what() is the whole message in UTF-8.
#pragma once

#include <stdexcept>
#include <vector>

#include "../platform/CString.h"
#include "../schema/VrlSchemaVersion.h"

namespace VrlSchemaLib {

struct VrlDataLoss {
    CString m_strTable;
    CString m_strColumn;
    CString m_strFromDefinition; // type, length, default and null clause, as the target writes them
    CString m_strToDefinition;
    CString m_strReason; // "a shorter length", "a type that does not hold every value", ...
};

class VrlUpgradeRefusal : public std::runtime_error {
public:
    VrlUpgradeRefusal(VrlSchemaVersion from, VrlSchemaVersion to, std::vector<VrlDataLoss> losses);

    const std::vector<VrlDataLoss>& GetLosses() const { return m_vLosses; }
    // One line of introduction, then one line per column.
    const CString& GetMessage() const { return m_strMessage; }

    // "35" or "35.10001": the version and, when not 0, the service pack.
    static CString VersionText(VrlSchemaVersion version);

private:
    static CString Compose(VrlSchemaVersion from, VrlSchemaVersion to,
                           const std::vector<VrlDataLoss>& losses);

    std::vector<VrlDataLoss> m_vLosses;
    CString m_strMessage;
};

} // namespace VrlSchemaLib
