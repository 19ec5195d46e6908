// The command table: every command's name, synopsis, help text, the options
// it accepts and the function that runs it. The parser, the help and the
// suggestions all read this one table.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ToolOptions.h"

namespace VrlSchemaTool {

class Invocation;

// The streams a command reads and writes.
struct ToolStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(const Invocation& invocation, ToolStreams& io);

struct CommandSpec {
    const char* name;
    const char* operands; // synopsis of the operands, "" for none
    const char* summary;  // one line for the command list
    const char* description;
    std::vector<OptionId> options;
    // Options that may be given more than once for this command.
    std::vector<OptionId> repeatable;
    size_t minOperands;
    size_t maxOperands;
    CommandFunction run;

    bool Accepts(OptionId id) const;
    bool Repeats(OptionId id) const;
};

// Every command, in the order the help lists them.
const std::vector<CommandSpec>& AllCommands();
const CommandSpec* FindCommand(std::string_view name);
std::vector<std::string> CommandNames();

// Options that belong to no command: --help, --version, --list-dialects.
bool IsGlobalOption(OptionId id);

} // namespace VrlSchemaTool
