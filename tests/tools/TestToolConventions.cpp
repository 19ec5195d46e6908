// The command line as users of other tools expect it: usage errors that name
// the option, suggestions, --opt=value, --, '-' for the standard streams and
// per-command help. Through the real binary.
#include <gtest/gtest.h>

#include <filesystem>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

namespace {

struct UsageCase {
    std::vector<std::string> args;
    std::string err;
};

} // namespace

TEST(ToolConventions, UsageErrorsNameWhatIsWrongAndPointToTheHelp) {
    const std::vector<UsageCase> cases{
        {{"script", "--table", "T"}, "option --table does not apply to script\nTry vrlschema script --help."},
        {{"columns", "--table", "T"},
         "option --table does not apply to columns\nTry vrlschema columns --help."},
        {{"script", "--out-dir", "D"},
         "option --out-dir does not apply to script\nTry vrlschema script --help."},
        {{"all", "-o", "x.sql"}, "option -o does not apply to all\nTry vrlschema all --help."},
        {{"script", "--schema", "a", "--schema=b"},
         "option --schema given more than once\nTry vrlschema script --help."},
        {{"publish", "--split"},
         "option --split applies to the db2 dialect only\nTry vrlschema publish --help."},
        {{"script", "--dialect", "oracle", "--unicode-literals"},
         "option --unicode-literals applies to the sqlserver dialect only\nTry vrlschema script --help."},
        {{"publish", "--dialect", "access"},
         "Access has no publish procedure\nTry vrlschema publish --help."},
        {{"publish", "--dialect", "access", "--queue-source", "Q"},
         "option --queue-source applies to the sqlserver or oracle or db2 dialect only\n"
         "Try vrlschema publish --help."},
        {{"script", "--dialect", "oracle,db2"},
         "option --dialect takes one dialect for script\nTry vrlschema script --help."},
        {{"all", "--dialect", "oracle", "--dialect=db2,oracle"},
         "dialect oracle given more than once\nTry vrlschema all --help."},
        {{"all", "--no-publish", "--dialect", "db2", "--split"},
         "option --split does not apply with --no-publish\nTry vrlschema all --help."},
        {{"script", "--dialect", "oracel"},
         "unknown dialect \"oracel\" (did you mean oracle?) (try --list-dialects)\nTry vrlschema script "
         "--help."},
        {{"scirpt"}, "unknown command \"scirpt\" (did you mean script?)\nTry vrlschema --help."},
        {{"frobnicate"}, "unknown command \"frobnicate\"\nTry vrlschema --help."},
        {{"script", "--dialet", "oracle"},
         "unknown option --dialet (did you mean --dialect?)\nTry vrlschema --help."},
        {{"script", "--no-header=yes"}, "option --no-header takes no value\nTry vrlschema --help."},
        {{"script", "--schema"}, "option --schema needs a value (FILE)\nTry vrlschema --help."},
        {{"script", "extra"}, "script takes no operands (\"extra\" given)\nTry vrlschema script --help."},
        {{"exists"}, "exists needs NAME\nTry vrlschema exists --help."},
        {{"list", "tabels"},
         "list: unknown kind \"tabels\" (did you mean tables?)\nTry vrlschema list --help."},
        {{"list", "--format", "xml"}, "unknown format \"xml\" (text or json)\nTry vrlschema list --help."},
        {{"script", "--db-version", "x"},
         "--db-version: \"x\" is not a version (V or V.SP)\nTry vrlschema script --help."},
        {{"upgrade", "--from", "25", "--to", "30", "--split"},
         "option --split does not apply to upgrade\nTry vrlschema upgrade --help."},
        {{"upgrade", "--from", "25"},
         "upgrade needs --from V --to V, or --old FILE --new FILE\nTry vrlschema upgrade --help."},
        {{"--schema", "s.json"}, "option --schema needs a command\nTry vrlschema --help."},
        {{}, "no command given\nTry vrlschema --help."},
    };
    for (const UsageCase& c : cases) {
        const ToolRun r = RunToolBinary(c.args);
        const std::string line = c.args.empty() ? "(nothing)" : c.args.front();
        EXPECT_EQ(2, r.code) << line;
        EXPECT_EQ("vrlschema: " + c.err + "\n", r.err) << line;
        EXPECT_EQ("", r.out) << line;
    }
}

TEST(ToolConventions, ValuesTakeEitherFormAndDoubleDashEndsTheOptions) {
    const auto dir = FreshDir("forms");
    const std::string schema = (dir / "shop.json").string();
    WriteText(schema, kShopSchema);
    const ToolRun spaced =
        RunToolBinary({"script", "--schema", schema, "--dialect", "oracle", "--no-header"});
    const ToolRun joined = RunToolBinary({"script", "--schema=" + schema, "--dialect=oracle", "--no-header"});
    ASSERT_EQ(0, spaced.code) << spaced.err;
    EXPECT_NE(std::string::npos, spaced.out.find("CREATE TABLE Customer"));
    EXPECT_EQ(spaced.out, joined.out);

    const ToolRun columns = RunToolBinary({"columns", "--schema", schema, "--", "Customer"});
    EXPECT_EQ(0, columns.code) << columns.err;
    EXPECT_EQ("Customer: CustomerID,Name,Phone\n", columns.out);
    // After "--" a word that looks like an option is an operand; the schema
    // has no such table, which is no usage error.
    const ToolRun dashed = RunToolBinary({"columns", "--schema", schema, "--", "--table"});
    EXPECT_EQ(2, dashed.code);
    EXPECT_EQ("vrlschema: columns: no table \"--table\" in the schema\n", dashed.err);
    std::filesystem::remove_all(dir);
}

TEST(ToolConventions, DashIsStandardInputForTheSchemaAndStandardOutputForTheText) {
    const auto dir = FreshDir("dash");
    WriteText(dir / "shop.json", kShopSchema);
    const ToolRun fromFile = RunToolBinary({"seed", "--schema", (dir / "shop.json").string(), "--no-header"});
    ToolCall piped{{"seed", "--schema", "-", "--no-header", "-o", "-"}, kShopSchema, "", dir.string(), {}};
    const ToolRun fromInput = RunToolBinary(piped);
    ASSERT_EQ(0, fromInput.code) << fromInput.err;
    EXPECT_EQ(fromFile.out, fromInput.out);
    EXPECT_EQ(std::vector<std::string>{"shop.json"}, Entries(dir)) << "no file named -";

    piped.input = "{";
    const ToolRun broken = RunToolBinary(piped);
    EXPECT_EQ(2, broken.code);
    EXPECT_EQ(0u, broken.err.find("standard input: ")) << broken.err;
    std::filesystem::remove_all(dir);
}

TEST(ToolConventions, EveryCommandHasItsOwnHelp) {
    const ToolRun tool = RunToolBinary({"--help"});
    EXPECT_EQ(0, tool.code);
    EXPECT_NE(std::string::npos, tool.out.find("Exit status:\n  0  success\n  1  a generation error"));
    for (const char* command : {"script", "seed", "publish", "exists", "columns", "list", "all", "sample"}) {
        const ToolRun asked = RunToolBinary({command, "--help"});
        const ToolRun viaHelp = RunToolBinary({"help", command});
        EXPECT_EQ(0, asked.code) << command;
        EXPECT_EQ(0u, asked.out.find(std::string("Usage: vrlschema ") + command)) << asked.out;
        EXPECT_EQ(asked.out, viaHelp.out) << command;
        EXPECT_NE(asked.out, tool.out) << command;
    }
    // The command's help lists what it takes and nothing else.
    const ToolRun script = RunToolBinary({"script", "-h", "--table", "T"});
    EXPECT_EQ(0, script.code);
    EXPECT_NE(std::string::npos, script.out.find("--unicode-literals"));
    EXPECT_EQ(std::string::npos, script.out.find("--table"));
    const ToolRun unknown = RunToolBinary({"help", "scrpt"});
    EXPECT_EQ(2, unknown.code);
    EXPECT_EQ("vrlschema: unknown command \"scrpt\" (did you mean script?)\nTry vrlschema --help.\n",
              unknown.err);
}
