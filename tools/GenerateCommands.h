// The commands that write one target's SQL text: script, seed, publish.
#pragma once

#include "ToolCommands.h"

namespace VrlSchemaTool {

int RunScript(const Invocation& invocation, ToolStreams& io);
int RunSeed(const Invocation& invocation, ToolStreams& io);
int RunPublish(const Invocation& invocation, ToolStreams& io);

} // namespace VrlSchemaTool
