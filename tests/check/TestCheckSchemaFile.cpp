// The check over a model read from a schema file: the mistakes the issue
// saw going into SQL unseen, each found with its JSON path.
#include <gtest/gtest.h>

#include "check/VrlSchemaCheck.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

const char* const kMistakes = R"({"version": 30, "tables": [
  {"name": "Product", "fields": [{"name": "ProductID", "type": "dtInteger"},
                                 {"name": "Title", "type": "dtString", "length": 40},
                                 {"name": "title", "type": "dtInteger"}],
   "constraints": [{"name": "PK_Product", "type": "ctPrimaryKey", "fields": ["ProductID"]}],
   "data": {"columns": ["ProductID", "Colour"], "rows": [["abc", "red"]]}},
  {"name": "Empty", "fields": []},
  {"name": "EMPTY", "fields": []},
  {"name": "Orders", "fields": [{"name": "ProductID", "type": "dtInteger"}],
   "constraints": [{"name": "FK_Orders_Nope", "type": "ctForeignKey", "fields": ["ProductID"],
                    "refTable": "Nope", "refFields": ["ProductID"]},
                   {"name": "FK_Orders_Empty", "type": "ctForeignKey", "fields": ["ProductID"],
                    "refTable": "Empty", "refFields": ["ID"]}]}],
  "procedures": [{"name": "procGet", "parameters": [{"name": "@lID", "type": "dtInteger"}],
                  "body": "SELECT 1"}]})";

TEST(CheckSchemaFile, FindingsPointIntoTheFile) {
    const auto file = SchemaFile::Parse(kMistakes, "shop.json", Dialect::SqlServer);
    VrlCheckOptions options;
    options.record = &file->GetRecord();
    const auto findings = VrlSchemaCheck::Run(file->GetSchema(), options);
    struct Expected {
        const char* code;
        const char* jsonPath;
    };
    // In the order of the model; the reader's notes last.
    const Expected expected[] = {
        {"seed-unknown-column", "/tables/0/data/columns/1"},
        {"value-not-convertible", "/tables/0/data/rows/0/0"},
        {"fk-missing-table", "/tables/3/constraints/0/refTable"},
        {"fk-empty-table", "/tables/3/constraints/1/refTable"},
        {"param-at-prefix", "/procedures/0/parameters/0"},
        {"duplicate-name", "/tables/0/fields/2"},
        {"duplicate-name", "/tables/2"},
    };
    std::string all;
    for (const auto& f : findings)
        all += f.code + " " + f.jsonPath + " " + f.objectPath.ToUtf8() + "\n";
    ASSERT_EQ(std::size(expected), findings.size()) << all;
    for (size_t i = 0; i < findings.size(); ++i) {
        EXPECT_EQ(expected[i].code, findings[i].code) << i;
        EXPECT_EQ(expected[i].jsonPath, findings[i].jsonPath) << findings[i].code;
    }
    EXPECT_TRUE(VrlSchemaCheck::HasErrors(findings));
}

} // namespace
