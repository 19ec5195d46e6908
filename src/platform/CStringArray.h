// CStringArray: the framework's growable array of strings. Index errors on
// GetAt, SetAt, ElementAt and operator[] raise CInvalidArgException (thrown
// as a pointer), as the framework does.
#pragma once

#include <vector>

#include "CMap.h"
#include "CObject.h"
#include "CString.h"

class CStringArray : public CObject {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() = default;
    CStringArray(const CStringArray& other) = default;
    CStringArray& operator=(const CStringArray& other) = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    // Grows with empty strings or cuts the tail; a negative size is an error.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1);

    const CString& GetAt(INT_PTR index) const;
    CString& ElementAt(INT_PTR index);
    void SetAt(INT_PTR index, const wchar_t* newElement);
    const CString& operator[](INT_PTR index) const { return GetAt(index); }
    CString& operator[](INT_PTR index) { return ElementAt(index); }
    const CString* GetData() const { return m_items.data(); }
    CString* GetData() { return m_items.data(); }

    // Each returns the index of the new element.
    INT_PTR Add(const wchar_t* newElement);
    INT_PTR Add(const CString& newElement);

    // Sets the element, growing the array with empty strings if needed.
    void SetAtGrow(INT_PTR index, const wchar_t* newElement);
    // Inserts count copies before index; an index past the end grows the array.
    void InsertAt(INT_PTR index, const wchar_t* newElement, INT_PTR count = 1);
    // Removes count elements from index; a range outside the array is an error.
    void RemoveAt(INT_PTR index, INT_PTR count = 1);
    void RemoveAll() { m_items.clear(); }

    // Appends the other array's elements; returns the index of the first.
    INT_PTR Append(const CStringArray& src);
    void Copy(const CStringArray& src);

private:
    void CheckIndex(INT_PTR index) const;

    std::vector<CString> m_items;
};
