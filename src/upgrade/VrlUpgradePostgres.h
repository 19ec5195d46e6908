// VrlUpgradePostgres: PostgreSQL upgrade steps. A statement runs from an
// anonymous PL/pgSQL block that counts into a variable and executes it
// dynamically:
//
//     DO $guard$
//     DECLARE
//     	nCount integer;
//     BEGIN
//     	SELECT COUNT(*) INTO nCount FROM pg_catalog.pg_tables WHERE ... AND tablename = 'customer';
//     	IF nCount = 0 THEN
//     		EXECUTE '<statement, quotes doubled>';
//     	END IF;
//     END
//     $guard$
//
// The block has a quote tag of its own, so that routine texts with their
// $$ bodies go inside it unchanged. The catalogue keeps unquoted names in
// lower case, as the generator's probes compare them. The generator's
// ALTER COLUMN keeps the column's default, so a default is set or dropped
// only where the newer model's differs.
#pragma once

#include "VrlUpgradeDialect.h"

namespace VrlSchemaLib {

class VrlUpgradePostgres : public VrlUpgradeDialect {
public:
    using VrlUpgradeDialect::VrlUpgradeDialect;

    CString Guard(const CString& probe, bool whenFound, const CString& statement) const override;
    CString CatalogueCase(const CString& probe) const override;
    void ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                      std::vector<VrlUpgradeStatement>& out) const override;
};

} // namespace VrlSchemaLib
