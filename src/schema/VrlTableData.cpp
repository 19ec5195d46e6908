#include "VrlTableData.h"

#include "../support/DuxException.h"

namespace VrlSchemaLib {

VrlTableData::VrlTableData(const std::vector<CString>& columnNames, const std::vector<CComVariant>& values)
    : m_pValues(&values), m_pColumnNames(&columnNames) {}

VrlTableData::VrlTableData(const std::vector<CString>& columnNames, const std::vector<CComVariant>& values,
                           const wchar_t* uniqueIDColumn)
    : m_pValues(&values), m_pColumnNames(&columnNames), m_strUniqueIDColumn(uniqueIDColumn) {
    for (size_t i = 0; i < columnNames.size(); ++i) {
        if (columnNames[i] == m_strUniqueIDColumn) {
            m_lUniqueIDColumnIndex = static_cast<LONG>(i);
            break;
        }
    }
}

VrlTableData::~VrlTableData() = default;

LONG VrlTableData::GetColCount() const {
    return static_cast<LONG>(m_pColumnNames->size());
}

LONG VrlTableData::GetRowCount() const {
    const size_t columns = m_pColumnNames->size();
    return columns == 0 ? 0 : static_cast<LONG>(m_pValues->size() / columns);
}

CString VrlTableData::GetColName(LONG col) const {
    if (col < 0 || col >= GetColCount())
        DuxException::Throw(4071, __FILE__, __LINE__);
    return (*m_pColumnNames)[static_cast<size_t>(col)];
}

CComVariant VrlTableData::GetValue(LONG row, LONG col) const {
    return GetValueRef(row, col);
}

const CComVariant& VrlTableData::GetValueRef(LONG row, LONG col) const {
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColCount())
        DuxException::Throw(4071, __FILE__, __LINE__);
    const size_t index = static_cast<size_t>(row) * m_pColumnNames->size() + static_cast<size_t>(col);
    return (*m_pValues)[index];
}

CString VrlTableData::MakeUniqueKey(const wchar_t* uniqueValue, const wchar_t* column) {
    CString key;
    key.Format(L"%s-%s", uniqueValue ? uniqueValue : L"", column ? column : L"");
    return key;
}

void VrlTableData::CacheValue(const wchar_t* uniqueValue, const wchar_t* column, COleVariant value) const {
    // The cache holds texts; a value that is not text yet is stored as its
    // text form (and as "" when it has none).
    CString text;
    if (value.vt == VT_BSTR) {
        text = value.bstrVal;
    } else {
        CComVariant converted(value);
        if (SUCCEEDED(converted.ChangeType(VT_BSTR)))
            text = converted.bstrVal;
    }
    m_oCache.SetAt(MakeUniqueKey(uniqueValue, column), text);
}

bool VrlTableData::GetCachedValue(const wchar_t* uniqueValue, const wchar_t* column, COleVariant& out) const {
    CString text;
    if (!m_oCache.Lookup(MakeUniqueKey(uniqueValue, column), text))
        return false;
    out = COleVariant(text.GetString());
    return true;
}

void VrlTableData::ClearCacheValue(const wchar_t* uniqueValue, const wchar_t* column) const {
    m_oCache.RemoveKey(MakeUniqueKey(uniqueValue, column));
}

LONG VrlTableData::FindColumnNoCase(const CString& column) const {
    for (size_t i = 0; i < m_pColumnNames->size(); ++i) {
        if ((*m_pColumnNames)[i].CompareNoCase(column) == 0)
            return static_cast<LONG>(i);
    }
    return -1;
}

bool VrlTableData::GetValueFromResource(const CString& uniqueValue, const CString& column,
                                        COleVariant& out) const {
    if (GetCachedValue(uniqueValue, column, out))
        return true;
    const LONG col = FindColumnNoCase(column);
    const LONG rows = GetRowCount();
    for (LONG row = 0; row < rows; ++row) {
        // GetValue raises 4071 here when the data has no unique-ID column.
        CComVariant id = GetValue(row, m_lUniqueIDColumnIndex);
        if (FAILED(id.ChangeType(VT_BSTR)))
            continue;
        if (uniqueValue.CompareNoCase(id.bstrVal ? id.bstrVal : L"") == 0) {
            out = COleVariant(GetValue(row, col));
            return true;
        }
    }
    return false;
}

} // namespace VrlSchemaLib
