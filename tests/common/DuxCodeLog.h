// The record of which error codes the tests raised. When the variable
// VRLSCHEMA_DUX_CODE_LOG names a directory, every test process appends to its
// own file there: a "ran" line when a test starts and a "code" line for each
// DuxException that ExpectDux caught, with the raising file and line. The
// coverage check that ctest runs after the suite reads these files (see
// tests/DuxCodeCoverage.cmake). Without the variable nothing is written.
#pragma once

#include "platform/PlatformTypes.h"

namespace VrlSchemaTest {

// Notes that a DuxException with `code`, raised in `file` at `line` (its
// __FILE__ and __LINE__, or what its raising site gave instead), reached a
// test.
void RecordDuxCode(LONG code, const wchar_t* file, LONG line);

} // namespace VrlSchemaTest
