// The vrlschema command line, as a function so that tests can run it without
// a process: arguments without the program name, output and diagnostics
// streams. Returns the exit code: 0 success, 1 generation error, 2 usage or
// input error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace VrlSchemaTool {

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace VrlSchemaTool
