#include "VrlView.h"

#include "ObjectExistsFormats.h"

namespace VrlSchemaLib {

VrlView::VrlView(const wchar_t* name, const wchar_t* sql, const wchar_t* table)
    : VrlSchemaObject(name), m_strSQL(sql), m_strTable(table) {}

VrlView::VrlView(const wchar_t* name, const wchar_t* sql, const wchar_t* table, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strSQL(sql), m_strTable(table) {}

VrlView::VrlView(const wchar_t* name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlView::VrlView(const VrlView& other)
    : VrlSchemaObject(other), m_strSQL(other.m_strSQL), m_strTable(other.m_strTable) {}

VrlView& VrlView::operator=(const VrlView& other) {
    VrlSchemaObject::operator=(other);
    m_strSQL = other.m_strSQL;
    m_strTable = other.m_strTable;
    return *this;
}

VrlView::~VrlView() = default;

CString VrlView::GetExistsFormat(const ObjectExistsFormats* formats) const {
    return formats ? CString(formats->GetViewFormat()) : CString();
}

} // namespace VrlSchemaLib
