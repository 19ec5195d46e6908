// PostgreSQL generator: whole scripts against hand-written expected files,
// lower-cased catalogue probes, literals of the boolean, uuid and timestamp
// types, lower() indexes for case-insensitive columns and how they are
// dropped, column and routine changes, PL/pgSQL shells and cursor markers.
#include <gtest/gtest.h>

#include <vector>

#include "DialectTestKit.h"
#include "dialects/SampleScripts.h"
#include "dialects/VrlDbmsPostgres.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;
using DialectTest::ExpectStatements;

using Kit = DialectTestKit;

namespace {

VrlField* FieldWithDefault(Kit& kit, const wchar_t* name, VrlDataType type, LONG length, COleVariant value,
                           VrlNullType nullType = ntNull, LONG flags = 0) {
    VrlField* field = kit.Make<VrlField>(name, VrlDataDefinition(type, length), value, nullType, CString(L""),
                                         0, paNone, VrlSchemaVersion(), 0, 0);
    if (flags) {
        field->SetFlag(static_cast<VrlFieldFlag>(flags));
    }
    return field;
}

// Batch: an identity key, a name column with a unique key, a "^" index on a
// text column, a "^" unique key on a uuid column. Profile: a key over a name
// column and a type-3 foreign key cascaded by trigger elsewhere.
struct Schema {
    Kit kit;
    VrlTable* batch;
    VrlTable* profile;
    Schema() {
        batch = kit.Table(L"Batch",
                          {kit.Field(L"BatchID", dtAutoIncrement), kit.Field(L"Name", dtName, 40),
                           kit.Field(L"Code", dtString, 20, ntNull), kit.Field(L"BatchGUID", dtGuid)},
                          {kit.Key(L"PK_Batch", ctPrimaryKey, {L"BatchID"}),
                           kit.Key(L"UQ_Batch_Name", ctUnique, {L"Name", L"Code"}),
                           kit.Key(L"IX_Batch_Code", ctIndex, {L"^Code"}),
                           kit.Key(L"UQ_Batch_GUID", ctUnique, {L"^BatchGUID"}),
                           kit.Key(L"IX_Batch_Plain", ctIndex, {L"Code"})});
        profile =
            kit.Table(L"Profile", {kit.Field(L"ProfileName", dtName, 30), kit.Field(L"BatchID")},
                      {kit.Key(L"PK_Profile", ctPrimaryKey, {L"ProfileName"}),
                       kit.Make<VrlConstraint>(
                           L"FK_Profile_Batch", ctForeignKey, std::vector<CString>{L"BatchID"}, L"Batch",
                           std::vector<CString>{L"BatchID"}, odCascade4, ouNoAction, VrlSchemaVersion())});
    }
};

} // namespace

TEST(PostgresScript, SampleNamesAndSeedRowsMatchTheExpectedFiles) {
    VrlDbmsPostgres sample(DialectTest::GetSampleSchema(), L"Sample");
    std::vector<CString> statements{L"left over"};
    sample.GenerateSchema(statements);
    ExpectStatements("postgres/sample_schema.sql", statements);
    sample.GenerateDefaultValues(statements);
    ExpectStatements("postgres/sample_seed.sql", statements);

    VrlDbmsPostgres names(DialectTest::GetNamesSchema(), L"Names");
    names.GenerateSchema(statements);
    ExpectStatements("postgres/names_schema.sql", statements);
}

TEST(PostgresProbes, EveryKindComparesTheFoldedName) {
    Schema s;
    VrlView view(L"vwBatch", L"SELECT BatchID FROM Batch", L"Batch");
    Kit& kit = s.kit;
    VrlProcedure* procedure = kit.Procedure(L"procBatch", {}, L"SELECT 1");
    VrlFunction* function = kit.Function(L"fnBatch", VrlDataDefinition(dtInteger, 0), {}, L"RETURN 1");
    VrlDbmsPostgres dbms(nullptr, L"Test");
    const wchar_t* const index = L"select count(*) from pg_catalog.pg_index x join pg_catalog.pg_class i on "
                                 L"i.oid = x.indexrelid where "
                                 L"i.relname = '";
    struct Case {
        const VrlSchemaObject* object;
        CString query;
    } cases[] = {
        {s.batch,
         L"select count(*) from pg_catalog.pg_tables where schemaname = current_schema() and tablename "
         L"= 'batch'"},
        {s.batch->GetField(L"BatchGUID"),
         L"select count(*) from information_schema.columns where table_schema = current_schema() and "
         L"table_name = 'batch' and column_name = 'batchguid'"},
        {s.batch->GetConstraint(L"PK_Batch"),
         L"select conname from pg_catalog.pg_constraint where conrelid = to_regclass('batch') and contype = "
         L"'p'"},
        {s.profile->GetConstraint(L"FK_Profile_Batch"),
         L"select count(*) from pg_catalog.pg_constraint where conname = 'fk_profile_batch' and conrelid = "
         L"to_regclass('profile') and contype = 'f'"},
        // A unique key is found among the indexes, whichever way it was made.
        {s.batch->GetConstraint(L"UQ_Batch_Name"),
         CString(index) + L"uq_batch_name' and x.indrelid = to_regclass('batch') and x.indisunique and not "
                          L"x.indisprimary"},
        {s.batch->GetConstraint(L"UQ_Batch_GUID"),
         CString(index) + L"uq_batch_guid' and x.indrelid = to_regclass('batch') and x.indisunique and not "
                          L"x.indisprimary"},
        {s.batch->GetConstraint(L"IX_Batch_Code"),
         CString(index) + L"ix_batch_code' and x.indrelid = to_regclass('batch') and not x.indisunique"},
        {&view,
         L"select count(*) from pg_catalog.pg_views where schemaname = current_schema() and viewname = "
         L"'vwbatch'"},
        {procedure, L"select count(*) from pg_catalog.pg_proc where pronamespace = "
                    L"current_schema()::regnamespace and proname = 'procbatch' and prokind = 'p'"},
        {function, L"select count(*) from pg_catalog.pg_proc where pronamespace = "
                   L"current_schema()::regnamespace and proname = 'fnbatch' and prokind = 'f'"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.query.GetString(), dbms.FormatObjectExists(c.object).GetString())
            << c.object->GetName().ToUtf8();
    }
    EXPECT_STREQ(cases[0].query.GetString(), dbms.FormatTableExists(L"Batch").GetString());
    EXPECT_STREQ(cases[8].query.GetString(), dbms.FormatProcedureExists(L"procBatch").GetString());
    EXPECT_STREQ(L"select count(*) from pg_catalog.pg_sequences where schemaname = current_schema() and "
                 L"sequencename = 'newidseq'",
                 dbms.FormatSequenceExists(L"NewIDSeq").GetString());
}

TEST(PostgresLiterals, BooleanUuidTimestampAndTextLiterals) {
    Kit kit;
    VrlDbmsPostgres dbms(nullptr, L"Test");
    const COleDateTime date(2024, 1, 31, 13, 45, 0);
    struct Case {
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
        {dtDateTime, 0, COleVariant(date), L"TIMESTAMP '2024-01-31 13:45:00.000'"},
        {dtDateTime, 0x2000, COleVariant(COleDateTime(date.m_dt + 0.25 / 86400)),
         L"TIMESTAMP '2024-01-31 13:45:00.250'"},
        // Time-only values and dates before 1900 keep the time of day.
        {dtDateTime, 0, COleVariant(COleDateTime(0.5)), L"TIMESTAMP '1900-01-01 12:00:00.000'"},
        {dtDateTime, 0, COleVariant(COleDateTime(1850, 6, 1, 8, 30, 15)),
         L"TIMESTAMP '1900-01-01 08:30:15.000'"},
        {dtDateTime, 0, COleVariant(L"CURRENT_TIMESTAMP"), L"CURRENT_TIMESTAMP"},
        {dtDateTime, 0, COleVariant(L"NOW()"), L"NOW()"},
        {dtInteger, 0x4000, COleVariant(L"CAST(-EXTRACT(TIMEZONE FROM CURRENT_TIMESTAMP)/60 AS integer)"),
         L"CAST(-EXTRACT(TIMEZONE FROM CURRENT_TIMESTAMP)/60 AS integer)"},
    };
    for (const Case& c : cases) {
        VrlField* field = FieldWithDefault(kit, L"F", c.type, 0, COleVariant(), ntNull, c.flags);
        EXPECT_STREQ(c.literal, dbms.FormatValue(field, c.value).GetString()) << c.type;
    }
    // A boolean keeps its own type; it is not carried as a small integer.
    COleVariant truth(true);
    EXPECT_EQ(dtBoolean, dbms.CastToBoolEquivalent(truth));
    EXPECT_EQ(VT_BOOL, truth.vt);
    EXPECT_EQ(cmdFunction, dbms.TranslateCommandType(cmdFunction));
}

TEST(PostgresKeys, CaseInsensitiveColumnsAreIndexedThroughLower) {
    Schema s;
    VrlDbmsPostgres dbms(nullptr, L"Test");
    struct Case {
        const wchar_t* name;
        const wchar_t* create;
        const wchar_t* drop;
    } cases[] = {
        {L"UQ_Batch_Name", L"CREATE UNIQUE INDEX UQ_Batch_Name ON Batch(lower(Name),Code)",
         L"DROP INDEX UQ_Batch_Name"},
        {L"IX_Batch_Code", L"CREATE INDEX IX_Batch_Code ON Batch(lower(Code))", L"DROP INDEX IX_Batch_Code"},
        // lower() takes no uuid; uuid values compare by value anyway.
        {L"UQ_Batch_GUID", L"ALTER TABLE Batch ADD CONSTRAINT UQ_Batch_GUID UNIQUE(BatchGUID)",
         L"ALTER TABLE Batch DROP CONSTRAINT UQ_Batch_GUID"},
        {L"IX_Batch_Plain", L"CREATE INDEX IX_Batch_Plain ON Batch(Code)", L"DROP INDEX IX_Batch_Plain"},
        {L"PK_Batch", L"ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchID)",
         L"ALTER TABLE Batch DROP CONSTRAINT PK_Batch"},
    };
    for (const Case& c : cases) {
        const VrlConstraint* key = s.batch->GetConstraint(c.name);
        EXPECT_STREQ(c.create, dbms.FormatAddConstraint(s.batch, key).GetString()) << c.name;
        EXPECT_STREQ(c.drop, dbms.FormatDropConstraint(s.batch, key).GetString()) << c.name;
    }
    EXPECT_STREQ(L"DROP INDEX UQ_Batch_Name",
                 dbms.FormatDropConstraint(s.batch, L"UQ_Batch_Name").GetString());

    // A key over a name column keeps its constraint and gains CI_<key>;
    // both go when it is dropped, by object or by name.
    const VrlConstraint* key = s.profile->GetConstraint(L"PK_Profile");
    EXPECT_STREQ(L"ALTER TABLE Profile ADD CONSTRAINT PK_Profile PRIMARY KEY(ProfileName);CREATE INDEX "
                 L"CI_PK_Profile ON Profile(lower(ProfileName))",
                 dbms.FormatAddConstraint(s.profile, key).GetString());
    const wchar_t* const dropKey =
        L"ALTER TABLE Profile DROP CONSTRAINT PK_Profile; DROP INDEX CI_PK_Profile";
    EXPECT_STREQ(dropKey, dbms.FormatDropConstraint(s.profile, key).GetString());
    EXPECT_STREQ(dropKey, dbms.FormatDropConstraint(s.profile, L"PK_Profile").GetString());
    EXPECT_STREQ(
        L"ALTER TABLE Profile DROP CONSTRAINT FK_Profile_Batch; DROP INDEX FK_Profile_BatchIndex",
        dbms.FormatDropConstraint(s.profile, s.profile->GetConstraint(L"FK_Profile_Batch")).GetString());

    // Name, statement pairs for a caller that creates the missing ones.
    std::vector<CString> pairs;
    dbms.GenerateCaseInsensitiveIndexes(s.batch, pairs);
    dbms.GenerateCaseInsensitiveIndexes(s.profile, pairs);
    const std::vector<CString> expected{
        L"UQ_Batch_Name", cases[0].create,  L"IX_Batch_Code",
        cases[1].create,  L"CI_PK_Profile", L"CREATE INDEX CI_PK_Profile ON Profile(lower(ProfileName))"};
    EXPECT_EQ(expected, pairs);

    VrlDbmsPostgres withSchema(s.kit.Schema({s.batch}), L"Test");
    EXPECT_STREQ(L"lower(Name)=lower('abc')",
                 withSchema.CreateWhereComparison(L"Batch", L"Name", L"'abc'").GetString());
    EXPECT_STREQ(L"Code='abc'", withSchema.CreateWhereComparison(L"Batch", L"Code", L"'abc'").GetString());
}

TEST(PostgresChanges, ColumnsViewsAndRoutinesAreReplacedInPlace) {
    Schema s;
    Kit& kit = s.kit;
    VrlDbmsPostgres dbms(nullptr, L"Test");
    EXPECT_STREQ(
        L"ALTER TABLE Batch ALTER COLUMN Name TYPE varchar(40) USING Name::varchar(40), ALTER COLUMN "
        L"Name SET NOT NULL",
        dbms.FormatAlterColumn(s.batch, s.batch->GetField(L"Name")).GetString());
    EXPECT_STREQ(
        L"ALTER TABLE Batch ALTER COLUMN Code TYPE varchar(20) USING Code::varchar(20), ALTER COLUMN "
        L"Code DROP NOT NULL",
        dbms.FormatAlterColumn(s.batch, s.batch->GetField(L"Code")).GetString());
    // The identity stays; only its integer type is restated.
    EXPECT_STREQ(L"ALTER TABLE Batch ALTER COLUMN BatchID TYPE integer USING BatchID::integer, ALTER COLUMN "
                 L"BatchID SET NOT NULL",
                 dbms.FormatAlterColumn(s.batch, s.batch->GetField(L"BatchID")).GetString());
    // An identity column never gets a default: PostgreSQL refuses both.
    EXPECT_STREQ(L"ALTER TABLE Batch ADD BatchID integer GENERATED BY DEFAULT AS IDENTITY  Not Null",
                 dbms.FormatAddColumn(s.batch, FieldWithDefault(kit, L"BatchID", dtAutoIncrement, 0,
                                                                COleVariant(1L), ntNotNull))
                     .GetString());

    VrlView view(L"vwBatch", L"SELECT BatchID FROM Batch", L"Batch");
    EXPECT_STREQ(L"CREATE OR REPLACE VIEW vwBatch AS\nSELECT BatchID FROM Batch",
                 dbms.FormatAlterView(&view).GetString());

    VrlProcedure* rename = kit.Procedure(
        L"procRename",
        {kit.Param(L"lBatchID", dtInteger), kit.Param(L"strName", dtName, 40),
         kit.Param(L"lVersion", dtInteger, 0, ioInOut), kit.Param(L"bDone", dtBoolean, 0, ioOut)},
        L"UPDATE Batch SET Name = @strName WHERE BatchID = @lBatchID;\n\t@bDone := TRUE");
    const wchar_t* const renameText =
        L"CREATE OR REPLACE PROCEDURE procRename(IN plBatchID integer, IN pstrName varchar, INOUT plVersion "
        L"integer, OUT pbDone boolean) \n\tLANGUAGE plpgsql \nAS $$\nBEGIN \n\tUPDATE Batch SET Name = "
        L"pstrName WHERE BatchID = plBatchID;\n\tpbDone := TRUE; \nEND;\n$$";
    EXPECT_STREQ(renameText, dbms.FormatCreateProcedure(rename).GetString());
    EXPECT_STREQ(renameText, dbms.FormatAlterProcedure(rename).GetString());

    // "~" opens the result cursor at the query; "~~" leaves the body to it.
    struct Case {
        const wchar_t* body;
        const wchar_t* text;
    } cursors[] = {
        {L"~SELECT * FROM Batch WHERE BatchID = @lBatchID",
         L"CREATE OR REPLACE PROCEDURE procGet(IN plBatchID integer, INOUT resultSet refcursor DEFAULT NULL) "
         L"\n\tLANGUAGE plpgsql \nAS $$\nBEGIN \n\tOPEN resultSet FOR SELECT * FROM Batch WHERE BatchID = "
         L"plBatchID; \nEND;\n$$"},
        {L"~~OPEN resultSet FOR SELECT 1",
         L"CREATE OR REPLACE PROCEDURE procGet(IN plBatchID integer, INOUT resultSet refcursor DEFAULT NULL) "
         L"\n\tLANGUAGE plpgsql \nAS $$\nBEGIN \n\tOPEN resultSet FOR SELECT 1; \nEND;\n$$"},
    };
    for (const Case& c : cursors) {
        EXPECT_STREQ(c.text,
                     dbms.GetProcedure(kit.Procedure(L"procGet", {kit.Param(L"lBatchID", dtInteger)}, c.body))
                         .GetString());
    }
    EXPECT_STREQ(L"CREATE OR REPLACE PROCEDURE procNone() \n\tLANGUAGE plpgsql \nAS $$\nBEGIN \n\tNULL; "
                 L"\nEND;\n$$",
                 dbms.GetProcedure(kit.Procedure(L"procNone", {}, L"NULL")).GetString());

    VrlFunction* function =
        kit.Function(L"fnName", VrlDataDefinition(dtName, 40), {kit.Param(L"lID", dtAutoIncrement)},
                     L"RETURN (SELECT Name FROM Batch WHERE BatchID = @lID)");
    const wchar_t* const functionText =
        L"CREATE OR REPLACE FUNCTION fnName(IN plID integer) \n\tRETURNS varchar \n\tLANGUAGE plpgsql \nAS "
        L"$$\nBEGIN \n\tRETURN (SELECT Name FROM Batch WHERE BatchID = plID); \nEND;\n$$";
    EXPECT_STREQ(functionText, dbms.FormatCreateFunction(function).GetString());
    EXPECT_STREQ(functionText, dbms.FormatAlterFunction(function).GetString());

    // A buffered table is read page by page through a set-returning function.
    VrlTable* lookup =
        kit.Make<VrlTable>(L"Lookup", std::vector<VrlField*>{kit.Field(L"LookupID")},
                           std::vector<VrlConstraint*>{kit.Key(L"PK_Lookup", ctPrimaryKey, {L"LookupID"})},
                           L"", 50, 0u, rtUndefined, VrlSchemaVersion());
    EXPECT_STREQ(
        L"CREATE OR REPLACE FUNCTION prcLookupBuf(pmyID integer) \n\tRETURNS SETOF Lookup \n\tLANGUAGE "
        L"plpgsql \nAS $$\nBEGIN \n\tRETURN QUERY SELECT * \n\t\tFROM Lookup \n\t\tWHERE pmyID IS NULL "
        L"OR LookupID > pmyID \n\t\tORDER BY LookupID \n\t\tLIMIT 50; \nEND;\n$$",
        dbms.GetBufferFunctionDefinition(lookup).GetString());
}
