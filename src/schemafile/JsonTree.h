// JsonTree: a JSON document read once by the scanner into compact nodes
// that live in a few large blocks, so that reading a schema file costs no
// allocation per value and freeing it a handful of frees. Strings without
// escapes are views into the text, which must outlive the tree. An object's members are sorted by key
// (bytewise) and a key given twice keeps its last value, as the parser's own document does; every key given
// twice is noted with its JSON path. A refused text raises the JSON library's parse exception, with that
// library's message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "SchemaFileError.h"

namespace VrlSchemaLib {

struct JsonMember;

class JsonNode {
public:
    enum class Type : uint8_t { Null, Boolean, Integer, Unsigned, Float, String, Array, Object };

    Type type() const { return m_type; }
    bool is_object() const { return m_type == Type::Object; }
    bool is_array() const { return m_type == Type::Array; }
    bool is_string() const { return m_type == Type::String; }
    bool is_boolean() const { return m_type == Type::Boolean; }
    // Either sign, as the parser sees it.
    bool is_number_integer() const { return m_type == Type::Integer || m_type == Type::Unsigned; }
    bool is_number_unsigned() const { return m_type == Type::Unsigned; }

    bool Bool() const { return m_bool; }
    // An integer of either sign as a signed value (unsigned ones past the
    // signed range wrap, as a cast does).
    long long Int() const {
        return m_type == Type::Unsigned ? static_cast<long long>(m_unsigned) : m_integer;
    }
    unsigned long long UInt() const {
        return m_type == Type::Unsigned ? m_unsigned : static_cast<unsigned long long>(m_integer);
    }
    double Float() const { return m_float; }
    std::string_view Str() const { return {m_text, m_count}; }
    std::string String() const { return std::string(Str()); }

    // Arrays: the elements; objects: the members.
    size_t size() const { return m_count; }
    const JsonNode& operator[](size_t index) const { return m_items[index]; }
    const JsonMember* begin() const { return m_type == Type::Object ? m_members : nullptr; }
    const JsonMember* end() const;
    // The member `key` of an object, or null. Most keys asked for are
    // absent: a bit per key, set for every member, turns most of those away
    // before the members are searched.
    [[gnu::always_inline]] const JsonNode* Find(std::string_view key) const {
        return (m_keys & KeyBit(key)) ? Search(key) : nullptr;
    }
    // Whether two keys are the same. Keys are short and mostly differ in
    // their length or first letter: those are compared first, and the rest
    // in place (a call to memcmp costs more than the few letters): a key of
    // 4 to 16 letters as two words that overlap, read within the key.
    [[gnu::always_inline]] static bool SameKey(std::string_view a, std::string_view b) {
        const size_t size = a.size();
        if (size != b.size())
            return false;
        if (size == 0)
            return true;
        if (a[0] != b[0])
            return false;
        if (size >= 4 && size <= 8)
            return Word<uint32_t>(a, 0) == Word<uint32_t>(b, 0) &&
                   Word<uint32_t>(a, size - 4) == Word<uint32_t>(b, size - 4);
        if (size > 8 && size <= 16)
            return Word<uint64_t>(a, 0) == Word<uint64_t>(b, 0) &&
                   Word<uint64_t>(a, size - 8) == Word<uint64_t>(b, size - 8);
        size_t i = 1;
        while (i < size && a[i] == b[i])
            ++i;
        return i == size;
    }
    // One of 64 bits for `key`, from its length and its first, middle and
    // last letters, which tell apart the keys of one kind of object.
    [[gnu::always_inline]] static uint64_t KeyBit(std::string_view key) {
        if (key.empty())
            return 1;
        const unsigned mix = static_cast<unsigned>(key.size()) * 7u +
                             static_cast<unsigned char>(key.front()) +
                             static_cast<unsigned char>(key.back()) * 3u +
                             static_cast<unsigned char>(key[key.size() / 2]) * 5u;
        return uint64_t(1) << (mix & 63u);
    }

private:
    friend class JsonTree;
    const JsonNode* Search(std::string_view key) const;
    // The `Unit`-sized word of `key` at `at`, which the key must hold.
    template <class Unit> [[gnu::always_inline]] static Unit Word(std::string_view key, size_t at) {
        Unit word;
        std::memcpy(&word, key.data() + at, sizeof word);
        return word;
    }

    Type m_type = Type::Null;
    uint32_t m_count = 0;
    uint64_t m_keys = 0; // objects: the KeyBit of every member
    union {
        bool m_bool;
        int64_t m_integer;
        uint64_t m_unsigned;
        double m_float;
        const char* m_text;
        const JsonNode* m_items;
        const JsonMember* m_members;
    };
};

struct JsonMember {
    std::string_view key;
    JsonNode value;
};

inline const JsonMember* JsonNode::end() const {
    return m_type == Type::Object ? m_members + m_count : nullptr;
}

// Takes the elements of one array of the document's root object as each one
// closes, so that the tree never holds them all.
class JsonElementSink {
public:
    virtual ~JsonElementSink() = default;
    // Asked when the array under `key` of the root object opens; `before`
    // are the root's members read so far, in document order. True sends its
    // elements to Element, and the array stays empty in the tree.
    virtual bool StreamArray(std::string_view key, const JsonMember* before, size_t count) = 0;
    // The element is only valid during the call.
    virtual void Element(const JsonNode& element, size_t index) = 0;
    // Every key of the root object as it is read; `second` when the object
    // had it already.
    virtual void RootKey(std::string_view key, bool second) = 0;
};

class JsonTree {
public:
    // Raises the parser's exception for a text it refuses. With a sink, one
    // array of the root object may go to it element by element. `progress`,
    // when given, is told now and then how much of the text has been read
    // (JsonScanner::OnProgress).
    explicit JsonTree(std::string_view text, JsonElementSink* sink = nullptr,
                      std::function<void(size_t)> progress = {});
    JsonTree(const JsonTree&) = delete;
    JsonTree& operator=(const JsonTree&) = delete;
    ~JsonTree();

    const JsonNode& Root() const { return m_root; }
    // Every key given twice in one object, in document order (at most
    // SchemaFileError::kMaxProblems of them).
    const std::vector<SchemaFileError::Problem>& DuplicateKeys() const { return m_duplicates; }

private:
    class Reader;
    struct Block {
        std::unique_ptr<char[]> data;
        size_t size;
    };
    // A point of the tree's memory that Release goes back to, so that the
    // blocks after it are used again.
    struct Mark {
        size_t block;
        size_t used;
    };
    void* Allocate(size_t bytes, size_t align);
    Mark GetMark() const { return {m_current, m_used}; }
    void Release(Mark mark) {
        m_current = mark.block;
        m_used = mark.used;
    }

    JsonNode m_root;
    std::vector<Block> m_blocks;
    size_t m_current = 0; // block allocated from
    size_t m_used = 0;    // bytes of it in use
    std::vector<SchemaFileError::Problem> m_duplicates;
};

} // namespace VrlSchemaLib
