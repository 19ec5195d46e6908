// Existence probes, routine shells, the buffered-table reader and the
// version-cut column lists of the generator base. Expected texts:
// texts/base.txt, written by hand from the test dialect's templates.
#include <gtest/gtest.h>

#include "TestDialect.h"
#include "common/TestData.h"

using namespace VrlSchemaTest;

namespace {

class DbmsRoutines : public ::testing::Test {
protected:
    const ExpectedTexts& texts = ExpectedTexts::Of("sqlgen/texts/base.txt");
    Keeper keep;
    TestDialect dbms{nullptr};
    VrlTable* person = keep.Table(L"Person", {keep.Field(L"Age", dtInteger)},
                                  {keep.Key(L"PK_Person", ctPrimaryKey, L"Age"),
                                   keep.Fk(L"FK_Person", ctForeignKey, L"Age", L"R", L"ID", odCascade)});
    VrlParam* Param(const wchar_t* name, VrlDataType type, LONG length = 0, VrlInOutType io = ioIn) {
        return keep.Make<VrlParam>(name, VrlDataDefinition(type, length), io);
    }
};

} // namespace

TEST_F(DbmsRoutines, ProbesOfEveryFormatRecordAndOfNone) {
    TestDialect db2(nullptr, ObjectExistsFormats::GetDB2Formats());
    TestDialect oracle(nullptr, ObjectExistsFormats::GetOracleFormats());
    VrlView view(L"vPerson", L"SELECT 1", L"Person");
    VrlParam param(L"lID", VrlDataDefinition(dtInteger, 0), ioIn);
    texts.Expect({
        {"exists.column", dbms.FormatObjectExists(person->GetField(L"Age"))},
        {"exists.primary_key", dbms.FormatObjectExists(person->GetConstraint(L"PK_Person"))},
        {"exists.view", dbms.FormatObjectExists(&view)},
        {"exists.db2.foreign_key", db2.FormatObjectExists(person->GetConstraint(L"FK_Person"))},
        // Names given alone are upper-cased, and never read as a format.
        {"exists.oracle.table", oracle.FormatTableExists(L"Person")},
        {"exists.oracle.sequence", oracle.FormatSequenceExists(L"seqA")},
        {"exists.procedure", dbms.FormatProcedureExists(L"procGet")},
        {"exists.table.percent", dbms.FormatTableExists(L"a%s%d")},
    });
    EXPECT_EQ(CString(L"lID"), dbms.FormatObjectExists(&param));
    EXPECT_EQ(CString(L""), dbms.FormatSequenceExists(L"seqA"));
    TestDialect none(nullptr, nullptr);
    EXPECT_EQ(CString(L""), none.FormatObjectExists(person));
    EXPECT_EQ(CString(L""), none.FormatTableExists(L"Person"));
    EXPECT_EQ(CString(L""), none.FormatProcedureExists(L"p"));
    EXPECT_EQ(CString(L""), none.FormatSequenceExists(L"s"));
}

TEST_F(DbmsRoutines, ProcedureShells) {
    VrlProcedure bare(L"procA", L"SELECT 1", L"", 0, 0, VrlSchemaVersion(), 0);

    // Unnamed parameters and parameters without a type text are left out.
    VrlProcedure full(L"procB",
                      {Param(L"a", dtInteger), Param(L"", dtInteger), Param(L"b", dtString, 20, ioOut),
                       Param(L"x", dtInterval), Param(L"c", dtInteger, 0, ioInOut)},
                      L"SELECT 2", L"", 0, VrlSchemaVersion(), 0);
    texts.Expect({
        {"procedure.bare", dbms.GetProcedure(&bare)},
        {"parameters.full", dbms.GetProcParameters(&full)},
        {"procedure.full", dbms.GetProcedure(&full)},
    });

    VrlProcedure bodiless(L"procC", L"", L"", 0, 0, VrlSchemaVersion(), 0);
    EXPECT_EQ(CString(L""), dbms.GetProcedure(&bodiless));
    EXPECT_EQ(CString(L""), dbms.GetProcedure(nullptr));
    EXPECT_EQ(CString(L""), dbms.GetProcParameters(nullptr));
}

TEST_F(DbmsRoutines, FunctionShellsAndCalls) {
    VrlFunction table(L"fnT", VrlDataDefinition(dtTable, 0), {Param(L"a", dtInteger)}, L"SELECT 1", L"",
                      VrlSchemaVersion());
    VrlFunction scalar(L"fnS", VrlDataDefinition(dtString, 30), {}, L"BEGIN RETURN 'x' END", L"",
                       VrlSchemaVersion());
    texts.Expect(
        {{"function.table", dbms.GetFunction(&table)}, {"function.scalar", dbms.GetFunction(&scalar)}});
    VrlFunction bodiless(L"fnE", VrlDataDefinition(dtInteger, 0), {}, L"", L"", VrlSchemaVersion());
    EXPECT_EQ(CString(L""), dbms.GetFunction(&bodiless));
    EXPECT_EQ(CString(L""), dbms.GetFunction(nullptr));
    EXPECT_EQ(CString(L""), dbms.GetFuncParameters(nullptr));
    VrlFunction two(L"fnTwo", VrlDataDefinition(dtInteger, 0),
                    {Param(L"a", dtInteger), Param(L"b", dtString, 5)}, L"x", L"", VrlSchemaVersion());
    VrlFunction none(L"fnNone", VrlDataDefinition(dtInteger, 0), {}, L"x", L"", VrlSchemaVersion());
    EXPECT_EQ(CString(L"fnTwo(@a,@b)"), dbms.FormatFunctionCall(&two));
    EXPECT_EQ(CString(L"fnNone"), dbms.FormatFunctionCall(&none));
    EXPECT_EQ(CString(L""), dbms.FormatFunctionCall(nullptr));
}

TEST_F(DbmsRoutines, ViewsAndTheBufferedTableReader) {
    VrlView view(L"vA", L"SELECT 1", L"");
    texts.Expect({{"view.create", dbms.GetView(&view)}, {"view.create", dbms.Validated().back()}});
    VrlView unnamed(L"", L"SELECT 1", L"");
    EXPECT_EQ(CString(L""), dbms.GetView(&unnamed));
    EXPECT_EQ(CString(L""), dbms.GetView(nullptr));
    VrlTable* items = keep.Table(L"Items", {keep.Field(L"Code", dtString, 12, COleVariant(), ntNotNull)},
                                 {keep.Key(L"PK_Items", ctPrimaryKey, L"Code")}, 50);
    texts.Expect({{"buffer.items", dbms.GetBufferFunctionDefinition(items)}});
    EXPECT_EQ(CString(L""), dbms.GetSelectOldBufferTableSQL(items));
}

TEST_F(DbmsRoutines, ColumnListsAreCutByServicePack) {
    // The table is of a later version, so that it keeps the newer columns.
    VrlTable* table = keep.Make<VrlTable>(
        L"Doc",
        std::vector<VrlField*>{
            keep.Field(L"ID", dtInteger),
            keep.Field(L"Name", dtString, 10, COleVariant(), ntNull, 0, VrlSchemaVersion(35, 10001)),
            keep.Field(L"Later", dtString, 10, COleVariant(), ntNull, 0, VrlSchemaVersion(35, 11201)),
            keep.Field(L"Next", dtInteger, 0, COleVariant(), ntNull, 0, VrlSchemaVersion(36, 0)),
            keep.Field(L"Blob", dtBinary), keep.Field(L"Fake", dtInteger, 0, COleVariant(), ntNull, 1),
            keep.Field(L"PublishedBatchDefID", dtInteger)},
        std::vector<VrlConstraint*>{}, L"", 0, 0u, rtUndefined, VrlSchemaVersion(40, 0));
    texts.Expect({
        {"columns.none", dbms.GetTableColumnList(table, VrlServicePackNone)},
        {"columns.10_0_1", dbms.GetTableColumnList(table, VrlServicePack10_0_1)},
        {"columns.threshold", dbms.GetTableColumnList(table, VrlServicePackColumnListThreshold)},
    });

    VrlTable* batchDef = keep.Table(
        L"BatchDefID", {keep.Field(L"Domain", dtInteger), keep.Field(L"PublishedBatchDefID", dtInteger)});
    dbms.SetDialectCode(VrlDbms::cm_nOracle);
    EXPECT_EQ(CString(L"\"Domain\",PublishedBatchDefID"),
              dbms.GetTableColumnList(batchDef, VrlServicePackNone));
    EXPECT_EQ(CString(L""), dbms.GetTableColumnList(keep.Table(L"Empty", {}), VrlServicePackNone));
}
