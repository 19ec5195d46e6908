#include "VrlTableTreeNames.h"

#include "VrlSchema.h"
#include "VrlTable.h"

namespace VrlSchemaLib {

VrlTableTreeNames::VrlTableTreeNames(const VrlSchema* schema) : m_pSchema(schema) {
    m_oSeen.InitHashTable(17);
}

VrlTableTreeNames::~VrlTableTreeNames() = default;

void VrlTableTreeNames::GetNames(const VrlTable* table, CStringArray& names) {
    if (table == nullptr || m_pSchema == nullptr)
        return;
    const LONG childCount = table->GetChildCount();
    m_vPath.push_back(table);
    try {
        for (LONG i = 0; i < childCount; ++i) {
            const CString childName(table->GetChild(i));
            const VrlTable* child = m_pSchema->GetTable(childName.GetString());
            // A table without real columns is a grouping in the model only;
            // it and everything below it have nothing to copy.
            if (child->IsFaked())
                continue;
            Add(names, childName);
            if (!IsOnPath(child))
                GetNames(child, names);
        }
    } catch (...) {
        // Errors go to the caller; the object stays usable for another walk.
        m_vPath.clear();
        throw;
    }
    m_vPath.pop_back();
    // Memo tables are not entered in the seen set: every table that keeps its
    // text there lists it again after its own subtree.
    if (const VrlTable* memo = table->GetMemoTable(m_pSchema))
        names.Add(memo->GetName());
}

bool VrlTableTreeNames::IsOnPath(const VrlTable* table) const {
    for (const VrlTable* walked : m_vPath) {
        if (walked == table)
            return true;
    }
    return false;
}

void VrlTableTreeNames::Add(CStringArray& names, const wchar_t* name) {
    bool seen = false;
    if (m_oSeen.Lookup(name, seen))
        return;
    m_oSeen.SetAt(name, true);
    names.Add(name);
}

} // namespace VrlSchemaLib
