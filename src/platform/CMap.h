// CMap: a hash map with the framework's interface. Iteration runs in
// insertion order, so that every walk over a map (and everything generated
// from one) is the same from run to run; the framework's own order depends on
// its bucket layout, which no caller may rely on anyway.
//
// A map keyed by CString may be searched with its argument type
// (const wchar_t*) without building a CString for every probe.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "CObject.h"
#include "CString.h"

// Opaque iteration cursor; nullptr when the walk is over.
struct CPositionTag;
using POSITION = CPositionTag*;
using INT_PTR = intptr_t;

namespace cmap_detail {

template <typename KEY> struct Hash : std::hash<KEY> {};
template <typename KEY> struct Equal : std::equal_to<KEY> {};

template <> struct Hash<CString> {
    using is_transparent = void;
    size_t operator()(std::wstring_view key) const noexcept { return std::hash<std::wstring_view>()(key); }
    size_t operator()(const CString& key) const noexcept { return (*this)(key.View()); }
};

template <> struct Equal<CString> {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept { return a == b; }
    bool operator()(const CString& a, std::wstring_view b) const noexcept { return a.View() == b; }
    bool operator()(std::wstring_view a, const CString& b) const noexcept { return a == b.View(); }
    bool operator()(const CString& a, const CString& b) const noexcept { return a.View() == b.View(); }
};

// The form in which an argument key is looked up; a view refers to the
// caller's argument, which outlives the lookup.
template <typename KEY, typename ARG_KEY> auto Probe(const ARG_KEY& key) {
    if constexpr (std::is_same_v<KEY, CString>) {
        static_assert(std::is_convertible_v<ARG_KEY, const wchar_t*>, "a CString key is passed as text");
        const wchar_t* text = key;
        return std::wstring_view(text ? text : L"");
    } else {
        return KEY(key);
    }
}

} // namespace cmap_detail

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject {
public:
    // The block size and the hash-table size are sizing hints of the
    // framework's allocator; they do not change behaviour here.
    explicit CMap(INT_PTR nBlockSize = 10) {
        (void)nBlockSize;
        m_map.max_load_factor(kSmallLoad);
    }
    // Copies keep the entries and their order.
    CMap(const CMap& other) : CObject(other) {
        m_map.max_load_factor(kSmallLoad);
        CopyFrom(other);
    }
    CMap& operator=(const CMap& other) {
        if (this != &other) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    ~CMap() override = default;

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_map.empty(); }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const auto found = m_map.find(cmap_detail::Probe<KEY, ARG_KEY>(key));
        if (found == m_map.end())
            return FALSE;
        rValue = found->second.value;
        return TRUE;
    }

    // The stored value of the key, or null: a lookup without the copy that
    // Lookup makes, for callers that only read the value.
    const VALUE* PLookupValue(ARG_KEY key) const {
        const auto found = m_map.find(cmap_detail::Probe<KEY, ARG_KEY>(key));
        return found == m_map.end() ? nullptr : &found->second.value;
    }

    // The value of the key, inserted default-constructed when missing.
    VALUE& operator[](ARG_KEY key) {
        auto found = m_map.find(cmap_detail::Probe<KEY, ARG_KEY>(key));
        if (found != m_map.end())
            return found->second.value;
        Grow(m_map.size() + 1);
        Node& node = *m_map.emplace(KEY(key), Links{}).first;
        Link(node);
        return node.second.value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        auto found = m_map.find(cmap_detail::Probe<KEY, ARG_KEY>(key));
        if (found == m_map.end())
            return FALSE;
        Unlink(*found);
        m_map.erase(found);
        return TRUE;
    }

    void RemoveAll() {
        m_map.clear();
        m_first = m_last = nullptr;
    }

    POSITION GetStartPosition() const { return ToPosition(m_first); }

    // Returns the entry at rNextPosition and advances it (nullptr after the
    // last one). Removing the returned entry does not disturb the walk.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        const Node* node = reinterpret_cast<const Node*>(rNextPosition);
        if (node == nullptr)
            return;
        rKey = node->first;
        rValue = node->second.value;
        rNextPosition = ToPosition(node->second.next);
    }

    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
        (void)bAllocNow;
        if (m_map.empty()) {
            Grow(hashSize);
            m_map.reserve(hashSize);
        }
    }
    UINT GetHashTableSize() const { return static_cast<UINT>(m_map.bucket_count()); }

private:
    struct Links;
    using Map = std::unordered_map<KEY, Links, cmap_detail::Hash<KEY>, cmap_detail::Equal<KEY>>;
    using Node = typename Map::value_type;
    // Element addresses of an unordered_map survive rehashing, so the
    // insertion-order list can link the map's own nodes.
    struct Links {
        VALUE value{};
        Node* prev = nullptr;
        Node* next = nullptr;
    };

    static POSITION ToPosition(const Node* node) {
        return reinterpret_cast<POSITION>(const_cast<Node*>(node));
    }

    // Most maps hold a few entries (a table has a record or two per root
    // type): up to kSmallLoad of them share the one bucket the map has
    // without allocating any, and are searched in a row. A map that grows
    // past that is hashed as usual from then on.
    static constexpr float kSmallLoad = 12.0f;
    void Grow(size_t count) {
        if (count > static_cast<size_t>(kSmallLoad) && m_map.max_load_factor() > 1.0f)
            m_map.max_load_factor(1.0f);
    }

    void CopyFrom(const CMap& other) {
        Grow(other.m_map.size());
        m_map.reserve(other.m_map.size());
        for (const Node* node = other.m_first; node != nullptr; node = node->second.next) {
            Node& copy = *m_map.emplace(node->first, Links{node->second.value, nullptr, nullptr}).first;
            Link(copy);
        }
    }

    void Link(Node& node) {
        node.second.prev = m_last;
        if (m_last != nullptr)
            m_last->second.next = &node;
        else
            m_first = &node;
        m_last = &node;
    }

    void Unlink(Node& node) {
        if (node.second.prev != nullptr)
            node.second.prev->second.next = node.second.next;
        else
            m_first = node.second.next;
        if (node.second.next != nullptr)
            node.second.next->second.prev = node.second.prev;
        else
            m_last = node.second.prev;
    }

    Map m_map;
    Node* m_first = nullptr;
    Node* m_last = nullptr;
};
