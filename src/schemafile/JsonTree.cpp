#include "JsonTree.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace VrlSchemaLib {

namespace {

// Objects with more members than this find a second key through a hash set.
constexpr size_t kLinearKeys = 16;
constexpr size_t kBlockSize = 64 * 1024;

} // namespace

const JsonNode* JsonNode::Find(std::string_view key) const {
    // Keys are short and mostly differ in their first letter: that is
    // compared before the rest is.
    for (const JsonMember& member : *this) {
        if (member.key.size() == key.size() &&
            (key.empty() ||
             (member.key[0] == key[0] && std::memcmp(member.key.data(), key.data(), key.size()) == 0)))
            return &member.value;
    }
    return nullptr;
}

// The parser's event handler. Open containers keep their finished elements
// on two shared stacks; a container, once closed, moves its own into one
// block of the tree's memory.
class JsonTree::Reader {
public:
    using json = nlohmann::json;

    Reader(JsonTree& tree, JsonElementSink* sink) : m_tree(tree), m_sink(sink) {}

    bool null() { return Add(JsonNode()); }
    bool boolean(bool value) {
        JsonNode node;
        node.m_type = JsonNode::Type::Boolean;
        node.m_bool = value;
        return Add(node);
    }
    bool number_integer(json::number_integer_t value) {
        JsonNode node;
        node.m_type = JsonNode::Type::Integer;
        node.m_integer = value;
        return Add(node);
    }
    bool number_unsigned(json::number_unsigned_t value) {
        JsonNode node;
        node.m_type = JsonNode::Type::Unsigned;
        node.m_unsigned = value;
        return Add(node);
    }
    bool number_float(json::number_float_t value, const std::string&) {
        JsonNode node;
        node.m_type = JsonNode::Type::Float;
        node.m_float = value;
        return Add(node);
    }
    bool string(std::string& value) {
        JsonNode node;
        node.m_type = JsonNode::Type::String;
        node.m_text = Copy(value);
        node.m_count = static_cast<uint32_t>(value.size());
        return Add(node);
    }
    // The JSON text reader gives no binary values.
    bool binary(json::binary_t&) { return Add(JsonNode()); }

    bool start_object(size_t) {
        m_frames.push_back({true, false, m_members.size(), 0, {}, nullptr, {}});
        return true;
    }
    bool key(std::string& value) {
        Frame& frame = m_frames.back();
        frame.key = std::string_view(Copy(value), value.size());
        const bool second = IsSecondKey(frame);
        if (second && m_tree.m_duplicates.size() < SchemaFileError::kMaxProblems)
            m_tree.m_duplicates.push_back(
                {Path(), "the key \"" + std::string(frame.key) + "\" is given twice in one object"});
        if (m_sink && m_frames.size() == 1)
            m_sink->RootKey(frame.key, second);
        return true;
    }
    bool end_object() {
        const size_t start = m_frames.back().start;
        m_frames.pop_back();
        JsonMember* first = m_members.data() + start;
        JsonMember* last = m_members.data() + m_members.size();
        SortByKey(first, last);
        // Of the members of one key, now side by side in document order,
        // the last is kept.
        JsonMember* out = first;
        for (JsonMember* it = first; it != last; ++it) {
            if (it + 1 != last && it[1].key == it->key)
                continue;
            *out++ = *it;
        }
        const size_t count = static_cast<size_t>(out - first);
        JsonNode node;
        node.m_type = JsonNode::Type::Object;
        node.m_count = static_cast<uint32_t>(count);
        node.m_members = Move(first, count);
        m_members.resize(start);
        return Add(node);
    }
    bool start_array(size_t) {
        bool stream = false;
        if (m_sink && !m_streamed && m_frames.size() == 1 && m_frames[0].object) {
            const Frame& root = m_frames[0];
            stream = m_streamed =
                m_sink->StreamArray(root.key, m_members.data() + root.start, m_members.size() - root.start);
        }
        m_frames.push_back({false, stream, m_items.size(), 0, {}, nullptr, m_tree.GetMark()});
        return true;
    }
    bool end_array() {
        const size_t start = m_frames.back().start;
        m_frames.pop_back();
        JsonNode node;
        node.m_type = JsonNode::Type::Array;
        node.m_count = static_cast<uint32_t>(m_items.size() - start);
        node.m_items = Move(m_items.data() + start, m_items.size() - start);
        m_items.resize(start);
        return Add(node);
    }

    // As the parser's own document builder: the error as it was raised.
    template <class Exception> bool parse_error(size_t, const std::string&, const Exception& error) {
        throw error;
    }

private:
    struct Frame {
        bool object;
        bool stream;                                                // arrays: the elements go to the sink
        size_t start;                                               // first element on the stack
        size_t index;                                               // arrays: elements finished
        std::string_view key;                                       // objects: the key being read
        std::unique_ptr<std::unordered_set<std::string_view>> keys; // large objects
        Mark mark; // streamed arrays: the memory before the first element
    };

    bool Add(const JsonNode& node) {
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
        return true;
    }

    const char* Copy(const std::string& text) {
        if (text.empty())
            return "";
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
        const JsonMember* first = m_members.data() + frame.start;
        const size_t count = m_members.size() - frame.start;
        if (count < kLinearKeys)
            return std::any_of(first, first + count, [&](const JsonMember& m) { return m.key == frame.key; });
        if (!frame.keys) {
            frame.keys = std::make_unique<std::unordered_set<std::string_view>>();
            for (size_t i = 0; i < count; ++i)
                frame.keys->insert(first[i].key);
        }
        return !frame.keys->insert(frame.key).second;
    }

    static void SortByKey(JsonMember* first, JsonMember* last) {
        const auto less = [](const JsonMember& a, const JsonMember& b) { return a.key < b.key; };
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
    bool m_streamed = false;
    std::vector<Frame> m_frames;
    std::vector<JsonMember> m_members;
    std::vector<JsonNode> m_items;
};

JsonTree::JsonTree(std::string_view text, JsonElementSink* sink) {
    Reader reader(*this, sink);
    nlohmann::json::sax_parse(text.begin(), text.end(), &reader);
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
