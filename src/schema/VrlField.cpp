#include "VrlField.h"

#include <utility>

#include "ObjectExistsFormats.h"
#include "VrlTable.h"

namespace VrlSchemaLib {

// The layout is part of the model's footprint; this keeps it from growing
// unnoticed where it is measured (64-bit, Itanium C++ ABI, which lets the
// first members share the base object's tail padding).
#if defined(__LP64__) && defined(__GNUC__)
static_assert(sizeof(VrlField) <= 136, "VrlField grew: check its member order");
#endif

VrlField::VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, unsigned int descriptionId, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlSchemaObject(name, version), m_bFake(fake != 0), m_bResourceBased(resourceBased != 0),
      m_bConvertFormat(convertFormat != 0), m_eNullType(nullType), m_oDataDefinition(std::move(definition)),
      m_oDefaultValue(std::move(defaultValue)), m_ePasteAction(pasteAction),
      m_pDescription(Described(sm_oOemMgr.LoadOemString(descriptionId))) {}

VrlField::VrlField(const wchar_t* name, VrlDataDefinition definition, COleVariant defaultValue,
                   VrlNullType nullType, CString description, int fake, VrlPasteAction pasteAction,
                   VrlSchemaVersion version, int resourceBased, int convertFormat)
    : VrlSchemaObject(name, version), m_bFake(fake != 0), m_bResourceBased(resourceBased != 0),
      m_bConvertFormat(convertFormat != 0), m_eNullType(nullType), m_oDataDefinition(std::move(definition)),
      m_oDefaultValue(std::move(defaultValue)), m_ePasteAction(pasteAction),
      m_pDescription(Described(sm_oOemMgr.ReplaceTokens(description))) {}

VrlField::VrlField(const wchar_t* name, VrlSchemaVersion version) : VrlSchemaObject(name, version) {
    Drop();
}

VrlField::VrlField(const VrlField& other)
    : VrlSchemaObject(other), m_bFake(other.m_bFake), m_bResourceBased(other.m_bResourceBased),
      m_bConvertFormat(other.m_bConvertFormat), m_eNullType(other.m_eNullType),
      m_oDataDefinition(other.m_oDataDefinition), m_oDefaultValue(other.m_oDefaultValue),
      m_ePasteAction(other.m_ePasteAction), m_eCurrentRootType(other.m_eCurrentRootType),
      m_pDescription(other.m_pDescription ? std::make_unique<CString>(*other.m_pDescription) : nullptr),
      m_pRootTypeData(other.m_pRootTypeData ? std::make_unique<RootTypeMap>(*other.m_pRootTypeData)
                                            : nullptr),
      m_pTable(other.m_pTable) {}

VrlField& VrlField::operator=(const VrlField& other) {
    if (this == &other)
        return *this;
    VrlSchemaObject::operator=(other);
    m_oDataDefinition = other.m_oDataDefinition;
    m_oDefaultValue = other.m_oDefaultValue;
    m_eNullType = other.m_eNullType;
    m_pDescription = other.m_pDescription ? std::make_unique<CString>(*other.m_pDescription) : nullptr;
    m_bFake = other.m_bFake;
    m_ePasteAction = other.m_ePasteAction;
    m_eCurrentRootType = other.m_eCurrentRootType;
    m_pRootTypeData = other.m_pRootTypeData ? std::make_unique<RootTypeMap>(*other.m_pRootTypeData) : nullptr;
    m_pTable = other.m_pTable;
    m_bResourceBased = other.m_bResourceBased;
    m_bConvertFormat = other.m_bConvertFormat;
    return *this;
}

VrlField::~VrlField() = default;

std::unique_ptr<CString> VrlField::Described(CString text) {
    return text.IsEmpty() ? nullptr : std::make_unique<CString>(std::move(text));
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
    if (!m_pRootTypeData)
        return nullptr;
    const auto found = m_pRootTypeData->find(m_eCurrentRootType);
    return found == m_pRootTypeData->end() ? nullptr : &found->second;
}

VrlField::RootTypeData& VrlField::RootTypeDataCreateIfNeeded() {
    // operator[] inserts a record with the initial values when it is missing.
    if (!m_pRootTypeData)
        m_pRootTypeData = std::make_unique<RootTypeMap>();
    return (*m_pRootTypeData)[m_eCurrentRootType];
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
