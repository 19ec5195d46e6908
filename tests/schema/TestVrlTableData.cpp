#include <gtest/gtest.h>

#include "common/ExpectDux.h"
#include "schema/VrlTableData.h"

using namespace VrlSchemaLib;

namespace VrlSchemaLib {
class VrlTableDataTestAccess {
public:
    static CString MakeUniqueKey(const wchar_t* uniqueValue, const wchar_t* column) {
        return VrlTableData::MakeUniqueKey(uniqueValue, column);
    }
};
} // namespace VrlSchemaLib

namespace {

CString Text(const COleVariant& value) {
    EXPECT_EQ(VT_BSTR, value.vt);
    return value.vt == VT_BSTR ? CString(value.bstrVal) : CString();
}

class VrlTableDataTest : public ::testing::Test {
protected:
    std::vector<CString> columns{L"ID", L"Name"};
    std::vector<CComVariant> values{CComVariant(1), CComVariant(L"A"), CComVariant(2), CComVariant(L"B")};
};

} // namespace

TEST_F(VrlTableDataTest, RowsAreReadRowMajorWithCheckedIndexes) {
    VrlTableData data(columns, values);
    EXPECT_EQ(2, data.GetColCount());
    EXPECT_EQ(2, data.GetRowCount());
    EXPECT_EQ(L"Name", data.GetColName(1));
    EXPECT_EQ(CString(L"B"), CString(data.GetValue(1, 1).bstrVal));
    EXPECT_EQ(2, data.GetValue(1, 0).lVal);
    ExpectDux(4071, [&] { data.GetValue(2, 0); });
    ExpectDux(4071, [&] { data.GetValue(0, 2); });
    ExpectDux(4071, [&] { data.GetValue(-1, 0); });
    ExpectDux(4071, [&] { data.GetColName(2); });
    ExpectDux(4071, [&] { data.GetColName(-1); });
    EXPECT_EQ(L"", data.GetUniqueIDColumn());

    std::vector<CString> none;
    VrlTableData shapeless(none, values);
    EXPECT_EQ(0, shapeless.GetRowCount());
}

TEST_F(VrlTableDataTest, FindsValuesByUniqueIdWithoutRegardToCase) {
    VrlTableData data(columns, values, L"ID");
    EXPECT_EQ(L"ID", data.GetUniqueIDColumn());
    COleVariant out(L"untouched");
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"name", out));
    EXPECT_EQ(L"B", Text(out));
    COleVariant miss(L"untouched");
    EXPECT_FALSE(data.GetValueFromResource(L"3", L"Name", miss));
    EXPECT_EQ(L"untouched", Text(miss));

    // The unique-ID column itself is matched exactly.
    VrlTableData wrongCase(columns, values, L"id");
    ExpectDux(4071, [&] { wrongCase.GetValueFromResource(L"2", L"Name", out); });
    // A matching row with an unknown column raises through GetValue.
    ExpectDux(4071, [&] { data.GetValueFromResource(L"1", L"Nope", out); });
}

TEST_F(VrlTableDataTest, CachedTextsWinUntilCleared) {
    VrlTableData data(columns, values, L"ID");
    data.CacheValue(L"2", L"Name", COleVariant(L"Z"));
    COleVariant out;
    EXPECT_TRUE(data.GetCachedValue(L"2", L"Name", out));
    EXPECT_EQ(L"Z", Text(out));
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"Name", out));
    EXPECT_EQ(L"Z", Text(out));
    // The key is exact: another spelling reads the rows.
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"NAME", out));
    EXPECT_EQ(L"B", Text(out));
    data.ClearCacheValue(L"2", L"Name");
    EXPECT_FALSE(data.GetCachedValue(L"2", L"Name", out));
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"Name", out));
    EXPECT_EQ(L"B", Text(out));
    // A lookup does not fill the cache.
    EXPECT_FALSE(data.GetCachedValue(L"2", L"Name", out));
    data.ClearCacheValue(L"9", L"Name"); // absent: no effect

    EXPECT_EQ(L"2-Name", VrlTableDataTestAccess::MakeUniqueKey(L"2", L"Name"));
}
