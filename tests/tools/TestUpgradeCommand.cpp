// The upgrade command: the sample's reviewed upgrade scripts, the listing,
// and the exit codes of refused and malformed requests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ToolCommand.h"

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result Upgrade(std::vector<std::string> args) {
    args.insert(args.begin(), "upgrade");
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int code = VrlSchemaTool::RunTool(args, in, out, err);
    return {code, out.str(), err.str()};
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::filesystem::path kGolden = std::filesystem::path(VRLSCHEMA_TEST_DATA_DIR) / "golden";

// The sample from its oldest version to its newest, per dialect, compared
// with the reviewed scripts; VRLSCHEMA_UPDATE_GOLDEN=1 rewrites them.
TEST(UpgradeCommand, SampleUpgradeMatchesTheReviewedScripts) {
    const bool update = std::getenv("VRLSCHEMA_UPDATE_GOLDEN") != nullptr;
    for (const char* d : {"sqlserver", "oracle", "db2", "access"}) {
        const Result r = Upgrade({"--from", "25", "--to", "35.10002", "--dialect", d});
        ASSERT_EQ(0, r.code) << r.err;
        EXPECT_EQ("vrlschema: destructive step: drop column BatchDef.LegacyFlags\n", r.err);
        const auto file = kGolden / (std::string(d) + "-upgrade.sql");
        if (update) {
            std::ofstream(file, std::ios::binary) << r.out;
            continue;
        }
        EXPECT_EQ(ReadFile(file), r.out) << file;
    }
}

TEST(UpgradeCommand, PlanListsOneLinePerStepAndTheHeaderCountsThem) {
    const Result listing = Upgrade({"--from", "35.10001", "--to", "35.10002", "--plan"});
    ASSERT_EQ(0, listing.code) << listing.err;
    EXPECT_EQ("drop index Queue.IX_Queue_ProcessID\ndrop table SeparatorSheet (destructive)\n", listing.out);
    const Result script = Upgrade({"--from", "35.10001", "--to", "35.10002", "--dialect", "oracle"});
    EXPECT_EQ(0u, script.out.find("-- vrlschema "));
    EXPECT_NE(std::string::npos, script.out.find(" upgrade script\n"
                                                 "-- dialect: oracle\n"
                                                 "-- from: version 35.10001 (sample-schema.json)\n"
                                                 "-- to: version 35.10002 (sample-schema.json)\n"
                                                 "-- steps: 2\n\n"));
    EXPECT_EQ(0, Upgrade({"--from", "35.10001", "--to", "35.10002", "-o", "/dev/null"}).code);
}

TEST(UpgradeCommand, RefusedDataLossAndBadRequestsExitWithTwo) {
    const auto dir = std::filesystem::temp_directory_path() / "vrlschema-test-upgrade";
    std::filesystem::create_directories(dir);
    auto schema = [&](const char* name, const char* version, int length) {
        const auto path = dir / name;
        std::ofstream(path) << "{\"version\": \"" << version
                            << "\", \"tables\": [{\"name\": \"Note\", \"fields\": ["
                            << "{\"name\": \"NoteID\", \"type\": \"dtInteger\", \"notNull\": true},"
                            << "{\"name\": \"Text\", \"type\": \"dtString\", \"length\": " << length
                            << "}]}]}";
        return path.string();
    };
    const std::string wide = schema("wide.json", "35", 200);
    const std::string narrow = schema("narrow.json", "30", 100);

    const Result refused = Upgrade({"--old", wide, "--new", narrow});
    EXPECT_EQ(2, refused.code);
    EXPECT_EQ("", refused.out);
    EXPECT_EQ(
        "vrlschema: upgrade refused: the upgrade from version 35 to version 30 can lose data in 1 column\n"
        "  table Note, column Text: nvarchar(200) DEFAULT (NULL) in version 35, nvarchar(100) DEFAULT (NULL) "
        "in version 30 (a shorter length)\n"
        "vrlschema: --allow-data-loss permits these changes\n",
        refused.err);

    const Result allowed = Upgrade({"--old", wide, "--new", narrow, "--allow-data-loss", "--plan"});
    EXPECT_EQ(0, allowed.code) << allowed.err;
    EXPECT_EQ("drop default Note.Text\nalter column Note.Text (destructive)\nset default Note.Text\n",
              allowed.out);
    EXPECT_EQ("vrlschema: destructive step: alter column Note.Text\n", allowed.err);

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--from", "30"},
                                               {"--old", wide},
                                               {"--from", "x", "--to", "30"},
                                               {"--from", "25", "--to", "30", "extra"},
                                               {"--old", wide, "--new", narrow, "--schema", wide}}) {
        const Result r = Upgrade(bad);
        EXPECT_EQ(2, r.code) << bad.back();
        EXPECT_NE(std::string::npos, r.err.find("Try vrlschema upgrade --help.")) << r.err;
    }
    EXPECT_EQ(2, Upgrade({"--old", (dir / "missing.json").string(), "--new", narrow}).code);
    std::filesystem::remove_all(dir);
}

} // namespace
