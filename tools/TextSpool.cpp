#include "TextSpool.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "OutputWriter.h"
#include "ToolErrors.h"
#include "platform/CString.h"

namespace VrlSchemaTool {

namespace {

[[noreturn]] void ThrowSpoolError(int error) {
    throw OutputError{"temporary file: " + WriteReason(error)};
}

// The spool's file, nameless once open, in the folder TMPDIR names (the
// system's temporary folder without it): std::tmpfile would always use the
// system's folder. Null when the folder cannot be used.
std::FILE* OpenNamelessFile() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        return nullptr;
    std::filesystem::path made;
    std::FILE* file = CreateNewFile(folder / "vrlschema-spool", made);
    if (file)
        std::filesystem::remove(made, error);
    return file;
}

} // namespace

TextSpool::TextSpool(size_t memoryLimit) : m_limit(memoryLimit) {}

TextSpool::TextSpool(Drain drain, size_t blockSize) : m_limit(blockSize), m_drain(std::move(drain)) {}

TextSpool::~TextSpool() {
    if (m_file)
        std::fclose(m_file);
}

void TextSpool::Append(std::string_view text) {
    m_tail += text;
    SpillIfFull();
}

void TextSpool::AppendUtf8(std::wstring_view text) {
    ::AppendUtf8(m_tail, text);
    SpillIfFull();
}

void TextSpool::SpillIfFull() {
    if (m_tail.size() < m_limit)
        return;
    if (m_drain) {
        Finish();
        return;
    }
    if (!m_file) {
        m_file = OpenNamelessFile();
        // Unbuffered (the blocks are large): what a write took is in the
        // file, so that after a write that failed part-way the blocks before
        // it can still be read back.
        if (m_file)
            std::setvbuf(m_file, nullptr, _IONBF, 0);
    }
    if (m_file && std::fwrite(m_tail.data(), 1, m_tail.size(), m_file) == m_tail.size()) {
        m_spilled += m_tail.size();
        m_tail.clear();
        return;
    }
    // No temporary folder, or a full one: hold the text in memory after all,
    // what went to the file first (a failed block's part there is ignored).
    if (m_file) {
        std::clearerr(m_file);
        std::string whole = Take(); // the spilled part and the tail
        m_tail = std::move(whole);
    }
    m_limit = static_cast<size_t>(-1);
}

void TextSpool::ForEachBlock(const std::function<void(std::string_view)>& write) {
    if (m_drain)
        throw std::logic_error("TextSpool: a drained text cannot be read back");
    if (m_file) {
        errno = 0;
        if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0)
            ThrowSpoolError(errno);
        std::string block(std::min(m_spilled, m_limit), '\0');
        for (size_t left = m_spilled; left > 0;) {
            const size_t n = std::fread(block.data(), 1, std::min(left, block.size()), m_file);
            if (n == 0)
                ThrowSpoolError(errno);
            write(std::string_view(block.data(), n));
            left -= n;
        }
    }
    if (!m_tail.empty() || !m_file)
        write(m_tail);
}

void TextSpool::Finish() {
    if (!m_drain || m_tail.empty())
        return;
    m_drain(m_tail);
    m_spilled += m_tail.size();
    m_tail.clear();
}

std::string TextSpool::Take() {
    if (m_drain)
        throw std::logic_error("TextSpool: a drained text cannot be read back");
    std::string text;
    if (!m_file) {
        text.swap(m_tail);
        return text;
    }
    text.reserve(Size());
    ForEachBlock([&](std::string_view block) { text += block; });
    std::fclose(m_file);
    m_file = nullptr;
    m_spilled = 0;
    m_tail.clear();
    return text;
}

} // namespace VrlSchemaTool
