// Values against column types: which defaults reach the column exactly as
// given, and which the generator would change (and so are errors).
#include <gtest/gtest.h>

#include "check/VrlSchemaCheck.h"
#include "schema/SchemaTestObjects.h"

using namespace VrlSchemaTest;

namespace {

struct ValueCase {
    VrlDataType type;
    LONG length;
    COleVariant value;
    const char* code; // "" when the value is fine
};

std::string CodeOfDefault(const ValueCase& c, Dialect target) {
    ObjectKeeper keep;
    VrlField* field = keep.New<VrlField>(L"Value", VrlDataDefinition(c.type, c.length), c.value, ntNull,
                                         CString(L""), 0, paNone, VrlSchemaVersion(), 0, 0);
    const VrlSchema schema = MakeSchema({keep.Table(L"Sample", {field})});
    VrlCheckOptions options;
    options.target = target;
    options.unicodeLiterals = true;
    const auto findings = VrlSchemaCheck::Run(schema, options);
    return findings.empty() ? std::string() : findings[0].code;
}

TEST(CheckValues, DefaultsAgainstColumnTypes) {
    const ValueCase cases[] = {
        {dtInteger, 0, COleVariant(L"12"), ""},
        {dtInteger, 0, COleVariant(L" -12 "), ""},
        {dtInteger, 0, COleVariant(L"12abc"), "value-not-convertible"},
        {dtInteger, 0, COleVariant(2.0), ""},
        {dtInteger, 0, COleVariant(2.5), "value-out-of-range"},
        {dtInteger, 0, COleVariant(5000000000LL), "value-out-of-range"},
        {dtInteger, 0, COleVariant(L"5000000000"), "value-out-of-range"},
        {dtLong, 0, COleVariant(true), ""},
        {dtByte, 0, COleVariant(255L), ""},
        {dtByte, 0, COleVariant(256L), "value-out-of-range"},
        {dtByte, 0, COleVariant(-1L), "value-out-of-range"},
        {dtShort, 0, COleVariant(40000L), "value-out-of-range"},
        {dtBoolean, 0, COleVariant(1L), ""},
        {dtBoolean, 0, COleVariant(2L), "value-out-of-range"},
        {dtBoolean, 0, COleVariant(L"yes"), "value-not-convertible"},
        {dtDouble, 0, COleVariant(0.1), ""},
        {dtDouble, 0, COleVariant(L"1,5"), ""},
        {dtDouble, 0, COleVariant(1.2345678), "value-out-of-range"},
        {dtSingle, 0, COleVariant(L"x"), "value-not-convertible"},
        {dtString, 5, COleVariant(L"12345"), ""},
        {dtString, 5, COleVariant(L"123456"), "value-too-long"},
        {dtString, 5, COleVariant(123456L), "value-too-long"},
        {dtString, 0, COleVariant(L"any length at all"), ""},
        {dtString256, 0, COleVariant(CString(L'x', 257)), "value-too-long"},
        {dtGuid, 0, COleVariant(L"{00000000-0000-0000-0000-000000000000}"), ""},
        {dtGuid, 0, COleVariant(L"{00000000-0000-0000-0000-000000000000}x"), "value-too-long"},
        {dtDateTime, 0, COleVariant(COleDateTime(2009, 5, 1, 8, 30, 0)), ""},
        {dtDateTime, 0, COleVariant(L"soon"), "value-not-convertible"},
        {dtBigInt, 0, COleVariant(1L), "value-no-literal"},
        {dtBinary, 0, COleVariant(L"00"), "value-no-literal"},
        {dtInteger, 0, COleVariant(), ""},
    };
    for (const ValueCase& c : cases) {
        const std::string value = c.value.vt == VT_BSTR ? CString(c.value.bstrVal).ToUtf8() : "(non-text)";
        EXPECT_EQ(c.code, CodeOfDefault(c, Dialect::SqlServer))
            << "type " << c.type << " length " << c.length << " value " << value;
    }
}

// A memo column is written as VARGRAPHIC(256) on DB2 only.
TEST(CheckValues, TextLimitIsTheTargetsColumnLength) {
    const ValueCase memo{dtMemo, 0, COleVariant(CString(L'x', 257)), ""};
    EXPECT_EQ("", CodeOfDefault(memo, Dialect::SqlServer));
    EXPECT_EQ("", CodeOfDefault(memo, Dialect::Oracle));
    EXPECT_EQ("value-too-long", CodeOfDefault(memo, Dialect::DB2));
}

TEST(CheckValues, ReservedWordsDifferByTarget) {
    struct NameCase {
        const wchar_t* name;
        Dialect target;
        bool reserved;
    };
    const NameCase cases[] = {
        {L"Select", Dialect::Access, true},     {L"Date", Dialect::Oracle, true},
        {L"Date", Dialect::SqlServer, false},   {L"Identity", Dialect::SqlServer, true},
        {L"Rownum", Dialect::DB2, false},       {L"rownum", Dialect::Oracle, true},
        {L"Selection", Dialect::Oracle, false},
    };
    for (const NameCase& c : cases) {
        ObjectKeeper keep;
        const VrlSchema schema = MakeSchema({keep.Table(L"Sample", {keep.Field(c.name)})});
        VrlCheckOptions options;
        options.target = c.target;
        const auto findings = VrlSchemaCheck::Run(schema, options);
        const bool reserved = findings.size() == 1 && findings[0].code == "name-reserved";
        EXPECT_EQ(c.reserved, reserved) << CString(c.name).ToUtf8() << " on " << DialectName(c.target);
    }
}

} // namespace
