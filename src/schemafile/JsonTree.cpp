#include "JsonTree.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_set>

#include "JsonScanner.h"

namespace VrlSchemaLib {

namespace {

// Objects with more members than this find a second key through a hash set.
constexpr size_t kLinearKeys = 16;
constexpr size_t kBlockSize = 64 * 1024;

} // namespace

const JsonNode* JsonNode::Search(std::string_view key) const {
    for (const JsonMember& member : *this) {
        if (SameKey(member.key, key))
            return &member.value;
    }
    return nullptr;
}

// The scanner's event handler. Open containers keep their finished elements
// on two shared stacks; a container, once closed, moves its own into one
// block of the tree's memory. Strings the scanner hands over as views into
// the text are kept as they are; decoded ones are copied.
class JsonTree::Reader : public JsonEvents {
public:
    Reader(JsonTree& tree, JsonElementSink* sink, std::string_view text)
        : m_tree(tree), m_sink(sink), m_text(text) {}

    void Null() override { Add(JsonNode()); }
    void Boolean(bool value) override {
        JsonNode node;
        node.m_type = JsonNode::Type::Boolean;
        node.m_bool = value;
        Add(node);
    }
    void Integer(int64_t value) override {
        JsonNode node;
        node.m_type = JsonNode::Type::Integer;
        node.m_integer = value;
        Add(node);
    }
    void Unsigned(uint64_t value) override {
        JsonNode node;
        node.m_type = JsonNode::Type::Unsigned;
        node.m_unsigned = value;
        Add(node);
    }
    void Float(double value) override {
        JsonNode node;
        node.m_type = JsonNode::Type::Float;
        node.m_float = value;
        Add(node);
    }
    void String(std::string_view value) override {
        JsonNode node;
        node.m_type = JsonNode::Type::String;
        node.m_text = Keep(value);
        node.m_count = static_cast<uint32_t>(value.size());
        Add(node);
    }

    void StartObject() override {
        m_frames.push_back({true, false, m_members.size(), 0, {}, nullptr, {}, 0, false});
    }
    void Key(std::string_view value) override {
        Frame& frame = m_frames.back();
        frame.key = std::string_view(Keep(value), value.size());
        const bool second = IsSecondKey(frame);
        frame.repeated |= second;
        if (second && m_tree.m_duplicates.size() < SchemaFileError::kMaxProblems)
            m_tree.m_duplicates.push_back(
                {Path(), "the key \"" + std::string(frame.key) + "\" is given twice in one object"});
        if (m_sink && m_frames.size() == 1)
            m_sink->RootKey(frame.key, second);
    }
    void EndObject() override {
        const Frame& frame = m_frames.back();
        const size_t start = frame.start;
        const bool repeated = frame.repeated;
        // The bits of the keys read, which a key given twice sets once.
        const uint64_t keys = frame.keyBits;
        m_frames.pop_back();
        JsonMember* first = m_members.data() + start;
        JsonMember* last = m_members.data() + m_members.size();
        SortByKey(first, last);
        // Of the members of one key, now side by side in document order,
        // the last is kept.
        JsonMember* out = last;
        if (repeated) {
            out = first;
            for (JsonMember* it = first; it != last; ++it) {
                if (it + 1 == last || !JsonNode::SameKey(it[1].key, it->key))
                    *out++ = *it;
            }
        }
        const size_t count = static_cast<size_t>(out - first);
        JsonNode node;
        node.m_type = JsonNode::Type::Object;
        node.m_keys = keys;
        node.m_count = static_cast<uint32_t>(count);
        node.m_members = Move(first, count);
        m_members.resize(start);
        Add(node);
    }
    void StartArray() override {
        bool stream = false;
        if (m_sink && !m_streamed && m_frames.size() == 1 && m_frames[0].object) {
            const Frame& root = m_frames[0];
            stream = m_streamed =
                m_sink->StreamArray(root.key, m_members.data() + root.start, m_members.size() - root.start);
        }
        m_frames.push_back({false, stream, m_items.size(), 0, {}, nullptr, m_tree.GetMark(), 0, false});
    }
    void EndArray() override {
        const size_t start = m_frames.back().start;
        m_frames.pop_back();
        JsonNode node;
        node.m_type = JsonNode::Type::Array;
        node.m_count = static_cast<uint32_t>(m_items.size() - start);
        node.m_items = Move(m_items.data() + start, m_items.size() - start);
        m_items.resize(start);
        Add(node);
    }

private:
    struct Frame {
        bool object;
        bool stream;                                                // arrays: the elements go to the sink
        size_t start;                                               // first element on the stack
        size_t index;                                               // arrays: elements finished
        std::string_view key;                                       // objects: the key being read
        std::unique_ptr<std::unordered_set<std::string_view>> keys; // large objects
        Mark mark;        // streamed arrays: the memory before the first element
        uint64_t keyBits; // objects: the KeyBit of every key read so far
        bool repeated;    // objects: a key was given twice
    };

    void Add(const JsonNode& node) {
        if (m_frames.empty()) {
            m_tree.m_root = node;
        } else if (m_frames.back().object) {
            m_members.push_back({m_frames.back().key, node});
        } else if (m_frames.back().stream) {
            Frame& frame = m_frames.back();
            m_sink->Element(node, frame.index++);
            m_tree.Release(frame.mark);
        } else {
            m_items.push_back(node);
            ++m_frames.back().index;
        }
    }

    const char* Keep(std::string_view text) {
        if (text.empty())
            return "";
        const std::less_equal<const char*> within;
        if (within(m_text.data(), text.data()) &&
            within(text.data() + text.size(), m_text.data() + m_text.size()))
            return text.data();
        char* out = static_cast<char*>(m_tree.Allocate(text.size(), 1));
        std::memcpy(out, text.data(), text.size());
        return out;
    }

    template <class T> const T* Move(const T* first, size_t count) {
        if (count == 0)
            return nullptr;
        T* out = static_cast<T*>(m_tree.Allocate(count * sizeof(T), alignof(T)));
        std::copy(first, first + count, out);
        return out;
    }

    bool IsSecondKey(Frame& frame) {
        // A key whose bit no earlier key set is new; the set of a large
        // object, once made, still takes it.
        const uint64_t bit = JsonNode::KeyBit(frame.key);
        const bool maybe = (frame.keyBits & bit) != 0;
        frame.keyBits |= bit;
        if (!maybe && !frame.keys)
            return false;
        const JsonMember* first = m_members.data() + frame.start;
        const size_t count = m_members.size() - frame.start;
        if (count < kLinearKeys)
            return std::any_of(first, first + count,
                               [&](const JsonMember& m) { return JsonNode::SameKey(m.key, frame.key); });
        if (!frame.keys) {
            frame.keys = std::make_unique<std::unordered_set<std::string_view>>();
            for (size_t i = 0; i < count; ++i)
                frame.keys->insert(first[i].key);
        }
        return !frame.keys->insert(frame.key).second;
    }

    static void SortByKey(JsonMember* first, JsonMember* last) {
        // Bytewise, as the keys' own order is; most keys differ in their
        // first byte, which is compared in place.
        const auto less = [](const JsonMember& a, const JsonMember& b) {
            if (!a.key.empty() && !b.key.empty() && a.key[0] != b.key[0])
                return static_cast<unsigned char>(a.key[0]) < static_cast<unsigned char>(b.key[0]);
            return a.key < b.key;
        };
        if (last - first > static_cast<std::ptrdiff_t>(kLinearKeys)) {
            std::stable_sort(first, last, less);
            return;
        }
        for (JsonMember* it = first + (first != last); it < last; ++it) {
            const JsonMember moving = *it;
            JsonMember* hole = it;
            for (; hole != first && less(moving, hole[-1]); --hole)
                *hole = hole[-1];
            *hole = moving;
        }
    }

    std::string Path() const {
        std::string path;
        for (const Frame& frame : m_frames) {
            path += '/';
            if (frame.object)
                path += frame.key;
            else
                path += std::to_string(frame.index);
        }
        return path;
    }

    JsonTree& m_tree;
    JsonElementSink* m_sink;
    std::string_view m_text;
    bool m_streamed = false;
    std::vector<Frame> m_frames;
    std::vector<JsonMember> m_members;
    std::vector<JsonNode> m_items;
};

namespace {

// Reads a text the scanner refused with the document parser, for its
// reason; builds nothing.
struct SilentReader {
    using json = nlohmann::json;
    bool null() { return true; }
    bool boolean(bool) { return true; }
    bool number_integer(json::number_integer_t) { return true; }
    bool number_unsigned(json::number_unsigned_t) { return true; }
    bool number_float(json::number_float_t, const std::string&) { return true; }
    bool string(std::string&) { return true; }
    bool binary(json::binary_t&) { return true; }
    bool start_object(size_t) { return true; }
    bool key(std::string&) { return true; }
    bool end_object() { return true; }
    bool start_array(size_t) { return true; }
    bool end_array() { return true; }
    template <class Exception> bool parse_error(size_t, const std::string&, const Exception& error) {
        throw error;
    }
};

} // namespace

JsonTree::JsonTree(std::string_view text, JsonElementSink* sink, std::function<void(size_t)> progress) {
    Reader reader(*this, sink, text);
    JsonScanner scanner(text);
    scanner.OnProgress(std::move(progress));
    if (scanner.Scan(reader))
        return;
    // The scanner refuses what the parser refuses, and the parser's message
    // says why; the second line only answers a text the two disagree on.
    SilentReader silent;
    nlohmann::json::sax_parse(text.begin(), text.end(), &silent);
    throw nlohmann::json::parse_error::create(101, scanner.ErrorOffset() + 1, "syntax error", nullptr);
}

JsonTree::~JsonTree() = default;

// Blocks start at the allocator's alignment, which is at least any `align`
// asked for here.
void* JsonTree::Allocate(size_t bytes, size_t align) {
    for (;;) {
        if (m_current < m_blocks.size()) {
            const size_t at = (m_used + align - 1) / align * align;
            if (at + bytes <= m_blocks[m_current].size) {
                m_used = at + bytes;
                return m_blocks[m_current].data.get() + at;
            }
            ++m_current;
            m_used = 0;
            continue;
        }
        const size_t size = std::max(kBlockSize, bytes);
        m_blocks.push_back({std::unique_ptr<char[]>(new char[size]), size});
    }
}

} // namespace VrlSchemaLib
