// DuxException: message formatting from the string chain, the conversion of
// COM errors, the diagnostic line and the bridge to thread error information.
#include <gtest/gtest.h>

#include <cwchar>

#include "common/ExpectDux.h"
#include "platform/ComError.h"
#include "platform/ErrorInfo.h"
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
        check(*e);
        e->Delete();
    }
}

// An HRESULT with the error object that a COM server would publish for it.
_com_error MakeComError(HRESULT hr, const wchar_t* description, const wchar_t* source) {
    ICreateErrorInfo* create = nullptr;
    EXPECT_EQ(S_OK, CreateErrorInfo(&create));
    create->SetDescription(description);
    create->SetSource(source);
    IErrorInfo* info = nullptr;
    EXPECT_EQ(S_OK, create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)));
    create->Release();
    return _com_error(hr, info);
}

// The calling thread's error information as (description, source); empty
// strings when the slot is empty.
std::pair<CString, CString> TakeThreadErrorInfo() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || info == nullptr)
        return {};
    const _com_error holder(E_FAIL, info);
    return {holder.Description(), holder.Source()};
}

} // namespace

TEST_F(DuxExceptionTest, RunTimeClassAndCatchAsBase) {
    try {
        DuxException::ThrowMessage(4070, "here.cpp", 1, L"boom");
    } catch (CException* e) {
        EXPECT_STREQ("DuxException", e->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(RUNTIME_CLASS(CException), e->GetRuntimeClass()->m_pBaseClass);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_TRUE(e->m_bAutoDelete);
        e->Delete();
    }
}

TEST_F(DuxExceptionTest, ConstructorStoresFieldsAndReplacesPlaceholders) {
    DuxException* e = new DuxException(9, -7, "file.cpp", 42, L"{ProductAbbrev}: {ProductName} failed");
    EXPECT_EQ(9u, e->GetFacilityCode());
    EXPECT_EQ(-7, e->GetError());
    EXPECT_EQ(CString(L"file.cpp"), e->GetFile());
    EXPECT_EQ(42, e->GetLineNo());
    EXPECT_EQ(CString(L"PC: Pellam Capture failed"), e->GetMessageW());
    e->Delete();

    e = new DuxException(4, 1, CString(), 0, nullptr);
    EXPECT_TRUE(e->GetMessageW().IsEmpty());
    e->Delete();
}

TEST_F(DuxExceptionTest, ThrowFormatsTheResourceWithItsArguments) {
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
}

TEST_F(DuxExceptionTest, MissingOrEmptyResourcesFallBackToUnknownError) {
    EXPECT_EQ(4086, DuxException::GetUnknownError());
    EXPECT_EQ(CString(L"Unknown Error."), DuxException::GetResourceOrUnknownError(4999));
    EXPECT_EQ(CString(L"Unknown Error."), DuxException::GetResourceOrUnknownError(4991));
    EXPECT_EQ(CString(L"Pellam Capture could not open '%s' (%d)."),
              DuxException::GetResourceOrUnknownError(4990));
    EXPECT_EQ(CString(L"Unknown Error."),
              ExpectDux(4999, [] { DuxException::Throw(4999, __FILE__, __LINE__); }));
}

// Every host text as its raising sites produce it: the codes that also
// serve a missing name read no argument, the others read the name.
TEST_F(DuxExceptionTest, HostMessagesReadTheArgumentsOfTheirRaisingSites) {
    const struct {
        LONG code;
        const wchar_t* name; // nullptr: raised without arguments
        const wchar_t* text;
    } cases[] = {
        {4054, L"Batch", L"The field was not found, or no field name was given."},
        {4055, nullptr, L"The field index is out of range."},
        {4070, nullptr, L"The table was not found, or no table name was given."},
        {4070, L"Batch", L"The table was not found, or no table name was given."},
        {4071, nullptr, L"The index is out of range."},
        {4072, L"vwOrders", L"The view 'vwOrders' was not found."},
        {4073, nullptr, L"The view index is out of range."},
        {4074, L"procPut", L"The procedure or parameter 'procPut' was not found."},
        {4075, nullptr, L"The procedure index is out of range."},
        {4076, L"fnPut", L"The function 'fnPut' was not found."},
        {4077, nullptr, L"The function index is out of range."},
        {4078, nullptr, L"The constraint index is out of range."},
        {4079, nullptr, L"No import routine was given."},
        {4080, nullptr, L"No convert routine was given."},
        {4081, nullptr, L"No external name or status column name was given."},
        {4082, nullptr, L"No child table name was given."},
        {4083, nullptr, L"No translate table name was given."},
        {4084, nullptr, L"The child index is out of range."},
        {4085, nullptr, L"No parent key table name was given."},
        {4111, L"Invalid Root Type: Export", L"Invalid Root Type: Export"},
    };
    for (const auto& c : cases) {
        const CString text =
            c.name ? ExpectDux(c.code, [&] { DuxException::Throw(c.code, __FILE__, __LINE__, c.name); })
                   : ExpectDux(c.code, [&] { DuxException::Throw(c.code, __FILE__, __LINE__); });
        EXPECT_EQ(CString(c.text), text) << c.code;
    }
    EXPECT_EQ(CString(L"The value cannot be converted to the requested type (variant type 7)."),
              ExpectDux(4023, [] { DuxException::Throw(4023, __FILE__, __LINE__, 7); }));
    EXPECT_EQ(CString(L"The text does not fit the buffer: 120 characters are needed, the buffer holds 40."),
              ExpectDux(4100, [] { DuxException::Throw(4100, __FILE__, __LINE__, 120L, 40L); }));
    EXPECT_EQ(CString(L"The field was not found, or no field name was given."),
              ExpectDux(4054, [] { DuxException::Throw(4054, __FILE__, __LINE__, L"T", L"F"); }));
}

TEST_F(DuxExceptionTest, ComErrorOfInterfaceFacilityUsesTheResourceText) {
    // 4073 has no "%s": the description is appended.
    WithDux([] { DuxException::Throw(MakeComError(0x80040FE9, L"disk full", L"Srv.Obj"), "caller.cpp", 12); },
            [](DuxException& e) {
                EXPECT_EQ(4u, e.GetFacilityCode());
                EXPECT_EQ(4073, e.GetError());
                EXPECT_EQ(CString(L"The view index is out of range.: disk full"), e.GetMessageW());
                EXPECT_EQ(CString(L"caller.cpp, Srv.Obj"), e.GetFile());
                EXPECT_EQ(12, e.GetLineNo());
            });
    // 4072 has a "%s" of its own, which receives the description.
    EXPECT_EQ(CString(L"The view 'disk full' was not found."), ExpectDux(4072, [] {
                  DuxException::Throw(MakeComError(0x80040FE8, L"disk full", L"S"), "c", 1);
              }));
    // The control facility takes the same path.
    WithDux([] { DuxException::Throw(MakeComError(0x800A0FE9, L"oops", L"Ctl"), "c", 1); },
            [](DuxException& e) {
                EXPECT_EQ(10u, e.GetFacilityCode());
                EXPECT_EQ(CString(L"The view index is out of range.: oops"), e.GetMessageW());
            });
    // A text with two "%s" reads the description twice rather than garbage.
    EXPECT_EQ(CString(L"Two names: d1 and d1."),
              ExpectDux(4992, [] { DuxException::Throw(MakeComError(0x80041380, L"d1", L"S"), "c", 1); }));
}

TEST_F(DuxExceptionTest, ComErrorWithOneCharacterOrNoDescriptionHasNone) {
    EXPECT_EQ(CString(L"The view index is out of range."),
              ExpectDux(4073, [] { DuxException::Throw(MakeComError(0x80040FE9, L"x", L"S"), "c", 1); }));
    EXPECT_EQ(CString(L"The view '' was not found."),
              ExpectDux(4072, [] { DuxException::Throw(MakeComError(0x80040FE8, L"x", L"S"), "c", 1); }));
    // Without error information the source part of the file is empty.
    WithDux([] { DuxException::Throw(_com_error(static_cast<HRESULT>(0x80040FE9)), "c.cpp", 3); },
            [](DuxException& e) {
                EXPECT_EQ(CString(L"The view index is out of range."), e.GetMessageW());
                EXPECT_EQ(CString(L"c.cpp, "), e.GetFile());
            });
}

TEST_F(DuxExceptionTest, ComErrorOfWin32FacilityTakesTheSystemText) {
    const CString expected(L"The system cannot find the file specified.\r\n");
    WithDux(
        [] { DuxException::Throw(MakeComError(static_cast<HRESULT>(0x80070002), L"ignored", L"S"), "w", 9); },
        [&](DuxException& e) {
            EXPECT_EQ(7u, e.GetFacilityCode());
            EXPECT_EQ(2, e.GetError());
            EXPECT_EQ(expected, e.GetMessageW());
            EXPECT_EQ(CString(L"w, S"), e.GetFile());
        });
    // A code the system has no text for gives an empty message.
    EXPECT_TRUE(ExpectDux(0xFFFE, [] {
                    DuxException::Throw(_com_error(static_cast<HRESULT>(0x8007FFFE)), "w", 1);
                }).IsEmpty());
}

TEST_F(DuxExceptionTest, ComErrorOfOtherFacilitiesKeepsTheWholeHresult) {
    const HRESULT rpc = static_cast<HRESULT>(0x800106BA);
    WithDux([&] { DuxException::Throw(MakeComError(rpc, L"server gone", L"Rpc"), "r", 1); },
            [&](DuxException& e) {
                EXPECT_EQ(1u, e.GetFacilityCode());
                EXPECT_EQ(rpc, e.GetError());
                EXPECT_EQ(CString(L"Unknown Error.: server gone"), e.GetMessageW());
            });
    EXPECT_EQ(CString(L"Unknown Error."), ExpectDux(static_cast<HRESULT>(0x80004003), [] {
                  DuxException::Throw(_com_error(static_cast<HRESULT>(0x80004003)), "r", 1);
              }));
}

TEST_F(DuxExceptionTest, DiagnosticLineIsTruncatedIntoSmallBuffers) {
    DuxException* e = new DuxException(4, 4072, "src/x.cpp", 77, L"The view 'v' was not found.");
    wchar_t buffer[128];
    UINT help = 1234;
    EXPECT_TRUE(e->GetErrorMessage(buffer, 128, &help));
    EXPECT_STREQ(L"[4072] DuxLib: The view 'v' was not found. (src/x.cpp:77)", buffer);
    EXPECT_EQ(1234u, help);

    wmemset(buffer, L'#', 128);
    EXPECT_TRUE(e->GetErrorMessage(buffer, 10, nullptr));
    EXPECT_STREQ(L"[4072] Du", buffer);
    EXPECT_EQ(L'#', buffer[10]);

    wmemset(buffer, L'#', 128);
    EXPECT_TRUE(e->GetErrorMessage(buffer, 1, nullptr));
    EXPECT_EQ(L'\0', buffer[0]);
    EXPECT_EQ(L'#', buffer[1]);

    EXPECT_EQ(CString(L"[4072] DuxLib: The view 'v' was not found. (src/x.cpp:77)"),
              DuxException::GetErrorMessage(e));
    e->Delete();
}

TEST_F(DuxExceptionTest, GetErrorMessageReadsForeignExceptions) {
    CNotSupportedException* e = new CNotSupportedException();
    wchar_t buffer[256];
    e->GetErrorMessage(buffer, 256, nullptr);
    EXPECT_EQ(CString(buffer), DuxException::GetErrorMessage(e));
    e->Delete();
    EXPECT_TRUE(DuxException::GetErrorMessage(nullptr).IsEmpty());
}

TEST_F(DuxExceptionTest, CreateErrorInfoPublishesDescriptionAndSource) {
    EXPECT_EQ(static_cast<HRESULT>(0x80040005), DuxException::CreateErrorInfo(5, L"five", "a.cpp", 8));
    const auto [description, source] = TakeThreadErrorInfo();
    EXPECT_EQ(CString(L"[5] DuxLib: five"), description);
    EXPECT_EQ(CString(L"a.cpp: 8"), source);
}

TEST_F(DuxExceptionTest, CreateErrorInfoReturnsTheCodeWhenNoInformationCanBeMade) {
    SetCreateErrorInfoFailsForTesting(TRUE);
    EXPECT_EQ(static_cast<HRESULT>(0x80040005), DuxException::CreateErrorInfo(5, L"five", "a.cpp", 8));
    EXPECT_EQ(static_cast<HRESULT>(0x80040FE8), DuxException::CreateErrorInfo(4072, nullptr, "a.cpp", 8));
    EXPECT_TRUE(TakeThreadErrorInfo().first.IsEmpty());
}

TEST_F(DuxExceptionTest, CreateErrorInfoFromCaughtExceptionsDeletesThem) {
    // The sanitizer build reports a leak or a second delete if the
    // overloads do not end the exception exactly once.
    try {
        DuxException::Throw(4072, "dux.cpp", 31, L"v");
    } catch (DuxException* e) {
        EXPECT_EQ(static_cast<HRESULT>(0x80040FE8), DuxException::CreateErrorInfo(e));
    }
    auto info = TakeThreadErrorInfo();
    EXPECT_EQ(CString(L"[4072] DuxLib: The view 'v' was not found."), info.first);
    EXPECT_EQ(CString(L"dux.cpp: 31"), info.second);

    CException* foreign = new CNotSupportedException();
    const CString foreignText = DuxException::GetErrorMessage(foreign);
    EXPECT_EQ(static_cast<HRESULT>(0x80040FF6), DuxException::CreateErrorInfo(foreign, "f.cpp", 2));
    info = TakeThreadErrorInfo();
    EXPECT_EQ(CString(L"[4086] DuxLib: ") + foreignText, info.first);
    EXPECT_EQ(CString(L"f.cpp: 2"), info.second);

    EXPECT_EQ(static_cast<HRESULT>(0x80040FF6), DuxException::CreateErrorInfo("any.cpp", 99));
    info = TakeThreadErrorInfo();
    EXPECT_EQ(CString(L"[4086] DuxLib: Unknown Error."), info.first);
    EXPECT_EQ(CString(L"any.cpp: 99"), info.second);
}
