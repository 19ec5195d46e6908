// The all command: every chosen target's texts into one folder, all or
// nothing.
#pragma once

#include "ToolCommands.h"

namespace VrlSchemaTool {

int RunAll(const Invocation& invocation, ToolStreams& io);

} // namespace VrlSchemaTool
