// JsonPath: the JSON path of a value being read ("/tables/3/fields/0"), as a
// chain of steps on the reader's stack. The text is only put together when
// it is asked for, for an error or for the record of what was built.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace VrlSchemaLib {

class JsonPath {
public:
    // The document itself: the empty path.
    JsonPath() = default;
    // `key` must outlive the step (keys of the document, literals).
    JsonPath(const JsonPath& parent, std::string_view key) : m_parent(&parent), m_key(key) {}
    JsonPath(const JsonPath& parent, size_t index) : m_parent(&parent), m_index(index), m_isIndex(true) {}

    bool IsRoot() const { return m_parent == nullptr; }
    std::string Str() const {
        std::string out;
        AppendTo(out);
        return out;
    }
    void AppendTo(std::string& out) const;

private:
    const JsonPath* m_parent = nullptr;
    std::string_view m_key;
    size_t m_index = 0;
    bool m_isIndex = false;
};

} // namespace VrlSchemaLib
