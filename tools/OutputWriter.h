// Writing a command's text where it was asked for. Every write is checked:
// a failure raises OutputError naming the path (or standard output) and the
// system's reason, never passes unnoticed.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace VrlSchemaTool {

// The system's text for an error number ("No space left on device").
std::string SystemReason(int error);
// The same for a failed write, "write error" when errno was not set (0).
std::string WriteReason(int error);

class TextSpool;

class OutputWriter {
public:
    // To `out` when `target` is empty or "-", otherwise to the file `target`.
    static void Write(const std::string& target, std::ostream& out, std::string_view text);
    static void Write(const std::string& target, std::ostream& out, TextSpool& text);
    // Writes `text` to `out` and flushes it, so that a full disk or a closed
    // pipe shows now rather than when the process ends.
    static void WriteStream(std::ostream& out, std::string_view text);
    // Creates or replaces the file.
    static void WriteFile(const std::filesystem::path& path, std::string_view text);

private:
    // A text given block by block: calls its argument with each block.
    using Blocks = std::function<void(const std::function<void(std::string_view)>&)>;
    static void Write(const std::string& target, std::ostream& out, const Blocks& text);
    static void WriteStream(std::ostream& out, const Blocks& text);
    static void WriteFile(const std::filesystem::path& path, const Blocks& text);
};

} // namespace VrlSchemaTool
