// VrlTable: one table of a schema: fields and constraints (each merged by
// version under the table's own version), description, seed data, buffering,
// locale columns, and one record of per-database attributes per root type
// (flags, external and old names, child tables, version table and column,
// import and convert routines, status column).
//
// A table does not own its fields, constraints or table data; the caller
// keeps them alive as LONG as the table. A copy shares them with the source
// but duplicates the per-root-type records.
#pragma once

#include <vector>

#include "../platform/CMap.h"
#include "../platform/CString.h"
#include "../platform/CStringArray.h"
#include "CSchemaObjectCollection.h"
#include "VrlConstraint.h"
#include "VrlEnums.h"
#include "VrlField.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlSchema;
class VrlTableData;

class VrlTable : public VrlSchemaObject {
public:
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields, const wchar_t* lightView,
             LONG bufferSize, unsigned int descriptionId, const VrlTableData* tableData,
             VrlTableRootType rootType, VrlSchemaVersion version);
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields, const wchar_t* lightView,
             LONG bufferSize, unsigned int descriptionId, VrlTableRootType rootType,
             VrlSchemaVersion version);
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
             const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
             unsigned int descriptionId, const wchar_t* localeLookupField, const wchar_t* localeQuery,
             VrlTableRootType rootType, VrlSchemaVersion version);
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
             const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
             unsigned int descriptionId, const VrlTableData* tableData, const VrlTableData* tableDataEnglish,
             VrlTableRootType rootType, VrlSchemaVersion version);
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
             const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
             unsigned int descriptionId, const VrlTableData* tableData, VrlTableRootType rootType,
             VrlSchemaVersion version);
    VrlTable(const wchar_t* name, const std::vector<VrlField*>& fields,
             const std::vector<VrlConstraint*>& constraints, const wchar_t* lightView, LONG bufferSize,
             unsigned int descriptionId, VrlTableRootType rootType, VrlSchemaVersion version);
    // Dropped marker: the table of this name is gone as of `version`.
    VrlTable(const wchar_t* name, VrlSchemaVersion version);
    // The locale lookup field, locale query and DB-copy-root mark are not
    // copied: a copy has them empty and false, an assigned table keeps its own.
    VrlTable(const VrlTable& other);
    VrlTable& operator=(const VrlTable& other);
    ~VrlTable() override;

    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;

    // Fields in insertion order. GetField(LONG) raises 4055 out of range;
    // name lookups are case-insensitive and return null when absent.
    LONG GetFieldCount() const;
    VrlField* GetField(LONG index) const;
    VrlField* GetField(const wchar_t* name) const;
    bool HasField(const wchar_t* name) const;

    // Constraints in insertion order. GetConstraint(LONG) raises 4078.
    LONG GetConstraintCount() const;
    VrlConstraint* GetConstraint(LONG index) const;
    VrlConstraint* GetConstraint(const wchar_t* name) const;
    // First constraint of type primary key, or null.
    VrlConstraint* GetPrimaryKeyConstraint() const;
    // First column of the primary key; "" when there is none.
    CString GetPrimaryKeyFieldName() const;

    // Clears `out`, appends the fake fields in order and returns their number.
    LONG GetFakeFields(std::vector<VrlField*>& out) const;
    // No fields, or only fake ones.
    bool IsFaked() const;

    CString GetDescription() const { return m_strDescription; }
    CString GetLightView() const { return m_strLightView; }
    LONG GetBufferSize() const { return m_lBufferSize; }
    bool IsBuffered() const { return m_lBufferSize > 0; }
    const VrlTableData* GetVrlTableData() const { return m_pTableData; }
    const VrlTableData* GetVrlTableDataEnglish() const { return m_pTableDataEnglish; }
    // Table data with at least one row.
    bool HasDefaultValues() const;
    CString GetLocaleLookupField() const { return m_strLocaleLookupField; }
    CString GetLocaleQry() const { return m_strLocaleQuery; }
    int HasSupportLocaleFormatField() const { return m_bSupportLocaleFormatField; }
    int GetIsSelfReferential() const { return m_bSelfReferential; }
    int IsDBCopyRootTable() const { return m_bDBCopyRootTable; }
    // Marks the table as the root of a database copy, which pins its current
    // root type once it has one (see SetCurrentRootType). Callers that copy
    // databases set it; tables start unmarked.
    void SetDBCopyRootTable(int dbCopyRootTable) { m_bDBCopyRootTable = dbCopyRootTable; }
    VrlTableRootType GetCurrentRootType() const { return m_eCurrentRootType; }

    // Per-root-type attributes of the current root type. Readers raise 4111
    // ("Invalid Root Type: <name>") when the current root type has no record;
    // writers create it. String readers point into the record.
    int GetFlag(VrlTableFlag flag) const;
    void SetFlag(VrlTableFlag flag);
    const wchar_t* GetExternalName() const;
    void SetExternalName(const wchar_t* name);
    VrlDatabaseVersion GetDatabaseVersion() const;
    void SetDatabaseVersion(VrlDatabaseVersion version);
    LONG GetChildCount() const;
    // Out of range raises the framework's invalid-argument exception.
    const wchar_t* GetChild(LONG index) const;
    // Appends unless an equal name (case-sensitive) is present.
    void SetChild(const wchar_t* child);
    const wchar_t* GetExtCollectionName() const;
    void SetExtCollectionName(const wchar_t* name);
    const wchar_t* GetOldName() const;
    void SetOldName(const wchar_t* name);
    const wchar_t* GetOldExtName() const;
    void SetOldExtName(const wchar_t* name);
    const wchar_t* GetOldExtCollectionName() const;
    void SetOldExtCollectionName(const wchar_t* name);
    const wchar_t* GetDbVersionTable() const;
    void SetDbVersionTable(const wchar_t* table);
    const wchar_t* GetDbVersionColumn() const;
    void SetDbVersionColumn(const wchar_t* column);
    const wchar_t* GetImportRoutine() const;
    void SetImportRoutine(const wchar_t* routine);
    const wchar_t* GetConvertRoutine() const;
    void SetConvertRoutine(const wchar_t* routine);
    const wchar_t* GetStatusColumnName() const;
    void SetStatusColumnName(const wchar_t* column);

    // A DB-copy root table keeps the first root type it was given (other
    // than 0); any other table takes `rootType`. The record of the resulting
    // root type is created if missing, and every field follows the table.
    void SetCurrentRootType(const VrlTableRootType& rootType);
    // Sets (never clears) the self-referential mark when a foreign key of
    // type 3 references `tableName` (case-sensitive).
    void SetIsSelfReferential(const wchar_t* tableName);
    // The extended table of the first memo field (types 16 and 22), looked up
    // in `schema` (raising 4070 when the schema lacks it); null without one.
    VrlTable* GetMemoTable(const VrlSchema* schema) const;
    // Name of the buffered read routine for a database of `version`; "" when
    // the table is not buffered.
    CString GetBufferFunction(VrlDatabaseVersion version) const;

protected:
    VrlField* LookupField(const wchar_t* name) const;
    void AddFields(const std::vector<VrlField*>& fields);
    void AddConstraints(const std::vector<VrlConstraint*>& constraints);

private:
    struct DBCopyData {
        int flags = 0;
        CString externalName;
        VrlDatabaseVersion databaseVersion = static_cast<VrlDatabaseVersion>(0);
        CStringArray children;
        CString extCollectionName;
        CString oldName;
        CString oldExtName;
        CString oldExtCollectionName;
        CString dbVersionTable;
        CString dbVersionColumn;
        CString importRoutine;
        CString convertRoutine;
        CString statusColumnName;
    };

    void Construct(const std::vector<VrlField*>& fields, const std::vector<VrlConstraint*>& constraints,
                   unsigned int descriptionId, VrlTableRootType rootType);
    using DBCopyDataMap = CMap<VrlTableRootType, VrlTableRootType, DBCopyData*, DBCopyData*>;

    const DBCopyData* GetDBCopyData() const;
    DBCopyData* GetDBCopyDataCreateIfNeeded();
    void CopyDBCopyData(const DBCopyDataMap& source);
    void FreeDBCopyData();

    CSchemaObjectCollection m_oFields;
    CSchemaObjectCollection m_oConstraints;
    CString m_strLightView;
    LONG m_lBufferSize = 0;
    CString m_strDescription;
    const VrlTableData* m_pTableData = nullptr;
    const VrlTableData* m_pTableDataEnglish = nullptr;
    int m_bDBCopyRootTable = 0;
    VrlTableRootType m_eCurrentRootType = rtUndefined;
    // Owns its records. A root type whose record nothing has written to
    // maps to null, which reads as a new record: most tables never get a
    // per-root-type attribute, and keep 128 bytes each.
    DBCopyDataMap m_oDBCopyData{10};
    int m_bSelfReferential = 0;
    int m_bSupportLocaleFormatField = 0;
    CString m_strLocaleLookupField;
    CString m_strLocaleQuery;
};

} // namespace VrlSchemaLib
