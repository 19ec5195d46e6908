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

    // The index folds while it hashes and compares, so the stored name is
    // searched as it is; only a new key is lowered, once.
    const auto found = m_oIndex.find(object->GetNameRef().View());
    if (found == m_oIndex.end()) {
        // Also a dropped marker that meets nothing: it stays, so that an
        // older object of its name added later is still kept out.
        CString lower = object->GetLowerName();
        m_oIndex.emplace(std::move(lower.Str()), Entry{object, m_vObjects.size()});
        m_vObjects.push_back(object);
        return true;
    }
    if (version >= found->second.object->GetVersion()) {
        if (object->IsDropped()) {
            RemoveAt(found->second.position);
        } else {
            found->second.object = object;
            m_vObjects[found->second.position] = object;
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
    for (auto& entry : m_oIndex) {
        if (entry.second.position > position)
            --entry.second.position;
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
    return found == m_oIndex.end() ? nullptr : found->second.object;
}

void CSchemaObjectCollection::RemoveAll() {
    m_vObjects.clear();
    m_oIndex.clear();
}

bool CSchemaObjectCollection::operator==(const CSchemaObjectCollection& other) const {
    if (m_vObjects != other.m_vObjects || m_oIndex.size() != other.m_oIndex.size())
        return false;
    for (const auto& entry : m_oIndex) {
        const auto found = other.m_oIndex.find(std::wstring_view(entry.first));
        // The keys are folded names, so compare them exactly as well.
        if (found == other.m_oIndex.end() || found->first != entry.first ||
            found->second.object != entry.second.object)
            return false;
    }
    return true;
}

} // namespace VrlSchemaLib
