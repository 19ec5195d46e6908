// The comment block that opens every SQL text the tool writes: what wrote it,
// how, and from what. The time is the current one in UTC, or the one
// SOURCE_DATE_EPOCH gives (seconds since 1970), for builds that must be
// reproducible.
#pragma once

#include <string>

#include "schema/VrlSchemaVersion.h"
#include "schemafile/SchemaDialect.h"

namespace VrlSchemaTool {

struct HeaderFacts {
    std::string command;
    VrlSchemaLib::Dialect dialect;
    VrlSchemaLib::VrlSchemaVersion version;
    std::string source;
};

std::string ScriptHeader(const HeaderFacts& facts);
// "V" or "V.SP", as --db-version reads it.
std::string FormatVersion(VrlSchemaLib::VrlSchemaVersion version);

} // namespace VrlSchemaTool
