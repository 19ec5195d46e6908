// VrlConstraint: a key, constraint or index of a table: primary keys, unique
// constraints, foreign keys and non-unique indexes with their columns, the
// referenced table and columns, referential actions, clustering, covering
// columns and the columns compared without regard to case.
//
// Constructors that take plain column lists honour a case marker: a column
// written "^Name" is stored as "Name" and also listed as case-insensitive.
// Kinds that are never generated (5 and 8) are dropped at construction, so
// that a schema does not keep them.
#pragma once

#include <memory>
#include <vector>

#include "../platform/CString.h"
#include "VrlEnums.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlTable;

class VrlConstraint : public VrlSchemaObject {
public:
    // Dropped marker (type primary key, no columns).
    VrlConstraint(CString name, VrlSchemaVersion version);
    // One column and one referenced column, stored as given.
    VrlConstraint(CString name, VrlConstraintType type, CString field, CString refTable, CString refField,
                  VrlOnDeleteType onDelete, VrlOnUpdateType onUpdate, ClusteredType clustered,
                  VrlSchemaVersion version);
    // One column with the case marker; no referential action.
    VrlConstraint(CString name, VrlConstraintType type, CString field, VrlSchemaVersion version,
                  bool supportNullableColumns = false);
    // Columns and referenced columns stored as given.
    VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields, CString refTable,
                  const std::vector<CString>& refFields, VrlOnDeleteType onDelete, VrlOnUpdateType onUpdate,
                  VrlSchemaVersion version);
    // Columns with the case marker, plus included (covering) columns.
    VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields,
                  const std::vector<CString>& includedFields, VrlSchemaVersion version,
                  ClusteredType clustered = clDefault, bool supportNullableColumns = false);
    // Columns with the case marker.
    VrlConstraint(CString name, VrlConstraintType type, const std::vector<CString>& fields,
                  VrlSchemaVersion version, ClusteredType clustered = clDefault,
                  bool supportNullableColumns = false);
    // A copy belongs to no table until SetTable; assignment keeps the
    // target's table.
    VrlConstraint(const VrlConstraint& other);
    VrlConstraint& operator=(const VrlConstraint& other);
    ~VrlConstraint() override;

    // The format of the constraint's kind, filled with its table's name;
    // "" for a kind without a catalogue query.
    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;

    VrlConstraintType GetType() const { return m_eType; }
    const std::vector<CString>& GetFields() const { return m_vFields; }
    CString GetRefTable() const { return m_strRefTable; }
    const std::vector<CString>& GetRefFields() const { return Lists().refFields; }
    const std::vector<CString>& GetIncludedFields() const { return Lists().includedFields; }
    const std::vector<CString>& GetCaseInsensitiveFields() const { return Lists().caseInsensitiveFields; }
    VrlOnDeleteType GetOnDeleteType() const { return m_eOnDelete; }
    VrlOnUpdateType GetOnUpdateType() const { return m_eOnUpdate; }
    bool IsClustered() const { return m_eClustered == clClustered; }
    bool IsSupportNullableColumns() const { return m_bSupportNullableColumns; }
    const VrlTable* GetTable() const { return m_pTable; }
    void SetTable(const VrlTable* table) { m_pTable = table; }
    // True when `field` is among the case-insensitive columns, compared
    // without regard to case.
    bool IsCaseInsensitive(const CString& field) const;

private:
    void AddFieldsWithCaseMarker(const std::vector<CString>& fields);
    void DropIfDonotGenerate();

    // The column lists only some constraints have (foreign keys, indexes
    // with included or case-insensitive columns): kept apart, so that the
    // others cost a pointer for them.
    struct OtherLists {
        std::vector<CString> refFields;
        std::vector<CString> includedFields;
        std::vector<CString> caseInsensitiveFields;
    };
    const OtherLists& Lists() const;
    OtherLists& ListsCreateIfNeeded();
    void SetLists(const std::vector<CString>& refFields, const std::vector<CString>& includedFields);

    // The members are ordered so that the padding is small: the first one
    // fits in the tail of the base object.
    VrlConstraintType m_eType = ctPrimaryKey;
    std::vector<CString> m_vFields;
    CString m_strRefTable;
    VrlOnDeleteType m_eOnDelete = odNone;
    VrlOnUpdateType m_eOnUpdate = ouNoAction;
    ClusteredType m_eClustered = clDefault;
    bool m_bSupportNullableColumns = false;
    const VrlTable* m_pTable = nullptr;
    std::unique_ptr<OtherLists> m_pLists;
};

} // namespace VrlSchemaLib
