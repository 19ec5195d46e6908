// VrlParam: one parameter of a stored procedure or function: its type and
// direction. Its existence query is its bare name.
#pragma once

#include "VrlDataDefinition.h"
#include "VrlEnums.h"
#include "VrlSchemaObject.h"

namespace VrlSchemaLib {

class VrlParam : public VrlSchemaObject {
public:
    VrlParam(const wchar_t* name, VrlDataDefinition definition, VrlInOutType inOut);
    VrlParam(const VrlParam& other);
    VrlParam& operator=(const VrlParam& other);
    ~VrlParam() override;

    VrlDataDefinition GetDataDefinition() const { return m_oDataDefinition; }
    VrlDataType GetDataType() const { return m_oDataDefinition.GetDataType(); }
    LONG GetLength() const { return m_oDataDefinition.GetLength(); }
    VrlInOutType GetInOutType() const { return m_eInOut; }

private:
    VrlDataDefinition m_oDataDefinition;
    VrlInOutType m_eInOut;
};

} // namespace VrlSchemaLib
