// VrlUpgradeSqlServer: SQL Server upgrade steps. A statement runs through
// sp_executesql behind an IF on its probe:
//
//     IF (SELECT COUNT(*) FROM ...) = 0
//     EXEC sp_executesql N'<statement, quotes doubled>'
//
// (a probe that lists rows, such as the primary-key probe, is tested with
// IF [NOT] EXISTS). A column written with a default carries a default
// constraint that SQL Server names itself and that blocks ALTER COLUMN and
// DROP COLUMN; before either, the constraint's name is looked up at run time
// and the constraint dropped, and the default is put back afterwards.
#pragma once

#include "VrlUpgradeDialect.h"

namespace VrlSchemaLib {

class VrlUpgradeSqlServer : public VrlUpgradeDialect {
public:
    using VrlUpgradeDialect::VrlUpgradeDialect;

    CString Guard(const CString& probe, bool whenFound, const CString& statement) const override;
    bool WritesIndexType6() const override;
    void ReleaseColumn(const VrlTable* table, const VrlField* field,
                       std::vector<VrlUpgradeStatement>& out) const override;
    void ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                      std::vector<VrlUpgradeStatement>& out) const override;
    CString TriggerProbe(const CString& name) const override;
};

} // namespace VrlSchemaLib
