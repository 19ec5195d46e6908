// Access generator: memo lengths, Jet literals and default clauses, bracketed
// keys and indexes, routines, and the refusal of existence probes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/ExpectDux.h"
#include "dialects/VrlDbmsAccess.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;

namespace {

class Kit {
public:
    VrlField* Field(const wchar_t* name, VrlDataType type = dtInteger, LONG length = 0,
                    COleVariant defaultValue = COleVariant(), VrlNullType nullType = ntNull) {
        m_fields.push_back(std::make_unique<VrlField>(name, VrlDataDefinition(type, length), defaultValue,
                                                      nullType, CString(L""), 0, paNone, VrlSchemaVersion(),
                                                      0, 0));
        return m_fields.back().get();
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                       ClusteredType clustered = clDefault) {
        m_constraints.push_back(
            std::make_unique<VrlConstraint>(name, type, columns, VrlSchemaVersion(), clustered));
        return m_constraints.back().get();
    }
    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints = {}, LONG bufferSize = 0) {
        m_tables.push_back(std::make_unique<VrlTable>(name, fields, constraints, L"", bufferSize, 0u,
                                                      rtUndefined, VrlSchemaVersion()));
        return m_tables.back().get();
    }
    VrlParam* Param(const wchar_t* name, VrlInOutType direction = ioIn) {
        m_params.push_back(std::make_unique<VrlParam>(name, VrlDataDefinition(dtInteger, 0), direction));
        return m_params.back().get();
    }

private:
    std::vector<std::unique_ptr<VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::vector<std::unique_ptr<VrlParam>> m_params;
};

} // namespace

TEST(AccessTypes, LongColumnsAreMemoWhateverTheirType) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtString, 256).GetString());
    EXPECT_STREQ(L"memo", dbms.ConverToSqlDataType(dtInteger, 4000).GetString());
    EXPECT_STREQ(L"nvarchar(255)", dbms.ConverToSqlDataType(dtString, 255).GetString());
    EXPECT_STREQ(L"ntext", dbms.ConverToSqlDataType(dtString256, 0).GetString());
    EXPECT_STREQ(L"int IDENTITY (1, 1)", dbms.ConverToSqlDataType(dtAutoIncrement, 0).GetString());
    EXPECT_STREQ(L"text", dbms.ConverToSqlDataType(dtGuid28, 0).GetString());
    EXPECT_STREQ(L"image", dbms.ConverToSqlDataType(dtBinary, 0).GetString());
    // Types the Access map leaves alone keep the base texts.
    EXPECT_STREQ(L"VARCHAR(12)", dbms.ConverToSqlDataType(dtAnsiString26, 12).GetString());
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(dtSysName, 0).GetString());
    // Routine parameters ask for the bare type: a long parameter is not memo.
    EXPECT_STREQ(L"nvarchar(300)", dbms.FormatSchemaCreationDataType(dtString, 300).GetString());
}

TEST(AccessLiterals, StringsBooleansAndNames) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    COleVariant quote(L"O'Brien");
    EXPECT_STREQ(L"'O''Brien'", dbms.FormatString(quote).GetString());
    COleVariant accented(L"Gr\u00fcn");
    EXPECT_STREQ(L"'Gr\u00fcn'", dbms.FormatString(accented).GetString());
    COleVariant number(42L);
    EXPECT_STREQ(L"'42'", dbms.FormatString(number).GetString());
    EXPECT_STREQ(L"YES", dbms.FormatBool(1).GetString());
    EXPECT_STREQ(L"NO", dbms.FormatBool(0).GetString());
    EXPECT_STREQ(L"[Name]", dbms.FormatFieldName(L"Name").GetString());
    EXPECT_STREQ(L"[A], [B]", dbms.GetFieldsWithSurroundBrackets({L"A", L"B"}).GetString());
    EXPECT_STREQ(L"Now()", dbms.FormatCurrentDateTime(1).GetString());
}

TEST(AccessLiterals, DatesBetweenHashes) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    COleDateTime date(2024, 1, 31, 13, 45, 0);
    EXPECT_STREQ(L"#2024-01-31 13:45:00#", dbms.FormatDateTime(date, 0).GetString());
    COleDateTime withMs;
    withMs.m_dt = date.m_dt + 0.25 / 86400.0;
    EXPECT_STREQ(L"#2024-01-31 13:45:00#", dbms.FormatDateTime(withMs, 1).GetString());
    EXPECT_STREQ(L"#08:30:15#", dbms.FormatDateTime(COleDateTime(1850, 6, 1, 8, 30, 15), 0).GetString());
    COleDateTime noon;
    noon.m_dt = 0.5;
    EXPECT_STREQ(L"#12:00:00#", dbms.FormatDateTime(noon, 0).GetString());
}

TEST(AccessLiterals, DefaultClauses) {
    Kit kit;
    VrlDbmsAccess dbms(nullptr, L"Test");
    EXPECT_STREQ(L"DEFAULT \"\"",
                 dbms.GetDefaultValue(kit.Field(L"S", dtString, 20, COleVariant(L""))).GetString());
    EXPECT_STREQ(L"", dbms.GetDefaultValue(kit.Field(L"S", dtString, 20)).GetString());
    EXPECT_STREQ(L"DEFAULT it''s",
                 dbms.GetDefaultValue(kit.Field(L"S", dtMemo, 0, COleVariant(L"it's"))).GetString());
    EXPECT_STREQ(L"DEFAULT {0a1b}",
                 dbms.GetDefaultValue(kit.Field(L"G", dtGuid, 0, COleVariant(L"{0A1B}"))).GetString());
    // Type 26 is not among the unquoted types: its quotes stay.
    EXPECT_STREQ(L"DEFAULT 'x'",
                 dbms.GetDefaultValue(kit.Field(L"A", dtAnsiString26, 5, COleVariant(L"x"))).GetString());
    EXPECT_STREQ(L"DEFAULT 7",
                 dbms.GetDefaultValue(kit.Field(L"I", dtInteger, 0, COleVariant(7L))).GetString());
    EXPECT_STREQ(L"DEFAULT YES",
                 dbms.GetDefaultValue(kit.Field(L"B", dtBoolean, 0, COleVariant(L"1"))).GetString());
    EXPECT_STREQ(L"DEFAULT Now()",
                 dbms.GetDefaultValue(kit.Field(L"D", dtDateTime, 0, COleVariant(L"Now()"))).GetString());
    EXPECT_STREQ(L"DEFAULT #2024-01-31 13:45:00#",
                 dbms.GetDefaultValue(
                         kit.Field(L"D", dtDateTime, 0, COleVariant(COleDateTime(2024, 1, 31, 13, 45, 0))))
                     .GetString());
    EXPECT_STREQ(L"[S] nvarchar(20)  DEFAULT \"\"",
                 dbms.GetFieldInfo(kit.Field(L"S", dtString, 20, COleVariant(L""))).GetString());
}

TEST(AccessKeys, SeparateBracketedStatements) {
    Kit kit;
    VrlTable* keyed =
        kit.Table(L"T", {kit.Field(L"A"), kit.Field(L"B")},
                  {kit.Key(L"PK_T", ctPrimaryKey, {L"A", L"B"}), kit.Key(L"UQ_T", ctUnique, {L"B"}),
                   kit.Key(L"IX_T", ctIndex, {L"B", L"A"}), kit.Key(L"IX_C", ctIndex6, {L"A"})});
    VrlTable* bare = kit.Table(L"U", {kit.Field(L"A")}, {kit.Key(L"IX_U", ctIndex, {L"A"})});
    VrlDbmsAccess dbms(nullptr, L"Test");

    std::vector<CString> statements;
    dbms.GeneratePrimaryKeyConstraint(bare, statements);
    EXPECT_TRUE(statements.empty());
    dbms.GeneratePrimaryKeyConstraint(keyed, statements);
    dbms.GenerateUniqueConstraint(keyed, statements);
    dbms.GenerateNonUniqueIndex(keyed, statements);
    ASSERT_EQ(3u, statements.size());
    EXPECT_STREQ(L"ALTER TABLE T ADD CONSTRAINT PK_T PRIMARY KEY CLUSTERED ([A], [B])",
                 statements[0].GetString());
    EXPECT_STREQ(L"ALTER TABLE T ADD CONSTRAINT UQ_T UNIQUE ([B])", statements[1].GetString());
    EXPECT_STREQ(L"CREATE INDEX IX_T ON T (B, A)", statements[2].GetString());
}

TEST(AccessRoutines, FunctionsAreProceduresAndCallsAreBareNames) {
    Kit kit;
    VrlFunction function(L"fnTotal", VrlDataDefinition(dtInteger, 0),
                         {kit.Param(L"From"), kit.Param(L"Sum", ioOut)}, L"SELECT 1", L"",
                         VrlSchemaVersion());
    VrlDbmsAccess dbms(nullptr, L"Test");
    EXPECT_STREQ(L"CREATE PROCEDURE fnTotal (@From int , @Sum int OUT) AS \n\tSELECT 1",
                 dbms.GetFunction(&function).GetString());
    EXPECT_STREQ(L"CREATE PROCEDURE fnTotal (@From int , @Sum int OUT) AS \n\tSELECT 1",
                 dbms.FormatCreateFunction(&function).GetString());
    EXPECT_STREQ(L"fnTotal", dbms.FormatFunctionCall(&function).GetString());
    EXPECT_STREQ(L"", dbms.FormatFunctionCall(nullptr).GetString());
    EXPECT_STREQ(L"", dbms.GetFunction(nullptr).GetString());
}

TEST(AccessRoutines, OldBufferTableQueryLeavesTheKeyOpen) {
    Kit kit;
    VrlTable* table =
        kit.Table(L"Batch", {kit.Field(L"BatchID")}, {kit.Key(L"PK_Batch", ctPrimaryKey, {L"BatchID"})}, 25);
    table->SetOldName(L"OldBatch");
    VrlDbmsAccess dbms(nullptr, L"Test");
    EXPECT_STREQ(L"SELECT TOP 25 * FROM OldBatch WHERE BatchID > %ld ORDER BY BatchID ",
                 dbms.GetSelectOldBufferTableSQL(table).GetString());
}

TEST(AccessTemplates, SqlServerTextsWithoutOwner) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    const VrlSqlStrings* strings = dbms.GetSqlStrings();
    EXPECT_STREQ(L"Access", strings->Get(0, L"", L"", L"", L"", L"", L"").GetString());
    EXPECT_STREQ(L"CREATE TABLE T(\nA int)",
                 strings->Get(12, L"T", L"A int", L"", L"", L"", L"").GetString());
    EXPECT_STREQ(L"\r\nGO\r\n\r\n", strings->Get(6, L"", L"", L"", L"", L"", L"").GetString());
    EXPECT_STREQ(L"SELECT TOP 1 c FROM t", strings->Get(51, L"t", L"c", L"", L"", L"", L"").GetString());
    EXPECT_STREQ(L"", strings->Get(52, L"", L"", L"", L"", L"", L"").GetString());
}

TEST(AccessExistence, ProbesRaiseInsteadOfReadingMissingFormats) {
    Kit kit;
    VrlTable* table = kit.Table(L"Batch", {kit.Field(L"BatchID")});
    VrlDbmsAccess dbms(nullptr, L"Test");
    CString message =
        ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(table); });
    EXPECT_NE(-1, message.Find(L"Batch"));
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatObjectExists(nullptr); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatTableExists(L"Batch"); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatProcedureExists(nullptr); });
    ExpectDux(VrlDbmsAccess::cm_lNoExistenceQueries, [&] { dbms.FormatSequenceExists(L"seq"); });
}

TEST(AccessPublish, NoPublishProcedure) {
    VrlDbmsAccess dbms(nullptr, L"Test");
    wchar_t buffer[8] = L"junk";
    long length = 5;
    dbms.GeneratePublishStoredProcedure(buffer, length);
    EXPECT_EQ(0, length);
    EXPECT_STREQ(L"", buffer);
    EXPECT_EQ(0, dbms.GetPublishBatchDefSubProcedureCount());
}
