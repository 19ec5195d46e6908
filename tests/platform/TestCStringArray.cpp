// CStringArray growth, insertion and removal, and appending to itself.
#include <gtest/gtest.h>

#include "platform/CStringArray.h"

namespace {
CString Joined(const CStringArray& a) {
    CString result;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        result += (i ? L"," : L"") + a[i];
    return result;
}
} // namespace

TEST(CStringArrayEdit, InsertRemoveAndGrowKeepOrder) {
    CStringArray a;
    EXPECT_EQ(a.Add(L"b"), 0);
    EXPECT_EQ(a.Add(CString(L"d")), 1);
    a.InsertAt(0, L"a");
    a.InsertAt(2, L"c", 2);
    EXPECT_EQ(Joined(a), L"a,b,c,c,d");
    a.RemoveAt(2);
    a.RemoveAt(3, 1);
    EXPECT_EQ(Joined(a), L"a,b,c");
    a.InsertAt(5, L"f");
    EXPECT_EQ(Joined(a), L"a,b,c,,,f");
    a.SetAtGrow(7, L"h");
    EXPECT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a.GetUpperBound(), 7);
    a.SetSize(2);
    EXPECT_EQ(Joined(a), L"a,b");
    a.RemoveAt(2, 0); // an empty range at the end is allowed
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CStringArrayEdit, AppendAndCopyWorkOnThemselves) {
    CStringArray a;
    a.Add(L"x");
    a.Add(L"y");
    EXPECT_EQ(a.Append(a), 2);
    EXPECT_EQ(Joined(a), L"x,y,x,y");
    a.Copy(a);
    EXPECT_EQ(a.GetCount(), 4);
    CStringArray b;
    b.Add(L"old");
    b.Copy(a);
    EXPECT_EQ(Joined(b), L"x,y,x,y");
    // An element passed back into its own array survives reallocation.
    for (int i = 0; i < 64; ++i)
        a.InsertAt(0, a[a.GetUpperBound()].GetString());
    EXPECT_EQ(a[0], L"y");
}
