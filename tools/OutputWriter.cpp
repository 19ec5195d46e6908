#include "OutputWriter.h"

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <random>
#include <system_error>

#include "TextSpool.h"
#include "ToolErrors.h"

namespace VrlSchemaTool {

namespace {

auto OneBlock(std::string_view text) {
    return [text](const std::function<void(std::string_view)>& write) { write(text); };
}

auto SpoolBlocks(TextSpool& spool) {
    return [&spool](const std::function<void(std::string_view)>& write) { spool.ForEachBlock(write); };
}

} // namespace

std::FILE* CreateNewFile(const std::filesystem::path& stem, std::filesystem::path& made) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 8; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
        made = stem;
        made += suffix;
        errno = 0;
        // "x": only a file this call creates, never one that was there.
        if (std::FILE* f = std::fopen(made.c_str(), "wb+x"))
            return f;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

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
    Write(target, out, SpoolBlocks(text));
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

void OutputWriter::Write(const std::string& target, std::ostream& out, const Producer& produce) {
    if (!target.empty() && target != "-") {
        WriteFile(target, produce);
        return;
    }
    TextSpool spool;
    produce(spool);
    WriteStream(out, SpoolBlocks(spool));
}

void OutputWriter::WriteFile(const std::filesystem::path& path, const Producer& produce) {
    WriteFile(
        path,
        [&produce](const std::function<void(std::string_view)>& write) {
            TextSpool spool(write);
            produce(spool);
            spool.Finish();
        },
        [&] {
            TextSpool spool;
            produce(spool);
            WriteInPlace(path, SpoolBlocks(spool));
        });
}

void OutputWriter::WriteFile(const std::filesystem::path& path, const Blocks& text) {
    WriteFile(path, text, [&] { WriteInPlace(path, text); });
}

void OutputWriter::WriteFile(const std::filesystem::path& path, const Blocks& beside,
                             const std::function<void()>& inPlace) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    // Opening a folder for writing fails with its own reason on most systems,
    // but not on all; say it the same way everywhere.
    if (std::filesystem::is_directory(status))
        throw OutputError{path.string() + ": " + std::make_error_code(std::errc::is_a_directory).message()};
    const bool exists = std::filesystem::exists(status);
    // A device or a pipe is written to, never replaced; so is the file a
    // dangling link is to make.
    if (exists ? !std::filesystem::is_regular_file(status)
               : std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        inPlace();
        return;
    }
    if (exists) {
        // Renaming could replace a file that may not be written: opening it
        // to append, which changes nothing, says whether it may.
        errno = 0;
        std::FILE* probe = std::fopen(path.string().c_str(), "ab");
        if (!probe)
            throw OutputError{path.string() + ": " + WriteReason(errno)};
        std::fclose(probe);
    }
    // The file a symbolic link leads to is the one replaced.
    const std::filesystem::path target = exists ? std::filesystem::canonical(path, ec) : path;
    std::filesystem::path temp;
    std::FILE* f = ec ? nullptr : CreateNewFile(target, temp);
    if (!f) {
        inPlace();
        return;
    }
    try {
        WriteAndClose(f, path, beside);
        if (exists)
            std::filesystem::permissions(temp, status.permissions(), ec);
        if (std::rename(temp.c_str(), target.c_str()) != 0)
            throw OutputError{path.string() + ": " + WriteReason(errno)};
    } catch (...) {
        std::filesystem::remove(temp, ec);
        throw;
    }
}

void OutputWriter::WriteInPlace(const std::filesystem::path& path, const Blocks& text) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f)
        throw OutputError{path.string() + ": " + WriteReason(errno)};
    WriteAndClose(f, path, text);
}

void OutputWriter::WriteAndClose(std::FILE* f, const std::filesystem::path& shown, const Blocks& text) {
    // Unbuffered: every block is large, and goes to the file in one write.
    std::setvbuf(f, nullptr, _IONBF, 0);
    // The first write that fails ends the text: a text made as it is
    // written is not made further.
    const auto failed = [&shown](int error) {
        return OutputError{shown.string() + ": " + WriteReason(error)};
    };
    try {
        text([&](std::string_view block) {
            errno = 0;
            if (std::fwrite(block.data(), 1, block.size(), f) != block.size())
                throw failed(errno);
        });
        errno = 0;
        if (std::fflush(f) != 0)
            throw failed(errno);
    } catch (...) {
        std::fclose(f);
        throw;
    }
    // Closing writes what the buffer still holds, so it can fail too.
    errno = 0;
    if (std::fclose(f) != 0)
        throw failed(errno);
}

} // namespace VrlSchemaTool
