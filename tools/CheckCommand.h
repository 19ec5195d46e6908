// The model check on the command line: `vrlschema check` prints the findings
// of a schema for one or more dialects; every command that writes SQL passes
// through CheckBeforeGenerating first, so that a schema with an error is
// never turned into SQL.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "check/VrlCheckFinding.h"
#include "schemafile/SchemaFile.h"

namespace VrlSchemaTool {

struct CheckSettings {
    bool quiet = false;  // no warnings on standard error
    bool strict = false; // warnings stop generation (and fail `check`) too
    bool json = false;   // `check --format json`
    bool unicodeLiterals = false;
};

// Thrown when the check stops generation; the findings have been written.
struct CheckFailed {};

using SchemaLoader = std::function<std::unique_ptr<VrlSchemaLib::SchemaFile>(VrlSchemaLib::Dialect)>;

// Runs the check of `file` for `dialect`: errors (and with `strict`,
// warnings) are written to `err` and raise CheckFailed; otherwise the
// warnings are written to `err` unless `quiet`.
void CheckBeforeGenerating(const VrlSchemaLib::SchemaFile& file, VrlSchemaLib::Dialect dialect,
                           const CheckSettings& settings, std::ostream& err);

// `vrlschema check`: the findings of every dialect to `out`, one line each or
// a JSON list. Returns 0 without errors, 2 with.
int RunCheck(const SchemaLoader& load, const std::vector<VrlSchemaLib::Dialect>& dialects,
             const CheckSettings& settings, std::ostream& out);

// One finding as a line: "file: JSON path: dialect: severity: code: object: message".
std::string FindingLine(const std::string& file, VrlSchemaLib::Dialect dialect,
                        const VrlSchemaLib::VrlCheckFinding& finding);

} // namespace VrlSchemaTool
