// The header that opens every SQL text the tool writes.
#include <gtest/gtest.h>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

TEST(ToolOutputs, EverySqlTextStartsWithItsHeader) {
    const auto dir = FreshDir("header");
    const std::string schema = (dir / "shop.json").string();
    std::filesystem::copy_file(kShopSchema, schema);
    const std::string version = RunTool("--version").out;
    struct Case {
        std::string words;
        const char* command;
        const char* dialect;
        const char* version;
    };
    const std::vector<Case> cases{
        {"script --dialect oracle --schema " + schema, "script", "oracle", "31"},
        {"seed --db-version 30 --schema " + schema, "seed", "sqlserver", "30"},
        {"script --dialect access --db-version 35.10001 --schema " + schema, "script", "access", "35.10001"},
        {"publish --dialect db2", "publish", "db2", "35.10001"},
    };
    for (const Case& c : cases) {
        const bool sample = std::string(c.command) == "publish";
        const ToolRun with = RunTool(c.words, "", "", "SOURCE_DATE_EPOCH=86461");
        const ToolRun without = RunTool(c.words + " --no-header");
        ASSERT_EQ(0, with.code) << with.err;
        const std::string header = "-- Written by " + version.substr(0, version.size() - 1) + ", command " +
                                   c.command + "\r\n-- Dialect: " + c.dialect +
                                   "\r\n-- Schema version: " + c.version +
                                   "\r\n-- Source: " + (sample ? "sample-schema.json" : schema) +
                                   "\r\n-- Generated: 1970-01-02 00:01:01 UTC\r\n\r\n";
        EXPECT_EQ(header + without.out, with.out) << c.words;
    }
    std::filesystem::remove_all(dir);
}
