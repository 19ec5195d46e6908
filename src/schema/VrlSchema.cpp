#include "VrlSchema.h"

#include "../support/DuxException.h"

namespace VrlSchemaLib {

VrlSchema::VrlSchema(VrlSchemaVersion version, const std::vector<VrlTable*>& tables,
                     const std::vector<VrlView*>& views, const std::vector<VrlProcedure*>& procedures,
                     const std::vector<VrlFunction*>& functions)
    : m_oVersion(version) {
    for (VrlTable* table : tables)
        m_oTables.Add(table, m_oVersion);
    for (VrlView* view : views)
        m_oViews.Add(view, m_oVersion);
    for (VrlProcedure* procedure : procedures)
        m_oProcedures.Add(procedure, m_oVersion);
    for (VrlFunction* function : functions)
        m_oFunctions.Add(function, m_oVersion);
}

VrlSchema::VrlSchema(const VrlSchema& other)
    : CObject(), m_oVersion(other.m_oVersion), m_oTables(other.m_oTables), m_oViews(other.m_oViews),
      m_oProcedures(other.m_oProcedures), m_oFunctions(other.m_oFunctions) {}

VrlSchema& VrlSchema::operator=(const VrlSchema& other) {
    m_oVersion = other.m_oVersion;
    m_oTables = other.m_oTables;
    m_oViews = other.m_oViews;
    m_oProcedures = other.m_oProcedures;
    m_oFunctions = other.m_oFunctions;
    return *this;
}

VrlSchema::~VrlSchema() = default;

bool VrlSchema::operator==(const VrlSchema& other) const {
    return m_oVersion == other.m_oVersion && m_oTables == other.m_oTables && m_oViews == other.m_oViews &&
           m_oProcedures == other.m_oProcedures && m_oFunctions == other.m_oFunctions;
}

// Lookups

VrlTable* VrlSchema::GetTable(LONG index) const {
    VrlSchemaObject* table = m_oTables.GetAt(index);
    if (table == nullptr)
        DuxException::Throw(4071, __FILE__, __LINE__);
    return static_cast<VrlTable*>(table);
}

VrlTable* VrlSchema::GetTable(LONG index, VrlTableRootType rootType) const {
    VrlTable* table = GetTable(index);
    table->SetCurrentRootType(rootType);
    return table;
}

VrlTable* VrlSchema::GetTable(const wchar_t* name) const {
    CheckTableName(name);
    VrlSchemaObject* table = m_oTables.Find(name);
    if (table == nullptr)
        DuxException::Throw(4070, __FILE__, __LINE__, name);
    return static_cast<VrlTable*>(table);
}

VrlTable* VrlSchema::GetTable(const wchar_t* name, VrlTableRootType rootType) const {
    VrlTable* table = GetTable(name);
    table->SetCurrentRootType(rootType);
    return table;
}

VrlTable* VrlSchema::GetTableDontThrow(const wchar_t* name) const {
    return static_cast<VrlTable*>(m_oTables.Find(name));
}

VrlView* VrlSchema::GetView(LONG index) const {
    VrlSchemaObject* view = m_oViews.GetAt(index);
    if (view == nullptr)
        DuxException::Throw(4073, __FILE__, __LINE__);
    return static_cast<VrlView*>(view);
}

VrlView* VrlSchema::GetView(const wchar_t* name) const {
    VrlSchemaObject* view = m_oViews.Find(name);
    if (view == nullptr)
        DuxException::Throw(4072, __FILE__, __LINE__, name ? name : L"");
    return static_cast<VrlView*>(view);
}

VrlProcedure* VrlSchema::GetProcedure(LONG index) const {
    VrlSchemaObject* procedure = m_oProcedures.GetAt(index);
    if (procedure == nullptr)
        DuxException::Throw(4075, __FILE__, __LINE__);
    return static_cast<VrlProcedure*>(procedure);
}

VrlProcedure* VrlSchema::GetProcedure(const wchar_t* name) const {
    VrlSchemaObject* procedure = m_oProcedures.Find(name);
    if (procedure == nullptr)
        DuxException::Throw(4074, __FILE__, __LINE__, name ? name : L"");
    return static_cast<VrlProcedure*>(procedure);
}

VrlFunction* VrlSchema::GetFunction(LONG index) const {
    VrlSchemaObject* function = m_oFunctions.GetAt(index);
    if (function == nullptr)
        DuxException::Throw(4077, __FILE__, __LINE__);
    return static_cast<VrlFunction*>(function);
}

VrlFunction* VrlSchema::GetFunction(const wchar_t* name) const {
    VrlSchemaObject* function = m_oFunctions.Find(name);
    if (function == nullptr)
        DuxException::Throw(4076, __FILE__, __LINE__, name ? name : L"");
    return static_cast<VrlFunction*>(function);
}

VrlProcedure* VrlSchema::GetProcedureOrFunction(const wchar_t* name) const {
    if (GetCommandType(name) == cmdFunction)
        return GetFunction(name);
    return GetProcedure(name);
}

CommandType VrlSchema::GetCommandType(const wchar_t* name) const {
    if (m_oProcedures.Contains(name))
        return cmdProcedure;
    if (m_oFunctions.Contains(name))
        return cmdFunction;
    if (m_oTables.Contains(name))
        return cmdTable;
    if (m_oViews.Contains(name))
        return cmdView;
    if (name != nullptr && name[0] == L'#')
        return cmdTemporary;
    DuxException::Throw(4111, __FILE__, __LINE__, name ? name : L"");
}

// Name-keyed accessors

void VrlSchema::CheckTableName(const wchar_t* table) {
    if (table == nullptr)
        DuxException::Throw(4070, __FILE__, __LINE__);
}

void VrlSchema::CheckFieldName(const wchar_t* field) {
    if (field == nullptr)
        DuxException::Throw(4054, __FILE__, __LINE__);
}

const wchar_t* VrlSchema::GetChild(const wchar_t* table, LONG index) const {
    const VrlTable* found = GetTable(table);
    if (index < 0 || index >= found->GetChildCount())
        DuxException::Throw(4084, __FILE__, __LINE__);
    return found->GetChild(index);
}

LONG VrlSchema::GetChildCount(const wchar_t* table) const {
    return GetTable(table)->GetChildCount();
}

const wchar_t* VrlSchema::GetConvertRoutine(const wchar_t* table) const {
    return GetTable(table)->GetConvertRoutine();
}

const wchar_t* VrlSchema::GetImportRoutine(const wchar_t* table) const {
    return GetTable(table)->GetImportRoutine();
}

VrlDatabaseVersion VrlSchema::GetDatabaseVersion(const wchar_t* table) const {
    return GetTable(table)->GetDatabaseVersion();
}

const wchar_t* VrlSchema::GetTableExternalName(const wchar_t* table) const {
    return GetTable(table)->GetExternalName();
}

int VrlSchema::GetTableFlag(const wchar_t* table, VrlTableFlag flag) const {
    return GetTable(table)->GetFlag(flag);
}

VrlField* VrlSchema::GetField(const wchar_t* table, const wchar_t* field) const {
    VrlField* found = GetTable(table)->GetField(field);
    if (found == nullptr)
        DuxException::Throw(4054, __FILE__, __LINE__, table, field ? field : L"");
    return found;
}

int VrlSchema::GetFieldFlag(const wchar_t* table, const wchar_t* field, VrlFieldFlag flag) const {
    CheckTableName(table);
    CheckFieldName(field);
    const VrlField* found = GetTable(table)->GetField(field);
    return found ? found->GetFlag(flag) : 0;
}

const wchar_t* VrlSchema::GetParentKeyTable(const wchar_t* table, const wchar_t* field) const {
    CheckTableName(table);
    CheckFieldName(field);
    const VrlField* found = GetTable(table)->GetField(field);
    return found ? found->GetParentKeyTable() : L"";
}

const wchar_t* VrlSchema::GetTranslateTable(const wchar_t* table, const wchar_t* field) const {
    CheckTableName(table);
    CheckFieldName(field);
    const VrlField* found = GetTable(table)->GetField(field);
    return found ? found->GetTranslateTable() : L"";
}

void VrlSchema::SetChild(const wchar_t* parent, const wchar_t* child) {
    CheckTableName(parent);
    if (child == nullptr)
        DuxException::Throw(4082, __FILE__, __LINE__);
    VrlTable* parentTable = GetTable(parent);
    VrlTable* childTable = GetTableDontThrow(child);
    if (childTable == nullptr)
        return;
    childTable->SetCurrentRootType(parentTable->GetCurrentRootType());
    parentTable->SetChild(child);
}

void VrlSchema::SetConvertRoutine(const wchar_t* table, const wchar_t* routine) {
    CheckTableName(table);
    if (routine == nullptr)
        DuxException::Throw(4080, __FILE__, __LINE__);
    GetTable(table)->SetConvertRoutine(routine);
}

void VrlSchema::SetImportRoutine(const wchar_t* table, const wchar_t* routine) {
    CheckTableName(table);
    if (routine == nullptr)
        DuxException::Throw(4079, __FILE__, __LINE__);
    GetTable(table)->SetImportRoutine(routine);
}

void VrlSchema::SetTableStatusColumnName(const wchar_t* table, const wchar_t* column) {
    CheckTableName(table);
    if (column == nullptr)
        DuxException::Throw(4081, __FILE__, __LINE__);
    GetTable(table)->SetStatusColumnName(column);
}

void VrlSchema::SetTableExternalName(const wchar_t* table, const wchar_t* name) {
    CheckTableName(table);
    if (name == nullptr)
        DuxException::Throw(4081, __FILE__, __LINE__);
    if (VrlTable* found = GetTableDontThrow(table))
        found->SetExternalName(name);
}

void VrlSchema::SetDatabaseVersion(const wchar_t* table, VrlDatabaseVersion version) {
    CheckTableName(table);
    if (VrlTable* found = GetTableDontThrow(table))
        found->SetDatabaseVersion(version);
}

void VrlSchema::SetTableFlag(const wchar_t* table, VrlTableFlag flag) {
    CheckTableName(table);
    if (VrlTable* found = GetTableDontThrow(table))
        found->SetFlag(flag);
}

void VrlSchema::SetFieldFlag(const wchar_t* table, const wchar_t* field, VrlFieldFlag flag) {
    CheckTableName(table);
    CheckFieldName(field);
    if (VrlTable* found = GetTableDontThrow(table)) {
        if (VrlField* column = found->GetField(field))
            column->SetFlag(flag);
    }
}

void VrlSchema::SetParentKeyTable(const wchar_t* table, const wchar_t* field, const wchar_t* parent) {
    CheckTableName(table);
    CheckFieldName(field);
    if (parent == nullptr)
        DuxException::Throw(4085, __FILE__, __LINE__);
    if (VrlTable* found = GetTableDontThrow(table)) {
        if (VrlField* column = found->GetField(field))
            column->SetParentKeyTable(parent);
    }
}

void VrlSchema::SetTranslateTable(const wchar_t* table, const wchar_t* field, const wchar_t* translate) {
    CheckTableName(table);
    CheckFieldName(field);
    if (translate == nullptr)
        DuxException::Throw(4083, __FILE__, __LINE__);
    if (VrlField* column = GetTable(table)->GetField(field))
        column->SetTranslateTable(translate);
}

// Root types

namespace {

struct RootTypeName {
    const wchar_t* name;
    VrlTableRootType rootType;
};

// Names under which callers ask for a database. The setup, runtime and
// runtime-documents databases are one root type; its own name (below) is not
// among the accepted ones.
const RootTypeName g_aAcceptedRootTypeNames[] = {
    {L"MarlowCaptureAdministrativeCatalog", rtAdministrativeCatalog},
    {L"MarlowCaptureStats", rtStats},
    {L"MarlowCaptureSetup", rtBatchSetupAndRuntime},
    {L"MarlowCaptureRuntime", rtBatchSetupAndRuntime},
    {L"MarlowCaptureRuntimeDocuments", rtBatchSetupAndRuntime},
    {L"VeskSiteProfiles", rtSiteProfiles},
    {L"CaptureUserProfiles", rtUserProfiles},
    {L"BatchClassWithRights", rtBatchClassWithRights},
};

} // namespace

VrlTableRootType VrlSchema::GetRootType(const CString& name) {
    for (const RootTypeName& entry : g_aAcceptedRootTypeNames) {
        if (name.CompareNoCase(entry.name) == 0)
            return entry.rootType;
    }
    return rtUndefined;
}

CString VrlSchema::GetRootTypeName(VrlTableRootType rootType) {
    switch (rootType) {
    case rtAdministrativeCatalog:
        return CString(L"MarlowCaptureAdministrativeCatalog");
    case rtStats:
        return CString(L"MarlowCaptureStats");
    case rtBatchSetupAndRuntime:
        return CString(L"MarlowCaptureBatchSetupAndRuntime");
    case rtSiteProfiles:
        return CString(L"VeskSiteProfiles");
    case rtUserProfiles:
        return CString(L"CaptureUserProfiles");
    case rtBatchClassWithRights:
        return CString(L"BatchClassWithRights");
    default:
        return CString(L"Undefined");
    }
}

} // namespace VrlSchemaLib
