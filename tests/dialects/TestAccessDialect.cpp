// Access generator: memo lengths, Jet literals and default clauses, keys and
// indexes, the time-zone bias, and the refusal of existence probes. Expected
// texts: texts/access.txt.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DialectTestKit.h"
#include "common/ExpectDux.h"
#include "common/TestData.h"
#include "dialects/VrlDbmsAccess.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "platform/TimeZone.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;

namespace {

// The default clause of a fresh field with the given type and default.
CString DefaultOf(const VrlDbmsAccess& dbms, VrlDataType type, COleVariant value) {
    VrlField field(L"F", VrlDataDefinition(type, 10), value, ntNull, CString(L""), 0, paNone,
                   VrlSchemaVersion(), 0, 0);
    return dbms.GetDefaultValue(&field);
}

} // namespace

TEST(AccessTypes, LongColumnsAreMemoWhateverTheirType) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtString, 256).GetString());
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtInteger, 4000).GetString());
    EXPECT_STREQ(L"nvarchar(255)", dbms.ConverToSqlDataType(dtString, 255).GetString());
    EXPECT_STREQ(L"text", dbms.ConverToSqlDataType(dtGuid28, 0).GetString());
    // Entries the Access map leaves alone keep the base texts.
    EXPECT_STREQ(L"VARCHAR(12)", dbms.ConverToSqlDataType(dtAnsiString26, 12).GetString());
}

TEST(AccessLiterals, StringsDatesAndDefaultClauses) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    COleVariant quote(L"O'Brien");
    EXPECT_STREQ(L"'O''Brien'", dbms.FormatString(quote).GetString());
    COleVariant accented(L"Gr\u00fcn");
    EXPECT_STREQ(L"'Gr\u00fcn'", dbms.FormatString(accented).GetString());
    ExpectDateLiterals(VrlSchemaTest::ExpectedTexts::Of("dialects/texts/access.txt"), dbms);
    EXPECT_STREQ(L"DEFAULT \"\"", DefaultOf(dbms, dtString, COleVariant(L"")).GetString());
    EXPECT_STREQ(L"", DefaultOf(dbms, dtString, COleVariant()).GetString());
    EXPECT_STREQ(L"DEFAULT it''s", DefaultOf(dbms, dtMemo, COleVariant(L"it's")).GetString());
    EXPECT_STREQ(L"DEFAULT {0a1b}", DefaultOf(dbms, dtGuid, COleVariant(L"{0A1B}")).GetString());
    // Type 26 is not among the unquoted types.
    EXPECT_STREQ(L"DEFAULT 'x'", DefaultOf(dbms, dtAnsiString26, COleVariant(L"x")).GetString());
    EXPECT_STREQ(L"DEFAULT YES", DefaultOf(dbms, dtBoolean, COleVariant(L"1")).GetString());
    EXPECT_STREQ(L"DEFAULT Now()", DefaultOf(dbms, dtDateTime, COleVariant(L"Now()")).GetString());
}

TEST(AccessKeys, NoPrimaryKeyStatementWithoutAKey) {
    DialectTestKit kit;
    VrlTable* bare =
        kit.Table(L"U", {kit.Field(L"A", dtInteger, 0, ntNull)}, {kit.Key(L"IX_U", ctIndex, {L"A"})});
    VrlDbmsAccess dbms(nullptr, L"Test");
    std::vector<CString> statements;
    dbms.GeneratePrimaryKeyConstraint(bare, statements);
    EXPECT_TRUE(statements.empty());
}

TEST(AccessRoutines, FunctionsAreProceduresCalledByName) {
    VrlParam from(L"From", VrlDataDefinition(dtInteger, 0), ioIn);
    VrlFunction function(L"fnTotal", VrlDataDefinition(dtInteger, 0), {&from}, L"SELECT 1", L"",
                         VrlSchemaVersion());
    VrlDbmsAccess dbms(nullptr, L"Test");
    VrlSchemaTest::ExpectedTexts::Of("dialects/texts/access.txt")
        .Expect({{"function.total", dbms.FormatCreateFunction(&function)}});
    EXPECT_STREQ(L"fnTotal", dbms.FormatFunctionCall(&function).GetString());
}

TEST(AccessLiterals, TimeOffsetIsTheBiasInForce) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    SetTimeZoneBiasForTesting(-60, 0, -60, TIME_ZONE_ID_DAYLIGHT);
    EXPECT_STREQ(L"-120", dbms.FormatCurrentTimeZone().GetString());
    SetTimeZoneBiasForTesting(300, 15, -60, TIME_ZONE_ID_STANDARD);
    EXPECT_STREQ(L"315", dbms.GetTimeOffsetFunction().GetString());
    ClearTimeZoneOverrideForTesting();
}

TEST(AccessExistence, ProbesRaiseInsteadOfReadingMissingFormats) {
    VrlView view(L"vwBatch", L"SELECT 1", L"");
    VrlDbmsAccess dbms(nullptr, L"Test");
    CString message =
        ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(&view); });
    EXPECT_NE(-1, message.Find(L"vwBatch"));
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(nullptr); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatTableExists(L"Batch"); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatProcedureExists(nullptr); });
}
