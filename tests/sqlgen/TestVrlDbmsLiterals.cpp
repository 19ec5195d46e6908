// Type texts, SQL words of the enumerations, names and value literals of the
// generator base, seen through the test dialect.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "TestDialect.h"
#include "common/ExpectDux.h"
#include "platform/COleException.h"

using namespace VrlSchemaTest;

namespace {

class DbmsLiterals : public ::testing::Test {
protected:
    Keeper keep;
    TestDialect dbms{nullptr};

    CString Literal(VrlDataType type, COleVariant value, VrlFieldFlag flag = ffNone) {
        VrlField* field = keep.Field(L"F", type);
        if (flag != ffNone)
            field->SetFlag(flag);
        return dbms.FormatValueAndVariant(field, value);
    }
};

} // namespace

TEST_F(DbmsLiterals, TypeTextsCarryTheLengthOnlyFromOneAndPassThroughValidateString) {
    EXPECT_EQ(CString(L"nvarchar"), dbms.ConverToSqlDataType(dtString, 0));
    EXPECT_EQ(CString(L"nvarchar"), dbms.ConverToSqlDataType(dtString, -1));
    EXPECT_EQ(CString(L"nvarchar(50)"), dbms.ConverToSqlDataType(dtString, 50));
    // The base entries are there without any dialect entry.
    EXPECT_EQ(CString(L"VARCHAR(38)"), dbms.ConverToSqlDataType(dtGuid28, 0));
    EXPECT_EQ(CString(L"table"), dbms.ConverToSqlDataType(dtTable, 0));
    // A type without an entry is spelled as nothing, the length still added.
    EXPECT_EQ(CString(L""), dbms.ConverToSqlDataType(dtInterval, 0));
    EXPECT_EQ(CString(L"(7)"), dbms.ConverToSqlDataType(dtInterval, 7));
    EXPECT_EQ(CString(L"nvarchar(20)"), dbms.FormatSchemaCreationDataType(dtString, 20));
    EXPECT_EQ(CString(L"int"), dbms.FormatSchemaCreationDataType(dtInteger, 0));
    dbms.RefuseTextsContaining(L"nvarchar");
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.ConverToSqlDataType(dtString, 5); }));
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatSchemaCreationDataType(dtString, 5); }));
}

TEST_F(DbmsLiterals, EnumerationWordsOnDeleteWithoutSqlTextAndNames) {
    EXPECT_EQ(CString(L"Not Null"), dbms.ConverToSqlDataType(ntNotNull));
    EXPECT_EQ(CString(L""), dbms.ConverToSqlDataType(ntNull));
    EXPECT_EQ(CString(L""), dbms.ConverToSqlDataType(ioIn));
    EXPECT_EQ(CString(L"OUT"), dbms.ConverToSqlDataType(ioOut));
    EXPECT_EQ(CString(L"INOUT"), dbms.ConverToSqlDataType(ioInOut)); // template 20
    EXPECT_EQ(CString(L"NO ACTION"), dbms.ConverToSqlDataType(ouNoAction));
    EXPECT_EQ(CString(L"CASCADE"), dbms.ConverToSqlDataType(ouCascade));
    EXPECT_EQ(CString(L"CASCADE"), dbms.ConverToSqlDataType(static_cast<VrlOnUpdateType>(9)));
    EXPECT_EQ(CString(L"NO ACTION"), dbms.ConverToSqlDataType(odNoAction));
    EXPECT_EQ(CString(L"CASCADE"), dbms.ConverToSqlDataType(odCascade));
    EXPECT_EQ(CString(L"CASCADE"), dbms.ConverToSqlDataType(odCascade4));
    for (VrlOnDeleteType type : {odNone, static_cast<VrlOnDeleteType>(0), static_cast<VrlOnDeleteType>(5)})
        EXPECT_TRUE(RaisesNotSupported([&] { dbms.ConverToSqlDataType(type); })) << type;
    EXPECT_EQ(CString(L""), dbms.FormatParameterName(L""));
    EXPECT_EQ(CString(L""), dbms.FormatParameterName(nullptr));
    EXPECT_EQ(CString(L"@lID"), dbms.FormatParameterName(L"lID"));
    EXPECT_EQ(CString(L"Domain"), dbms.FormatFieldName(L"Domain"));
    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(CString(L"\"dOMAIN\""), dbms.FormatFieldName(L"dOMAIN"));
    EXPECT_EQ(CString(L"Domains"), dbms.FormatFieldName(L"Domains"));
    EXPECT_EQ(CString(L"x"), dbms.AdjustObjectName(L"x"));
    EXPECT_EQ(CString(L"ID=5"), dbms.CreateWhereComparison(L"T", L"ID", L"5"));
}

TEST_F(DbmsLiterals, EmptyAndNullGiveNullForEveryTypeAndLeaveVtNull) {
    for (int type = 1; type <= 30; ++type) {
        VrlField* field = keep.Field(L"F", static_cast<VrlDataType>(type));
        COleVariant empty;
        EXPECT_EQ(CString(L"NULL"), dbms.FormatValueAndVariant(field, empty)) << type;
        EXPECT_EQ(VT_NULL, empty.vt);
        COleVariant null;
        null.vt = VT_NULL;
        EXPECT_EQ(CString(L"NULL"), dbms.FormatValueAndVariant(field, null)) << type;
        EXPECT_EQ(VT_NULL, null.vt);
    }
}

TEST_F(DbmsLiterals, IntegersAndFloats) {
    EXPECT_EQ(CString(L"5"), Literal(dtInteger, COleVariant(L"5")));
    EXPECT_EQ(CString(L"-12"), Literal(dtShort, COleVariant(static_cast<short>(-12))));
    EXPECT_EQ(CString(L"2147483647"), Literal(dtInteger21, COleVariant(2147483647L)));
    EXPECT_EQ(CString(L"3"), Literal(dtLong, COleVariant(3.0)));
    // The time-offset expression is written as it stands only with the flag.
    EXPECT_EQ(CString(L"TZ_OFFSET()"), Literal(dtInteger, COleVariant(L"TZ_OFFSET()"), ffTimeOffset));
    EXPECT_NE(CString(L"TZ_OFFSET()"), Literal(dtInteger, COleVariant(L"TZ_OFFSET()")));
    EXPECT_NE(CString(L"tz_offset()"), Literal(dtInteger, COleVariant(L"tz_offset()"), ffTimeOffset));
    // The flag does not change how numbers are written.
    EXPECT_EQ(CString(L"7"), Literal(dtInteger, COleVariant(7L), ffTimeOffset));
    EXPECT_EQ(CString(L"1.500000"), Literal(dtDouble, COleVariant(1.5)));
    EXPECT_EQ(CString(L"-0.250000"), Literal(dtSingle, COleVariant(L"-0.25")));
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    EXPECT_EQ(CString(L"1.500000"), Literal(dtDouble, COleVariant(1.5)));
    CString text(L"1,5;2,25");
    VrlDbms::FixDecimal(text);
    EXPECT_EQ(CString(L"1.5;2.25"), text);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST_F(DbmsLiterals, StringsAndGuids) {
    EXPECT_EQ(CString(L"'O''Brien'"), Literal(dtString, COleVariant(L"O'Brien")));
    EXPECT_EQ(CString(L"''''''"), Literal(dtMemo, COleVariant(L"''")));
    EXPECT_EQ(CString(L"N'Zoë'"), Literal(dtName, COleVariant(L"Zoë")));
    EXPECT_EQ(CString(L"''"), Literal(dtAnsiString, COleVariant(L"")));
    EXPECT_EQ(CString(L"'42'"), Literal(dtLongText, COleVariant(42L)));
    EXPECT_TRUE(VrlDbms::IsAscii(L""));
    EXPECT_TRUE(VrlDbms::IsAscii(L"\x7f"));
    EXPECT_FALSE(VrlDbms::IsAscii(L"\x80"));
    VrlField* field = keep.Field(L"G", dtGuid23);
    COleVariant value(L"{ABCDEF01-2345-6789-ABCD-EF0123456789}");
    EXPECT_EQ(CString(L"'{abcdef01-2345-6789-abcd-ef0123456789}'"), dbms.FormatValueAndVariant(field, value));
    ASSERT_EQ(VT_BSTR, value.vt);
    EXPECT_EQ(CString(L"{abcdef01-2345-6789-abcd-ef0123456789}"), CString(value.bstrVal));

    COleVariant empty(L"");
    EXPECT_EQ(CString(L"NULL"), dbms.FormatValueAndVariant(field, empty));
    EXPECT_EQ(VT_NULL, empty.vt);
}

TEST_F(DbmsLiterals, Booleans) {
    struct Case {
        const wchar_t* text;
        const wchar_t* literal;
    };
    for (const Case& c : {Case{L"0", L"0"}, Case{L"FALSE", L"0"}, Case{L"false", L"0"}, Case{L"1", L"1"},
                          Case{L"True", L"1"}, Case{L"-1", L"1"}}) {
        VrlField* field = keep.Field(L"B", dtBoolean);
        COleVariant value(c.text);
        EXPECT_EQ(CString(c.literal), dbms.FormatValueAndVariant(field, value)) << CString(c.text).ToUtf8();
        ASSERT_EQ(VT_BOOL, value.vt);
        EXPECT_EQ(c.literal[0] == L'1' ? VARIANT_TRUE : VARIANT_FALSE, value.boolVal);
    }
    EXPECT_EQ(CString(L"NULL"), Literal(dtBoolean, COleVariant(L"")));
    EXPECT_EQ(CString(L"1"), Literal(dtBoolean, COleVariant(5L)));
    EXPECT_EQ(CString(L"0"), Literal(dtBoolean, COleVariant(static_cast<short>(0))));

    // A text that is no boolean at all raises the platform's error.
    bool raised = false;
    try {
        Literal(dtBoolean, COleVariant(L"perhaps"));
    } catch (COleException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
}

TEST_F(DbmsLiterals, FormatValueLeavesTheVariantAloneReadsNamesAndGivesNoLiteralForSomeTypes) {
    for (VrlDataType type : {dtBigInt, dtBinary, dtTable, dtSysName, dtInterval})
        EXPECT_EQ(CString(L""), Literal(type, COleVariant(5L))) << type;
    EXPECT_EQ(CString(L""), dbms.FormatValue(static_cast<const VrlField*>(nullptr), COleVariant(5L)));
    VrlField* field = keep.Field(L"G", dtGuid);
    const COleVariant value(L"ABC");
    EXPECT_EQ(CString(L"'abc'"), dbms.FormatValue(field, value));
    EXPECT_EQ(CString(L"ABC"), CString(value.bstrVal));
    VrlTable* table =
        keep.Table(L"Person", {keep.Field(L"Age", dtInteger), keep.Field(L"Name", dtString, 20)});
    TestDialect withSchema(keep.Schema({table}));
    EXPECT_EQ(CString(L"'Ann'"), withSchema.FormatValue(L"person", L"NAME", COleVariant(L"Ann")));
    EXPECT_EQ(CString(L"30"), withSchema.FormatValue(L"Person", L"Age", COleVariant(L"30")));
    ExpectDux(4054, [&] { withSchema.FormatValue(L"Person", L"Height", COleVariant(1L)); });
    COleVariant number(L"1,25");
    EXPECT_EQ(CString(L"1.25"), dbms.FormatBstrNotVarchar(number));
    COleVariant empty(L"");
    EXPECT_EQ(CString(L"NULL"), dbms.FormatBstrNotVarchar(empty));
}

TEST_F(DbmsLiterals, DateTimesAndUnreadableOnesRaise4023WithTheVariantType) {
    // Day 2 is 1 January 1900; .5 is noon.
    EXPECT_EQ(CString(L"'1900-01-01 12:00:00'"), Literal(dtDateTime, COleVariant(COleDateTime(2.5))));
    EXPECT_EQ(CString(L"'1900-01-01 12:00:00.ms'"),
              Literal(dtTimestamp, COleVariant(COleDateTime(2.5)), ffWithMilliseconds));
    // Date texts: the platform's conversion or, failing that, our parser.
    EXPECT_EQ(CString(L"'2021-03-04 05:06:07'"),
              Literal(dtDateTime, COleVariant(L"2021-03-04T05:06:07.250")));
    EXPECT_EQ(CString(L"'2021-12-31 23:59:00'"), Literal(dtDateTime, COleVariant(L"12/31/2021 23:59")));
    EXPECT_EQ(CString(L"CURRENT_TIMESTAMP"), Literal(dtDateTime, COleVariant(L"CURRENT_TIMESTAMP")));
    EXPECT_EQ(CString(L"NULL"), Literal(dtDateTime, COleVariant(L"")));
    EXPECT_EQ(CString(L"CURRENT_TIMESTAMP"), dbms.FormatCurrentDateTime(1));
    EXPECT_EQ(CString(L"TZ_OFFSET()"), dbms.FormatCurrentTimeZone());
    EXPECT_EQ(1, dbms.IsCurrentTimeFunction(L"CURRENT_TIMESTAMP"));
    EXPECT_EQ(0, dbms.IsCurrentTimeFunction(L"current_timestamp"));

    const CString text = ExpectDux(4023, [&] { Literal(dtDateTime, COleVariant(L"31.02.2021 noon")); });
    EXPECT_GE(text.Find(L"8"), 0) << text.ToUtf8(); // VT_BSTR
    ExpectDux(4023, [&] { Literal(dtDateTime, COleVariant(L"2021-02-30")); });
    ExpectDux(4023, [&] {
        COleVariant value(L"x");
        dbms.FormatDateTime(value, 0);
    });
}
