// Inputs found by the fuzz targets, kept as unit tests of the layer they hit.
#include <gtest/gtest.h>

#include <string>

#include "sqlgen/VrlDateParser.h"

using VrlSchemaLib::VrlDateParser;

// A long run of nines in the fraction of a second summed up to a whole
// second, outside the field's range.
TEST(FuzzRegressions, DateFractionOfManyNinesStaysBelowOneSecond) {
    const std::wstring nines(40, L'9');
    VrlDateParser::Fields f;
    ASSERT_TRUE(VrlDateParser::ParseFields((L"2024-01-01T00:00:59." + nines).c_str(), f));
    EXPECT_EQ(59, f.second);
    EXPECT_LT(f.fraction, 1.0);
    EXPECT_GT(f.fraction, 0.999);

    // Digits past the ninth no longer count, short fractions are unchanged.
    ASSERT_TRUE(VrlDateParser::ParseFields(L"2024-01-01T00:00:00.1234567891", f));
    EXPECT_DOUBLE_EQ(0.123456789, f.fraction);
    ASSERT_TRUE(VrlDateParser::ParseFields(L"2024-01-01T00:00:00.5", f));
    EXPECT_DOUBLE_EQ(0.5, f.fraction);
}
