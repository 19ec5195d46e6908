// VrlCheckFinding: one thing the model check found wrong or doubtful about a
// schema for one target. Codes are stable: tools and hosts may filter on them
// and docs/schema-format.md lists every one.
#pragma once

#include <string>

#include "../platform/CString.h"

namespace VrlSchemaLib {

enum class VrlCheckSeverity {
    Error,   // the generated SQL would be wrong, fail or lose data
    Warning, // the SQL runs, but probably not as the author meant
};

struct VrlCheckFinding {
    VrlCheckSeverity severity = VrlCheckSeverity::Error;
    std::string code;
    // Where in the model: "tables/Customer/fields/Title",
    // "procedures/procX/parameters/@id", "tables/T/data/rows/2/Name".
    CString objectPath;
    // Where in the schema file, when the model came from one; else empty.
    std::string jsonPath;
    // What is wrong and what would be right.
    CString message;

    bool IsError() const { return severity == VrlCheckSeverity::Error; }
};

} // namespace VrlSchemaLib
