// What the reader tells beyond the model: many errors of one file in one
// refusal, and the record of JSON paths and of what the
// containers merged away.
#include <gtest/gtest.h>

#include <string>

#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

std::vector<SchemaFileError::Problem> Problems(const std::string& text) {
    try {
        SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
    } catch (const SchemaFileError& e) {
        return e.Problems();
    }
    ADD_FAILURE() << "the text was accepted: " << text;
    return {};
}

std::string Table(const std::string& name, const std::string& fields) {
    return R"({"name": ")" + name + R"(", "fields": [)" + fields + "]}";
}

TEST(SchemaFileRecord, OneRunReportsUpToTwentyErrorsInFileOrder) {
    const auto three = Problems(R"({"version": 30, "tables": [)" +
                                Table("A", R"({"name": "x", "type": "dtNope"}, {"name": "y"})") + "," +
                                Table("B", R"({"name": "z", "type": "dtInteger", "colour": 1})") + "]}");
    ASSERT_EQ(3u, three.size());
    EXPECT_EQ("/tables/0/fields/0/type", three[0].path);
    EXPECT_EQ("/tables/0/fields/1", three[1].path);
    EXPECT_EQ("/tables/1/fields/0/colour", three[2].path);

    std::string tables;
    for (int i = 0; i < 25; ++i)
        tables += (i ? "," : "") + Table("T" + std::to_string(i), R"({"name": "x", "type": "dtNope"})");
    const auto many = Problems(R"({"version": 30, "tables": [)" + tables + "]}");
    ASSERT_EQ(SchemaFileError::kMaxProblems, many.size());
    EXPECT_EQ("/tables/19/fields/0/type", many.back().path);
}

TEST(SchemaFileRecord, PathsOfBuiltObjectsAndNotesOfMergedOnes) {
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

    ASSERT_EQ(3u, record.GetNotes().size());
    // Title (25.0) and title (25.0) are one name at one version; the first
    // Title has its own version (25 too, the default): all three collide in
    // pairs with the first.
    const SchemaFileRecord::Note& field = record.GetNotes()[0];
    EXPECT_EQ(SchemaFileRecord::NoteKind::Duplicate, field.kind);
    EXPECT_EQ(CString(L"tables/Person/fields/Title"), field.objectPath);
    EXPECT_EQ("/tables/0/fields/1", field.jsonPath);
    EXPECT_EQ("/tables/0/fields/0", field.otherJsonPath);
    EXPECT_EQ(CString(L"tables/Person/fields/title"), record.GetNotes()[1].objectPath);
    EXPECT_EQ("/tables/0/fields/2", record.GetNotes()[1].jsonPath);
    EXPECT_EQ(SchemaFileRecord::NoteKind::NoDialectText, record.GetNotes()[2].kind);
    EXPECT_EQ(CString(L"views/vwOnlyOracle"), record.GetNotes()[2].objectPath);
    EXPECT_EQ("/views/0", record.GetNotes()[2].jsonPath);
}

} // namespace
