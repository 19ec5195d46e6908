// Single DDL statements of the generator base. Expected texts: texts/base.txt,
// written by hand from the test dialect's templates.
#include <gtest/gtest.h>

#include "TestDialect.h"
#include "common/ExpectDux.h"
#include "common/TestData.h"
#include "support/VrlConversions.h"

using namespace VrlSchemaTest;

namespace {

class DbmsDdl : public ::testing::Test {
protected:
    const ExpectedTexts& texts = ExpectedTexts::Of("sqlgen/texts/base.txt");
    Keeper keep;
    TestDialect dbms{nullptr};

    VrlTable* Orders(const std::vector<VrlConstraint*>& constraints = {}) {
        return keep.Table(L"Orders",
                          {keep.Field(L"ID", dtAutoIncrement, 0, COleVariant(), ntNotNull),
                           keep.Field(L"Code", dtString, 10, COleVariant(), ntNotNull),
                           keep.Field(L"CustomerID", dtInteger)},
                          constraints);
    }
    VrlConstraint* Fk(const wchar_t* name, VrlConstraintType type, VrlOnDeleteType onDelete = odCascade) {
        return keep.Fk(name, type, L"CustomerID", L"Customer", L"ID", onDelete);
    }
};

} // namespace

TEST_F(DbmsDdl, TablesAndTheExtraColumnsBufferFedByNameColumns) {
    VrlTable* person = keep.Table(L"Person", {keep.Field(L"ID", dtAutoIncrement, 0, COleVariant(), ntNotNull),
                                              keep.Field(L"Name", dtString, 50, COleVariant(L"x")),
                                              keep.Field(L"Photo", dtBinary),
                                              keep.Field(L"Ghost", dtInteger, 0, COleVariant(), ntNull, 1),
                                              keep.Field(L"PublishedBatchDefID", dtInteger)});
    VrlTable* batchDef = keep.Table(
        L"batchdefid", {keep.Field(L"publishedBatchDefId", dtInteger, 0, COleVariant(), ntNotNull)});
    texts.Expect({
        {"create.person", dbms.GetTableFields(person)},
        {"create.person", dbms.FormatCreateTable(person)},
        {"create.batchdefid", dbms.GetTableFields(batchDef)},
    });
    // The publishing column is recognised whatever the case of its name.
    VrlTable* item = keep.Table(L"Item", {keep.Field(L"publishedbatchdefid", dtInteger)});
    EXPECT_EQ(CString(L"CREATE TABLE Item (\r\npublishedbatchdefid int,\r\nAdminID int DEFAULT 0,\r\n"
                      L"Referenced bit DEFAULT 0 Not Null)"),
              dbms.GetTableFields(item));
    // A table without real columns gives no statement.
    VrlTable* shadow =
        keep.Table(L"Shadow", {keep.Field(L"Blob", dtBinary),
                               keep.Field(L"PublishedBatchDefID", dtInteger, 0, COleVariant(), ntNull, 1)});
    EXPECT_EQ(CString(L""), dbms.GetTableFields(shadow));
    EXPECT_EQ(CString(L""), dbms.GetTableFields(keep.Table(L"Nothing", {})));

    // Name columns feed the extra-columns buffer.
    dbms.SetTemplate(17, L",\r\n&1_UC &2CHAR(&#) &3");
    VrlTable* table = keep.Table(
        L"T", {keep.Field(L"Code", dtName, 200, COleVariant(), ntNotNull), keep.Field(L"Short", dtName, 20)});
    const CString create = dbms.GetTableFields(table);
    const CString extra = VrlDbms::GetExtraColumns();
    const CString drop = dbms.FormatDropTable(table);
    texts.Expect({
        {"create.names", create},
        {"extra.names", extra},
        {"drop.names", drop},
        {"create.orders", dbms.GetTableFields(Orders())},
    });
    EXPECT_EQ(CString(L"DROP TABLE Orders"), dbms.FormatDropTable(Orders()));
}

TEST_F(DbmsDdl, ColumnsKeysIndexesAndForeignKeys) {
    VrlTable* table = Orders();
    const VrlField* code = table->GetField(L"Code");
    auto* pk = keep.Key(L"PK_Orders", ctPrimaryKey, L"ID");
    auto* pk2 = keep.Key(L"PK_Two", ctPrimaryKey, std::vector<CString>{L"ID", L"Code"});
    auto* unique = keep.Key(L"UQ_Orders", ctUnique, std::vector<CString>{L"Code", L"CustomerID"});
    auto* twoColumns =
        keep.Make<VrlConstraint>(L"FK2", ctForeignKey, std::vector<CString>{L"A", L"B"}, L"R",
                                 std::vector<CString>{L"X", L"Y"}, odCascade4, ouCascade, VrlSchemaVersion());
    texts.Expect({
        {"column.add", dbms.FormatAddColumn(table, code)},
        {"column.alter", dbms.FormatAlterColumn(table, code)},
        {"column.drop", dbms.FormatDropColumn(table, code)},
        {"key.pk_orders", dbms.FormatAddConstraint(table, pk)},
        {"key.pk_two", dbms.FormatPrimaryKey(table, pk2)},
        {"key.uq_orders", dbms.FormatAddConstraint(table, unique)},
        {"index.ix_orders",
         dbms.FormatAddConstraint(
             table, keep.Key(L"IX_Orders", ctIndex, std::vector<CString>{L"Code", L"CustomerID"}))},
        {"index.ix6", dbms.FormatAddConstraint(table, keep.Key(L"IX6", ctIndex6, L"Code"))},
        {"fk.cascade", dbms.FormatAddConstraint(table, Fk(L"FK_Cust", ctForeignKey))},
        {"fk.type7", dbms.FormatAddConstraint(table, Fk(L"FK7", ctForeignKey7, odNoAction))},
        {"fk.two_columns", dbms.FormatForeignKeyConstraint(table, twoColumns)},
        {"drop.fk_cust", dbms.FormatDropConstraint(table, Fk(L"FK_Cust", ctForeignKey))},
        {"drop.fk5", dbms.FormatDropConstraint(table, Fk(L"FK5", ctForeignKeyNotGenerated))},
        {"drop.fk7", dbms.FormatDropConstraint(table, Fk(L"FK7", ctForeignKey7))},
        {"drop.ix", dbms.FormatDropConstraint(table, keep.Key(L"IX", ctIndex6, L"Code"))},
        {"drop.pk_orders", dbms.FormatDropPrimaryKey(table, L"PK_Orders")},
        {"drop.ix_code", dbms.FormatDropIndex(table, L"IX_Code")},
    });
    EXPECT_EQ(CString(L""), dbms.FormatAddConstraintsOnField(table, code));
    EXPECT_EQ(CString(L""), dbms.FormatDropConstraintsOnField(table, code));
    EXPECT_EQ(1, dbms.IsPrimaryKey(L"id", pk));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"", pk));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"ID", pk2));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"Code", unique));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"ID", nullptr));
    EXPECT_TRUE(RaisesNotSupported(
        [&] { dbms.FormatForeignKeyConstraint(table, Fk(L"FKn", ctForeignKey, odNone)); }));
    // Kinds without a statement of their own.
    auto* notGenerated = keep.Key(L"U8", ctUniqueNotGenerated, L"Code");
    auto* fk5 = Fk(L"FK5", ctForeignKeyNotGenerated);
    auto* odd = keep.Key(L"X", static_cast<VrlConstraintType>(9), L"Code");
    for (VrlConstraint* c : {notGenerated, fk5, odd})
        EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatAddConstraint(table, c); })) << c->GetName().ToUtf8();
}

TEST_F(DbmsDdl, AnsiTargetsShortenIndexNamesAndOracleIndexesNullableColumns) {
    VrlTable* table = Orders();
    const CString longName = L"IX_Orders_CustomerCode";
    texts.Expect({{"index.long_name", dbms.FormatCreateIndex(longName, L"Orders", L"Code")}});
    for (int code : {VrlDbms::cm_nOracle, VrlDbms::cm_nDB2}) {
        dbms.SetDialectCode(code);
        const CString shortName = VrlConversions::AnsiConstraintLimit(longName);
        ASSERT_EQ(18, shortName.GetLength());
        EXPECT_EQ(L"CREATE INDEX " + shortName + L" ON Orders(Code)",
                  dbms.FormatCreateIndex(longName, L"Orders", L"Code"));
        EXPECT_EQ(L"DROP INDEX Orders." + shortName, dbms.FormatDropIndex(table, longName));
    }
    // Oracle indexes over nullable columns get a constant column.
    dbms.SetDialectCode(VrlDbms::cm_nSqlServer);
    auto* nullable = keep.Make<VrlConstraint>(L"IX", ctIndex, std::vector<CString>{L"Code", L"CustomerID"},
                                              VrlSchemaVersion(), clDefault, true);
    auto* noColumns = keep.Make<VrlConstraint>(L"IX0", ctIndex, std::vector<CString>{}, VrlSchemaVersion(),
                                               clDefault, true);
    EXPECT_EQ(CString(L"Code,CustomerID"), dbms.GetIndexFields(table, nullable));
    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(CString(L"Code,CustomerID,'1'"), dbms.GetIndexFields(table, nullable));
    EXPECT_EQ(CString(L"'1'"), dbms.GetIndexFields(table, noColumns));
    EXPECT_EQ(CString(L"\"Domain\", Code"), dbms.GetFieldsWithSurroundBrackets({L"Domain", L"Code"}));
    EXPECT_EQ(CString(L"Domain, Code"), dbms.GetFields({L"Domain", L"Code"}));
}

TEST_F(DbmsDdl, StatementsPassThroughValidateString) {
    VrlTable* table = Orders();
    auto* unique = keep.Key(L"UQ", ctUnique, L"Code");
    auto* index = keep.Key(L"IX", ctIndex, L"Code");
    dbms.RefuseTextsContaining(L"UNIQUE(");
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatUniqueConstraint(table, unique); }));
    dbms.RefuseTextsContaining(L"CREATE INDEX");
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatNonUniqueIndex(table, index); }));
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatForeignKeyConstraint(table, Fk(L"FK", ctForeignKey)); }));
    dbms.RefuseTextsContaining(L"FOREIGN KEY");
    EXPECT_TRUE(
        RaisesNotSupported([&] { dbms.FormatForeignKeyConstraint(table, Fk(L"FK", ctForeignKey7)); }));
}

TEST_F(DbmsDdl, PrimaryKeyWordsComeFromTheDialect) {
    class ClusteringDialect : public TestDialect {
    public:
        ClusteringDialect() : TestDialect(nullptr) {}
        using TestDialect::FormatPrimaryKey;
        CString FormatPrimaryKey(const VrlConstraint* c) const override {
            return c->IsClustered() ? CString(L"PRIMARY KEY CLUSTERED")
                                    : CString(L"PRIMARY KEY NONCLUSTERED");
        }
    } clustering;
    auto* pk = keep.Make<VrlConstraint>(L"PK", ctPrimaryKey, std::vector<CString>{L"ID"}, VrlSchemaVersion(),
                                        clClustered);
    texts.Expect({{"key.clustered", clustering.FormatPrimaryKey(Orders(), pk)}});
}

TEST_F(DbmsDdl, RoutineAndViewStatements) {
    VrlProcedure proc(L"procA", L"CREATE TABLE #t (x int)", L"Orders", 0, 0, VrlSchemaVersion(), 0);
    VrlFunction func(L"fnA", VrlDataDefinition(dtInteger, 0), {}, L"BEGIN CREATE x END", L"",
                     VrlSchemaVersion());
    VrlView view(L"vOrders", L"SELECT * FROM Orders -- CREATE", L"Orders");

    texts.Expect({
        {"procedure.create", dbms.FormatCreateProcedure(&proc)},
        {"procedure.alter", dbms.FormatAlterProcedure(&proc)},
        {"function.alter", dbms.FormatAlterFunction(&func)},
        {"view.alter", dbms.FormatAlterView(&view)},
        {"procedure.drop", dbms.FormatDropProcedure(&proc)},
        {"function.drop", dbms.FormatDropFunction(&func)},
        {"view.drop", dbms.FormatDropView(&view)},
        {"sequence.drop", dbms.FormatDropSequence(L"seqA")},
    });
    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(dbms.FormatCreateProcedure(&proc), dbms.FormatAlterProcedure(&proc));
    EXPECT_EQ(dbms.FormatCreateFunction(&func), dbms.FormatAlterFunction(&func));
    texts.Expect({{"view.alter", dbms.FormatAlterView(&view)}});
}
