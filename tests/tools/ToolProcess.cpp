#include "ToolProcess.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace VrlSchemaToolTest {

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

} // namespace

ToolRun RunToolLine(const std::string& words, const std::string& input, const std::string& cwd,
                    const std::string& prefix) {
    const fs::path dir = FreshDir("run");
    WriteText(dir / "in", input);
    const std::string command = (cwd.empty() ? "" : "cd " + Quote(cwd) + " && ") + prefix +
                                Quote(VRLSCHEMA_TOOL_PATH) + " <" + Quote((dir / "in").string()) + " >" +
                                Quote((dir / "out").string()) + " 2>" + Quote((dir / "err").string()) + " " +
                                words + "; echo $? >" + Quote((dir / "code").string());
    ToolRun run;
    if (std::system(command.c_str()) == 0) {
        run = {std::stoi(ReadText(dir / "code")), ReadText(dir / "out"), ReadText(dir / "err")};
    }
    fs::remove_all(dir);
    return run;
}

ToolRun RunToolBinary(const std::vector<std::string>& args, const std::string& input) {
    std::string words;
    for (const std::string& a : args)
        words += " " + Quote(a);
    return RunToolLine(words, input);
}

fs::path FreshDir(const std::string& name) {
    // Test programs run side by side: every folder gets a name of its own.
    static std::random_device random;
    const fs::path dir =
        fs::temp_directory_path() / ("vrlschema-cli-" + name + "-" + std::to_string(random() % 100000000));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        names.push_back(e.path().lexically_relative(dir).string());
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : " ") + name;
    return list;
}

} // namespace VrlSchemaToolTest
