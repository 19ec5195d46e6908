// PostgreSQL generator: lower-cased catalogue probes, literals of the
// boolean, uuid and timestamp types, lower() indexes for case-insensitive
// columns and how they are dropped, column and routine changes, PL/pgSQL
// shells and cursor markers. Expected texts: texts/postgres.txt.
#include <gtest/gtest.h>

#include "DialectTestKit.h"
#include "dialects/VrlDbmsPostgres.h"

using namespace VrlSchemaLib;

namespace {

// Batch: an identity key, a name column with a unique key, a "^" index on a
// text column, a "^" unique key on a uuid column. Profile: a key over a name
// column and a type-3 foreign key cascaded by trigger elsewhere.
class Postgres : public ::testing::Test {
protected:
    const VrlSchemaTest::ExpectedTexts& texts =
        VrlSchemaTest::ExpectedTexts::Of("dialects/texts/postgres.txt");
    DialectTestKit kit;
    VrlDbmsPostgres dbms{nullptr, L"Test"};
    VrlTable* batch = kit.Table(L"Batch",
                                {kit.Field(L"BatchID", dtAutoIncrement), kit.Field(L"Name", dtName, 40),
                                 kit.Field(L"Code", dtString, 20, ntNull), kit.Field(L"BatchGUID", dtGuid)},
                                {kit.Key(L"PK_Batch", ctPrimaryKey, {L"BatchID"}),
                                 kit.Key(L"UQ_Batch_Name", ctUnique, {L"Name", L"Code"}),
                                 kit.Key(L"IX_Batch_Code", ctIndex, {L"^Code"}),
                                 kit.Key(L"UQ_Batch_GUID", ctUnique, {L"^BatchGUID"}),
                                 kit.Key(L"IX_Batch_Plain", ctIndex, {L"Code"})});
    VrlTable* profile = kit.Table(
        L"Profile", {kit.Field(L"ProfileName", dtName, 30), kit.Field(L"BatchID")},
        {kit.Key(L"PK_Profile", ctPrimaryKey, {L"ProfileName"}),
         kit.Reference(L"FK_Profile_Batch", ctForeignKey, {L"BatchID"}, L"Batch", {L"BatchID"}, odCascade4)});
    const VrlConstraint* Key(const VrlTable* table, const wchar_t* name) {
        return table->GetConstraint(name);
    }
};

} // namespace

TEST_F(Postgres, ProbesCompareTheFoldedName) {
    VrlView view(L"vwBatch", L"SELECT BatchID FROM Batch", L"Batch");
    texts.Expect({
        {"exists.table", dbms.FormatObjectExists(batch)},
        {"exists.table", dbms.FormatTableExists(L"Batch")},
        {"exists.column", dbms.FormatObjectExists(batch->GetField(L"BatchGUID"))},
        {"exists.primary_key", dbms.FormatObjectExists(Key(batch, L"PK_Batch"))},
        {"exists.foreign_key", dbms.FormatObjectExists(Key(profile, L"FK_Profile_Batch"))},
        {"exists.unique_name", dbms.FormatObjectExists(Key(batch, L"UQ_Batch_Name"))},
        {"exists.unique_guid", dbms.FormatObjectExists(Key(batch, L"UQ_Batch_GUID"))},
        {"exists.index", dbms.FormatObjectExists(Key(batch, L"IX_Batch_Code"))},
        {"exists.view", dbms.FormatObjectExists(&view)},
        {"exists.procedure", dbms.FormatObjectExists(kit.Procedure(L"procBatch", {}, L"SELECT 1"))},
        {"exists.procedure", dbms.FormatProcedureExists(L"procBatch")},
        {"exists.function",
         dbms.FormatObjectExists(kit.Function(L"fnBatch", VrlDataDefinition(dtInteger, 0), {}, L"RETURN 1"))},
        {"exists.sequence", dbms.FormatSequenceExists(L"NewIDSeq")},
    });
}

TEST_F(Postgres, BooleanUuidTimestampAndTextLiterals) {
    const COleDateTime date(2024, 1, 31, 13, 45, 0);
    const struct {
        VrlDataType type;
        LONG flags;
        COleVariant value;
        const wchar_t* literal;
    } cases[] = {
        {dtBoolean, 0, COleVariant(L"0"), L"FALSE"},
        {dtBoolean, 0, COleVariant(L"True"), L"TRUE"},
        {dtBoolean, 0, COleVariant(static_cast<short>(-1), VT_BOOL), L"TRUE"},
        {dtGuid, 0, COleVariant(L"{0A1B2C3D-AAAA-BBBB-CCCC-0123456789EF}"),
         L"'{0a1b2c3d-aaaa-bbbb-cccc-0123456789ef}'"},
        {dtString, 0, COleVariant(L"O'Brien"), L"'O''Brien'"},
        {dtString, 0, COleVariant(L"Bl\u00e5"), L"'Bl\u00e5'"},
        {dtDateTime, 0x2000, COleVariant(COleDateTime(date.m_dt + 0.25 / 86400)),
         L"TIMESTAMP '2024-01-31 13:45:00.250'"},
        {dtDateTime, 0, COleVariant(L"CURRENT_TIMESTAMP"), L"CURRENT_TIMESTAMP"},
        {dtDateTime, 0, COleVariant(L"NOW()"), L"NOW()"},
        {dtInteger, 0x4000, COleVariant(L"CAST(-EXTRACT(TIMEZONE FROM CURRENT_TIMESTAMP)/60 AS integer)"),
         L"CAST(-EXTRACT(TIMEZONE FROM CURRENT_TIMESTAMP)/60 AS integer)"},
    };
    for (const auto& c : cases) {
        VrlField* field = kit.Field(L"F", c.type, 0, ntNull, COleVariant(), c.flags);
        EXPECT_STREQ(c.literal, dbms.FormatValue(field, c.value).GetString()) << c.type;
    }
    // A boolean keeps its own type; it is not carried as a small integer.
    COleVariant truth(true);
    EXPECT_EQ(dtBoolean, dbms.CastToBoolEquivalent(truth));
    EXPECT_EQ(VT_BOOL, truth.vt);
    EXPECT_EQ(cmdFunction, dbms.TranslateCommandType(cmdFunction));
    ExpectDateLiterals(texts, dbms);
}

TEST_F(Postgres, CaseInsensitiveColumnsAreIndexedThroughLower) {
    std::vector<CString> pairs; // name, statement: for a caller that creates the missing ones
    dbms.GenerateCaseInsensitiveIndexes(batch, pairs);
    dbms.GenerateCaseInsensitiveIndexes(profile, pairs);
    ASSERT_EQ(6u, pairs.size());
    EXPECT_EQ((std::vector<CString>{L"UQ_Batch_Name", L"IX_Batch_Code", L"CI_PK_Profile"}),
              (std::vector<CString>{pairs[0], pairs[2], pairs[4]}));
    texts.Expect({
        {"key.uq_batch_name", dbms.FormatAddConstraint(batch, Key(batch, L"UQ_Batch_Name"))},
        {"drop.uq_batch_name", dbms.FormatDropConstraint(batch, Key(batch, L"UQ_Batch_Name"))},
        {"drop.uq_batch_name", dbms.FormatDropConstraint(batch, L"UQ_Batch_Name")},
        {"key.ix_batch_code", dbms.FormatAddConstraint(batch, Key(batch, L"IX_Batch_Code"))},
        {"drop.ix_batch_code", dbms.FormatDropConstraint(batch, Key(batch, L"IX_Batch_Code"))},
        {"key.uq_batch_guid", dbms.FormatAddConstraint(batch, Key(batch, L"UQ_Batch_GUID"))},
        {"drop.uq_batch_guid", dbms.FormatDropConstraint(batch, Key(batch, L"UQ_Batch_GUID"))},
        {"key.ix_batch_plain", dbms.FormatAddConstraint(batch, Key(batch, L"IX_Batch_Plain"))},
        {"drop.ix_batch_plain", dbms.FormatDropConstraint(batch, Key(batch, L"IX_Batch_Plain"))},
        {"key.pk_batch", dbms.FormatAddConstraint(batch, Key(batch, L"PK_Batch"))},
        {"drop.pk_batch", dbms.FormatDropConstraint(batch, Key(batch, L"PK_Batch"))},
        {"key.pk_profile", dbms.FormatAddConstraint(profile, Key(profile, L"PK_Profile"))},
        {"drop.pk_profile", dbms.FormatDropConstraint(profile, Key(profile, L"PK_Profile"))},
        {"drop.pk_profile", dbms.FormatDropConstraint(profile, L"PK_Profile")},
        {"drop.fk_profile_batch", dbms.FormatDropConstraint(profile, Key(profile, L"FK_Profile_Batch"))},
        {"key.uq_batch_name", pairs[1]},
        {"key.ix_batch_code", pairs[3]},
        {"index.ci_pk_profile", pairs[5]},
    });
    VrlDbmsPostgres withSchema(kit.Schema({batch}), L"Test");
    EXPECT_STREQ(L"lower(Name)=lower('abc')",
                 withSchema.CreateWhereComparison(L"Batch", L"Name", L"'abc'").GetString());
    EXPECT_STREQ(L"Code='abc'", withSchema.CreateWhereComparison(L"Batch", L"Code", L"'abc'").GetString());
}

TEST_F(Postgres, ColumnsViewsAndRoutinesAreReplacedInPlace) {
    VrlView view(L"vwBatch", L"SELECT BatchID FROM Batch", L"Batch");
    VrlProcedure* rename = kit.Procedure(
        L"procRename",
        {kit.Param(L"lBatchID", dtInteger), kit.Param(L"strName", dtName, 40),
         kit.Param(L"lVersion", dtInteger, 0, ioInOut), kit.Param(L"bDone", dtBoolean, 0, ioOut)},
        L"UPDATE Batch SET Name = @strName WHERE BatchID = @lBatchID;\n\t@bDone := TRUE");
    auto get = [&](const wchar_t* body) {
        return dbms.GetProcedure(kit.Procedure(L"procGet", {kit.Param(L"lBatchID", dtInteger)}, body));
    };
    VrlFunction* function =
        kit.Function(L"fnName", VrlDataDefinition(dtName, 40), {kit.Param(L"lID", dtAutoIncrement)},
                     L"RETURN (SELECT Name FROM Batch WHERE BatchID = @lID)");
    VrlTable* lookup =
        kit.Make<VrlTable>(L"Lookup", std::vector<VrlField*>{kit.Field(L"LookupID")},
                           std::vector<VrlConstraint*>{kit.Key(L"PK_Lookup", ctPrimaryKey, {L"LookupID"})},
                           L"", 50, 0u, rtUndefined, VrlSchemaVersion());
    VrlField* identity = kit.Field(L"BatchID", dtAutoIncrement, 0, ntNotNull, COleVariant(1L));
    texts.Expect({
        {"alter.name", dbms.FormatAlterColumn(batch, batch->GetField(L"Name"))},
        {"alter.code", dbms.FormatAlterColumn(batch, batch->GetField(L"Code"))},
        {"alter.identity", dbms.FormatAlterColumn(batch, batch->GetField(L"BatchID"))},
        {"add.identity", dbms.FormatAddColumn(batch, identity)},
        {"view.replace", dbms.FormatAlterView(&view)},
        {"procedure.rename", dbms.FormatCreateProcedure(rename)},
        {"procedure.rename", dbms.FormatAlterProcedure(rename)},
        {"procedure.cursor", get(L"~SELECT * FROM Batch WHERE BatchID = @lBatchID")},
        {"procedure.own_cursor", get(L"~~OPEN resultSet FOR SELECT 1")},
        {"procedure.none", dbms.GetProcedure(kit.Procedure(L"procNone", {}, L"NULL"))},
        {"function.name", dbms.FormatCreateFunction(function)},
        {"function.name", dbms.FormatAlterFunction(function)},
        {"buffer.lookup", dbms.GetBufferFunctionDefinition(lookup)},
    });
}
