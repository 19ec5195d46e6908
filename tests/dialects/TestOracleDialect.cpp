// Oracle generator: guarded drop blocks and the identifier cut, NLSSORT
// indexes, bare routine types, PL/SQL routine shells with result-set
// markers, date literals, current-time texts and the quoting of "Domain".
// Expected texts: texts/oracle.txt.
#include <gtest/gtest.h>

#include <string>

#include "DialectTestKit.h"
#include "dialects/VrlDbmsOracle.h"

using namespace VrlSchemaLib;

namespace {

class Oracle : public ::testing::Test {
protected:
    const VrlSchemaTest::ExpectedTexts& texts = VrlSchemaTest::ExpectedTexts::Of("dialects/texts/oracle.txt");
    DialectTestKit kit;
    VrlDbmsOracle dbms{nullptr, L"Test"};
};

} // namespace

TEST_F(Oracle, DropBlocks) {
    VrlTable* child = kit.Table(L"Child", {kit.Field(L"A")}, {kit.Foreign(L"FK_A", ctForeignKey)});
    // Type 5 keys had the index as well, type 7 keys never.
    VrlConstraint* longKey = kit.Foreign(L"FK_Profile_Batch", ctForeignKey, {L"A"});
    VrlConstraint* notGenerated = kit.Foreign(L"FK_Profile_Batch", ctForeignKeyNotGenerated, {L"A"});
    VrlConstraint* noIndex = kit.Foreign(L"FK_Profile_Batch", ctForeignKey7, {L"A"});
    VrlTable* batch = kit.Table(
        L"Batch", {kit.Field(L"BatchID"), kit.Field(L"BatchGUID", dtGuid), kit.Field(L"Code", dtString, 20)},
        {kit.Key(L"PK_BatchDefinition", ctPrimaryKey, {L"BatchGUID"}),
         kit.Key(L"UQ_Batch_GUID", ctUnique, {L"BatchGUID"}), kit.Key(L"UQ_Code", ctUnique, {L"Code"}),
         kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Code"}), kit.Key(L"IX_Six", ctIndex6, {L"BatchGUID"}),
         kit.Key(L"PK_Plain", ctPrimaryKey, {L"BatchID"})});
    auto key = [&](LONG i) { return batch->GetConstraint(i); };
    texts.Expect({
        {"block.index", VrlDbmsOracle::cm_pszDropIndexFormat},
        {"block.constraint", VrlDbmsOracle::cm_pszDropConstraintFormat},
        {"block.constraint_or_index", VrlDbmsOracle::cm_pszDropConstraintORIndexFormat},
        {"block.index_and_constraint", VrlDbmsOracle::cm_pszDropIndexANDConstraintFormat},
        {"drop.fk_a", dbms.FormatDropConstraint(child, child->GetConstraint(LONG(0)))},
        {"drop.fk_a.by_name", dbms.FormatDropConstraint(child, L"FK_A")},
        {"drop.fk_a.by_name", dbms.FormatDropConstraint(child, L"fk_a")},
        {"drop.fk_profile_batch", dbms.FormatDropConstraint(child, longKey)},
        {"drop.fk_profile_batch", dbms.FormatDropConstraint(child, notGenerated)},
        {"drop.fk_profile_batch.type7", dbms.FormatDropConstraint(child, noIndex)},
        {"drop.pk_batchdefinition", dbms.FormatDropConstraint(batch, key(0))},
        {"drop.uq_batch_guid", dbms.FormatDropConstraint(batch, key(1))},
        {"drop.uq_code", dbms.FormatDropConstraint(batch, key(2))},
        {"drop.ix_batch_name_longer", dbms.FormatDropConstraint(batch, key(3))},
        {"drop.ix_six", dbms.FormatDropConstraint(batch, key(4))},
        {"drop.pk_plain", dbms.FormatDropConstraint(batch, key(5))},
        {"drop.pk_batchdefinition", dbms.FormatDropConstraint(batch, L"PK_BATCHDEFINITION")},
        {"drop.uq_batch_guid", dbms.FormatDropConstraint(batch, L"UQ_Batch_GUID")},
        {"drop.uq_code", dbms.FormatDropConstraint(batch, L"UQ_CODE")},
        {"drop.ix_six.by_name", dbms.FormatDropConstraint(batch, L"IX_SIX")},
    });
}

TEST_F(Oracle, DropParentheticals) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L" NUMBER(10) ", L"NUMBER"},
        {L"VARCHAR2(38)", L"VARCHAR2"},
        {L"X(Y(Z)W)V", L"XW)V"},
        {L"A(B)C(D)E", L"ACE"},
        {L"NUMBER(10", L"NUMBER"},
        {L"A)B", L"A)B"},
        {L"(10)", L""},
        {L"  ", L""},
        {L"INTERVAL DAY TO SECOND", L"INTERVAL DAY TO SECOND"}};
    for (const auto& [input, expected] : cases) {
        CString text(input);
        dbms.DropParentheticals(text);
        EXPECT_STREQ(expected, text.GetString()) << CString(input).ToUtf8();
    }
    // Routine parameters and results take the bare type, whatever the length.
    EXPECT_STREQ(L"NUMBER", dbms.FormatSchemaCreationDataType(dtInteger, 10).GetString());
    EXPECT_STREQ(L"VARCHAR2", dbms.FormatSchemaCreationDataType(dtGuid, 0).GetString());
    EXPECT_STREQ(L"NVARCHAR2", dbms.FormatSchemaCreationDataType(dtString, 50).GetString());
    EXPECT_STREQ(L"NVARCHAR2", dbms.FormatSchemaCreationDataType(dtString256, 0).GetString());
    EXPECT_STREQ(L"INTERVAL DAY TO SECOND", dbms.FormatSchemaCreationDataType(dtInterval, 4).GetString());
    EXPECT_STREQ(L"", dbms.FormatSchemaCreationDataType(dtSysName, 20).GetString());
    // Columns keep their length.
    EXPECT_STREQ(L"NVARCHAR2(50)", dbms.ConverToSqlDataType(dtString, 50).GetString());
}

TEST_F(Oracle, RoutinesResultSetMarkersAndParameterNames) {
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut),
                                  kit.Param(L"Total", dtLong, 0, ioInOut)};
    auto procedure = [&](const wchar_t* name, std::vector<VrlParam*> p, const wchar_t* body) {
        return dbms.GetProcedure(kit.Procedure(name, p, body));
    };
    VrlFunction* count = kit.Function(
        L"fnCount", VrlDataDefinition(dtInteger, 10), {params[0], kit.Param(L"Name", dtString, 40)},
        L"RETURN (SELECT COUNT(*) FROM T WHERE BatchID=@BatchID AND Name=@Name)");
    texts.Expect({
        {"procedure.batches", procedure(L"procBatches", {}, L"~SELECT * FROM BatchDef")},
        {"procedure.find", procedure(L"procFind", params, L"~SELECT * FROM BatchDef WHERE BatchID=@BatchID")},
        {"procedure.own", procedure(L"procOwn", {params[0]},
                                    L"~~OPEN resultSet FOR SELECT * FROM BatchDef WHERE BatchID=@BatchID")},
        {"procedure.clear", procedure(L"procClear", {}, L"DELETE FROM NewIDTable")},
        {"function.count", dbms.GetFunction(count)},
        {"function.now",
         dbms.GetFunction(kit.Function(L"fnNow", VrlDataDefinition(dtDateTime, 0), {}, L"RETURN SYSDATE"))},
        {"view.replace",
         dbms.FormatAlterView(kit.Make<VrlView>(L"vwBatch", L"SELECT * FROM Batch", L"Batch"))},
        {"procedure.commit", dbms.FormatAlterProcedure(kit.Procedure(L"procClear", {}, L"COMMIT"))},
    });
    for (const CString& empty : {procedure(L"procEmpty", params, L""), dbms.GetProcedure(nullptr),
                                 dbms.FormatParameterName(nullptr), dbms.FormatParameterName(L"")})
        EXPECT_STREQ(L"", empty.GetString());
    EXPECT_STREQ(L"pID", dbms.FormatParameterName(L"ID").GetString());
    EXPECT_STREQ(L"fnCount(pBatchID,pName)",
                 dbms.FormatFunctionCall(kit.Function(L"fnCount", VrlDataDefinition(dtInteger, 0),
                                                      {params[0], params[1]}, L"RETURN 0"))
                     .GetString());
}

TEST_F(Oracle, DateTimesAndCurrentTime) {
    ExpectDateLiterals(texts, dbms);
    texts.Expect({{"time_zone", dbms.FormatCurrentTimeZone()}});
    COleVariant now(L"sysdate"); // a default written as the current-time text passes through
    EXPECT_STREQ(L"sysdate", dbms.FormatDateTime(now, 0).GetString());
    EXPECT_STREQ(L"SYSDATE", dbms.FormatCurrentDateTime(0).GetString());
    EXPECT_STREQ(L"SYSTIMESTAMP", dbms.FormatCurrentDateTime(1).GetString());
    for (const wchar_t* text : {L"sysdate", L"SYSDATE", L"SysTimeStamp"})
        EXPECT_TRUE(dbms.IsCurrentTimeFunction(CString(text))) << CString(text).ToUtf8();
    for (const wchar_t* text : {L"GETDATE()", L"SYSDATE()", L" SYSDATE", L"", L"CURRENT TIMESTAMP"})
        EXPECT_FALSE(dbms.IsCurrentTimeFunction(CString(text))) << CString(text).ToUtf8();
}

TEST_F(Oracle, ExistenceProbesCutConstraintNames) {
    VrlTable* profile = kit.Table(L"Profile", {kit.Field(L"BatchID"), kit.Field(L"Code", dtString, 10)},
                                  {kit.Foreign(L"FK_Profile_BatchDef", ctForeignKey, {L"BatchID"}),
                                   kit.Key(L"UQ_Profile_Code", ctUnique, {L"Code"}),
                                   kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Code"}),
                                   kit.Key(L"PK_Profile", ctPrimaryKey, {L"BatchID"})});
    auto exists = [&](LONG i) { return dbms.FormatObjectExists(profile->GetConstraint(i)); };
    texts.Expect({
        {"exists.fk_profile_batchdef", exists(0)},
        {"exists.uq_profile_code", exists(1)},
        {"exists.ix_batch_name_longer", exists(2)},
        {"exists.pk_profile", exists(3)},
        {"exists.profile", dbms.FormatObjectExists(profile)},
        {"exists.procedure",
         dbms.FormatObjectExists(kit.Procedure(L"procAVeryLongProcedureName", {}, L"COMMIT"))},
    });
}

TEST_F(Oracle, CaseInsensitiveColumnsGoThroughNlssort) {
    VrlTable* batch = kit.Table(
        L"Batch",
        {kit.Field(L"BatchID"), kit.Field(L"BatchName", dtName, 200), kit.Field(L"BatchGUID", dtGuid23),
         kit.Field(L"Code", dtString, 20, ntNull)},
        {kit.Key(L"PK_Batch", ctPrimaryKey, {L"BatchName"}),
         kit.Key(L"IX_Batch_Name", ctIndex, {L"BatchName", L"BatchID"}),
         kit.Key(L"UQ_Batch_GUID", ctUnique, {L"BatchGUID"}), kit.Key(L"IX_ID", ctIndex, {L"BatchID"}),
         kit.Key(L"IX_Six", ctIndex6, {L"BatchName"}), kit.Key(L"UQ_Code", ctUnique, {L"Code"}),
         kit.Key(L"IX_Code_Nulls", ctIndex, {L"^Code"}, true),
         kit.Key(L"IX_Nulls", ctIndex, std::vector<CString>{}, true)});
    auto key = [&](LONG i) { return batch->GetConstraint(i); };
    std::vector<CString> pairs, keys, index;
    dbms.GenerateCaseInsensitiveIndexes(batch, pairs);
    dbms.GeneratePrimaryKeyConstraint(batch, keys); // the key and its companion index, once each
    VrlConstraint* longKey = kit.Key(L"PK_BatchDefinition", ctPrimaryKey, {L"BatchGUID", L"BatchID"});
    dbms.GenerateCaseInsenstiveIndex(batch, longKey, index);
    ASSERT_EQ(6u, pairs.size());
    ASSERT_EQ(2u, keys.size());
    ASSERT_EQ(1u, index.size());
    EXPECT_EQ((std::vector<CString>{L"CI_PK_Batch", L"IX_Batch_Name", L"UQ_Batch_GUID"}),
              (std::vector<CString>{pairs[0], pairs[2], pairs[4]}));
    texts.Expect({
        {"ci.pk_batch", pairs[1]},
        {"ci.ix_batch_name", pairs[3]},
        {"ci.uq_batch_guid", pairs[5]},
        {"key.pk_batch", keys[0]},
        {"ci.pk_batch", keys[1]},
        {"key.pk_batch.with_index", dbms.FormatPrimaryKey(batch, key(0))},
        {"ci.uq_batch_guid", dbms.FormatUniqueConstraint(batch, key(2))},
        {"key.uq_code", dbms.FormatUniqueConstraint(batch, key(5))},
        {"index.ix_code_nulls", dbms.FormatNonUniqueIndex(batch, key(6))},
        {"ci.pk_batchdefinition", index[0]},
    });
    EXPECT_STREQ(L"'1'", dbms.GetIndexFields(batch, key(7)).GetString());
    EXPECT_STREQ(L"BatchID", dbms.GetIndexFields(batch, key(3)).GetString());
    EXPECT_FALSE(dbms.HasCaseInsensitiveField(batch, key(7)));
    EXPECT_FALSE(dbms.IsCaseInsensitiveField(batch, L"Missing"));

    // GUIDs and names compare without regard to case; other texts do not.
    for (VrlDataType type :
         {dtGuid, dtGuid23, dtName, dtGuid28, dtString, dtString256, dtAnsiString, dtInteger})
        EXPECT_EQ(type == dtGuid || type == dtGuid23 || type == dtName || type == dtGuid28,
                  dbms.IsCaseInsensitiveField(kit.Table(L"One", {kit.Field(L"C", type, 10)}), L"C"))
            << int(type);
}

TEST_F(Oracle, ForeignKeyClausesAndDomainQuoting) {
    for (const wchar_t* name : {L"Domain", L"DOMAIN", L"domain"})
        EXPECT_EQ(L"\"" + std::wstring(name) + L"\"", dbms.FormatFieldName(name).View());
    EXPECT_STREQ(L"Domains", dbms.FormatFieldName(L"Domains").GetString());
    EXPECT_STREQ(L"MyDomain", dbms.FormatFieldName(L"MyDomain").GetString());
    VrlTable* child = kit.Table(L"Child", {kit.Field(L"Domain"), kit.Field(L"A")});
    texts.Expect({
        {"fk.domain",
         dbms.FormatForeignKeyConstraint(child, kit.Foreign(L"FK_A", ctForeignKey, {L"Domain"}))},
        {"fk.cascade",
         dbms.FormatForeignKeyConstraint(child, kit.Foreign(L"FK_C", ctForeignKey7, {L"A"}, odCascade4))},
    });
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(odNoAction).GetString());
    EXPECT_STREQ(L"CASCADE", dbms.ConverToSqlDataType(odCascade).GetString());
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(ouCascade).GetString());
    EXPECT_TRUE(RaisesNotSupported([&] { dbms.ConverToSqlDataType(odNone); }));
}
