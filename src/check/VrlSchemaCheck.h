// VrlSchemaCheck: a check of a schema model for one target, run before any
// SQL is generated. The generators write what the model says, however wrong
// (a foreign key to a table that does not exist, "abc" as an integer, a name
// with a blank in it); the check finds such mistakes of meaning and says
// what is wrong and what would be right, so that nothing reaches a database
// server that would fail there or quietly change data.
//
// The check reads the model through its accessors and asks a generator of
// the target for the texts it would write; it changes nothing. A model read
// from a schema file comes with the reader's record, which adds the JSON
// path of every object and what the containers merged away.
#pragma once

#include <vector>

#include "../schemafile/SchemaDialect.h"
#include "VrlCheckFinding.h"

namespace VrlSchemaLib {

class SchemaFileRecord;
class VrlSchema;

struct VrlCheckOptions {
    Dialect target = Dialect::SqlServer;
    // SQL Server: texts are written with the N prefix.
    bool unicodeLiterals = false;
    // The reader's record when the model came from a schema file.
    const SchemaFileRecord* record = nullptr;
};

class VrlSchemaCheck {
public:
    // Errors and warnings in the order of the model (tables, views,
    // procedures, functions), the schema-wide ones last.
    static std::vector<VrlCheckFinding> Run(const VrlSchema& schema, const VrlCheckOptions& options);

    static bool HasErrors(const std::vector<VrlCheckFinding>& findings);
};

} // namespace VrlSchemaLib
