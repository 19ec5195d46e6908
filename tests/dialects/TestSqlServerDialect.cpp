// SQL Server generator: cascade-delete triggers, drop-trigger statements,
// keys and indexes, literals, default clauses and type texts.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/ExpectDux.h"
#include "dialects/VrlDateTimeSplit.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "platform/CException.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;

namespace {

// Owns the objects of a small schema that a test puts together.
class Kit {
public:
    VrlField* Field(const wchar_t* name, VrlDataType type = dtInteger, LONG length = 0,
                    COleVariant defaultValue = COleVariant(), VrlNullType nullType = ntNull) {
        m_fields.push_back(std::make_unique<VrlField>(name, VrlDataDefinition(type, length), defaultValue,
                                                      nullType, CString(L""), 0, paNone, VrlSchemaVersion(),
                                                      0, 0));
        return m_fields.back().get();
    }
    VrlConstraint* ForeignKey(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                              const wchar_t* refTable, std::vector<CString> refColumns,
                              VrlOnDeleteType onDelete) {
        return Keep(new VrlConstraint(name, type, columns, refTable, refColumns, onDelete, ouNoAction,
                                      VrlSchemaVersion()));
    }
    VrlConstraint* Index(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                         std::vector<CString> included = {}, ClusteredType clustered = clDefault) {
        return Keep(new VrlConstraint(name, type, columns, included, VrlSchemaVersion(), clustered));
    }
    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints = {}, LONG bufferSize = 0) {
        m_tables.push_back(std::make_unique<VrlTable>(name, fields, constraints, L"", bufferSize, 0u,
                                                      rtUndefined, VrlSchemaVersion()));
        return m_tables.back().get();
    }
    const VrlSchema* Schema(const std::vector<VrlTable*>& tables) {
        m_schema = std::make_unique<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{},
                                               std::vector<VrlProcedure*>{}, std::vector<VrlFunction*>{});
        return m_schema.get();
    }

private:
    VrlConstraint* Keep(VrlConstraint* constraint) {
        m_constraints.emplace_back(constraint);
        return constraint;
    }

    std::vector<std::unique_ptr<VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::unique_ptr<VrlSchema> m_schema;
};

std::vector<CString> Triggers(const VrlSchema* schema) {
    VrlDbmsSqlServer dbms(schema, true, L"Test");
    std::vector<CString> statements;
    dbms.GenerateTriggerDefs(nullptr, statements);
    return statements;
}

} // namespace

TEST(SqlServerTriggers, SingleCascadeGivesOneTrigger) {
    Kit kit;
    VrlTable* parent = kit.Table(L"Parent", {kit.Field(L"ParentID")});
    VrlTable* child = kit.Table(
        L"Child", {kit.Field(L"ChildID"), kit.Field(L"ParentID")},
        {kit.ForeignKey(L"FK_Child", ctForeignKey, {L"ParentID"}, L"Parent", {L"ParentID"}, odCascade4)});
    std::vector<CString> statements = Triggers(kit.Schema({parent, child}));
    ASSERT_EQ(1u, statements.size());
    // The list entry is trimmed; the trigger text itself ends in " \n".
    EXPECT_STREQ(L"CREATE TRIGGER T_Parent_DTrig ON Parent INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Child FROM deleted,Child  WHERE deleted.ParentID=Child.ParentID \n"
                 L"DELETE Parent FROM deleted,Parent  WHERE deleted.ParentID=Parent.ParentID",
                 statements[0].GetString());
}

TEST(SqlServerTriggers, LaterChildIsDeletedFirstAndParentLast) {
    Kit kit;
    VrlTable* parent = kit.Table(L"Parent", {kit.Field(L"ParentID")});
    VrlTable* first = kit.Table(
        L"First", {kit.Field(L"Owner")},
        {kit.ForeignKey(L"FK_First", ctForeignKey, {L"Owner"}, L"Parent", {L"ParentID"}, odCascade4)});
    VrlTable* second = kit.Table(
        L"Second", {kit.Field(L"Owner")},
        {kit.ForeignKey(L"FK_Second", ctForeignKey7, {L"Owner"}, L"Parent", {L"ParentID"}, odCascade4)});
    std::vector<CString> statements = Triggers(kit.Schema({parent, first, second}));
    ASSERT_EQ(1u, statements.size());
    EXPECT_STREQ(L"CREATE TRIGGER T_Parent_DTrig ON Parent INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Second FROM deleted,Second  WHERE deleted.ParentID=Second.Owner \n"
                 L"DELETE First FROM deleted,First  WHERE deleted.ParentID=First.Owner \n"
                 L"DELETE Parent FROM deleted,Parent  WHERE deleted.ParentID=Parent.ParentID",
                 statements[0].GetString());
}

TEST(SqlServerTriggers, OnlyTriggerCarriedCascadesGetTriggers) {
    Kit kit;
    VrlTable* a = kit.Table(L"A", {kit.Field(L"AID")});
    VrlTable* b = kit.Table(L"B", {kit.Field(L"BID")});
    VrlTable* child =
        kit.Table(L"Child", {kit.Field(L"AID"), kit.Field(L"BID"), kit.Field(L"CID")},
                  {kit.ForeignKey(L"FK_A", ctForeignKey, {L"AID"}, L"A", {L"AID"}, odCascade),
                   kit.ForeignKey(L"FK_B", ctForeignKey, {L"BID"}, L"B", {L"BID"}, odNoAction),
                   kit.ForeignKey(L"FK_C", ctForeignKeyNotGenerated, {L"CID"}, L"A", {L"AID"}, odCascade4),
                   kit.Index(L"IX_C", ctIndex, {L"CID"})});
    EXPECT_TRUE(Triggers(kit.Schema({a, b, child})).empty());
}

TEST(SqlServerTriggers, PublishingColumnRestrictsTheMatch) {
    Kit kit;
    VrlTable* parent = kit.Table(L"Def", {kit.Field(L"DefID"), kit.Field(L"PublishedBatchDefID")});
    // Two pairs: the clause after the publishing pair runs straight into the
    // next pair's "AND ".
    VrlTable* child = kit.Table(L"Item", {kit.Field(L"DefID"), kit.Field(L"PublishedBatchDefID")},
                                {kit.ForeignKey(L"FK_Item", ctForeignKey, {L"PublishedBatchDefID", L"DefID"},
                                                L"Def", {L"PublishedBatchDefID", L"DefID"}, odCascade4)});
    // Only the child column is the publishing one.
    VrlTable* other = kit.Table(L"Other", {kit.Field(L"PublishedBatchDefID")},
                                {kit.ForeignKey(L"FK_Other", ctForeignKey, {L"PublishedBatchDefID"}, L"Item",
                                                {L"DefID"}, odCascade4)});
    std::vector<CString> statements = Triggers(kit.Schema({parent, child, other}));
    ASSERT_EQ(2u, statements.size());
    EXPECT_STREQ(L"CREATE TRIGGER T_Def_DTrig ON Def INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Item FROM deleted,Item  WHERE deleted.PublishedBatchDefID=Item.PublishedBatchDefID "
                 L"AND deleted.PublishedBatchDefID<>0AND deleted.DefID=Item.DefID \n"
                 L"DELETE Def FROM deleted,Def  WHERE deleted.PublishedBatchDefID=Def.PublishedBatchDefID "
                 L"AND deleted.PublishedBatchDefID<>0AND deleted.DefID=Def.DefID",
                 statements[0].GetString());
    EXPECT_STREQ(L"CREATE TRIGGER T_Item_DTrig ON Item INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Other FROM deleted,Other  WHERE deleted.DefID=Other.PublishedBatchDefID "
                 L"AND Other.PublishedBatchDefID <> 0\n"
                 L"DELETE Item FROM deleted,Item  WHERE deleted.DefID=Item.DefID",
                 statements[1].GetString());
}

TEST(SqlServerTriggers, DropStatementsOncePerReferencedTableForEveryForeignKeyKind) {
    Kit kit;
    VrlTable* parent = kit.Table(L"Parent", {kit.Field(L"ParentID")});
    VrlTable* other = kit.Table(L"Other", {kit.Field(L"OtherID")});
    VrlTable* child = kit.Table(
        L"Child", {kit.Field(L"P1"), kit.Field(L"P2"), kit.Field(L"O1"), kit.Field(L"P3")},
        {kit.ForeignKey(L"FK_1", ctForeignKey, {L"P1"}, L"Parent", {L"ParentID"}, odNoAction),
         kit.ForeignKey(L"FK_2", ctForeignKeyNotGenerated, {L"O1"}, L"Other", {L"OtherID"}, odCascade),
         kit.ForeignKey(L"FK_3", ctForeignKey7, {L"P2"}, L"Parent", {L"ParentID"}, odCascade4),
         kit.Index(L"IX_P3", ctIndex, {L"P3"})});
    const VrlSchema* schema = kit.Schema({parent, other, child});
    // The drops are taken from the schema argument, not the generator's own.
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    std::vector<CString> statements;
    dbms.FormatDropTriggers(schema, statements);
    ASSERT_EQ(2u, statements.size());
    EXPECT_STREQ(
        L"IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND object_id=OBJECT_ID(N'T_Parent_DTrig'))"
        L"\nDROP TRIGGER T_Parent_DTrig",
        statements[0].GetString());
    EXPECT_STREQ(
        L"IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND object_id=OBJECT_ID(N'T_Other_DTrig'))"
        L"\nDROP TRIGGER T_Other_DTrig",
        statements[1].GetString());
}

TEST(SqlServerKeys, DeleteRulesAndForeignKeyText) {
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    EXPECT_STREQ(L"NO ACTION", dbms.ConverToSqlDataType(odNoAction).GetString());
    EXPECT_STREQ(L"CASCADE", dbms.ConverToSqlDataType(odCascade).GetString());
    EXPECT_STREQ(L"NO ACTION", dbms.ConverToSqlDataType(odCascade4).GetString());
    for (VrlOnDeleteType bad : {odNone, static_cast<VrlOnDeleteType>(0), static_cast<VrlOnDeleteType>(9)}) {
        bool thrown = false;
        try {
            dbms.ConverToSqlDataType(bad);
        } catch (CNotSupportedException* e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown) << "on-delete " << bad;
    }

    Kit kit;
    VrlTable* child = kit.Table(
        L"Child", {kit.Field(L"ParentID")},
        {kit.ForeignKey(L"FK_Child", ctForeignKey, {L"ParentID"}, L"Parent", {L"ParentID"}, odCascade4)});
    EXPECT_STREQ(
        L"ALTER TABLE Child ADD CONSTRAINT FK_Child FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) "
        L"ON DELETE NO ACTION ON UPDATE NO ACTION;CREATE INDEX FK_ChildIndex ON Child(ParentID)",
        dbms.FormatForeignKeyConstraint(child, child->GetConstraint(LONG(0))).GetString());
}

TEST(SqlServerKeys, PrimaryAndUniqueKeysAreClusteredAsDeclared) {
    Kit kit;
    VrlTable* table = kit.Table(L"T", {kit.Field(L"A"), kit.Field(L"B")},
                                {kit.Index(L"PK_T", ctPrimaryKey, {L"A", L"B"}, {}, clClustered),
                                 kit.Index(L"UQ_T", ctUnique, {L"B", L"A"})});
    VrlTable* other = kit.Table(L"U", {kit.Field(L"A")}, {kit.Index(L"PK_U", ctPrimaryKey, {L"A"})});
    VrlDbmsSqlServer dbms(kit.Schema({table, other}), true, L"Test");
    EXPECT_STREQ(L"ALTER TABLE T WITH NOCHECK ADD CONSTRAINT PK_T PRIMARY KEY CLUSTERED (A, B)",
                 dbms.FormatPrimaryKey(table, table->GetConstraint(LONG(0))).GetString());
    EXPECT_STREQ(L"ALTER TABLE U WITH NOCHECK ADD CONSTRAINT PK_U PRIMARY KEY NONCLUSTERED (A)",
                 dbms.FormatPrimaryKey(other, other->GetConstraint(LONG(0))).GetString());
    std::vector<CString> statements;
    dbms.GenerateUniqueConstraint(table, statements);
    ASSERT_EQ(1u, statements.size());
    EXPECT_STREQ(L"ALTER TABLE T WITH NOCHECK ADD CONSTRAINT UQ_T UNIQUE NONCLUSTERED (B, A)",
                 statements[0].GetString());
}

TEST(SqlServerIndexes, ClusteredIndexIncludeOnlyInScriptForm) {
    Kit kit;
    VrlTable* table =
        kit.Table(L"T", {kit.Field(L"A"), kit.Field(L"B"), kit.Field(L"C")},
                  {kit.Index(L"IX_Clu", ctIndex6, {L"A"}, {L"B", L"C"}),
                   kit.Index(L"IX_Cov", ctIndex, {L"B", L"A"}, {L"C"}),
                   kit.Index(L"IX_Plain", ctIndex, {L"C"}), kit.Index(L"UQ", ctUnique, {L"A"})});
    VrlDbmsSqlServer dbms(kit.Schema({table}), true, L"Test");
    std::vector<CString> statements;
    dbms.GenerateNonUniqueIndex(table, statements);
    ASSERT_EQ(3u, statements.size());
    EXPECT_STREQ(L"CREATE CLUSTERED INDEX IX_Clu ON dbo.T (A) INCLUDE (B, C)", statements[0].GetString());
    EXPECT_STREQ(L"CREATE NONCLUSTERED INDEX IX_Cov ON dbo.T (B, A) INCLUDE (C)", statements[1].GetString());
    EXPECT_STREQ(L"CREATE NONCLUSTERED INDEX IX_Plain ON dbo.T (C)", statements[2].GetString());

    EXPECT_STREQ(L"CREATE CLUSTERED INDEX IX_Clu ON dbo.T (A)",
                 dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(0))).GetString());
    EXPECT_STREQ(L"CREATE INDEX IX_Cov ON T(B,A) INCLUDE (C)",
                 dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(1))).GetString());
    EXPECT_STREQ(L"CREATE INDEX IX_Plain ON T(C)",
                 dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(2))).GetString());
    EXPECT_STREQ(L"DROP INDEX IX_Plain ON T", dbms.FormatDropIndex(table, L"IX_Plain").GetString());
}

TEST(SqlServerLiterals, UnicodeFlagDecidesThePrefixOfDefaults) {
    Kit kit;
    VrlField* text = kit.Field(L"Label", dtString, 20, COleVariant(L"Gr\u00fcn"));
    VrlField* plain = kit.Field(L"Code", dtString, 20, COleVariant(L"N'x"));
    VrlDbmsSqlServer unicode(nullptr, true, L"Test");
    VrlDbmsSqlServer narrow(nullptr, false, L"Test");
    EXPECT_STREQ(L"DEFAULT (N'Gr\u00fcn')", unicode.GetDefaultValue(text).GetString());
    EXPECT_STREQ(L"DEFAULT ('Gr\u00fcn')", narrow.GetDefaultValue(text).GetString());
    // Only a leading N' prefix is removed, never text inside the literal.
    EXPECT_STREQ(L"DEFAULT ('N''x')", narrow.GetDefaultValue(plain).GetString());
    EXPECT_STREQ(L"'Gr\u00fcn'", narrow.FormatValue(text, COleVariant(L"Gr\u00fcn")).GetString());
}

TEST(SqlServerLiterals, DefaultClauses) {
    Kit kit;
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    EXPECT_STREQ(L"DEFAULT (1)",
                 dbms.GetDefaultValue(kit.Field(L"B", dtBoolean, 0, COleVariant(L"1"))).GetString());
    EXPECT_STREQ(L"DEFAULT (0)",
                 dbms.GetDefaultValue(kit.Field(L"B", dtBoolean, 0, COleVariant(L"0"))).GetString());
    // The current-time expression is written as it is.
    EXPECT_STREQ(L"DEFAULT (getdate())",
                 dbms.GetDefaultValue(kit.Field(L"D", dtDateTime, 0, COleVariant(L"getdate()"))).GetString());
    VrlField* offset =
        kit.Field(L"O", dtInteger, 0, COleVariant(L"-DATEDIFF(MINUTE, GETUTCDATE(), GETDATE())"));
    offset->SetFlag(ffTimeOffset);
    EXPECT_STREQ(L"DEFAULT (-DATEDIFF(MINUTE, GETUTCDATE(), GETDATE()))",
                 dbms.GetDefaultValue(offset).GetString());
    // Without a value the literal is NULL, and SQL Server is given it as such.
    EXPECT_STREQ(L"DEFAULT (NULL)", dbms.GetDefaultValue(kit.Field(L"N")).GetString());
    // A type without literals gives no clause.
    EXPECT_STREQ(L"", dbms.GetDefaultValue(kit.Field(L"X", dtBigInt, 0, COleVariant(5L))).GetString());
}

TEST(SqlServerLiterals, DateTimes) {
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    COleDateTime date(2024, 1, 31, 13, 45, 0);
    EXPECT_STREQ(L"CONVERT(varchar(20), '2024-01-31T13:45:00', 126)",
                 dbms.FormatDateTime(date, 0).GetString());
    // A whole second has no milliseconds to write.
    EXPECT_STREQ(L"CONVERT(varchar(20), '2024-01-31T13:45:00', 126)",
                 dbms.FormatDateTime(date, 1).GetString());

    COleDateTime withMs;
    withMs.m_dt = date.m_dt + 0.250 / 86400.0;
    EXPECT_STREQ(L"CONVERT(varchar(23), '2024-01-31T13:45:00.250', 126)",
                 dbms.FormatDateTime(withMs, 1).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '2024-01-31T13:45:00', 126)",
                 dbms.FormatDateTime(withMs, 0).GetString());

    COleDateTime noon;
    noon.m_dt = 0.5;
    EXPECT_STREQ(L"CONVERT(varchar(20), '12:00:00', 108)", dbms.FormatDateTime(noon, 0).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '12:00:00', 108)", dbms.FormatDateTime(noon, 1).GetString());
    COleDateTime old(1850, 6, 1, 8, 30, 15);
    EXPECT_STREQ(L"CONVERT(varchar(20), '08:30:15', 108)", dbms.FormatDateTime(old, 1).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '00:00:00', 108)",
                 dbms.FormatDateTime(COleDateTime(1899, 12, 31, 0, 0, 0), 0).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '1900-01-01T00:00:00', 126)",
                 dbms.FormatDateTime(COleDateTime(1900, 1, 1, 0, 0, 0), 0).GetString());
}

TEST(SqlServerTypes, TypeTextsAndNames) {
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    EXPECT_STREQ(L"nvarchar(50)", dbms.ConverToSqlDataType(dtString, 50).GetString());
    EXPECT_STREQ(L"NVARCHAR(64)", dbms.ConverToSqlDataType(dtName, 64).GetString());
    EXPECT_STREQ(L"CHAR(38)", dbms.ConverToSqlDataType(dtGuid, 0).GetString());
    EXPECT_STREQ(L"VARCHAR(10)", dbms.ConverToSqlDataType(dtAnsiString, 10).GetString());
    EXPECT_STREQ(L"varbinary(max)", dbms.ConverToSqlDataType(dtBinary, 0).GetString());
    EXPECT_STREQ(L"SYSNAME", dbms.ConverToSqlDataType(dtSysName, -1).GetString());
    EXPECT_STREQ(L"datetime", dbms.ConverToSqlDataType(dtTimestamp, 0).GetString());
    EXPECT_STREQ(L"table", dbms.ConverToSqlDataType(dtTable, 0).GetString());
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(dtInterval, 0).GetString());
    EXPECT_STREQ(L"dbo.procX", dbms.AdjustObjectName(L"procX").GetString());
    EXPECT_STREQ(L"1", dbms.FormatBool(-1).GetString());
    EXPECT_STREQ(L"0", dbms.FormatBool(0).GetString());
    EXPECT_STREQ(L"getdate()", dbms.FormatCurrentDateTime(0).GetString());
    EXPECT_STREQ(L"-DATEDIFF(MINUTE, GETUTCDATE(), GETDATE())", dbms.FormatCurrentTimeZone().GetString());
    EXPECT_STREQ(L"SqlServer", dbms.GetSqlStrings()->Get(0, L"", L"", L"", L"", L"", L"").GetString());
    EXPECT_STREQ(L"\r\nGO\r\n\r\n", dbms.GetSqlStrings()->Get(6, L"", L"", L"", L"", L"", L"").GetString());
}

TEST(SqlServerRoutines, BufferedReadProcedureAndAlterColumn) {
    Kit kit;
    VrlTable* table = kit.Table(
        L"Batch",
        {kit.Field(L"BatchID", dtInteger, 0, COleVariant(), ntNotNull), kit.Field(L"Title", dtString, 40)},
        {kit.Index(L"PK_Batch", ctPrimaryKey, {L"BatchID"})}, 50);
    VrlDbmsSqlServer dbms(kit.Schema({table}), true, L"Test");
    EXPECT_STREQ(L"CREATE PROCEDURE prcBatchBuf \n\t@myID int \nAS \n\tSELECT TOP 50 * \n\t\tFROM Batch "
                 L"\n\t\tWHERE @myID IS NULL OR BatchID > @myID \n\t\tORDER BY BatchID ",
                 dbms.GetBufferFunctionDefinition(table).GetString());
    EXPECT_STREQ(L"ALTER TABLE Batch ALTER COLUMN Title nvarchar(40) ",
                 dbms.FormatAlterColumn(table, table->GetField(LONG(1))).GetString());
}

TEST(DateTimeSplit, MillisecondsSurviveTheSecondRounding) {
    const double second = 1.0 / 86400.0;
    COleDateTime base(2024, 1, 31, 23, 59, 58);
    VrlDateTimeSplit parts;

    ASSERT_TRUE(parts.Split(base.m_dt + 0.999 * second));
    EXPECT_EQ(58, parts.m_nSecond);
    EXPECT_EQ(999, parts.m_nMillisecond);

    ASSERT_TRUE(parts.Split(base.m_dt + 0.7 * second));
    EXPECT_EQ(58, parts.m_nSecond);
    EXPECT_EQ(700, parts.m_nMillisecond);

    // Less than half a millisecond: the plain second.
    ASSERT_TRUE(parts.Split(base.m_dt + 0.0004 * second));
    EXPECT_EQ(58, parts.m_nSecond);
    EXPECT_EQ(0, parts.m_nMillisecond);

    // A hair below the next second rounds up to it, across the day boundary.
    ASSERT_TRUE(parts.Split(base.m_dt + 1.9996 * second));
    EXPECT_EQ(2024, parts.m_nYear);
    EXPECT_EQ(2, parts.m_nMonth);
    EXPECT_EQ(1, parts.m_nDay);
    EXPECT_EQ(0, parts.m_nHour);
    EXPECT_EQ(0, parts.m_nMinute);
    EXPECT_EQ(0, parts.m_nSecond);
    EXPECT_EQ(0, parts.m_nMillisecond);

    // Outside the calendar the split fails instead of inventing fields.
    EXPECT_FALSE(parts.Split(1.0e7));
    EXPECT_FALSE(parts.Split(-1.0e7));
}
