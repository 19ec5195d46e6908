// VrlUpgradeAccess: Access (Jet) upgrade steps. Jet has no catalogue that
// SQL can query, so the statements are written without guards, and the
// script header says that the script is to run once, on a database of the
// older version.
#pragma once

#include "VrlUpgradeDialect.h"

namespace VrlSchemaLib {

class VrlUpgradeAccess : public VrlUpgradeDialect {
public:
    using VrlUpgradeDialect::VrlUpgradeDialect;

    CString Guard(const CString& probe, bool whenFound, const CString& statement) const override;
    bool HasCatalogue() const override;
    CString HeaderNote() const override;
};

} // namespace VrlSchemaLib
