#include "VrlDataDefinition.h"

namespace VrlSchemaLib {

VrlDataDefinition::VrlDataDefinition() : m_eDataType(static_cast<VrlDataType>(0)), m_lLength(0) {}

VrlDataDefinition::VrlDataDefinition(VrlDataType type, LONG length) {
    Init(type, length, L"", L"", L"", L"");
}

VrlDataDefinition::VrlDataDefinition(VrlDataType type, const wchar_t* parentIDField, const wchar_t* idField,
                                     const wchar_t* extendedTable, const wchar_t* extendedField) {
    Init(type, 0, parentIDField, idField, extendedTable, extendedField);
}

VrlDataDefinition::VrlDataDefinition(const VrlDataDefinition& other)
    : CObject(), m_eDataType(other.m_eDataType), m_lLength(other.m_lLength),
      m_strParentIDField(other.m_strParentIDField), m_strIDField(other.m_strIDField),
      m_strExtendedTable(other.m_strExtendedTable), m_strExtendedField(other.m_strExtendedField) {}

VrlDataDefinition& VrlDataDefinition::operator=(const VrlDataDefinition& other) {
    m_eDataType = other.m_eDataType;
    m_lLength = other.m_lLength;
    m_strParentIDField = other.m_strParentIDField;
    m_strIDField = other.m_strIDField;
    m_strExtendedTable = other.m_strExtendedTable;
    m_strExtendedField = other.m_strExtendedField;
    return *this;
}

VrlDataDefinition::~VrlDataDefinition() = default;

void VrlDataDefinition::Init(VrlDataType type, LONG length, const wchar_t* parentIDField,
                             const wchar_t* idField, const wchar_t* extendedTable,
                             const wchar_t* extendedField) {
    m_eDataType = type;
    m_lLength = length;
    m_strParentIDField = parentIDField;
    m_strIDField = idField;
    m_strExtendedTable = extendedTable;
    m_strExtendedField = extendedField;
}

} // namespace VrlSchemaLib
