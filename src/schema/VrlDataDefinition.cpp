#include "VrlDataDefinition.h"

namespace VrlSchemaLib {

struct VrlDataDefinition::ExtendedNames {
    CString parentIDField;
    CString idField;
    CString extendedTable;
    CString extendedField;
};

VrlDataDefinition::VrlDataDefinition() : m_eDataType(static_cast<VrlDataType>(0)), m_lLength(0) {}

VrlDataDefinition::VrlDataDefinition(VrlDataType type, LONG length) : m_eDataType(type), m_lLength(length) {}

VrlDataDefinition::VrlDataDefinition(VrlDataType type, const wchar_t* parentIDField, const wchar_t* idField,
                                     const wchar_t* extendedTable, const wchar_t* extendedField) {
    Init(type, 0, parentIDField, idField, extendedTable, extendedField);
}

VrlDataDefinition::VrlDataDefinition(const VrlDataDefinition& other)
    : CObject(), m_eDataType(other.m_eDataType), m_lLength(other.m_lLength),
      m_pExtended(other.m_pExtended ? std::make_unique<ExtendedNames>(*other.m_pExtended) : nullptr) {}

VrlDataDefinition& VrlDataDefinition::operator=(const VrlDataDefinition& other) {
    if (this == &other)
        return *this;
    m_eDataType = other.m_eDataType;
    m_lLength = other.m_lLength;
    m_pExtended = other.m_pExtended ? std::make_unique<ExtendedNames>(*other.m_pExtended) : nullptr;
    return *this;
}

VrlDataDefinition::VrlDataDefinition(VrlDataDefinition&& other) noexcept = default;
VrlDataDefinition& VrlDataDefinition::operator=(VrlDataDefinition&& other) noexcept = default;
VrlDataDefinition::~VrlDataDefinition() = default;

CString VrlDataDefinition::GetParentIDField() const {
    return m_pExtended ? m_pExtended->parentIDField : CString();
}

CString VrlDataDefinition::GetIDField() const {
    return m_pExtended ? m_pExtended->idField : CString();
}

CString VrlDataDefinition::GetExtendedTable() const {
    return m_pExtended ? m_pExtended->extendedTable : CString();
}

CString VrlDataDefinition::GetExtendedField() const {
    return m_pExtended ? m_pExtended->extendedField : CString();
}

void VrlDataDefinition::Init(VrlDataType type, LONG length, const wchar_t* parentIDField,
                             const wchar_t* idField, const wchar_t* extendedTable,
                             const wchar_t* extendedField) {
    m_eDataType = type;
    m_lLength = length;
    const auto empty = [](const wchar_t* text) { return text == nullptr || *text == L'\0'; };
    if (empty(parentIDField) && empty(idField) && empty(extendedTable) && empty(extendedField)) {
        m_pExtended.reset();
        return;
    }
    m_pExtended = std::make_unique<ExtendedNames>(ExtendedNames{
        CString(parentIDField), CString(idField), CString(extendedTable), CString(extendedField)});
}

} // namespace VrlSchemaLib
