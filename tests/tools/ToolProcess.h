// Runs the real vrlschema binary, the way a user does: through the shell,
// with standard input from a file, standard output and error caught in files
// and the exit status read back. The tests of the command line go through
// here, so that what they see is what the user sees (buffering, exit status,
// files left behind).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace VrlSchemaToolTest {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the tool with `words` after its name: shell words, redirections
// included (one for standard output replaces the capture), in folder `cwd`
// (default: the test's) after the shell text `prefix` (e.g. "NAME=value ").
ToolRun RunToolLine(const std::string& words, const std::string& input = "", const std::string& cwd = "",
                    const std::string& prefix = "");
// The same with every argument quoted.
ToolRun RunToolBinary(const std::vector<std::string>& args, const std::string& input = "");

// A fresh, empty folder of its own under the system's temporary folder.
std::filesystem::path FreshDir(const std::string& name);
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
// The paths under a folder relative to it, sorted and separated by spaces.
std::string Entries(const std::filesystem::path& dir);

// A schema of one's own: two tables, no setup tree, so no publish procedure.
inline const std::filesystem::path kShopSchema = VRLSCHEMA_TEST_DATA_DIR "/tools/texts/shop.json";

} // namespace VrlSchemaToolTest
