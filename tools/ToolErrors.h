// The tool's own failures, one type per exit status and way of reporting.
// Library errors (DuxException) and schema-file errors (SchemaFileError) keep
// their own types; RunTool maps every kind to its exit status.
#pragma once

#include <string>

namespace VrlSchemaTool {

// The command line itself is wrong: exit status 2, followed by a pointer to
// the help of the command (or to the general help when `command` is empty).
struct UsageError {
    std::string message;
    std::string command;
};

// The command line is well formed but what it names cannot be used (a schema
// without the tables a text needs, an object the schema does not hold):
// exit status 2, no pointer to the help.
struct InputError {
    std::string message;
};

// A request the tool understands but cannot carry out for the target asked
// for: exit status 1.
struct UnsupportedError {
    std::string message;
};

// A file or standard output could not be written: exit status 1. The message
// names the path and the system's reason.
struct OutputError {
    std::string message;
};

} // namespace VrlSchemaTool
