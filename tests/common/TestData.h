// Reading the data files kept beside the tests, under VRLSCHEMA_TEST_DATA_DIR
// (the tests/ folder of the source tree). Three layouts:
//
// - Case blocks (ReadDataCases): cases separated by lines "----". A case
//   opens with lines "key: value" (a lower-case key) and goes on with its
//   text, kept as written (without its last line end). Lines starting with
//   "#" before a case's text are comments.
// - Named texts (ExpectedTexts): entries opened by a line "== name"; the
//   lines of an entry are joined with line feeds, blank lines before the next
//   "== " line or the end left out. In a line \t, \r, \n and \s stand for
//   tab, carriage return, line feed and space, a backslash before any other
//   character stands for that character, and a backslash at the end joins
//   the line to the next one without a line feed. A literal tab, or a blank
//   at the end of a line, is refused, so that every blank can be seen. Lines
//   starting with # are notes. The statement files under dialects/golden/
//   use the same escapes, one statement per line.
// - Case rows (ReadCases): one case per line in "[name]" sections, fields
//   split at blanks. A "..." part of a field keeps its blanks and reads the
//   escapes above and \xNN, \uNNNN and \UNNNNNNNN (one wide character each).
//   A field that is just "->" separates the inputs from the expected results
//   and is dropped. Lines starting with "#" are comments. Files are ASCII:
//   every other character is written as an escape.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/CString.h"

namespace VrlSchemaTest {

inline std::string ReadDataFile(const std::string& relativePath) {
    std::ifstream in(std::string(VRLSCHEMA_TEST_DATA_DIR) + "/" + relativePath, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read tests/" << relativePath;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a data file, each without its line end ("\n" or "\r\n").
inline std::vector<std::string> ReadDataLines(const std::string& relativePath) {
    std::istringstream in(ReadDataFile(relativePath));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return lines;
}

// The character the escape at line[at] (just after its backslash) stands for;
// `at` is left on the escape's last character. With `wide`, \x, \u and \U
// read a character code.
inline wchar_t Unescape(const std::string& line, size_t& at, bool wide = false) {
    const char e = line.at(at);
    if (wide && (e == 'x' || e == 'u' || e == 'U')) {
        const size_t n = e == 'x' ? 2 : e == 'u' ? 4 : 8;
        at += n;
        return static_cast<wchar_t>(std::stoul(line.substr(at - n + 1, n), nullptr, 16));
    }
    return e == 't' ? L'\t' : e == 'r' ? L'\r' : e == 'n' ? L'\n' : e == 's' ? L' ' : static_cast<wchar_t>(e);
}

struct DataCase {
    std::map<std::string, std::string> keys;
    std::string text;
    std::string Key(const std::string& key) const {
        const auto found = keys.find(key);
        return found == keys.end() ? std::string() : found->second;
    }
};

inline std::vector<DataCase> ReadDataCases(const std::string& relativePath) {
    std::vector<DataCase> cases(1);
    std::istringstream in(ReadDataFile(relativePath));
    bool inText = false;
    for (std::string line; std::getline(in, line);) {
        const size_t colon = line.find(':');
        const bool keyLine = colon != std::string::npos && colon > 0 &&
                             line.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == colon;
        if (line == "----") {
            cases.emplace_back();
            inText = false;
        } else if (!inText && line.rfind("#", 0) == 0) {
            continue;
        } else if (!inText && keyLine) {
            const size_t value = line.find_first_not_of(' ', colon + 1);
            cases.back().keys[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
        } else {
            cases.back().text += (inText ? "\n" : "") + line;
            inText = true;
        }
    }
    EXPECT_GT(cases.size(), 1u) << "too few cases in tests/" << relativePath;
    return cases;
}

class ExpectedTexts {
public:
    // The file at `relativePath` under the test data folder, read once.
    static const ExpectedTexts& Of(const std::string& relativePath) {
        static std::map<std::string, ExpectedTexts> files;
        auto found = files.find(relativePath);
        if (found == files.end())
            found = files.emplace(relativePath, ExpectedTexts(relativePath)).first;
        return found->second;
    }

    // Each row's text against the entry of the row's name.
    void Expect(std::initializer_list<std::pair<const char*, CString>> rows) const {
        for (const auto& [name, text] : rows) {
            auto entry = m_entries.find(name);
            if (entry == m_entries.end())
                ADD_FAILURE() << m_path << " has no entry " << name;
            else
                EXPECT_EQ(entry->second, text.ToUtf8()) << m_path << ", entry " << name;
        }
    }

    // The entry `name` cut at its line feeds: a list of inputs, one to a line.
    std::vector<CString> List(const std::string& name) const {
        std::vector<CString> items;
        auto entry = m_entries.find(name);
        EXPECT_NE(entry, m_entries.end()) << m_path << " has no entry " << name;
        for (size_t at = 0; entry != m_entries.end() && at <= entry->second.size();) {
            const size_t end = std::min(entry->second.find('\n', at), entry->second.size());
            items.push_back(CString(Utf8ToWide(entry->second.substr(at, end - at)).c_str()));
            at = end + 1;
        }
        return items;
    }

    // The unescaped lines of a statement file, notes and blank lines left out.
    static std::vector<std::string> Statements(const std::string& relativePath) {
        std::vector<std::string> statements;
        for (const std::string& line : ReadDataLines(relativePath)) {
            bool joins = false;
            if (!line.empty() && line[0] != '#')
                statements.push_back(UnescapeLine(line, joins));
        }
        return statements;
    }

private:
    explicit ExpectedTexts(const std::string& relativePath) : m_path(relativePath) {
        std::map<std::string, std::vector<std::string>> entries;
        std::vector<std::string>* entry = nullptr;
        for (const std::string& line : ReadDataLines(relativePath)) {
            if (line.rfind("== ", 0) == 0) {
                EXPECT_EQ(0u, entries.count(line.substr(3))) << relativePath << ": " << line << " twice";
                entry = &entries[line.substr(3)];
            } else if (entry && (line.empty() || line[0] != '#')) {
                EXPECT_TRUE(line.find('\t') == std::string::npos && (line.empty() || line.back() != ' '))
                    << relativePath << ": unmarked blank in " << line;
                entry->push_back(line);
            }
        }
        for (auto& [name, lines] : entries) {
            while (!lines.empty() && lines.back().empty())
                lines.pop_back();
            bool joins = true;
            for (const std::string& line : lines) {
                m_entries[name] += joins ? "" : "\n";
                m_entries[name] += UnescapeLine(line, joins);
            }
        }
    }

    static std::string UnescapeLine(const std::string& line, bool& joins) {
        std::string text;
        joins = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '\\')
                text += line[i];
            else if (++i == line.size())
                joins = true;
            else
                text += static_cast<char>(Unescape(line, i));
        }
        return text;
    }

    std::string m_path;
    std::map<std::string, std::string> m_entries;
};

struct CaseRow {
    std::string where; // "file:line", for SCOPED_TRACE
    std::vector<std::wstring> fields;
    size_t inputs = 0; // the fields before "->" (all without one)
    const std::wstring& operator[](size_t i) const { return fields.at(i); }
    size_t size() const { return fields.size(); }
};

// The rows of section `section` of tests/<file>; a missing file or section
// fails the test.
inline std::vector<CaseRow> ReadCases(const std::string& file, const std::string& section) {
    std::vector<CaseRow> rows;
    bool inSection = false;
    bool found = false;
    int number = 0;
    for (const std::string& line : ReadDataLines(file)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inSection = line == "[" + section + "]";
            found = found || inSection;
            continue;
        }
        if (!inSection)
            continue;
        CaseRow row{file + ":" + std::to_string(number), {}};
        for (size_t i = 0; i < line.size();) {
            if (line[i] == ' ' || line[i] == '\t') {
                ++i;
                continue;
            }
            std::wstring field;
            for (bool quoted = false; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'));
                 ++i) {
                if (line[i] == '"')
                    quoted = !quoted;
                else if (line[i] != '\\' || !quoted)
                    field += static_cast<wchar_t>(line[i]);
                else
                    field += Unescape(line, ++i, true);
            }
            if (field == L"->")
                row.inputs = row.fields.size();
            else
                row.fields.push_back(field);
        }
        row.inputs = row.inputs ? row.inputs : row.fields.size();
        rows.push_back(row);
    }
    EXPECT_TRUE(found) << "no section [" << section << "] in tests/" << file;
    return rows;
}

// A field taken as bytes (each character one byte), for narrow texts.
inline std::string Bytes(const std::wstring& field) {
    return std::string(field.begin(), field.end());
}

} // namespace VrlSchemaTest
