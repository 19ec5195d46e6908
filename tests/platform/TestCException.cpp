// Framework exceptions: run-time classes, messages into small buffers, and
// the invalid-argument exception raised by bad indexes.
#include <gtest/gtest.h>

#include <cwchar>

#include "platform/CException.h"
#include "platform/CString.h"
#include "platform/CStringArray.h"

namespace {

// Passes when the call throws a CInvalidArgException*, which it deletes.
template <class F> void ExpectInvalidArg(F&& call) {
    try {
        call();
        ADD_FAILURE() << "nothing was thrown";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)))
            << e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
    }
}

} // namespace

TEST(CExceptionClasses, RuntimeClassesFormOneHierarchyAndHelpersThrowHeapObjects) {
    CNotSupportedException e;
    EXPECT_STREQ(e.GetRuntimeClass()->m_lpszClassName, "CNotSupportedException");
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(e.IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
    EXPECT_FALSE(e.IsKindOf(nullptr));
    EXPECT_EQ(RUNTIME_CLASS(CMemoryException)->m_pBaseClass, RUNTIME_CLASS(CException));

    // The throw helpers throw heap objects that delete themselves.
    try {
        AfxThrowNotSupportedException();
    } catch (CObject* e) {
        auto* ex = static_cast<CException*>(e);
        EXPECT_TRUE(ex->IsKindOf(RUNTIME_CLASS(CNotSupportedException)));
        EXPECT_TRUE(ex->m_bAutoDelete);
        ex->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        e->Delete();
    }
}

TEST(CExceptionClasses, GetErrorMessageTruncatesIntoSmallBuffers) {
    CInvalidArgException e;
    wchar_t buffer[8];
    std::wmemset(buffer, L'#', 8);
    EXPECT_TRUE(e.GetErrorMessage(buffer, 5));
    EXPECT_STREQ(buffer, L"An i");
    EXPECT_EQ(buffer[5], L'#');
    wchar_t large[100];
    UINT help = 77;
    EXPECT_TRUE(static_cast<const CException&>(e).GetErrorMessage(large, 100, &help));
    EXPECT_STREQ(large, L"An invalid argument was encountered.");
    EXPECT_EQ(help, 0u);

    CException plain;
    EXPECT_FALSE(plain.GetErrorMessage(large, 100));
    EXPECT_STREQ(large, L"");
    EXPECT_TRUE(e.GetErrorMessage(nullptr, 0)); // nothing to write into, no crash
}

TEST(CExceptionClasses, BadIndexesRaiseInvalidArgument) {
    CString s(L"ab");
    ExpectInvalidArg([&] { s.GetAt(2); });
    ExpectInvalidArg([&] { s.GetAt(-1); });
    ExpectInvalidArg([&] { s.SetAt(5, L'x'); });
    EXPECT_EQ(s[1], L'b');

    CStringArray a;
    a.Add(L"one");
    ExpectInvalidArg([&] { a.GetAt(1); });
    ExpectInvalidArg([&] { a.GetAt(-1); });
    ExpectInvalidArg([&] { a.SetAt(1, L"x"); });
    ExpectInvalidArg([&] { a[3] = L"x"; });
    ExpectInvalidArg([&] { a.RemoveAt(0, 2); });
    ExpectInvalidArg([&] { a.InsertAt(-1, L"x"); });
    ExpectInvalidArg([&] { a.SetSize(-1); });
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], L"one");
}
