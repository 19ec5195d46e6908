#include "VrlUpgradeAccess.h"

namespace VrlSchemaLib {

CString VrlUpgradeAccess::Guard(const CString&, bool, const CString& statement) const {
    return statement;
}

bool VrlUpgradeAccess::HasCatalogue() const {
    return false;
}

CString VrlUpgradeAccess::HeaderNote() const {
    return L"-- Not guarded: Access has no catalogue to ask whether a step is needed.\n"
           L"-- Run this script once, on a database of the older version.\n";
}

} // namespace VrlSchemaLib
