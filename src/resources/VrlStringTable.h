// The library's own string table: the descriptions of the product's tables
// and columns, and the fallback error text. The entries come from
// VrlStringTable.txt, compiled in at build time.
#pragma once

#include <cstddef>

#include "../platform/StringResources.h"

namespace VrlSchemaLib {

// The entries of the library's table and their number.
const StringResource* GetVrlStringTable(size_t* count);

} // namespace VrlSchemaLib
