// The process-wide chain of string tables. Hosts register their tables first
// (the error texts 4023 to 4111 are the host's); the library's own table
// joins when the host calls InitVrlSchemaDll. A lookup searches the tables in
// registration order and takes the first that holds the id.
#pragma once

#include <cstddef>

#include "PlatformTypes.h"

struct StringResource {
    UINT id;
    const wchar_t* text;
};

// Appends a table to the chain; entries need not be sorted. The table must
// outlive its registration. Registering the same table twice has no effect.
void AfxRegisterStringTable(const StringResource* entries, size_t count);
// Removes a table from the chain (no effect when it is not registered).
void AfxUnregisterStringTable(const StringResource* entries);
// The text of the first table in the chain that holds the id, or nullptr.
const wchar_t* AfxFindStringResource(UINT id);
