// COemMgr: placeholder replacement, the built-in defaults, window texts and
// the overrides of an "Oem.dll" beside the executable.
//
// The module tests must not leave an "Oem.dll" where other test programs
// would find it, so they link the test executable into a private directory
// and run it there as a child process with OEM_CHILD set; the child runs the
// OemModuleChild tests, which write the module files next to themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "common/HostMessagesFixture.h"
#include "common/TestData.h"
#include "platform/CWnd.h"
#include "platform/ModuleLoader.h"
#include "support/COemMgr.h"
#include "support/DuxException.h"

using VrlSchemaLib::COemMgr;

namespace fs = std::filesystem;

namespace {

constexpr const char* kChildVariable = "VRLSCHEMA_OEM_CHILD";

fs::path ExecutablePath() {
    wchar_t buffer[4096];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 4096);
    return fs::path(WideToUtf8(std::wstring_view(buffer, length)));
}

// Writes "Oem.dll" beside the running executable (the child's directory).
void WriteOemModule(const std::string& lines) {
    std::ofstream(ExecutablePath().parent_path() / "Oem.dll", std::ios::binary) << lines;
}

void RemoveOemModule() {
    fs::remove(ExecutablePath().parent_path() / "Oem.dll");
}

// The five names as "company|abbreviation|name|short|prefix".
CString Names(const COemMgr& oem) {
    return oem.GetCompanyName() + L"|" + oem.GetProductAbbrev() + L"|" + oem.GetProductName() + L"|" +
           oem.GetProductShort() + L"|" + oem.GetProductPrefix();
}

bool IsChild() {
    return std::getenv(kChildVariable) != nullptr;
}

} // namespace

TEST(OemMgr, ReplaceTokensReplacesEveryKnownPlaceholderOnly) {
    COemMgr oem;
    for (const auto& row : VrlSchemaTest::ReadCases("support/texts/oem.txt", "tokens"))
        EXPECT_EQ(CString(row[1].c_str()), oem.ReplaceTokens(row[0].c_str())) << row.where;
}

TEST(OemMgr, DefaultsWithoutAModule) {
    if (IsChild())
        GTEST_SKIP() << "the child's directory holds module files";
    COemMgr oem;
    EXPECT_EQ(CString(L"Pellam Automation Corporation|PC|Pellam Capture|Pellam|Pellam"), Names(oem));
    EXPECT_TRUE(oem.IsOemFlag());
    EXPECT_EQ(COemMgr::GetOemMgr(), COemMgr::GetOemMgr());
}

TEST(OemMgr, ReplaceWindowTextTouchesDirectChildrenOnly) {
    CWnd parent(nullptr, L"{ProductName} set-up");
    CWnd first(&parent, L"Welcome to {ProductName}");
    CWnd empty(&parent, L"");
    CWnd plain(&parent, L"Next >");
    CWnd grandChild(&first, L"{ProductShort}");
    COemMgr oem;
    oem.ReplaceWindowText(&parent);
    const auto text = [](const CWnd& w) {
        CString t;
        w.GetWindowText(t);
        return t;
    };
    EXPECT_EQ(CString(L"Welcome to Pellam Capture"), text(first));
    EXPECT_EQ(CString(L"Next >"), text(plain));
    EXPECT_TRUE(text(empty).IsEmpty());
    EXPECT_EQ(CString(L"{ProductShort}"), text(grandChild));
    EXPECT_EQ(CString(L"{ProductName} set-up"), text(parent));
    oem.ReplaceWindowText(nullptr);
}

// Runs the OemModuleChild tests in a private copy of this program.
TEST(OemMgr, ModuleBesideTheExecutableOverridesTheDefaults) {
    if (IsChild())
        GTEST_SKIP() << "already the child";
    const fs::path self = ExecutablePath();
    const fs::path dir = self.parent_path() / ("oem-test-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path child = dir / self.filename();
    std::error_code linkError;
    fs::create_hard_link(self, child, linkError);
    if (linkError)
        fs::copy_file(self, child);
    const fs::path log = dir / "child.log";
    const std::string command = std::string(kChildVariable) + "=1 '" + child.string() +
                                "' --gtest_filter='OemModuleChild.*' > '" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(log);
    const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(0, status) << output;
    EXPECT_NE(std::string::npos, output.find("[  PASSED  ] 1 test")) << output;
    fs::remove_all(dir);
}

TEST(OemModuleChild, ModuleStringsReplaceTheDefaultsAndTheFlag) {
    if (!IsChild())
        GTEST_SKIP() << "runs as the child of OemMgr.ModuleBesideTheExecutableOverridesTheDefaults";
    // No 1104: the short name keeps its default. The flag reads "TRUE"
    // without regard to case.
    WriteOemModule("1101\tAcme Imaging Ltd\n1102\tAI\n1103\tAcme Scan\n1106\tAcme\n1107\ttrue\n");
    COemMgr oem;
    RemoveOemModule();
    EXPECT_EQ(CString(L"Acme Imaging Ltd|AI|Acme Scan|Pellam|Acme"), Names(oem));
    EXPECT_TRUE(oem.IsOemFlag());
    EXPECT_EQ(CString(L"Acme Scan by Acme Imaging Ltd (Pellam)"),
              oem.ReplaceTokens(L"{ProductName} by {CompanyName} ({ProductShort})"));
    EXPECT_EQ(CString(L"Pellam profile ID"), oem.LoadOemString(6110));

    // Without the flag, or with another word, it is cleared.
    WriteOemModule("1103\tAcme Scan\n");
    COemMgr withoutFlag;
    // Long texts come through whole.
    WriteOemModule("1107\tyes\n1101\t" + std::string(3000, 'c') + "\n");
    COemMgr otherFlag;
    RemoveOemModule();
    EXPECT_FALSE(withoutFlag.IsOemFlag());
    EXPECT_EQ(CString(L"Pellam Automation Corporation|PC|Acme Scan|Pellam|Pellam"), Names(withoutFlag));
    EXPECT_FALSE(otherFlag.IsOemFlag());
    EXPECT_EQ(CString(L'c', 3000) + L"|PC|Pellam Capture|Pellam|Pellam", Names(otherFlag));

    // The process-wide instance is created on first use, here.
    WriteOemModule("1103\tAcme Scan\n");
    const CString text = VrlSchemaLib::DuxException::GetResourceOrUnknownError(6106);
    RemoveOemModule();
    EXPECT_EQ(CString(L"The source type 1-Index fields, 2-Batch fields, 3-Acme Scan, 4-Text Constant"), text);
}
