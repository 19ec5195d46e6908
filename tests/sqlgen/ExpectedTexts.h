// Expected SQL texts kept in reviewed data files under tests/, read at run
// time. A texts file holds named entries:
//
//     == name
//     CREATE TABLE T(\r
//     \tID int)\s
//
// The lines of an entry are joined with line feeds; blank lines before the
// next "== " line or the end are not part of it. In a line \t, \r, \n and \s
// stand for tab, carriage return, line feed and space, a backslash before any
// other character stands for that character, and a backslash at the end
// joins the line to the next one without a line feed. A literal tab, or a
// blank at the end of a line, is refused, so that every blank can be seen.
// Lines starting with # are notes. The statement files under
// dialects/golden/ use the same escapes, one statement per line.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/CString.h"

namespace VrlSchemaTest {

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
        for (const std::string& line : ReadFile(relativePath)) {
            bool joins = false;
            if (!line.empty() && line[0] != '#')
                statements.push_back(Unescape(line, joins));
        }
        return statements;
    }

private:
    explicit ExpectedTexts(const std::string& relativePath) : m_path(relativePath) {
        std::map<std::string, std::vector<std::string>> entries;
        std::vector<std::string>* entry = nullptr;
        for (const std::string& line : ReadFile(relativePath)) {
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
                m_entries[name] += Unescape(line, joins);
            }
        }
    }

    static std::vector<std::string> ReadFile(const std::string& relativePath) {
        const std::string path = std::string(VRLSCHEMA_TEST_DATA_DIR) + "/" + relativePath;
        std::ifstream file(path, std::ios::binary);
        EXPECT_TRUE(file.good()) << "cannot read " << path;
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
        return lines;
    }

    static std::string Unescape(const std::string& line, bool& joins) {
        std::string text;
        joins = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '\\') {
                text += line[i];
            } else if (++i == line.size()) {
                joins = true;
            } else {
                const char c = line[i];
                text += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 's' ? ' ' : c;
            }
        }
        return text;
    }

    std::string m_path;
    std::map<std::string, std::string> m_entries;
};

} // namespace VrlSchemaTest
