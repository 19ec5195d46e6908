// CStringArray operations with the framework's index checks.
#include "CStringArray.h"

#include "CException.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)

void CStringArray::CheckIndex(INT_PTR index) const {
    if (index < 0 || index >= GetSize())
        AfxThrowInvalidArgException();
}

void CStringArray::SetSize(INT_PTR newSize, INT_PTR growBy) {
    (void)growBy;
    if (newSize < 0)
        AfxThrowInvalidArgException();
    m_items.resize(static_cast<size_t>(newSize));
}

const CString& CStringArray::GetAt(INT_PTR index) const {
    CheckIndex(index);
    return m_items[static_cast<size_t>(index)];
}

CString& CStringArray::ElementAt(INT_PTR index) {
    CheckIndex(index);
    return m_items[static_cast<size_t>(index)];
}

void CStringArray::SetAt(INT_PTR index, const wchar_t* newElement) {
    CheckIndex(index);
    m_items[static_cast<size_t>(index)] = newElement;
}

INT_PTR CStringArray::Add(const wchar_t* newElement) {
    m_items.emplace_back(newElement);
    return GetSize() - 1;
}

INT_PTR CStringArray::Add(const CString& newElement) {
    m_items.push_back(newElement);
    return GetSize() - 1;
}

void CStringArray::SetAtGrow(INT_PTR index, const wchar_t* newElement) {
    if (index < 0)
        AfxThrowInvalidArgException();
    const CString value(newElement); // may point into an element that moves
    if (index >= GetSize())
        m_items.resize(static_cast<size_t>(index) + 1);
    m_items[static_cast<size_t>(index)] = value;
}

void CStringArray::InsertAt(INT_PTR index, const wchar_t* newElement, INT_PTR count) {
    if (index < 0 || count < 0)
        AfxThrowInvalidArgException();
    if (count == 0)
        return;
    const CString value(newElement);
    if (index >= GetSize()) {
        m_items.resize(static_cast<size_t>(index));
        m_items.insert(m_items.end(), static_cast<size_t>(count), value);
        return;
    }
    m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
}

void CStringArray::RemoveAt(INT_PTR index, INT_PTR count) {
    if (index < 0 || count < 0 || index > GetSize() - count)
        AfxThrowInvalidArgException();
    m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
}

INT_PTR CStringArray::Append(const CStringArray& src) {
    const INT_PTR first = GetSize();
    if (&src == this) {
        const std::vector<CString> copy(m_items);
        m_items.insert(m_items.end(), copy.begin(), copy.end());
    } else {
        m_items.insert(m_items.end(), src.m_items.begin(), src.m_items.end());
    }
    return first;
}

void CStringArray::Copy(const CStringArray& src) {
    if (&src != this)
        m_items = src.m_items;
}
