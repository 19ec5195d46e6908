// Runs the real vrlschema binary, the way a user does: through the shell,
// with standard input from a file, standard output and error caught in files
// and the exit status read back. The tests of the command line's behaviour
// go through here, so that what they see is what the user sees (buffering,
// exit status, files left behind).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace VrlSchemaToolTest {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

struct ToolCall {
    std::vector<std::string> args;
    std::string input;    // standard input
    std::string stdoutTo; // instead of a capture file, e.g. /dev/full
    std::string cwd;      // folder to run in (default: the test's)
    std::map<std::string, std::string> env;
};

ToolRun RunToolBinary(const ToolCall& call);
ToolRun RunToolBinary(const std::vector<std::string>& args);

// A fresh, empty folder of its own under the system's temporary folder.
std::filesystem::path FreshDir(const std::string& name);
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);
// The names of the entries of a folder, sorted.
std::vector<std::string> Entries(const std::filesystem::path& dir);

// A schema of one's own: two tables, a view and a procedure, no setup tree,
// so no publish procedure.
extern const char* const kShopSchema;

} // namespace VrlSchemaToolTest
