// The `upgrade` command: the script (or the step listing) that takes a
// database from one schema version to another, between two versions of one
// schema file or between two files.
#pragma once

#include <string>
#include <vector>

#include "ToolCommands.h"
#include "schemafile/SchemaDialect.h"

namespace VrlSchemaTool {

// Exit status 2 for a refused data-losing step, as for other input errors.
int RunUpgrade(const Invocation& invocation, ToolStreams& io);

// The upgrade script of the built-in sample from its oldest version to its
// newest, for `all`; `statements` receives the number of statements.
std::string SampleUpgradeScript(VrlSchemaLib::Dialect dialect, size_t& statements);

// The versions the built-in sample schema tells apart, oldest first.
const std::vector<std::string>& SampleSchemaVersions();

} // namespace VrlSchemaTool
