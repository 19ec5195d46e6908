#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/ExpectDux.h"
#include "common/PublishTree.h"
#include "platform/COleVariant.h"
#include "publish/PublishStoredProcedureGenerator.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlDataDefinition.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "sqlgen/VrlSqlStrings.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::PublishTree;

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

    // Every smaller capacity: an error that names the capacity needed, an
    // empty text, and the guard characters after the buffer untouched.
    for (long capacity = 0; capacity < needed; ++capacity) {
        std::vector<wchar_t> storage(static_cast<size_t>(capacity) + 8, L'#');
        long length = capacity;
        PublishStoredProcedureGenerator generator;
        const CString message = ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall, [&] {
            generator.Generate(tree.Schema(), storage.data(), length, &templates, L"SELECT * FROM Q", false);
        });
        ASSERT_NE(-1, message.Find(std::to_wstring(needed).c_str())) << message.ToUtf8();
        ASSERT_EQ(needed, generator.GetRequiredCapacity());
        ASSERT_EQ(0, length);
        if (capacity > 0) {
            ASSERT_EQ(L'\0', storage[0]);
        }
        for (size_t i = static_cast<size_t>(capacity); i < storage.size(); ++i)
            ASSERT_EQ(L'#', storage[i]) << "capacity " << capacity;
    }
    const PublishRun roomy = Generate(tree, templates, false, needed + 1);
    EXPECT_EQ(needed - 1, roomy.length);

    // No buffer at all.
    long length = 0;
    PublishStoredProcedureGenerator generator;
    ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall,
              [&] { generator.Generate(tree.Schema(), nullptr, length, &templates, L"Q", false); });
}

TEST(PublishStoredProcedureGenerator, UnknownTableInTheTreeIsTableNotFound) {
    VrlSqlStrings templates;
    AddTracingTemplates(templates);
    const VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    std::vector<wchar_t> buffer(100);
    long length = 100;
    PublishStoredProcedureGenerator generator;
    ExpectDux(4070, [&] { generator.Generate(&empty, buffer.data(), length, &templates, L"Q", false); });
}
