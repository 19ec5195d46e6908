#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "common/Fmt.h"
#include "schema/CSchemaObjectCollection.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTableTreeNames.h"
#include "schema/VrlView.h"
#include "support/DuxException.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

class VrlSchemaTests : public VrlSchemaTest::KitTest {};

// A schema with one object of each kind.
class SchemaLookups : public VrlSchemaTests {
protected:
    VrlTable* batchDef = keep.PlainTable(L"BatchDef");
    VrlView view{L"vwBatch", L"SELECT 1", L"BatchDef"};
    VrlProcedure proc{L"procGet", L"", L"", 0, 0, V(25), 0};
    VrlFunction func{L"fnGet", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25)};
    VrlSchema schema{V(25), {batchDef}, {&view}, {&proc}, {&func}};
};

} // namespace

TEST_F(VrlSchemaTests, MergesTableVersionsBySchemaVersion) {
    VrlTable* a25 = keep.PlainTable(L"A", V(25));
    VrlTable* a30 = keep.Table(L"A", {keep.Field(L"ID"), keep.Field(L"Added", V(30))}, {}, V(30));
    auto* a40 = keep.Make<VrlTable>(L"A", V(40));
    VrlTable* b = keep.PlainTable(L"B");
    std::vector<VrlTable*> tables{a25, b, a30, a40};

    VrlSchema s25 = VrlSchemaTest::MakeSchema(tables, V(25));
    VrlSchema s35 = VrlSchemaTest::MakeSchema(tables, V(35));
    VrlSchema s40 = VrlSchemaTest::MakeSchema(tables, V(40));
    EXPECT_EQ(a25, s25.GetTable(L"a"));
    EXPECT_EQ(a30, s35.GetTable(L"A"));
    EXPECT_EQ(a30, s35.GetTable(0));
    EXPECT_EQ(2, a30->GetFieldCount());
    EXPECT_EQ(nullptr, s40.GetTableDontThrow(L"A"));
    EXPECT_EQ(1, s40.GetTableCount());
    EXPECT_EQ(b, s40.GetTable(0));
    EXPECT_EQ(VrlDbVersion35, s35.GetVersion());
    EXPECT_EQ(V(35), s35.GetSchemaVersion());

    VrlTable* t30 = keep.PlainTable(L"New", V(30));
    EXPECT_EQ(0, VrlSchemaTest::MakeSchema({t30}, V(25)).GetTableCount());
}

TEST_F(SchemaLookups, LookupsRaiseTheirCodes) {
    EXPECT_EQ(batchDef, schema.GetTable(L"batchdef"));
    EXPECT_EQ(nullptr, schema.GetTableDontThrow(L"nosuch"));
    EXPECT_EQ(nullptr, schema.GetTableDontThrow(nullptr));
    ExpectDux(4070, [&] { schema.GetTable(L"nosuch"); });
    ExpectDux(4070, [&] { schema.GetTable(static_cast<const wchar_t*>(nullptr)); });
    ExpectDux(4071, [&] { schema.GetTable(1); });
    ExpectDux(4071, [&] { schema.GetTable(-1, rtStats); });
    EXPECT_EQ(&view, schema.GetView(L"VWBATCH"));
    EXPECT_EQ(&view, schema.GetView(0));
    EXPECT_GE(ExpectDux(4072, [&] { schema.GetView(L"vwNone"); }).Find(L"vwNone"), 0);
    ExpectDux(4073, [&] { schema.GetView(1); });
    EXPECT_EQ(&proc, schema.GetProcedure(L"PROCGET"));
    ExpectDux(4074, [&] { schema.GetProcedure(L"procNone"); });
    ExpectDux(4075, [&] { schema.GetProcedure(1); });
    EXPECT_EQ(&func, schema.GetFunction(L"FNGET"));
    ExpectDux(4076, [&] { schema.GetFunction(L"fnNone"); });
    ExpectDux(4077, [&] { schema.GetFunction(-1); });

    EXPECT_EQ(&func, schema.GetProcedureOrFunction(L"fnget"));
    EXPECT_EQ(&proc, schema.GetProcedureOrFunction(L"procget"));
    ExpectDux(4074, [&] { schema.GetProcedureOrFunction(L"BatchDef"); });
    ExpectDux(4111, [&] { schema.GetProcedureOrFunction(L"nosuch"); });

    EXPECT_EQ(batchDef, schema.GetTable(0, rtStats));
    EXPECT_EQ(rtStats, batchDef->GetCurrentRootType());
    EXPECT_EQ(batchDef, schema.GetTable(L"BATCHDEF", rtSiteProfiles));
    EXPECT_EQ(rtSiteProfiles, batchDef->GetCurrentRootType());
}

// The texts of the lookup errors: the searched name goes through the variadic
// message formatting, and a null name must give an empty name in the text,
// never a read through null.
TEST_F(SchemaLookups, NotFoundTextsNameWhatWasSearched) {
    EXPECT_EQ(CString(L"The view 'vwOrders' was not found."),
              ExpectDux(4072, [&] { schema.GetView(L"vwOrders"); }));
    EXPECT_EQ(CString(L"The procedure or parameter 'procPut' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedure(L"procPut"); }));
    EXPECT_EQ(CString(L"The function 'fnPut' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(L"fnPut"); }));
    // A name of another kind of object is not found either.
    EXPECT_EQ(CString(L"The function 'procGet' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(L"procGet"); }));
    // No such routine: the command type of the name decides first.
    EXPECT_EQ(CString(L"procPut"), ExpectDux(4111, [&] { schema.GetProcedureOrFunction(L"procPut"); }));
    // A table and a view are commands, but no procedure.
    EXPECT_EQ(CString(L"The procedure or parameter 'vwBatch' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedureOrFunction(L"vwBatch"); }));
}

TEST_F(SchemaLookups, NullNamesGiveAnEmptyName) {
    EXPECT_EQ(CString(L"The view '' was not found."), ExpectDux(4072, [&] { schema.GetView(nullptr); }));
    EXPECT_EQ(CString(L"The procedure or parameter '' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedure(nullptr); }));
    EXPECT_EQ(CString(L"The function '' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(nullptr); }));
    EXPECT_EQ(CString(), ExpectDux(4111, [&] { schema.GetCommandType(nullptr); }));
    EXPECT_EQ(CString(), ExpectDux(4111, [&] { schema.GetProcedureOrFunction(nullptr); }));
    // The null-name and not-found forms of 4070 and 4054 share a text that
    // reads no argument.
    EXPECT_EQ(ExpectDux(4070, [&] { schema.GetTable(static_cast<const wchar_t*>(nullptr)); }),
              ExpectDux(4070, [&] { schema.GetTable(L"Nope"); }));
    EXPECT_EQ(ExpectDux(4054, [&] { schema.GetField(L"BatchDef", nullptr); }),
              ExpectDux(4054, [&] { schema.GetField(L"BatchDef", L"Nope"); }));
}

// A diagnostic line names the raising site by its path in the source tree,
// whatever folder the library was built in.
TEST_F(SchemaLookups, DiagnosticLineNamesTheSourceByItsTreePath) {
    try {
        schema.GetView(L"vwOrders");
        FAIL() << "no exception";
    } catch (DuxException* e) {
        const CString text = DuxException::GetErrorMessage(e);
        const LONG line = e->GetLineNo();
        e->Delete();
        CString expected;
        expected.Format(L"[4072] DuxLib: The view 'vwOrders' was not found. (src/schema/VrlSchema.cpp:%ld)",
                        line);
        EXPECT_EQ(std::wstring(expected.GetString()), std::wstring(text.GetString()));
    }
}

TEST_F(VrlSchemaTests, CommandTypesPreferRoutinesOverTables) {
    VrlTable* shared = keep.PlainTable(L"Shared");
    VrlProcedure proc(L"shared", L"", L"", 0, 0, V(25), 0);
    VrlFunction func(L"fn", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25));
    VrlView view(L"vw", L"", L"");
    VrlSchema schema(V(25), {shared, keep.PlainTable(L"Tab")}, {&view}, {&proc}, {&func});
    EXPECT_EQ(cmdProcedure, schema.GetCommandType(L"SHARED"));
    EXPECT_EQ(cmdFunction, schema.GetCommandType(L"FN"));
    EXPECT_EQ(cmdTable, schema.GetCommandType(L"tab"));
    EXPECT_EQ(cmdView, schema.GetCommandType(L"VW"));
    EXPECT_EQ(cmdTemporary, schema.GetCommandType(L"#tmp"));
    EXPECT_GE(ExpectDux(4111, [&] { schema.GetCommandType(L"nosuch"); }).Find(L"nosuch"), 0);
}

TEST_F(VrlSchemaTests, RootTypeNames) {
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"marlowcaptureruntime"));
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"MarlowCaptureSetup"));
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"MARLOWCAPTURERUNTIMEDOCUMENTS"));
    EXPECT_EQ(rtUndefined, VrlSchema::GetRootType(VrlSchema::GetRootTypeName(rtBatchSetupAndRuntime)));
    for (int value = 1; value <= 6; ++value) {
        const auto rootType = static_cast<VrlTableRootType>(value);
        if (rootType != rtBatchSetupAndRuntime) {
            EXPECT_EQ(rootType, VrlSchema::GetRootType(VrlSchema::GetRootTypeName(rootType)));
        }
    }
    EXPECT_EQ(L"Undefined", VrlSchema::GetRootTypeName(static_cast<VrlTableRootType>(7)));
    EXPECT_EQ(L"Undefined", VrlSchema::GetRootTypeName(rtUndefined));
    EXPECT_EQ(L"VeskSiteProfiles", VrlSchema::GetRootTypeName(rtSiteProfiles));
    EXPECT_EQ(rtUndefined, VrlSchema::GetRootType(L"Nothing"));
}

TEST_F(VrlSchemaTests, NameKeyedAccessorsCheckArgumentsInOrder) {
    VrlTable* table = keep.PlainTable(L"Batch");
    VrlSchema schema = VrlSchemaTest::MakeSchema({table, keep.PlainTable(L"Page")});
    const wchar_t* null = nullptr;

    ExpectDux(4070, [&] { schema.SetChild(null, null); });
    ExpectDux(4082, [&] { schema.SetChild(L"Batch", null); });
    ExpectDux(4070, [&] { schema.SetChild(L"nosuch", L"Page"); });
    ExpectDux(4070, [&] { schema.SetConvertRoutine(null, null); });
    ExpectDux(4080, [&] { schema.SetConvertRoutine(L"Batch", null); });
    ExpectDux(4070, [&] { schema.SetConvertRoutine(L"nosuch", L"X"); });
    ExpectDux(4079, [&] { schema.SetImportRoutine(L"nosuch", null); });
    ExpectDux(4081, [&] { schema.SetTableStatusColumnName(L"Batch", null); });
    ExpectDux(4081, [&] { schema.SetTableExternalName(L"nosuch", null); });
    ExpectDux(4070, [&] { schema.SetDatabaseVersion(null, VrlDbVersion35); });
    ExpectDux(4070, [&] { schema.SetFieldFlag(null, null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.SetFieldFlag(L"nosuch", null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.SetParentKeyTable(L"Batch", null, null); });
    ExpectDux(4085, [&] { schema.SetParentKeyTable(L"nosuch", L"ID", null); });
    ExpectDux(4054, [&] { schema.SetTranslateTable(L"Batch", null, null); });
    ExpectDux(4083, [&] { schema.SetTranslateTable(L"nosuch", L"ID", null); });
    ExpectDux(4070, [&] { schema.SetTranslateTable(L"nosuch", L"ID", L"T"); });
    ExpectDux(4070, [&] { schema.GetFieldFlag(null, null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.GetFieldFlag(L"nosuch", null, ffTimeOffset); });
    ExpectDux(4070, [&] { schema.GetFieldFlag(L"nosuch", L"ID", ffTimeOffset); });
    ExpectDux(4054, [&] { schema.GetParentKeyTable(L"Batch", null); });
    ExpectDux(4070, [&] { schema.GetChildCount(null); });
    ExpectDux(4070, [&] { schema.GetImportRoutine(L"nosuch"); });
    ExpectDux(4070, [&] { schema.GetTableFlag(L"nosuch", tfNone); });
    ExpectDux(4054, [&] { schema.GetField(L"Batch", L"Nope"); });
    ExpectDux(4070, [&] { schema.GetField(L"nosuch", L"ID"); });

    // Not raising for a table the schema lacks: nothing happens.
    schema.SetTableExternalName(L"nosuch", L"X");
    schema.SetDatabaseVersion(L"nosuch", VrlDbVersion35);
    schema.SetTableFlag(L"nosuch", tfNone);
    schema.SetFieldFlag(L"nosuch", L"ID", ffTimeOffset);
    schema.SetParentKeyTable(L"nosuch", L"ID", L"P");
    schema.SetChild(L"Batch", L"nosuch");
    EXPECT_EQ(0, schema.GetChildCount(L"Batch"));
}

TEST_F(VrlSchemaTests, NameKeyedAccessorsReachTablesAndFields) {
    VrlTable* batch = keep.Table(L"Batch", {keep.Field(L"ID")}, {}, V(25), 0, rtStats);
    VrlTable* page = keep.PlainTable(L"Page");
    VrlSchema schema = VrlSchemaTest::MakeSchema({batch, page});

    schema.SetChild(L"batch", L"PAGE");
    EXPECT_EQ(rtStats, page->GetCurrentRootType());
    EXPECT_EQ(1, schema.GetChildCount(L"Batch"));
    EXPECT_STREQ(L"PAGE", schema.GetChild(L"Batch", 0));
    ExpectDux(4084, [&] { schema.GetChild(L"Batch", 1); });
    ExpectDux(4084, [&] { schema.GetChild(L"Batch", -1); });

    schema.SetConvertRoutine(L"Batch", L"conv");
    schema.SetImportRoutine(L"Batch", L"imp");
    schema.SetTableStatusColumnName(L"Batch", L"State");
    schema.SetTableExternalName(L"Batch", L"ExtBatch");
    schema.SetDatabaseVersion(L"Batch", VrlDbVersion35);
    schema.SetTableFlag(L"Batch", static_cast<VrlTableFlag>(4));
    EXPECT_STREQ(L"conv", schema.GetConvertRoutine(L"Batch"));
    EXPECT_STREQ(L"imp", schema.GetImportRoutine(L"Batch"));
    EXPECT_STREQ(L"State", batch->GetStatusColumnName());
    EXPECT_STREQ(L"ExtBatch", schema.GetTableExternalName(L"Batch"));
    EXPECT_EQ(VrlDbVersion35, schema.GetDatabaseVersion(L"Batch"));
    EXPECT_EQ(4, schema.GetTableFlag(L"Batch", static_cast<VrlTableFlag>(6)));

    schema.SetFieldFlag(L"Batch", L"id", ffTimeOffset);
    schema.SetParentKeyTable(L"Batch", L"ID", L"Parent");
    schema.SetTranslateTable(L"Batch", L"ID", L"Trans");
    schema.SetFieldFlag(L"Batch", L"Missing", ffTimeOffset);
    schema.SetTranslateTable(L"Batch", L"Missing", L"Trans");
    EXPECT_EQ(ffTimeOffset, schema.GetFieldFlag(L"Batch", L"ID", ffTimeOffset));
    EXPECT_EQ(0, schema.GetFieldFlag(L"Batch", L"Missing", ffTimeOffset));
    EXPECT_STREQ(L"Parent", schema.GetParentKeyTable(L"Batch", L"ID"));
    EXPECT_STREQ(L"", schema.GetParentKeyTable(L"Batch", L"Missing"));
    EXPECT_STREQ(L"Trans", schema.GetTranslateTable(L"Batch", L"ID"));
    EXPECT_STREQ(L"", schema.GetTranslateTable(L"Batch", L"Missing"));
    EXPECT_EQ(batch->GetField(0), schema.GetField(L"BATCH", L"id"));
}

TEST_F(VrlSchemaTests, CopiesShareObjectsAndCompareByIdentity) {
    VrlTable* a = keep.PlainTable(L"A");
    VrlTable* b = keep.PlainTable(L"B");
    VrlSchema schema = VrlSchemaTest::MakeSchema({a, b}, V(30));
    VrlSchema copy(schema);
    EXPECT_TRUE(copy == schema);
    EXPECT_EQ(a, copy.GetTable(L"a"));
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({a, b}, V(31)) == schema);
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({b, a}, V(30)) == schema);
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({a, keep.PlainTable(L"B")}, V(30)) == schema);
    VrlSchema assigned = VrlSchemaTest::MakeSchema({}, V(25));
    assigned = schema;
    EXPECT_TRUE(assigned == schema);
    EXPECT_EQ(2, assigned.GetTableCount());
}

TEST_F(VrlSchemaTests, LargeSchemasAreIndexedByName) {
    std::vector<VrlTable*> tables;
    for (int i = 0; i < 10000; ++i)
        tables.push_back(keep.Table(Fmt(L"Table%05d", i), {}));
    VrlSchema schema = VrlSchemaTest::MakeSchema(tables);
    ASSERT_EQ(10000, schema.GetTableCount());
    // 200,000 lookups: a linear search would take minutes, the index
    // milliseconds.
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 10000; ++i)
            ASSERT_EQ(tables[static_cast<size_t>(i)], schema.GetTableDontThrow(Fmt(L"TABLE%05d", i)));
    }
}

namespace {

CString Joined(const CStringArray& names) {
    CString joined;
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
        joined += (i > 0 ? L"," : L"") + CString(names.GetAt(i));
    return joined;
}

// Small trees for VrlTableTreeNames, written as "Root>Alpha,Beta Alpha Beta":
// every word is a table, with its children after ">"; a table named with a
// trailing "*" has only faked columns, one named "Doc=Notes" a memo column
// kept in the table Notes. Walks start at the first table.
class VrlTableTreeNamesTest : public ::testing::Test {
protected:
    // The names one walk lists after those already in `names`.
    CString Walk(const std::wstring& tree, CStringArray& names) {
        std::vector<VrlTable*> tables;
        std::wistringstream words(tree);
        for (std::wstring word; words >> word;) {
            const std::wstring head = word.substr(0, word.find(L'>'));
            const std::wstring name = head.substr(0, head.find_first_of(L"*="));
            std::vector<VrlField*> fields{keep.Field(L"ID", V(25), dtInteger, head.back() == L'*' ? 1 : 0)};
            if (head.find(L'=') != std::wstring::npos)
                fields.push_back(keep.MemoField(
                    L"Text", keep.Make<std::wstring>(head.substr(head.find(L'=') + 1))->c_str()));
            tables.push_back(keep.Table(name.c_str(), fields));
            std::wistringstream children(
                word.find(L'>') == std::wstring::npos ? L"" : word.substr(word.find(L'>') + 1));
            for (std::wstring child; std::getline(children, child, L',');)
                tables.back()->SetChild(child.c_str());
        }
        schema = VrlSchemaTest::MakeSchema(tables);
        tree_ = std::make_unique<VrlTableTreeNames>(&schema);
        tree_->GetNames(tables.front(), names);
        return Joined(names);
    }

    VrlSchemaTest::ObjectKeeper keep;
    VrlSchema schema = VrlSchemaTest::MakeSchema({});
    std::unique_ptr<VrlTableTreeNames> tree_;
};

} // namespace

// Depth first, each table once (Gamma is met again from a second parent);
// faked children hide their subtree; memo tables follow every subtree that
// uses them; cycles are not followed.
TEST_F(VrlTableTreeNamesTest, WalksDepthFirstAndListsEachTableOnce) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Root>Alpha,Beta Alpha>Gamma Beta>Gamma Gamma>Delta Delta", L"Existing,Alpha,Gamma,Delta,Beta"},
        {L"Root>Group,Other Group*>Real Real Other", L"Existing,Other"},
        {L"Folder>Folder,Item Item>Folder", L"Existing,Folder,Item"},
        {L"Root>Doc Doc=Notes>Page Page=Notes Notes", L"Existing,Doc,Page,Notes,Notes"},
    };
    for (const auto& [tree, expected] : cases) {
        CStringArray names;
        names.Add(L"Existing");
        EXPECT_EQ(expected, Walk(tree, names)) << CString(tree).ToUtf8();
    }
    // The seen set outlives the call: a second walk of the last tree adds the
    // memo names only.
    CStringArray names;
    tree_->GetNames(schema.GetTable(L"Root"), names);
    EXPECT_EQ(L"Notes,Notes", Joined(names));
}

TEST_F(VrlTableTreeNamesTest, UnknownChildRaisesAndKeepsWhatWasListed) {
    CStringArray names;
    ExpectDux(4070, [&] { Walk(L"Root>Known,Unknown Known", names); });
    EXPECT_EQ(L"Known", Joined(names));
    VrlTable marker(L"Gone", V(30));
    ExpectDux(4111, [&] { tree_->GetNames(&marker, names); });
}

namespace {

// Adds to a collection at `version` the views of `adds`, words "Name@V" or
// "Name@V.SP" (a dropped marker when it starts with "-"), each view's text
// being its word. Returns what each Add returned ("1" or "0") and then, after
// a space, the words of the collection's objects in order.
class CSchemaObjectCollectionTest : public ::testing::Test {
protected:
    std::string Adds(const wchar_t* adds, VrlSchemaVersion version) {
        std::string result;
        std::wistringstream words(adds);
        for (std::wstring word; words >> word;) {
            const size_t at = word.find(L'@'), dot = word.find(L'.');
            const std::wstring name = word.substr(word[0] == L'-' ? 1 : 0, at - (word[0] == L'-' ? 1 : 0));
            const VrlSchemaVersion v(std::stoi(word.substr(at + 1)),
                                     dot == std::wstring::npos ? 0 : std::stoi(word.substr(dot + 1)));
            VrlView* view = word[0] == L'-' ? keep.Make<VrlView>(name.c_str(), v)
                                            : keep.Make<VrlView>(name.c_str(), word.c_str(), L"", v);
            result += collection.Add(view, version) ? "1" : "0";
        }
        result += " ";
        for (const VrlSchemaObject* object : collection.GetObjects()) {
            const auto* view = static_cast<const VrlView*>(object);
            EXPECT_EQ(object, collection.Find(view->GetName())) << "the index follows the list";
            result += (view->IsDropped() ? "-" + view->GetName().ToUtf8() : view->GetSQL().ToUtf8()) + ",";
        }
        return result;
    }

    VrlSchemaTest::ObjectKeeper keep;
    CSchemaObjectCollection collection;
};

} // namespace

// A later version takes the place of the earlier one, in its position; an
// older one listed after a newer one is ignored, an equal one wins; an object
// newer than the container is left out; a dropped marker removes its object
// and renumbers the positions behind it, or, meeting nothing, stays and keeps
// older objects out.
TEST_F(CSchemaObjectCollectionTest, AddsByVersion) {
    const std::tuple<const wchar_t*, VrlSchemaVersion, const char*> cases[] = {
        {L"Alpha@25 BatchDef@25 Gamma@25", V(25), "111 Alpha@25,BatchDef@25,Gamma@25,"},
        {L"A@25 B@25 a@30", V(35), "111 a@30,B@25,"},
        {L"A@25 B@25 a@30 A@20", V(35), "1110 a@30,B@25,"},
        {L"A@25 B@25 a@30 A@20 A@30", V(35), "11101 A@30,B@25,"},
        {L"A@25.10001", V(25), "0 "},
        {L"A@25.10001", V(25, 10001), "1 A@25.10001,"},
        {L"A@25 B@25 C@25 D@25 -b@30", V(30), "11111 A@25,C@25,D@25,"},
        {L"A@25 B@25 C@25 D@25 -b@30 D@30", V(30), "111111 A@25,C@25,D@30,"},
        {L"-X@30 X@25", V(30), "10 -X,"},
    };
    for (const auto& [adds, version, expected] : cases) {
        collection.RemoveAll();
        EXPECT_EQ(expected, Adds(adds, version)) << CString(adds).ToUtf8();
    }
    // The last case's marker is found like an object.
    ASSERT_NE(nullptr, collection.Find(L"x"));
    EXPECT_TRUE(collection.Find(L"x")->IsDropped());
}

TEST_F(CSchemaObjectCollectionTest, FindsWithoutRegardToCase) {
    EXPECT_EQ("11111 Alpha@25,BatchDef@25,Gamma@25,",
              Adds(L"Alpha@25 BatchDef@25 Gamma@25 B@25 -b@25", V(25)));
    EXPECT_EQ(collection.GetAt(1), collection.Find(L"batchdef"));
    EXPECT_EQ(collection.GetAt(1), collection.Find(L"BATCHDEF"));
    EXPECT_EQ(L"Gamma", collection.GetAt(2)->GetName());
    EXPECT_EQ(nullptr, collection.Find(L"BatchDe"));
    EXPECT_EQ(nullptr, collection.Find(nullptr));
    EXPECT_EQ(nullptr, collection.GetAt(3));
    EXPECT_EQ(nullptr, collection.GetAt(-1));
    EXPECT_EQ(nullptr, collection.Find(L"B"));
}
