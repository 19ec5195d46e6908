// The manual page and the bash completion say what the tool does: the same
// commands and options as its help.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;

namespace {

const std::filesystem::path kSource(VRLSCHEMA_SOURCE_DIR);

// The part of `text` from the line `from` up to the next line `to` (or the end).
std::string Section(const std::string& text, const std::string& from, const std::string& to) {
    const size_t start = text.find(from);
    if (start == std::string::npos)
        return "";
    const size_t end = to.empty() ? std::string::npos : text.find(to, start + from.size());
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.insert((*it)[1].str());
    return found;
}

// Options where the help lists them: at the start of an entry line.
std::set<std::string> HelpOptions(const std::string& help) {
    return Matches(help, R"((?:^|\n)  (?:-[a-z], )?--([a-z-]+))");
}

std::set<std::string> HelpCommands(const std::string& help) {
    return Matches(Section(help, "Commands:\n", "\n\n"), R"(\n  ([a-z]+))");
}

std::string Complete(const std::string& line) {
    const auto dir = FreshDir("complete");
    // The words of the line; completion is asked for after the last one.
    WriteText(dir / "run.sh", "source '" + (kSource / "tools" / "completion" / "vrlschema").string() +
                                  "'\nCOMP_WORDS=(" + line +
                                  ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                  "_vrlschema\necho \"${COMPREPLY[*]}\"\n");
    const std::string out = (dir / "out").string();
    const int status = std::system(("bash '" + (dir / "run.sh").string() + "' >'" + out + "' 2>&1").c_str());
    std::string text = ReadText(out);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(0, status) << text;
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

// The words of `text`, each without the prefix `strip`.
std::set<std::string> Words(const std::string& text, const std::string& strip) {
    std::set<std::string> words;
    std::istringstream split(text);
    for (std::string w; split >> w;) {
        if (w.rfind(strip, 0) == 0)
            w.erase(0, strip.size());
        if (!w.empty())
            words.insert(w);
    }
    return words;
}

} // namespace

TEST(ToolDocs, TheManualPageAndTheCompletionHoldTheCommandsAndOptionsOfTheHelp) {
    const std::string man = ReadText(kSource / "docs" / "vrlschema.1");
    const std::string help = RunTool("--help").out;
    const std::set<std::string> helpOptions = HelpOptions(Section(help, "Options", "\n\n"));
    EXPECT_GT(helpOptions.size(), 10u);
    std::set<std::string> manOptions;
    for (std::string o : Matches(Section(man, ".SH OPTIONS", ".SH EXIT STATUS"),
                                 R"(\.TP\n\.B[IR]? (?:\\-[a-z] ?"?,? ?"? ?)?\\-\\-([a-z\\-]+))"))
        manOptions.insert(std::regex_replace(o, std::regex(R"(\\-)"), "-"));
    EXPECT_EQ(helpOptions, manOptions) << "man page options differ";
    std::set<std::string> manCommands =
        Matches(Section(man, ".SH COMMANDS", ".SH OPTIONS"), R"(\.TP\n\.B[IR]? ([a-z]+))");
    EXPECT_EQ(HelpCommands(help), manCommands);
    const std::string version = RunTool("--version").out;
    EXPECT_NE(std::string::npos, man.find("\"" + version.substr(0, version.size() - 1) + "\""))
        << "the page names another version";

    // The completion offers the commands and each command's own options.
    const std::set<std::string> commands = HelpCommands(help);
    EXPECT_EQ(commands, Words(Complete("vrlschema ''"), ""));
    EXPECT_EQ("script seed sample", Complete("vrlschema s"));
    for (const std::string& command : commands) {
        if (command == "help")
            continue;
        const std::set<std::string> options = HelpOptions(RunTool(command + " --help").out);
        EXPECT_EQ(options, Words(Complete("vrlschema --schema x.json " + command + " --"), "--")) << command;
    }
    EXPECT_EQ("oracle", Complete("vrlschema script --dialect o"));
    EXPECT_EQ("views versions", Complete("vrlschema list v"));
}
