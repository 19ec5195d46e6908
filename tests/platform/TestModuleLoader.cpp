// Resource modules: a text file of "id<TAB>text" lines beside the running
// executable. The test writes its own module under a name no other test
// program uses, since the test programs share one directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/CString.h"
#include "platform/ModuleLoader.h"
#include "platform/StringResources.h"

namespace {

namespace fs = std::filesystem;

fs::path ExecutableDirectory() {
    wchar_t path[4096];
    const DWORD length = GetModuleFileNameW(nullptr, path, 4096);
    EXPECT_GT(length, 0u);
    return fs::path(WideToUtf8(std::wstring(path, length))).parent_path();
}

class ModuleFile {
public:
    ModuleFile(const std::string& name, const std::string& content) : m_path(ExecutableDirectory() / name) {
        std::ofstream(m_path, std::ios::binary) << content;
    }
    ~ModuleFile() { fs::remove(m_path); }
    ModuleFile(const ModuleFile&) = delete;
    ModuleFile& operator=(const ModuleFile&) = delete;

private:
    fs::path m_path;
};

CString Load(HMODULE module, UINT id) {
    wchar_t buffer[256];
    const int length = LoadStringW(module, id, buffer, 256);
    return CString(buffer, length);
}

} // namespace

TEST(ModuleLoader, ReadsStringsOfAModuleBesideTheExecutable) {
    // A byte-order mark, CR LF and LF line ends, escapes, a repeated id, a
    // line without an id, an empty text and a last line without a line end.
    std::ifstream in(std::string(VRLSCHEMA_TEST_DATA_DIR) + "/platform/texts/module-strings.txt",
                     std::ios::binary);
    ModuleFile file("PlatformTestStrings.dll", std::string(std::istreambuf_iterator<char>(in), {}));
    HMODULE module = LoadLibraryExW(L"PlatformTestStrings.dll", nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Load(module, 1101), L"Nordwind Gr\u00fcber AG");
    EXPECT_EQ(Load(module, 1103), L"Line\nbreak\tTab\\");
    EXPECT_EQ(Load(module, 1104), L"");
    EXPECT_EQ(Load(module, 1107), L"TRUE");
    EXPECT_EQ(Load(module, 1102), L"");

    wchar_t small[5];
    EXPECT_EQ(LoadStringW(module, 1101, small, 5), 4);
    EXPECT_STREQ(small, L"Nord");
    const wchar_t* direct = nullptr;
    EXPECT_EQ(LoadStringW(module, 1107, reinterpret_cast<wchar_t*>(&direct), 0), 4);
    EXPECT_STREQ(direct, L"TRUE");

    wchar_t path[4096];
    const DWORD length = GetModuleFileNameW(module, path, 4096);
    EXPECT_TRUE(CString(path, static_cast<int>(length)).Right(24) == L"/PlatformTestStrings.dll");
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoader, MatchesTheNameWithoutRegardToCaseAndRefusesPaths) {
    ModuleFile file("PLATFORMTESTCASE.DLL", "7\tseven\n");
    HMODULE module = LoadLibraryExW(L"PlatformTestCase.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Load(module, 7), L"seven");
    FreeLibrary(module);

    // Missing modules, paths and no name at all are refused.
    EXPECT_EQ(LoadLibraryExW(L"PlatformTestAbsent.dll", nullptr, 0), nullptr);
    EXPECT_EQ(LoadLibraryExW(L"../PlatformTestStrings.dll", nullptr, 0), nullptr);
    EXPECT_EQ(LoadLibraryExW(L"", nullptr, 0), nullptr);
    EXPECT_EQ(LoadLibraryExW(nullptr, nullptr, 0), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(ModuleLoader, NullModuleMeansTheProcessStringChain) {
    static const StringResource table[] = {{93001, L"from the chain"}};
    AfxRegisterStringTable(table, 1);
    EXPECT_EQ(Load(nullptr, 93001), L"from the chain");
    AfxUnregisterStringTable(table);
    EXPECT_EQ(Load(nullptr, 93001), L"");

    wchar_t tiny[4];
    EXPECT_EQ(GetModuleFileNameW(nullptr, tiny, 4), 4u);
    EXPECT_EQ(tiny[3], L'\0');
}
