#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ToolCommand.h"

using VrlSchemaTool::RunTool;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result Tool(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunTool(args, in, out, err);
    return {code, out.str(), err.str()};
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path TempDir(const char* name) {
    const auto dir = std::filesystem::temp_directory_path() / ("vrlschema-test-" + std::string(name));
    std::filesystem::remove_all(dir);
    return dir;
}

const std::filesystem::path kGolden = std::filesystem::path(VRLSCHEMA_TEST_DATA_DIR) / "golden";

} // namespace

TEST(ToolCommand, UsageAndInformation) {
    const Result help = Tool({"--help"});
    EXPECT_EQ(0, help.code);
    EXPECT_NE(std::string::npos, help.out.find("Usage: vrlschema COMMAND"));
    EXPECT_EQ("sqlserver\noracle\ndb2\naccess\npostgres\n", Tool({"--list-dialects"}).out);
    EXPECT_EQ(0u, Tool({"--version"}).out.find("vrlschema "));

    const Result none = Tool({});
    EXPECT_EQ(2, none.code);
    const Result bad = Tool({"script", "--dialect", "mysql"});
    EXPECT_EQ(2, bad.code);
    EXPECT_EQ("vrlschema: unknown dialect \"mysql\" (try --list-dialects)\nTry vrlschema script --help.\n",
              bad.err);
    EXPECT_EQ(2, Tool({"frobnicate"}).code);
    EXPECT_EQ(2, Tool({"script", "--db-version", "x"}).code);
    EXPECT_EQ(2, Tool({"script", "--schema"}).code);
    EXPECT_EQ(2, Tool({"exists"}).code);
}

TEST(ToolCommand, BadSchemaFileIsAnInputErrorAndWritesNothing) {
    const auto dir = TempDir("bad");
    std::filesystem::create_directories(dir);
    const auto schema = dir / "s.json";
    std::ofstream(schema)
        << R"({"version": 30, "tables": [{"name": "A", "fields": [{"name": "F", "type": "dtStrng"}]}]})";
    const auto out = dir / "out.sql";
    const Result r = Tool({"script", "--schema", schema.string(), "-o", out.string()});
    EXPECT_EQ(2, r.code);
    EXPECT_EQ(schema.string() + ": /tables/0/fields/0/type: unknown data type \"dtStrng\"\n", r.err);
    EXPECT_FALSE(std::filesystem::exists(out));

    const Result all = Tool({"all", "--schema", schema.string(), "--out-dir", (dir / "all").string()});
    EXPECT_EQ(2, all.code);
    EXPECT_FALSE(std::filesystem::exists(dir / "all"));
    std::filesystem::remove_all(dir);
}

TEST(ToolCommand, GenerationErrorsExitWithOne) {
    // Access has no catalogue queries: the library refuses the probe.
    const Result r = Tool({"exists", "BatchDef", "--dialect", "access", "--quiet"});
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(0u, r.err.find("[4111] DuxLib: ")) << r.err;
    EXPECT_EQ("", r.out);
}

TEST(ToolCommand, DbVersionCutsTheScript) {
    const Result v25 = Tool({"script", "--db-version", "25"});
    const Result v35 = Tool({"script", "--db-version", "35.10001"});
    ASSERT_EQ(0, v25.code) << v25.err;
    ASSERT_EQ(0, v35.code) << v35.err;
    EXPECT_NE(v25.out, v35.out);
    // Introduced at 30, 35 and 35.10001; dropped at 30.
    for (const char* added :
         {"ImageFolder", "FolderCreationRule", "SeparatorSheet", "DeleteBatchDays", "procListCatalog"}) {
        EXPECT_EQ(std::string::npos, v25.out.find(added)) << added;
        EXPECT_NE(std::string::npos, v35.out.find(added)) << added;
    }
    EXPECT_NE(std::string::npos, v25.out.find("LegacyFlags"));
    EXPECT_EQ(std::string::npos, v35.out.find("LegacyFlags"));
    EXPECT_EQ(std::string::npos, Tool({"script", "--db-version", "35.10002"}).out.find("SeparatorSheet"));
}

TEST(ToolCommand, ExistsAndColumns) {
    const Result table = Tool({"exists", "BatchDef"});
    EXPECT_EQ(0, table.code) << table.err;
    EXPECT_NE(std::string::npos, table.out.find("BatchDef"));
    const Result field = Tool({"exists", "Name", "--table", "BatchDef", "--dialect", "oracle"});
    EXPECT_EQ(0, field.code) << field.err;
    EXPECT_NE(std::string::npos, field.out.find("N'BatchDef'"));
    EXPECT_EQ(2, Tool({"exists", "NoSuchThing"}).code);

    const Result columns = Tool({"columns", "Queue"});
    EXPECT_EQ(0, columns.code) << columns.err;
    EXPECT_EQ(0u, columns.out.find("Queue: "));
    EXPECT_NE(std::string::npos, columns.out.find("AdminID,Referenced\n"));
}

TEST(ToolCommand, AllWritesEveryDialectWithASummary) {
    const auto dir = TempDir("all");
    const Result r = Tool({"all", "--out-dir", dir.string()});
    ASSERT_EQ(0, r.code) << r.err;
    for (const char* d : {"sqlserver", "oracle", "db2", "access"}) {
        for (const char* kind : {"script", "seed", "publish"}) {
            const auto file = dir / (std::string(d) + "-" + kind + ".sql");
            if (file.filename() == "access-publish.sql")
                continue;
            EXPECT_TRUE(std::filesystem::exists(file)) << file;
            EXPECT_NE(std::string::npos, r.out.find(file.string() + ": ")) << r.out;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "access-publish.sql"));
    // PostgreSQL: script and seed, and a notice instead of a publish file.
    for (const char* kind : {"script", "seed"}) {
        EXPECT_GT(std::filesystem::file_size(dir / (std::string("postgres-") + kind + ".sql")), 0u) << kind;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "postgres-publish.sql"));
    EXPECT_NE(std::string::npos,
              r.out.find("postgres: no publish procedure for this dialect, postgres-publish.sql skipped\n"))
        << r.out;
    EXPECT_TRUE(std::filesystem::exists(dir / "db2-publish.sql"));
    EXPECT_GT(std::filesystem::file_size(dir / "sqlserver-publish.sql"), 10000u);
    std::filesystem::remove_all(dir);
}

TEST(ToolCommand, PostgresByEitherNameWithoutPublishProcedure) {
    const Result shortName = Tool({"script", "--dialect", "postgres", "--no-header"});
    const Result longName = Tool({"script", "--dialect", "PostgreSQL", "--no-header"});
    ASSERT_EQ(0, shortName.code) << shortName.err;
    EXPECT_EQ(shortName.out, longName.out);
    // The sample's routines have texts of their own for this dialect.
    EXPECT_NE(std::string::npos, shortName.out.find("CREATE OR REPLACE PROCEDURE procRenameBatchDef(IN "
                                                    "plBatchDefID integer, IN pstrName varchar, INOUT "
                                                    "plVersionNum integer, OUT pbDone boolean)"));
    const Result publish = Tool({"publish", "--dialect", "postgresql"});
    EXPECT_EQ(1, publish.code);
    EXPECT_EQ("", publish.out);
    EXPECT_EQ("vrlschema: the publish procedure is not written for postgres\n", publish.err);
}

TEST(ToolCommand, Db2PublishSplitsItsSubProcedures) {
    const Result whole = Tool({"publish", "--dialect", "db2"});
    const Result split = Tool({"publish", "--dialect", "db2", "--split"});
    ASSERT_EQ(0, whole.code) << whole.err;
    ASSERT_EQ(0, split.code) << split.err;
    // Fifteen top-level tables in the sample: 2 sections each and 3 more.
    size_t sections = 0;
    for (size_t at = whole.out.find("<SUBROUTINE>"); at != std::string::npos;
         at = whole.out.find("<SUBROUTINE>", at + 1))
        ++sections;
    EXPECT_EQ(33u, sections);
    EXPECT_NE(std::string::npos, whole.out.find("publishBatchDefSubr33"));
    EXPECT_EQ(std::string::npos, split.out.find("<SUBROUTINE>"));
    EXPECT_EQ(std::string::npos, split.out.find('@'));
}

// The sample schema through every dialect, compared with the reviewed
// expected texts. VRLSCHEMA_UPDATE_GOLDEN=1 rewrites them instead (review
// the difference before committing it).
TEST(ToolCommand, SampleSchemaMatchesTheReviewedScripts) {
    const bool update = std::getenv("VRLSCHEMA_UPDATE_GOLDEN") != nullptr;
    for (const char* d : {"sqlserver", "oracle", "db2", "access"}) {
        for (const char* kind : {"script", "seed", "publish"}) {
            if (std::string(d) == "access" && std::string(kind) == "publish")
                continue;
            const Result r = Tool({kind, "--dialect", d, "--no-header"});
            ASSERT_EQ(0, r.code) << r.err;
            const auto file = kGolden / (std::string(d) + "-" + kind + ".sql");
            if (update) {
                std::filesystem::create_directories(kGolden);
                std::ofstream(file, std::ios::binary) << r.out;
                continue;
            }
            ASSERT_TRUE(std::filesystem::exists(file)) << file;
            EXPECT_EQ(ReadFile(file), r.out) << file;
        }
    }
}
