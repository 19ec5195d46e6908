// Writing a file target: the text replaces the target only once it is whole,
// and what is not a plain file is written to, never replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include <sys/stat.h>

#include "OutputWriter.h"
#include "TextSpool.h"
#include "ToolErrors.h"
#include "ToolProcess.h"

using namespace VrlSchemaTool;
using namespace VrlSchemaToolTest;
namespace fs = std::filesystem;

namespace {

size_t EntriesIn(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
}

} // namespace

TEST(OutputReplace, AFailedWriteLeavesTheTargetAsItWas) {
    const auto dir = FreshDir("replace");
    const fs::path target = dir / "script.sql";
    std::ofstream(target) << "old script";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const OutputWriter::Blocks failing = [](const std::function<void(std::string_view)>& write) {
        write("CREATE TABLE A (ID int)\n");
        throw OutputError{"temporary file: Input/output error"};
    };
    EXPECT_THROW(OutputWriter::WriteFile(target, failing), OutputError);
    EXPECT_EQ("old script", ReadText(target));
    EXPECT_EQ(1u, EntriesIn(dir)); // no temporary file left

    // A whole text replaces it, with the old file's permissions.
    OutputWriter::WriteFile(target, std::string_view("new script"));
    EXPECT_EQ("new script", ReadText(target));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
              fs::status(target).permissions());
    EXPECT_EQ(1u, EntriesIn(dir));

    // Through a link, the file it leads to gets the text; the link stays.
    const fs::path link = dir / "link.sql";
    fs::create_symlink(target, link);
    OutputWriter::WriteFile(link, std::string_view("linked script"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ("linked script", ReadText(target));
    // A dangling link makes the file it names.
    const fs::path dangling = dir / "dangling.sql";
    fs::create_symlink(dir / "made.sql", dangling);
    OutputWriter::WriteFile(dangling, std::string_view("made"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ("made", ReadText(dir / "made.sql"));
    fs::remove_all(dir);
}

// A text made as it is written goes to the file beside the target block by
// block; a failure while it is made leaves the target as it was. Where the
// target is written in place, the text is made in full first.
TEST(OutputReplace, AMadeTextGoesBesideTheTargetWhileItIsMade) {
    const auto dir = FreshDir("replace-made");
    const fs::path target = dir / "script.sql";
    std::ofstream(target) << "old script";
    const std::string block(TextSpool::kDefaultLimit, 'x');
    bool besideWhileMade = false;
    const OutputWriter::Producer failing = [&](TextSpool& out) {
        out.Append(block);
        for (const auto& entry : fs::directory_iterator(dir))
            besideWhileMade |= entry.path() != target && fs::file_size(entry.path()) == block.size();
        throw std::runtime_error("generation failed");
    };
    EXPECT_THROW(OutputWriter::WriteFile(target, failing), std::runtime_error);
    EXPECT_TRUE(besideWhileMade);
    EXPECT_EQ("old script", ReadText(target));
    EXPECT_EQ(1u, EntriesIn(dir));

    OutputWriter::WriteFile(target, OutputWriter::Producer([&](TextSpool& out) {
                                out.Append(block);
                                out.Append("GO\n");
                            }));
    EXPECT_EQ(block + "GO\n", ReadText(target));
    EXPECT_EQ(1u, EntriesIn(dir));

    const fs::path dangling = dir / "dangling.sql";
    fs::create_symlink(dir / "made.sql", dangling);
    besideWhileMade = false;
    EXPECT_THROW(OutputWriter::WriteFile(dangling, failing), std::runtime_error);
    EXPECT_FALSE(besideWhileMade);
    EXPECT_FALSE(fs::exists(dir / "made.sql"));
    fs::remove_all(dir);
}

TEST(OutputReplace, APipeIsWrittenToNotReplaced) {
    const auto dir = FreshDir("replace-pipe");
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    std::string received;
    std::thread reader([&] { received = ReadText(pipe); });
    OutputWriter::WriteFile(pipe, std::string_view("SELECT 1\n"));
    reader.join();
    EXPECT_EQ("SELECT 1\n", received);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(1u, EntriesIn(dir));
    fs::remove_all(dir);
}
