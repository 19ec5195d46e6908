#include "VrlField.h"

#include <utility>

#include "ObjectExistsFormats.h"
#include "VrlTable.h"

namespace VrlSchemaLib {

// The layout is part of the model's footprint; this keeps it from growing
// unnoticed where it is measured (64-bit, Itanium C++ ABI, which lets the
// first members share the base object's tail padding).
#if defined(__LP64__) && defined(__GNUC__)
static_assert(sizeof(VrlField) <= 80, "VrlField grew: check its member order");
#endif

VrlField::VrlField(const CString& name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, unsigned int descriptionId, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlSchemaObject(name, version), m_bFake(fake != 0), m_bResourceBased(resourceBased != 0),
      m_bConvertFormat(convertFormat != 0), m_eNullType(nullType), m_oDataDefinition(std::move(definition)),
      m_ePasteAction(pasteAction) {
    SetExtras(std::move(defaultValue), sm_oOemMgr.LoadOemString(descriptionId));
}

VrlField::VrlField(const CString& name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, CString description, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlSchemaObject(name, version), m_bFake(fake != 0), m_bResourceBased(resourceBased != 0),
      m_bConvertFormat(convertFormat != 0), m_eNullType(nullType), m_oDataDefinition(std::move(definition)),
      m_ePasteAction(pasteAction) {
    SetExtras(std::move(defaultValue), sm_oOemMgr.ReplaceTokens(description));
}

VrlField::VrlField(const CString& name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlField::VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, unsigned int descriptionId, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlField(CString(name), std::move(definition), std::move(defaultValue), nullType, descriptionId, fake,
               pasteAction, version, resourceBased, convertFormat) {}

VrlField::VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, CString description, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlField(CString(name), std::move(definition), std::move(defaultValue), nullType,
               std::move(description), fake, pasteAction, version, resourceBased, convertFormat) {}

VrlField::VrlField(const wchar_t* name, VrlSchemaVersion version) : VrlField(CString(name), version) {}

VrlField::VrlField(const VrlField& other)
    : VrlSchemaObject(other), m_bFake(other.m_bFake), m_bResourceBased(other.m_bResourceBased),
      m_bConvertFormat(other.m_bConvertFormat), m_eNullType(other.m_eNullType),
      m_oDataDefinition(other.m_oDataDefinition), m_ePasteAction(other.m_ePasteAction),
      m_eCurrentRootType(other.m_eCurrentRootType), m_pExtras(CopyExtras(other.m_pExtras.get())),
      m_pTable(other.m_pTable) {}

VrlField& VrlField::operator=(const VrlField& other) {
    if (this == &other)
        return *this;
    VrlSchemaObject::operator=(other);
    m_oDataDefinition = other.m_oDataDefinition;
    m_eNullType = other.m_eNullType;
    m_bFake = other.m_bFake;
    m_ePasteAction = other.m_ePasteAction;
    m_eCurrentRootType = other.m_eCurrentRootType;
    m_pExtras = CopyExtras(other.m_pExtras.get());
    m_pTable = other.m_pTable;
    m_bResourceBased = other.m_bResourceBased;
    m_bConvertFormat = other.m_bConvertFormat;
    return *this;
}

VrlField::~VrlField() = default;

const COleVariant& VrlField::GetDefaultValueRef() const {
    static const COleVariant none;
    return m_pExtras ? m_pExtras->defaultValue : none;
}

void VrlField::SetDescription(const wchar_t* description) {
    if (m_pExtras || (description != nullptr && *description != L'\0'))
        ExtrasCreateIfNeeded().description = description;
}

VrlField::Extras& VrlField::ExtrasCreateIfNeeded() {
    if (!m_pExtras)
        m_pExtras = std::make_unique<Extras>();
    return *m_pExtras;
}

void VrlField::SetExtras(COleVariant defaultValue, CString description) {
    if (defaultValue.vt == VT_EMPTY && description.IsEmpty())
        return;
    Extras& extras = ExtrasCreateIfNeeded();
    extras.defaultValue = std::move(defaultValue);
    extras.description = std::move(description);
}

std::unique_ptr<VrlField::Extras> VrlField::CopyExtras(const Extras* extras) {
    if (extras == nullptr)
        return nullptr;
    auto copy = std::make_unique<Extras>();
    copy->defaultValue = extras->defaultValue;
    copy->description = extras->description;
    if (extras->rootTypeData)
        copy->rootTypeData = std::make_unique<RootTypeMap>(*extras->rootTypeData);
    return copy;
}

CString VrlField::GetExistsFormat(const ObjectExistsFormats* formats) const {
    CString format;
    if (formats == nullptr)
        return format;
    const CString tableName = m_pTable ? m_pTable->GetName() : CString();
    format.Format(formats->GetColumnFormat(), tableName.GetString());
    return format;
}

const VrlField::RootTypeData* VrlField::FindRootTypeData() const {
    if (!m_pExtras || !m_pExtras->rootTypeData)
        return nullptr;
    const RootTypeMap& records = *m_pExtras->rootTypeData;
    const auto found = records.find(m_eCurrentRootType);
    return found == records.end() ? nullptr : &found->second;
}

VrlField::RootTypeData& VrlField::RootTypeDataCreateIfNeeded() {
    // operator[] inserts a record with the initial values when it is missing.
    std::unique_ptr<RootTypeMap>& records = ExtrasCreateIfNeeded().rootTypeData;
    if (!records)
        records = std::make_unique<RootTypeMap>();
    return (*records)[m_eCurrentRootType];
}

int VrlField::GetFlag(VrlFieldFlag flag) const {
    const RootTypeData* data = FindRootTypeData();
    return data ? (data->flags & flag) : 0;
}

void VrlField::SetFlag(VrlFieldFlag flag) {
    RootTypeDataCreateIfNeeded().flags |= flag;
}

const wchar_t* VrlField::GetExternalName() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->externalName.GetString() : L"";
}

void VrlField::SetExternalName(const wchar_t* name) {
    RootTypeDataCreateIfNeeded().externalName = name;
}

const wchar_t* VrlField::GetTranslateTable() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->translateTable.GetString() : L"";
}

void VrlField::SetTranslateTable(const wchar_t* table) {
    RootTypeDataCreateIfNeeded().translateTable = table;
}

const wchar_t* VrlField::GetParentKeyTable() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->parentKeyTable.GetString() : L"";
}

void VrlField::SetParentKeyTable(const wchar_t* table) {
    RootTypeDataCreateIfNeeded().parentKeyTable = table;
}

LONG VrlField::GetOrderNumber() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->orderNumber : -1;
}

void VrlField::SetOrderNumber(LONG orderNumber) {
    RootTypeDataCreateIfNeeded().orderNumber = orderNumber;
}

const wchar_t* VrlField::GetOldName() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->oldName.GetString() : L"";
}

void VrlField::SetOldName(const wchar_t* name) {
    RootTypeDataCreateIfNeeded().oldName = name;
}

const wchar_t* VrlField::GetOldExtName() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->oldExternalName.GetString() : L"";
}

void VrlField::SetOldExtName(const wchar_t* name) {
    RootTypeDataCreateIfNeeded().oldExternalName = name;
}

const wchar_t* VrlField::GetXmlDefault() const {
    const RootTypeData* data = FindRootTypeData();
    return data ? data->xmlDefault.GetString() : L"";
}

void VrlField::SetXmlDefault(const wchar_t* xmlDefault) {
    RootTypeDataCreateIfNeeded().xmlDefault = xmlDefault;
}

void VrlField::SetXmlDefault(LONG xmlDefault) {
    RootTypeDataCreateIfNeeded().xmlDefault.Format(L"%ld", xmlDefault);
}

} // namespace VrlSchemaLib
