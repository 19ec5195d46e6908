// What the tool writes besides the SQL itself: the header of every SQL text,
// the listings of a schema and the built-in sample.
#include <gtest/gtest.h>

#include <filesystem>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

namespace {

std::string ToolVersion() {
    std::string v = RunToolBinary({"--version"}).out;
    return v.substr(0, v.size() - 1);
}

} // namespace

TEST(ToolOutputs, EverySqlTextStartsWithItsHeader) {
    const auto dir = FreshDir("header");
    const std::string schema = (dir / "shop.json").string();
    WriteText(schema, kShopSchema);
    struct Case {
        std::vector<std::string> args;
        const char* command;
        const char* dialect;
        const char* version;
    };
    const std::vector<Case> cases{
        {{"script", "--dialect", "oracle"}, "script", "oracle", "31"},
        {{"seed", "--db-version", "30"}, "seed", "sqlserver", "30"},
        {{"script", "--dialect", "access", "--db-version", "35.10001"}, "script", "access", "35.10001"},
        {{"publish", "--dialect", "db2"}, "publish", "db2", "35.10001"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const bool sample = std::string(c.command) == "publish";
        if (!sample) {
            args.push_back("--schema");
            args.push_back(schema);
        }
        const ToolRun with = RunToolBinary(ToolCall{args, "", "", "", {{"SOURCE_DATE_EPOCH", "86461"}}});
        args.push_back("--no-header");
        const ToolRun without = RunToolBinary(args);
        ASSERT_EQ(0, with.code) << with.err;
        const std::string header = "-- Written by " + ToolVersion() + ", command " + c.command +
                                   "\r\n-- Dialect: " + c.dialect + "\r\n-- Schema version: " + c.version +
                                   "\r\n-- Source: " + (sample ? "sample-schema.json" : schema) +
                                   "\r\n-- Generated: 1970-01-02 00:01:01 UTC\r\n\r\n";
        EXPECT_EQ(header + without.out, with.out) << c.command << " " << c.dialect;
    }
    std::filesystem::remove_all(dir);
}

TEST(ToolOutputs, ListShowsTheObjectsAtTheVersionAskedForWithTheirVersions) {
    const auto dir = FreshDir("list");
    const std::string schema = (dir / "shop.json").string();
    WriteText(schema, kShopSchema);
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"list"}, "table  Customer  25\ntable  Orders    30\n"},
        {{"list", "tables", "--db-version", "29"}, "Customer  25\n"},
        {{"list", "views"}, ""},
        {{"list", "versions"}, "30\n31\n"},
        {{"list", "versions", "--format", "json"}, "[\"30\", \"31\"]\n"},
        {{"list", "--format=json", "--db-version", "30"},
         "[\n {\"kind\": \"table\", \"name\": \"Customer\", \"version\": \"25\"},\n"
         " {\"kind\": \"table\", \"name\": \"Orders\", \"version\": \"30\"}\n]\n"},
        {{"list", "procedures", "--format", "json"}, "[]\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--schema");
        args.push_back(schema);
        const ToolRun r = RunToolBinary(args);
        EXPECT_EQ(0, r.code) << r.err;
        EXPECT_EQ(c.out, r.out) << c.args.back();
    }
    // The sample has objects of every kind, each listed with its kind.
    const ToolRun sample = RunToolBinary({"list"});
    for (const char* kind : {"\ntable ", "\nview ", "\nprocedure ", "\nfunction "})
        EXPECT_NE(std::string::npos, sample.out.find(kind)) << kind;
    std::filesystem::remove_all(dir);
}

TEST(ToolOutputs, SampleWritesTheBuiltInSchemaFile) {
    const std::string expected =
        ReadText(std::filesystem::path(VRLSCHEMA_SOURCE_DIR) / "examples" / "sample-schema.json");
    const ToolRun out = RunToolBinary({"sample"});
    EXPECT_EQ(0, out.code);
    EXPECT_EQ(expected, out.out);
    // What it writes is a schema file the tool reads back.
    const ToolRun back = RunToolBinary(ToolCall{{"list", "versions", "--schema", "-"}, out.out, "", "", {}});
    EXPECT_EQ(RunToolBinary({"list", "versions"}).out, back.out);
    EXPECT_EQ(0, back.code) << back.err;
}
