// Existence probes, routine shells, the buffered-table reader and the
// version-cut column lists of the generator base. Templates of the test
// dialect: 13 "CREATE PROCEDURE &1 &2 AS\r\n&3", 18 "AS RETURN(&1)",
// 19 "CREATE FUNCTION &1(&2) RETURNS &3 &4", 20 "INOUT", 21 "&1 &3 &2",
// 15 "CREATE PROCEDURE &1 @key &2 AS SELECT TOP &# * FROM &3 WHERE &4 > @key ORDER BY &4".
#include <gtest/gtest.h>

#include "TestDialect.h"

using namespace VrlSchemaTest;

namespace {

class DbmsExists : public ::testing::Test {
protected:
    Keeper keep;
    VrlTable* person = keep.Table(L"Person", {keep.Field(L"Age", dtInteger)},
                                  {keep.Key(L"PK_Person", ctPrimaryKey, L"Age"),
                                   keep.Fk(L"FK_Person", ctForeignKey, L"Age", L"R", L"ID", odCascade)});
};

class DbmsRoutines : public ::testing::Test {
protected:
    Keeper keep;
    TestDialect dbms{nullptr};
    VrlParam* Param(const wchar_t* name, VrlDataType type, LONG length = 0, VrlInOutType io = ioIn) {
        return keep.New<VrlParam>(name, VrlDataDefinition(type, length), io);
    }
};

} // namespace

TEST_F(DbmsExists, ColumnsAreFormattedInTwoStages) {
    TestDialect dbms(nullptr);
    EXPECT_EQ(CString(L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'Person' AND "
                      L"COLUMN_NAME = N'Age'"),
              dbms.FormatObjectExists(person->GetField(L"Age")));
    // The key query names the table only; the key's own name does not enter.
    EXPECT_EQ(
        CString(
            L"SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'Person' "
            L"AND CONSTRAINT_TYPE = N'PRIMARY KEY'"),
        dbms.FormatObjectExists(person->GetConstraint(L"PK_Person")));
    VrlView view(L"vPerson", L"SELECT 1", L"Person");
    EXPECT_EQ(CString(L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'vPerson' AND "
                      L"TABLE_TYPE = N'VIEW'"),
              dbms.FormatObjectExists(&view));
    VrlParam param(L"lID", VrlDataDefinition(dtInteger, 0), ioIn);
    EXPECT_EQ(CString(L"lID"), dbms.FormatObjectExists(&param));

    TestDialect db2(nullptr, ObjectExistsFormats::GetDB2Formats());
    EXPECT_EQ(
        CString(L"SELECT COUNT(*) FROM SYSCAT.REFERENCES WHERE TABSCHEMA = CURRENT_SCHEMA AND CONSTNAME = "
                L"N'FK_Person' AND TABNAME = N'Person'"),
        db2.FormatObjectExists(person->GetConstraint(L"FK_Person")));
}

TEST_F(DbmsExists, NameProbesAreUpperCased) {
    TestDialect oracle(nullptr, ObjectExistsFormats::GetOracleFormats());
    EXPECT_EQ(CString(L"SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = N'PERSON' "),
              oracle.FormatTableExists(L"Person"));
    EXPECT_EQ(CString(L"SELECT COUNT(*) FROM USER_SEQUENCES WHERE SEQUENCE_NAME = N'SEQA' "),
              oracle.FormatSequenceExists(L"seqA"));
    TestDialect server(nullptr);
    EXPECT_EQ(CString(L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'PROCGET' AND "
                      L"ROUTINE_TYPE = N'PROCEDURE'"),
              server.FormatProcedureExists(L"procGet"));
    EXPECT_EQ(CString(L""), server.FormatSequenceExists(L"seqA"));
    // A name is never read as a format.
    EXPECT_EQ(
        CString(
            L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'A%S%D' AND TABLE_TYPE = "
            L"N'BASE TABLE'"),
        server.FormatTableExists(L"a%s%d"));
}

TEST_F(DbmsExists, WithoutRecordEveryProbeIsEmpty) {
    TestDialect none(nullptr, nullptr);
    EXPECT_EQ(CString(L""), none.FormatObjectExists(person));
    EXPECT_EQ(CString(L""), none.FormatTableExists(L"Person"));
    EXPECT_EQ(CString(L""), none.FormatProcedureExists(L"p"));
    EXPECT_EQ(CString(L""), none.FormatSequenceExists(L"s"));
}

TEST_F(DbmsRoutines, ProcedureShells) {
    VrlProcedure bare(L"procA", L"SELECT 1", L"", 0, 0, VrlSchemaVersion(), 0);
    EXPECT_EQ(CString(L"CREATE PROCEDURE procA  AS\r\nSELECT 1"), dbms.GetProcedure(&bare));

    // Unnamed parameters and parameters without a type text are left out.
    VrlProcedure full(L"procB",
                      {Param(L"a", dtInteger), Param(L"", dtInteger), Param(L"b", dtString, 20, ioOut),
                       Param(L"x", dtInterval), Param(L"c", dtInteger, 0, ioInOut)},
                      L"SELECT 2", L"", 0, VrlSchemaVersion(), 0);
    EXPECT_EQ(CString(L"@a int , @b nvarchar(20) OUT, @c int INOUT"), dbms.GetProcParameters(&full));
    EXPECT_EQ(CString(L"CREATE PROCEDURE procB (@a int , @b nvarchar(20) OUT, @c int INOUT) AS\r\nSELECT 2"),
              dbms.GetProcedure(&full));

    VrlProcedure bodiless(L"procC", L"", L"", 0, 0, VrlSchemaVersion(), 0);
    EXPECT_EQ(CString(L""), dbms.GetProcedure(&bodiless));
    EXPECT_EQ(CString(L""), dbms.GetProcedure(nullptr));
    EXPECT_EQ(CString(L""), dbms.GetProcParameters(nullptr));
}

TEST_F(DbmsRoutines, FunctionShells) {
    VrlFunction table(L"fnT", VrlDataDefinition(dtTable, 0), {Param(L"a", dtInteger)}, L"SELECT 1", L"",
                      VrlSchemaVersion());
    EXPECT_EQ(CString(L"CREATE FUNCTION fnT(@a int ) RETURNS table AS RETURN(SELECT 1)"),
              dbms.GetFunction(&table));
    VrlFunction scalar(L"fnS", VrlDataDefinition(dtString, 30), {}, L"BEGIN RETURN 'x' END", L"",
                       VrlSchemaVersion());
    EXPECT_EQ(CString(L"CREATE FUNCTION fnS() RETURNS nvarchar(30) BEGIN RETURN 'x' END"),
              dbms.GetFunction(&scalar));
    VrlFunction bodiless(L"fnE", VrlDataDefinition(dtInteger, 0), {}, L"", L"", VrlSchemaVersion());
    EXPECT_EQ(CString(L""), dbms.GetFunction(&bodiless));
    EXPECT_EQ(CString(L""), dbms.GetFunction(nullptr));
    EXPECT_EQ(CString(L""), dbms.GetFuncParameters(nullptr));
}

TEST_F(DbmsRoutines, FunctionCalls) {
    VrlFunction two(L"fnTwo", VrlDataDefinition(dtInteger, 0),
                    {Param(L"a", dtInteger), Param(L"b", dtString, 5)}, L"x", L"", VrlSchemaVersion());
    VrlFunction none(L"fnNone", VrlDataDefinition(dtInteger, 0), {}, L"x", L"", VrlSchemaVersion());
    EXPECT_EQ(CString(L"fnTwo(@a,@b)"), dbms.FormatFunctionCall(&two));
    EXPECT_EQ(CString(L"fnNone"), dbms.FormatFunctionCall(&none));
    EXPECT_EQ(CString(L""), dbms.FormatFunctionCall(nullptr));
}

TEST_F(DbmsRoutines, Views) {
    VrlView view(L"vA", L"SELECT 1", L"");
    EXPECT_EQ(CString(L"CREATE VIEW vA AS\nSELECT 1"), dbms.GetView(&view));
    EXPECT_EQ(CString(L"CREATE VIEW vA AS\nSELECT 1"), dbms.Validated().back());
    VrlView unnamed(L"", L"SELECT 1", L"");
    EXPECT_EQ(CString(L""), dbms.GetView(&unnamed));
    EXPECT_EQ(CString(L""), dbms.GetView(nullptr));
}

TEST_F(DbmsRoutines, BufferedTableReader) {
    VrlTable* items = keep.Table(L"Items", {keep.Field(L"Code", dtString, 12, COleVariant(), ntNotNull)},
                                 {keep.Key(L"PK_Items", ctPrimaryKey, L"Code")}, 50);
    EXPECT_EQ(
        CString(L"CREATE PROCEDURE prcItemsBuf @key nvarchar(12) AS SELECT TOP 50 * FROM Items WHERE Code > "
                L"@key ORDER BY Code"),
        dbms.GetBufferFunctionDefinition(items));
    EXPECT_EQ(CString(L""), dbms.GetSelectOldBufferTableSQL(items));
}

TEST_F(DbmsRoutines, ColumnListsAreCutByServicePack) {
    // The table is of a later version, so that it keeps the newer columns.
    VrlTable* table = keep.New<VrlTable>(
        L"Doc",
        std::vector<VrlField*>{
            keep.Field(L"ID", dtInteger),
            keep.Field(L"Name", dtString, 10, COleVariant(), ntNull, 0, VrlSchemaVersion(35, 10001)),
            keep.Field(L"Later", dtString, 10, COleVariant(), ntNull, 0, VrlSchemaVersion(35, 11201)),
            keep.Field(L"Next", dtInteger, 0, COleVariant(), ntNull, 0, VrlSchemaVersion(36, 0)),
            keep.Field(L"Blob", dtBinary), keep.Field(L"Fake", dtInteger, 0, COleVariant(), ntNull, 1),
            keep.Field(L"PublishedBatchDefID", dtInteger)},
        std::vector<VrlConstraint*>{}, L"", 0, 0u, rtUndefined, VrlSchemaVersion(40, 0));
    EXPECT_EQ(CString(L"ID,PublishedBatchDefID,AdminID,Referenced"),
              dbms.GetTableColumnList(table, VrlServicePackNone));
    EXPECT_EQ(CString(L"ID,Name,PublishedBatchDefID,AdminID,Referenced"),
              dbms.GetTableColumnList(table, VrlServicePack10_0_1));
    EXPECT_EQ(CString(L"ID,Name,Later,Next,PublishedBatchDefID,AdminID,Referenced"),
              dbms.GetTableColumnList(table, VrlServicePackColumnListThreshold));

    VrlTable* batchDef = keep.Table(
        L"BatchDefID", {keep.Field(L"Domain", dtInteger), keep.Field(L"PublishedBatchDefID", dtInteger)});
    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(CString(L"\"Domain\",PublishedBatchDefID"),
              dbms.GetTableColumnList(batchDef, VrlServicePackNone));
    EXPECT_EQ(CString(L""), dbms.GetTableColumnList(keep.Table(L"Empty", {}), VrlServicePackNone));
}
