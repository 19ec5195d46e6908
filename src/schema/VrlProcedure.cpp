#include "VrlProcedure.h"

#include "../support/DuxException.h"
#include "ObjectExistsFormats.h"

namespace VrlSchemaLib {

VrlProcedure::VrlProcedure(const wchar_t* name, const wchar_t* body, const wchar_t* table, int readonly,
                           int insertAction, VrlSchemaVersion version, int withSqlCode)
    : VrlSchemaObject(name, version), m_strBody(body), m_strTable(table), m_bReadonly(readonly),
      m_bInsertAction(insertAction), m_bWithSqlCodeDeclared(withSqlCode) {
    CheckForExplicitLocking(m_strBody);
    CheckForInsertAction(m_strBody);
}

VrlProcedure::VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                           const wchar_t* table, int readonly, int explicitLocking, int insertAction,
                           VrlSchemaVersion version, int withSqlCode)
    : VrlSchemaObject(name, version), m_vParameters(parameters), m_strBody(body), m_strTable(table),
      m_bReadonly(readonly), m_bExplicitLocking(explicitLocking), m_bInsertAction(insertAction),
      m_bWithSqlCodeDeclared(withSqlCode) {
    CheckForExplicitLocking(m_strBody);
    CheckForInsertAction(m_strBody);
}

VrlProcedure::VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                           const wchar_t* table, int readonly, int insertAction, VrlSchemaVersion version,
                           int withSqlCode)
    : VrlSchemaObject(name, version), m_vParameters(parameters), m_strBody(body), m_strTable(table),
      m_bReadonly(readonly), m_bInsertAction(insertAction), m_bWithSqlCodeDeclared(withSqlCode) {
    CheckForExplicitLocking(m_strBody);
    CheckForInsertAction(m_strBody);
}

VrlProcedure::VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                           const wchar_t* table, int readonly, VrlSchemaVersion version, int withSqlCode)
    : VrlSchemaObject(name, version), m_vParameters(parameters), m_strBody(body), m_strTable(table),
      m_bReadonly(readonly), m_bWithSqlCodeDeclared(withSqlCode) {
    CheckForExplicitLocking(m_strBody);
    CheckForInsertAction(m_strBody);
}

VrlProcedure::VrlProcedure(const wchar_t* name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlProcedure::VrlProcedure(const VrlProcedure& other)
    : VrlSchemaObject(other), m_vParameters(other.m_vParameters), m_strBody(other.m_strBody),
      m_strTable(other.m_strTable), m_bReadonly(other.m_bReadonly),
      m_bExplicitLocking(other.m_bExplicitLocking), m_bInsertAction(other.m_bInsertAction),
      m_bWithSqlCodeDeclared(other.m_bWithSqlCodeDeclared) {}

VrlProcedure& VrlProcedure::operator=(const VrlProcedure& other) {
    VrlSchemaObject::operator=(other);
    m_vParameters = other.m_vParameters;
    m_strBody = other.m_strBody;
    m_strTable = other.m_strTable;
    m_bReadonly = other.m_bReadonly;
    m_bExplicitLocking = other.m_bExplicitLocking;
    m_bInsertAction = other.m_bInsertAction;
    m_bWithSqlCodeDeclared = other.m_bWithSqlCodeDeclared;
    return *this;
}

VrlProcedure::~VrlProcedure() = default;

CString VrlProcedure::GetExistsFormat(const ObjectExistsFormats* formats) const {
    return formats ? CString(formats->GetProcedureFormat()) : CString();
}

VrlParam* VrlProcedure::GetParameter(LONG index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_vParameters.size())
        return nullptr;
    return m_vParameters[static_cast<size_t>(index)];
}

VrlParam* VrlProcedure::GetParameterByName(const wchar_t* name) const {
    CString searched(name);
    searched.MakeLower();
    for (VrlParam* parameter : m_vParameters) {
        if (parameter != nullptr && parameter->GetLowerName().Find(searched.GetString()) >= 0)
            return parameter;
    }
    DuxException::Throw(4074, __FILE__, __LINE__, name ? name : L"");
}

// Whether a routine locks or inserts is the caller's statement, passed to the
// constructor; the body is deliberately not parsed for it.
void VrlProcedure::CheckForExplicitLocking(CString) {}

void VrlProcedure::CheckForInsertAction(CString) {}

} // namespace VrlSchemaLib
