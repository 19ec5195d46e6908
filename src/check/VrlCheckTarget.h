// The database targets a schema can be checked for.
#pragma once

namespace VrlSchemaLib {

enum class VrlCheckTarget { SqlServer, Oracle, DB2, Access };

// "sqlserver", "oracle", "db2", "access".
const char* VrlCheckTargetName(VrlCheckTarget target);

} // namespace VrlSchemaLib
