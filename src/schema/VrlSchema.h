// VrlSchema: one complete schema at one version: tables, views, procedures
// and functions, each merged by version into its collection under the
// schema's version (see CSchemaObjectCollection).
//
// The schema owns none of its objects: tables, views, routines and
// everything below them belong to the caller that built them and must
// outlive every schema that refers to them. A copy shares all objects.
//
// Lookups by name are case-insensitive. The name-keyed accessors check their
// name arguments for null in argument order and raise the code of the first
// missing one; nothing is changed before an error is raised.
#pragma once

#include <vector>

#include "../platform/CObject.h"
#include "../platform/CString.h"
#include "CSchemaObjectCollection.h"
#include "VrlEnums.h"
#include "VrlFunction.h"
#include "VrlProcedure.h"
#include "VrlSchemaVersion.h"
#include "VrlTable.h"
#include "VrlView.h"

namespace VrlSchemaLib {

class VrlSchema : public CObject {
public:
    VrlSchema(VrlSchemaVersion version, const std::vector<VrlTable*>& tables,
              const std::vector<VrlView*>& views, const std::vector<VrlProcedure*>& procedures,
              const std::vector<VrlFunction*>& functions);
    VrlSchema(const VrlSchema& other);
    VrlSchema& operator=(const VrlSchema& other);
    ~VrlSchema() override;

    // Same version and the same object pointers in the same order under the
    // same names (identity, not a deep comparison).
    bool operator==(const VrlSchema& other) const;

    VrlSchemaVersion GetSchemaVersion() const { return m_oVersion; }
    VrlDatabaseVersion GetVersion() const { return m_oVersion.GetVersion(); }

    LONG GetTableCount() const { return m_oTables.GetCount(); }
    LONG GetViewCount() const { return m_oViews.GetCount(); }
    LONG GetProcedureCount() const { return m_oProcedures.GetCount(); }
    LONG GetFunctionCount() const { return m_oFunctions.GetCount(); }

    // Index lookups raise 4071 / 4073 / 4075 / 4077 out of range; name lookups
    // raise 4070 / 4072 / 4074 / 4076 with the name (4070 without arguments for
    // a null table name). The root-type forms set the table's current root
    // type before returning it.
    VrlTable* GetTable(LONG index) const;
    VrlTable* GetTable(LONG index, VrlTableRootType rootType) const;
    VrlTable* GetTable(const wchar_t* name) const;
    VrlTable* GetTable(const wchar_t* name, VrlTableRootType rootType) const;
    // Null when the schema has no such table (or the name is null).
    VrlTable* GetTableDontThrow(const wchar_t* name) const;
    VrlView* GetView(LONG index) const;
    VrlView* GetView(const wchar_t* name) const;
    VrlProcedure* GetProcedure(LONG index) const;
    VrlProcedure* GetProcedure(const wchar_t* name) const;
    VrlFunction* GetFunction(LONG index) const;
    VrlFunction* GetFunction(const wchar_t* name) const;
    // The function when the name is one, else the procedure of that name.
    VrlProcedure* GetProcedureOrFunction(const wchar_t* name) const;
    // Procedure, function, table, view (searched in that order), a temporary
    // name starting with '#'; anything else raises 4111 with the name.
    CommandType GetCommandType(const wchar_t* name) const;

    // Name-keyed getters: the table must exist (4070).
    const wchar_t* GetChild(const wchar_t* table, LONG index) const; // 4084 out of range
    LONG GetChildCount(const wchar_t* table) const;
    const wchar_t* GetConvertRoutine(const wchar_t* table) const;
    const wchar_t* GetImportRoutine(const wchar_t* table) const;
    VrlDatabaseVersion GetDatabaseVersion(const wchar_t* table) const;
    const wchar_t* GetTableExternalName(const wchar_t* table) const;
    int GetTableFlag(const wchar_t* table, VrlTableFlag flag) const;
    // Raises 4054 with the table and field names for a missing field.
    VrlField* GetField(const wchar_t* table, const wchar_t* field) const;
    // A missing field reads as 0 / "".
    int GetFieldFlag(const wchar_t* table, const wchar_t* field, VrlFieldFlag flag) const;
    const wchar_t* GetParentKeyTable(const wchar_t* table, const wchar_t* field) const;
    const wchar_t* GetTranslateTable(const wchar_t* table, const wchar_t* field) const;

    // Name-keyed setters. Those marked "raising" need the table to exist
    // (4070); the others do nothing for a table the schema lacks. A missing
    // field is never an error for a setter: nothing happens.
    // Parent raising; the child is attached (and takes the parent's root
    // type) only if the schema has it.
    void SetChild(const wchar_t* parent, const wchar_t* child);
    void SetConvertRoutine(const wchar_t* table, const wchar_t* routine);                      // raising
    void SetImportRoutine(const wchar_t* table, const wchar_t* routine);                       // raising
    void SetTableStatusColumnName(const wchar_t* table, const wchar_t* column);                // raising
    void SetTableExternalName(const wchar_t* table, const wchar_t* name);                      // not raising
    void SetDatabaseVersion(const wchar_t* table, VrlDatabaseVersion version);                 // not raising
    void SetTableFlag(const wchar_t* table, VrlTableFlag flag);                                // not raising
    void SetFieldFlag(const wchar_t* table, const wchar_t* field, VrlFieldFlag flag);          // not raising
    void SetParentKeyTable(const wchar_t* table, const wchar_t* field, const wchar_t* parent); // not raising
    void SetTranslateTable(const wchar_t* table, const wchar_t* field, const wchar_t* translate); // raising

    // Root type of a database name (case-insensitive; unknown names give 0),
    // and the name of a root type ("Undefined" outside 1 to 6).
    static VrlTableRootType GetRootType(const CString& name);
    static CString GetRootTypeName(VrlTableRootType rootType);

private:
    static void CheckTableName(const wchar_t* table);
    static void CheckFieldName(const wchar_t* field);

    VrlSchemaVersion m_oVersion;
    CSchemaObjectCollection m_oTables;
    CSchemaObjectCollection m_oViews;
    CSchemaObjectCollection m_oProcedures;
    CSchemaObjectCollection m_oFunctions;
};

} // namespace VrlSchemaLib
