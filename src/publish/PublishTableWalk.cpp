#include "PublishTableWalk.h"

#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"

namespace VrlSchemaLib {

namespace {

const wchar_t* const kRoot = L"MarlowCaptureSetup";

bool IsForeignKey(const VrlConstraint* c) {
    return c && (c->GetType() == ctForeignKey || c->GetType() == ctForeignKey7);
}

// Tables whose links the procedure writes out by name instead of looking up
// their translations.
bool HasFixedLinks(const CString& name) {
    return name == L"AutoFormIDOpt" || name == L"AutoDocSepOpt" || name == L"BatchDef_DocDef";
}

} // namespace

CString PublishTableWalk::FindMissingTable(const VrlSchema* schema) {
    PublishTableWalk walk(schema);
    // The order of the generator: BatchDef's own row, the copy of the tree,
    // the remapping of references, the marking of what is referenced.
    if (!walk.Need(L"BatchDef"))
        return walk.m_strMissing;
    const VrlTable* root = walk.Need(kRoot);
    if (!root)
        return walk.m_strMissing;
    for (LONG i = 0; i < root->GetChildCount() && walk.m_strMissing.IsEmpty(); ++i)
        walk.Tree(root->GetChild(i));
    for (LONG i = 0; i < root->GetChildCount() && walk.m_strMissing.IsEmpty(); ++i)
        walk.Remap(walk.Need(root->GetChild(i)));
    if (walk.m_strMissing.IsEmpty())
        walk.Mark(kRoot);
    return walk.m_strMissing;
}

const VrlTable* PublishTableWalk::Need(const CString& name) {
    if (!m_strMissing.IsEmpty())
        return nullptr;
    const VrlTable* table = m_pSchema->GetTableDontThrow(name);
    if (!table)
        m_strMissing = name;
    return table;
}

// The copy walks every child and, below each table, its memo table.
void PublishTableWalk::Tree(const CString& name) {
    const VrlTable* table = Need(name);
    if (!table)
        return;
    for (LONG i = 0; i < table->GetChildCount(); ++i)
        Tree(table->GetChild(i));
    const CString memo = MemoTableName(table);
    if (!memo.IsEmpty())
        Tree(memo);
}

// Remapping looks up the target of every reference and translation, and goes
// below a table only when the table itself had one.
void PublishTableWalk::Remap(const VrlTable* table) {
    if (!table)
        return;
    bool remapped = false;
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* c = table->GetConstraint(i);
        if (!IsForeignKey(c) || c->GetFields().empty() || c->GetFields().front() == L"PublishedBatchDefID")
            continue;
        if (!Need(c->GetRefTable()))
            return;
        remapped = true;
    }
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const CString translate = table->GetField(i)->GetTranslateTable();
        if (translate.IsEmpty())
            continue;
        if (!Need(translate))
            return;
        remapped = true;
    }
    if (remapped) {
        for (LONG i = 0; i < table->GetChildCount(); ++i)
            Remap(Need(table->GetChild(i)));
    }
    const CString memo = MemoTableName(table);
    if (!memo.IsEmpty())
        Remap(Need(memo));
}

// Marking walks the tree without memo tables and looks up the translations
// of every table that is not faked.
void PublishTableWalk::Mark(const CString& name) {
    const VrlTable* table = Need(name);
    if (!table)
        return;
    for (LONG i = table->GetChildCount() - 1; i >= 0; --i)
        Mark(table->GetChild(i));
    if (table->IsFaked() || HasFixedLinks(name))
        return;
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const CString translate = table->GetField(i)->GetTranslateTable();
        if (!translate.IsEmpty())
            Need(translate);
    }
}

CString PublishTableWalk::MemoTableName(const VrlTable* table) {
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const VrlField* field = table->GetField(i);
        if (field->GetDataType() == dtMemo || field->GetDataType() == dtMemo22)
            return field->GetDataDefinition()->GetExtendedTable();
    }
    return CString();
}

} // namespace VrlSchemaLib
