// DB2 generator: comparisons through the shadow column, unique indexes over
// nullable columns, foreign-key drops, cursor markers in procedures, date
// literals, quotes inside Unicode literals. Last, both ANSI dialects: no
// "@" survives in a routine text.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DialectTestKit.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;

using Kit = DialectTestKit;

TEST(DB2Names, NameColumnsAreComparedThroughTheirShadow) {
    Kit kit;
    VrlTable* batch = kit.Table(L"Batch", {kit.Field(L"Name", dtName, 40), kit.Field(L"Code", dtString, 20)});
    VrlDbmsDB2 dbms(kit.Schema({batch}), L"Test");
    EXPECT_STREQ(L"NameUC='ABC'", dbms.CreateWhereComparison(L"Batch", L"Name", L"'abc'").GetString());
    EXPECT_STREQ(L"Code='abc'", dbms.CreateWhereComparison(L"Batch", L"Code", L"'abc'").GetString());
    EXPECT_STREQ(L"NameUC", dbms.GetShadowedColumnName(L"Name").GetString());
    // The shadow clause left over from the table just created stays out of
    // the drop: the shadow column goes with its table.
    ASSERT_GE(dbms.GetTableFields(batch).Find(L"NameUC"), 0);
    EXPECT_STREQ(L"DROP TABLE Batch", dbms.FormatDropTable(batch).GetString());
}

TEST(DB2Drops, ForeignKeyIndexGoesWithTypeThreeOnly) {
    Kit kit;
    VrlTable* child = kit.Table(L"Child", {kit.Field(L"A")}, {kit.Foreign(L"FK_A", ctForeignKey)});
    VrlDbmsDB2 dbms(nullptr, L"Test");
    EXPECT_STREQ(L"ALTER TABLE Child DROP CONSTRAINT FK_A; DROP INDEX FK_AIndex",
                 dbms.FormatDropConstraint(child, child->GetConstraint(LONG(0))).GetString());
    EXPECT_STREQ(L"ALTER TABLE Child DROP CONSTRAINT FK_A",
                 dbms.FormatDropConstraint(child, L"FK_A").GetString());
    EXPECT_STREQ(
        L"ALTER TABLE Child DROP CONSTRAINT FK_A",
        dbms.FormatDropConstraint(child, kit.Foreign(L"FK_A", ctForeignKeyNotGenerated)).GetString());
    EXPECT_STREQ(L"ALTER TABLE Child DROP CONSTRAINT FK_A",
                 dbms.FormatDropConstraint(child, kit.Foreign(L"FK_A", ctForeignKey7)).GetString());
    // Only the index name is cut.
    EXPECT_STREQ(
        L"ALTER TABLE Child DROP CONSTRAINT FK_Profile_Batch; DROP INDEX FK_Profile_BaQ0631",
        dbms.FormatDropConstraint(child, kit.Foreign(L"FK_Profile_Batch", ctForeignKey)).GetString());
}

TEST(DB2Unique, NullableColumnsMakeAUniqueIndexEveryWay) {
    Kit kit;
    VrlTable* batch = kit.Table(
        L"Batch",
        {kit.Field(L"BatchID"), kit.Field(L"Alias", dtName, 40, ntNull), kit.Field(L"Code", dtString, 20)},
        {kit.Key(L"UQ_Batch_Alias_Long", ctUnique, {L"Alias"}), kit.Key(L"UQ_Code", ctUnique, {L"Code"}),
         kit.Key(L"UQ_Mixed", ctUnique, {L"Code", L"Alias"}), kit.Key(L"UQ_AliasUC", ctUnique, {L"AliasUC"}),
         kit.Key(L"UQ_CodeUC", ctUnique, {L"CodeUC"}),
         kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Alias"}, true)});
    VrlDbmsDB2 dbms(nullptr, L"Test");
    struct Case {
        LONG index;
        const wchar_t* create;
        const wchar_t* drop;
        const wchar_t* exists;
    } cases[] = {
        {0, L"CREATE UNIQUE INDEX UQ_Batch_AliaQ2206 ON Batch(Alias)", L"DROP INDEX UQ_Batch_AliaQ2206",
         L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'U' AND "
         L"INDNAME = "
         L"N'UQ_Batch_AliaQ2206' AND TABNAME = N'Batch'"},
        {1, L"ALTER TABLE Batch ADD CONSTRAINT UQ_Code UNIQUE(Code)",
         L"ALTER TABLE Batch DROP CONSTRAINT UQ_Code",
         L"SELECT COUNT(*) FROM SYSCAT.TABCONST WHERE CONSTNAME = N'UQ_Code' AND TABNAME = N'Batch' AND TYPE "
         L"= 'U'"},
        {2, L"CREATE UNIQUE INDEX UQ_Mixed ON Batch(Code,Alias)", L"DROP INDEX UQ_Mixed",
         L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'U' AND "
         L"INDNAME = "
         L"N'UQ_Mixed' AND TABNAME = N'Batch'"},
        // A shadow name stands for the column it shadows.
        {3, L"CREATE UNIQUE INDEX UQ_AliasUC ON Batch(AliasUC)", L"DROP INDEX UQ_AliasUC",
         L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'U' AND "
         L"INDNAME = "
         L"N'UQ_AliasUC' AND TABNAME = N'Batch'"},
        {4, L"ALTER TABLE Batch ADD CONSTRAINT UQ_CodeUC UNIQUE(CodeUC)",
         L"ALTER TABLE Batch DROP CONSTRAINT UQ_CodeUC",
         L"SELECT COUNT(*) FROM SYSCAT.TABCONST WHERE CONSTNAME = N'UQ_CodeUC' AND TABNAME = N'Batch' AND "
         L"TYPE = "
         L"'U'"},
    };
    for (const Case& c : cases) {
        const VrlConstraint* key = batch->GetConstraint(c.index);
        SCOPED_TRACE(key->GetName().ToUtf8());
        EXPECT_STREQ(c.create, dbms.FormatUniqueConstraint(batch, key).GetString());
        EXPECT_STREQ(c.create, dbms.FormatAddConstraint(batch, key).GetString());
        EXPECT_STREQ(c.drop, dbms.FormatDropConstraint(batch, key).GetString());
        EXPECT_STREQ(c.drop, dbms.FormatDropConstraint(batch, key->GetName()).GetString());
        EXPECT_STREQ(c.exists, dbms.FormatObjectExists(key).GetString());
    }
    // Indexes: the cut name, and no constant item for NULL rows on DB2.
    const VrlConstraint* index = batch->GetConstraint(LONG(5));
    EXPECT_STREQ(L"CREATE INDEX IX_Batch_NameQ7617 ON Batch(Alias)",
                 dbms.FormatNonUniqueIndex(batch, index).GetString());
    EXPECT_STREQ(L"DROP INDEX IX_Batch_NameQ7617", dbms.FormatDropConstraint(batch, index).GetString());
    EXPECT_STREQ(
        L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'D' AND "
        L"INDNAME = N'IX_Batch_NameQ7617' AND TABNAME = N'Batch'",
        dbms.FormatObjectExists(index).GetString());
}

TEST(DB2Routines, CursorMarkersAndTheSqlCodeShell) {
    Kit kit;
    VrlDbmsDB2 dbms(nullptr, L"Test");
    EXPECT_STREQ(
        L"CREATE PROCEDURE procBatches() \nBEGIN \n\tBEGIN \n\t\tDECLARE lCursor CURSOR WITH HOLD WITH "
        L"RETURN FOR\nSELECT * FROM BatchDef; \n\tOPEN lCursor; \n\tEND; \nEND",
        dbms.GetProcedure(kit.Procedure(L"procBatches", {}, L"!SELECT * FROM BatchDef")).GetString());
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut),
                                  kit.Param(L"Total", dtLong, 0, ioInOut)};
    EXPECT_STREQ(
        L"CREATE PROCEDURE procFind( pBatchID int, OUT pName VARGRAPHIC(40), INOUT pTotal int) \nBEGIN \n"
        L"\tBEGIN \n\t\tDECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR\n"
        L"SELECT * FROM BatchDef WHERE BatchID=pBatchID; \n\tOPEN lCursor; \n\tEND; \nEND",
        dbms.GetProcedure(kit.Procedure(L"procFind", params,
                                        L"!SELECT * FROM BatchDef WHERE "
                                        L"BatchID=@BatchID"))
            .GetString());
    // "!!": the body opens the cursor itself, and a lone "!" stays as written.
    EXPECT_STREQ(
        L"CREATE PROCEDURE procOwn() \nBEGIN \n\tBEGIN \n\t\tDECLARE lCursor CURSOR WITH HOLD WITH RETURN "
        L"FOR\nSELECT * FROM T WHERE A!=1; OPEN lCursor; \n\tEND; \nEND",
        dbms.GetProcedure(kit.Procedure(L"procOwn", {}, L"!!SELECT * FROM T WHERE A!=1; OPEN lCursor"))
            .GetString());
    VrlProcedure* withSqlCode = kit.Procedure(L"procSql", {params[0]}, L"UPDATE T SET A=@BatchID", 1);
    const wchar_t* sqlCodeText =
        L"CREATE PROCEDURE procSql( pBatchID int) \nBEGIN \nDECLARE SQLCODE INTEGER DEFAULT "
        L"0; \n\tBEGIN \n\t\tUPDATE T SET A=pBatchID; \n\tEND; \nEND";
    EXPECT_STREQ(sqlCodeText, dbms.GetProcedure(withSqlCode).GetString());
    EXPECT_STREQ(L"", dbms.GetProcedure(kit.Procedure(L"procEmpty", params, L"")).GetString());
    EXPECT_STREQ(L"", dbms.GetProcedure(nullptr).GetString());

    EXPECT_STREQ(
        L"CREATE FUNCTION fnCount( pBatchID int) \n\tRETURNS int \n\tNOT DETERMINISTIC \nBEGIN ATOMIC \n"
        L"\tRETURN (SELECT COUNT(*) FROM T WHERE BatchID=pBatchID); \nEND",
        dbms.GetFunction(kit.Function(L"fnCount", VrlDataDefinition(dtInteger, 0), {params[0]},
                                      L"RETURN (SELECT COUNT(*) FROM T WHERE BatchID=@BatchID)"))
            .GetString());
    EXPECT_STREQ(
        L"CREATE FUNCTION fnName() \n\tRETURNS VARGRAPHIC(40) \n\tNOT DETERMINISTIC \nBEGIN ATOMIC \n"
        L"\tRETURN 'x'; \nEND",
        dbms.GetFunction(kit.Function(L"fnName", VrlDataDefinition(dtString, 40), {}, L"RETURN 'x'"))
            .GetString());

    // DB2 replaces neither routines nor views in place.
    EXPECT_EQ(std::wstring(L"DROP PROCEDURE procSql; ") + sqlCodeText,
              std::wstring(dbms.FormatAlterProcedure(withSqlCode).GetString()));
    EXPECT_STREQ(
        L"DROP VIEW vwBatch; CREATE VIEW vwBatch AS\nSELECT * FROM Batch",
        dbms.FormatAlterView(kit.Make<VrlView>(L"vwBatch", L"SELECT * FROM Batch", L"Batch")).GetString());
    EXPECT_EQ(33, dbms.GetPublishBatchDefSubProcedureCount());
    EXPECT_EQ(0, VrlDbmsOracle(nullptr, L"Test").GetPublishBatchDefSubProcedureCount());
}

TEST(DB2Literals, DateTimesAndCurrentTime) {
    VrlDbmsDB2 dbms(nullptr, L"Test");
    COleDateTime date(2024, 1, 31, 13, 45, 0);
    COleDateTime withMs(date.m_dt + 0.250 / 86400.0);
    EXPECT_STREQ(L"'2024-01-31 13:45:00.250000'", dbms.FormatDateTime(withMs, 1).GetString());
    EXPECT_STREQ(L"'2024-01-31 13:45:00.000000'", dbms.FormatDateTime(withMs, 0).GetString());
    EXPECT_STREQ(L"'2024-01-31 13:45:00.000000'", dbms.FormatDateTime(date, 1).GetString());
    // A hair below the next second is that second.
    EXPECT_STREQ(L"'2024-01-31 13:45:01.000000'",
                 dbms.FormatDateTime(COleDateTime(date.m_dt + 0.9996 / 86400.0), 1).GetString());
    EXPECT_STREQ(L"'1900-01-01 12:00:00.000000'", dbms.FormatDateTime(COleDateTime(0.5), 1).GetString());

    EXPECT_STREQ(L"CURRENT TIMESTAMP", dbms.FormatCurrentDateTime(0).GetString());
    EXPECT_STREQ(L"CURRENT TIMESTAMP", dbms.FormatCurrentDateTime(1).GetString());
    const wchar_t* offset = L"-(HOUR(CURRENT TIMEZONE)*60 + MINUTE(CURRENT TIMEZONE))";
    EXPECT_STREQ(offset, dbms.FormatCurrentTimeZone().GetString());
    // Both are recognised exactly as written, letter case included.
    EXPECT_TRUE(dbms.IsCurrentTimeFunction(L"CURRENT TIMESTAMP"));
    EXPECT_FALSE(dbms.IsCurrentTimeFunction(L"current timestamp"));
    EXPECT_FALSE(dbms.IsCurrentTimeFunction(L"SYSDATE"));
    EXPECT_TRUE(dbms.IsTimeOffsetFunction(offset));
    EXPECT_FALSE(dbms.IsTimeOffsetFunction(L"-(HOUR(CURRENT TIMEZONE)*60)"));
}

TEST(DB2Literals, QuotesInsideUnicodeTexts) {
    VrlDbmsDB2 dbms(nullptr, L"Test");
    EXPECT_STREQ(L"O''Brien", dbms.ReplaceQuotes(L"O'Brien").GetString());
    EXPECT_STREQ(L"Gr\u00fcn' || '''' || N's", dbms.ReplaceQuotes(L"Gr\u00fcn's").GetString());
    EXPECT_STREQ(L"Gr\u00fcn", dbms.ReplaceQuotes(L"Gr\u00fcn").GetString());
    COleVariant unicode(L"Gr\u00fcn's");
    EXPECT_STREQ(L"N'Gr\u00fcn' || '''' || N's'", dbms.FormatString(unicode).GetString());
    COleVariant ascii(L"O'Brien");
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
        COleVariant yes(short(VARIANT_TRUE), VT_BOOL), no(short(VARIANT_FALSE), VT_BOOL);
        ASSERT_EQ(VT_BOOL, yes.vt);
        EXPECT_EQ(dtShort, dbms->CastToBoolEquivalent(yes));
        EXPECT_EQ(dtShort, dbms->CastToBoolEquivalent(no));
        EXPECT_EQ(VT_I2, yes.vt);
        EXPECT_NE(0, yes.iVal);
        EXPECT_EQ(VT_I2, no.vt);
        EXPECT_EQ(0, no.iVal);
        EXPECT_STREQ(L"1", dbms->FormatBool(-1).GetString());
        EXPECT_STREQ(L"0", dbms->FormatBool(0).GetString());
    }
    EXPECT_STREQ(L"NUMBER(5)", oracle.ConverToSqlDataType(dtShort, 0).GetString());
    EXPECT_STREQ(L"smallint", db2.ConverToSqlDataType(dtShort, 0).GetString());
}

// Bodies and shells write variables with "@"; PL/SQL and SQL PL take them
// with "p" in front, wherever the text comes from.
TEST(AnsiRoutines, NoAtSignSurvivesInAnyRoutineText) {
    Kit kit;
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut)};
    std::vector<VrlProcedure*> procedures{
        kit.Procedure(L"procPlain", params, L"UPDATE T SET Name=@Name WHERE BatchID=@BatchID"),
        kit.Procedure(L"procRows", params, L"~!SELECT * FROM T WHERE BatchID=@BatchID AND Name=@Name"),
        kit.Procedure(L"procOwn", params, L"~~!!SELECT @BatchID FROM T", 1)};
    std::vector<VrlFunction*> functions{
        kit.Function(L"fnName", VrlDataDefinition(dtString, 40), params, L"RETURN @Name || @BatchID"),
        kit.Function(L"fnRows", VrlDataDefinition(dtTable, 0), params, L"SELECT @BatchID FROM T")};
    const VrlSchema* schema = kit.Schema({}, procedures, functions);
    std::unique_ptr<VrlDbms> dialects[] = {std::make_unique<VrlDbmsOracle>(schema, L"Test"),
                                           std::make_unique<VrlDbmsDB2>(schema, L"Test")};
    for (const std::unique_ptr<VrlDbms>& dbms : dialects) {
        SCOPED_TRACE(dbms == dialects[0] ? "Oracle" : "DB2");
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
