#include "ToolProcess.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace VrlSchemaToolTest {

namespace fs = std::filesystem;

ToolRun RunTool(const std::string& words, const std::string& input, const std::string& cwd,
                const std::string& env) {
    std::vector<std::string> args;
    std::istringstream split(words);
    for (std::string word; split >> word;)
        args.push_back(word);
    const fs::path dir = FreshDir("run");
    WriteText(dir / "in", input);
    std::string files[3] = {(dir / "in").string(), (dir / "out").string(), (dir / "err").string()};
    std::vector<char*> argv{const_cast<char*>(VRLSCHEMA_TOOL_PATH)};
    for (const std::string& a : args) {
        if (!a.empty() && (a[0] == '<' || a[0] == '>'))
            files[a[0] == '>'] = a.substr(1);
        else
            argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        for (int fd = 0; fd < 3; ++fd) {
            const int file = open(files[fd].c_str(), fd ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY, 0644);
            if (file < 0 || dup2(file, fd) < 0)
                _exit(126);
            close(file);
        }
        if (!env.empty())
            putenv(const_cast<char*>(env.c_str()));
        execv(VRLSCHEMA_TOOL_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ToolRun run;
    if (child > 0 && WIFEXITED(status))
        run = {WEXITSTATUS(status), ReadText(dir / "out"), ReadText(dir / "err")};
    fs::remove_all(dir);
    return run;
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
