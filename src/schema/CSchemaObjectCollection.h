// CSchemaObjectCollection: the objects of one kind in a table or a schema, in
// insertion order, found by name without regard to case, and merged by
// version as they are added:
//   - an object newer than the container's version is ignored;
//   - of two objects with the same name, the later or equal version takes the
//     place of the other (in the order and in the index);
//   - a dropped marker of a later or equal version removes the object; a
//     dropped marker that meets nothing is kept like any other object.
// So callers list the versions of an object oldest first and the container
// keeps the newest one that is not newer than itself.
//
// The collection never creates, copies or deletes the objects it holds;
// copying a collection copies the pointers.
//
// A small collection (most tables have a dozen fields) is searched in order;
// from kIndexFrom objects on, an index is kept. The index holds the objects
// under views of their own names, hashed and compared on case-folded
// characters: a lookup folds on the fly without allocating, and no name is
// copied into the index. (Names of objects in a collection do not
// change.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "../platform/CString.h"
#include "FlatNameMap.h"
#include "VrlSchemaObject.h"
#include "VrlSchemaVersion.h"

namespace VrlSchemaLib {

class CSchemaObjectCollection {
public:
    CSchemaObjectCollection() = default;
    CSchemaObjectCollection(const CSchemaObjectCollection& other) = default;
    CSchemaObjectCollection& operator=(const CSchemaObjectCollection& other) = default;
    virtual ~CSchemaObjectCollection();

    // Adds `object` under the rules above, for a container of `containerVersion`.
    // Returns true when the collection changed. A null object is ignored.
    bool Add(VrlSchemaObject* object, VrlSchemaVersion containerVersion);

    // Room for `count` more objects, for a caller about to add a list.
    void Reserve(size_t count) { m_vObjects.reserve(m_vObjects.size() + count); }

    LONG GetCount() const { return static_cast<LONG>(m_vObjects.size()); }
    // Object at `index`, or null outside 0 to count-1 (callers raise their own error).
    VrlSchemaObject* GetAt(LONG index) const;
    // Object of that name (case-insensitive), or null. A null name finds nothing.
    VrlSchemaObject* Find(const wchar_t* name) const;
    bool Contains(const wchar_t* name) const { return Find(name) != nullptr; }
    const std::vector<VrlSchemaObject*>& GetObjects() const { return m_vObjects; }

    void RemoveAll();

    // Same pointers in the same order under the same names.
    bool operator==(const CSchemaObjectCollection& other) const;

    // Hash and equality of names without regard to case, for any map keyed
    // by names as the model compares them.
    struct FoldedHash {
        using is_transparent = void;
        size_t operator()(std::wstring_view name) const noexcept;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::wstring_view a, std::wstring_view b) const noexcept;
    };

private:
    static constexpr size_t kIndexFrom = 16;
    static constexpr size_t kNone = static_cast<size_t>(-1);

    // The place of the object of that name in m_vObjects, or kNone.
    size_t PositionOf(std::wstring_view name) const;
    void RemoveAt(size_t position);

    std::vector<VrlSchemaObject*> m_vObjects;
    // The place of each object in m_vObjects, under a view of the object's
    // own name; a newer object of the same folded name takes over the
    // entry with its own name.
    FlatNameMap<size_t, FoldedHash, FoldedEqual> m_oIndex;
};

} // namespace VrlSchemaLib
