#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

#include "common/TestData.h"
#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlTableData.h"
#include "schema/VrlView.h"
#include "schemafile/JsonTree.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

// A small file with one of each kind of member (texts/small.json).
const std::string& Small() {
    static const std::string text = VrlSchemaTest::ReadDataFile("schemafile/texts/small.json");
    return text;
}

// The reader is the library's; the sample it is tried on is the tool's default schema file.
std::string SamplePath() {
    return VRLSCHEMA_TEST_DATA_DIR "/../examples/sample-schema.json";
}

// The notes of a record, one a line: kind, object path, JSON path and the
// JSON path of the object kept.
std::string Notes(const SchemaFileRecord& record) {
    std::string notes;
    for (const SchemaFileRecord::Note& note : record.GetNotes())
        notes += std::to_string(static_cast<int>(note.kind)) + " " + note.objectPath.ToUtf8() + " " +
                 note.jsonPath + " " + note.otherJsonPath + "\n";
    return notes;
}

} // namespace

TEST(SchemaFile, BuildsTheModelAtTheVersionAskedFor) {
    auto file = SchemaFile::Parse(Small(), "t.json", Dialect::SqlServer);
    const VrlSchema& schema = file->GetSchema();
    ASSERT_EQ(2, schema.GetTableCount());
    const VrlTable* person = schema.GetTable(L"person");
    // Nick is newer than the schema; Old is dropped at 30.
    ASSERT_EQ(3, person->GetFieldCount());
    EXPECT_EQ(CString(L"Born"), person->GetField(2)->GetName());
    EXPECT_FALSE(person->HasField(L"Old"));

    const VrlField* born = person->GetField(L"Born");
    EXPECT_NE(0, born->GetFlag(static_cast<VrlFieldFlag>(0x2000)));
    EXPECT_STREQ(L"Other", born->GetTranslateTable());
    COleVariant date = born->GetDefaultValue();
    EXPECT_EQ(VT_DATE, date.vt);
    EXPECT_NEAR(36585.0 + 12.5 / 24, date.date, 1e-9);
    EXPECT_EQ(ntNotNull, person->GetField(L"PersonID")->GetNullType());

    const VrlConstraint* index = person->GetConstraint(L"IX_Name");
    ASSERT_NE(nullptr, index);
    EXPECT_EQ(CString(L"Name"), index->GetFields().at(0));
    EXPECT_TRUE(index->IsCaseInsensitive(L"NAME"));
    EXPECT_EQ(1u, index->GetIncludedFields().size());
    EXPECT_TRUE(person->GetConstraint(L"PK_Person")->IsClustered());
    EXPECT_EQ(odCascade4, person->GetConstraint(L"FK_Other")->GetOnDeleteType());

    const VrlTableData* data = person->GetVrlTableData();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(2, data->GetRowCount());
    EXPECT_EQ(VT_NULL, data->GetValue(1, 1).vt);

    EXPECT_EQ(1, person->GetChildCount());
    EXPECT_STREQ(L"Other", person->GetChild(0));
    EXPECT_EQ(CString(L"SELECT 1"), schema.GetView(0)->GetSQL());
    // The procedure has a text for DB2 only.
    EXPECT_EQ(0, schema.GetProcedureCount());
}

// A column name that every table repeats is held once, in every dialect's
// model; names that differ only in case are not the same.
TEST(SchemaFile, FieldsOfManyTablesShareTheStorageOfTheirName) {
    const std::string text = R"({"version": "30", "tables": [
        {"name": "A", "fields": [{"name": "ID", "type": "dtInteger"}, {"name": "Code", "type": 1}]},
        {"name": "B", "fields": [{"name": "ID", "type": "dtInteger", "description": "key"},
                                 {"name": "code", "type": 1}]}]})";
    auto file = SchemaFile::Parse(text, "t.json", Dialect::Oracle);
    const VrlSchema& schema = file->GetSchema();
    const VrlField* a = schema.GetTable(L"A")->GetField(L"ID");
    const VrlField* b = schema.GetTable(L"B")->GetField(L"ID");
    EXPECT_EQ(a->GetNameRef().GetString(), b->GetNameRef().GetString());
    EXPECT_STREQ(L"ID", b->GetNameRef().GetString());
    EXPECT_STREQ(L"key", b->GetDescription().GetString());
    EXPECT_NE(schema.GetTable(L"A")->GetField(1)->GetNameRef().GetString(),
              schema.GetTable(L"B")->GetField(1)->GetNameRef().GetString());
}

// Every name of an enumeration is read as its value.
TEST(SchemaFile, ReadsEveryDataAndConstraintTypeByName) {
    const char* const types[] = {
        "dtInteger",    "dtGuid",         "dtAutoIncrement", "dtBoolean", "dtByte",      "dtShort",
        "dtLong",       "dtBigInt",       "dtSingle",        "dtDouble",  "dtString",    "dtDateTime",
        "dtBinary",     "dtLongText",     "dtString256",     "dtMemo",    "dtTable",     "dtInteger18",
        "dtInteger19",  "dtInteger20",    "dtInteger21",     "dtMemo22",  "dtGuid23",    "dtName",
        "dtAnsiString", "dtAnsiString26", "dtSysName",       "dtGuid28",  "dtTimestamp", "dtInterval"};
    const std::pair<const char*, VrlConstraintType> keys[] = {{"ctPrimaryKey", ctPrimaryKey},
                                                              {"ctUnique", ctUnique},
                                                              {"ctIndex", ctIndex},
                                                              {"ctIndex6", ctIndex6},
                                                              {"ctUniqueNotGenerated", ctUniqueNotGenerated}};
    std::string text = R"({"version": 30, "tables": [{"name": "T", "fields": [)";
    for (size_t i = 0; i < std::size(types); ++i)
        text += (i ? "," : "") + std::string(R"({"name": "F)") + std::to_string(i) + R"(", "type": ")" +
                types[i] + "\"}";
    text += R"(], "constraints": [)";
    for (size_t i = 0; i < std::size(keys); ++i)
        text += (i ? "," : "") + std::string(R"({"name": "K)") + std::to_string(i) + R"(", "type": ")" +
                keys[i].first + R"(", "fields": ["F0"]})";
    text += "]}]}";
    auto file = SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
    const VrlTable* table = file->GetSchema().GetTable(L"T");
    ASSERT_EQ(static_cast<LONG>(std::size(types)), table->GetFieldCount());
    for (LONG i = 0; i < table->GetFieldCount(); ++i)
        EXPECT_EQ(static_cast<VrlDataType>(i + 1), table->GetField(i)->GetDataType()) << types[i];
    ASSERT_EQ(static_cast<LONG>(std::size(keys)), table->GetConstraintCount());
    for (LONG i = 0; i < table->GetConstraintCount(); ++i)
        EXPECT_EQ(keys[i].second, table->GetConstraint(i)->GetType()) << keys[i].first;
}

TEST(SchemaFile, DialectTextsVersionOverrideAndTreeEntriesOfOtherVersions) {
    auto oracle = SchemaFile::Parse(Small(), "t.json", Dialect::Oracle, VrlSchemaVersion(35));
    EXPECT_EQ(CString(L"SELECT 1 FROM dual"), oracle->GetSchema().GetView(0)->GetSQL());
    EXPECT_TRUE(oracle->GetSchema().GetTable(L"Person")->HasField(L"Nick"));
    auto db2 = SchemaFile::Parse(Small(), "t.json", Dialect::DB2, VrlSchemaVersion(25));
    EXPECT_EQ(1, db2->GetSchema().GetProcedureCount());
    EXPECT_TRUE(db2->GetSchema().GetTable(L"Person")->HasField(L"Old"));
    // PostgreSQL under either of its names; its own text over the default.
    for (const char* name : {"postgres", "PostgreSQL"})
        ASSERT_EQ(Dialect::Postgres, ParseDialect(name)) << name;
    EXPECT_STREQ("postgres", DialectName(Dialect::Postgres));
    auto postgres = SchemaFile::Parse(Small(), "t.json", Dialect::Postgres);
    EXPECT_EQ(CString(L"SELECT 2"), postgres->GetSchema().GetView(0)->GetSQL());
    EXPECT_EQ(0, postgres->GetSchema().GetProcedureCount());
}

// Every refusal of texts/refusals.txt, with the path and text of its first
// problem.
TEST(SchemaFile, RefusesBadFilesNamingThePath) {
    const auto cases = VrlSchemaTest::ReadDataCases("schemafile/texts/refusals.txt");
    EXPECT_EQ(21u, cases.size());
    for (const VrlSchemaTest::DataCase& c : cases) {
        try {
            SchemaFile::Parse(c.text, "t.json", Dialect::SqlServer);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SchemaFileError& e) {
            std::string paths;
            for (const SchemaFileError::Problem& problem : e.Problems())
                paths += (paths.empty() ? "" : " ") + problem.path;
            EXPECT_EQ(c.keys.count("paths") ? c.Key("paths") : c.Key("path"), paths) << c.text;
            EXPECT_EQ(0u, std::string(e.what()).find("t.json: ")) << e.what();
            if (!c.Key("what").empty()) {
                EXPECT_EQ(c.Key("what"), e.what()) << c.text;
            }
            EXPECT_NE(std::string::npos, e.Reason().find(c.Key("reason"))) << e.Reason();
        }
    }

    // Tree entries of tables of other versions are passed over, whatever
    // the case of their names, and whether the version comes before the
    // tables (which are then read as they come) or after them.
    const std::string tables = R"("tables": [
        {"name": "Root", "fields": []},
        {"name": "Late", "version": 30, "fields": [{"name": "X", "type": "dtInteger"}]}],
      "trees": {"MarlowCaptureSetup": {"Root": ["late"], "LATE": ["Root"]}})";
    for (const std::string& text :
         {"{\"version\": 25, " + tables + "}", "{" + tables + ", \"version\": 25}"}) {
        auto file = SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
        EXPECT_EQ(0, file->GetSchema().GetTable(L"Root")->GetChildCount()) << text;
    }
}

TEST(SchemaFile, SampleSchemaLoadsForEveryDialectAndVersionAndAMissingFileIsRefused) {
    for (Dialect d :
         {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access, Dialect::Postgres}) {
        for (const char* v : {"25", "30", "35", "35.10001", "35.10002"}) {
            auto file = SchemaFile::Load(SamplePath(), d, ParseVersion(v));
            const VrlSchema& schema = file->GetSchema();
            const VrlTable* root = schema.GetTable(L"MarlowCaptureSetup");
            EXPECT_TRUE(root->IsFaked());
            EXPECT_GE(root->GetChildCount(), 13) << v;
        }
    }
    auto at35 = SchemaFile::Load(SamplePath(), Dialect::SqlServer, ParseVersion("35.10001"));
    EXPECT_EQ(15, at35->GetSchema().GetTable(L"MarlowCaptureSetup")->GetChildCount());
    // A missing file is an input error.
    try {
        SchemaFile::Load("/nonexistent/schema.json", Dialect::SqlServer);
        FAIL() << "no error";
    } catch (const SchemaFileError& e) {
        EXPECT_STREQ("/nonexistent/schema.json: cannot open the file", e.what());
    }
}

// The record of JSON paths and of what the containers merged away (kind 0 a
// duplicate, 1 an object without a text for the dialect).
TEST(SchemaFile, PathsOfBuiltObjectsAndNotesOfMergedOnes) {
    const auto file = SchemaFile::Parse(R"({"version": 30, "tables": [
        {"name": "Person", "fields": [{"name": "Title", "type": "dtString", "length": 9},
                                      {"name": "Title", "type": "dtString", "version": 25},
                                      {"name": "title", "type": "dtInteger"}],
         "constraints": [{"name": "PK", "type": "ctPrimaryKey", "fields": ["Title"]}],
         "data": {"columns": ["Title"], "rows": [["a"]]}},
        {"name": "PERSON", "fields": [], "version": 30}],
      "views": [{"name": "vwOnlyOracle", "sql": {"oracle": "SELECT 1 FROM dual"}}]})",
                                        "t.json", Dialect::SqlServer);
    const SchemaFileRecord& record = file->GetRecord();
    EXPECT_EQ("t.json", record.GetFileName());
    const VrlSchema& schema = file->GetSchema();
    const VrlTable* person = schema.GetTable(L"Person");
    EXPECT_EQ("/tables/1", record.GetPath(person));
    EXPECT_EQ("", record.GetPath(&schema));

    // Title (25.0) and title (25.0) are one name at one version; the first
    // Title has its own version (25 too, the default): all three collide in
    // pairs with the first.
    EXPECT_EQ("0 tables/Person/fields/Title /tables/0/fields/1 /tables/0/fields/0\n"
              "0 tables/Person/fields/title /tables/0/fields/2 /tables/0/fields/0\n"
              "1 views/vwOnlyOracle /views/0 \n",
              Notes(record));

    // Past 16 names a list is searched through a map: a repeat of a name
    // from before that point and one of a name after it are both found.
    std::string fields;
    for (int i = 0; i < 20; ++i)
        fields += R"({"name": "F)" + std::to_string(i) + R"(", "type": "dtInteger"}, )";
    fields += R"({"name": "f3", "type": "dtInteger"}, {"name": "F18", "type": "dtLong"},
                 {"name": "F3", "type": "dtInteger", "version": 26})";
    const auto wide =
        SchemaFile::Parse(R"({"version": 30, "tables": [{"name": "Wide", "fields": [)" + fields + "]}]}",
                          "t.json", Dialect::SqlServer);
    EXPECT_EQ("0 tables/Wide/fields/f3 /tables/0/fields/20 /tables/0/fields/3\n"
              "0 tables/Wide/fields/F18 /tables/0/fields/21 /tables/0/fields/18\n",
              Notes(wide->GetRecord()));

    // The tables of a file are read one by one and each is gone before the
    // next (with the names its escapes made): a repeated table name is found
    // all the same.
    const auto tables = SchemaFile::Parse(R"({"version": 30, "tables": [
        {"name": "Alph\u0061", "fields": [{"name": "A", "type": "dtInteger"}]},
        {"name": "Bet\u0061", "fields": [{"name": "B", "type": "dtString", "length": 20}]},
        {"fields": [{"name": "X\u0058", "type": "dtInteger"}], "name": "ALPH\u0041"}]})",
                                          "t.json", Dialect::SqlServer);
    EXPECT_EQ("0 tables/ALPHA /tables/2 /tables/0\n", Notes(tables->GetRecord()));
}

// Keys are compared in words as well as letter by letter: a key of any
// length equals itself and differs from one changed in any single letter.
TEST(JsonTree, KeysOfEveryLengthDifferInEveryLetter) {
    for (size_t size = 1; size <= 20; ++size) {
        std::string key;
        for (size_t i = 0; i < size; ++i)
            key += static_cast<char>('a' + i);
        const std::string copy = key; // another address
        EXPECT_TRUE(JsonNode::SameKey(key, copy)) << key;
        EXPECT_FALSE(JsonNode::SameKey(key, std::string_view(copy).substr(1))) << key;
        for (size_t i = 0; i < size; ++i) {
            std::string other = key;
            other[i] = 'Z';
            EXPECT_FALSE(JsonNode::SameKey(key, other)) << other;
        }
    }
}

// The reader's compact document: objects large enough to be searched through
// a hash set and sorted by the library's sort, and a root key repeated after
// the tables were built while parsing, which reads the file again.
TEST(JsonTree, LargeObjectKeepsLastOfARepeatedKeyInKeyOrder) {
    std::string text = "{";
    for (int i = 40; i > 10; --i)
        text += "\"k" + std::to_string(i) + "\": " + std::to_string(i) + ", ";
    text += R"("k25": "again", "k12": [1, {"a": 1, "a": 2}]})";
    const JsonTree tree(text);
    const JsonNode& root = tree.Root();
    ASSERT_EQ(30u, root.size());
    for (const JsonMember* m = root.begin(); m + 1 != root.end(); ++m)
        EXPECT_LT(m->key, m[1].key);
    ASSERT_NE(nullptr, root.Find("k25"));
    EXPECT_EQ("again", root.Find("k25")->Str());
    EXPECT_EQ(1u, root.Find("k12")->operator[](1).size());
    EXPECT_EQ(2, root.Find("k12")->operator[](1).Find("a")->Int());
    ASSERT_EQ(3u, tree.DuplicateKeys().size());
    EXPECT_EQ("/k25", tree.DuplicateKeys()[0].path);
    EXPECT_EQ("/k12", tree.DuplicateKeys()[1].path);
    EXPECT_EQ("/k12/1/a", tree.DuplicateKeys()[2].path);
}

TEST(JsonTree, RootVersionAfterStreamedTablesReadsTheFileAgain) {
    // Built while parsing at version 30, the table would be left out; the
    // second "version" counts, and the refusal is the whole file's.
    const std::string text = R"({"version": 30, "tables": [{"name": "A", "version": 31, "fields": [],
        "bogus": 1}], "version": 31})";
    try {
        SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
        FAIL() << "accepted";
    } catch (const SchemaFileError& e) {
        ASSERT_EQ(2u, e.Problems().size());
        EXPECT_EQ("/version", e.Problems()[0].path);
        EXPECT_EQ("the key \"version\" is given twice in one object", e.Problems()[0].reason);
        EXPECT_EQ("/tables/0/bogus", e.Problems()[1].path);
    }
    // Without the repeated key the same tables stream and load.
    const auto file =
        SchemaFile::Parse(R"({"version": 31, "tables": [{"name": "A", "version": 31, "fields": []}]})",
                          "t.json", Dialect::SqlServer);
    EXPECT_EQ("/tables/0", file->GetRecord().GetPath(file->GetSchema().GetTableDontThrow(L"A")));
}
