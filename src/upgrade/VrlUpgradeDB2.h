// VrlUpgradeDB2: DB2 upgrade steps. A statement runs from a compound
// statement that counts into a variable and executes it dynamically:
//
//     BEGIN
//     	DECLARE nCount INTEGER;
//     	SELECT COUNT(*) INTO nCount FROM SYSCAT.TABLES WHERE ... TABNAME = N'CUSTOMER';
//     	IF nCount = 0 THEN
//     		EXECUTE IMMEDIATE '<statement, quotes doubled>';
//     	END IF;
//     END
//
// Probes are compared in upper case, as the catalogue stores unquoted
// names. A changed column type, length or nullability and a dropped column
// leave the table in reorg-pending state, in which the next statements over
// it fail; the table is reorganised before the plan goes on. The
// generator's ALTER COLUMN sets the data type alone, so defaults and
// nullability are set with statements of their own.
#pragma once

#include "VrlUpgradeDialect.h"

namespace VrlSchemaLib {

class VrlUpgradeDB2 : public VrlUpgradeDialect {
public:
    using VrlUpgradeDialect::VrlUpgradeDialect;

    CString Guard(const CString& probe, bool whenFound, const CString& statement) const override;
    CString CatalogueCase(const CString& probe) const override;
    void ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                      std::vector<VrlUpgradeStatement>& out) const override;
    void ApplyNullability(const VrlTable* table, const VrlField* older, const VrlField* newer,
                          std::vector<VrlUpgradeStatement>& out) const override;
    CString Reorganize(const VrlTable* table) const override;
};

} // namespace VrlSchemaLib
