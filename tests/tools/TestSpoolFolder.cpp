// Where the creation script's spool waits: in the folder TMPDIR names, without
// a name there, and in memory when that folder cannot be used.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TextSpool.h"
#include "ToolProcess.h"

#include <sys/resource.h>

using namespace VrlSchemaTool;
using namespace VrlSchemaToolTest;

namespace {

// Whether this process holds a file open under `folder` (Linux names each
// open file under /proc/self/fd, a removed one with " (deleted)" after it).
bool HoldsFileIn(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target.rfind(folder.string() + "/", 0) == 0)
            return true;
    }
    return false;
}

} // namespace

TEST(TextSpool, WaitsInTheFolderTmpdirNamesOrElseInMemory) {
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    const auto dir = FreshDir("spool-tmpdir");
    std::ofstream(dir / "plain-file") << "not a folder";
    std::string expected;
    for (int i = 0; i < 400; ++i)
        expected += "INSERT INTO T VALUES (" + std::to_string(i) + ")\r\nGO\r\n";

    struct Case {
        std::filesystem::path tmpdir;
        bool inFile;
    };
    for (const Case& c : {Case{dir, true}, Case{dir / "missing", false}, Case{dir / "plain-file", false}}) {
        SCOPED_TRACE(c.tmpdir.string());
        setenv("TMPDIR", c.tmpdir.c_str(), 1);
        TextSpool spool(1000);
        for (size_t at = 0; at < expected.size(); at += 700)
            spool.Append(std::string_view(expected).substr(at, 700));
        EXPECT_EQ(c.inFile, spool.InFile());
        EXPECT_EQ(c.inFile, HoldsFileIn(dir));
        EXPECT_EQ(expected, spool.Take());
        EXPECT_FALSE(HoldsFileIn(dir));
        // Nothing is left with a name: the folder holds only the plain file.
        EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir), {}));
    }
    if (saved)
        setenv("TMPDIR", before.c_str(), 1);
    else
        unsetenv("TMPDIR");
    std::filesystem::remove_all(dir);
}

// The temporary folder fills up while the text is spilled: a limit on the
// size of the files this process writes makes the write fail the same way
// (short, then refused), part-way through a block.
TEST(TextSpool, AFileThatCannotGrowLeavesTheWholeTextInMemory) {
    std::string expected;
    for (int i = 0; i < 300; ++i)
        expected += "INSERT INTO T VALUES (" + std::to_string(i) + ")\r\nGO\r\n";
    rlimit before{};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &before));
    rlimit small = before;
    small.rlim_cur = 2500;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    TextSpool spool(1000);
    for (size_t at = 0; at < expected.size(); at += 700)
        spool.Append(std::string_view(expected).substr(at, 700));
    const bool inFile = spool.InFile();
    std::string taken;
    try {
        taken = spool.Take();
    } catch (...) {
        taken = "raised";
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(inFile);
    EXPECT_EQ(expected, taken);
}
