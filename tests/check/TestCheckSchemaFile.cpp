// The check over a model read from a schema file (texts/mistakes.json): the
// mistakes once seen going into SQL unseen, each found with its JSON path.
#include <gtest/gtest.h>

#include "check/VrlSchemaCheck.h"
#include "common/DataFile.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

TEST(CheckSchemaFile, FindingsPointIntoTheFile) {
    const auto file = SchemaFile::Parse(VrlSchemaTest::ReadDataFile("check/texts/mistakes.json"), "shop.json",
                                        Dialect::SqlServer);
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
