// PublishTableWalk finds, ahead of generation, the first table that the
// publish procedure would look up and the schema does not hold: the root of
// the setup tree, BatchDef, every table of the tree with its memo table, and
// the tables their references and translations point to. The order is the
// generator's own, so the name found is the one generation would stop at.
// A schema of one's own that is no setup tree at all is told apart from a
// broken one this way, without raising.
#pragma once

#include "../platform/CString.h"

namespace VrlSchemaLib {

class VrlSchema;
class VrlTable;

class PublishTableWalk {
public:
    // The name of the first missing table, or the empty text when every
    // table the procedure needs is there.
    static CString FindMissingTable(const VrlSchema* schema);

private:
    explicit PublishTableWalk(const VrlSchema* schema) : m_pSchema(schema) {}

    const VrlTable* Need(const CString& name);
    void Tree(const CString& name);
    void Remap(const VrlTable* table);
    void Mark(const CString& name);
    static CString MemoTableName(const VrlTable* table);

    const VrlSchema* m_pSchema;
    CString m_strMissing;
};

} // namespace VrlSchemaLib
