// VrlProcedure: a stored procedure whose SQL body the caller writes; the
// model keeps the body, the table the procedure serves, its parameters and
// four marks that are stored for the callers.
//
// Parameters are shared, not owned: the caller keeps them alive.
#pragma once

#include <vector>

#include "../platform/CString.h"
#include "VrlParam.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlProcedure : public VrlSchemaObject {
public:
    VrlProcedure(const wchar_t* name, const wchar_t* body, const wchar_t* table, int readonly,
                 int insertAction, VrlSchemaVersion version, int withSqlCode);
    VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                 const wchar_t* table, int readonly, int explicitLocking, int insertAction,
                 VrlSchemaVersion version, int withSqlCode);
    VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                 const wchar_t* table, int readonly, int insertAction, VrlSchemaVersion version,
                 int withSqlCode);
    VrlProcedure(const wchar_t* name, const std::vector<VrlParam*>& parameters, const wchar_t* body,
                 const wchar_t* table, int readonly, VrlSchemaVersion version, int withSqlCode);
    // Dropped marker: the procedure of this name is gone as of `version`.
    VrlProcedure(const wchar_t* name, VrlSchemaVersion version);
    VrlProcedure(const VrlProcedure& other);
    VrlProcedure& operator=(const VrlProcedure& other);
    ~VrlProcedure() override;

    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;

    CString GetBody() const { return m_strBody; }
    CString GetTable() const { return m_strTable; }
    int IsReadonly() const { return m_bReadonly; }
    int GetExplicitLocking() const { return m_bExplicitLocking; }
    int GetInsertAction() const { return m_bInsertAction; }
    int WithSqlCodeDeclared() const { return m_bWithSqlCodeDeclared; }
    LONG GetParameterCount() const { return static_cast<LONG>(m_vParameters.size()); }
    // Callers iterate with GetParameterCount; outside it the result is null.
    VrlParam* GetParameter(LONG index) const;
    // First parameter whose name contains `name`, both compared lower-cased
    // (so "DefID" finds "@lBatchDefID"). Raises 4074 with the name when none
    // does.
    VrlParam* GetParameterByName(const wchar_t* name) const;

protected:
    const std::vector<VrlParam*>& GetParameters() const { return m_vParameters; }

private:
    // The marks are exactly what the caller passes; the body is not examined.
    void CheckForExplicitLocking(CString body);
    void CheckForInsertAction(CString body);

    std::vector<VrlParam*> m_vParameters;
    CString m_strBody;
    CString m_strTable;
    int m_bReadonly = 0;
    int m_bExplicitLocking = 0;
    int m_bInsertAction = 0;
    int m_bWithSqlCodeDeclared = 0;
};

} // namespace VrlSchemaLib
