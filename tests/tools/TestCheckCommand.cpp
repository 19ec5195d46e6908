// `vrlschema check`, and the check every generating command runs first.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per test: ctest runs the tests of this suite in parallel.
        m_dir = std::filesystem::temp_directory_path() /
                ("vrlschema-test-check-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        // A foreign key to a table the schema lacks.
        std::ofstream(Broken()) << R"({"version": 30, "tables": [
            {"name": "Orders", "fields": [{"name": "ProductID", "type": "dtInteger"}],
             "constraints": [{"name": "FK_Orders_Nope", "type": "ctForeignKey", "fields": ["ProductID"],
                              "refTable": "Nope", "refFields": ["ProductID"]}]}]})";
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Broken() const { return (m_dir / "broken.json").string(); }

    std::filesystem::path m_dir;
};

TEST_F(CheckCommand, SampleSchemaHasNoErrorOnAnyTarget) {
    const Result r = Tool({"check", "--dialect", "sqlserver", "--dialect", "oracle", "--dialect", "db2",
                           "--dialect", "access"});
    EXPECT_EQ(0, r.code) << r.out;
    EXPECT_EQ(std::string::npos, r.out.find(": error: ")) << r.out;
    // The warnings of the four dialects are listed.
    for (const char* dialect : {"sqlserver", "oracle", "db2", "access"})
        EXPECT_NE(std::string::npos, r.out.find(std::string(": ") + dialect + ": warning: ")) << dialect;
}

TEST_F(CheckCommand, ErrorLineNamesFilePathCodeAndObject) {
    const Result r = Tool({"check", "--schema", Broken(), "--dialect", "db2"});
    EXPECT_EQ(2, r.code);
    EXPECT_EQ(0u, r.out.find(Broken() + ": /tables/0/constraints/0/refTable: db2: error: fk-missing-table: "
                                        "tables/Orders/constraints/FK_Orders_Nope: "))
        << r.out;

    const Result json = Tool({"check", "--schema", Broken(), "--format", "json"});
    EXPECT_EQ(2, json.code);
    const nlohmann::json list = nlohmann::json::parse(json.out);
    ASSERT_EQ(1u, list.size()) << json.out;
    EXPECT_EQ("fk-missing-table", list[0]["code"]);
    EXPECT_EQ("error", list[0]["severity"]);
    EXPECT_EQ("sqlserver", list[0]["dialect"]);
    EXPECT_EQ("/tables/0/constraints/0/refTable", list[0]["path"]);
    EXPECT_EQ(2, Tool({"check", "--format", "xml"}).code);
}

TEST_F(CheckCommand, AnErrorStopsEveryGeneratingCommandBeforeItWrites) {
    const std::string out = (m_dir / "out.sql").string();
    for (const char* command : {"script", "seed", "publish", "columns"}) {
        const Result r = Tool({command, "--schema", Broken(), "--dialect", "oracle", "-o", out});
        EXPECT_EQ(2, r.code) << command;
        EXPECT_EQ("", r.out) << command;
        EXPECT_NE(std::string::npos, r.err.find("fk-missing-table")) << command << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << command;
    }
    const Result all = Tool({"all", "--schema", Broken(), "--out-dir", (m_dir / "all").string()});
    EXPECT_EQ(2, all.code);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "all"));
}

TEST_F(CheckCommand, WarningsGoToStandardErrorUnlessQuietAndStopWhenStrict) {
    // The sample's auto-increment key is a plain integer on Oracle.
    const Result plain = Tool({"script", "--dialect", "oracle", "--no-header"});
    EXPECT_EQ(0, plain.code) << plain.err;
    EXPECT_NE(std::string::npos, plain.err.find("oracle: warning: autoincrement-plain: ")) << plain.err;
    EXPECT_FALSE(plain.out.empty());

    const Result quiet = Tool({"script", "--dialect", "oracle", "--quiet", "--no-header"});
    EXPECT_EQ(0, quiet.code);
    EXPECT_EQ("", quiet.err);
    EXPECT_EQ(plain.out, quiet.out);

    const Result strict = Tool({"script", "--dialect", "oracle", "--strict"});
    EXPECT_EQ(2, strict.code);
    EXPECT_EQ("", strict.out);
    EXPECT_EQ(2, Tool({"check", "--dialect", "oracle", "--strict"}).code);

    const Result all = Tool({"all", "--out-dir", (m_dir / "all").string()});
    ASSERT_EQ(0, all.code);
    // `all` reads each dialect's schema three times and warns once.
    const std::string warning = "oracle: warning: autoincrement-plain: ";
    const size_t first = all.err.find(warning);
    ASSERT_NE(std::string::npos, first) << all.err;
    EXPECT_EQ(std::string::npos, all.err.find(warning, first + 1));
}

} // namespace
