#include <gtest/gtest.h>

#include <utility>

#include "platform/CComVariant.h"
#include "platform/COleVariant.h"
#include "platform/VariantText.h"

using VrlSchemaTest::IsVariant;

namespace {

// Runs a call that must throw COleException with the given code.
template <typename F> void ExpectOle(HRESULT expected, F call) {
    try {
        call();
        ADD_FAILURE() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(e->m_sc, expected);
        e->Delete();
    }
}

} // namespace

TEST(OleVariant, ConstructorsPickTheAutomationTypes) {
    EXPECT_TRUE(IsVariant(COleVariant(), L"EMPTY"));
    EXPECT_TRUE(IsVariant(COleVariant(5L), L"I4:5"));
    EXPECT_TRUE(IsVariant(COleVariant(5), L"I4:5"));
    EXPECT_TRUE(IsVariant(COleVariant(short(5)), L"I2:5"));
    EXPECT_TRUE(IsVariant(COleVariant(short(5), VT_BOOL), L"BOOL:-1"));
    EXPECT_TRUE(IsVariant(COleVariant(0L, VT_BOOL), L"BOOL:0"));
    EXPECT_TRUE(IsVariant(COleVariant(true), L"BOOL:-1"));
    EXPECT_TRUE(IsVariant(COleVariant(1.5f), L"R4:1.5"));
    EXPECT_TRUE(IsVariant(COleVariant(1.5), L"R8:1.5"));
    EXPECT_TRUE(IsVariant(COleVariant(5LL), L"I8:5"));
    // A 64-bit long that does not fit 32 bits is kept whole.
    EXPECT_TRUE(IsVariant(COleVariant(1L << 40), L"I8:1099511627776"));
    EXPECT_TRUE(IsVariant(COleVariant(static_cast<const wchar_t*>(nullptr)), L"BSTR:"));
    EXPECT_TRUE(IsVariant(COleVariant(COleDateTime(2024, 1, 31, 0, 0, 0)), L"DATE:45322"));
    ExpectOle(DISP_E_TYPEMISMATCH, [] { COleVariant bad(COleDateTime(2023, 2, 29, 0, 0, 0)); });
}

TEST(OleVariant, CopiesMovesAndAssignmentsOwnTheirTexts) {
    COleVariant a(L"first");
    COleVariant b(a);
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_TRUE(a == b);
    b = L"second";
    EXPECT_STREQ(a.bstrVal, L"first");
    a = b;
    EXPECT_STREQ(a.bstrVal, L"second");
    a = a;
    EXPECT_STREQ(a.bstrVal, L"second");
    COleVariant moved(std::move(a));
    EXPECT_EQ(a.vt, VT_EMPTY);
    EXPECT_STREQ(moved.bstrVal, L"second");
    moved = 3.0;
    EXPECT_TRUE(IsVariant(moved, L"R8:3"));
    EXPECT_FALSE(moved == COleVariant(3.0f));
    moved.SetString(L"again");
    EXPECT_STREQ(moved.bstrVal, L"again");
    moved.Clear();
    EXPECT_EQ(moved.vt, VT_EMPTY);

    VARIANT raw = COleVariant(L"raw").Detach();
    COleVariant owner;
    owner.Attach(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_STREQ(owner.bstrVal, L"raw");
}

TEST(OleVariant, ChangeTypeThrowsAndLeavesTheValue) {
    COleVariant v(L"12");
    v.ChangeType(VT_I4);
    EXPECT_TRUE(IsVariant(v, L"I4:12"));
    v.ChangeType(VT_BSTR);
    EXPECT_STREQ(v.bstrVal, L"12");

    COleVariant word(L"yes");
    ExpectOle(DISP_E_TYPEMISMATCH, [&] { word.ChangeType(VT_BOOL); });
    EXPECT_TRUE(IsVariant(word, L"BSTR:yes"));
    COleVariant big(70000L);
    ExpectOle(DISP_E_OVERFLOW, [&] { big.ChangeType(VT_I2); });
    EXPECT_TRUE(IsVariant(big, L"I4:70000"));

    COleVariant target;
    const COleVariant source(2.5);
    target.ChangeType(VT_BSTR, &source);
    EXPECT_TRUE(IsVariant(target, L"BSTR:2.5"));
    EXPECT_TRUE(IsVariant(source, L"R8:2.5"));
}

TEST(OleException, MessagesAndCodes) {
    COleException known(DISP_E_TYPEMISMATCH);
    wchar_t text[64];
    EXPECT_TRUE(known.GetErrorMessage(text, 64));
    EXPECT_STREQ(text, L"Type mismatch.");
    wchar_t small[5];
    known.GetErrorMessage(small, 5);
    EXPECT_STREQ(small, L"Type");
    COleException unknown(static_cast<HRESULT>(0x80041234u));
    unknown.GetErrorMessage(text, 64);
    EXPECT_STREQ(text, L"OLE error 0x80041234");
    EXPECT_TRUE(known.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_EQ(COleException::Process(&known), DISP_E_TYPEMISMATCH);
    CNotSupportedException other;
    EXPECT_EQ(COleException::Process(&other), E_FAIL);
}

TEST(ComVariant, ConversionsReportHresults) {
    CComVariant v(L"O'Brien");
    EXPECT_EQ(v.ChangeType(VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(IsVariant(v, L"BSTR:O'Brien"));
    CComVariant n(7);
    ASSERT_EQ(n.ChangeType(VT_BSTR), S_OK);
    EXPECT_TRUE(IsVariant(n, L"BSTR:7"));
    EXPECT_TRUE(IsVariant(CComVariant('a'), L"I1:97"));
    EXPECT_TRUE(IsVariant(CComVariant(1L), L"I4:1"));
    EXPECT_TRUE(IsVariant(CComVariant(45322.5, VT_DATE), L"DATE:45322.5"));

    // Between the two owners in both directions.
    COleVariant ole(CComVariant(L"shared"));
    CComVariant com(ole);
    EXPECT_TRUE(com == ole);
    CComVariant copy;
    ASSERT_EQ(copy.Copy(&com), S_OK);
    EXPECT_STREQ(copy.bstrVal, L"shared");
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(copy.Detach(&out), S_OK);
    EXPECT_EQ(copy.vt, VT_EMPTY);
    ASSERT_EQ(copy.Attach(&out), S_OK);
    EXPECT_STREQ(copy.bstrVal, L"shared");
    EXPECT_EQ(copy.Clear(), S_OK);
}
