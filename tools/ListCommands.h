// The commands that show what a schema holds rather than generate it:
// exists, columns, list, and sample, the starting point of a schema file.
#pragma once

#include "ToolCommands.h"

namespace VrlSchemaTool {

int RunExists(const Invocation& invocation, ToolStreams& io);
int RunColumns(const Invocation& invocation, ToolStreams& io);
int RunList(const Invocation& invocation, ToolStreams& io);
int RunSample(const Invocation& invocation, ToolStreams& io);

} // namespace VrlSchemaTool
