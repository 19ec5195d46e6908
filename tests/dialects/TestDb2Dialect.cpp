// DB2 generator: comparisons through the shadow column, unique indexes over
// nullable columns, foreign-key drops, cursor markers in procedures, date
// literals, quotes inside Unicode literals (expected texts: texts/db2.txt).
// Last, both ANSI dialects: no "@" survives in a routine text.
#include <gtest/gtest.h>

#include <string>

#include "DialectFactory.h"
#include "DialectTestKit.h"

using namespace VrlSchemaLib;

namespace {

class DB2 : public ::testing::Test {
protected:
    const VrlSchemaTest::ExpectedTexts& texts = VrlSchemaTest::ExpectedTexts::Of("dialects/texts/db2.txt");
    DialectTestKit kit;
    VrlDbmsDB2 dbms{nullptr, L"Test"};
};

} // namespace

TEST_F(DB2, NameColumnsAreComparedThroughTheirShadow) {
    VrlTable* batch = kit.Table(L"Batch", {kit.Field(L"Name", dtName, 40), kit.Field(L"Code", dtString, 20)});
    VrlDbmsDB2 withSchema(kit.Schema({batch}), L"Test");
    EXPECT_STREQ(L"NameUC='ABC'", withSchema.CreateWhereComparison(L"Batch", L"Name", L"'abc'").GetString());
    EXPECT_STREQ(L"Code='abc'", withSchema.CreateWhereComparison(L"Batch", L"Code", L"'abc'").GetString());
    EXPECT_STREQ(L"NameUC", withSchema.GetShadowedColumnName(L"Name").GetString());
    // The shadow clause left over from the table just created stays out of
    // the drop: the shadow column goes with its table.
    ASSERT_GE(withSchema.GetTableFields(batch).Find(L"NameUC"), 0);
    EXPECT_STREQ(L"DROP TABLE Batch", withSchema.FormatDropTable(batch).GetString());
}

TEST_F(DB2, DropsUniqueKeysAndIndexes) {
    VrlTable* child = kit.Table(L"Child", {kit.Field(L"A")}, {kit.Foreign(L"FK_A", ctForeignKey)});
    VrlTable* batch = kit.Table(
        L"Batch",
        {kit.Field(L"BatchID"), kit.Field(L"Alias", dtName, 40, ntNull), kit.Field(L"Code", dtString, 20)},
        {kit.Key(L"UQ_Batch_Alias_Long", ctUnique, {L"Alias"}), kit.Key(L"UQ_Code", ctUnique, {L"Code"}),
         kit.Key(L"UQ_Mixed", ctUnique, {L"Code", L"Alias"}), kit.Key(L"UQ_AliasUC", ctUnique, {L"AliasUC"}),
         kit.Key(L"UQ_CodeUC", ctUnique, {L"CodeUC"}),
         kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Alias"}, true)});
    texts.Expect({
        {"drop.fk_a", dbms.FormatDropConstraint(child, child->GetConstraint(LONG(0)))},
        {"drop.fk_a.alone", dbms.FormatDropConstraint(child, L"FK_A")},
        {"drop.fk_a.alone", dbms.FormatDropConstraint(child, kit.Foreign(L"FK_A", ctForeignKeyNotGenerated))},
        {"drop.fk_a.alone", dbms.FormatDropConstraint(child, kit.Foreign(L"FK_A", ctForeignKey7))},
        {"drop.fk_profile_batch",
         dbms.FormatDropConstraint(child, kit.Foreign(L"FK_Profile_Batch", ctForeignKey))},
        {"index.create", dbms.FormatNonUniqueIndex(batch, batch->GetConstraint(LONG(5)))},
        {"index.drop", dbms.FormatDropConstraint(batch, batch->GetConstraint(LONG(5)))},
        {"index.exists", dbms.FormatObjectExists(batch->GetConstraint(LONG(5)))},
    });
    const char* const names[] = {"unique.alias", "unique.code", "unique.mixed", "unique.aliasuc",
                                 "unique.codeuc"};
    for (LONG i = 0; i < 5; ++i) {
        const VrlConstraint* key = batch->GetConstraint(i);
        const std::string name = names[i];
        texts.Expect({
            {(name + ".create").c_str(), dbms.FormatUniqueConstraint(batch, key)},
            {(name + ".create").c_str(), dbms.FormatAddConstraint(batch, key)},
            {(name + ".drop").c_str(), dbms.FormatDropConstraint(batch, key)},
            {(name + ".drop").c_str(), dbms.FormatDropConstraint(batch, key->GetName())},
            {(name + ".exists").c_str(), dbms.FormatObjectExists(key)},
        });
    }
}

TEST_F(DB2, CursorMarkersAndTheSqlCodeShell) {
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut),
                                  kit.Param(L"Total", dtLong, 0, ioInOut)};
    VrlProcedure* withSqlCode = kit.Procedure(L"procSql", {params[0]}, L"UPDATE T SET A=@BatchID", 1);
    texts.Expect({
        {"procedure.batches",
         dbms.GetProcedure(kit.Procedure(L"procBatches", {}, L"!SELECT * FROM BatchDef"))},
        {"procedure.find", dbms.GetProcedure(kit.Procedure(
                               L"procFind", params, L"!SELECT * FROM BatchDef WHERE BatchID=@BatchID"))},
        {"procedure.own",
         dbms.GetProcedure(kit.Procedure(L"procOwn", {}, L"!!SELECT * FROM T WHERE A!=1; OPEN lCursor"))},
        {"procedure.sqlcode", dbms.GetProcedure(withSqlCode)},
        {"procedure.sqlcode.alter", dbms.FormatAlterProcedure(withSqlCode)},
        {"function.count",
         dbms.GetFunction(kit.Function(L"fnCount", VrlDataDefinition(dtInteger, 0), {params[0]},
                                       L"RETURN (SELECT COUNT(*) FROM T WHERE BatchID=@BatchID)"))},
        {"function.name",
         dbms.GetFunction(kit.Function(L"fnName", VrlDataDefinition(dtString, 40), {}, L"RETURN 'x'"))},
        {"view.alter", dbms.FormatAlterView(kit.Make<VrlView>(L"vwBatch", L"SELECT * FROM Batch", L"Batch"))},
    });
    EXPECT_STREQ(L"", dbms.GetProcedure(kit.Procedure(L"procEmpty", params, L"")).GetString());
    EXPECT_STREQ(L"", dbms.GetProcedure(nullptr).GetString());
    EXPECT_EQ(33, dbms.GetPublishBatchDefSubProcedureCount());
    EXPECT_EQ(0, VrlDbmsOracle(nullptr, L"Test").GetPublishBatchDefSubProcedureCount());
}

TEST_F(DB2, DateTimesCurrentTimeAndQuotes) {
    ExpectDateLiterals(texts, dbms);
    COleVariant unicode(L"Gr\u00fcn's"), ascii(L"O'Brien");
    texts.Expect({
        {"time_zone", dbms.FormatCurrentTimeZone()},
        {"quotes.unicode", dbms.ReplaceQuotes(L"Gr\u00fcn's")},
        {"string.unicode", dbms.FormatString(unicode)},
    });
    EXPECT_STREQ(L"CURRENT TIMESTAMP", dbms.FormatCurrentDateTime(0).GetString());
    EXPECT_STREQ(L"CURRENT TIMESTAMP", dbms.FormatCurrentDateTime(1).GetString());
    // Both are recognised exactly as written, letter case included.
    EXPECT_TRUE(dbms.IsCurrentTimeFunction(L"CURRENT TIMESTAMP"));
    EXPECT_FALSE(dbms.IsCurrentTimeFunction(L"current timestamp"));
    EXPECT_FALSE(dbms.IsCurrentTimeFunction(L"SYSDATE"));
    EXPECT_TRUE(dbms.IsTimeOffsetFunction(L"-(HOUR(CURRENT TIMEZONE)*60 + MINUTE(CURRENT TIMEZONE))"));
    EXPECT_FALSE(dbms.IsTimeOffsetFunction(L"-(HOUR(CURRENT TIMEZONE)*60)"));
    EXPECT_STREQ(L"O''Brien", dbms.ReplaceQuotes(L"O'Brien").GetString());
    EXPECT_STREQ(L"Gr\u00fcn", dbms.ReplaceQuotes(L"Gr\u00fcn").GetString());
    EXPECT_STREQ(L"'O''Brien'", dbms.FormatString(ascii).GetString());
}

// What Oracle and DB2 share: no bit type, functions before views, and
// functions reported as procedures.
TEST(AnsiBase, BooleansAndCommandTypes) {
    VrlDbmsOracle oracle(nullptr, L"Test");
    VrlDbmsDB2 db2(nullptr, L"Test");
    for (VrlDbms* dbms : std::initializer_list<VrlDbms*>{&oracle, &db2}) {
        EXPECT_EQ(cmdProcedure, dbms->TranslateCommandType(cmdFunction));
        EXPECT_EQ(cmdProcedure, dbms->TranslateCommandType(cmdProcedure));
        EXPECT_EQ(cmdView, dbms->TranslateCommandType(cmdView));
        EXPECT_FALSE(dbms->CreateViewsBeforeFunctions());
        for (short value : {short(VARIANT_TRUE), short(VARIANT_FALSE)}) {
            COleVariant flag(value, VT_BOOL);
            EXPECT_EQ(dtShort, dbms->CastToBoolEquivalent(flag));
            EXPECT_EQ(VT_I2, flag.vt);
            EXPECT_EQ(value != 0, flag.iVal != 0);
        }
        EXPECT_STREQ(L"1", dbms->FormatBool(-1).GetString());
        EXPECT_STREQ(L"0", dbms->FormatBool(0).GetString());
    }
    EXPECT_STREQ(L"NUMBER(5)", oracle.ConverToSqlDataType(dtShort, 0).GetString());
    EXPECT_STREQ(L"smallint", db2.ConverToSqlDataType(dtShort, 0).GetString());
}

// Bodies and shells write variables with "@"; PL/SQL and SQL PL take them
// with "p" in front, wherever the text comes from.
TEST(AnsiRoutines, NoAtSignSurvivesInAnyRoutineText) {
    DialectTestKit kit;
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut)};
    std::vector<VrlProcedure*> procedures{
        kit.Procedure(L"procPlain", params, L"UPDATE T SET Name=@Name WHERE BatchID=@BatchID"),
        kit.Procedure(L"procRows", params, L"~!SELECT * FROM T WHERE BatchID=@BatchID AND Name=@Name"),
        kit.Procedure(L"procOwn", params, L"~~!!SELECT @BatchID FROM T", 1)};
    std::vector<VrlFunction*> functions{
        kit.Function(L"fnName", VrlDataDefinition(dtString, 40), params, L"RETURN @Name || @BatchID"),
        kit.Function(L"fnRows", VrlDataDefinition(dtTable, 0), params, L"SELECT @BatchID FROM T")};
    const VrlSchema* schema = kit.Schema({}, procedures, functions);
    for (Dialect target : {Dialect::Oracle, Dialect::DB2}) {
        SCOPED_TRACE(DialectName(target));
        const std::unique_ptr<VrlDbms> dbms = MakeDbms(target, schema);
        std::vector<CString> texts;
        for (VrlProcedure* procedure : procedures) {
            texts.push_back(dbms->GetProcedure(procedure));
            texts.push_back(dbms->FormatCreateProcedure(procedure));
            texts.push_back(dbms->FormatAlterProcedure(procedure));
        }
        for (VrlFunction* function : functions) {
            texts.push_back(dbms->GetFunction(function));
            texts.push_back(dbms->FormatCreateFunction(function));
            texts.push_back(dbms->FormatAlterFunction(function));
        }
        std::vector<CString> script;
        dbms->GenerateSchema(script);
        texts.insert(texts.end(), script.begin(), script.end());
        int routines = 0;
        for (const CString& text : texts) {
            EXPECT_LT(text.Find(L'@'), 0) << text.ToUtf8();
            routines += text.Find(L"PROCEDURE proc") >= 0 || text.Find(L"FUNCTION fn") >= 0;
        }
        EXPECT_EQ(15 + 5, routines);
    }
}
