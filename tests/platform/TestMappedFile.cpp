#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/MappedFile.h"

namespace {

// The file pages this process has mapped, in KiB, which Discard lowers.
long RssFileKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("RssFile:", 0) == 0)
            return std::stol(line.substr(8));
    ADD_FAILURE() << "no RssFile in /proc/self/status";
    return 0;
}

class MappedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vrl-mapped-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path m_dir;
};

} // namespace

TEST_F(MappedFileTest, RegularFileIsMappedAndDiscardedPagesReadBackTheSame) {
    std::string text;
    for (int i = 0; text.size() < (1 << 20); ++i)
        text += "line " + std::to_string(i) + "\n";
    const std::string path = Write("big.json", text);
    MappedFile file;
    ASSERT_EQ(0, file.Open(path.c_str()));
    ASSERT_TRUE(file.IsMapped());
    ASSERT_EQ(text, file.Text());
    const long mapped = RssFileKiB();
    file.Discard(text.size() / 2);
    const long half = RssFileKiB();
    // About half a mebibyte has gone, and reads give the same text again.
    EXPECT_LT(half, mapped - 400);
    EXPECT_EQ(text, file.Text());
    // Past the end: everything goes, and still reads the same.
    file.Discard(text.size() * 2);
    EXPECT_LT(RssFileKiB(), mapped - 900);
    EXPECT_EQ(text, file.Text());
    file.Close();
    EXPECT_TRUE(file.Text().empty());
}

TEST_F(MappedFileTest, EmptyPipesAndProcFilesAreRead) {
    MappedFile file;
    ASSERT_EQ(0, file.Open(Write("empty.json", "").c_str()));
    EXPECT_FALSE(file.IsMapped());
    EXPECT_TRUE(file.Text().empty());
    file.Discard(100);

    // A /proc file says its size is 0, yet has text.
    ASSERT_EQ(0, file.Open("/proc/self/status"));
    EXPECT_FALSE(file.IsMapped());
    EXPECT_NE(std::string_view::npos, file.Text().find("Name:"));

    int fds[2];
    ASSERT_EQ(0, pipe(fds));
    ASSERT_EQ(5, write(fds[1], "{\"a\"}", 5));
    close(fds[1]);
    const std::string fdPath = "/proc/self/fd/" + std::to_string(fds[0]);
    ASSERT_EQ(0, file.Open(fdPath.c_str()));
    close(fds[0]);
    EXPECT_FALSE(file.IsMapped());
    EXPECT_EQ("{\"a\"}", file.Text());
}

TEST_F(MappedFileTest, FailuresGiveTheSystemErrorAndLeaveTheObjectEmpty) {
    MappedFile file;
    ASSERT_EQ(0, file.Open(Write("a.json", "{}").c_str()));
    EXPECT_EQ(EISDIR, file.Open(m_dir.c_str()));
    EXPECT_TRUE(file.Text().empty());
    EXPECT_EQ(ENOENT, file.Open((m_dir / "missing.json").c_str()));
    EXPECT_TRUE(file.Text().empty());

    // Moving hands the mapping over; the source is left empty.
    ASSERT_EQ(0, file.Open(Write("b.json", "[1]").c_str()));
    MappedFile moved(std::move(file));
    EXPECT_EQ("[1]", moved.Text());
    EXPECT_TRUE(file.Text().empty()); // NOLINT(bugprone-use-after-move)
    file = std::move(moved);
    EXPECT_EQ("[1]", file.Text());
}
