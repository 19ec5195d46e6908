// Compiled into every test program; VRLSCHEMA_TEST_PROGRAM is the program's
// name, so that the check can tell which program's tests ran.
#include "common/DuxCodeLog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#ifndef VRLSCHEMA_TEST_PROGRAM
#define VRLSCHEMA_TEST_PROGRAM "unknown"
#endif

namespace VrlSchemaTest {

namespace {

// "<dir>/<program>.<pid>.log", or empty when no log is wanted. Every write
// opens, appends and closes, so a test that crashes later loses nothing.
const std::string& LogPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("VRLSCHEMA_DUX_CODE_LOG");
        if (dir == nullptr || *dir == '\0')
            return std::string();
        return std::string(dir) + "/" + VRLSCHEMA_TEST_PROGRAM + "." + std::to_string(getpid()) + ".log";
    }();
    return path;
}

void Append(const std::string& line) {
    if (LogPath().empty())
        return;
    if (FILE* f = std::fopen(LogPath().c_str(), "a")) {
        std::fputs(line.c_str(), f);
        std::fclose(f);
    }
}

// The file name without directory and extension: "/x/src/schema/VrlSchema.cpp"
// and "VrlSchema" both give "VrlSchema". Only ASCII is expected here.
std::string FileStem(const wchar_t* file) {
    std::string narrow;
    for (const wchar_t* p = file ? file : L""; *p != L'\0'; ++p)
        narrow += *p == L'\\' ? '/' : (*p > 0x20 && *p < 0x7F) ? static_cast<char>(*p) : '_';
    const std::string stem = std::filesystem::path(narrow).stem().string();
    return stem.empty() ? std::string("-") : stem;
}

class RanListener : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& info) override {
        Append(std::string("ran ") + VRLSCHEMA_TEST_PROGRAM + " " + info.test_suite_name() + "." +
               info.name() + "\n");
    }
};

// Appended before gtest_main runs the tests; gtest owns and deletes it.
[[maybe_unused]] const bool g_bListenerAdded = [] {
    if (!LogPath().empty())
        ::testing::UnitTest::GetInstance()->listeners().Append(new RanListener);
    return true;
}();

} // namespace

void RecordDuxCode(LONG code, const wchar_t* file, LONG line) {
    Append(std::string("code ") + VRLSCHEMA_TEST_PROGRAM + " " + std::to_string(code) + " " + FileStem(file) +
           " " + std::to_string(line) + "\n");
}

} // namespace VrlSchemaTest
