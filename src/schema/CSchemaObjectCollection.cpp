#include "CSchemaObjectCollection.h"

#include <utility>

namespace VrlSchemaLib {

size_t CSchemaObjectCollection::FoldedHash::operator()(std::wstring_view name) const noexcept {
    // FNV-1a over the folded characters, so that names differing only in
    // case hash alike without building a folded copy.
    size_t hash = 1469598103934665603ull;
    for (wchar_t ch : name) {
        hash ^= static_cast<size_t>(static_cast<uint32_t>(CharToLower(ch)));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool CSchemaObjectCollection::FoldedEqual::operator()(std::wstring_view a,
                                                      std::wstring_view b) const noexcept {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && CharToLower(a[i]) != CharToLower(b[i]))
            return false;
    }
    return true;
}

CSchemaObjectCollection::~CSchemaObjectCollection() = default;

bool CSchemaObjectCollection::Add(VrlSchemaObject* object, VrlSchemaVersion containerVersion) {
    if (object == nullptr)
        return false;
    const VrlSchemaVersion version = object->GetVersion();
    if (version > containerVersion)
        return false;

    const auto found = m_oIndex.find(object->GetNameRef().View());
    if (found == m_oIndex.end()) {
        // Also a dropped marker that meets nothing: it stays, so that an
        // older object of its name added later is still kept out.
        m_oIndex.insert(Entry{object, m_vObjects.size()});
        m_vObjects.push_back(object);
        return true;
    }
    if (version >= found->object->GetVersion()) {
        if (object->IsDropped()) {
            RemoveAt(found->position);
        } else {
            found->object = object;
            m_vObjects[found->position] = object;
        }
        return true;
    }
    return false;
}

void CSchemaObjectCollection::RemoveAt(size_t position) {
    m_oIndex.erase(m_oIndex.find(m_vObjects[position]->GetNameRef().View()));
    m_vObjects.erase(m_vObjects.begin() + static_cast<std::ptrdiff_t>(position));
    // Drops are rare (one per removed object), so renumbering the entries
    // behind the gap keeps Add free of any search through the vector.
    for (const Entry& entry : m_oIndex) {
        if (entry.position > position)
            --entry.position;
    }
}

VrlSchemaObject* CSchemaObjectCollection::GetAt(LONG index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_vObjects.size())
        return nullptr;
    return m_vObjects[static_cast<size_t>(index)];
}

VrlSchemaObject* CSchemaObjectCollection::Find(const wchar_t* name) const {
    if (name == nullptr)
        return nullptr;
    const auto found = m_oIndex.find(std::wstring_view(name));
    return found == m_oIndex.end() ? nullptr : found->object;
}

void CSchemaObjectCollection::RemoveAll() {
    m_vObjects.clear();
    m_oIndex.clear();
}

bool CSchemaObjectCollection::operator==(const CSchemaObjectCollection& other) const {
    // Every object of the list has its one entry in the index, so the same
    // objects in the same order make the same index.
    return m_vObjects == other.m_vObjects;
}

} // namespace VrlSchemaLib
