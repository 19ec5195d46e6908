// Whole scripts and seed data of the generator base: the order of the
// statement groups, trimming through AddTo, foreign keys split into their
// statements, and INSERTs of seed rows. Expected texts: texts/base.txt.
#include <gtest/gtest.h>

#include <string>

#include "TestDialect.h"
#include "common/Fmt.h"
#include "common/TestData.h"
#include "schema/VrlTableData.h"

using namespace VrlSchemaTest;

namespace {

// Adds a trigger statement so that its place in the script can be seen.
class TriggerDialect : public TestDialect {
public:
    explicit TriggerDialect(const VrlSchema* schema) : TestDialect(schema) {}
    void GenerateTriggerDefs(const VrlSchema*, std::vector<CString>& statements) const override {
        AddTo(statements, L"TRIGGERS");
    }
};

class DbmsScript : public ::testing::Test {
protected:
    const ExpectedTexts& texts = ExpectedTexts::Of("sqlgen/texts/base.txt");
    Keeper keep;

    void SetSupportTemplates(TestDialect& dbms) {
        dbms.SetTemplate(1, L"  S1 \r\n");
        dbms.SetTemplate(2, L"S2");
        dbms.SetTemplate(3, L" \t\r\n ");
        dbms.SetTemplate(8, L"S8");
        dbms.SetTemplate(9, L"S9");
        dbms.SetTemplate(10, L"S10");
        dbms.SetTemplate(11, L"S11");
        dbms.SetTemplate(52, L"S52");
    }

    VrlSchema* TwoTableSchema() {
        VrlTable* customer = keep.Table(
            L"Customer",
            {keep.Field(L"ID", dtInteger, 0, COleVariant(), ntNotNull), keep.Field(L"Name", dtString, 30)},
            {keep.Key(L"PK_Customer", ctPrimaryKey, L"ID"), keep.Key(L"IX_CustomerName", ctIndex, L"Name"),
             keep.Key(L"UQ_Customer", ctUnique, L"Name"), keep.Key(L"IX6", ctIndex6, L"Name")});
        VrlTable* orders = keep.Table(
            L"Orders",
            {keep.Field(L"ID", dtInteger, 0, COleVariant(), ntNotNull), keep.Field(L"CustomerID", dtInteger)},
            {keep.Fk(L"FK_OrdersCustomer", ctForeignKey, L"CustomerID", L"Customer", L"ID", odNoAction),
             keep.Key(L"PK_Orders", ctPrimaryKey, L"ID"),
             keep.Fk(L"FK_Orders7", ctForeignKey7, L"CustomerID", L"Customer", L"ID", odNoAction)},
            25);
        // A buffered table with only fake columns: nothing at all.
        VrlTable* faked = keep.Table(L"Faked", {keep.Field(L"ID", dtInteger, 0, COleVariant(), ntNotNull, 1)},
                                     {keep.Key(L"PK_Faked", ctPrimaryKey, L"ID")}, 10);
        auto* param = keep.Make<VrlParam>(L"lID", VrlDataDefinition(dtInteger, 0), ioIn);
        auto* view = keep.Make<VrlView>(L"vOrders", L"SELECT ID FROM Orders", L"Orders");
        auto* emptyView = keep.Make<VrlView>(L"", L"SELECT 1", L"");
        auto* function =
            keep.Make<VrlFunction>(L"fnCount", VrlDataDefinition(dtInteger, 0), std::vector<VrlParam*>{param},
                                   L"RETURN 1", L"", VrlSchemaVersion());
        auto* procedure = keep.Make<VrlProcedure>(L"procGet", std::vector<VrlParam*>{param}, L"SELECT 1",
                                                  L"Orders", 1, VrlSchemaVersion(), 0);
        auto* bodiless = keep.Make<VrlProcedure>(L"procNothing", L"", L"", 0, 0, VrlSchemaVersion(), 0);
        return keep.Schema({customer, orders, faked}, {view, emptyView}, {procedure, bodiless}, {function});
    }
};

} // namespace

TEST_F(DbmsScript, GroupsComeInScriptOrderAndAnEmptySchemaGivesOnlyTheSupportTexts) {
    TriggerDialect dbms(TwoTableSchema());
    SetSupportTemplates(dbms);
    std::vector<CString> statements{L"left over"};
    dbms.GenerateSchema(statements);

    texts.Expect({{"script.two_tables", JoinStatements(statements)}});

    VrlSchema* schema = keep.Schema({});
    TestDialect plain(schema);
    statements = {L"left over"};
    plain.GenerateSchema(statements);
    EXPECT_TRUE(statements.empty()) << JoinStatements(statements).ToUtf8();

    TestDialect support(schema);
    SetSupportTemplates(support);
    support.GenerateSchema(statements);
    texts.Expect({{"script.support", JoinStatements(statements)}});

    // Without a schema the definition steps add nothing.
    support.SetSchema(nullptr);
    support.GenerateSchema(statements);
    EXPECT_EQ(CString(L"S52"), JoinStatements(statements));
}

TEST_F(DbmsScript, PrimaryKeysOfScriptsUseTheBaseStatement) {
    // A dialect's own two-argument FormatPrimaryKey serves callers that add a
    // key to an existing table; scripts keep the base statement.
    class OwnKeyDialect : public TestDialect {
    public:
        OwnKeyDialect() : TestDialect(nullptr) {}
        using TestDialect::FormatPrimaryKey;
        CString FormatPrimaryKey(const VrlTable*, const VrlConstraint*) const override { return L"OWN"; }
    } dbms;
    VrlTable* table =
        keep.Table(L"T", {keep.Field(L"ID", dtInteger)}, {keep.Key(L"PK_T", ctPrimaryKey, L"ID")});
    std::vector<CString> statements;
    dbms.GeneratePrimaryKeyConstraint(table, statements);
    EXPECT_EQ(CString(L"ALTER TABLE T ADD CONSTRAINT PK_T PRIMARY KEY(ID)"), JoinStatements(statements));
}

TEST_F(DbmsScript, StatementsAreTrimmedAndForeignKeyTextsSplitIntoTheirStatements) {
    class SplitDialect : public TestDialect {
    public:
        SplitDialect() : TestDialect(nullptr) {}
        CString text;
        CString FormatForeignKeyConstraint(const VrlTable*, const VrlConstraint*) const override {
            return text;
        }
    } dbms;
    VrlTable* table = keep.Table(L"T", {keep.Field(L"ID", dtInteger)},
                                 {keep.Fk(L"FK1", ctForeignKey, L"ID", L"R", L"ID", odCascade),
                                  keep.Fk(L"FK2", ctForeignKey, L"ID", L"R", L"ID", odCascade)});
    std::vector<CString> statements;
    dbms.text = L" A ;;\nB\n; C;";
    dbms.GenerateForeignKeyConstraint(table, statements);
    EXPECT_EQ(CString(L"A | B | C | A | B | C"), JoinStatements(statements));

    statements.clear();
    dbms.text = L"A; ;B";
    dbms.GenerateForeignKeyConstraint(table, statements);
    EXPECT_EQ(CString(L"A | A"), JoinStatements(statements));

    statements.clear();
    dbms.AddTo(statements, L" \r\n SELECT 1 \t");
    dbms.AddTo(statements, L" \r\n\t ");
    dbms.AddTo(statements, L"");
    EXPECT_EQ(CString(L"SELECT 1"), JoinStatements(statements));

    // Unsplit, two foreign keys give key, index, key, index.
    VrlTable* two = keep.Table(L"T", {keep.Field(L"A", dtInteger), keep.Field(L"B", dtInteger)},
                               {keep.Fk(L"FKA", ctForeignKey, L"A", L"R", L"ID", odCascade),
                                keep.Fk(L"FKB", ctForeignKey, L"B", L"R", L"ID", odCascade)});
    statements.clear();
    TestDialect(nullptr).GenerateTableForeignKeyConstraints(two, statements);
    texts.Expect({{"fk.two", JoinStatements(statements)}});
}

TEST_F(DbmsScript, SeedRowsBecomeInserts) {
    const std::vector<CString> columns{L"ID", L"Name", L"Ghost", L"Missing", L"Active"};
    const std::vector<CComVariant> values{
        CComVariant(1L), CComVariant(L"Open"),     CComVariant(L"g"), CComVariant(L"m"), CComVariant(L"True"),
        CComVariant(2L), CComVariant(L"O'Closed"), CComVariant(L"g"), CComVariant(L"m"), CComVariant(),
    };
    VrlTableData data(columns, values);
    VrlTable* status = keep.Table(L"Status",
                                  {keep.Field(L"ID", dtInteger), keep.Field(L"Name", dtString, 20),
                                   keep.Field(L"Ghost", dtString, 5, COleVariant(), ntNull, 1),
                                   keep.Field(L"Active", dtBoolean)},
                                  {}, 0, &data);
    VrlTable* plain = keep.Table(L"Plain", {keep.Field(L"ID", dtInteger)});
    TestDialect dbms(keep.Schema({plain, status}));

    std::vector<CString> rows{L"left over"};
    dbms.GetTableDefaultValues(status, rows);
    texts.Expect({{"seed.status", JoinStatements(rows)}});

    dbms.GetTableDefaultValues(plain, rows);
    EXPECT_TRUE(rows.empty());

    std::vector<CString> statements{L"left over"};
    dbms.GenerateDefaultValues(statements);
    texts.Expect({{"seed.status", JoinStatements(statements)}});
}

TEST_F(DbmsScript, LargeSchemaKeepsEveryStatementInOrder) {
    // 2,000 tables of eight columns, each with a key and a foreign key to the
    // first table: all tables first, then all keys, then each foreign key with
    // its index, every group in the tables' order. (Speed is measured by the
    // benchmarks in bench/.)
    constexpr int kTables = 2000;
    std::vector<VrlTable*> tables;
    for (int t = 0; t < kTables; ++t) {
        const CString name = Fmt(L"Table%d", t);
        std::vector<VrlField*> fields{keep.Field(L"ID", dtInteger, 0, COleVariant(), ntNotNull)};
        for (int f = 0; f < 6; ++f)
            fields.push_back(keep.Field(Fmt(L"Col%d", f).GetString(), dtString, 40, COleVariant(L"x")));
        fields.push_back(keep.Field(L"ParentID", dtInteger));
        tables.push_back(
            keep.Table(name, fields,
                       {keep.Key(L"PK_" + name, ctPrimaryKey, L"ID"),
                        keep.Fk(L"FK_" + name, ctForeignKey, L"ParentID", L"Table0", L"ID", odNoAction)}));
    }
    TestDialect dbms(keep.Schema(tables));
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    ASSERT_EQ(4u * kTables, statements.size());
    for (int t = 0; t < kTables; ++t) {
        ASSERT_EQ(0, statements[t].Find(Fmt(L"CREATE TABLE Table%d (\r\nID int  Not Null,", t))) << t;
        ASSERT_EQ(Fmt(L"ALTER TABLE Table%d ADD CONSTRAINT PK_Table%d PRIMARY KEY(ID)", t, t),
                  statements[kTables + t]);
        ASSERT_EQ(
            Fmt(L"ALTER TABLE Table%d ADD CONSTRAINT FK_Table%d FOREIGN KEY(ParentID) REFERENCES Table0(ID) "
                L"ON DELETE NO ACTION ON UPDATE NO ACTION",
                t, t),
            statements[2 * kTables + 2 * t]);
        ASSERT_EQ(Fmt(L"CREATE INDEX FK_Table%dIndex ON Table%d(ParentID)", t, t),
                  statements[2 * kTables + 2 * t + 1]);
    }
}
