// SQL Server generator: cascade-delete triggers and their drops, clustered
// indexes, the Unicode prefix of defaults, date literals and the millisecond
// split. Expected texts: texts/sqlserver.txt.
#include <gtest/gtest.h>

#include "DialectTestKit.h"
#include "dialects/VrlDateTimeSplit.h"
#include "dialects/VrlDbmsSqlServer.h"

using namespace VrlSchemaLib;

namespace {

class SqlServer : public ::testing::Test {
protected:
    const VrlSchemaTest::ExpectedTexts& texts =
        VrlSchemaTest::ExpectedTexts::Of("dialects/texts/sqlserver.txt");
    DialectTestKit kit;
    VrlDbmsSqlServer dbms{nullptr, true, L"Test"};

    // A table of nullable integer columns with the names given.
    VrlTable* Table(const wchar_t* name, std::vector<const wchar_t*> columns,
                    const std::vector<VrlConstraint*>& constraints = {}) {
        std::vector<VrlField*> fields;
        for (const wchar_t* column : columns)
            fields.push_back(kit.Field(column, dtInteger, 0, ntNull));
        return kit.Table(name, fields, constraints);
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, const wchar_t* column,
                       const wchar_t* refTable, const wchar_t* refColumn, VrlOnDeleteType onDelete) {
        return kit.Reference(name, type, {column}, refTable, {refColumn}, onDelete);
    }
    std::vector<CString> Triggers(const std::vector<VrlTable*>& tables) {
        VrlDbmsSqlServer withSchema(kit.Schema(tables), true, L"Test");
        std::vector<CString> statements;
        withSchema.GenerateTriggerDefs(nullptr, statements);
        return statements;
    }
};

} // namespace

TEST_F(SqlServer, TriggersDeleteChildrenLatestFirstThenTheParent) {
    VrlTable* parent = Table(L"Parent", {L"ParentID"});
    VrlTable* child = Table(L"Child", {L"ParentID"},
                            {Key(L"FK_C", ctForeignKey, L"ParentID", L"Parent", L"ParentID", odCascade4)});
    VrlTable* second =
        Table(L"Second", {L"Owner", L"Other"},
              {Key(L"FK_S", ctForeignKey7, L"Owner", L"Parent", L"ParentID", odCascade4),
               Key(L"FK_N", ctForeignKey, L"Other", L"Child", L"ParentID", odCascade),
               Key(L"FK_X", ctForeignKeyNotGenerated, L"Other", L"Child", L"ParentID", odCascade4)});
    // The publishing column restricts the match.
    VrlTable* def = Table(L"Def", {L"DefID", L"PublishedBatchDefID"});
    VrlTable* item = Table(L"Item", {L"DefID", L"PublishedBatchDefID"},
                           {kit.Reference(L"FK_I", ctForeignKey, {L"PublishedBatchDefID", L"DefID"}, L"Def",
                                          {L"PublishedBatchDefID", L"DefID"}, odCascade4)});
    VrlTable* other =
        Table(L"Other", {L"PublishedBatchDefID"},
              {Key(L"FK_O", ctForeignKey, L"PublishedBatchDefID", L"Item", L"DefID", odCascade4)});
    std::vector<CString> one = Triggers({parent, child});
    std::vector<CString> two = Triggers({parent, child, second});
    std::vector<CString> published = Triggers({def, item, other});
    ASSERT_EQ(1u, one.size());
    ASSERT_EQ(1u, two.size());
    ASSERT_EQ(2u, published.size());

    // The drops come from the schema argument, not the generator's own.
    VrlTable* referencing =
        Table(L"Child", {L"P1", L"P2", L"O1"},
              {kit.Reference(L"FK_1", ctForeignKey, {L"P1"}, L"Parent", {L"ID"}, odNoAction),
               kit.Reference(L"FK_2", ctForeignKeyNotGenerated, {L"O1"}, L"Other", {L"ID"}, odCascade),
               kit.Reference(L"FK_3", ctForeignKey7, {L"P2"}, L"Parent", {L"ID"}, odCascade4),
               kit.Index(L"IX_1", ctIndex, {L"P1"}, {})});
    std::vector<CString> drops;
    dbms.FormatDropTriggers(kit.Schema({referencing}), drops);
    ASSERT_EQ(2u, drops.size());
    texts.Expect({
        {"trigger.one_child", one[0]},
        {"trigger.two_children", two[0]},
        {"trigger.def", published[0]},
        {"trigger.item", published[1]},
        {"drop_trigger.parent", drops[0]},
        {"drop_trigger.other", drops[1]},
    });
}

TEST_F(SqlServer, ClusteredIndexGetsIncludeOnlyInTheScript) {
    VrlTable* table = Table(L"T", {L"A", L"B", L"C"},
                            {kit.Index(L"IX_Clu", ctIndex6, {L"A"}, {L"B", L"C"}),
                             kit.Index(L"IX_Cov", ctIndex, {L"B", L"A"}, {L"C"})});
    std::vector<CString> statements;
    dbms.GenerateNonUniqueIndex(table, statements);
    ASSERT_EQ(2u, statements.size());
    texts.Expect({
        {"index.clustered.script", statements[0]},
        {"index.covering.script", statements[1]},
        {"index.clustered", dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(0)))},
        {"index.covering", dbms.FormatNonUniqueIndex(table, table->GetConstraint(LONG(1)))},
    });
}

// A name holding a null character is written up to it, as "%s" writes a C
// text: in the script's index, unique key and foreign key statements alike.
TEST_F(SqlServer, NamesAreWrittenUpToANullCharacter) {
    const CString cut(L"IX_A\0rest", 9);
    VrlTable* table =
        Table(L"T", {L"A"},
              {kit.Make<VrlConstraint>(cut, ctIndex, std::vector<CString>{L"A"}, VrlSchemaVersion()),
               kit.Make<VrlConstraint>(CString(L"UQ_A\0rest", 9), ctUnique, std::vector<CString>{L"A"},
                                       VrlSchemaVersion()),
               kit.Make<VrlConstraint>(CString(L"FK_A\0rest", 9), ctForeignKey7, std::vector<CString>{L"A"},
                                       CString(L"P\0Q", 3), std::vector<CString>{L"ID"}, odNoAction,
                                       ouNoAction, VrlSchemaVersion())});
    std::vector<CString> statements;
    dbms.GenerateNonUniqueIndex(table, statements);
    dbms.GenerateUniqueConstraint(table, statements);
    statements.push_back(dbms.FormatForeignKeyConstraint(table, table->GetConstraint(LONG(2))));
    ASSERT_EQ(3u, statements.size());
    EXPECT_EQ(statements[0].View(), L"CREATE NONCLUSTERED INDEX IX_A ON dbo.T (A)");
    EXPECT_EQ(statements[1].View(),
              L"ALTER TABLE T WITH NOCHECK ADD CONSTRAINT UQ_A UNIQUE NONCLUSTERED (A)");
    EXPECT_EQ(statements[2].View(), L"ALTER TABLE T ADD CONSTRAINT FK_A FOREIGN KEY(A) REFERENCES P(ID) ON "
                                    L"DELETE NO ACTION ON UPDATE NO ACTION");
}

TEST_F(SqlServer, UnicodeFlagDecidesThePrefixOfDefaultsAndDates) {
    ExpectDateLiterals(texts, dbms);
    VrlField* text = kit.Field(L"Label", dtString, 20, ntNull, COleVariant(L"Gr\u00fcn"));
    VrlField* inner = kit.Field(L"Code", dtString, 20, ntNull, COleVariant(L"N'x"));
    VrlDbmsSqlServer narrow(nullptr, false, L"Test");
    EXPECT_STREQ(L"DEFAULT (N'Gr\u00fcn')", dbms.GetDefaultValue(text).GetString());
    EXPECT_STREQ(L"DEFAULT ('Gr\u00fcn')", narrow.GetDefaultValue(text).GetString());
    // Only a leading prefix goes, never an N' inside the literal.
    EXPECT_STREQ(L"DEFAULT ('N''x')", narrow.GetDefaultValue(inner).GetString());
    // The current-time expression stays as written; a type without literals
    // gives no clause.
    EXPECT_STREQ(L"DEFAULT (getdate())",
                 narrow.GetDefaultValue(kit.Field(L"D", dtDateTime, 0, ntNull, COleVariant(L"getdate()")))
                     .GetString());
    EXPECT_STREQ(L"",
                 narrow.GetDefaultValue(kit.Field(L"X", dtBigInt, 0, ntNull, COleVariant(5L))).GetString());
}

// A column's default clause is written whole, whether or not it fits the
// room the column text keeps for it on the stack.
TEST_F(SqlServer, ColumnDefaultsOfAnyLengthAreWrittenWhole) {
    const std::wstring longText(150, L'\u00fc');
    VrlTable* table = kit.Table(L"T",
                                {kit.Field(L"Code", dtString, 20, ntNull, COleVariant(L"x")),
                                 kit.Field(L"Note", dtString, 200, ntNotNull, COleVariant(longText.c_str()))},
                                {});
    const std::wstring expected = L"CREATE TABLE dbo.T(\n"
                                  L"Code nvarchar(20)  DEFAULT ('x'),\r\n"
                                  L"Note nvarchar(200) Not Null DEFAULT (N'" +
                                  longText + L"'))";
    EXPECT_EQ(CString(expected).ToUtf8(), dbms.GetTableFields(table).ToUtf8());
}

TEST(DateTimeSplit, MillisecondsSurviveTheSecondRounding) {
    const double second = 1.0 / 86400.0;
    const double base = COleDateTime(2024, 1, 31, 23, 59, 58).m_dt;
    VrlDateTimeSplit parts;
    auto split = [&](double value) {
        EXPECT_TRUE(parts.Split(value));
        return std::vector<int>{parts.m_nYear,   parts.m_nMonth,  parts.m_nDay,        parts.m_nHour,
                                parts.m_nMinute, parts.m_nSecond, parts.m_nMillisecond};
    };
    EXPECT_EQ((std::vector<int>{2024, 1, 31, 23, 59, 58, 999}), split(base + 0.999 * second));
    // Under half a millisecond: the plain second.
    EXPECT_EQ((std::vector<int>{2024, 1, 31, 23, 59, 58, 0}), split(base + 0.0004 * second));
    // A hair below the next second is that second, across the day boundary.
    EXPECT_EQ((std::vector<int>{2024, 2, 1, 0, 0, 0, 0}), split(base + 1.9996 * second));
    EXPECT_FALSE(parts.Split(1.0e7));
}
