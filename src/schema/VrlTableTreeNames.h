// VrlTableTreeNames: lists the names of all tables below one table of a
// schema, following the child lists depth-first. Each table is listed once,
// at its first meeting; a faked child (no real columns) hides its whole
// subtree; a table's memo table follows its subtree. The set of names already
// listed lives as LONG as the object, so a second walk does not repeat them.
#pragma once

#include <vector>

#include "../platform/CMap.h"
#include "../platform/CString.h"
#include "../platform/CStringArray.h"

namespace VrlSchemaLib {

class VrlSchema;
class VrlTable;

class VrlTableTreeNames {
public:
    explicit VrlTableTreeNames(const VrlSchema* schema);
    virtual ~VrlTableTreeNames();

    // Appends to `names` (it is not cleared); the starting table itself is
    // not listed. Raises 4070 for a child that the schema lacks; names added
    // before stay.
    void GetNames(const VrlTable* table, CStringArray& names);

protected:
    // Appends `name` unless it was listed before (exact comparison).
    void Add(CStringArray& names, const wchar_t* name);

private:
    bool IsOnPath(const VrlTable* table) const;

    const VrlSchema* m_pSchema;
    std::vector<const VrlTable*> m_vPath; // tables whose children are being walked
    CMap<CString, const wchar_t*, bool, bool> m_oSeen{10};
};

} // namespace VrlSchemaLib
