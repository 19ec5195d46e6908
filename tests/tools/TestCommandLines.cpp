// The command lines of texts/command-lines.txt through the real binary, one
// test per section of the file, which says how its cases read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "ToolProcess.h"

using namespace VrlSchemaToolTest;
namespace fs = std::filesystem;

namespace {

const std::string kData = VRLSCHEMA_TEST_DATA_DIR;

struct Expected { // of standard output, standard error or a file
    std::string whole, file;
    std::vector<std::string> holds, lacks;
    bool compareWhole = true, same = false;
};

struct Case {
    int line = 0;
    std::string words, input, entries;
    int code = 0;
    std::vector<std::pair<std::string, std::string>> files;
    std::map<std::string, Expected> expected{{"1", {}}, {"2", {}}};
};

struct Section {
    std::string name;
    std::vector<Case> cases;
};

void PrintTo(const Section& section, std::ostream* os) {
    *os << section.name;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<Section> ReadSections() {
    std::vector<Section> sections;
    std::ifstream in(kData + "/tools/texts/command-lines.txt");
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const std::string tag = line.substr(0, line.find(' '));
        const std::string text = line.size() > tag.size() ? line.substr(tag.size() + 1) : "";
        if (tag == "$") {
            sections.back().cases.emplace_back().line = number;
            sections.back().cases.back().words = text;
            continue;
        }
        Case& c = sections.back().cases.back();
        if (tag == "+")
            c.files.emplace_back(text.substr(0, text.find(' ')), text.substr(text.find(' ') + 1));
        else if (tag == "0|")
            c.input += text + "\n";
        else if (tag == "?")
            c.code = std::stoi(text);
        else if (tag == "@")
            c.entries += (c.entries.empty() ? "" : " ") + text;
        else {
            Expected& e = c.expected[tag.substr(0, tag.size() - 1)];
            switch (tag.back()) {
            case '|':
                e.whole += text + "\n";
                break;
            case '~':
                e.holds.push_back(Replace(text, "\\n", "\n"));
                e.compareWhole = false;
                break;
            case '!':
                e.lacks.push_back(Replace(text, "\\n", "\n"));
                e.compareWhole = false;
                break;
            case '*':
                e.compareWhole = false;
                break;
            default: // '<' a file, '^' the case before
                e.file = tag.back() == '^' ? "^" : text;
            }
        }
    }
    return sections;
}

void Compare(const std::string& stream, const Expected& e, const std::string& actual,
             const std::string& previous, const std::string& dir) {
    if (e.file == "^") {
        EXPECT_EQ(previous, actual) << stream << " is not that of the case before";
    } else if (!e.file.empty() && std::getenv("VRLSCHEMA_UPDATE_GOLDEN")) {
        WriteText(kData + "/" + e.file, actual);
    } else if (!e.file.empty()) {
        EXPECT_EQ(ReadText(kData + "/" + e.file), actual) << stream << " is not " << e.file;
    } else if (e.compareWhole) {
        EXPECT_EQ(Replace(e.whole, "$DIR", dir), actual) << stream;
    }
    for (const std::string& text : e.holds)
        EXPECT_NE(std::string::npos, actual.find(Replace(text, "$DIR", dir))) << stream << " lacks: " << text;
    for (const std::string& text : e.lacks)
        EXPECT_EQ(std::string::npos, actual.find(Replace(text, "$DIR", dir))) << stream << " holds: " << text;
}

class CommandLines : public ::testing::TestWithParam<Section> {};

TEST_P(CommandLines, RunAsWritten) {
    std::string previous[2];
    for (const Case& c : GetParam().cases) {
        SCOPED_TRACE("command-lines.txt:" + std::to_string(c.line) + ": vrlschema " + c.words);
        const fs::path folder = FreshDir("lines");
        const std::string dir = folder.string();
        fs::copy_file(kShopSchema, folder / "shop.json");
        for (const auto& [path, text] : c.files) {
            fs::create_directories((folder / path).parent_path());
            WriteText(folder / path, text + "\n");
        }
        const std::string words = Replace(Replace(c.words, "$DIR", dir), "$SOURCE", VRLSCHEMA_SOURCE_DIR);
        const ToolRun r = RunTool(words, c.input, dir);
        EXPECT_EQ(c.code, r.code);
        for (const auto& [stream, e] : c.expected) { // "1", "2" or a file's path
            const bool standard = stream == "1" || stream == "2";
            EXPECT_TRUE(standard || fs::is_regular_file(folder / stream)) << "no file " << stream;
            const std::string actual = stream == "1"   ? r.out
                                       : stream == "2" ? r.err
                                                       : ReadText(folder / stream);
            Compare(stream, e, actual, standard ? previous[stream == "2"] : "", dir);
        }
        EXPECT_TRUE(c.entries.empty() || Replace(c.entries, "$DIR", dir) == Entries(folder))
            << "the folder holds: " << Entries(folder);
        previous[0] = r.out;
        previous[1] = r.err;
        fs::remove_all(folder);
    }
}

INSTANTIATE_TEST_SUITE_P(, CommandLines, ::testing::ValuesIn(ReadSections()),
                         [](const auto& info) { return info.param.name; });

} // namespace
