// DuxException: message formatting from the string chain, the conversion of
// COM errors, the diagnostic line and the bridge to thread error information.
#include <gtest/gtest.h>

#include <cwchar>

#include "common/ExpectDux.h"
#include "common/TestData.h"
#include "platform/ErrorObjects.h"
#include "platform/StringResources.h"
#include "support/DuxException.h"

using VrlSchemaLib::DuxException;

namespace {

// Texts that only these tests use; ids outside the ranges of the host and
// the library.
const StringResource kTestMessages[] = {
    {4990, L"{ProductName} could not open '%s' (%d)."},
    {4991, L""},
    {4992, L"Two names: %s and %s."},
};

class DuxExceptionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxRegisterStringTable(kTestMessages, std::size(kTestMessages)); }
    static void TearDownTestSuite() { AfxUnregisterStringTable(kTestMessages); }
    void SetUp() override { SetErrorInfo(0, nullptr); }
    void TearDown() override {
        SetCreateErrorInfoFailsForTesting(FALSE);
        SetErrorInfo(0, nullptr);
    }
};

// Runs a call that must throw a DuxException and hands the exception to
// `check` before deleting it.
template <class F, class C> void WithDux(F&& call, C&& check) {
    try {
        call();
        ADD_FAILURE() << "nothing was thrown";
    } catch (DuxException* e) {
        VrlSchemaTest::RecordDuxCode(e->GetError(), e->GetFile().GetString(), e->GetLineNo());
        check(*e);
        e->Delete();
    }
}

// An HRESULT with the error object that a COM server would publish for it.
_com_error MakeComError(HRESULT hr, const wchar_t* description, const wchar_t* source) {
    VrlSchemaTest::PublishError(description, source);
    return VrlSchemaTest::TakeError(hr);
}

// The calling thread's error information as "description | source"
// (" | " when the slot is empty).
CString ThreadErrorText() {
    const _com_error error = VrlSchemaTest::TakeError(E_FAIL);
    return error.Description() + L" | " + error.Source();
}

} // namespace

TEST_F(DuxExceptionTest, RunTimeClassAndBrandedMessage) {
    try {
        DuxException::ThrowMessage(4070, "here.cpp", 1, L"{ProductAbbrev}: {ProductName} failed");
    } catch (CException* e) {
        EXPECT_STREQ("DuxException", e->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(RUNTIME_CLASS(CException), e->GetRuntimeClass()->m_pBaseClass);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_TRUE(e->m_bAutoDelete);
        EXPECT_EQ(CString(L"PC: Pellam Capture failed"), static_cast<DuxException*>(e)->GetMessageW());
        e->Delete();
    }
    DuxException* e = new DuxException(4, 1, CString(), 0, nullptr);
    EXPECT_TRUE(e->GetMessageW().IsEmpty());
    e->Delete();
}

TEST_F(DuxExceptionTest, ThrowFormatsTheResourceWithItsArgumentsOrFallsBackToUnknownError) {
    const int line = __LINE__ + 1;
    WithDux([] { DuxException::Throw(4990, __FILE__, __LINE__, L"x.db", 5); },
            [&](DuxException& e) {
                EXPECT_EQ(4u, e.GetFacilityCode());
                EXPECT_EQ(4990, e.GetError());
                EXPECT_EQ(CString(L"Pellam Capture could not open 'x.db' (5)."), e.GetMessageW());
                EXPECT_EQ(CString(__FILE__), e.GetFile());
                EXPECT_EQ(line, e.GetLineNo());
            });
    // A name that holds a placeholder is branded along with the text.
    EXPECT_EQ(CString(L"Pellam Capture could not open 'Pellam' (0)."),
              ExpectDux(4990, [] { DuxException::Throw(4990, __FILE__, __LINE__, L"{ProductShort}", 0); }));

    // Missing or empty resources fall back to the unknown error.
    EXPECT_EQ(4086, DuxException::GetUnknownError());
    EXPECT_EQ(CString(L"Unknown Error."), DuxException::GetResourceOrUnknownError(4999));
    EXPECT_EQ(CString(L"Unknown Error."), DuxException::GetResourceOrUnknownError(4991));
    EXPECT_EQ(CString(L"Pellam Capture could not open '%s' (%d)."),
              DuxException::GetResourceOrUnknownError(4990));
    EXPECT_EQ(CString(L"Unknown Error."),
              ExpectDux(4999, [] { DuxException::Throw(4999, __FILE__, __LINE__); }));
}

// Every host text as its raising sites produce it (support/texts/messages.txt).
TEST_F(DuxExceptionTest, HostMessagesReadTheArgumentsOfTheirRaisingSites) {
    for (const auto& row : VrlSchemaTest::ReadCases("support/texts/messages.txt", "host")) {
        const LONG code = std::stol(row[0]);
        const CString text =
            row[1] != L"-"
                ? ExpectDux(code, [&] { DuxException::Throw(code, __FILE__, __LINE__, row[1].c_str()); })
                : ExpectDux(code, [&] { DuxException::Throw(code, __FILE__, __LINE__); });
        EXPECT_EQ(CString(row[2].c_str()), text) << row.where;
    }
    EXPECT_EQ(CString(L"The value cannot be converted to the requested type (variant type 7)."),
              ExpectDux(4023, [] { DuxException::Throw(4023, __FILE__, __LINE__, 7); }));
    EXPECT_EQ(CString(L"The text does not fit the buffer: 120 characters are needed, the buffer holds 40."),
              ExpectDux(4100, [] { DuxException::Throw(4100, __FILE__, __LINE__, 120L, 40L); }));
    EXPECT_EQ(CString(L"The field was not found, or no field name was given."),
              ExpectDux(4054, [] { DuxException::Throw(4054, __FILE__, __LINE__, L"T", L"F"); }));
}

TEST_F(DuxExceptionTest, ComErrorsTakeTheTextOfTheirFacility) {
    for (const auto& row : VrlSchemaTest::ReadCases("support/texts/messages.txt", "com")) {
        SCOPED_TRACE(row.where);
        const HRESULT hr = static_cast<HRESULT>(std::stoul(row[0], nullptr, 16));
        const bool info = row[1] != L"none";
        WithDux(
            [&] {
                DuxException::Throw(info ? MakeComError(hr, row[1].c_str(), row[2].c_str()) : _com_error(hr),
                                    "caller.cpp", 12);
            },
            [&](DuxException& e) {
                EXPECT_EQ(std::stoul(row[3]), e.GetFacilityCode());
                EXPECT_EQ(static_cast<LONG>(std::stoul(row[4], nullptr, 0)), e.GetError());
                EXPECT_EQ(CString(row[5].c_str()), e.GetMessageW());
                EXPECT_EQ(CString(L"caller.cpp, ") + row[2].c_str(), e.GetFile());
                EXPECT_EQ(12, e.GetLineNo());
            });
    }
}

TEST_F(DuxExceptionTest, DiagnosticLineIsTruncatedIntoSmallBuffersAndReadForForeignExceptions) {
    DuxException* e = new DuxException(4, 4072, "src/x.cpp", 77, L"The view 'v' was not found.");
    // Buffers of 128, 10 and 1 characters: the line cut to fit, nothing
    // written past the end.
    for (const auto& [size, text] :
         {std::pair<UINT, const wchar_t*>{128, L"[4072] DuxLib: The view 'v' was not found. (src/x.cpp:77)"},
          {10, L"[4072] Du"},
          {1, L""}}) {
        wchar_t buffer[129];
        wmemset(buffer, L'#', 129);
        UINT help = 1234;
        EXPECT_TRUE(e->GetErrorMessage(buffer, size, size == 128 ? &help : nullptr));
        EXPECT_STREQ(text, buffer);
        EXPECT_EQ(L'#', buffer[size]);
        EXPECT_EQ(1234u, help);
    }
    EXPECT_EQ(CString(L"[4072] DuxLib: The view 'v' was not found. (src/x.cpp:77)"),
              DuxException::GetErrorMessage(e));
    e->Delete();
    // Foreign exceptions give their own text; no exception none.
    CNotSupportedException* foreign = new CNotSupportedException();
    wchar_t buffer[256];
    foreign->GetErrorMessage(buffer, 256, nullptr);
    EXPECT_EQ(CString(buffer), DuxException::GetErrorMessage(foreign));
    foreign->Delete();
    EXPECT_TRUE(DuxException::GetErrorMessage(nullptr).IsEmpty());
}

TEST_F(DuxExceptionTest, CreateErrorInfoPublishesOrReturnsTheCodeAndDeletesCaughtExceptions) {
    EXPECT_EQ(static_cast<HRESULT>(0x80040005), DuxException::CreateErrorInfo(5, L"five", "a.cpp", 8));
    EXPECT_EQ(CString(L"[5] DuxLib: five | a.cpp: 8"), ThreadErrorText());
    SetCreateErrorInfoFailsForTesting(TRUE);
    EXPECT_EQ(static_cast<HRESULT>(0x80040005), DuxException::CreateErrorInfo(5, L"five", "a.cpp", 8));
    EXPECT_EQ(static_cast<HRESULT>(0x80040FE8), DuxException::CreateErrorInfo(4072, nullptr, "a.cpp", 8));
    EXPECT_EQ(CString(L" | "), ThreadErrorText());
    SetCreateErrorInfoFailsForTesting(FALSE);

    // The sanitizer build reports a leak or a second delete if the
    // overloads do not end the exception exactly once.
    try {
        DuxException::Throw(4072, "dux.cpp", 31, L"v");
    } catch (DuxException* e) {
        EXPECT_EQ(static_cast<HRESULT>(0x80040FE8), DuxException::CreateErrorInfo(e));
    }
    EXPECT_EQ(CString(L"[4072] DuxLib: The view 'v' was not found. | dux.cpp: 31"), ThreadErrorText());

    CException* foreign = new CNotSupportedException();
    const CString foreignText = DuxException::GetErrorMessage(foreign);
    EXPECT_EQ(static_cast<HRESULT>(0x80040FF6), DuxException::CreateErrorInfo(foreign, "f.cpp", 2));
    EXPECT_EQ(CString(L"[4086] DuxLib: ") + foreignText + L" | f.cpp: 2", ThreadErrorText());

    EXPECT_EQ(static_cast<HRESULT>(0x80040FF6), DuxException::CreateErrorInfo("any.cpp", 99));
    EXPECT_EQ(CString(L"[4086] DuxLib: Unknown Error. | any.cpp: 99"), ThreadErrorText());
}
