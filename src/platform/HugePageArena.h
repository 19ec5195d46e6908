// Address space for an allocator's heap, handed out in ascending order from
// large reservations that the kernel is asked to back with huge (2 MiB)
// pages. A process that builds a big model touches every page of its heap
// once; on a virtual machine each 4 KiB fault costs several microseconds,
// so 80 MB of heap cost as much as the work done in it. With huge pages the
// same heap is a few dozen faults.
//
// Nothing is ever given back: the allocator above keeps what it was given
// for the life of the process. Pages of a reservation that are not handed
// out are never touched and take no memory. Not thread-safe: the caller
// serialises (tcmalloc calls its system allocator under its heap lock).
#pragma once

#include <cstddef>

class HugePageArena {
public:
    // Each reservation is at least `reservation` bytes of address space
    // (rounded up to whole huge pages).
    explicit HugePageArena(std::size_t reservation = std::size_t(1) << 30);
    HugePageArena(const HugePageArena&) = delete;
    HugePageArena& operator=(const HugePageArena&) = delete;

    // `size` bytes aligned to `alignment` (a power of two, at most a huge
    // page; 0 means no alignment). `*actualSize`, when given, receives the
    // size handed out, `size` rounded up to whole base pages. Returns
    // nullptr when the kernel gives no more address space, or for a size of
    // 0 or over 64 TiB (more than any reservation can be, and the rounding
    // could not overflow), or an alignment that is not a power of two or is
    // larger than a huge page; the caller then allocates as it would
    // without the arena.
    void* Allocate(std::size_t size, std::size_t alignment, std::size_t* actualSize);

    static constexpr std::size_t kHugePage = std::size_t(2) << 20;

private:
    bool Reserve(std::size_t atLeast);

    std::size_t m_reservation;
    char* m_next = nullptr;
    char* m_end = nullptr;
};
