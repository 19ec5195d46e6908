#include <gtest/gtest.h>

#include <utility>

#include "platform/CComVariant.h"
#include "platform/COleVariant.h"

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
    EXPECT_EQ(COleVariant().vt, VT_EMPTY);
    EXPECT_EQ(COleVariant(5L).vt, VT_I4);
    EXPECT_EQ(COleVariant(5).vt, VT_I4);
    EXPECT_EQ(COleVariant(short(5)).vt, VT_I2);
    EXPECT_EQ(COleVariant(short(5), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(COleVariant(0L, VT_BOOL).boolVal, VARIANT_FALSE);
    EXPECT_EQ(COleVariant(true).boolVal, VARIANT_TRUE);
    EXPECT_EQ(COleVariant(1.5f).vt, VT_R4);
    EXPECT_EQ(COleVariant(1.5).vt, VT_R8);
    EXPECT_EQ(COleVariant(5LL).vt, VT_I8);
    // A 64-bit long that does not fit 32 bits is kept whole.
    COleVariant wide(1L << 40);
    EXPECT_EQ(wide.vt, VT_I8);
    EXPECT_EQ(wide.llVal, 1LL << 40);
    COleVariant text(static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(text.vt, VT_BSTR);
    EXPECT_STREQ(text.bstrVal, L"");
    COleVariant date(COleDateTime(2024, 1, 31, 0, 0, 0));
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_EQ(date.date, 45322.0);
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
    EXPECT_EQ(moved.vt, VT_R8);
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
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, 12);
    v.ChangeType(VT_BSTR);
    EXPECT_STREQ(v.bstrVal, L"12");

    COleVariant word(L"yes");
    ExpectOle(DISP_E_TYPEMISMATCH, [&] { word.ChangeType(VT_BOOL); });
    EXPECT_STREQ(word.bstrVal, L"yes");
    COleVariant big(70000L);
    ExpectOle(DISP_E_OVERFLOW, [&] { big.ChangeType(VT_I2); });
    EXPECT_EQ(big.lVal, 70000);

    COleVariant target;
    const COleVariant source(2.5);
    target.ChangeType(VT_BSTR, &source);
    EXPECT_STREQ(target.bstrVal, L"2.5");
    EXPECT_EQ(source.vt, VT_R8);
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
    EXPECT_STREQ(v.bstrVal, L"O'Brien");
    CComVariant n(7);
    EXPECT_EQ(n.vt, VT_I4);
    ASSERT_EQ(n.ChangeType(VT_BSTR), S_OK);
    EXPECT_STREQ(n.bstrVal, L"7");
    EXPECT_EQ(CComVariant('a').vt, VT_I1);
    EXPECT_EQ(CComVariant(1L).vt, VT_I4);
    EXPECT_EQ(CComVariant(45322.5, VT_DATE).vt, VT_DATE);

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
