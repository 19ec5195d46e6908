// The vrlschema command line, as a function so that tests can run it without
// a process: arguments without the program name, and the standard streams.
// Returns the exit status: 0 success, 1 generation or output error, 2 usage
// or input error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace VrlSchemaTool {

int RunTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace VrlSchemaTool
