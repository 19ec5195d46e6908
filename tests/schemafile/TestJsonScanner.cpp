// The schema file's JSON scanner against the JSON library it stands in for:
// both accept and refuse the same texts, and report the same values with
// the same number classes; a refused schema file carries the library's
// message.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "schemafile/JsonScanner.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

// One line of text per document, alike for both readers.
std::string Number(const char* tag, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%.17g ", tag, value);
    return text;
}

class ScannerLog : public JsonEvents {
public:
    std::string log;
    void Null() override { log += "n "; }
    void Boolean(bool value) override { log += value ? "t " : "f "; }
    void Integer(int64_t value) override { log += "i" + std::to_string(value) + " "; }
    void Unsigned(uint64_t value) override { log += "u" + std::to_string(value) + " "; }
    void Float(double value) override { log += Number("d", value); }
    void String(std::string_view value) override { log += "s'" + std::string(value) + "' "; }
    void Key(std::string_view key) override { log += "k'" + std::string(key) + "' "; }
    void StartObject() override { log += "{ "; }
    void EndObject() override { log += "} "; }
    void StartArray() override { log += "[ "; }
    void EndArray() override { log += "] "; }
};

struct LibraryLog {
    using json = nlohmann::json;
    std::string log;
    bool null() { return log += "n ", true; }
    bool boolean(bool value) { return log += value ? "t " : "f ", true; }
    bool number_integer(json::number_integer_t value) {
        return log += "i" + std::to_string(value) + " ", true;
    }
    bool number_unsigned(json::number_unsigned_t value) {
        return log += "u" + std::to_string(value) + " ", true;
    }
    bool number_float(json::number_float_t value, const std::string&) {
        return log += Number("d", value), true;
    }
    bool string(std::string& value) { return log += "s'" + value + "' ", true; }
    bool binary(json::binary_t&) { return false; }
    bool start_object(size_t) { return log += "{ ", true; }
    bool key(std::string& key) { return log += "k'" + key + "' ", true; }
    bool end_object() { return log += "} ", true; }
    bool start_array(size_t) { return log += "[ ", true; }
    bool end_array() { return log += "] ", true; }
    template <class Exception> bool parse_error(size_t, const std::string&, const Exception&) {
        return false;
    }
};

TEST(JsonScanner, AcceptsAndReadsWhatTheLibraryDoes) {
    std::vector<std::string> accepted = {
        "{}",
        " \t\r\n[ ] \n",
        R"({"a" : [1, -1, 0, -0, 1.5, 1e3, 1E-3, -2.5e+2, 0.0000001, 123456789.125e-3]})",
        R"([18446744073709551615, 18446744073709551616, -9223372036854775808, -9223372036854775809])",
        "[1e-400, -1e-320, 1.7976931348623157e308]",
        R"({"t": true, "f": false, "n": null, "": "", "a": 1, "a": 2})",
        R"("\u00e9\uD83D\uDE00\"\\\/\b\f\n\r\t x")",
        "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBF \xF4\x8F\xBF\xBF\"",
        "\"a\\u0000b\"",
        "\xEF\xBB\xBF{\"bom\": 1}",
        std::string("{\"a\": 1} \0 trailing bytes", 25)};
    // Refused: structure, numbers and words, then strings and their encoding.
    std::vector<std::string> refused = {
        "",      " ",        "{",     "[",          "{\"a\"}",   "{\"a\":}", "{\"a\":1,}", "[1,]",
        "[1 2]", "[1]]",     "{} {}", "{\"a\":1}x", "{\"a\" 1}", "{1: 2}",   "/*c*/{}",    "{'a': 1}",
        "01",    "-",        "-a",    "1.",         ".5",        "1e",       "1e+",        "+1",
        "1e999", "[-1e400]", "tru",   "nul",        "fals",      "NaN"};
    const char* const escapes[] = {"\"abc",       "\"a\x01\"",          "\"\\x\"",
                                   "\"\\u12\"",   "\"\\u12g4\"",        "\"\\ud800\"",
                                   "\"\\udc00\"", "\"\\ud800\\u0041\"", "\"\\ud800x\""};
    const char* const encodings[] = {"\"\xC0\xAF\"",
                                     "\"\xC1\xBF\"",
                                     "\"\xE0\x9F\xBF\"",
                                     "\"\xED\xA0\x80\"",
                                     "\"\xF0\x8F\xBF\xBF\"",
                                     "\"\xF4\x90\x80\x80\"",
                                     "\"\xF5\x80\x80\x80\"",
                                     "\"\xE2\x82\"",
                                     "\"\x80\"",
                                     "\"\xFF\"",
                                     "\xEF\xBB{}",
                                     "\xFF"};
    refused.insert(refused.end(), std::begin(escapes), std::end(escapes));
    refused.insert(refused.end(), std::begin(encodings), std::end(encodings));
    refused.insert(refused.end(), {std::string("[\0]", 3), std::string("\0{}", 3)});
    for (const std::vector<std::string>* texts : {&accepted, &refused}) {
        for (const std::string& text : *texts) {
            ScannerLog scanned;
            JsonScanner scanner(text);
            const bool scannerAccepts = scanner.Scan(scanned);
            LibraryLog parsed;
            ASSERT_EQ(texts == &accepted, nlohmann::json::sax_parse(text, &parsed)) << text;
            ASSERT_EQ(texts == &accepted, scannerAccepts) << text;
            if (scannerAccepts) {
                EXPECT_EQ(parsed.log, scanned.log) << text;
            }
        }
    }
}

TEST(JsonScanner, ReadsDeepNestingWithoutRecursion) {
    const std::string text = std::string(100000, '[') + std::string(100000, ']');
    ScannerLog log;
    JsonScanner scanner(text);
    EXPECT_TRUE(scanner.Scan(log));
    // One bracket short of the opening ones: the last closing one is refused.
    const std::string cut = text.substr(1);
    JsonScanner scanner2(cut);
    EXPECT_FALSE(scanner2.Scan(log));
    EXPECT_EQ(cut.size() - 1, scanner2.ErrorOffset());
}

TEST(JsonScanner, RefusedSchemaFileGivesTheLibraryMessage) {
    for (const std::string text :
         {"{\"version\": 25,\n \"tables\": [tru]}", "{\"tables\": [1e999]}", "\"\xC0\""}) {
        std::string expected;
        try {
            [[maybe_unused]] const nlohmann::json doc = nlohmann::json::parse(text);
        } catch (const nlohmann::json::exception& e) {
            expected = e.what();
            expected.erase(0, expected.find("] ") + 2);
        }
        ASSERT_FALSE(expected.empty()) << text;
        try {
            SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const SchemaFileError& e) {
            EXPECT_EQ(expected, e.Reason());
        }
    }
}

} // namespace

// The progress hook is what lets a mapped schema file go page by page: each
// offset it gives must lie after an object's end that the handler has
// already been told about.
TEST(JsonScanner, ProgressComesAfterClosedObjectsAboutEveryMebibyte) {
    std::string text = "[";
    while (text.size() < 3 * JsonScanner::kProgressStep + 100)
        text += "{\"name\":\"T\",\"fields\":[1,2,3]},";
    text += "{}]";
    struct Closes : ScannerLog {
        size_t closed = 0;
        void EndObject() override { ++closed; }
    } events;
    std::vector<std::pair<size_t, size_t>> reports; // offset, objects closed by then
    JsonScanner scanner(text);
    scanner.OnProgress([&](size_t offset) { reports.emplace_back(offset, events.closed); });
    ASSERT_TRUE(scanner.Scan(events));
    ASSERT_EQ(3u, reports.size());
    size_t last = 0;
    for (const auto& [offset, closed] : reports) {
        EXPECT_EQ('}', text[offset - 1]);
        EXPECT_GE(offset, last + JsonScanner::kProgressStep);
        EXPECT_LT(offset, last + JsonScanner::kProgressStep + 40);
        // Every object before the offset was closed before the report.
        EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.begin() + offset, '}')), closed);
        last = offset;
    }
}
