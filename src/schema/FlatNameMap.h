// FlatNameMap: a hash map from names (views of text that someone else keeps)
// to small values, in two arrays: the entries side by side, and an open-
// addressing index of 8-byte slots probed in a row. A lookup compares texts
// only when 32 bits of the hashes agree, so that a map of a hundred thousand
// names costs a cache miss or two a lookup, nothing is allocated per entry,
// and freeing the map is two frees. `Hash` and `Equal` decide what counts as
// the same name (with or without regard to case); they must agree with each
// other. A map holds at most 2^32 - 1 entries. A key is a wide view by
// default; `Key` may be any small value that holds a view (a name with its
// version, say), which `Hash` and `Equal` then take.
//
// The texts behind the keys must outlive their entries and must not change
// while they are keys. Pointers to values are good until the next insertion
// or erasure. Rehashing reads the keys' texts again.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace VrlSchemaLib {

template <class Value, class Hash, class Equal, class Key = std::wstring_view> class FlatNameMap {
public:
    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }

    // Room for `count` entries without growing.
    void reserve(size_t count) {
        m_entries.reserve(count);
        if (Wanted(count) > m_slots.size())
            Rehash(Wanted(count));
    }

    void clear() {
        m_slots.clear();
        m_entries.clear();
        m_bits = 0;
    }

    const Value* find(Key key) const {
        const size_t at = Locate(key, Tag(key));
        return at == kAbsent ? nullptr : &m_entries[Index(m_slots[at])].value;
    }
    Value* find(Key key) {
        const size_t at = Locate(key, Tag(key));
        return at == kAbsent ? nullptr : &m_entries[Index(m_slots[at])].value;
    }

    // The value of `key`, and true when it was added with `value`; an entry
    // already there is left as it is.
    std::pair<Value*, bool> try_emplace(Key key, Value value) {
        const uint32_t tag = Tag(key);
        if (const size_t at = Locate(key, tag); at != kAbsent)
            return {&m_entries[Index(m_slots[at])].value, false};
        if (Wanted(m_entries.size() + 1) > m_slots.size())
            Rehash(Wanted(m_entries.size() + 1));
        m_slots[FreeSlot(tag)] = MakeSlot(tag, m_entries.size());
        Entry& entry = m_entries.emplace_back(Entry{key, std::move(value)});
        return {&entry.value, true};
    }

    // Gives the entry of `key` a new key of the same name (the text of a
    // newer object, say) and a new value. False when there is no entry.
    bool Replace(Key key, Key newKey, Value value) {
        const size_t at = Locate(key, Tag(key));
        if (at == kAbsent)
            return false;
        Entry& entry = m_entries[Index(m_slots[at])];
        entry.key = newKey;
        entry.value = std::move(value);
        return true;
    }

    bool erase(Key key) {
        const size_t at = Locate(key, Tag(key));
        if (at == kAbsent)
            return false;
        const size_t index = Index(m_slots[at]);
        Vacate(at);
        // The last entry fills the hole, and its slot follows it.
        const size_t last = m_entries.size() - 1;
        if (index != last) {
            const size_t moved = Locate(m_entries[last].key, Tag(m_entries[last].key));
            m_slots[moved] = MakeSlot(SlotTag(m_slots[moved]), index);
            m_entries[index] = std::move(m_entries[last]);
        }
        m_entries.pop_back();
        return true;
    }

    // Calls `visit(key, value)` for every entry, in no particular order.
    template <class Visit> void ForEach(Visit visit) {
        for (Entry& entry : m_entries)
            visit(entry.key, entry.value);
    }

private:
    // The entries lie side by side; the slots hold, for each entry, 32 bits
    // of its hash (which also give its home slot) and its index plus one.
    // An empty slot is 0. Most probes end at a slot whose hash bits differ,
    // without reading an entry.
    struct Entry {
        Key key;
        Value value;
    };
    using Slot = uint64_t;
    static constexpr size_t kAbsent = static_cast<size_t>(-1);

    static Slot MakeSlot(uint32_t tag, size_t index) { return (uint64_t(tag) << 32) | uint64_t(index + 1); }
    static uint32_t SlotTag(Slot slot) { return static_cast<uint32_t>(slot >> 32); }
    static size_t Index(Slot slot) { return static_cast<size_t>(slot & 0xFFFFFFFFu) - 1; }

    static uint32_t Tag(Key key) {
        const uint64_t hash = static_cast<uint64_t>(Hash()(key));
        return static_cast<uint32_t>(hash ^ (hash >> 32));
    }
    // At most two slots in three are used; at least 16 slots.
    static size_t Wanted(size_t count) { return std::bit_ceil(count < 10 ? size_t(16) : count + count / 2); }
    // The bits are mixed before they are cut down, as the hashes given may
    // differ in their low bits only.
    size_t Home(uint32_t tag) const { return static_cast<size_t>((tag * 0x9E3779B9u) >> (32 - m_bits)); }

    size_t Locate(Key key, uint32_t tag) const {
        if (m_slots.empty())
            return kAbsent;
        const size_t mask = m_slots.size() - 1;
        for (size_t at = Home(tag);; at = (at + 1) & mask) {
            const Slot slot = m_slots[at];
            if (slot == 0)
                return kAbsent;
            if (SlotTag(slot) == tag && Equal()(m_entries[Index(slot)].key, key))
                return at;
        }
    }

    size_t FreeSlot(uint32_t tag) const {
        const size_t mask = m_slots.size() - 1;
        size_t at = Home(tag);
        while (m_slots[at] != 0)
            at = (at + 1) & mask;
        return at;
    }

    // Empties slot `at`, moving the slots of the run behind it up, so that
    // every entry stays reachable from its home slot without tombstones.
    void Vacate(size_t at) {
        const size_t mask = m_slots.size() - 1;
        for (size_t next = (at + 1) & mask; m_slots[next] != 0; next = (next + 1) & mask) {
            const size_t home = Home(SlotTag(m_slots[next]));
            // The slot may move into the gap when its home lies outside the
            // cyclic range (at, next].
            if (((next - home) & mask) >= ((next - at) & mask)) {
                m_slots[at] = m_slots[next];
                at = next;
            }
        }
        m_slots[at] = 0;
    }

    void Rehash(size_t slots) {
        m_slots.assign(slots, 0);
        m_bits = std::countr_zero(slots);
        for (size_t i = 0; i < m_entries.size(); ++i) {
            const uint32_t tag = Tag(m_entries[i].key);
            m_slots[FreeSlot(tag)] = MakeSlot(tag, i);
        }
    }

    std::vector<Slot> m_slots;
    std::vector<Entry> m_entries;
    int m_bits = 0;
};

} // namespace VrlSchemaLib
