#include "VrlParam.h"

namespace VrlSchemaLib {

VrlParam::VrlParam(const wchar_t* name, VrlDataDefinition definition, VrlInOutType inOut)
    : VrlSchemaObject(name), m_oDataDefinition(definition), m_eInOut(inOut) {}

VrlParam::VrlParam(const VrlParam& other)
    : VrlSchemaObject(other), m_oDataDefinition(other.m_oDataDefinition), m_eInOut(other.m_eInOut) {}

VrlParam& VrlParam::operator=(const VrlParam& other) {
    VrlSchemaObject::operator=(other);
    m_oDataDefinition = other.m_oDataDefinition;
    m_eInOut = other.m_eInOut;
    return *this;
}

VrlParam::~VrlParam() = default;

} // namespace VrlSchemaLib
