// A long text written once, front to back, and then read once: kept in
// memory up to a limit and beyond it in a nameless file in the temporary
// folder (TMPDIR, else the system's), so that a large creation script is
// never held whole, nor copied while it grows.
// Without a usable temporary folder, or once it is full, the text stays in
// memory instead. Reading the file back can fail: that raises OutputError.
// A spool made with a drain keeps no file: each full block goes to the drain
// as it fills, and Finish sends what is left.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace VrlSchemaTool {

class TextSpool {
public:
    static constexpr size_t kDefaultLimit = size_t(1) << 20;

    // `memoryLimit`: the bytes held in memory before they go to the file.
    explicit TextSpool(size_t memoryLimit = kDefaultLimit);
    using Drain = std::function<void(std::string_view)>;
    explicit TextSpool(Drain drain, size_t blockSize = kDefaultLimit);
    ~TextSpool();
    TextSpool(const TextSpool&) = delete;
    TextSpool& operator=(const TextSpool&) = delete;

    void Append(std::string_view text);
    void AppendUtf8(std::wstring_view text);

    size_t Size() const { return m_spilled + m_tail.size(); }
    // Whether part of the text waits in the file.
    bool InFile() const { return m_file != nullptr; }
    // The text from its start, block by block; `write` may raise.
    void ForEachBlock(const std::function<void(std::string_view)>& write);
    // The whole text as one string; the spool is left empty.
    std::string Take();
    // With a drain: sends it the text not yet sent. Neither ForEachBlock nor
    // Take can read a drained text back.
    void Finish();

private:
    void SpillIfFull();

    size_t m_limit;
    std::string m_tail; // what has not gone to the file
    std::FILE* m_file = nullptr;
    size_t m_spilled = 0;
    Drain m_drain;
};

} // namespace VrlSchemaTool
