#include "MappedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Reads what is left of `fd` into `out`; 0 or the errno value of the failure.
int ReadAll(int fd, std::string& out) {
    std::size_t used = 0;
    std::size_t chunk = 65536;
    for (;;) {
        out.resize(used + chunk);
        const ssize_t n = read(fd, out.data() + used, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            std::string().swap(out);
            return error;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
        if (chunk < (std::size_t(1) << 24))
            chunk *= 2;
    }
    out.resize(used);
    out.shrink_to_fit();
    return 0;
}

} // namespace

MappedFile::MappedFile(MappedFile&& other) noexcept
    : m_map(std::exchange(other.m_map, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_read(std::move(other.m_read)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_map = std::exchange(other.m_map, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_read = std::move(other.m_read);
    }
    return *this;
}

MappedFile::~MappedFile() {
    Close();
}

void MappedFile::Close() {
    if (m_map)
        munmap(const_cast<char*>(m_map), m_size);
    m_map = nullptr;
    m_size = 0;
    std::string().swap(m_read);
}

int MappedFile::Open(const char* path) {
    Close();
    int fd;
    do
        fd = open(path, O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    struct stat info {};
    int error = 0;
    if (fstat(fd, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            // Read from the front: the kernel reads ahead further.
            madvise(map, size, MADV_SEQUENTIAL);
            m_map = static_cast<const char*>(map);
            m_size = size;
        } else {
            error = ReadAll(fd, m_read);
        }
    } else {
        error = ReadAll(fd, m_read);
    }
    close(fd);
    return error;
}

void MappedFile::Discard(std::size_t offset) const {
    if (!m_map)
        return;
    static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    // The mapping starts on a page; the page `offset` lies in is kept.
    const std::size_t length = (offset < m_size ? offset : m_size) / page * page;
    if (length > 0)
        madvise(const_cast<char*>(m_map), length, MADV_DONTNEED);
}
