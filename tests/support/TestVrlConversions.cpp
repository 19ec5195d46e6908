// VrlConversions: casts between variant types, casts by column type name and
// the ANSI constraint name limit. The cases are the rows of
// support/texts/conversions.txt.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "common/ExpectDux.h"
#include "common/TestData.h"
#include "platform/COleVariant.h"
#include "platform/VariantText.h"
#include "support/VrlConversions.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaTest;

namespace {

const char kCases[] = "support/texts/conversions.txt";

COleVariant Parsed(const std::wstring& text) {
    COleVariant v;
    ParseVariant(text, v);
    return v;
}

} // namespace

TEST(VrlConversionsCast, EveryCaseInEveryLocale) {
    const auto rows = ReadCases(kCases, "cast");
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "locale " << locale << " is not installed";
        for (const CaseRow& row : rows) {
            SCOPED_TRACE(row.where + " " + locale);
            const COleVariant before = Parsed(row[0]);
            COleVariant value(before);
            const bool refused = row[2] == L"refused";
            EXPECT_EQ(VrlConversions::Cast(value, TypeNamed(row[1])), !refused);
            if (refused && row.size() == 3) {
                // As it was: the type and all eight bytes of the value.
                EXPECT_EQ(value.vt, before.vt);
                EXPECT_TRUE(value.vt == VT_BSTR ? SameVariant(value, before)
                                                : std::memcmp(&value.llVal, &before.llVal, 8) == 0)
                    << DescribeVariant(value);
            } else {
                EXPECT_TRUE(IsVariant(value, row[refused ? 3 : 2]));
            }
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST(VrlConversionsForceCast, RaisesWithTheSourceTypeCode) {
    COleVariant text = Parsed(L"BSTR:none");
    VrlConversions::ForceCast(text, VT_BOOL);
    EXPECT_TRUE(IsVariant(text, L"BOOL:0"));

    COleVariant date = Parsed(L"DATE:2");
    const CString message = ExpectDux(4023, [&] { VrlConversions::ForceCast(date, VT_I4); });
    EXPECT_NE(message.Find(L"7"), -1) << message.ToUtf8();
    EXPECT_TRUE(IsVariant(date, L"DATE:2"));

    COleVariant fraction = Parsed(L"R8:2.5");
    const CString second = ExpectDux(4023, [&] { VrlConversions::ForceCast(fraction, VT_I2); });
    EXPECT_NE(second.Find(L"5"), -1) << second.ToUtf8();
}

TEST(VrlConversionsByName, EmptyMapChangesNothingAndRegisteredNamesCast) {
    auto* map = VrlConversions::GetMap();
    EXPECT_EQ(map, &VrlConversions::sm_oMap);
    map->RemoveAll();
    COleVariant v = Parsed(L"I8:5");
    VrlConversions::CastByName(L"anything", v);
    EXPECT_TRUE(IsVariant(v, L"I8:5"));

    map->SetAt(L"smallint", VT_I2);
    map->SetAt(L"float", VT_R8);
    for (const CaseRow& row : ReadCases(kCases, "byname")) {
        COleVariant value = Parsed(row[1]);
        VrlConversions::CastByName(row[0], value);
        EXPECT_TRUE(IsVariant(value, row[2])) << row.where;
        int32_t wide = 0;
        std::memcpy(&wide, &value.iVal, sizeof(wide));
        EXPECT_TRUE(value.vt != VT_I2 || wide == value.iVal) << row.where;
    }
    map->RemoveAll();
}

TEST(VrlConversionsConstraintLimit, ShortNamesStayAndLongOnesKeepThirteenCharactersAndAHash) {
    for (const CaseRow& row : ReadCases(kCases, "limit"))
        EXPECT_EQ(VrlConversions::AnsiConstraintLimit(row[0].c_str()), row[1]) << row.where;
    const CString exact(L"PK_BatchDefinition");
    EXPECT_EQ(VrlConversions::AnsiConstraintLimit(exact), exact.GetString()); // the name's own text
    const std::wstring result = VrlConversions::AnsiConstraintLimit(CString(L"FK_") + CString(L'x', 1000));
    EXPECT_EQ(result, L"FK_xxxxxxxxxxQ" + result.substr(14));
    EXPECT_EQ(result.size(), 18u);
}
