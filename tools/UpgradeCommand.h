// The `upgrade` command: the script (or the step listing) that takes a
// database from one schema version to another, between two versions of one
// schema file or between two files. Its options are its own, so that the
// rest of the command line does not need to know them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "schemafile/SchemaDialect.h"

namespace VrlSchemaTool {

// `args` begins with "upgrade". Returns the exit code: 0 success, 1
// generation error, 2 usage or input error, a data-losing step refused
// included.
int RunUpgradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The upgrade script of the built-in sample from its oldest version to its
// newest, for `all`; `statements` receives the number of statements.
std::string SampleUpgradeScript(VrlSchemaLib::Dialect dialect, size_t& statements);

// The versions the built-in sample schema tells apart, oldest first.
const std::vector<std::string>& SampleSchemaVersions();

} // namespace VrlSchemaTool
