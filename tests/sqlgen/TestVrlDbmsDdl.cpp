// Single DDL statements of the generator base. Expected texts are written by
// hand from the test dialect's templates:
//   12 "CREATE TABLE &1 (\r\n&2&3)"   16 "&1 &2 &3 &4"   53 "ALTER TABLE &1 ALTER COLUMN &2 &3"
//   54 "&1 &2"   55 "DROP INDEX &1.&2"   13 "CREATE PROCEDURE &1 &2 AS\r\n&3"
#include <gtest/gtest.h>

#include "TestDialect.h"
#include "common/ExpectDux.h"
#include "platform/CException.h"
#include "support/VrlConversions.h"

using namespace VrlSchemaTest;

namespace {

class DbmsDdl : public ::testing::Test {
protected:
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

TEST_F(DbmsDdl, CreateTableSkipsFakeAndBinaryColumnsAndAddsPublishingColumnsOnce) {
    VrlTable* table = keep.Table(L"Person", {keep.Field(L"ID", dtAutoIncrement, 0, COleVariant(), ntNotNull),
                                             keep.Field(L"Name", dtString, 50, COleVariant(L"x")),
                                             keep.Field(L"Photo", dtBinary),
                                             keep.Field(L"Ghost", dtInteger, 0, COleVariant(), ntNull, 1),
                                             keep.Field(L"PublishedBatchDefID", dtInteger)});
    const CString expected = L"CREATE TABLE Person (\r\n"
                             L"ID int IDENTITY  Not Null,\r\n"
                             L"Name nvarchar(50) DEFAULT 'x',\r\n"
                             L"PublishedBatchDefID int,\r\n"
                             L"AdminID int DEFAULT 0,\r\n"
                             L"Referenced bit DEFAULT 0 Not Null)";
    EXPECT_EQ(expected, dbms.GetTableFields(table));
    EXPECT_EQ(expected, dbms.FormatCreateTable(table));
}

TEST_F(DbmsDdl, BatchDefTableGetsNoPublishingColumns) {
    VrlTable* table = keep.Table(
        L"batchdefid", {keep.Field(L"publishedBatchDefId", dtInteger, 0, COleVariant(), ntNotNull)});
    EXPECT_EQ(CString(L"CREATE TABLE batchdefid (\r\npublishedBatchDefId int  Not Null)"),
              dbms.GetTableFields(table));
}

TEST_F(DbmsDdl, TableWithoutRealColumnsGivesNoStatement) {
    VrlTable* table =
        keep.Table(L"Shadow", {keep.Field(L"Blob", dtBinary),
                               keep.Field(L"PublishedBatchDefID", dtInteger, 0, COleVariant(), ntNull, 1)});
    EXPECT_EQ(CString(L""), dbms.GetTableFields(table));
    EXPECT_EQ(CString(L""), dbms.GetTableFields(keep.Table(L"Nothing", {})));
}

TEST_F(DbmsDdl, NameColumnsFeedTheExtraColumnsBuffer) {
    dbms.SetTemplate(17, L",\r\n&1_UC &2CHAR(&#) &3");
    VrlTable* table = keep.Table(
        L"T", {keep.Field(L"Code", dtName, 200, COleVariant(), ntNotNull), keep.Field(L"Short", dtName, 20)});
    EXPECT_EQ(CString(L"CREATE TABLE T (\r\n"
                      L"Code nvarchar(200)  Not Null,\r\n"
                      L"Short nvarchar(20)"
                      L",\r\nCode_UC VARCHAR(200) Not Null,\r\nShort_UC CHAR(20) )"),
              dbms.GetTableFields(table));
    EXPECT_EQ(CString(L",\r\nCode_UC VARCHAR(200) Not Null,\r\nShort_UC CHAR(20) "),
              VrlDbms::GetExtraColumns());
    EXPECT_EQ(CString(L"DROP TABLE T,\r\nCode_UC VARCHAR(200) Not Null,\r\nShort_UC CHAR(20) "),
              dbms.FormatDropTable(table));

    // The next table starts with an empty buffer.
    EXPECT_EQ(CString(L"CREATE TABLE Orders (\r\nID int IDENTITY  Not Null,\r\nCode nvarchar(10)  Not Null,"
                      L"\r\nCustomerID int)"),
              dbms.GetTableFields(Orders()));
    EXPECT_EQ(CString(L"DROP TABLE Orders"), dbms.FormatDropTable(Orders()));
}

TEST_F(DbmsDdl, ColumnStatements) {
    VrlTable* table = Orders();
    const VrlField* code = table->GetField(L"Code");
    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD Code nvarchar(10)  Not Null"),
              dbms.FormatAddColumn(table, code));
    EXPECT_EQ(CString(L"ALTER TABLE Orders ALTER COLUMN Code nvarchar(10) Not Null"),
              dbms.FormatAlterColumn(table, code));
    EXPECT_EQ(CString(L"ALTER TABLE Orders DROP COLUMN Code"), dbms.FormatDropColumn(table, code));
    EXPECT_EQ(CString(L""), dbms.FormatAddConstraintsOnField(table, code));
    EXPECT_EQ(CString(L""), dbms.FormatDropConstraintsOnField(table, code));
}

TEST_F(DbmsDdl, KeysAndIndexes) {
    VrlTable* table = Orders();
    auto* pk = keep.Key(L"PK_Orders", ctPrimaryKey, L"ID");
    auto* pk2 = keep.Key(L"PK_Two", ctPrimaryKey, std::vector<CString>{L"ID", L"Code"});
    auto* unique = keep.Key(L"UQ_Orders", ctUnique, std::vector<CString>{L"Code", L"CustomerID"});
    auto* index = keep.Key(L"IX_Orders", ctIndex, std::vector<CString>{L"Code", L"CustomerID"});
    auto* index6 = keep.Key(L"IX6", ctIndex6, L"Code");

    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD CONSTRAINT PK_Orders PRIMARY KEY(ID)"),
              dbms.FormatAddConstraint(table, pk));
    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD CONSTRAINT PK_Two PRIMARY KEY(ID, Code)"),
              dbms.FormatPrimaryKey(table, pk2));
    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD CONSTRAINT UQ_Orders UNIQUE(Code, CustomerID)"),
              dbms.FormatAddConstraint(table, unique));
    EXPECT_EQ(CString(L"CREATE INDEX IX_Orders ON Orders(Code,CustomerID)"),
              dbms.FormatAddConstraint(table, index));
    EXPECT_EQ(CString(L"CREATE INDEX IX6 ON Orders(Code)"), dbms.FormatAddConstraint(table, index6));

    EXPECT_EQ(1, dbms.IsPrimaryKey(L"id", pk));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"", pk));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"ID", pk2));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"Code", unique));
    EXPECT_EQ(0, dbms.IsPrimaryKey(L"ID", nullptr));
}

TEST_F(DbmsDdl, ForeignKeyComesWithItsIndexExceptType7) {
    VrlTable* table = Orders();
    EXPECT_EQ(
        CString(L"ALTER TABLE Orders ADD CONSTRAINT FK_Cust FOREIGN KEY(CustomerID) REFERENCES Customer(ID) "
                L"ON DELETE CASCADE ON UPDATE NO ACTION;CREATE INDEX FK_CustIndex ON Orders(CustomerID)"),
        dbms.FormatAddConstraint(table, Fk(L"FK_Cust", ctForeignKey)));
    EXPECT_EQ(
        CString(L"ALTER TABLE Orders ADD CONSTRAINT FK7 FOREIGN KEY(CustomerID) REFERENCES Customer(ID) "
                L"ON DELETE NO ACTION ON UPDATE NO ACTION"),
        dbms.FormatAddConstraint(table, Fk(L"FK7", ctForeignKey7, odNoAction)));

    auto* twoColumns =
        keep.New<VrlConstraint>(L"FK2", ctForeignKey, std::vector<CString>{L"A", L"B"}, L"R",
                                std::vector<CString>{L"X", L"Y"}, odCascade4, ouCascade, VrlSchemaVersion());
    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD CONSTRAINT FK2 FOREIGN KEY(A, B) REFERENCES R(X, Y) "
                      L"ON DELETE CASCADE ON UPDATE CASCADE;CREATE INDEX FK2Index ON Orders(A, B)"),
              dbms.FormatForeignKeyConstraint(table, twoColumns));

    EXPECT_TRUE(RaisesNotSupported(
        [&] { dbms.FormatForeignKeyConstraint(table, Fk(L"FKn", ctForeignKey, odNone)); }));
}

TEST_F(DbmsDdl, ConstraintKindsWithoutStatementAreNotSupported) {
    VrlTable* table = Orders();
    auto* notGenerated = keep.Key(L"U8", ctUniqueNotGenerated, L"Code");
    auto* fk5 = Fk(L"FK5", ctForeignKeyNotGenerated);
    auto* odd = keep.Key(L"X", static_cast<VrlConstraintType>(9), L"Code");
    for (VrlConstraint* c : {notGenerated, fk5, odd})
        EXPECT_TRUE(RaisesNotSupported([&] { dbms.FormatAddConstraint(table, c); })) << c->GetName().ToUtf8();
}

TEST_F(DbmsDdl, DropsTakeCompanionIndexesAlong) {
    VrlTable* table = Orders();
    EXPECT_EQ(CString(L"ALTER TABLE Orders DROP CONSTRAINT FK_Cust; DROP INDEX Orders.FK_CustIndex"),
              dbms.FormatDropConstraint(table, Fk(L"FK_Cust", ctForeignKey)));
    EXPECT_EQ(CString(L"ALTER TABLE Orders DROP CONSTRAINT FK5; DROP INDEX Orders.FK5Index"),
              dbms.FormatDropConstraint(table, Fk(L"FK5", ctForeignKeyNotGenerated)));
    EXPECT_EQ(CString(L"ALTER TABLE Orders DROP CONSTRAINT FK7"),
              dbms.FormatDropConstraint(table, Fk(L"FK7", ctForeignKey7)));
    EXPECT_EQ(CString(L"DROP INDEX Orders.IX"),
              dbms.FormatDropConstraint(table, keep.Key(L"IX", ctIndex6, L"Code")));
    EXPECT_EQ(CString(L"ALTER TABLE Orders DROP CONSTRAINT PK_Orders"),
              dbms.FormatDropPrimaryKey(table, L"PK_Orders"));
    EXPECT_EQ(CString(L"DROP INDEX Orders.IX_Code"), dbms.FormatDropIndex(table, L"IX_Code"));
}

TEST_F(DbmsDdl, AnsiTargetsShortenIndexNames) {
    VrlTable* table = Orders();
    const CString longName = L"IX_Orders_CustomerCode";
    EXPECT_EQ(CString(L"CREATE INDEX IX_Orders_CustomerCode ON Orders(Code)"),
              dbms.FormatCreateIndex(longName, L"Orders", L"Code"));
    for (int code : {VrlDbms::cm_nOracle, VrlDbms::cm_nDB2}) {
        dbms.SetDialectCode(code);
        const CString shortName = VrlConversions::AnsiConstraintLimit(longName);
        ASSERT_EQ(18, shortName.GetLength());
        EXPECT_EQ(L"CREATE INDEX " + shortName + L" ON Orders(Code)",
                  dbms.FormatCreateIndex(longName, L"Orders", L"Code"));
        EXPECT_EQ(L"DROP INDEX Orders." + shortName, dbms.FormatDropIndex(table, longName));
    }
}

TEST_F(DbmsDdl, OracleIndexesOfNullableColumnsGetAConstantColumn) {
    VrlTable* table = Orders();
    auto* nullable = keep.New<VrlConstraint>(L"IX", ctIndex, std::vector<CString>{L"Code", L"CustomerID"},
                                             VrlSchemaVersion(), clDefault, true);
    auto* noColumns =
        keep.New<VrlConstraint>(L"IX0", ctIndex, std::vector<CString>{}, VrlSchemaVersion(), clDefault, true);
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
    auto* pk = keep.New<VrlConstraint>(L"PK", ctPrimaryKey, std::vector<CString>{L"ID"}, VrlSchemaVersion(),
                                       clClustered);
    EXPECT_EQ(CString(L"ALTER TABLE Orders ADD CONSTRAINT PK PRIMARY KEY CLUSTERED(ID)"),
              clustering.FormatPrimaryKey(Orders(), pk));
}

TEST_F(DbmsDdl, RoutineAndViewStatements) {
    VrlProcedure proc(L"procA", L"CREATE TABLE #t (x int)", L"Orders", 0, 0, VrlSchemaVersion(), 0);
    VrlFunction func(L"fnA", VrlDataDefinition(dtInteger, 0), {}, L"BEGIN CREATE x END", L"",
                     VrlSchemaVersion());
    VrlView view(L"vOrders", L"SELECT * FROM Orders -- CREATE", L"Orders");

    EXPECT_EQ(CString(L"CREATE PROCEDURE procA  AS\r\nCREATE TABLE #t (x int)"),
              dbms.FormatCreateProcedure(&proc));
    EXPECT_EQ(CString(L"ALTER PROCEDURE procA  AS\r\nALTER TABLE #t (x int)"),
              dbms.FormatAlterProcedure(&proc));
    EXPECT_EQ(CString(L"ALTER FUNCTION fnA() RETURNS int BEGIN ALTER x END"),
              dbms.FormatAlterFunction(&func));
    EXPECT_EQ(CString(L"ALTER VIEW vOrders AS\nSELECT * FROM Orders -- ALTER"), dbms.FormatAlterView(&view));
    EXPECT_EQ(CString(L"DROP PROCEDURE procA"), dbms.FormatDropProcedure(&proc));
    EXPECT_EQ(CString(L"DROP FUNCTION fnA"), dbms.FormatDropFunction(&func));
    EXPECT_EQ(CString(L"DROP VIEW vOrders"), dbms.FormatDropView(&view));
    EXPECT_EQ(CString(L"DROP SEQUENCE seqA"), dbms.FormatDropSequence(L"seqA"));

    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(dbms.FormatCreateProcedure(&proc), dbms.FormatAlterProcedure(&proc));
    EXPECT_EQ(dbms.FormatCreateFunction(&func), dbms.FormatAlterFunction(&func));
    EXPECT_EQ(CString(L"ALTER VIEW vOrders AS\nSELECT * FROM Orders -- ALTER"), dbms.FormatAlterView(&view));
}
