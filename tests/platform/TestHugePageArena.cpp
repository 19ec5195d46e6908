// The huge-page arena under tcmalloc: ascending, aligned, non-overlapping
// blocks; large requests in reservations of their own; refusals that send
// the caller to its own allocator; and regions the kernel was asked to back
// with huge pages.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/HugePageArena.h"

namespace {

constexpr std::size_t kHuge = HugePageArena::kHugePage;

std::uintptr_t Address(const void* block) {
    return reinterpret_cast<std::uintptr_t>(block);
}

// The VmFlags line of the mapping that holds `address`, from /proc/self/smaps.
std::string MappingFlags(const void* address) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-' && line.find(':') > line.find(' ')) {
            inside = from <= Address(address) && Address(address) < to;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0)
            return line;
    }
    return {};
}

} // namespace

TEST(HugePageArena, HandsOutAlignedBlocksInAscendingOrder) {
    HugePageArena arena(8 * kHuge);
    std::size_t actual = 0;
    char* first = static_cast<char*>(arena.Allocate(100, 0, &actual));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Address(first) % kHuge, 0u) << "a reservation starts on a huge page";
    EXPECT_EQ(actual % 4096, 0u);
    EXPECT_GE(actual, 100u);
    EXPECT_LT(actual, 100u + 64 * 1024);

    char* second = static_cast<char*>(arena.Allocate(3 * 8192, 8192, &actual));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Address(second) % 8192, 0u);
    EXPECT_GE(second, first + 100);
    EXPECT_EQ(actual, 3u * 8192);

    char* third = static_cast<char*>(arena.Allocate(5000, kHuge, nullptr));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(Address(third) % kHuge, 0u);
    EXPECT_GE(third, second + 3 * 8192);

    // Every block is memory of its own.
    std::memset(first, 1, 100);
    std::memset(second, 2, 3 * 8192);
    std::memset(third, 3, 5000);
    EXPECT_EQ(first[99], 1);
    EXPECT_EQ(second[0], 2);
    EXPECT_EQ(second[3 * 8192 - 1], 2);
    EXPECT_EQ(third[4999], 3);
}

TEST(HugePageArena, GrowsByNewReservationsWhenOneIsUsedUp) {
    HugePageArena arena(kHuge);
    char* whole = static_cast<char*>(arena.Allocate(kHuge, 0, nullptr));
    ASSERT_NE(whole, nullptr);
    char* next = static_cast<char*>(arena.Allocate(4096, 0, nullptr));
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next >= whole + kHuge || next + 4096 <= whole) << "blocks of two reservations overlap";

    // Larger than a reservation: one of its own size, whole and writable.
    const std::size_t big = 3 * kHuge + 12345;
    std::size_t actual = 0;
    char* large = static_cast<char*>(arena.Allocate(big, 8192, &actual));
    ASSERT_NE(large, nullptr);
    EXPECT_GE(actual, big);
    std::memset(large, 7, big);
    EXPECT_EQ(large[big - 1], 7);
    whole[kHuge - 1] = 5;
    next[0] = 6;
    EXPECT_EQ(whole[kHuge - 1], 5);
}

TEST(HugePageArena, RefusesWhatItCannotServe) {
    HugePageArena arena(kHuge);
    std::size_t actual = 42;
    EXPECT_EQ(arena.Allocate(0, 0, &actual), nullptr);
    EXPECT_EQ(arena.Allocate(100, 3000, &actual), nullptr);
    EXPECT_EQ(arena.Allocate(100, 2 * kHuge, &actual), nullptr);
    EXPECT_EQ(arena.Allocate(std::size_t(1) << 62, 0, &actual), nullptr);
    EXPECT_EQ(actual, 42u) << "a refusal leaves the size alone";
    EXPECT_NE(arena.Allocate(100, 0, &actual), nullptr) << "a refusal does not spoil the arena";
}

TEST(HugePageArena, AsksTheKernelForHugePages) {
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage"))
        GTEST_SKIP() << "this kernel has no transparent huge pages";
    HugePageArena arena(4 * kHuge);
    void* block = arena.Allocate(kHuge, 0, nullptr);
    ASSERT_NE(block, nullptr);
    const std::string flags = MappingFlags(block);
    ASSERT_FALSE(flags.empty()) << "no mapping holds the block";
    EXPECT_NE((flags + " ").find(" hg "), std::string::npos) << flags;
}
