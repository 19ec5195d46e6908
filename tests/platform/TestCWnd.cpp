// Window tree walks and texts, and string tables joining the chain through
// extension-module registration.
#include <gtest/gtest.h>

#include <memory>

#include "platform/CWnd.h"
#include "platform/ExtensionModule.h"

TEST(CWndTree, ChildrenAreWalkedInCreationOrder) {
    CWnd parent(nullptr, L"dialog");
    CWnd a(&parent, L"first");
    auto b = std::make_unique<CWnd>(&parent, L"second");
    CWnd c(&parent, L"third");
    ASSERT_EQ(parent.GetTopWindow(), &a);
    EXPECT_EQ(a.GetWindow(GW_HWNDNEXT), b.get());
    EXPECT_EQ(c.GetWindow(GW_HWNDPREV), b.get());
    EXPECT_EQ(b->GetWindow(GW_HWNDLAST), &c);
    EXPECT_EQ(c.GetWindow(GW_HWNDNEXT), nullptr);

    b.reset(); // a destroyed window leaves the walk
    EXPECT_EQ(a.GetWindow(GW_HWNDNEXT), &c);
    EXPECT_EQ(c.SetParent(nullptr), &parent);
    EXPECT_EQ(a.GetWindow(GW_HWNDNEXT), nullptr);
    EXPECT_EQ(a.SetParent(&a), nullptr); // refused: it stays where it was
    EXPECT_EQ(a.GetParent(), &parent);
}

TEST(CWndTree, TextsAreCopiedWithTruncation) {
    CWnd w;
    w.SetWindowText(L"{ProductName} Setup");
    CString text;
    w.GetWindowText(text);
    EXPECT_EQ(text, L"{ProductName} Setup");
    wchar_t small[6];
    EXPECT_EQ(w.GetWindowText(small, 6), 5);
    EXPECT_STREQ(small, L"{Prod");
    w.SetWindowText(nullptr);
    EXPECT_EQ(w.GetWindowTextLength(), 0);
}

TEST(ExtensionModuleRegistration, LibraryObjectsPutTheTableIntoTheChain) {
    static const StringResource table[] = {{94001, L"module text"}};
    AFX_EXTENSION_MODULE record;
    record.pStringTable = table;
    record.nStringCount = 1;
    ASSERT_TRUE(AfxInitExtensionModule(record, nullptr));
    EXPECT_EQ(AfxFindStringResource(94001), nullptr);

    new CDynLinkLibrary(record);
    auto* second = new CDynLinkLibrary(record);
    EXPECT_STREQ(AfxFindStringResource(94001), L"module text");
    delete second; // the other object still holds the table in the chain
    EXPECT_STREQ(AfxFindStringResource(94001), L"module text");

    AfxTermExtensionModule(record);
    EXPECT_FALSE(record.bInitialized);
    EXPECT_EQ(AfxFindStringResource(94001), nullptr);
}
