#include <iostream>
#include <string>
#include <vector>

#include "CommandContext.h"
#include "ToolCommand.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    VrlSchemaTool::CommandContext::KeepSchemasAtExit();
    return VrlSchemaTool::RunTool(args, std::cin, std::cout, std::cerr);
}
