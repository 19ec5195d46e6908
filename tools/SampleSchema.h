// The built-in sample schema (examples/sample-schema.json, embedded at build
// time): the schema the tool uses when no --schema file is given.
#pragma once

#include <string_view>

namespace VrlSchemaTool {

std::string_view GetSampleSchemaText();
// The name under which errors and summaries refer to the sample.
constexpr const char* kSampleSchemaName = "sample-schema.json";

} // namespace VrlSchemaTool
