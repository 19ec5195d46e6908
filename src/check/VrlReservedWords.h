// VrlReservedWords: the words each target reserves, which an unquoted name
// must not be. The lists hold the core of each target's reserved words (the
// statement, clause and type words a schema is likely to collide with), not
// every word of every release.
#pragma once

#include <string_view>

#include "../schemafile/SchemaDialect.h"

namespace VrlSchemaLib {

class VrlReservedWords {
public:
    // Compared without regard to case.
    static bool IsReserved(Dialect target, std::wstring_view name);
};

} // namespace VrlSchemaLib
