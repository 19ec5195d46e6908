// Thread error information and _com_error: the slot is per thread, the
// error object answers both interfaces, and _com_error reads it back.
#include <gtest/gtest.h>

#include <thread>

#include "platform/ErrorObjects.h"
#include "platform/SystemMessages.h"

using VrlSchemaTest::TakeError;

TEST(ThreadErrorInfo, TheSlotBelongsToTheThreadThatSetItAndHoldsTheLastSet) {
    VrlSchemaTest::PublishError(L"main thread", L"main.cpp: 1");
    bool otherSawNothing = false;
    CString otherDescription;
    std::thread other([&] {
        IErrorInfo* info = nullptr;
        otherSawNothing = GetErrorInfo(0, &info) == S_FALSE && info == nullptr;
        VrlSchemaTest::PublishError(L"other thread", L"other.cpp: 2");
        otherDescription = TakeError(E_FAIL).Description();
        VrlSchemaTest::PublishError(L"left behind", L"released when the thread ends");
    });
    other.join();
    EXPECT_TRUE(otherSawNothing);
    EXPECT_EQ(otherDescription, L"other thread");

    const _com_error error = TakeError(static_cast<HRESULT>(0x80041016u));
    EXPECT_EQ(error.Description(), L"main thread");
    EXPECT_EQ(error.Source(), L"main.cpp: 1");
    IErrorInfo* again = nullptr;
    EXPECT_EQ(GetErrorInfo(0, &again), S_FALSE); // taking it emptied the slot

    // Setting replaces what was there; setting null clears it.
    VrlSchemaTest::PublishError(L"first", L"");
    VrlSchemaTest::PublishError(L"second", L"");
    EXPECT_EQ(TakeError(E_FAIL).Description(), L"second");
    VrlSchemaTest::PublishError(L"third", L"");
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(GetErrorInfo(0, &again), S_FALSE);
}

TEST(ThreadErrorInfo, ObjectAnswersItsInterfacesOnlyAndTheHookFailsCreation) {
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(CreateErrorInfo(&create), S_OK);
    void* other = reinterpret_cast<void*>(1);
    const IID unknownIid = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(create->QueryInterface(unknownIid, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    IErrorInfo* info = nullptr;
    ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
    create->SetHelpContext(31);
    DWORD context = 0;
    EXPECT_EQ(info->GetHelpContext(&context), S_OK);
    EXPECT_EQ(context, 31u);
    EXPECT_EQ(info->Release(), 1u);
    EXPECT_EQ(create->Release(), 0u);

    // The test hook makes creation fail.
    SetCreateErrorInfoFailsForTesting(TRUE);
    create = reinterpret_cast<ICreateErrorInfo*>(1);
    EXPECT_TRUE(FAILED(CreateErrorInfo(&create)));
    EXPECT_EQ(create, nullptr);
    SetCreateErrorInfoFailsForTesting(FALSE);
    ASSERT_EQ(CreateErrorInfo(&create), S_OK);
    create->Release();
}

TEST(ComError, CopiesShareTheErrorObject) {
    VrlSchemaTest::PublishError(L"shared", L"src");
    _com_error first = TakeError(static_cast<HRESULT>(0x80040205u));
    _com_error copy(first);
    _com_error assigned(S_OK);
    assigned = first;
    first = _com_error(E_FAIL);
    EXPECT_EQ(copy.Description(), L"shared");
    EXPECT_EQ(assigned.Source(), L"src");
    EXPECT_EQ(first.Description(), L"");
    EXPECT_EQ(copy.WCode(), 5);
    IErrorInfo* info = copy.ErrorInfo();
    ASSERT_NE(info, nullptr);
    info->Release();
}

TEST(ComError, ErrorMessageComesFromTheSystemTable) {
    EXPECT_STREQ(_com_error(E_INVALIDARG).ErrorMessage(), L"The parameter is incorrect.");
    EXPECT_STREQ(_com_error(static_cast<HRESULT>(0x80040201u)).ErrorMessage(), L"IDispatch error #1");
    EXPECT_STREQ(_com_error(static_cast<HRESULT>(0x8123ABCDu)).ErrorMessage(), L"Unknown error 0x8123ABCD");
}

TEST(SystemMessages, AllocatedTextsEndInALineBreak) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(0x1300, nullptr, 5, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(CString(text, static_cast<int>(length)), L"Access is denied.\r\n");
    LocalFree(text);

    text = reinterpret_cast<wchar_t*>(1);
    EXPECT_EQ(FormatMessageW(0x1300, nullptr, 0xFFFF, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr), 0u);
    EXPECT_EQ(text, nullptr);

    wchar_t small[8];
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 87, 0, small, 8, nullptr), 0u);
    wchar_t fixed[64];
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_STRING, L"as is %1", 0, 0, fixed, 64, nullptr), 8u);
    EXPECT_STREQ(fixed, L"as is %1");
}
