// Case tables kept as text files under tests/ (read through
// VRLSCHEMA_TEST_DATA_DIR): one case per line, fields split at blanks. A
// "..." part of a field keeps its blanks and reads the escapes \t \n \r \\ \"
// \xNN, \uNNNN and \UNNNNNNNN (one wide character each). A field that is just
// "->" separates the inputs from the expected results and is dropped.
// Lines starting with "#" are comments; "[name]" starts a section. Files are
// ASCII: every other character is written as an escape.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace VrlSchemaTest {

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
    const std::string path = std::string(VRLSCHEMA_TEST_DATA_DIR) + "/" + file;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    std::vector<CaseRow> rows;
    bool inSection = false;
    bool found = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
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
                if (line[i] == '"') {
                    quoted = !quoted;
                } else if (line[i] != '\\' || !quoted) {
                    field += static_cast<wchar_t>(line[i]);
                } else if (const char e = line.at(++i); e == 'x' || e == 'u' || e == 'U') {
                    const size_t n = e == 'x' ? 2 : e == 'u' ? 4 : 8;
                    field += static_cast<wchar_t>(std::stoul(line.substr(i + 1, n), nullptr, 16));
                    i += n;
                } else {
                    field += e == 't' ? L'\t' : e == 'n' ? L'\n' : e == 'r' ? L'\r' : static_cast<wchar_t>(e);
                }
            }
            if (field == L"->")
                row.inputs = row.fields.size();
            else
                row.fields.push_back(field);
        }
        row.inputs = row.inputs ? row.inputs : row.fields.size();
        rows.push_back(row);
    }
    EXPECT_TRUE(found) << "no section [" << section << "] in " << path;
    return rows;
}

// A field taken as bytes (each character one byte), for narrow texts.
inline std::string Bytes(const std::wstring& field) {
    return std::string(field.begin(), field.end());
}

} // namespace VrlSchemaTest
