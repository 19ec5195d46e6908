#include "OutputWriter.h"

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <system_error>

#include "TextSpool.h"
#include "ToolErrors.h"

namespace VrlSchemaTool {

namespace {

auto OneBlock(std::string_view text) {
    return [text](const std::function<void(std::string_view)>& write) { write(text); };
}

} // namespace

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

std::string WriteReason(int error) {
    return error != 0 ? SystemReason(error) : "write error";
}

void OutputWriter::Write(const std::string& target, std::ostream& out, std::string_view text) {
    Write(target, out, OneBlock(text));
}

void OutputWriter::Write(const std::string& target, std::ostream& out, TextSpool& text) {
    Write(target, out,
          [&text](const std::function<void(std::string_view)>& write) { text.ForEachBlock(write); });
}

void OutputWriter::WriteStream(std::ostream& out, std::string_view text) {
    WriteStream(out, OneBlock(text));
}

void OutputWriter::WriteFile(const std::filesystem::path& path, std::string_view text) {
    WriteFile(path, OneBlock(text));
}

void OutputWriter::Write(const std::string& target, std::ostream& out, const Blocks& text) {
    if (target.empty() || target == "-")
        WriteStream(out, text);
    else
        WriteFile(target, text);
}

void OutputWriter::WriteStream(std::ostream& out, const Blocks& text) {
    errno = 0;
    text([&out](std::string_view block) {
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    });
    out.flush();
    if (!out)
        throw OutputError{"standard output: " + WriteReason(errno)};
}

void OutputWriter::WriteFile(const std::filesystem::path& path, const Blocks& text) {
    std::error_code ec;
    // Opening a folder for writing fails with its own reason on most systems,
    // but not on all; say it the same way everywhere.
    if (std::filesystem::is_directory(path, ec))
        throw OutputError{path.string() + ": " + std::make_error_code(std::errc::is_a_directory).message()};
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f)
        throw OutputError{path.string() + ": " + WriteReason(errno)};
    bool written = true;
    int writeError = 0;
    try {
        text([&](std::string_view block) {
            if (written && std::fwrite(block.data(), 1, block.size(), f) != block.size()) {
                written = false;
                writeError = errno;
            }
        });
    } catch (...) {
        std::fclose(f);
        throw;
    }
    if (written && std::fflush(f) != 0) {
        written = false;
        writeError = errno;
    }
    // Closing writes what the buffer still holds, so it can fail too.
    const bool closed = std::fclose(f) == 0;
    if (written && closed)
        return;
    throw OutputError{path.string() + ": " + WriteReason(written ? errno : writeError)};
}

} // namespace VrlSchemaTool
