// The message texts of the library's error codes 4023 to 4111. They belong to
// the host process, not to the library: a host registers them into the
// process-wide string chain before the library's own table, so that
// DuxException finds them by code. The command-line tool and the test
// programs register this table; other hosts may bring their own wording.
// Every text consumes exactly the format arguments its raising sites pass.
#pragma once

#include <cstddef>

#include "../platform/StringResources.h"

namespace VrlSchemaLib {

// The entries of the host message table and their number.
const StringResource* GetVrlHostMessages(size_t* count);

// Registers the host message table into the string chain (idempotent).
void RegisterVrlHostMessages();

} // namespace VrlSchemaLib
