// Runs the real vrlschema binary, the way a user does: with standard input
// from a file, standard output and error caught in files and the exit status
// read back. The tests of the command line go through
// here, so that what they see is what the user sees (buffering, exit status,
// files left behind).
#pragma once

#include <filesystem>
#include <string>

namespace VrlSchemaToolTest {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the tool with the arguments split at the spaces of `words`, in folder
// `cwd` (default: the test's), with `env` ("NAME=value") added to its
// environment. An argument "<FILE" is its standard input instead of `input`,
// ">FILE" its standard output instead of the capture.
ToolRun RunTool(const std::string& words, const std::string& input = "", const std::string& cwd = "",
                const std::string& env = "");

// A fresh, empty folder of its own under the system's temporary folder.
std::filesystem::path FreshDir(const std::string& name);
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
// The paths under a folder relative to it, sorted and separated by spaces.
std::string Entries(const std::filesystem::path& dir);

// A schema of one's own: two tables, no setup tree, so no publish procedure.
inline const std::filesystem::path kShopSchema = VRLSCHEMA_TEST_DATA_DIR "/tools/texts/shop.json";

} // namespace VrlSchemaToolTest
