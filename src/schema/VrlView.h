// VrlView: a view whose query text the caller writes, with the table it serves.
#pragma once

#include "../platform/CString.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlView : public VrlSchemaObject {
public:
    VrlView(const wchar_t* name, const wchar_t* sql, const wchar_t* table);
    VrlView(const wchar_t* name, const wchar_t* sql, const wchar_t* table, VrlSchemaVersion version);
    // Dropped marker with empty texts.
    VrlView(const wchar_t* name, VrlSchemaVersion version);
    VrlView(const VrlView& other);
    VrlView& operator=(const VrlView& other);
    ~VrlView() override;

    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;

    CString GetSQL() const { return m_strSQL; }
    CString GetTable() const { return m_strTable; }

private:
    CString m_strSQL;
    CString m_strTable;
};

} // namespace VrlSchemaLib
