// The text of a file, for a reader that goes through it once from the front.
// A regular file is mapped read-only, so that its text takes no heap and the
// pages a reader is done with can be handed back with Discard; anything else
// (a pipe, a terminal, a device, an empty file or one whose size the system
// does not know, as under /proc) is read into memory.
//
// A mapped file is read as it is on disk while it is used: a file changed
// meanwhile shows its new bytes in the pages read after the change, and one
// cut short meanwhile ends the process with SIGBUS when the reader reaches
// the missing pages. Not thread-safe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    ~MappedFile();

    // Opens `path` and takes its text; what the object held before is let
    // go. Returns 0, or the errno value of the failure (EISDIR for a folder),
    // and then the object is empty.
    int Open(const char* path);
    // Lets the text go.
    void Close();

    std::string_view Text() const { return m_map ? std::string_view(m_map, m_size) : m_read; }
    bool IsMapped() const { return m_map != nullptr; }

    // Gives the kernel back the pages that lie wholly before `offset` into
    // the text. They stay readable: a later read brings them back from the
    // file. Does nothing for text that was read into memory.
    void Discard(std::size_t offset) const;

private:
    const char* m_map = nullptr;
    std::size_t m_size = 0;
    std::string m_read;
};
