// VrlUpgradeOracle: Oracle upgrade steps. A statement runs from a PL/SQL
// block that counts into a variable and executes it dynamically:
//
//     DECLARE
//     	nCount INTEGER;
//     BEGIN
//     	SELECT COUNT(*) INTO nCount FROM USER_TABLES WHERE TABLE_NAME = N'CUSTOMER';
//     	IF nCount = 0 THEN
//     		EXECUTE IMMEDIATE '<statement, quotes doubled>';
//     	END IF;
//     END;
//
// The catalogue keeps unquoted names upper-cased, so probes are compared in
// upper case. The generator's drop blocks for constraints and indexes look
// in the catalogue themselves and run as they are. The generator's ALTER
// COLUMN re-adds the column under its type alone, nullable and without a
// default, so NOT NULL and the default are given back afterwards.
#pragma once

#include "VrlUpgradeDialect.h"

namespace VrlSchemaLib {

class VrlUpgradeOracle : public VrlUpgradeDialect {
public:
    using VrlUpgradeDialect::VrlUpgradeDialect;

    CString Guard(const CString& probe, bool whenFound, const CString& statement) const override;
    CString CatalogueCase(const CString& probe) const override;
    bool GuardsItself(const CString& statement) const override;
    void ApplyNullability(const VrlTable* table, const VrlField* older, const VrlField* newer,
                          std::vector<VrlUpgradeStatement>& out) const override;
    void ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                      std::vector<VrlUpgradeStatement>& out) const override;
};

} // namespace VrlSchemaLib
