// Values against column types and names against each target's reserved
// words (texts/values.json), each tried as the one column of a schema file.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/VrlSchemaCheck.h"
#include "common/TestData.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;
using nlohmann::json;

namespace {

const json& Rows(const char* key) {
    static const json rows = json::parse(VrlSchemaTest::ReadDataFile("check/texts/values.json"));
    return rows.at(key);
}

// The findings on a table "Sample" with the one column `field`.
std::vector<VrlCheckFinding> CheckColumn(const json& field, Dialect target) {
    const json text = {{"version", 25}, {"tables", {{{"name", "Sample"}, {"fields", {field}}}}}};
    const auto file = SchemaFile::Parse(text.dump(), "values.json", target);
    VrlCheckOptions options;
    options.target = target;
    options.unicodeLiterals = true;
    return VrlSchemaCheck::Run(file->GetSchema(), options);
}

TEST(CheckValues, DefaultsAgainstColumnTypesAndReservedWordsByTarget) {
    for (const json& row : Rows("defaults")) {
        const Dialect target = ParseDialect(row.size() > 4 ? row[4].get<std::string>() : "sqlserver").value();
        const json field = {{"name", "Value"}, {"type", row[0]}, {"length", row[1]}, {"default", row[2]}};
        const auto findings = CheckColumn(field, target);
        EXPECT_EQ(row[3].get<std::string>(), findings.empty() ? std::string() : findings[0].code)
            << row.dump();
    }
    // Reserved words differ by target.
    for (const json& row : Rows("reservedWords")) {
        const json field = {{"name", row[0]}, {"type", "dtInteger"}};
        const auto findings = CheckColumn(field, ParseDialect(row[1].get<std::string>()).value());
        EXPECT_EQ(row[2].get<bool>(), findings.size() == 1 && findings[0].code == "name-reserved")
            << row.dump();
    }
}

} // namespace
