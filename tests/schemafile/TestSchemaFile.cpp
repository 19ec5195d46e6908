#include <gtest/gtest.h>

#include <string>

#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlTableData.h"
#include "schema/VrlView.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

// The reason and path of the error a text is refused with.
SchemaFileError Refusal(const std::string& text, Dialect dialect = Dialect::SqlServer) {
    try {
        SchemaFile::Parse(text, "t.json", dialect);
    } catch (const SchemaFileError& e) {
        return e;
    }
    ADD_FAILURE() << "the text was accepted: " << text;
    return SchemaFileError("", "", "");
}

const char* const kSmall = R"({
  "version": "30",
  "tables": [
    {"name": "Person", "rootType": "MarlowCaptureSetup",
     "fields": [
       {"name": "PersonID", "type": "dtInteger", "notNull": true},
       {"name": "Name", "type": "dtString", "length": 50, "default": "x"},
       {"name": "Born", "type": "dtDateTime", "default": {"vt": "VT_DATE", "value": "2000-02-29T12:30:00"},
        "rootTypes": {"MarlowCaptureSetup": {"flags": 8192, "translateTable": "Other"}}},
       {"name": "Nick", "type": "dtString", "length": 9, "version": 35},
       {"name": "Old", "type": "dtInteger"},
       {"name": "Old", "version": 30, "dropped": true}
     ],
     "constraints": [
       {"name": "PK_Person", "type": "ctPrimaryKey", "fields": ["PersonID"], "clustered": true},
       {"name": "IX_Name", "type": "ctIndex", "fields": ["^Name"], "includedFields": ["Born"]},
       {"name": "FK_Other", "type": "ctForeignKey", "fields": ["PersonID"], "refTable": "Other",
        "refFields": ["OtherID"], "onDelete": "odCascade4"}
     ],
     "data": {"uniqueIdColumn": "PersonID", "columns": ["PersonID", "Name"], "rows": [[1, "Ada"], [2, null]]}},
    {"name": "Other", "fields": [{"name": "OtherID", "type": 1}]}
  ],
  "views": [{"name": "vw", "sql": {"oracle": "SELECT 1 FROM dual", "postgres": "SELECT 2", "default": "SELECT 1"}}],
  "procedures": [{"name": "procA", "body": {"db2": "BEGIN END"}}],
  "trees": {"MarlowCaptureSetup": {"Person": ["Other"]}}
})";

// The reader is the library's; the sample it is tried on is the tool's default schema file.
std::string SamplePath() {
    return VRLSCHEMA_TEST_DATA_DIR "/../examples/sample-schema.json";
}

} // namespace

TEST(SchemaFile, BuildsTheModelAtTheVersionAskedFor) {
    auto file = SchemaFile::Parse(kSmall, "t.json", Dialect::SqlServer);
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

TEST(SchemaFile, DialectTextsAndVersionOverride) {
    auto oracle = SchemaFile::Parse(kSmall, "t.json", Dialect::Oracle, VrlSchemaVersion(35));
    EXPECT_EQ(CString(L"SELECT 1 FROM dual"), oracle->GetSchema().GetView(0)->GetSQL());
    EXPECT_TRUE(oracle->GetSchema().GetTable(L"Person")->HasField(L"Nick"));
    auto db2 = SchemaFile::Parse(kSmall, "t.json", Dialect::DB2, VrlSchemaVersion(25));
    EXPECT_EQ(1, db2->GetSchema().GetProcedureCount());
    EXPECT_TRUE(db2->GetSchema().GetTable(L"Person")->HasField(L"Old"));
    // PostgreSQL under either of its names; its own text over the default.
    for (const char* name : {"postgres", "PostgreSQL"}) {
        ASSERT_EQ(Dialect::Postgres, ParseDialect(name)) << name;
    }
    EXPECT_STREQ("postgres", DialectName(Dialect::Postgres));
    auto postgres = SchemaFile::Parse(kSmall, "t.json", Dialect::Postgres);
    EXPECT_EQ(CString(L"SELECT 2"), postgres->GetSchema().GetView(0)->GetSQL());
    EXPECT_EQ(0, postgres->GetSchema().GetProcedureCount());
}

TEST(SchemaFile, RefusesBadJsonWithItsPosition) {
    const SchemaFileError e = Refusal("{\n  \"version\": 30,\n  \"tables\": [ x ]\n}");
    EXPECT_EQ("", e.Path());
    EXPECT_NE(std::string::npos, e.Reason().find("line 3, column 15")) << e.Reason();
    EXPECT_EQ(0u, std::string(e.what()).find("t.json: "));
}

TEST(SchemaFile, RefusesBadContentNamingThePath) {
    struct Case {
        const char* text;
        const char* path;
        const char* what;
    };
    const Case cases[] = {
        {R"({"version": 30, "tables": [{"name": "A", "fields": [{"name": "F", "type": "dtStrng"}]}]})",
         "/tables/0/fields/0/type", "t.json: /tables/0/fields/0/type: unknown data type \"dtStrng\""},
        {R"({"tables": []})", "", "t.json: missing required key \"version\""},
        {R"({"version": 30, "tables": [{"name": "A"}]})", "/tables/0",
         "t.json: /tables/0: missing required key \"fields\""},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [], "bufferSize": "10"}]})",
         "/tables/0/bufferSize", "t.json: /tables/0/bufferSize: expected an integer, found a string"},
        {R"({"version": 30, "tables": [{"name": "A", "fields": []}], "trees": {"MarlowCaptureSetup": {"A": ["B"]}}})",
         "/trees/MarlowCaptureSetup/A/0", "t.json: /trees/MarlowCaptureSetup/A/0: unknown table \"B\""},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [], "colour": 1}]})", "/tables/0/colour",
         "t.json: /tables/0/colour: unknown key \"colour\""},
        {R"({"version": "3x"})", "/version", "t.json: /version: \"3x\" is not a version (V or V.SP)"},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [{"name": "D", "type": "dtDateTime",
            "default": {"vt": "VT_DATE", "value": "2001-02-29"}}]}]})",
         "/tables/0/fields/0/default/value",
         "t.json: /tables/0/fields/0/default/value: \"2001-02-29\" is not a date (yyyy-mm-dd[Thh:mm[:ss]])"},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [],
            "data": {"columns": ["X", "Y"], "rows": [[1]]}}]})",
         "/tables/0/data/rows/0", "t.json: /tables/0/data/rows/0: has 1 values for 2 columns"},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [], "constraints": [{"name": "F", "type": "ctForeignKey",
            "fields": ["X", "Y"], "refTable": "B", "refFields": ["X"]}]}]})",
         "/tables/0/constraints/0/refFields",
         "t.json: /tables/0/constraints/0/refFields: needs as many columns as \"fields\" (2)"},
        {R"({"version": 30, "tables": [{"name": "A", "fields": [], "rootType": "Nowhere"}]})",
         "/tables/0/rootType", "t.json: /tables/0/rootType: unknown root type \"Nowhere\""},
    };
    for (const Case& c : cases) {
        const SchemaFileError e = Refusal(c.text);
        EXPECT_EQ(c.path, e.Path()) << c.text;
        EXPECT_STREQ(c.what, e.what()) << c.text;
    }
}

TEST(SchemaFile, TreeEntriesOfTablesOfOtherVersionsArePassedOver) {
    const char* text = R"({"version": 25, "tables": [
        {"name": "Root", "fields": []},
        {"name": "Late", "version": 30, "fields": [{"name": "X", "type": "dtInteger"}]}],
      "trees": {"MarlowCaptureSetup": {"Root": ["Late"], "Late": ["Root"]}}})";
    auto file = SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
    EXPECT_EQ(0, file->GetSchema().GetTable(L"Root")->GetChildCount());
}

TEST(SchemaFile, MissingFileIsAnInputError) {
    try {
        SchemaFile::Load("/nonexistent/schema.json", Dialect::SqlServer);
        FAIL() << "no error";
    } catch (const SchemaFileError& e) {
        EXPECT_STREQ("/nonexistent/schema.json: cannot open the file", e.what());
    }
}

TEST(SchemaFile, SampleSchemaLoadsForEveryDialectAndVersion) {
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
}
