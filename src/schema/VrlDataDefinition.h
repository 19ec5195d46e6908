// VrlDataDefinition: the type of a column, a parameter or a function result:
// a data type, a declared length and the names that tie the value to an
// extended table (a second table that holds the value, used for memo text).
#pragma once

#include <memory>

#include "../platform/CObject.h"
#include "../platform/CString.h"
#include "VrlEnums.h"

namespace VrlSchemaLib {

class VrlDataDefinition : public CObject {
public:
    // No type yet: callers assign a definition before reading it. Type and
    // length start as 0 so that an unassigned definition reads predictably.
    VrlDataDefinition();
    // length <= 0 means the type has no length.
    VrlDataDefinition(VrlDataType type, LONG length);
    VrlDataDefinition(VrlDataType type, const wchar_t* parentIDField, const wchar_t* idField,
                      const wchar_t* extendedTable, const wchar_t* extendedField);
    VrlDataDefinition(const VrlDataDefinition& other);
    VrlDataDefinition& operator=(const VrlDataDefinition& other);
    VrlDataDefinition(VrlDataDefinition&& other) noexcept;
    VrlDataDefinition& operator=(VrlDataDefinition&& other) noexcept;
    ~VrlDataDefinition() override;

    VrlDataType GetDataType() const { return m_eDataType; }
    LONG GetLength() const { return m_lLength; }
    CString GetParentIDField() const;
    CString GetIDField() const;
    CString GetExtendedTable() const;
    CString GetExtendedField() const;

private:
    void Init(VrlDataType type, LONG length, const wchar_t* parentIDField, const wchar_t* idField,
              const wchar_t* extendedTable, const wchar_t* extendedField);

    // The extended-table names, which few definitions have: kept apart, so
    // that every other column costs a pointer for them.
    struct ExtendedNames;

    VrlDataType m_eDataType;
    LONG m_lLength;
    std::unique_ptr<ExtendedNames> m_pExtended;
};

} // namespace VrlSchemaLib
