#include "check/VrlCheckTarget.h"

namespace VrlSchemaLib {

const char* VrlCheckTargetName(VrlCheckTarget target) {
    switch (target) {
    case VrlCheckTarget::SqlServer:
        return "sqlserver";
    case VrlCheckTarget::Oracle:
        return "oracle";
    case VrlCheckTarget::DB2:
        return "db2";
    case VrlCheckTarget::Access:
        return "access";
    }
    return "";
}

} // namespace VrlSchemaLib
