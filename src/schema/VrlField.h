// VrlField: one column of a table. Beside its type, default and description,
// a field keeps one record of attributes per database that its table can be
// placed in (the root type): flags, external and old names, translate and
// parent-key tables, order number and XML default. The current root type,
// normally set for all fields at once by the owning table, selects the
// record that the per-root-type accessors read and write.
#pragma once

#include <map>
#include <memory>

#include "../platform/COleVariant.h"
#include "../platform/CString.h"
#include "VrlDataDefinition.h"
#include "VrlEnums.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlTable;

class VrlField : public VrlSchemaObject {
public:
    // Description given as a string-resource id, loaded and branded.
    VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
             VrlNullType nullType, unsigned int descriptionId, int fake, VrlPasteAction pasteAction,
             VrlSchemaVersion version, int resourceBased, int convertFormat);
    // Description given as text, branded.
    VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
             VrlNullType nullType, CString description, int fake, VrlPasteAction pasteAction,
             VrlSchemaVersion version, int resourceBased, int convertFormat);
    // Dropped marker: the column of this name is gone as of `version`.
    VrlField(const wchar_t* name, VrlSchemaVersion version);
    // The same three, the name sharing the storage of `name` (for a reader
    // that holds each name of a model once).
    VrlField(const CString& name, VrlDataDefinition definition, COleVariant defaultValue,
             VrlNullType nullType, unsigned int descriptionId, int fake, VrlPasteAction pasteAction,
             VrlSchemaVersion version, int resourceBased, int convertFormat);
    VrlField(const CString& name, VrlDataDefinition definition, COleVariant defaultValue,
             VrlNullType nullType, CString description, int fake, VrlPasteAction pasteAction,
             VrlSchemaVersion version, int resourceBased, int convertFormat);
    VrlField(const CString& name, VrlSchemaVersion version);
    // Copies every member, the per-root-type records and the table pointer.
    VrlField(const VrlField& other);
    VrlField& operator=(const VrlField& other);
    ~VrlField() override;

    // The column format of the dialect, filled with the owning table's name.
    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;
    virtual int IsResourceBasedField() const { return m_bResourceBased; }

    const VrlDataDefinition* GetDataDefinition() const { return &m_oDataDefinition; }
    VrlDataType GetDataType() const { return m_oDataDefinition.GetDataType(); }
    LONG GetLength() const { return m_oDataDefinition.GetLength(); }
    COleVariant GetDefaultValue() const { return GetDefaultValueRef(); }
    // The stored default itself, for readers that copy it only if they must.
    // A field without a default reads as VT_EMPTY.
    const COleVariant& GetDefaultValueRef() const;
    VrlNullType GetNullType() const { return m_eNullType; }
    void SetNullType(VrlNullType nullType) { m_eNullType = nullType; }
    CString GetDescription() const { return m_pExtras ? m_pExtras->description : CString(); }
    // Stored as given, without branding.
    void SetDescription(const wchar_t* description);
    int IsFake() const { return m_bFake; }
    VrlPasteAction GetPasteAction() const { return m_ePasteAction; }
    const VrlTable* GetTable() const { return m_pTable; }
    void SetTable(const VrlTable* table) { m_pTable = table; }
    int IsConvertFormat() const { return m_bConvertFormat; }
    VrlTableRootType GetCurrentRootType() const { return m_eCurrentRootType; }
    void SetCurrentRootType(const VrlTableRootType& rootType) { m_eCurrentRootType = rootType; }

    // Per-root-type attributes of the current root type. Readers never
    // create a record (without one they see 0, "" and order number -1);
    // writers create it. String readers point into the record and stay
    // valid until that value changes or the field is destroyed.
    int GetFlag(VrlFieldFlag flag) const;
    void SetFlag(VrlFieldFlag flag); // or-s the bits in; never clears
    const wchar_t* GetExternalName() const;
    void SetExternalName(const wchar_t* name);
    const wchar_t* GetTranslateTable() const;
    void SetTranslateTable(const wchar_t* table);
    const wchar_t* GetParentKeyTable() const;
    void SetParentKeyTable(const wchar_t* table);
    LONG GetOrderNumber() const;
    void SetOrderNumber(LONG orderNumber);
    const wchar_t* GetOldName() const;
    void SetOldName(const wchar_t* name);
    const wchar_t* GetOldExtName() const;
    void SetOldExtName(const wchar_t* name);
    const wchar_t* GetXmlDefault() const;
    void SetXmlDefault(const wchar_t* xmlDefault);
    void SetXmlDefault(LONG xmlDefault); // stored as "%ld"

private:
    struct RootTypeData {
        int flags = 0;
        CString externalName;
        CString translateTable;
        CString parentKeyTable;
        LONG orderNumber = -1;
        CString oldName;
        CString oldExternalName;
        CString xmlDefault;
    };

    using RootTypeMap = std::map<VrlTableRootType, RootTypeData>;
    // What many fields lack: a default, a description, records per root
    // type. Held apart, so that a field without any of them costs one
    // pointer for all three.
    struct Extras {
        COleVariant defaultValue;
        CString description;
        std::unique_ptr<RootTypeMap> rootTypeData;
    };

    const RootTypeData* FindRootTypeData() const;
    RootTypeData& RootTypeDataCreateIfNeeded();
    Extras& ExtrasCreateIfNeeded();
    // Keeps a default and a description only when there is one.
    void SetExtras(COleVariant defaultValue, CString description);
    static std::unique_ptr<Extras> CopyExtras(const Extras* extras);

    // A model holds fields by the hundred thousand, so the members are
    // ordered to leave no padding: the marks and the null type fill the tail
    // of the base object. The three marks are given as int and kept as bools
    // (a non-zero mark reads back as 1); the null type and the paste action
    // keep every value a caller gives them.
    bool m_bFake = false;
    bool m_bResourceBased = false;
    bool m_bConvertFormat = false;
    VrlNullType m_eNullType = ntDefault;
    VrlDataDefinition m_oDataDefinition;
    VrlPasteAction m_ePasteAction = paNone;
    VrlTableRootType m_eCurrentRootType = rtUndefined;
    std::unique_ptr<Extras> m_pExtras;
    const VrlTable* m_pTable = nullptr;
};

} // namespace VrlSchemaLib
