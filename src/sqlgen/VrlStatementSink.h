// VrlStatementSink: where a generator hands each statement of a script the
// moment it is made, for callers that write a script out as it is generated
// instead of holding all of it (VrlDbms::StreamSchema).
#pragma once

#include "../platform/CString.h"

namespace VrlSchemaLib {

class VrlStatementSink {
public:
    virtual ~VrlStatementSink() = default;
    // One statement, trimmed and never empty, in script order. The sink may
    // take the text out of `statement`.
    virtual void Take(CString& statement) = 0;
};

} // namespace VrlSchemaLib
