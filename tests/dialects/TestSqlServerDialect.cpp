// SQL Server generator: cascade-delete triggers and their drops, clustered
// indexes, the Unicode prefix of defaults, date literals and the millisecond
// split.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dialects/VrlDateTimeSplit.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;

namespace {

// Owns the objects of a small schema that a test puts together.
class Kit {
public:
    VrlField* Field(const wchar_t* name, VrlDataType type = dtInteger, LONG length = 0,
                    COleVariant value = COleVariant()) {
        m_fields.push_back(std::make_unique<VrlField>(name, VrlDataDefinition(type, length), value, ntNull,
                                                      CString(L""), 0, paNone, VrlSchemaVersion(), 0, 0));
        return m_fields.back().get();
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                       const wchar_t* refTable, std::vector<CString> refColumns, VrlOnDeleteType onDelete) {
        m_keys.push_back(std::make_unique<VrlConstraint>(name, type, columns, refTable, refColumns, onDelete,
                                                         ouNoAction, VrlSchemaVersion()));
        return m_keys.back().get();
    }
    VrlConstraint* Index(const wchar_t* name, VrlConstraintType type, std::vector<CString> columns,
                         std::vector<CString> included = {}) {
        m_keys.push_back(std::make_unique<VrlConstraint>(name, type, columns, included, VrlSchemaVersion()));
        return m_keys.back().get();
    }
    // A table whose columns are the names given.
    VrlTable* Table(const wchar_t* name, std::vector<const wchar_t*> columns,
                    const std::vector<VrlConstraint*>& constraints = {}) {
        std::vector<VrlField*> fields;
        for (const wchar_t* column : columns) {
            fields.push_back(Field(column));
        }
        m_tables.push_back(std::make_unique<VrlTable>(name, fields, constraints, L"", 0, 0u, rtUndefined,
                                                      VrlSchemaVersion()));
        return m_tables.back().get();
    }
    const VrlSchema* Schema(const std::vector<VrlTable*>& tables) {
        m_schema = std::make_unique<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{},
                                               std::vector<VrlProcedure*>{}, std::vector<VrlFunction*>{});
        return m_schema.get();
    }
    std::vector<CString> Triggers(const std::vector<VrlTable*>& tables) {
        VrlDbmsSqlServer dbms(Schema(tables), true, L"Test");
        std::vector<CString> statements;
        dbms.GenerateTriggerDefs(nullptr, statements);
        return statements;
    }

private:
    std::vector<std::unique_ptr<VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlConstraint>> m_keys;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::unique_ptr<VrlSchema> m_schema;
};

} // namespace

TEST(SqlServerTriggers, ChildrenAreDeletedLatestFirstThenTheParent) {
    Kit kit;
    VrlTable* parent = kit.Table(L"Parent", {L"ParentID"});
    VrlTable* child =
        kit.Table(L"Child", {L"ParentID"},
                  {kit.Key(L"FK_C", ctForeignKey, {L"ParentID"}, L"Parent", {L"ParentID"}, odCascade4)});
    std::vector<CString> one = kit.Triggers({parent, child});
    ASSERT_EQ(1u, one.size());
    EXPECT_STREQ(L"CREATE TRIGGER T_Parent_DTrig ON Parent INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Child FROM deleted,Child  WHERE deleted.ParentID=Child.ParentID \n"
                 L"DELETE Parent FROM deleted,Parent  WHERE deleted.ParentID=Parent.ParentID",
                 one[0].GetString());

    // A second child (type 7) goes in front; keys with other delete rules
    // and type-5 keys are not carried by triggers.
    VrlTable* second = kit.Table(
        L"Second", {L"Owner", L"Other"},
        {kit.Key(L"FK_S", ctForeignKey7, {L"Owner"}, L"Parent", {L"ParentID"}, odCascade4),
         kit.Key(L"FK_N", ctForeignKey, {L"Other"}, L"Child", {L"ParentID"}, odCascade),
         kit.Key(L"FK_X", ctForeignKeyNotGenerated, {L"Other"}, L"Child", {L"ParentID"}, odCascade4)});
    std::vector<CString> two = kit.Triggers({parent, child, second});
    ASSERT_EQ(1u, two.size());
    EXPECT_STREQ(L"CREATE TRIGGER T_Parent_DTrig ON Parent INSTEAD OF DELETE AS\nSET NOCOUNT ON\n"
                 L"DELETE Second FROM deleted,Second  WHERE deleted.ParentID=Second.Owner \n"
                 L"DELETE Child FROM deleted,Child  WHERE deleted.ParentID=Child.ParentID \n"
                 L"DELETE Parent FROM deleted,Parent  WHERE deleted.ParentID=Parent.ParentID",
                 two[0].GetString());
}

TEST(SqlServerTriggers, PublishingColumnRestrictsTheMatch) {
    Kit kit;
    VrlTable* def = kit.Table(L"Def", {L"DefID", L"PublishedBatchDefID"});
    // The clause after the publishing pair runs straight into the next "AND ".
    VrlTable* item = kit.Table(L"Item", {L"DefID", L"PublishedBatchDefID"},
                               {kit.Key(L"FK_I", ctForeignKey, {L"PublishedBatchDefID", L"DefID"}, L"Def",
                                        {L"PublishedBatchDefID", L"DefID"}, odCascade4)});
    VrlTable* other = kit.Table(
        L"Other", {L"PublishedBatchDefID"},
        {kit.Key(L"FK_O", ctForeignKey, {L"PublishedBatchDefID"}, L"Item", {L"DefID"}, odCascade4)});
    std::vector<CString> statements = kit.Triggers({def, item, other});
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

TEST(SqlServerTriggers, DropsOncePerReferencedTableOfEveryForeignKeyKind) {
    Kit kit;
    VrlTable* child =
        kit.Table(L"Child", {L"P1", L"P2", L"O1"},
                  {kit.Key(L"FK_1", ctForeignKey, {L"P1"}, L"Parent", {L"ID"}, odNoAction),
                   kit.Key(L"FK_2", ctForeignKeyNotGenerated, {L"O1"}, L"Other", {L"ID"}, odCascade),
                   kit.Key(L"FK_3", ctForeignKey7, {L"P2"}, L"Parent", {L"ID"}, odCascade4),
                   kit.Index(L"IX_1", ctIndex, {L"P1"})});
    // The drops come from the schema argument, not the generator's own.
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    std::vector<CString> statements;
    dbms.FormatDropTriggers(kit.Schema({child}), statements);
    ASSERT_EQ(2u, statements.size());
    EXPECT_STREQ(L"IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND "
                 L"object_id=OBJECT_ID(N'T_Parent_DTrig'))\nDROP TRIGGER T_Parent_DTrig",
                 statements[0].GetString());
    EXPECT_STREQ(L"IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND "
                 L"object_id=OBJECT_ID(N'T_Other_DTrig'))\nDROP TRIGGER T_Other_DTrig",
                 statements[1].GetString());
}

TEST(SqlServerIndexes, ClusteredIndexGetsIncludeOnlyInTheScript) {
    Kit kit;
    VrlTable* table = kit.Table(L"T", {L"A", L"B", L"C"},
                                {kit.Index(L"IX_Clu", ctIndex6, {L"A"}, {L"B", L"C"}),
                                 kit.Index(L"IX_Cov", ctIndex, {L"B", L"A"}, {L"C"})});
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    std::vector<CString> statements;
    dbms.GenerateNonUniqueIndex(table, statements);
    ASSERT_EQ(2u, statements.size());
    EXPECT_STREQ(L"CREATE CLUSTERED INDEX IX_Clu ON dbo.T (A) INCLUDE (B, C)", statements[0].GetString());
    EXPECT_STREQ(L"CREATE NONCLUSTERED INDEX IX_Cov ON dbo.T (B, A) INCLUDE (C)", statements[1].GetString());
    EXPECT_STREQ(L"CREATE CLUSTERED INDEX IX_Clu ON dbo.T (A)",
                 dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(0))).GetString());
    EXPECT_STREQ(L"CREATE INDEX IX_Cov ON T(B,A) INCLUDE (C)",
                 dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(1))).GetString());
}

TEST(SqlServerLiterals, UnicodeFlagDecidesThePrefixOfDefaults) {
    Kit kit;
    VrlField* text = kit.Field(L"Label", dtString, 20, COleVariant(L"Gr\u00fcn"));
    VrlField* inner = kit.Field(L"Code", dtString, 20, COleVariant(L"N'x"));
    VrlDbmsSqlServer unicode(nullptr, true, L"Test");
    VrlDbmsSqlServer narrow(nullptr, false, L"Test");
    EXPECT_STREQ(L"DEFAULT (N'Gr\u00fcn')", unicode.GetDefaultValue(text).GetString());
    EXPECT_STREQ(L"DEFAULT ('Gr\u00fcn')", narrow.GetDefaultValue(text).GetString());
    // Only a leading prefix goes, never an N' inside the literal.
    EXPECT_STREQ(L"DEFAULT ('N''x')", narrow.GetDefaultValue(inner).GetString());
    // The current-time expression stays as written; a type without literals
    // gives no clause.
    EXPECT_STREQ(
        L"DEFAULT (getdate())",
        narrow.GetDefaultValue(kit.Field(L"D", dtDateTime, 0, COleVariant(L"getdate()"))).GetString());
    EXPECT_STREQ(L"", narrow.GetDefaultValue(kit.Field(L"X", dtBigInt, 0, COleVariant(5L))).GetString());
}

TEST(SqlServerLiterals, DateTimes) {
    VrlDbmsSqlServer dbms(nullptr, true, L"Test");
    COleDateTime date(2024, 1, 31, 13, 45, 0);
    COleDateTime withMs(date.m_dt + 0.250 / 86400.0);
    EXPECT_STREQ(L"CONVERT(varchar(20), '2024-01-31T13:45:00', 126)",
                 dbms.FormatDateTime(date, 0).GetString());
    // A whole second still takes the millisecond form when asked for it.
    EXPECT_STREQ(L"CONVERT(varchar(23), '2024-01-31T13:45:00.000', 126)",
                 dbms.FormatDateTime(date, 1).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(23), '2024-01-31T13:45:00.250', 126)",
                 dbms.FormatDateTime(withMs, 1).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '2024-01-31T13:45:00', 126)",
                 dbms.FormatDateTime(withMs, 0).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '12:00:00', 108)",
                 dbms.FormatDateTime(COleDateTime(0.5), 1).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '08:30:15', 108)",
                 dbms.FormatDateTime(COleDateTime(1899, 12, 31, 8, 30, 15), 0).GetString());
    EXPECT_STREQ(L"CONVERT(varchar(20), '1900-01-01T00:00:00', 126)",
                 dbms.FormatDateTime(COleDateTime(1900, 1, 1, 0, 0, 0), 0).GetString());
}

TEST(DateTimeSplit, MillisecondsSurviveTheSecondRounding) {
    const double second = 1.0 / 86400.0;
    const double base = COleDateTime(2024, 1, 31, 23, 59, 58).m_dt;
    VrlDateTimeSplit parts;
    ASSERT_TRUE(parts.Split(base + 0.999 * second));
    EXPECT_EQ(58, parts.m_nSecond);
    EXPECT_EQ(999, parts.m_nMillisecond);
    // Under half a millisecond: the plain second.
    ASSERT_TRUE(parts.Split(base + 0.0004 * second));
    EXPECT_EQ(58, parts.m_nSecond);
    EXPECT_EQ(0, parts.m_nMillisecond);
    // A hair below the next second is that second, across the day boundary.
    ASSERT_TRUE(parts.Split(base + 1.9996 * second));
    EXPECT_EQ((std::vector<int>{2024, 2, 1, 0, 0, 0, 0}),
              (std::vector<int>{parts.m_nYear, parts.m_nMonth, parts.m_nDay, parts.m_nHour, parts.m_nMinute,
                                parts.m_nSecond, parts.m_nMillisecond}));
    EXPECT_FALSE(parts.Split(1.0e7));
}
