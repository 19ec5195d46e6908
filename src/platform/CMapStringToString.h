// CMapStringToString: the framework's map from string to string (exact,
// case-sensitive keys), iterated in insertion order like CMap.
#pragma once

#include "CMap.h"
#include "CObject.h"
#include "CString.h"

class CMapStringToString : public CObject {
    DECLARE_DYNAMIC(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : m_map(nBlockSize) {}

    INT_PTR GetCount() const { return m_map.GetCount(); }
    INT_PTR GetSize() const { return m_map.GetCount(); }
    BOOL IsEmpty() const { return m_map.IsEmpty(); }

    BOOL Lookup(const wchar_t* key, CString& rValue) const { return m_map.Lookup(key, rValue); }
    CString& operator[](const wchar_t* key) { return m_map[key]; }
    void SetAt(const wchar_t* key, const wchar_t* newValue) { m_map[key] = newValue; }
    BOOL RemoveKey(const wchar_t* key) { return m_map.RemoveKey(key); }
    void RemoveAll() { m_map.RemoveAll(); }

    POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
    void GetNextAssoc(POSITION& rNextPosition, CString& rKey, CString& rValue) const {
        m_map.GetNextAssoc(rNextPosition, rKey, rValue);
    }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) { m_map.InitHashTable(hashSize, bAllocNow); }
    UINT GetHashTableSize() const { return m_map.GetHashTableSize(); }

private:
    CMap<CString, const wchar_t*, CString, const wchar_t*> m_map;
};
