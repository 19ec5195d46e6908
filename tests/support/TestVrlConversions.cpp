#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "common/ExpectDux.h"
#include "platform/COleVariant.h"
#include "platform/Variant.h"
#include "support/VrlConversions.h"

using namespace VrlSchemaLib;

namespace {

// Variants are built field by field, so that the tests do not depend on
// which constructors the variant class offers for which C++ types.
// clang-format off
COleVariant Make(VARTYPE vt, int64_t n, double d = 0, const wchar_t* text = nullptr) {
    COleVariant r;
    r.vt = vt;
    switch (vt) {
    case VT_I1: r.cVal = static_cast<decltype(r.cVal)>(static_cast<int8_t>(n)); break;
    case VT_I2: r.iVal = static_cast<int16_t>(n); break;
    case VT_I4: r.lVal = static_cast<int32_t>(n); break;
    case VT_I8: r.llVal = n; break;
    case VT_R4: r.fltVal = static_cast<float>(d); break;
    case VT_R8: r.dblVal = d; break;
    case VT_DATE: r.date = d; break;
    case VT_BOOL: r.boolVal = n ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_BSTR: r.bstrVal = SysAllocString(text); break;
    default: break;
    }
    return r;
}
COleVariant I1(int8_t v) { return Make(VT_I1, v); }
COleVariant I2(int16_t v) { return Make(VT_I2, v); }
COleVariant I4(int32_t v) { return Make(VT_I4, v); }
COleVariant I8(int64_t v) { return Make(VT_I8, v); }
COleVariant R4(float v) { return Make(VT_R4, 0, v); }
COleVariant R8(double v) { return Make(VT_R8, 0, v); }
COleVariant Bool(bool v) { return Make(VT_BOOL, v); }
COleVariant Str(const wchar_t* v) { return Make(VT_BSTR, 0, 0, v); }
COleVariant Date(double v) { return Make(VT_DATE, 0, v); }
COleVariant Null() { return Make(VT_NULL, 0); }
// units / 10^scale
COleVariant Dec(int64_t units, BYTE scale) {
    COleVariant r;
    r.vt = VT_DECIMAL;
    r.decVal = DECIMAL{};
    r.decVal.scale = scale;
    r.decVal.sign = units < 0 ? DECIMAL_NEG : 0;
    r.decVal.Lo64 = static_cast<ULONGLONG>(units < 0 ? -units : units);
    return r;
}
// clang-format on

// The numeric value of a variant of one of the number kinds.
double NumberOf(const VARIANT& v) {
    switch (v.vt) {
    case VT_I1:
        return static_cast<int8_t>(v.cVal);
    case VT_I2:
        return v.iVal;
    case VT_I4:
        return v.lVal;
    case VT_I8:
        return static_cast<double>(v.llVal);
    case VT_BOOL:
        return v.boolVal;
    case VT_R4:
        return v.fltVal;
    case VT_R8:
        return v.dblVal;
    default:
        ADD_FAILURE() << "not a number variant: vt " << v.vt;
        return 0;
    }
}

std::wstring TextOf(const VARIANT& v) {
    EXPECT_EQ(v.vt, VT_BSTR);
    return v.vt == VT_BSTR && v.bstrVal ? std::wstring(v.bstrVal) : std::wstring();
}

// Casting `value` to `type` must succeed and give that type and value.
void ExpectCast(COleVariant value, VARTYPE type, double expected) {
    ASSERT_TRUE(VrlConversions::Cast(value, type)) << "from vt " << value.vt << " to " << type;
    ASSERT_EQ(value.vt, type);
    EXPECT_EQ(NumberOf(value), expected) << "to vt " << type;
}

// A refused cast must leave the value as it was, type and bits.
void ExpectRefused(COleVariant value, VARTYPE type) {
    const COleVariant before(value);
    EXPECT_FALSE(VrlConversions::Cast(value, type)) << "from vt " << before.vt << " to " << type;
    ASSERT_EQ(value.vt, before.vt);
    if (value.vt == VT_BSTR) {
        EXPECT_EQ(TextOf(value), TextOf(before));
    } else {
        EXPECT_EQ(std::memcmp(&value.llVal, &before.llVal, sizeof(value.llVal)), 0) << "value changed";
    }
}

// Restores the "C" locale however a test ends.
struct LocaleGuard {
    ~LocaleGuard() { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST(VrlConversionsCast, ToI2ChecksTheSixteenBitRange) {
    ExpectCast(I4(32767), VT_I2, 32767);
    ExpectCast(I4(-32768), VT_I2, -32768);
    ExpectRefused(I4(32768), VT_I2);
    ExpectRefused(I4(-32769), VT_I2);
    ExpectCast(I8(-12), VT_I2, -12);
    ExpectRefused(I8(int64_t(1) << 40), VT_I2);
    ExpectCast(I1(-128), VT_I2, -128);
    ExpectCast(R8(2.0), VT_I2, 2);
    ExpectCast(R4(-32768.0f), VT_I2, -32768);
    ExpectRefused(R8(2.5), VT_I2);
    ExpectRefused(R8(32768.0), VT_I2);
    ExpectRefused(R8(4294967298.0), VT_I2);
    ExpectCast(Str(L"123"), VT_I2, 123);
    ExpectCast(Str(L" -32768"), VT_I2, -32768);
    ExpectRefused(Str(L"32768"), VT_I2);
    ExpectCast(Str(L"12abc"), VT_I2, 12);
    ExpectCast(Bool(true), VT_I2, 1);
    ExpectRefused(Date(2.0), VT_I2);
    ExpectRefused(COleVariant(), VT_I2);
}

TEST(VrlConversionsCast, ToI4AcceptsOnlyWholeNumbersInRange) {
    ExpectCast(I2(-7), VT_I4, -7);
    ExpectCast(I1(127), VT_I4, 127);
    ExpectCast(R8(2.0), VT_I4, 2);
    ExpectRefused(R8(2.5), VT_I4);
    ExpectCast(R8(2147483647.0), VT_I4, 2147483647);
    ExpectCast(R8(-2147483648.0), VT_I4, INT32_MIN);
    ExpectRefused(R8(2147483648.0), VT_I4);
    ExpectRefused(R8(-2147483649.0), VT_I4);
    ExpectRefused(R8(std::numeric_limits<double>::quiet_NaN()), VT_I4);
    ExpectRefused(R8(std::numeric_limits<double>::infinity()), VT_I4);
    ExpectCast(I8(INT32_MIN), VT_I4, INT32_MIN);
    ExpectRefused(I8(int64_t(1) << 31), VT_I4);
    // Text is not range-checked: the 32-bit parse saturates.
    ExpectCast(Str(L"99999999999"), VT_I4, INT32_MAX);
    ExpectCast(Bool(true), VT_I4, 1);
    ExpectRefused(Date(45000.25), VT_I4);
}

TEST(VrlConversionsCast, ToI1ChecksTheEightBitRange) {
    ExpectCast(I2(127), VT_I1, 127);
    ExpectRefused(I2(128), VT_I1);
    ExpectCast(I4(-128), VT_I1, -128);
    ExpectRefused(I4(-129), VT_I1);
    ExpectCast(R8(-128.0), VT_I1, -128);
    ExpectRefused(R8(1.5), VT_I1);
    ExpectCast(Str(L"100"), VT_I1, 100);
    ExpectRefused(Str(L"-129"), VT_I1);
    ExpectCast(Bool(true), VT_I1, 1);
    ExpectRefused(Date(1.0), VT_I1);
}

TEST(VrlConversionsCast, ToI8WidensWithoutLoss) {
    ExpectCast(I4(-5), VT_I8, -5);
    ExpectCast(I1(-1), VT_I8, -1);
    ExpectCast(R8(9007199254740992.0), VT_I8, int64_t(1) << 53);
    ExpectCast(R8(-9223372036854775808.0), VT_I8, INT64_MIN);
    ExpectRefused(R8(9223372036854775808.0), VT_I8);
    ExpectRefused(R8(0.5), VT_I8);
    // The text parse is a 32-bit one, widened afterwards.
    ExpectCast(Str(L"3000000000"), VT_I8, INT32_MAX);
    ExpectCast(Bool(false), VT_I8, 0);
    ExpectRefused(Date(1.0), VT_I8);
}

TEST(VrlConversionsCast, ToRealFromNumbersTextAndBooleans) {
    ExpectCast(I4(40000), VT_R4, 40000.0);
    ExpectCast(I8(int64_t(1) << 40), VT_R8, 1099511627776.0);
    ExpectCast(I1(-8), VT_R8, -8.0);
    ExpectCast(R8(1.5), VT_R4, 1.5);
    ExpectCast(R4(0.25f), VT_R8, 0.25);
    ExpectCast(Str(L"2.25"), VT_R8, 2.25);
    ExpectCast(Str(L"2,25"), VT_R8, 2.25);
    ExpectCast(Str(L"-0,125"), VT_R4, -0.125);
    ExpectCast(Str(L"abc"), VT_R8, 0.0);
    ExpectCast(Bool(true), VT_R8, 1.0);
    // Single precision cannot hold it; storing infinity would change the value.
    ExpectRefused(Str(L"1e39"), VT_R4);
    ExpectCast(Str(L"1e39"), VT_R8, 1e39);
    ExpectRefused(Date(1.5), VT_R8);
    ExpectRefused(COleVariant(), VT_R4);
}

TEST(VrlConversionsCast, ToBoolTakesWhatReadsAsAnInteger) {
    ExpectCast(I4(5), VT_BOOL, VARIANT_TRUE);
    ExpectCast(I4(0), VT_BOOL, VARIANT_FALSE);
    ExpectCast(R8(3.0), VT_BOOL, VARIANT_TRUE);
    ExpectRefused(R8(2.5), VT_BOOL);
    ExpectRefused(I8(int64_t(1) << 32), VT_BOOL);
    ExpectCast(Str(L"7"), VT_BOOL, VARIANT_TRUE);
    ExpectCast(Str(L"no digits"), VT_BOOL, VARIANT_FALSE);
    ExpectRefused(Date(1.0), VT_BOOL);
}

TEST(VrlConversionsCast, ToTextGoesThroughTheVariantConversion) {
    COleVariant v = I4(-40000);
    ASSERT_TRUE(VrlConversions::Cast(v, VT_BSTR));
    EXPECT_EQ(TextOf(v), L"-40000");
    v = Bool(false);
    ASSERT_TRUE(VrlConversions::Cast(v, VT_BSTR));
    EXPECT_EQ(v.vt, VT_BSTR);
}

TEST(VrlConversionsCast, NullSameTypeEmptyAndUnsupportedTargets) {
    COleVariant v = Null();
    ASSERT_TRUE(VrlConversions::Cast(v, VT_BSTR));
    EXPECT_EQ(TextOf(v), L"");

    for (VARTYPE type : {VT_I2, VT_I4, VT_R8, VT_BOOL, VT_DATE, VT_DECIMAL, VT_EMPTY}) {
        COleVariant n = Null();
        EXPECT_TRUE(VrlConversions::Cast(n, type)) << type;
        EXPECT_EQ(n.vt, VT_NULL);
    }

    // VT_EMPTY accepts everything and changes nothing.
    COleVariant d = Date(3.5);
    EXPECT_TRUE(VrlConversions::Cast(d, VT_EMPTY));
    EXPECT_EQ(d.vt, VT_DATE);
    EXPECT_EQ(d.date, 3.5);

    // A value already of the target type is accepted as it stands, even for
    // types that nothing converts to.
    EXPECT_TRUE(VrlConversions::Cast(d, VT_DATE));
    EXPECT_EQ(d.date, 3.5);

    ExpectRefused(I4(1), VT_DATE);
    ExpectRefused(I4(1), VT_DECIMAL);
    ExpectRefused(I4(1), VT_NULL);
    ExpectRefused(Str(L"1"), VT_DATE);
}

TEST(VrlConversionsCast, DecimalsAreTakenAsDoubles) {
    ExpectCast(Dec(20, 1), VT_I4, 2);
    ExpectCast(Dec(-3, 0), VT_I2, -3);
    ExpectCast(Dec(125, 3), VT_R4, 0.125);
    // A refused decimal has still become a double on the way.
    COleVariant v = Dec(25, 1);
    EXPECT_FALSE(VrlConversions::Cast(v, VT_I4));
    ASSERT_EQ(v.vt, VT_R8);
    EXPECT_EQ(v.dblVal, 2.5);
    COleVariant same = Dec(25, 1);
    EXPECT_TRUE(VrlConversions::Cast(same, VT_DECIMAL));
    EXPECT_EQ(same.vt, VT_DECIMAL);
}

TEST(VrlConversionsForceCast, RaisesWithTheSourceTypeCode) {
    COleVariant text = Str(L"none");
    VrlConversions::ForceCast(text, VT_BOOL);
    EXPECT_EQ(text.vt, VT_BOOL);
    EXPECT_EQ(text.boolVal, VARIANT_FALSE);

    COleVariant date = Date(2.0);
    const CString message = ExpectDux(4023, [&] { VrlConversions::ForceCast(date, VT_I4); });
    EXPECT_NE(message.Find(L"7"), -1) << message.ToUtf8();
    EXPECT_EQ(date.vt, VT_DATE);

    COleVariant fraction = R8(2.5);
    const CString second = ExpectDux(4023, [&] { VrlConversions::ForceCast(fraction, VT_I2); });
    EXPECT_NE(second.Find(L"5"), -1) << second.ToUtf8();
}

TEST(VrlConversionsLocale, NumbersIgnoreACommaDecimalLocale) {
    LocaleGuard guard;
    // The set-up script installs this locale; without it the test cannot
    // prove anything, so it fails rather than skips.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    ExpectCast(Str(L"1.5"), VT_R8, 1.5);
    ExpectCast(Str(L"1,5"), VT_R8, 1.5);
    ExpectCast(Str(L"-2.75"), VT_R4, -2.75);
    ExpectCast(Str(L"1234.5"), VT_R8, 1234.5);

    COleVariant v = R8(1.5);
    ASSERT_TRUE(VrlConversions::Cast(v, VT_BSTR));
    EXPECT_EQ(TextOf(v), L"1.5");
}

class VrlConversionsByName : public ::testing::Test {
protected:
    void SetUp() override { VrlConversions::GetMap()->RemoveAll(); }
    void TearDown() override { VrlConversions::GetMap()->RemoveAll(); }
};

TEST_F(VrlConversionsByName, EmptyMapChangesNothing) {
    COleVariant v = I8(5);
    VrlConversions::CastByName(L"anything", v);
    EXPECT_EQ(v.vt, VT_I8);
    EXPECT_EQ(v.llVal, 5);
    EXPECT_EQ(VrlConversions::GetMap(), &VrlConversions::sm_oMap);
}

TEST_F(VrlConversionsByName, RegisteredNameIsLookedUpInLowerCase) {
    VrlConversions::GetMap()->SetAt(L"smallint", VT_I2);
    VrlConversions::GetMap()->SetAt(L"float", VT_R8);

    COleVariant v = I4(12);
    VrlConversions::CastByName(L"SmallInt", v);
    EXPECT_EQ(v.vt, VT_I2);
    EXPECT_EQ(v.iVal, 12);

    COleVariant f = I2(3);
    VrlConversions::CastByName(L"FLOAT", f);
    EXPECT_EQ(f.vt, VT_R8);
    EXPECT_EQ(f.dblVal, 3.0);

    // A refusal leaves the value and is not reported.
    COleVariant big = I4(40000);
    VrlConversions::CastByName(L"smallint", big);
    EXPECT_EQ(big.vt, VT_I4);
    EXPECT_EQ(big.lVal, 40000);
}

TEST_F(VrlConversionsByName, SmallIntegerClearsTheBytesAboveIt) {
    VrlConversions::GetMap()->SetAt(L"smallint", VT_I2);
    // 5.0f has non-zero bytes above its lowest two; a reader of the 32-bit
    // member must still see 5.
    COleVariant v = R4(5.0f);
    VrlConversions::CastByName(L"smallint", v);
    ASSERT_EQ(v.vt, VT_I2);
    int32_t wide = 0;
    std::memcpy(&wide, &v.iVal, sizeof(wide));
    EXPECT_EQ(wide, 5);
}

TEST_F(VrlConversionsByName, UnknownNameNarrowsOnlyWideIntegers) {
    VrlConversions::GetMap()->SetAt(L"smallint", VT_I2);

    COleVariant wide = I8(-9);
    VrlConversions::CastByName(L"bigint", wide);
    EXPECT_EQ(wide.vt, VT_I4);
    EXPECT_EQ(wide.lVal, -9);

    COleVariant huge = I8(int64_t(1) << 40);
    VrlConversions::CastByName(L"bigint", huge);
    EXPECT_EQ(huge.vt, VT_I8);

    COleVariant dec = Dec(70, 1);
    VrlConversions::CastByName(L"numeric", dec);
    EXPECT_EQ(dec.vt, VT_I4);
    EXPECT_EQ(dec.lVal, 7);

    COleVariant real = R8(2.5);
    VrlConversions::CastByName(L"bigint", real);
    EXPECT_EQ(real.vt, VT_R8);

    // Only numeric values take part, whatever the name says.
    COleVariant text = Str(L"7");
    VrlConversions::CastByName(L"smallint", text);
    EXPECT_EQ(text.vt, VT_BSTR);
    COleVariant flag = Bool(true);
    VrlConversions::CastByName(L"smallint", flag);
    EXPECT_EQ(flag.vt, VT_BOOL);
}

TEST(VrlConversionsConstraintLimit, ShortNamesComeBackUnchanged) {
    const CString exact(L"PK_BatchDefinition");
    ASSERT_EQ(exact.GetLength(), 18);
    EXPECT_EQ(VrlConversions::AnsiConstraintLimit(exact), exact.GetString());
    const CString empty;
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(empty), L"");
}

TEST(VrlConversionsConstraintLimit, LongNamesKeepThirteenCharactersAndAHash) {
    // "ass_ID": a=0, s=18, s=18, '_' skipped, I=8, D=3, base 25:
    // ((((0*25+18)*25+18)*25+8)*25+3) = 292703 -> 2703.
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(L"FK_DocumentClass_ID"), L"FK_DocumentClQ2703");
    // Digits count in base 9: 0,1,2,3,4,5 -> 8303.
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(L"IX_0123456789012345"), L"IX_0123456789Q8303");
    // Small hashes are padded to four digits.
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(L"ABCDEFGHIJKLM_____b"), L"ABCDEFGHIJKLMQ0001");
    // Characters that are neither ASCII letters nor digits do not count.
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(L"ABCDEFGHIJKLM-\u00e9\u00e9 _b_"),
                 L"ABCDEFGHIJKLMQ0001");
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(L"ABCDEFGHIJKLM______"), L"ABCDEFGHIJKLMQ0000");
}

TEST(VrlConversionsConstraintLimit, HashWrapsAtThirtyTwoBits) {
    // Twenty 'z' (25 each) overflow 32 bits many times; modulo 2^32 the code
    // is 2822179396, which has the top bit set: masked 674695748 -> 5748.
    const CString name = CString(L"ABCDEFGHIJKLM") + CString(L'z', 20);
    EXPECT_STREQ(VrlConversions::AnsiConstraintLimit(name), L"ABCDEFGHIJKLMQ5748");
}

TEST(VrlConversionsConstraintLimit, VeryLongNamesStillGiveEighteenCharacters) {
    const CString name = CString(L"FK_") + CString(L'x', 1000);
    const std::wstring result = VrlConversions::AnsiConstraintLimit(name);
    EXPECT_EQ(result.size(), 18u);
    EXPECT_EQ(result.substr(0, 14), L"FK_xxxxxxxxxxQ");
}
