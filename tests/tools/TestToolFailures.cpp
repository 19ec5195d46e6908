// No silent failures: every write is checked and reported with the path and
// the system's reason, and only usage errors point to the help.
#include <gtest/gtest.h>

#include <filesystem>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

TEST(ToolFailures, WritesAndReadsReportThePathAndTheSystemsReason) {
    const auto dir = FreshDir("failures");
    const std::string d = dir.string();
    WriteText(dir / "plain", "x");
    struct Case {
        std::vector<std::string> args;
        std::string stdoutTo;
        int code;
        std::string err;
    };
    const std::vector<Case> cases{
        {{"script", "--quiet"}, "/dev/full", 1, "vrlschema: standard output: No space left on device\n"},
        {{"sample"}, "/dev/full", 1, "vrlschema: standard output: No space left on device\n"},
        {{"script", "--quiet", "-o", d}, "", 1, "vrlschema: " + d + ": Is a directory\n"},
        {{"seed", "--quiet", "-o", d + "/none/x.sql"},
         "",
         1,
         "vrlschema: " + d + "/none/x.sql: No such file or directory\n"},
        {{"all", "--quiet", "--out-dir", d + "/plain"},
         "",
         1,
         "vrlschema: " + d + "/plain: Not a directory\n"},
        {{"script", "--schema", d}, "", 2, d + ": Is a directory\n"},
        {{"list", "--schema", d + "/none.json"}, "", 2, d + "/none.json: No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = RunToolBinary(ToolCall{c.args, "", c.stdoutTo, "", {}});
        EXPECT_EQ(c.code, r.code) << c.args.back();
        EXPECT_EQ(c.err, r.err) << c.args.back();
    }
    EXPECT_EQ((std::vector<std::string>{"plain"}), Entries(dir));
    std::filesystem::remove_all(dir);
}
