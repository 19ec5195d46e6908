// Reading the data files kept beside the tests, under VRLSCHEMA_TEST_DATA_DIR
// (the tests/ folder of the source tree).
//
// A case file holds cases separated by lines "----". A case opens with lines
// "key: value" (a lower-case key) and goes on with its text, kept as written (without its last
// line end). Lines starting with "#" before a case's text are comments.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace VrlSchemaTest {

inline std::string ReadDataFile(const std::string& relativePath) {
    std::ifstream in(std::string(VRLSCHEMA_TEST_DATA_DIR) + "/" + relativePath, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read tests/" << relativePath;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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

} // namespace VrlSchemaTest
