#include "CSchemaObjectCollection.h"

#include <cstdint>
#include <utility>

namespace VrlSchemaLib {

namespace {

// Names are mostly ASCII: those letters are folded here, the others by the
// platform's full mapping.
inline wchar_t Folded(wchar_t ch) {
    if (static_cast<uint32_t>(ch) < 0x80)
        return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 32) : ch;
    return CharToLower(ch);
}

} // namespace

size_t CSchemaObjectCollection::FoldedHash::operator()(std::wstring_view name) const noexcept {
    // FNV-1a over the folded characters, so that names differing only in
    // case hash alike without building a folded copy.
    size_t hash = 1469598103934665603ull;
    for (wchar_t ch : name) {
        hash ^= static_cast<size_t>(static_cast<uint32_t>(Folded(ch)));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool CSchemaObjectCollection::FoldedEqual::operator()(std::wstring_view a,
                                                      std::wstring_view b) const noexcept {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && Folded(a[i]) != Folded(b[i]))
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

    const std::wstring_view name = object->GetNameRef().View();
    const size_t position = PositionOf(name);
    if (position == kNone) {
        // Also a dropped marker that meets nothing: it stays, so that an
        // older object of its name added later is still kept out.
        m_vObjects.push_back(object);
        if (!m_oIndex.empty()) {
            m_oIndex.try_emplace(name, m_vObjects.size() - 1);
        } else if (m_vObjects.size() == kIndexFrom) {
            m_oIndex.reserve(2 * kIndexFrom);
            for (size_t i = 0; i < m_vObjects.size(); ++i)
                m_oIndex.try_emplace(m_vObjects[i]->GetNameRef().View(), i);
        }
        return true;
    }
    if (!(version >= m_vObjects[position]->GetVersion()))
        return false;
    if (object->IsDropped()) {
        RemoveAt(position);
    } else {
        if (!m_oIndex.empty())
            m_oIndex.Replace(name, name, position);
        m_vObjects[position] = object;
    }
    return true;
}

size_t CSchemaObjectCollection::PositionOf(std::wstring_view name) const {
    if (!m_oIndex.empty()) {
        const size_t* found = m_oIndex.find(name);
        return found == nullptr ? kNone : *found;
    }
    const FoldedEqual equal;
    for (size_t i = 0; i < m_vObjects.size(); ++i) {
        if (equal(m_vObjects[i]->GetNameRef().View(), name))
            return i;
    }
    return kNone;
}

void CSchemaObjectCollection::RemoveAt(size_t position) {
    if (!m_oIndex.empty())
        m_oIndex.erase(m_vObjects[position]->GetNameRef().View());
    m_vObjects.erase(m_vObjects.begin() + static_cast<std::ptrdiff_t>(position));
    // Drops are rare (one per removed object), so renumbering the entries
    // behind the gap keeps Add free of any search through the vector.
    m_oIndex.ForEach([position](std::wstring_view, size_t& at) {
        if (at > position)
            --at;
    });
}

VrlSchemaObject* CSchemaObjectCollection::GetAt(LONG index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_vObjects.size())
        return nullptr;
    return m_vObjects[static_cast<size_t>(index)];
}

VrlSchemaObject* CSchemaObjectCollection::Find(const wchar_t* name) const {
    if (name == nullptr)
        return nullptr;
    const size_t position = PositionOf(name);
    return position == kNone ? nullptr : m_vObjects[position];
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
