// VrlFunction: a SQL function: a procedure with a return type (type 17 for a
// table-valued function).
#pragma once

#include <vector>

#include "VrlDataDefinition.h"
#include "VrlProcedure.h"

namespace VrlSchemaLib {

class VrlFunction : public VrlProcedure {
public:
    VrlFunction(const wchar_t* name, VrlDataDefinition returnType, const std::vector<VrlParam*>& parameters,
                const wchar_t* body, const wchar_t* table, VrlSchemaVersion version);
    // Dropped marker.
    VrlFunction(const wchar_t* name, VrlSchemaVersion version);
    // Rebuilds the procedure part from the source's name, parameters, body,
    // table and version (the readonly and SQL-code marks become 0), copies the
    // return type and the dropped mark.
    VrlFunction(const VrlFunction& other);
    VrlFunction& operator=(const VrlFunction& other);
    ~VrlFunction() override;

    CString GetExistsFormat(const ObjectExistsFormats* formats) const override;

    VrlDataDefinition GetReturnType() const { return m_oReturnType; }

private:
    VrlDataDefinition m_oReturnType;
};

} // namespace VrlSchemaLib
