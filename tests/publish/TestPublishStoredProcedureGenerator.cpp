#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/ExpectDux.h"
#include "platform/COleVariant.h"
#include "publish/PublishStoredProcedureGenerator.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlDataDefinition.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "sqlgen/VrlSqlStrings.h"

using namespace VrlSchemaLib;

namespace {

// Templates that show which piece was emitted with which arguments, so that
// the walk itself can be checked apart from any dialect's SQL.
void AddTracingTemplates(VrlSqlStrings& t) {
    const std::pair<int, const wchar_t*> texts[] = {
        {22, L"H\n"},
        {23, L"END\n"},
        {24, L"CLR\n"},
        {25, L"TOP(&1,&2,[&3],[&4])\n"},
        {26, L"BD([&1],[&2])\n"},
        {27, L"KEYS(&1,&2)\n"},
        {28, L"KEYSBD\n"},
        {29, L"KEYS&#(&1,&2,&3)\n"},
        {30, L"SHARED&#\n"},
        {31, L"DOCKEYS\n"},
        {32, L"AUTONUM(&1)\n"},
        {33, L"SAVEDOC\n"},
        {34, L"DROP&#\n"},
        {35, L"SAVE&#\n"},
        {36, L"COPY&#(&1,&2,&3,[&4],[&5],&6)\n"},
        {37, L"FCR&#(&1,&2,&3,[&4],[&5])\n"},
        {38, L"COPYSHARED&#(&1,&2,[&3],[&4],&5)\n"},
        {39, L"DOCCHILDKEYS(&1,&2)\n"},
        {40, L"DOCCHILD(&1,&2,[&3],[&4])\n"},
        {41, L"REMAP(&1,&2,&3,&4)\n"},
        {42, L"MARKBD\n"},
        {43, L"MARK(&1,&2,&3,&4)\n"},
        {44, L"MARKDOC(&1)\n"},
        {45, L"DEL(&1)\n"},
        {46, L"RESCAN(&1)"},
        {47, L"RETAIN(&1)"},
        {48, L"<S&#>\n"},
        {49, L"</S>\n"},
        {50, L"(&1) q2"},
        {56, L"MARKSEP\n"},
        {57, L"GUARD{\n"},
        {58, L"}GUARD\n"},
        {59, L"PRUNEVERSIONS\n"},
    };
    for (const auto& [id, text] : texts)
        t.Add(id, text);
}

// Owns a small setup tree: a root with BatchDef (children Queue,
// FolderCreationRule and BatchDef_DocDef with a document child),
// DocumentDef, RecogOpt (no children), Shared (a child sharing its key) and
// Deep (child, grandchild and memo table).
class PublishTree {
public:
    PublishTree() {
        Table(L"MarlowCaptureSetup", {}, {});
        Table(L"BatchDef",
              {L"BatchDefID", L"Name", L"BatchDefGUID", L"RescanLocation", L"PublishedBatchDefID"},
              {Pk(L"BatchDefID")});
        Table(L"Queue", {L"QueueID", L"BatchDefID", L"Step"},
              {Pk(L"QueueID"), Fk(L"FK_Queue", ctForeignKey, L"BatchDefID", L"BatchDef", L"BatchDefID")});
        Table(L"FolderCreationRule", {L"RuleID", L"BatchDefID", L"Kind"}, {Pk(L"RuleID")});
        Table(L"BatchDef_DocDef", {L"BatchDefID", L"DocDefID", L"AdminID"},
              {Pk(L"BatchDefID"), Fk(L"FK_BDD", ctForeignKey7, L"DocDefID", L"DocumentDef", L"DocDefID")});
        Table(L"DocField", {L"DocFieldID", L"DocDefID", L"Label"}, {Pk(L"DocFieldID")});
        Table(L"DocumentDef", {L"DocDefID", L"Name", L"Referenced"}, {Pk(L"DocDefID")});
        Table(L"RecogOpt", {L"RecogOptID", L"Engine"}, {Pk(L"RecogOptID")});
        Table(L"Shared", {L"SharedID", L"Title"}, {Pk(L"SharedID")});
        Table(L"SharedExt", {L"SharedID", L"Extra"}, {Pk(L"SharedID")});
        Table(L"Deep", {L"DeepID", L"*Notes", L"TypeID"}, {Pk(L"DeepID")});
        Table(L"DeepChild", {L"DeepChildID", L"DeepID", L"Size"},
              {Pk(L"DeepChildID"), Fk(L"FK_DC", ctForeignKey, L"DeepID", L"Deep", L"DeepID")});
        Table(L"DeepGrand", {L"DeepGrandID", L"DeepChildID", L"Weight"},
              {Pk(L"DeepGrandID"), Fk(L"FK_DG", ctForeignKey, L"DeepChildID", L"DeepChild", L"DeepChildID")});
        Table(L"DeepMemo", {L"DeepMemoID", L"DeepID", L"Notes"}, {Pk(L"DeepMemoID")});
        FieldOf(L"Deep", L"TypeID")->SetTranslateTable(L"RecogOpt");

        std::vector<VrlTable*> tables;
        for (auto& t : m_tables)
            tables.push_back(t.get());
        m_schema = std::make_unique<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{},
                                               std::vector<VrlProcedure*>{}, std::vector<VrlFunction*>{});
        Children(L"MarlowCaptureSetup", {L"BatchDef", L"DocumentDef", L"RecogOpt", L"Shared", L"Deep"});
        Children(L"BatchDef", {L"Queue", L"FolderCreationRule", L"BatchDef_DocDef"});
        Children(L"BatchDef_DocDef", {L"DocField"});
        Children(L"Shared", {L"SharedExt"});
        Children(L"Deep", {L"DeepChild"});
        Children(L"DeepChild", {L"DeepGrand"});
    }

    const VrlSchema* Schema() const { return m_schema.get(); }

private:
    VrlConstraint* Pk(const wchar_t* field) {
        std::vector<CString> fields{field};
        m_constraints.push_back(std::make_unique<VrlConstraint>(CString(L"PK_") + field, ctPrimaryKey, fields,
                                                                VrlSchemaVersion()));
        return m_constraints.back().get();
    }

    VrlConstraint* Fk(const wchar_t* name, VrlConstraintType type, const wchar_t* field,
                      const wchar_t* refTable, const wchar_t* refField) {
        m_constraints.push_back(std::make_unique<VrlConstraint>(
            name, type, field, refTable, refField, odNoAction, ouNoAction, clDefault, VrlSchemaVersion()));
        return m_constraints.back().get();
    }

    // A name starting with "*" is a memo column kept in the table "<table>Memo".
    void Table(const wchar_t* name, std::vector<const wchar_t*> fieldNames,
               std::vector<VrlConstraint*> constraints) {
        std::vector<VrlField*> fields;
        for (const wchar_t* f : fieldNames) {
            const bool memo = f[0] == L'*';
            const CString fieldName = memo ? f + 1 : f;
            const VrlDataDefinition def =
                memo ? VrlDataDefinition(dtMemo, L"", L"", CString(name) + L"Memo", fieldName)
                     : VrlDataDefinition(dtInteger, 0);
            m_fields.push_back(std::make_unique<VrlField>(fieldName, def, COleVariant(), ntNull, CString(), 0,
                                                          paNone, VrlSchemaVersion(), 0, 0));
            fields.push_back(m_fields.back().get());
        }
        m_tables.push_back(std::make_unique<VrlTable>(name, fields, constraints, L"", 0, 0u,
                                                      rtBatchSetupAndRuntime, VrlSchemaVersion()));
    }

    VrlField* FieldOf(const wchar_t* table, const wchar_t* field) const {
        for (const auto& t : m_tables) {
            if (t->GetName() == table)
                return t->GetField(field);
        }
        return nullptr;
    }

    void Children(const wchar_t* parent, std::vector<const wchar_t*> children) {
        for (const wchar_t* c : children)
            m_schema->SetChild(parent, c);
    }

    std::vector<std::unique_ptr<VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::unique_ptr<VrlSchema> m_schema;
};

const wchar_t* const kRenumber = L"\tUPDATE NewIDTable \n\t\tSET NewID = @lNextID + IDOffset - ( "
                                 L"\n\t\t\tSELECT MIN(IDOffset) \n\t\t\tFROM "
                                 L"NewIDTable); \n";

// Derived by hand from the walk and the tracing templates above.
std::wstring ExpectedTrace() {
    const std::wstring r = kRenumber;
    std::wstring e;
    e += L"H\n";
    e += L"BD([Name,BatchDefGUID,RescanLocation],[\n\t\tBatchDef.Name,\n\t\t@strBatchDefGUID,\n\t\t"
         L"RESCAN({f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3})])\n";
    // BatchDef and its children.
    e += L"<S1>\nCLR\nKEYSBD\n\tUPDATE NewIDTable \n\t\tSET NewID = @lPublishedBatchDefID; \n";
    e += L"SAVE1\n";
    e += L"CLR\nKEYS1(QueueID,Queue,BatchDefID)\nAUTONUM(QueueID)\n" + r +
         L"COPY1(Queue,QueueID,BatchDefID,[Step],[\n\t\tq2.Step],(SELECT * FROM Q) q2)\n";
    e += L"CLR\nKEYS1(RuleID,FolderCreationRule,BatchDefID)\nAUTONUM(RuleID)\n" + r +
         L"FCR1(FolderCreationRule,RuleID,BatchDefID,[Kind],[\n\t\tFolderCreationRule.Kind])\n";
    e += L"\tINSERT INTO BatchDef_DocDef(BatchDefID, DocDefID, PublishedBatchDefID, AdminID) \n\t\tSELECT "
         L"@lPublishedBatchDefID, \n\t\t\tNewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tAdminID \n\t\tFROM "
         L"@oDocDefNewIDTable; \n";
    e += L"SAVE2\nCLR\nDOCCHILDKEYS(DocFieldID,DocField)\nAUTONUM(DocFieldID)\n" + r +
         L"DOCCHILD(DocField,DocFieldID,[Label],[\n\t\tDocField.Label])\nDROP2\n";
    e += L"DROP1\n</S>\n";
    // DocumentDef.
    e += L"<S2>\nCLR\nDOCKEYS\nAUTONUM(DocDefID)\n" + r +
         L"TOP(DocumentDef,DocDefID,[Name],[\n\t\tDocumentDef.Name])\nSAVEDOC\n</S>\n";
    // RecogOpt with the 15000 guard.
    e += L"<S3>\nCLR\nKEYS(RecogOptID,RecogOpt)\nAUTONUM(RecogOptID)\n" + r;
    e += L"GUARD{\nCLR\nKEYS(RecogOptID,RecogOpt)\nAUTONUM(RecogOptID)\n" + r + L"}GUARD\n";
    e += L"TOP(RecogOpt,RecogOptID,[Engine],[\n\t\tRecogOpt.Engine])\n</S>\n";
    // Shared: the child shares the key, so it is not renumbered.
    e += L"<S4>\nCLR\nKEYS(SharedID,Shared)\nAUTONUM(SharedID)\n" + r +
         L"TOP(Shared,SharedID,[Title],[\n\t\tShared.Title])\n";
    e += L"SAVE1\nCLR\nSHARED1\nCOPYSHARED1(SharedExt,SharedID,[Extra],[\n\t\tSharedExt.Extra],SharedID)"
         L"\nDROP1\n</S>\n";
    // Deep: child, grandchild, then the memo table.
    e += L"<S5>\nCLR\nKEYS(DeepID,Deep)\nAUTONUM(DeepID)\n" + r +
         L"TOP(Deep,DeepID,[Notes,TypeID],[\n\t\tDeep.Notes,\n\t\tDeep.TypeID])\n";
    e += L"SAVE1\nCLR\nKEYS1(DeepChildID,DeepChild,DeepID)\nAUTONUM(DeepChildID)\n" + r +
         L"COPY1(DeepChild,DeepChildID,DeepID,[Size],[\n\t\tDeepChild.Size],DeepChild)\n";
    e += L"SAVE2\nCLR\nKEYS2(DeepGrandID,DeepGrand,DeepChildID)\nAUTONUM(DeepGrandID)\n" + r +
         L"COPY2(DeepGrand,DeepGrandID,DeepChildID,[Weight],[\n\t\tDeepGrand.Weight],DeepGrand)\nDROP2\n";
    e += L"CLR\nKEYS1(DeepMemoID,DeepMemo,DeepID)\nAUTONUM(DeepMemoID)\n" + r +
         L"COPY1(DeepMemo,DeepMemoID,DeepID,[Notes],[\n\t\tDeepMemo.Notes],DeepMemo)\n";
    e += L"DROP1\n</S>\n";
    // Second pass: only Deep has references; BatchDef has none, so its
    // children (Queue) are not visited.
    e += L"<S6>\n</S>\n<S7>\n</S>\n<S8>\n</S>\n<S9>\n</S>\n";
    e += L"<S10>\nREMAP(Deep,TypeID,RecogOptID,RecogOpt)\nREMAP(DeepChild,DeepID,DeepID,Deep)\n"
         L"REMAP(DeepGrand,DeepChildID,DeepChildID,DeepChild)\n</S>\n";
    // Mark, children from last to first.
    e += L"<S11>\nMARKBD\n</S>\n";
    e += L"<S12>\nMARKSEP\nMARK(AutoDocSep_IDOpt,AutoDocSepOpt,AutoDocSep_IDOptID,AutoDocSep_IDOptID)\n";
    e += L"MARK(DeepChild,Deep,DeepID,DeepID)\nMARK(DeepGrand,DeepChild,DeepChildID,DeepChildID)\n"
         L"MARK(RecogOpt,Deep,RecogOptID,TypeID)\n";
    e += L"MARKDOC(DocField)\nMARK(DocumentDef,BatchDef_DocDef,DocDefID,DocDefID)\n"
         L"MARK(Queue,BatchDef,BatchDefID,BatchDefID)\n</S>\n";
    // Prune, post-order from the last child.
    e += L"<S13>\nDEL(DeepGrand)\nDEL(DeepChild)\nDEL(Deep)\nDEL(SharedExt)\nDEL(Shared)\nDEL(RecogOpt)\n"
         L"DEL(DocumentDef)\nDEL(DocField)\nDEL(BatchDef_DocDef)\nDEL(FolderCreationRule)\nDEL(Queue)\n"
         L"DEL(BatchDef)\n</S>\n";
    e += L"PRUNEVERSIONS\nEND\n";
    return e;
}

struct PublishRun {
    std::wstring text;
    long length;
};

PublishRun Generate(const PublishTree& tree, const VrlSqlStrings& templates, bool replaceAt,
                    long capacity = 100000) {
    std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
    long length = capacity;
    PublishStoredProcedureGenerator generator;
    generator.Generate(tree.Schema(), buffer.data(), length, &templates, L"SELECT * FROM Q", replaceAt);
    return {std::wstring(buffer.data()), length};
}

} // namespace

TEST(PublishStoredProcedureGenerator, WalksTheTreeInTheDocumentedOrder) {
    PublishTree tree;
    VrlSqlStrings templates;
    AddTracingTemplates(templates);
    const PublishRun run = Generate(tree, templates, false);
    EXPECT_EQ(ExpectedTrace(), run.text);
    EXPECT_EQ(static_cast<long>(run.text.size()), run.length);
}

TEST(PublishStoredProcedureGenerator, ReplaceAtTurnsEveryAtSignIntoP) {
    PublishTree tree;
    VrlSqlStrings templates;
    AddTracingTemplates(templates);
    const PublishRun run = Generate(tree, templates, true);
    std::wstring expected = ExpectedTrace();
    for (wchar_t& c : expected) {
        if (c == L'@')
            c = L'p';
    }
    EXPECT_EQ(expected, run.text);
    EXPECT_EQ(std::wstring::npos, run.text.find(L'@'));
    EXPECT_NE(std::wstring::npos, run.text.find(L"plPublishedBatchDefID"));
}

TEST(PublishStoredProcedureGenerator, NeverWritesPastTheCapacity) {
    PublishTree tree;
    VrlSqlStrings templates;
    AddTracingTemplates(templates);
    const long needed = static_cast<long>(ExpectedTrace().size()) + 1;

    // Exactly enough: the text and its terminator.
    const PublishRun exact = Generate(tree, templates, false, needed);
    EXPECT_EQ(needed - 1, exact.length);

    // One character short: an error that names the capacity needed, an empty
    // text, and the guard characters after the buffer untouched.
    for (long capacity : {needed - 1, 1L, 40L}) {
        std::vector<wchar_t> storage(static_cast<size_t>(capacity) + 8, L'#');
        long length = capacity;
        PublishStoredProcedureGenerator generator;
        const CString message = ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall, [&] {
            generator.Generate(tree.Schema(), storage.data(), length, &templates, L"SELECT * FROM Q", false);
        });
        EXPECT_NE(-1, message.Find(std::to_wstring(needed).c_str())) << message.ToUtf8();
        EXPECT_EQ(needed, generator.GetRequiredCapacity());
        EXPECT_EQ(0, length);
        EXPECT_EQ(L'\0', storage[0]);
        for (size_t i = static_cast<size_t>(capacity); i < storage.size(); ++i)
            EXPECT_EQ(L'#', storage[i]);
    }

    // No buffer at all.
    long length = 0;
    PublishStoredProcedureGenerator generator;
    ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall,
              [&] { generator.Generate(tree.Schema(), nullptr, length, &templates, L"Q", false); });
}

TEST(PublishStoredProcedureGenerator, UnknownTableInTheTreeIsTableNotFound) {
    PublishTree tree;
    VrlSqlStrings templates;
    AddTracingTemplates(templates);
    const VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    std::vector<wchar_t> buffer(100);
    long length = 100;
    PublishStoredProcedureGenerator generator;
    ExpectDux(4070, [&] { generator.Generate(&empty, buffer.data(), length, &templates, L"Q", false); });
}
