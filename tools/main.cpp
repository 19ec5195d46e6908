#include <iostream>
#include <string>
#include <vector>

#include "ToolCommand.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return VrlSchemaTool::RunTool(args, std::cin, std::cout, std::cerr);
}
