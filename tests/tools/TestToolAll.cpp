// all serves every schema and every choice of targets, and leaves its target
// folder as it was unless everything was written; publish asks for the tables
// it walks.
#include <gtest/gtest.h>

#include <filesystem>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

namespace {

const char* const kNotice = "vrlschema: the schema has no table BatchDef, which the publish procedure needs; "
                            "the publish procedure is left out\n";

// The files all writes: for the sample, with its upgrade script.
std::vector<std::string> Files(std::initializer_list<const char*> dialects, bool publish,
                               bool sample = true) {
    std::vector<std::string> names;
    for (const char* d : dialects) {
        names.push_back(std::string(d) + "-script.sql");
        names.push_back(std::string(d) + "-seed.sql");
        if (publish && std::string(d) != "access" && std::string(d) != "postgres")
            names.push_back(std::string(d) + "-publish.sql");
        if (sample)
            names.push_back(std::string(d) + "-upgrade.sql");
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ToolAll, ASchemaWithoutPublishTablesGetsEveryScriptAndSeedAndANotice) {
    const auto dir = FreshDir("all-shop");
    WriteText(dir / "shop.json", kShopSchema);
    const ToolRun r =
        RunToolBinary({"all", "--schema", (dir / "shop.json").string(), "--out-dir", (dir / "D").string()});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_EQ(kNotice, r.err);
    EXPECT_EQ(Files({"sqlserver", "oracle", "db2", "access", "postgres"}, false, false), Entries(dir / "D"));
    // A summary line per file; PostgreSQL's publish text is not written for any schema.
    EXPECT_EQ(10, std::count(r.out.begin(), r.out.end(), '\n') - 1) << r.out;
    EXPECT_NE(std::string::npos, ReadText(dir / "D" / "db2-script.sql").find("CREATE TABLE Orders"));
    EXPECT_EQ((std::vector<std::string>{"D", "shop.json"}), Entries(dir)) << "no temporary folder left";

    const ToolRun quiet = RunToolBinary(
        {"all", "--schema", (dir / "shop.json").string(), "--out-dir", (dir / "E").string(), "--no-publish"});
    EXPECT_EQ(0, quiet.code);
    EXPECT_EQ("", quiet.err);
    EXPECT_EQ(Files({"sqlserver", "oracle", "db2", "access", "postgres"}, false, false), Entries(dir / "E"));
    std::filesystem::remove_all(dir);
}

TEST(ToolAll, DialectsChooseTheTargets) {
    struct Case {
        std::vector<std::string> dialectArgs;
        std::vector<std::string> files;
    };
    const std::vector<Case> cases{
        {{"--dialect", "oracle"}, Files({"oracle"}, true)},
        {{"--dialect=oracle,db2"}, Files({"oracle", "db2"}, true)},
        {{"--dialect", "sqlserver", "--dialect", "access"}, Files({"sqlserver", "access"}, true)},
        {{"--dialect", "db2", "--no-publish"}, Files({"db2"}, false)},
    };
    for (const Case& c : cases) {
        const auto dir = FreshDir("all-dialects");
        std::vector<std::string> args{"all", "--out-dir", (dir / "D").string()};
        args.insert(args.end(), c.dialectArgs.begin(), c.dialectArgs.end());
        const ToolRun r = RunToolBinary(args);
        EXPECT_EQ(0, r.code) << r.err;
        EXPECT_EQ(c.files, Entries(dir / "D")) << c.dialectArgs.front();
        std::filesystem::remove_all(dir);
    }
}

TEST(ToolAll, AFailureLeavesTheTargetFolderAsItWas) {
    const auto dir = FreshDir("all-atomic");
    const auto target = dir / "D";
    std::filesystem::create_directories(target / "oracle-seed.sql");
    WriteText(target / "sqlserver-script.sql", "older");
    const ToolRun r = RunToolBinary({"all", "--out-dir", target.string(), "--quiet"});
    EXPECT_EQ(1, r.code);
    EXPECT_EQ("vrlschema: " + (target / "oracle-seed.sql").string() + ": Is a directory\n", r.err);
    EXPECT_EQ("", r.out);
    EXPECT_EQ((std::vector<std::string>{"oracle-seed.sql", "sqlserver-script.sql"}), Entries(target));
    EXPECT_EQ("older", ReadText(target / "sqlserver-script.sql"));
    EXPECT_EQ(std::vector<std::string>{"D"}, Entries(dir)) << "no temporary folder left";

    // Once nothing is in the way, the older files are replaced and others kept.
    std::filesystem::remove(target / "oracle-seed.sql");
    WriteText(target / "notes.txt", "mine");
    const ToolRun again = RunToolBinary({"all", "--out-dir", target.string(), "--dialect", "sqlserver"});
    EXPECT_EQ(0, again.code) << again.err;
    EXPECT_EQ((std::vector<std::string>{"notes.txt", "sqlserver-publish.sql", "sqlserver-script.sql",
                                        "sqlserver-seed.sql", "sqlserver-upgrade.sql"}),
              Entries(target));
    EXPECT_EQ(0u, ReadText(target / "sqlserver-script.sql").find("-- Written by vrlschema "));
    EXPECT_EQ(std::vector<std::string>{"D"}, Entries(dir));
    std::filesystem::remove_all(dir);
}

TEST(ToolAll, PublishNamesTheFirstTableItNeeds) {
    struct Case {
        const char* schema;
        const char* table;
    };
    const std::vector<Case> cases{
        {kShopSchema, "BatchDef"},
        {R"({"version": 30, "tables": [{"name": "BatchDef", "fields": []}]})", "MarlowCaptureSetup"},
        // The memo table of a table in the setup tree.
        {R"({"version": 30, "tables": [
            {"name": "MarlowCaptureSetup", "fields": []},
            {"name": "BatchDef", "fields": [{"name": "BatchDefID", "type": "dtInteger"},
                {"name": "N", "type": "dtMemo", "extendedTable": "Nowhere", "extendedField": "N"}],
             "constraints": [{"name": "PK", "type": "ctPrimaryKey", "fields": ["BatchDefID"]}]}],
          "trees": {"MarlowCaptureSetup": {"MarlowCaptureSetup": ["BatchDef"]}}})",
         "Nowhere"},
    };
    for (const Case& c : cases) {
        const ToolRun r = RunToolBinary(ToolCall{{"publish", "--schema", "-"}, c.schema, "", "", {}});
        EXPECT_EQ(2, r.code) << c.table;
        EXPECT_EQ(std::string("vrlschema: publish: the schema has no table ") + c.table +
                      ", which the publish procedure needs\n",
                  r.err);
        EXPECT_EQ("", r.out);
    }
}
