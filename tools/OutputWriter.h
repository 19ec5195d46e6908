// Writing a command's text where it was asked for. Every write is checked:
// a failure raises OutputError naming the path (or standard output) and the
// system's reason, never passes unnoticed.
#pragma once

#include <cstdio>
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

// A file that did not exist before, named `stem` and a random suffix
// (".0123456789abcdef.tmp"), open for reading and writing, or null with errno
// set; `made` is its path.
std::FILE* CreateNewFile(const std::filesystem::path& stem, std::filesystem::path& made);

class TextSpool;

class OutputWriter {
public:
    // To `out` when `target` is empty or "-", otherwise to the file `target`.
    static void Write(const std::string& target, std::ostream& out, std::string_view text);
    static void Write(const std::string& target, std::ostream& out, TextSpool& text);
    // Writes `text` to `out` and flushes it, so that a full disk or a closed
    // pipe shows now rather than when the process ends.
    static void WriteStream(std::ostream& out, std::string_view text);
    // Creates or replaces the file. A regular file (or one yet to be made)
    // is written beside itself under a temporary name and renamed over the
    // target once whole, keeping the old file's permissions: a failed write
    // leaves the target as it was. A symbolic link keeps pointing where it
    // did, to the new text. Anything else (a device, a pipe) is written in
    // place, as is a file whose folder takes no new file.
    static void WriteFile(const std::filesystem::path& path, std::string_view text);

    // A text given block by block: calls its argument with each block, and
    // may raise between them.
    using Blocks = std::function<void(const std::function<void(std::string_view)>&)>;
    static void WriteFile(const std::filesystem::path& path, const Blocks& text);

    // A text made as it is written: `produce` puts it into the spool it is
    // given, and may raise. Where a file is replaced through a temporary
    // one, the text goes there block by block as it is made, and never
    // waits in a spool file of its own. Anywhere else (standard output, a
    // pipe) it is made in full first, so that a failure writes nothing.
    using Producer = std::function<void(TextSpool&)>;
    static void Write(const std::string& target, std::ostream& out, const Producer& produce);
    static void WriteFile(const std::filesystem::path& path, const Producer& produce);

private:
    static void Write(const std::string& target, std::ostream& out, const Blocks& text);
    // `beside` writes the text to the temporary file; `inPlace` writes it
    // to the path itself, the text made in full first.
    static void WriteFile(const std::filesystem::path& path, const Blocks& beside,
                          const std::function<void()>& inPlace);
    static void WriteStream(std::ostream& out, const Blocks& text);
    static void WriteInPlace(const std::filesystem::path& path, const Blocks& text);
    // `shown` is the path errors name.
    static void WriteAndClose(std::FILE* f, const std::filesystem::path& shown, const Blocks& text);
};

} // namespace VrlSchemaTool
