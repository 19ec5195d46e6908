#include "VrlFunction.h"

#include "ObjectExistsFormats.h"

namespace VrlSchemaLib {

VrlFunction::VrlFunction(const wchar_t* name, VrlDataDefinition returnType,
                         const std::vector<VrlParam*>& parameters, const wchar_t* body, const wchar_t* table,
                         VrlSchemaVersion version)
    : VrlProcedure(name, parameters, body, table, 0, version, 0), m_oReturnType(returnType) {}

VrlFunction::VrlFunction(const wchar_t* name, VrlSchemaVersion version) : VrlProcedure(name, version) {}

VrlFunction::VrlFunction(const VrlFunction& other)
    : VrlProcedure(other.GetName().GetString(), other.GetParameters(), other.GetBody().GetString(),
                   other.GetTable().GetString(), 0, other.GetVersion(), 0),
      m_oReturnType(other.m_oReturnType) {
    if (other.IsDropped())
        Drop();
}

VrlFunction& VrlFunction::operator=(const VrlFunction& other) {
    VrlProcedure::operator=(other);
    m_oReturnType = other.m_oReturnType;
    return *this;
}

VrlFunction::~VrlFunction() = default;

CString VrlFunction::GetExistsFormat(const ObjectExistsFormats* formats) const {
    return formats ? CString(formats->GetFunctionFormat()) : CString();
}

} // namespace VrlSchemaLib
