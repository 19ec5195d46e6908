#include "HugePageArena.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

std::size_t BasePage() {
    static const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return page;
}

} // namespace

HugePageArena::HugePageArena(std::size_t reservation)
    : m_reservation(RoundUp(reservation == 0 ? kHugePage : reservation, kHugePage)) {}

void* HugePageArena::Allocate(std::size_t size, std::size_t alignment, std::size_t* actualSize) {
    if (size == 0 || size > (std::size_t(1) << 46) || (alignment & (alignment - 1)) != 0 ||
        alignment > kHugePage)
        return nullptr;
    if (alignment == 0)
        alignment = 1;
    const std::size_t length = RoundUp(size, BasePage());
    auto aligned = [&] {
        const auto next = reinterpret_cast<std::uintptr_t>(m_next);
        return reinterpret_cast<char*>(RoundUp(next, alignment));
    };
    char* start = aligned();
    // Before the first reservation both ends are null, so nothing fits.
    if (start > m_end || static_cast<std::size_t>(m_end - start) < length) {
        if (!Reserve(length))
            return nullptr;
        start = aligned();
    }
    m_next = start + length;
    if (actualSize != nullptr)
        *actualSize = length;
    return start;
}

bool HugePageArena::Reserve(std::size_t atLeast) {
    const std::size_t length = RoundUp(atLeast > m_reservation ? atLeast : m_reservation, kHugePage);
    // One huge page more than needed, so that the reservation can start on
    // a huge-page boundary; the ragged ends are given back at once.
    const std::size_t mapped = length + kHugePage;
    void* region =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (region == MAP_FAILED)
        return false;
    char* base = static_cast<char*>(region);
    char* start = reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(base), kHugePage));
    if (start != base)
        munmap(base, static_cast<std::size_t>(start - base));
    char* end = start + length;
    if (end != base + mapped)
        munmap(end, static_cast<std::size_t>(base + mapped - end));
    // Without transparent huge pages (or with them switched off) the advice
    // is refused and the region works with base pages, as any heap does.
    madvise(start, length, MADV_HUGEPAGE);
    m_next = start;
    m_end = end;
    return true;
}
