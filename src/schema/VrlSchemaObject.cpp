#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

COemMgr VrlSchemaObject::sm_oOemMgr;

VrlSchemaObject::VrlSchemaObject() = default;

VrlSchemaObject::VrlSchemaObject(const wchar_t* name) : m_strName(name) {}

VrlSchemaObject::VrlSchemaObject(const wchar_t* name, VrlSchemaVersion version)
    : m_strName(name), m_oVersion(version) {}

VrlSchemaObject::VrlSchemaObject(const CString& name, VrlSchemaVersion version)
    : m_strName(name), m_oVersion(version) {}

VrlSchemaObject::VrlSchemaObject(const VrlSchemaObject& other)
    : CObject(), m_strName(other.m_strName), m_oVersion(other.m_oVersion), m_bDropped(other.m_bDropped) {}

VrlSchemaObject& VrlSchemaObject::operator=(const VrlSchemaObject& other) {
    m_strName = other.m_strName;
    m_oVersion = other.m_oVersion;
    m_bDropped = other.m_bDropped;
    return *this;
}

VrlSchemaObject::~VrlSchemaObject() = default;

CString VrlSchemaObject::GetLowerName() const {
    CString lower(m_strName);
    lower.MakeLower();
    return lower;
}

CString VrlSchemaObject::GetExistsFormat(const ObjectExistsFormats*) const {
    return CString(L"%s");
}

} // namespace VrlSchemaLib
