// FlatNameMap: lookups, the moves that erasing makes in the slots and in
// the entries, growth, and names compared without regard to case.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "schema/CSchemaObjectCollection.h"
#include "schema/FlatNameMap.h"

using namespace VrlSchemaLib;

namespace {

// Few distinct hashes, so that probes run long, runs wrap round the end of
// the slots and most entries live away from their home slot.
struct CrowdedHash {
    size_t operator()(std::wstring_view key) const noexcept { return key.size() % 3; }
};
using Crowded = FlatNameMap<int, CrowdedHash, std::equal_to<std::wstring_view>>;

} // namespace

TEST(FlatNameMap, AgreesWithAnOrderedMapThroughInsertsErasesAndReplacements) {
    // The keys are views: their texts live here for the whole test.
    std::vector<std::wstring> texts;
    for (int i = 0; i < 300; ++i)
        texts.push_back(L"name" + std::wstring(static_cast<size_t>(i % 7), L'x') + std::to_wstring(i));

    Crowded map;
    std::map<std::wstring, int> expected;
    std::mt19937 random(7);
    for (int step = 0; step < 5000; ++step) {
        const std::wstring& key = texts[random() % texts.size()];
        switch (random() % 3) {
        case 0: {
            const auto [value, added] = map.try_emplace(key, step);
            const auto [it, inserted] = expected.try_emplace(key, step);
            ASSERT_EQ(inserted, added) << step;
            ASSERT_EQ(it->second, *value) << step;
            break;
        }
        case 1:
            ASSERT_EQ(expected.erase(key) == 1, map.erase(key)) << step;
            break;
        default:
            if (expected.count(key) != 0)
                expected[key] = -step;
            ASSERT_EQ(expected.count(key) != 0, map.Replace(key, key, -step)) << step;
        }
        ASSERT_EQ(expected.size(), map.size()) << step;
    }
    for (const std::wstring& key : texts) {
        const int* found = map.find(key);
        const auto it = expected.find(key);
        ASSERT_EQ(it != expected.end(), found != nullptr) << std::string(key.begin(), key.end());
        if (found != nullptr) {
            EXPECT_EQ(it->second, *found);
        }
    }
    int visited = 0;
    map.ForEach([&](std::wstring_view key, int& value) {
        ++visited;
        EXPECT_EQ(expected.at(std::wstring(key)), value);
    });
    EXPECT_EQ(static_cast<int>(expected.size()), visited);
}

TEST(FlatNameMap, FoldedNamesMeetAndAReplacementTakesTheNewKey) {
    const std::wstring first = L"Orders", second = L"ORDERS", other = L"Items";
    FlatNameMap<size_t, CSchemaObjectCollection::FoldedHash, CSchemaObjectCollection::FoldedEqual> map;
    EXPECT_EQ(nullptr, map.find(L"orders"));
    EXPECT_TRUE(map.try_emplace(first, 1).second);
    EXPECT_FALSE(map.try_emplace(second, 2).second);
    EXPECT_TRUE(map.try_emplace(other, 3).second);
    ASSERT_NE(nullptr, map.find(L"oRdErS"));
    EXPECT_EQ(1u, *map.find(L"oRdErS"));

    EXPECT_TRUE(map.Replace(L"orders", second, 4));
    std::wstring keys;
    map.ForEach([&](std::wstring_view key, size_t&) { keys += std::wstring(key) + L";"; });
    EXPECT_EQ(L"ORDERS;Items;", keys);
    EXPECT_FALSE(map.Replace(L"nothing", L"nothing", 5));

    map.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(nullptr, map.find(L"items"));
    map.reserve(1000);
    EXPECT_TRUE(map.try_emplace(other, 6).second);
    EXPECT_EQ(6u, *map.find(L"ITEMS"));
}
