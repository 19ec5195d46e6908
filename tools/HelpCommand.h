// The help of the tool and of each command, built from the command and option
// tables, and the help command that shows it.
#pragma once

#include <string>

#include "ToolCommands.h"

namespace VrlSchemaTool {

std::string ToolHelp();
std::string CommandHelp(const CommandSpec& command);

int RunHelp(const Invocation& invocation, ToolStreams& io);

} // namespace VrlSchemaTool
