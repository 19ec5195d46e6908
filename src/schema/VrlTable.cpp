#include "VrlTable.h"

#include "../support/DuxException.h"
#include "ObjectExistsFormats.h"
#include "VrlSchema.h"
#include "VrlTableData.h"

namespace VrlSchemaLib {

namespace {
const std::vector<VrlConstraint*> g_vNoConstraints;
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields, const wchar_t* lightView,
                   LONG bufferSize, unsigned int descriptionId, const VrlTableData* tableData,
                   VrlTableRootType rootType, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize),
      m_pTableData(tableData) {
    Construct(fields, g_vNoConstraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields, const wchar_t* lightView,
                   LONG bufferSize, unsigned int descriptionId, VrlTableRootType rootType,
                   VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize) {
    Construct(fields, g_vNoConstraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
                   const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
                   unsigned int descriptionId, const wchar_t* localeLookupField, const wchar_t* localeQuery,
                   VrlTableRootType rootType, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize),
      m_strLocaleLookupField(localeLookupField), m_strLocaleQuery(localeQuery) {
    Construct(fields, constraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
                   const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
                   unsigned int descriptionId, const VrlTableData* tableData,
                   const VrlTableData* tableDataEnglish, VrlTableRootType rootType, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize),
      m_pTableData(tableData), m_pTableDataEnglish(tableDataEnglish) {
    Construct(fields, constraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
                   const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
                   unsigned int descriptionId, const VrlTableData* tableData, VrlTableRootType rootType,
                   VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize),
      m_pTableData(tableData) {
    Construct(fields, constraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
                   const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
                   unsigned int descriptionId, VrlTableRootType rootType, VrlSchemaVersion version)
    : VrlSchemaObject(name, version), m_strLightView(lightView), m_lBufferSize(bufferSize) {
    Construct(fields, constraints, descriptionId, rootType);
}

VrlTable::VrlTable(const wchar_t* name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlTable::VrlTable(const VrlTable& other)
    : VrlSchemaObject(other), m_oFields(other.m_oFields), m_oConstraints(other.m_oConstraints),
      m_strLightView(other.m_strLightView), m_lBufferSize(other.m_lBufferSize),
      m_strDescription(other.m_strDescription), m_pTableData(other.m_pTableData),
      m_pTableDataEnglish(other.m_pTableDataEnglish), m_eCurrentRootType(other.m_eCurrentRootType),
      m_bSelfReferential(other.m_bSelfReferential),
      m_bSupportLocaleFormatField(other.m_bSupportLocaleFormatField) {
    CopyDBCopyData(other.m_oDBCopyData);
    SetCurrentRootType(other.m_eCurrentRootType);
}

VrlTable& VrlTable::operator=(const VrlTable& other) {
    if (this == &other)
        return *this;
    VrlSchemaObject::operator=(other);
    m_oFields = other.m_oFields;
    m_oConstraints = other.m_oConstraints;
    m_strLightView = other.m_strLightView;
    m_lBufferSize = other.m_lBufferSize;
    m_strDescription = other.m_strDescription;
    m_pTableData = other.m_pTableData;
    m_pTableDataEnglish = other.m_pTableDataEnglish;
    m_eCurrentRootType = other.m_eCurrentRootType;
    CopyDBCopyData(other.m_oDBCopyData);
    m_bSelfReferential = other.m_bSelfReferential;
    m_bSupportLocaleFormatField = other.m_bSupportLocaleFormatField;
    SetCurrentRootType(other.m_eCurrentRootType);
    return *this;
}

VrlTable::~VrlTable() {
    FreeDBCopyData();
}

void VrlTable::CopyDBCopyData(const DBCopyDataMap& source) {
    FreeDBCopyData();
    POSITION position = source.GetStartPosition();
    while (position != nullptr) {
        VrlTableRootType rootType = rtUndefined;
        DBCopyData* data = nullptr;
        source.GetNextAssoc(position, rootType, data);
        m_oDBCopyData.SetAt(rootType, data != nullptr ? new DBCopyData(*data) : nullptr);
    }
}

void VrlTable::FreeDBCopyData() {
    POSITION position = m_oDBCopyData.GetStartPosition();
    while (position != nullptr) {
        VrlTableRootType rootType = rtUndefined;
        DBCopyData* data = nullptr;
        m_oDBCopyData.GetNextAssoc(position, rootType, data);
        delete data;
    }
    m_oDBCopyData.RemoveAll();
}

void VrlTable::Construct(const std::vector<VrlField*>& fields, const std::vector<VrlConstraint*>& constraints,
                         unsigned int descriptionId, VrlTableRootType rootType) {
    AddFields(fields);
    AddConstraints(constraints);
    m_strDescription = sm_oOemMgr.LoadOemString(descriptionId);
    SetCurrentRootType(rootType);
    SetIsSelfReferential(GetName());
}

CString VrlTable::GetExistsFormat(const ObjectExistsFormats* formats) const {
    return formats ? CString(formats->GetTableFormat()) : CString();
}

// Fields and constraints

LONG VrlTable::GetFieldCount() const {
    return m_oFields.GetCount();
}

VrlField* VrlTable::GetField(LONG index) const {
    VrlSchemaObject* field = m_oFields.GetAt(index);
    if (field == nullptr)
        DuxException::Throw(4055, __FILE__, __LINE__);
    return static_cast<VrlField*>(field);
}

VrlField* VrlTable::GetField(const wchar_t* name) const {
    return LookupField(name);
}

VrlField* VrlTable::LookupField(const wchar_t* name) const {
    return static_cast<VrlField*>(m_oFields.Find(name));
}

bool VrlTable::HasField(const wchar_t* name) const {
    return LookupField(name) != nullptr;
}

LONG VrlTable::GetConstraintCount() const {
    return m_oConstraints.GetCount();
}

VrlConstraint* VrlTable::GetConstraint(LONG index) const {
    VrlSchemaObject* constraint = m_oConstraints.GetAt(index);
    if (constraint == nullptr)
        DuxException::Throw(4078, __FILE__, __LINE__);
    return static_cast<VrlConstraint*>(constraint);
}

VrlConstraint* VrlTable::GetConstraint(const wchar_t* name) const {
    return static_cast<VrlConstraint*>(m_oConstraints.Find(name));
}

VrlConstraint* VrlTable::GetPrimaryKeyConstraint() const {
    for (VrlSchemaObject* object : m_oConstraints.GetObjects()) {
        auto* constraint = static_cast<VrlConstraint*>(object);
        if (constraint->GetType() == ctPrimaryKey)
            return constraint;
    }
    return nullptr;
}

CString VrlTable::GetPrimaryKeyFieldName() const {
    const VrlConstraint* key = GetPrimaryKeyConstraint();
    if (key == nullptr || key->GetFields().empty())
        return CString();
    return key->GetFields().front();
}

LONG VrlTable::GetFakeFields(std::vector<VrlField*>& out) const {
    out.clear();
    for (VrlSchemaObject* object : m_oFields.GetObjects()) {
        auto* field = static_cast<VrlField*>(object);
        if (field->IsFake())
            out.push_back(field);
    }
    return static_cast<LONG>(out.size());
}

bool VrlTable::IsFaked() const {
    for (VrlSchemaObject* object : m_oFields.GetObjects()) {
        if (!static_cast<VrlField*>(object)->IsFake())
            return false;
    }
    return true;
}

bool VrlTable::HasDefaultValues() const {
    return m_pTableData != nullptr && m_pTableData->GetRowCount() > 0;
}

void VrlTable::AddFields(const std::vector<VrlField*>& fields) {
    const VrlSchemaVersion version = GetVersion();
    m_oFields.Reserve(fields.size());
    for (VrlField* field : fields) {
        if (field == nullptr)
            continue;
        m_oFields.Add(field, version);
        // Adopted even when the collection leaves it out, so that every field
        // the caller listed for this table knows its table.
        field->SetTable(this);
        if (field->IsConvertFormat())
            m_bSupportLocaleFormatField = 1;
    }
}

void VrlTable::AddConstraints(const std::vector<VrlConstraint*>& constraints) {
    const VrlSchemaVersion version = GetVersion();
    m_oConstraints.Reserve(constraints.size());
    for (VrlConstraint* constraint : constraints) {
        if (constraint == nullptr)
            continue;
        m_oConstraints.Add(constraint, version);
        constraint->SetTable(this);
    }
}

// Per-root-type records

const VrlTable::DBCopyData* VrlTable::GetDBCopyData() const {
    DBCopyData* data = nullptr;
    if (!m_oDBCopyData.Lookup(m_eCurrentRootType, data)) {
        const CString message = L"Invalid Root Type: " + VrlSchema::GetRootTypeName(m_eCurrentRootType);
        DuxException::Throw(4111, __FILE__, __LINE__, message.GetString());
    }
    if (data == nullptr) {
        // A record nothing has written to yet reads as a new one.
        static const DBCopyData blank;
        return &blank;
    }
    return data;
}

VrlTable::DBCopyData* VrlTable::GetDBCopyDataCreateIfNeeded() {
    DBCopyData*& data = m_oDBCopyData[m_eCurrentRootType];
    if (data == nullptr)
        data = new DBCopyData;
    return data;
}

int VrlTable::GetFlag(VrlTableFlag flag) const {
    return GetDBCopyData()->flags & flag;
}

void VrlTable::SetFlag(VrlTableFlag flag) {
    GetDBCopyDataCreateIfNeeded()->flags |= flag;
}

const wchar_t* VrlTable::GetExternalName() const {
    return GetDBCopyData()->externalName;
}

void VrlTable::SetExternalName(const wchar_t* name) {
    GetDBCopyDataCreateIfNeeded()->externalName = name;
}

VrlDatabaseVersion VrlTable::GetDatabaseVersion() const {
    return GetDBCopyData()->databaseVersion;
}

void VrlTable::SetDatabaseVersion(VrlDatabaseVersion version) {
    GetDBCopyDataCreateIfNeeded()->databaseVersion = version;
}

LONG VrlTable::GetChildCount() const {
    return static_cast<LONG>(GetDBCopyData()->children.GetSize());
}

const wchar_t* VrlTable::GetChild(LONG index) const {
    return GetDBCopyData()->children.GetAt(index);
}

void VrlTable::SetChild(const wchar_t* child) {
    DBCopyData* data = GetDBCopyDataCreateIfNeeded();
    const CString name(child);
    for (INT_PTR i = 0; i < data->children.GetSize(); ++i) {
        if (data->children.GetAt(i) == name)
            return;
    }
    data->children.Add(name);
}

const wchar_t* VrlTable::GetExtCollectionName() const {
    return GetDBCopyData()->extCollectionName;
}

void VrlTable::SetExtCollectionName(const wchar_t* name) {
    GetDBCopyDataCreateIfNeeded()->extCollectionName = name;
}

const wchar_t* VrlTable::GetOldName() const {
    return GetDBCopyData()->oldName;
}

void VrlTable::SetOldName(const wchar_t* name) {
    GetDBCopyDataCreateIfNeeded()->oldName = name;
}

const wchar_t* VrlTable::GetOldExtName() const {
    return GetDBCopyData()->oldExtName;
}

void VrlTable::SetOldExtName(const wchar_t* name) {
    GetDBCopyDataCreateIfNeeded()->oldExtName = name;
}

const wchar_t* VrlTable::GetOldExtCollectionName() const {
    return GetDBCopyData()->oldExtCollectionName;
}

void VrlTable::SetOldExtCollectionName(const wchar_t* name) {
    GetDBCopyDataCreateIfNeeded()->oldExtCollectionName = name;
}

const wchar_t* VrlTable::GetDbVersionTable() const {
    return GetDBCopyData()->dbVersionTable;
}

void VrlTable::SetDbVersionTable(const wchar_t* table) {
    GetDBCopyDataCreateIfNeeded()->dbVersionTable = table;
}

const wchar_t* VrlTable::GetDbVersionColumn() const {
    return GetDBCopyData()->dbVersionColumn;
}

void VrlTable::SetDbVersionColumn(const wchar_t* column) {
    GetDBCopyDataCreateIfNeeded()->dbVersionColumn = column;
}

const wchar_t* VrlTable::GetImportRoutine() const {
    return GetDBCopyData()->importRoutine;
}

void VrlTable::SetImportRoutine(const wchar_t* routine) {
    GetDBCopyDataCreateIfNeeded()->importRoutine = routine;
}

const wchar_t* VrlTable::GetConvertRoutine() const {
    return GetDBCopyData()->convertRoutine;
}

void VrlTable::SetConvertRoutine(const wchar_t* routine) {
    GetDBCopyDataCreateIfNeeded()->convertRoutine = routine;
}

const wchar_t* VrlTable::GetStatusColumnName() const {
    return GetDBCopyData()->statusColumnName;
}

void VrlTable::SetStatusColumnName(const wchar_t* column) {
    GetDBCopyDataCreateIfNeeded()->statusColumnName = column;
}

// Other operations

void VrlTable::SetCurrentRootType(const VrlTableRootType& rootType) {
    if (!m_bDBCopyRootTable || m_eCurrentRootType == rtUndefined)
        m_eCurrentRootType = rootType;
    // The record is there from now on; it is allocated on its first write.
    static_cast<void>(m_oDBCopyData[m_eCurrentRootType]);
    for (VrlSchemaObject* object : m_oFields.GetObjects())
        static_cast<VrlField*>(object)->SetCurrentRootType(m_eCurrentRootType);
}

void VrlTable::SetIsSelfReferential(const wchar_t* tableName) {
    const CString name(tableName);
    for (VrlSchemaObject* object : m_oConstraints.GetObjects()) {
        const auto* constraint = static_cast<VrlConstraint*>(object);
        if (constraint->GetType() == ctForeignKey && constraint->GetRefTable() == name) {
            m_bSelfReferential = 1;
            return;
        }
    }
}

VrlTable* VrlTable::GetMemoTable(const VrlSchema* schema) const {
    for (VrlSchemaObject* object : m_oFields.GetObjects()) {
        const auto* field = static_cast<VrlField*>(object);
        const VrlDataType type = field->GetDataType();
        if (type == dtMemo || type == dtMemo22) {
            if (schema == nullptr)
                return nullptr;
            return schema->GetTable(field->GetDataDefinition()->GetExtendedTable().GetString());
        }
    }
    return nullptr;
}

CString VrlTable::GetBufferFunction(VrlDatabaseVersion version) const {
    if (!IsBuffered())
        return CString();
    if (version >= VrlDbVersion24)
        return L"prc" + GetName() + L"Buf";
    return L"procGetNext" + GetName() + L"Buffer";
}

} // namespace VrlSchemaLib
