// VrlTableData: the seed rows of a table: column names and a flat, row-major
// list of values (row r, column c is entry r * column count + c). It also
// finds a value by the row's unique identifier and keeps a small cache of
// texts that callers have looked up or computed.
//
// The object points at the caller's two vectors, which must outlive it and
// must not be resized while it is in use.
#pragma once

#include <vector>

#include "../platform/CComVariant.h"
#include "../platform/CMapStringToString.h"
#include "../platform/COleVariant.h"
#include "../platform/CString.h"

namespace VrlSchemaLib {

class VrlTableData {
public:
    VrlTableData(const std::vector<CString>& columnNames, const std::vector<CComVariant>& values);
    // The unique-ID column is matched against the column names exactly.
    VrlTableData(const std::vector<CString>& columnNames, const std::vector<CComVariant>& values,
                 const wchar_t* uniqueIDColumn);
    VrlTableData(const VrlTableData&) = delete;
    VrlTableData& operator=(const VrlTableData&) = delete;
    ~VrlTableData();

    LONG GetColCount() const;
    // 0 without column names.
    LONG GetRowCount() const;
    // Raise 4071 for an index out of range.
    CString GetColName(LONG col) const;
    CComVariant GetValue(LONG row, LONG col) const;
    // The stored value itself (same index check), for readers that copy it
    // only if they must.
    const CComVariant& GetValueRef(LONG row, LONG col) const;
    CString GetUniqueIDColumn() const { return m_strUniqueIDColumn; }

    // The cache is bookkeeping beside the constant rows, so it may be used
    // through a const pointer (tables hand out their data as const).
    void CacheValue(const wchar_t* uniqueValue, const wchar_t* column, COleVariant value) const;
    bool GetCachedValue(const wchar_t* uniqueValue, const wchar_t* column, COleVariant& out) const;
    void ClearCacheValue(const wchar_t* uniqueValue, const wchar_t* column) const;

    // The value of `column` (case-insensitive) in the row whose unique-ID
    // value equals `uniqueValue` (case-insensitive), a cached text first.
    // False when no row matches. Raises 4071 when a row matches but the data
    // has no unique-ID column or no such column.
    bool GetValueFromResource(const CString& uniqueValue, const CString& column, COleVariant& out) const;

private:
    static CString MakeUniqueKey(const wchar_t* uniqueValue, const wchar_t* column);
    LONG FindColumnNoCase(const CString& column) const;

    const std::vector<CComVariant>* m_pValues;
    const std::vector<CString>* m_pColumnNames;
    CString m_strUniqueIDColumn;
    LONG m_lUniqueIDColumnIndex = -1;
    mutable CMapStringToString m_oCache{10};

    friend class VrlTableDataTestAccess;
};

} // namespace VrlSchemaLib
