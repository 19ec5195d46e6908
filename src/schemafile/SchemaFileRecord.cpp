#include "SchemaFileRecord.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace VrlSchemaLib {

const std::string& SchemaFileRecord::GetPath(const void* object) const {
    static const std::string none;
    if (const auto it = m_paths.find(object); it != m_paths.end())
        return it->second;
    if (const auto it = m_built.find(object); it != m_built.end())
        return it->second;
    const auto before = [](const Entry& a, const Entry& b) {
        return std::less<const void*>()(a.object, b.object);
    };
    if (!m_sorted) {
        std::stable_sort(m_entries.begin(), m_entries.end(), before);
        m_sorted = true;
    }
    // Of two entries of one object, the later one counts, as for SetPath.
    const auto it = std::upper_bound(m_entries.begin(), m_entries.end(), Entry{object, 0, 0}, before);
    if (it == m_entries.begin() || std::prev(it)->object != object)
        return none;
    const Entry& entry = *std::prev(it);
    const size_t from = entry.list == 0 ? 0 : m_listEnds[entry.list - 1];
    std::string path = m_listText.substr(from, m_listEnds[entry.list] - from);
    if (entry.index != kWhole)
        path += "/" + std::to_string(entry.index);
    return m_built.emplace(object, std::move(path)).first->second;
}

} // namespace VrlSchemaLib
