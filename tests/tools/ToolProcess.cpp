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

const char* const kShopSchema = R"({
  "version": 31,
  "tables": [
    {"name": "Customer", "fields": [
        {"name": "CustomerID", "type": "dtInteger", "notNull": true},
        {"name": "Name", "type": "dtString", "length": 80},
        {"name": "Phone", "type": "dtString", "length": 20, "version": 31}],
     "constraints": [{"name": "PK_Customer", "type": "ctPrimaryKey", "fields": ["CustomerID"]}]},
    {"name": "Orders", "version": 30, "fields": [
        {"name": "OrderID", "type": "dtInteger", "notNull": true},
        {"name": "CustomerID", "type": "dtInteger"}],
     "constraints": [{"name": "PK_Orders", "type": "ctPrimaryKey", "fields": ["OrderID"]}]}
  ]
})";

ToolRun RunToolBinary(const ToolCall& call) {
    const fs::path dir = FreshDir("run");
    WriteText(dir / "in", call.input);
    std::string command = call.cwd.empty() ? "" : "cd " + Quote(call.cwd) + " && ";
    for (const auto& [name, value] : call.env)
        command += name + "=" + Quote(value) + " ";
    command += Quote(VRLSCHEMA_TOOL_PATH);
    for (const std::string& a : call.args)
        command += " " + Quote(a);
    command += " <" + Quote((dir / "in").string());
    command += " >" + Quote(call.stdoutTo.empty() ? (dir / "out").string() : call.stdoutTo);
    command += " 2>" + Quote((dir / "err").string());
    command += "; echo $? >" + Quote((dir / "code").string());
    ToolRun run;
    if (std::system(command.c_str()) != 0)
        return run;
    run.code = std::stoi(ReadText(dir / "code"));
    if (call.stdoutTo.empty())
        run.out = ReadText(dir / "out");
    run.err = ReadText(dir / "err");
    fs::remove_all(dir);
    return run;
}

ToolRun RunToolBinary(const std::vector<std::string>& args) {
    return RunToolBinary(ToolCall{args, "", "", "", {}});
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

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace VrlSchemaToolTest
