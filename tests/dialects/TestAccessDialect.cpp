// Access generator: memo lengths, Jet literals and default clauses, keys and
// indexes, the time-zone bias, and the refusal of existence probes. Expected
// texts: texts/access.txt.
#include <gtest/gtest.h>

#include "DialectTestKit.h"
#include "common/ExpectDux.h"
#include "dialects/VrlDbmsAccess.h"
#include "platform/TimeZone.h"

using namespace VrlSchemaLib;

namespace {

class Access : public ::testing::Test {
protected:
    const VrlSchemaTest::ExpectedTexts& texts = VrlSchemaTest::ExpectedTexts::Of("dialects/texts/access.txt");
    DialectTestKit kit;
    VrlDbmsAccess dbms{nullptr, L"Test"};
};

} // namespace

TEST_F(Access, TypesLiteralsAndDefaultClauses) {
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtString, 256).GetString());
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtInteger, 4000).GetString());
    EXPECT_STREQ(L"nvarchar(255)", dbms.ConverToSqlDataType(dtString, 255).GetString());
    EXPECT_STREQ(L"text", dbms.ConverToSqlDataType(dtGuid28, 0).GetString());
    // Entries the Access map leaves alone keep the base texts.
    EXPECT_STREQ(L"VARCHAR(12)", dbms.ConverToSqlDataType(dtAnsiString26, 12).GetString());
    COleVariant quote(L"O'Brien"), accented(L"Gr\u00fcn");
    EXPECT_STREQ(L"'O''Brien'", dbms.FormatString(quote).GetString());
    EXPECT_STREQ(L"'Gr\u00fcn'", dbms.FormatString(accented).GetString());
    ExpectDateLiterals(texts, dbms);
    const struct {
        VrlDataType type;
        COleVariant value;
        const wchar_t* clause;
    } defaults[] = {
        {dtString, COleVariant(L""), L"DEFAULT \"\""},
        {dtString, COleVariant(), L""},
        {dtMemo, COleVariant(L"it's"), L"DEFAULT it''s"},
        {dtGuid, COleVariant(L"{0A1B}"), L"DEFAULT {0a1b}"},
        {dtAnsiString26, COleVariant(L"x"), L"DEFAULT 'x'"}, // not among the unquoted types
        {dtBoolean, COleVariant(L"1"), L"DEFAULT YES"},
        {dtDateTime, COleVariant(L"Now()"), L"DEFAULT Now()"},
    };
    for (const auto& d : defaults)
        EXPECT_STREQ(d.clause, dbms.GetDefaultValue(kit.Field(L"F", d.type, 10, ntNull, d.value)).GetString())
            << d.type;
}

TEST_F(Access, NoKeyStatementWithoutAKeyFunctionsCalledByNameAndTheBiasInForce) {
    VrlTable* bare =
        kit.Table(L"U", {kit.Field(L"A", dtInteger, 0, ntNull)}, {kit.Key(L"IX_U", ctIndex, {L"A"})});
    std::vector<CString> statements;
    dbms.GeneratePrimaryKeyConstraint(bare, statements);
    EXPECT_TRUE(statements.empty());
    VrlFunction* function = kit.Function(L"fnTotal", VrlDataDefinition(dtInteger, 0),
                                         {kit.Param(L"From", dtInteger)}, L"SELECT 1");
    texts.Expect({{"function.total", dbms.FormatCreateFunction(function)}});
    EXPECT_STREQ(L"fnTotal", dbms.FormatFunctionCall(function).GetString());

    // The time offset is the bias in force.
    SetTimeZoneBiasForTesting(-60, 0, -60, TIME_ZONE_ID_DAYLIGHT);
    EXPECT_STREQ(L"-120", dbms.FormatCurrentTimeZone().GetString());
    SetTimeZoneBiasForTesting(300, 15, -60, TIME_ZONE_ID_STANDARD);
    EXPECT_STREQ(L"315", dbms.GetTimeOffsetFunction().GetString());
    ClearTimeZoneOverrideForTesting();
}

TEST_F(Access, ExistenceProbesRaiseInsteadOfReadingMissingFormats) {
    VrlView view(L"vwBatch", L"SELECT 1", L"");
    CString message =
        ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(&view); });
    EXPECT_NE(-1, message.Find(L"vwBatch"));
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(nullptr); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatTableExists(L"Batch"); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatProcedureExists(nullptr); });
}
