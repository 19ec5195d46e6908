#include "VrlConstraint.h"

#include "ObjectExistsFormats.h"
#include "VrlTable.h"

namespace VrlSchemaLib {

VrlConstraint::VrlConstraint(CString name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlConstraint::VrlConstraint(CString name, VrlConstraintType type, CString field, CString refTable,
                             CString refField, VrlOnDeleteType onDelete, VrlOnUpdateType onUpdate,
                             ClusteredType clustered, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_eType(type), m_vFields{field}, m_strRefTable(refTable),
      m_eOnDelete(onDelete), m_eOnUpdate(onUpdate), m_eClustered(clustered) {
    SetLists({refField}, {});
    DropIfDonotGenerate();
}

VrlConstraint::VrlConstraint(CString name, VrlConstraintType type, CString field, VrlSchemaVersion version,
                             bool supportNullableColumns)
    : VrlSchemaObject(name, version), m_eType(type), m_bSupportNullableColumns(supportNullableColumns) {
    AddFieldsWithCaseMarker({field});
    DropIfDonotGenerate();
}

VrlConstraint::VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields,
                             CString refTable, const std::vector<CString>& refFields,
                             VrlOnDeleteType onDelete, VrlOnUpdateType onUpdate, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_eType(type), m_vFields(fields), m_strRefTable(refTable),
      m_eOnDelete(onDelete), m_eOnUpdate(onUpdate) {
    SetLists(refFields, {});
    DropIfDonotGenerate();
}

VrlConstraint::VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields,
                             const std::vector<CString>& includedFields, VrlSchemaVersion version,
                             ClusteredType clustered, bool supportNullableColumns)
    : VrlSchemaObject(name, version), m_eType(type), m_eClustered(clustered),
      m_bSupportNullableColumns(supportNullableColumns) {
    SetLists({}, includedFields);
    AddFieldsWithCaseMarker(fields);
    DropIfDonotGenerate();
}

VrlConstraint::VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields,
                             VrlSchemaVersion version, ClusteredType clustered, bool supportNullableColumns)
    : VrlSchemaObject(name, version), m_eType(type), m_eClustered(clustered),
      m_bSupportNullableColumns(supportNullableColumns) {
    AddFieldsWithCaseMarker(fields);
    DropIfDonotGenerate();
}

VrlConstraint::VrlConstraint(const VrlConstraint& other)
    : VrlSchemaObject(other), m_eType(other.m_eType), m_vFields(other.m_vFields),
      m_strRefTable(other.m_strRefTable), m_eOnDelete(other.m_eOnDelete), m_eOnUpdate(other.m_eOnUpdate),
      m_eClustered(other.m_eClustered), m_bSupportNullableColumns(other.m_bSupportNullableColumns),
      m_pTable(nullptr), m_pLists(other.m_pLists ? std::make_unique<OtherLists>(*other.m_pLists) : nullptr) {}

VrlConstraint& VrlConstraint::operator=(const VrlConstraint& other) {
    if (this == &other)
        return *this;
    // The owning table stays: the target still belongs where it was adopted.
    VrlSchemaObject::operator=(other);
    m_eType = other.m_eType;
    m_vFields = other.m_vFields;
    m_strRefTable = other.m_strRefTable;
    m_eOnDelete = other.m_eOnDelete;
    m_eOnUpdate = other.m_eOnUpdate;
    m_eClustered = other.m_eClustered;
    m_pLists = other.m_pLists ? std::make_unique<OtherLists>(*other.m_pLists) : nullptr;
    m_bSupportNullableColumns = other.m_bSupportNullableColumns;
    return *this;
}

VrlConstraint::~VrlConstraint() = default;

const VrlConstraint::OtherLists& VrlConstraint::Lists() const {
    static const OtherLists none;
    return m_pLists ? *m_pLists : none;
}

VrlConstraint::OtherLists& VrlConstraint::ListsCreateIfNeeded() {
    if (!m_pLists)
        m_pLists = std::make_unique<OtherLists>();
    return *m_pLists;
}

void VrlConstraint::SetLists(const std::vector<CString>& refFields,
                             const std::vector<CString>& includedFields) {
    if (!refFields.empty())
        ListsCreateIfNeeded().refFields = refFields;
    if (!includedFields.empty())
        ListsCreateIfNeeded().includedFields = includedFields;
}

CString VrlConstraint::GetExistsFormat(const ObjectExistsFormats* formats) const {
    if (formats == nullptr)
        return CString();
    const wchar_t* format = nullptr;
    switch (m_eType) {
    case ctPrimaryKey:
        format = formats->GetPrimaryKeyFormat();
        break;
    case ctForeignKey:
    case ctForeignKeyNotGenerated:
    case ctForeignKey7:
        format = formats->GetForeignKeyFormat();
        break;
    case ctUnique:
    case ctUniqueNotGenerated:
        format = formats->GetUniqueFormat();
        break;
    case ctIndex:
    case ctIndex6:
        format = formats->GetIndexFormat();
        break;
    default:
        return CString();
    }
    const CString tableName = m_pTable ? m_pTable->GetName() : CString();
    CString result;
    result.Format(format, tableName.GetString());
    return result;
}

bool VrlConstraint::IsCaseInsensitive(const CString& field) const {
    for (const CString& name : Lists().caseInsensitiveFields) {
        if (name.CompareNoCase(field) == 0)
            return true;
    }
    return false;
}

void VrlConstraint::AddFieldsWithCaseMarker(const std::vector<CString>& fields) {
    m_vFields.reserve(m_vFields.size() + fields.size());
    for (const CString& field : fields) {
        if (!field.IsEmpty() && field[0] == L'^') {
            const CString name = field.Mid(1);
            ListsCreateIfNeeded().caseInsensitiveFields.push_back(name);
            m_vFields.push_back(name);
        } else {
            m_vFields.push_back(field);
        }
    }
}

void VrlConstraint::DropIfDonotGenerate() {
    if (m_eType == ctForeignKeyNotGenerated || m_eType == ctUniqueNotGenerated)
        Drop();
}

} // namespace VrlSchemaLib
