#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "common/Fmt.h"
#include "common/TestData.h"
#include "schema/CSchemaObjectCollection.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTableTreeNames.h"
#include "schema/VrlView.h"
#include "support/DuxException.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;
using VrlSchemaTest::Version;

namespace {

const char* const kCases = "schema/texts/schema.txt";

class VrlSchemaTests : public VrlSchemaTest::KitTest {};

using Args = std::vector<const wchar_t*>;

std::wstring Name(const VrlSchemaObject* object) {
    return object ? object->GetName().GetString() : L"-";
}
std::wstring Text(const wchar_t* text) {
    return text ? text : L"-";
}
// A number argument, of an integer or an enumeration type.
template <class T = LONG> T N(const wchar_t* number) {
    return static_cast<T>(std::wcstol(number, nullptr, 0));
}

// A setter as a call without result.
template <class F> auto Set(F set) {
    return [set](VrlSchema& s, const Args& a) {
        set(s, a);
        return std::wstring();
    };
}

// The schema's accessors by name, each with its result as text.
const std::map<std::wstring, std::function<std::wstring(VrlSchema&, const Args&)>> kCalls = {
    {L"GetTable", [](auto& s, auto& a) { return Name(s.GetTable(a[0])); }},
    {L"GetTableAt",
     [](auto& s, auto& a) {
         return Name(a.size() > 1 ? s.GetTable(N(a[0]), N<VrlTableRootType>(a[1])) : s.GetTable(N(a[0])));
     }},
    {L"GetTableDontThrow", [](auto& s, auto& a) { return Name(s.GetTableDontThrow(a[0])); }},
    {L"GetView", [](auto& s, auto& a) { return Name(s.GetView(a[0])); }},
    {L"GetViewAt", [](auto& s, auto& a) { return Name(s.GetView(N(a[0]))); }},
    {L"GetProcedure", [](auto& s, auto& a) { return Name(s.GetProcedure(a[0])); }},
    {L"GetProcedureAt", [](auto& s, auto& a) { return Name(s.GetProcedure(N(a[0]))); }},
    {L"GetFunction", [](auto& s, auto& a) { return Name(s.GetFunction(a[0])); }},
    {L"GetFunctionAt", [](auto& s, auto& a) { return Name(s.GetFunction(N(a[0]))); }},
    {L"GetProcedureOrFunction", [](auto& s, auto& a) { return Name(s.GetProcedureOrFunction(a[0])); }},
    {L"GetCommandType", [](auto& s, auto& a) { return std::to_wstring(s.GetCommandType(a[0])); }},
    {L"GetField", [](auto& s, auto& a) { return Name(s.GetField(a[0], a[1])); }},
    {L"GetChild", [](auto& s, auto& a) { return Text(s.GetChild(a[0], N(a[1]))); }},
    {L"GetChildCount", [](auto& s, auto& a) { return std::to_wstring(s.GetChildCount(a[0])); }},
    {L"GetConvertRoutine", [](auto& s, auto& a) { return Text(s.GetConvertRoutine(a[0])); }},
    {L"GetImportRoutine", [](auto& s, auto& a) { return Text(s.GetImportRoutine(a[0])); }},
    {L"GetDatabaseVersion", [](auto& s, auto& a) { return std::to_wstring(s.GetDatabaseVersion(a[0])); }},
    {L"GetTableExternalName", [](auto& s, auto& a) { return Text(s.GetTableExternalName(a[0])); }},
    {L"GetTableFlag",
     [](auto& s, auto& a) { return std::to_wstring(s.GetTableFlag(a[0], N<VrlTableFlag>(a[1]))); }},
    {L"GetFieldFlag",
     [](auto& s, auto& a) { return std::to_wstring(s.GetFieldFlag(a[0], a[1], N<VrlFieldFlag>(a[2]))); }},
    {L"GetParentKeyTable", [](auto& s, auto& a) { return Text(s.GetParentKeyTable(a[0], a[1])); }},
    {L"GetTranslateTable", [](auto& s, auto& a) { return Text(s.GetTranslateTable(a[0], a[1])); }},
    {L"SetChild", Set([](auto& s, auto& a) { s.SetChild(a[0], a[1]); })},
    {L"SetConvertRoutine", Set([](auto& s, auto& a) { s.SetConvertRoutine(a[0], a[1]); })},
    {L"SetImportRoutine", Set([](auto& s, auto& a) { s.SetImportRoutine(a[0], a[1]); })},
    {L"SetTableStatusColumnName", Set([](auto& s, auto& a) { s.SetTableStatusColumnName(a[0], a[1]); })},
    {L"SetTableExternalName", Set([](auto& s, auto& a) { s.SetTableExternalName(a[0], a[1]); })},
    {L"SetDatabaseVersion",
     Set([](auto& s, auto& a) { s.SetDatabaseVersion(a[0], N<VrlDatabaseVersion>(a[1])); })},
    {L"SetTableFlag", Set([](auto& s, auto& a) { s.SetTableFlag(a[0], N<VrlTableFlag>(a[1])); })},
    {L"SetFieldFlag", Set([](auto& s, auto& a) { s.SetFieldFlag(a[0], a[1], N<VrlFieldFlag>(a[2])); })},
    {L"SetParentKeyTable", Set([](auto& s, auto& a) { s.SetParentKeyTable(a[0], a[1], a[2]); })},
    {L"SetTranslateTable", Set([](auto& s, auto& a) { s.SetTranslateTable(a[0], a[1], a[2]); })},
};

// Runs the calls of a section of schema/texts/schema.txt on `schema`, in order.
class SchemaCalls : public VrlSchemaTests {
protected:
    static void Run(VrlSchema& schema, const char* section) {
        for (const VrlSchemaTest::CaseRow& row : VrlSchemaTest::ReadCases(kCases, section)) {
            SCOPED_TRACE(row.where);
            Args args;
            for (size_t i = 1; i < row.inputs; ++i)
                args.push_back(row[i] == L"-" ? nullptr : row[i].c_str());
            const auto call = [&] { return kCalls.at(row[0])(schema, args); };
            const std::vector<std::wstring> out(row.fields.begin() + row.inputs, row.fields.end());
            if (!out.empty() && out[0] == L"raises") {
                const CString text = ExpectDux(std::stol(out.at(1)), call);
                if (out.size() > 2) {
                    EXPECT_EQ(CString(out[2].c_str()), text);
                }
            } else {
                EXPECT_EQ(out.empty() ? std::wstring() : out[0], call());
            }
        }
    }
};

// A schema with one object of each kind.
class SchemaLookups : public SchemaCalls {
protected:
    VrlTable* batchDef = keep.PlainTable(L"BatchDef");
    VrlView view{L"vwBatch", L"SELECT 1", L"BatchDef"};
    VrlProcedure proc{L"procGet", L"", L"", 0, 0, V(25), 0};
    VrlFunction func{L"fnGet", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25)};
    VrlSchema schema{V(25), {batchDef}, {&view}, {&proc}, {&func}};
};

} // namespace

// The tables are merged at the schema's version (the merging itself:
// CSchemaObjectCollectionTest below).
TEST_F(VrlSchemaTests, MergesTableVersionsBySchemaVersion) {
    VrlTable* a25 = keep.PlainTable(L"A", V(25));
    VrlTable* a30 = keep.PlainTable(L"A", V(30));
    VrlTable* b = keep.PlainTable(L"B");
    const std::vector<VrlTable*> tables{a25, b, a30, keep.Make<VrlTable>(L"A", V(40))};
    EXPECT_EQ(a25, VrlSchemaTest::MakeSchema(tables, V(25)).GetTable(L"a"));
    VrlSchema s35 = VrlSchemaTest::MakeSchema(tables, V(35));
    EXPECT_EQ(a30, s35.GetTable(0));
    EXPECT_EQ(VrlDbVersion35, s35.GetVersion());
    EXPECT_EQ(V(35), s35.GetSchemaVersion());
    VrlSchema s40 = VrlSchemaTest::MakeSchema(tables, V(40));
    EXPECT_EQ(1, s40.GetTableCount());
    EXPECT_EQ(b, s40.GetTable(0));
}

// A lookup with a root type makes it the table's current one.
TEST_F(SchemaLookups, LookupsFindByNameAndRaiseTheirCodes) {
    Run(schema, "lookups");
    EXPECT_EQ(batchDef, schema.GetTable(0, rtStats));
    EXPECT_EQ(rtStats, batchDef->GetCurrentRootType());
    EXPECT_EQ(batchDef, schema.GetTable(L"BATCHDEF", rtSiteProfiles));
    EXPECT_EQ(rtSiteProfiles, batchDef->GetCurrentRootType());
}

// A diagnostic line names the raising site by its path in the source tree,
// whatever folder the library was built in.
TEST_F(SchemaLookups, DiagnosticLineNamesTheSourceByItsTreePath) {
    try {
        schema.GetView(L"vwOrders");
        FAIL() << "no exception";
    } catch (DuxException* e) {
        const CString expected =
            Fmt(L"[4072] DuxLib: The view 'vwOrders' was not found. (src/schema/VrlSchema.cpp:%ld)",
                e->GetLineNo());
        EXPECT_EQ(expected.View(), DuxException::GetErrorMessage(e).View());
        e->Delete();
    }
}

TEST_F(SchemaCalls, CommandTypesPreferRoutinesOverTables) {
    VrlProcedure proc(L"shared", L"", L"", 0, 0, V(25), 0);
    VrlFunction func(L"fn", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25));
    VrlView view(L"vw", L"", L"");
    VrlSchema schema(V(25), {keep.PlainTable(L"Shared"), keep.PlainTable(L"Tab")}, {&view}, {&proc}, {&func});
    Run(schema, "command-types");
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

TEST_F(SchemaCalls, NameKeyedAccessorsCheckArgumentsInOrder) {
    VrlSchema schema = VrlSchemaTest::MakeSchema({keep.PlainTable(L"Batch"), keep.PlainTable(L"Page")});
    Run(schema, "argument-checks");
}

TEST_F(SchemaCalls, NameKeyedAccessorsReachTablesAndFields) {
    VrlTable* batch = keep.Table(L"Batch", {keep.Field(L"ID")}, {}, V(25), 0, rtStats);
    VrlTable* page = keep.PlainTable(L"Page");
    VrlSchema schema = VrlSchemaTest::MakeSchema({batch, page});
    Run(schema, "accessors");
    EXPECT_EQ(rtStats, page->GetCurrentRootType());
    EXPECT_STREQ(L"State", batch->GetStatusColumnName());
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

// Small trees for VrlTableTreeNames, written as in [tree-walks] of
// schema/texts/schema.txt.
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

TEST_F(VrlTableTreeNamesTest, WalksDepthFirstAndListsEachTableOnce) {
    for (const VrlSchemaTest::CaseRow& row : VrlSchemaTest::ReadCases(kCases, "tree-walks")) {
        CStringArray names;
        names.Add(L"Existing");
        EXPECT_EQ(CString(row[1].c_str()), Walk(row[0], names)) << row.where;
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

// Adds to a collection at `version` the views of `adds`, written as in
// [collection-adds] of schema/texts/schema.txt. Returns what each Add
// returned ("1" or "0") and then, after a space, the words of the
// collection's objects in order.
class CSchemaObjectCollectionTest : public ::testing::Test {
protected:
    std::string Adds(const wchar_t* adds, VrlSchemaVersion version) {
        std::string result;
        std::wistringstream words(adds);
        for (std::wstring word; words >> word;) {
            const size_t at = word.find(L'@');
            const std::wstring name = word.substr(word[0] == L'-' ? 1 : 0, at - (word[0] == L'-' ? 1 : 0));
            const VrlSchemaVersion v = Version(word.substr(at + 1));
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

TEST_F(CSchemaObjectCollectionTest, AddsByVersion) {
    // Each case alone, where the collection is searched in order, and behind
    // 16 other objects, where it keeps an index.
    for (int fillers : {0, 16}) {
        for (const VrlSchemaTest::CaseRow& row : VrlSchemaTest::ReadCases(kCases, "collection-adds")) {
            collection.RemoveAll();
            std::string filled;
            for (int i = 0; i < fillers; ++i) {
                const std::wstring name = L"F" + std::to_wstring(i);
                collection.Add(keep.Make<VrlView>(name.c_str(), (name + L"@25").c_str(), L"", V(25)), V(25));
                filled += VrlSchemaTest::Bytes(name) + "@25,";
            }
            const std::string expected = VrlSchemaTest::Bytes(row[2]) + " " + filled +
                                         (row[3].empty() ? "" : VrlSchemaTest::Bytes(row[3]));
            EXPECT_EQ(expected, Adds(row[0].c_str(), Version(row[1]))) << row.where << " " << fillers;
        }
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
