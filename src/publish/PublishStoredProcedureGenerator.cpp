#include "PublishStoredProcedureGenerator.h"

#include <cwchar>

#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../sqlgen/VrlSqlStrings.h"
#include "../support/DuxException.h"
#include "../support/VrlSchemaModule.h"

namespace VrlSchemaLib {

namespace {

const wchar_t* const kRoot = L"MarlowCaptureSetup";

const wchar_t* const kRenumber =
    L"\tUPDATE NewIDTable \n\t\tSET NewID = @lNextID + IDOffset - ( \n\t\t\tSELECT "
    L"MIN(IDOffset) \n\t\t\tFROM NewIDTable); \n";
const wchar_t* const kPublishedBatchDefId =
    L"\tUPDATE NewIDTable \n\t\tSET NewID = @lPublishedBatchDefID; \n";
const wchar_t* const kInsertBatchDefDocDef =
    L"\tINSERT INTO BatchDef_DocDef(BatchDefID, DocDefID, PublishedBatchDefID, AdminID) \n\t\tSELECT "
    L"@lPublishedBatchDefID, \n\t\t\tNewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tAdminID \n\t\tFROM "
    L"@oDocDefNewIDTable; \n";

bool IsForeignKey(const VrlConstraint* c) {
    return c && (c->GetType() == ctForeignKey || c->GetType() == ctForeignKey7);
}

// Columns that a copy never takes from its source: the keys are renumbered
// and the publishing columns are filled by the procedure itself.
bool IsExcludedColumn(const CString& name, const CString& x1, const CString& x2) {
    static const wchar_t* const fixed[] = {L"BatchDefID", L"DocDefID", L"PublishedBatchDefID", L"AdminID",
                                           L"Referenced"};
    if (name.CompareNoCase(x1) == 0 || name.CompareNoCase(x2) == 0)
        return true;
    for (const wchar_t* f : fixed) {
        if (name.CompareNoCase(f) == 0)
            return true;
    }
    return false;
}

} // namespace

PublishStoredProcedureGenerator::PublishStoredProcedureGenerator()
    : m_pSchema(nullptr), m_pWrite(nullptr), m_pEnd(nullptr), m_pTemplates(nullptr),
      m_pszQueueSource(nullptr), m_lDepth(0), m_lSubProcedure(0), m_lMissing(0), m_lRequired(0) {}

PublishStoredProcedureGenerator::~PublishStoredProcedureGenerator() = default;

const CString& PublishStoredProcedureGenerator::Unused() {
    static const CString unused(L'\x01');
    return unused;
}

void PublishStoredProcedureGenerator::Emit(const wchar_t* text) {
    const LONG n = static_cast<LONG>(wcslen(text));
    if (m_lMissing == 0 && n < m_pEnd - m_pWrite) {
        wmemcpy(m_pWrite, text, static_cast<size_t>(n));
        m_pWrite += n;
        *m_pWrite = L'\0';
    } else {
        m_lMissing += n;
    }
}

void PublishStoredProcedureGenerator::Emit(const CString& text) {
    Emit(text.GetString());
}

CString PublishStoredProcedureGenerator::T(int id, const CString& a1, const CString& a2, const CString& a3,
                                           const CString& a4, const CString& a5, const CString& a6) const {
    return m_pTemplates->Get(id, a1, a2, a3, a4, a5, a6);
}

CString PublishStoredProcedureGenerator::TN(int id, int number, const CString& a1, const CString& a2,
                                            const CString& a3, const CString& a4, const CString& a5,
                                            const CString& a6) const {
    return m_pTemplates->Get(id, number, a1, a2, a3, a4, a5, a6);
}

VrlTable* PublishStoredProcedureGenerator::Table(const wchar_t* name) const {
    return m_pSchema->GetTable(name);
}

CString PublishStoredProcedureGenerator::Pk(const VrlTable* table) {
    return table->GetPrimaryKeyFieldName();
}

CString PublishStoredProcedureGenerator::PlainList(const VrlTable* table, const CString& x1,
                                                   const CString& x2) {
    CString list;
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const CString name = table->GetField(i)->GetName();
        if (IsExcludedColumn(name, x1, x2))
            continue;
        if (!list.IsEmpty())
            list += L',';
        list += name;
    }
    return list;
}

CString PublishStoredProcedureGenerator::QualifiedList(const VrlTable* table, const CString& x1,
                                                       const CString& x2) {
    const CString tableName = table->GetName();
    CString list;
    bool first = true;
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const CString name = table->GetField(i)->GetName();
        if (IsExcludedColumn(name, x1, x2))
            continue;
        if (!first)
            list += L',';
        first = false;
        list += L"\n\t\t";
        list += tableName;
        list += L'.';
        list += name;
    }
    return list;
}

void PublishStoredProcedureGenerator::Renumber(const VrlTable* table) {
    Emit(T(32, Pk(table)));
    Emit(kRenumber);
}

void PublishStoredProcedureGenerator::BeginSection() {
    ++m_lSubProcedure;
    Emit(TN(48, m_lSubProcedure));
}

void PublishStoredProcedureGenerator::EndSection() {
    Emit(T(49));
}

void PublishStoredProcedureGenerator::Generate(const VrlSchema* schema, wchar_t* buffer, long& length,
                                               const VrlSqlStrings* templates, const wchar_t* queueSource,
                                               bool replaceAt) {
    const long capacity = buffer && length > 0 ? length : 0;
    m_pSchema = schema;
    m_pWrite = buffer;
    m_pEnd = buffer + capacity;
    m_pTemplates = templates;
    m_pszQueueSource = queueSource ? queueSource : L"";
    m_lDepth = 0;
    m_lSubProcedure = 0;
    m_lMissing = 0;
    m_lRequired = 0;
    if (capacity > 0)
        *buffer = L'\0';

    Emit(T(22));
    CopyBatchDef();
    const VrlTable* root = Table(kRoot);
    for (LONG i = 0; i < root->GetChildCount(); ++i)
        CopyTopLevel(Table(root->GetChild(i)));
    for (LONG i = 0; i < root->GetChildCount(); ++i) {
        BeginSection();
        RemapReferences(Table(root->GetChild(i)));
        EndSection();
    }
    MarkAndPrune();
    Emit(T(59));
    Emit(T(23));

    const long written = buffer ? static_cast<long>(m_pWrite - buffer) : 0;
    m_lRequired = written + m_lMissing + 1;
    if (m_lMissing > 0) {
        if (capacity > 0)
            *buffer = L'\0';
        length = 0;
        // The message's "%ld" reads a 32-bit LONG, as on the original platform.
        DuxException::Throw(cm_lBufferTooSmall, __FILE__, __LINE__, static_cast<LONG>(m_lRequired),
                            static_cast<LONG>(capacity));
    }
    if (replaceAt) {
        for (wchar_t* p = buffer; p < m_pWrite; ++p) {
            if (*p == L'@')
                *p = L'p';
        }
    }
    length = written;
}

void PublishStoredProcedureGenerator::CopyBatchDef() {
    const VrlTable* batchDef = Table(L"BatchDef");
    const CString key = Pk(batchDef);
    CString qualified = QualifiedList(batchDef, key, key);
    const CString profile = g_pszProfileSettingsGuid;
    qualified.Replace(L"BatchDef.RescanLocation", T(46, profile));
    qualified.Replace(L"BatchDef.RetainImages", T(47, profile));
    qualified.Replace(L"BatchDef.BatchDefGUID", L"@strBatchDefGUID");
    qualified.Replace(L"BatchDef.SiteGUID",
                      L"(SELECT SiteGUID FROM DatabaseVars WHERE PublishedBatchDefID=0) AS SiteGUID");
    qualified.Replace(L"BatchDef.VersionNum", L"@lNextVersionNum");
    Emit(T(26, PlainList(batchDef, key, key), qualified));
}

void PublishStoredProcedureGenerator::CopyTopLevel(const VrlTable* table) {
    const CString name = table->GetName();
    const CString key = Pk(table);
    BeginSection();
    Emit(T(24));
    if (name == L"DocumentDef") {
        Emit(T(31));
    } else if (name.CompareNoCase(L"BatchDef") == 0) {
        Emit(T(28));
    } else {
        Emit(T(27, key, name));
    }
    if (name == L"BatchDef") {
        // The row itself was copied first of all; only its children remain.
        Emit(kPublishedBatchDefId);
    } else {
        Renumber(table);
        if (name == L"RecogOpt") {
            // The key value 15000 is reserved: when it was drawn, draw again.
            Emit(T(57));
            Emit(T(24));
            Emit(T(27, key, name));
            Renumber(table);
            Emit(T(58));
        }
        Emit(T(25, name, key, PlainList(table, key, key), QualifiedList(table, key, key)));
    }
    if (name == L"DocumentDef")
        Emit(T(33));
    CopyChildren(table);
    EndSection();
}

void PublishStoredProcedureGenerator::CopyChildren(const VrlTable* parent) {
    const LONG count = parent->GetChildCount();
    const VrlTable* memo = parent->GetMemoTable(m_pSchema);
    if (count == 0 && !memo)
        return;
    ++m_lDepth;
    Emit(TN(35, m_lDepth));
    const CString parentName = parent->GetName();
    for (LONG i = 0; i < count; ++i) {
        const CString name = parent->GetChild(i);
        const VrlTable* child = Table(name);
        if (name == L"BatchDef_DocDef") {
            Emit(kInsertBatchDefDocDef);
        } else if (parentName.CompareNoCase(L"BatchDef_DocDef") == 0) {
            CopyDocumentChild(child);
        } else {
            CopyChild(parent, child);
        }
        CopyChildren(child);
    }
    if (memo) {
        CopyChild(parent, memo);
        CopyChildren(memo);
    }
    Emit(TN(34, m_lDepth));
    --m_lDepth;
}

void PublishStoredProcedureGenerator::CopyChild(const VrlTable* parent, const VrlTable* child) {
    const CString name = child->GetName();
    const CString key = Pk(child);
    const CString parentKey = Pk(parent);
    const CString plain = PlainList(child, key, parentKey);
    const CString qualified = QualifiedList(child, key, parentKey);
    const int depth = m_lDepth;
    Emit(T(24));
    if (key == parentKey) {
        Emit(TN(30, depth));
        Emit(TN(38, depth, name, key, plain, qualified, parentKey));
        return;
    }
    Emit(TN(29, depth, key, name, parentKey));
    Renumber(child);
    if (name.CompareNoCase(L"Queue") == 0) {
        CString fromQueue = qualified;
        fromQueue.Replace(L"Queue.", L"q2.");
        Emit(TN(36, depth, name, key, parentKey, plain, fromQueue, T(50, m_pszQueueSource)));
    } else if (name.CompareNoCase(L"FolderCreationRule") == 0) {
        Emit(TN(37, depth, name, key, parentKey, plain, qualified));
    } else {
        Emit(TN(36, depth, name, key, parentKey, plain, qualified, name));
    }
}

void PublishStoredProcedureGenerator::CopyDocumentChild(const VrlTable* child) {
    const CString name = child->GetName();
    const CString key = Pk(child);
    Emit(T(24));
    Emit(T(39, key, name));
    Renumber(child);
    Emit(T(40, name, key, PlainList(child, key, key), QualifiedList(child, key, key)));
}

void PublishStoredProcedureGenerator::RemapReferences(const VrlTable* table) {
    const CString name = table->GetName();
    bool emitted = false;
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* c = table->GetConstraint(i);
        if (!IsForeignKey(c) || c->GetFields().empty())
            continue;
        const CString& field = c->GetFields().front();
        if (field == L"PublishedBatchDefID")
            continue;
        const CString refTable = c->GetRefTable();
        Emit(T(41, name, field, Pk(Table(refTable)), refTable));
        emitted = true;
    }
    for (LONG i = 0; i < table->GetFieldCount(); ++i) {
        const VrlField* field = table->GetField(i);
        const CString translate = field->GetTranslateTable();
        if (translate.IsEmpty())
            continue;
        Emit(T(41, name, field->GetName(), Pk(Table(translate)), translate));
        emitted = true;
    }
    if (emitted) {
        for (LONG i = 0; i < table->GetChildCount(); ++i)
            RemapReferences(Table(table->GetChild(i)));
    }
    if (const VrlTable* memo = table->GetMemoTable(m_pSchema))
        RemapReferences(memo);
}

void PublishStoredProcedureGenerator::MarkAndPrune() {
    BeginSection();
    Emit(T(42));
    EndSection();

    BeginSection();
    Emit(T(56));
    Emit(T(43, L"AutoDocSep_IDOpt", L"AutoDocSepOpt", L"AutoDocSep_IDOptID", L"AutoDocSep_IDOptID"));
    MarkReferenced(CString(), kRoot);
    EndSection();

    BeginSection();
    Prune(kRoot);
    EndSection();
}

void PublishStoredProcedureGenerator::MarkReferenced(const CString& parentName, const CString& tableName) {
    const VrlTable* table = Table(tableName);
    if (!table->IsFaked()) {
        if (parentName.CompareNoCase(L"BatchDef_DocDef") == 0) {
            Emit(T(44, tableName));
        } else {
            for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
                const VrlConstraint* c = table->GetConstraint(i);
                if (!IsForeignKey(c) || c->GetRefTable() != parentName)
                    continue;
                if (c->GetFields().empty() || c->GetRefFields().empty())
                    continue;
                Emit(T(43, tableName, parentName, c->GetFields().front(), c->GetRefFields().front()));
                break;
            }
        }
    }
    for (LONG i = table->GetChildCount() - 1; i >= 0; --i)
        MarkReferenced(tableName, table->GetChild(i));
    if (!table->IsFaked())
        MarkLinked(table);
}

void PublishStoredProcedureGenerator::MarkLinked(const VrlTable* table) {
    const CString name = table->GetName();
    if (name == L"AutoFormIDOpt") {
        Emit(T(43, L"RecogOpt", L"AutoFormIDOpt", L"RecogOptID", L"PageRecogOptID"));
        Emit(T(43, L"RecogOpt", L"AutoFormIDOpt", L"RecogOptID", L"ZoneRecogOptID"));
    } else if (name == L"AutoDocSepOpt") {
        Emit(T(43, L"RecogOpt", L"AutoDocSepOpt", L"RecogOptID", L"SepSheetRecogOptID"));
        Emit(T(43, L"RecogOpt", L"AutoDocSepOpt", L"RecogOptID", L"StdRecogOptID"));
    } else if (name == L"BatchDef_DocDef") {
        Emit(T(43, L"DocumentDef", L"BatchDef_DocDef", L"DocDefID", L"DocDefID"));
    } else {
        for (LONG i = 0; i < table->GetFieldCount(); ++i) {
            const VrlField* field = table->GetField(i);
            const CString translate = field->GetTranslateTable();
            if (translate.IsEmpty())
                continue;
            Emit(T(43, translate, name, Pk(Table(translate)), field->GetName()));
        }
    }
}

void PublishStoredProcedureGenerator::Prune(const CString& tableName) {
    const VrlTable* table = Table(tableName);
    for (LONG i = table->GetChildCount() - 1; i >= 0; --i)
        Prune(table->GetChild(i));
    static const wchar_t* const kept[] = {L"DatabaseVars", L"Processes", L"Functions", L"ProcessReplaces"};
    if (table->IsFaked())
        return;
    for (const wchar_t* k : kept) {
        if (tableName == k)
            return;
    }
    Emit(T(45, tableName));
}

} // namespace VrlSchemaLib
