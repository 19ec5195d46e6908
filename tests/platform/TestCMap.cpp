// CMap and CMapStringToString: insertion-ordered, repeatable iteration and
// the lookup interface.
#include <gtest/gtest.h>

#include <vector>

#include "platform/CMap.h"
#include "platform/CMapStringToString.h"

namespace {

template <class MAP, class KEY, class VALUE> std::vector<KEY> Keys(const MAP& map) {
    std::vector<KEY> keys;
    KEY key{};
    VALUE value{};
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

using IntMap = CMap<int, int, CString, const wchar_t*>;

} // namespace

TEST(CMapIteration, RunsInInsertionOrderWhateverTheKeys) {
    IntMap map(10);
    map.InitHashTable(17);
    const std::vector<int> inserted = {907, 3, 5000, -1, 42, 17, 0};
    for (int key : inserted)
        map.SetAt(key, L"v");
    EXPECT_EQ((Keys<IntMap, int, CString>(map)), inserted);
    map.SetAt(5000, L"again"); // replacing keeps the position
    map.RemoveKey(3);
    map.SetAt(3, L"back"); // re-inserting goes to the end
    EXPECT_EQ((Keys<IntMap, int, CString>(map)), (std::vector<int>{907, 5000, -1, 42, 17, 0, 3}));
    EXPECT_FALSE(map.RemoveKey(12345));

    IntMap copy(map);
    EXPECT_EQ((Keys<IntMap, int, CString>(copy)), (Keys<IntMap, int, CString>(map)));
    copy.RemoveAll();
    EXPECT_EQ(copy.GetStartPosition(), nullptr);
    EXPECT_EQ(map.GetCount(), 7);
}

TEST(CMapIteration, RemovingTheReturnedEntryDoesNotDisturbTheWalk) {
    IntMap map;
    for (int i = 0; i < 100; ++i)
        map[i] = L"x";
    int visited = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        int key;
        CString value;
        map.GetNextAssoc(pos, key, value);
        if (key % 2 == 0)
            map.RemoveKey(key);
        ++visited;
    }
    EXPECT_EQ(visited, 100);
    EXPECT_EQ(map.GetCount(), 50);
}

TEST(CMapLookup, StringKeysAreExactAndPassedAsPointersValuesOrReferences) {
    CMap<CString, const wchar_t*, VARTYPE, VARTYPE> map;
    map.SetAt(L"int", VT_I4);
    map[L"bstr"] = VT_BSTR;
    VARTYPE vt = 0;
    EXPECT_TRUE(map.Lookup(L"int", vt));
    EXPECT_EQ(vt, VT_I4);
    EXPECT_FALSE(map.Lookup(L"INT", vt));
    EXPECT_FALSE(map.Lookup(nullptr, vt));
    EXPECT_EQ(map[L"missing"], 0); // operator[] inserts a default value
    EXPECT_EQ(map.GetCount(), 3);

    CMapStringToString texts;
    texts[L"k1"] = L"v1";
    texts.SetAt(L"k2", L"v2");
    texts.SetAt(L"k1", L"v1b");
    CString value;
    EXPECT_TRUE(texts.Lookup(L"k1", value));
    EXPECT_EQ(value, L"v1b");
    EXPECT_TRUE(texts.RemoveKey(L"k2"));
    EXPECT_FALSE(texts.Lookup(L"k2", value));
    EXPECT_EQ((Keys<CMapStringToString, CString, CString>(texts)), std::vector<CString>{L"k1"});

    // Keys passed by value and by reference.
    CMap<CString, CString, int, int> byValue;
    byValue.SetAt(CString(L"a long key that is not stored inline"), 1);
    int number = 0;
    EXPECT_TRUE(byValue.Lookup(CString(L"a long key that is not stored inline"), number));
    EXPECT_EQ(number, 1);
    CMap<CString, const CString&, int, int> byReference;
    byReference[CString(L"k")] = 2;
    EXPECT_TRUE(byReference.Lookup(CString(L"k"), number));
    EXPECT_EQ(number, 2);
}

// Small maps keep their entries in one chain; a map that grows past that is
// hashed. Both must find every key, keep the order and survive removals.
TEST(CMapLookup, MapsGrowingPastAFewEntriesKeepEveryKeyAndTheOrder) {
    IntMap map;
    std::vector<int> expected;
    for (int key = 0; key < 40; ++key) {
        map[key * 7919] = CString(std::to_wstring(key).c_str());
        expected.push_back(key * 7919);
        if (key == 11 || key == 12 || key == 39) {
            for (int k = 0; k <= key; ++k) {
                CString value;
                ASSERT_TRUE(map.Lookup(k * 7919, value)) << k << " of " << key + 1;
                EXPECT_EQ(CString(std::to_wstring(k).c_str()), value);
            }
        }
    }
    EXPECT_EQ(40, map.GetCount());
    EXPECT_GE(map.GetHashTableSize(), 40u);
    EXPECT_TRUE(map.RemoveKey(5 * 7919));
    expected.erase(expected.begin() + 5);
    EXPECT_EQ(nullptr, map.PLookupValue(5 * 7919));
    EXPECT_EQ(expected, (Keys<IntMap, int, CString>(map)));

    const IntMap copy(map);
    EXPECT_EQ(expected, (Keys<IntMap, int, CString>(copy)));
    ASSERT_NE(nullptr, copy.PLookupValue(39 * 7919));
    EXPECT_EQ(CString(L"39"), *copy.PLookupValue(39 * 7919));

    IntMap small;
    small[1] = L"one";
    small = map;
    EXPECT_EQ(expected, (Keys<IntMap, int, CString>(small)));
}
