#include "VrlUpgradeRefusal.h"

namespace VrlSchemaLib {

VrlUpgradeRefusal::VrlUpgradeRefusal(VrlSchemaVersion from, VrlSchemaVersion to,
                                     std::vector<VrlDataLoss> losses)
    : std::runtime_error(Compose(from, to, losses).ToUtf8()), m_vLosses(std::move(losses)),
      m_strMessage(Compose(from, to, m_vLosses)) {}

CString VrlUpgradeRefusal::VersionText(VrlSchemaVersion version) {
    CString text;
    if (version.GetServicePackNumber() == 0)
        text.Format(L"%d", static_cast<int>(version.GetVersion()));
    else
        text.Format(L"%d.%d", static_cast<int>(version.GetVersion()),
                    static_cast<int>(version.GetServicePackNumber()));
    return text;
}

CString VrlUpgradeRefusal::Compose(VrlSchemaVersion from, VrlSchemaVersion to,
                                   const std::vector<VrlDataLoss>& losses) {
    const CString fromText = VersionText(from);
    const CString toText = VersionText(to);
    CString message = CString::Concat(L"refused: the upgrade from version ", fromText, L" to version ",
                                      toText, L" can lose data in ");
    CString count;
    count.Format(losses.size() == 1 ? L"%d column" : L"%d columns", static_cast<int>(losses.size()));
    message += count;
    for (const VrlDataLoss& loss : losses) {
        message +=
            CString::Concat(L"\n  table ", loss.m_strTable, L", column ", loss.m_strColumn, L": ",
                            loss.m_strFromDefinition, L" in version ", fromText, L", ",
                            loss.m_strToDefinition, L" in version ", toText, L" (", loss.m_strReason, L")");
    }
    return message;
}

} // namespace VrlSchemaLib
