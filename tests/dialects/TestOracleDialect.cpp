// Oracle generator: guarded drop blocks and the identifier cut, NLSSORT
// indexes, bare routine types, PL/SQL routine shells with result-set
// markers, date literals, current-time texts and the quoting of "Domain".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialectTestKit.h"
#include "dialects/VrlDbmsOracle.h"
#include "platform/CException.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlFunction.h"
#include "schema/VrlSchema.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;

namespace {

using Kit = DialectTestKit;

// The four drop blocks as the catalogue scripts spell them, "&n" to fill.
const wchar_t* const kIndexBlock =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_INDEXES INTEGER;\nBEGIN\n\tSELECT "
    L"COUNT(*) "
    L"INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n\t\tWHERE INDEX_NAME='&1';\n\tIF nCOUNT_INDEXES > 0 "
    L"THEN\n\t\tEXECUTE IMMEDIATE 'DROP INDEX \"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const kConstraintBlock =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\nBEGIN\n\tSELECT "
    L"COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE TABLE_NAME = '&2' AND "
    L"CONSTRAINT_NAME='&1';\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"&2\" "
    L"DROP "
    L"CONSTRAINT \"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const kConstraintOrIndexBlock =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\n\tnCOUNT_INDEXES "
    L"INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE "
    L"TABLE_NAME = '&2' AND CONSTRAINT_NAME='&1';\n\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM "
    L"USER_INDEXES "
    L"\n\t\tWHERE INDEX_NAME='&1';\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE "
    L"\"&2\" DROP CONSTRAINT \"&1\"';\n\tELSIF nCOUNT_INDEXES > 0 THEN\n\t\tEXECUTE IMMEDIATE 'DROP INDEX "
    L"\"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const kIndexAndConstraintBlock =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\n\tnCOUNT_INDEXES "
    L"INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n\t\tWHERE "
    L"INDEX_NAME='&1';\n\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE "
    L"TABLE_NAME = '&3' AND CONSTRAINT_NAME='&2';\n\tIF nCOUNT_INDEXES > 0 THEN\n\t\tEXECUTE IMMEDIATE 'DROP "
    L"INDEX \"&1\"';\n\tEND IF;\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"&3\" "
    L"DROP CONSTRAINT \"&2\"';\n\tEND IF;\nEND;";

std::wstring Block(const wchar_t* block, const std::vector<std::wstring>& args) {
    std::wstring text(block);
    for (size_t i = 0; i < args.size(); ++i) {
        std::wstring marker = L"&" + std::to_wstring(i + 1);
        for (size_t at = text.find(marker); at != std::wstring::npos;
             at = text.find(marker, at + args[i].size())) {
            text.replace(at, marker.size(), args[i]);
        }
    }
    return text;
}

std::wstring Str(const CString& text) {
    return std::wstring(text.GetString());
}

} // namespace

TEST(OracleDrops, ExportedBlocksAreTheCatalogueScripts) {
    EXPECT_STREQ(kIndexBlock, VrlDbmsOracle::cm_pszDropIndexFormat);
    EXPECT_STREQ(kConstraintBlock, VrlDbmsOracle::cm_pszDropConstraintFormat);
    EXPECT_STREQ(kConstraintOrIndexBlock, VrlDbmsOracle::cm_pszDropConstraintORIndexFormat);
    EXPECT_STREQ(kIndexAndConstraintBlock, VrlDbmsOracle::cm_pszDropIndexANDConstraintFormat);
}

TEST(OracleDrops, ForeignKeyDropsItsCompanionIndexToo) {
    Kit kit;
    VrlTable* child = kit.Table(L"Child", {kit.Field(L"A")}, {kit.Foreign(L"FK_A", ctForeignKey)});
    VrlDbmsOracle dbms(nullptr, L"Test");
    EXPECT_STREQ(
        L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\nBEGIN\n"
        L"\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n"
        L"\t\tWHERE TABLE_NAME = 'CHILD' AND CONSTRAINT_NAME='FK_A';\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n"
        L"\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"CHILD\" DROP CONSTRAINT \"FK_A\"';\n\tEND IF;\nEND;"
        L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_INDEXES INTEGER;\nBEGIN\n"
        L"\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n"
        L"\t\tWHERE INDEX_NAME='FK_AINDEX';\n\tIF nCOUNT_INDEXES > 0 THEN\n"
        L"\t\tEXECUTE IMMEDIATE 'DROP INDEX \"FK_AINDEX\"';\n\tEND IF;\nEND;",
        dbms.FormatDropConstraint(child, child->GetConstraint(LONG(0))).GetString());
    // Dropped by name, only the constraint block.
    EXPECT_EQ(Block(kConstraintBlock, {L"FK_A", L"CHILD"}), Str(dbms.FormatDropConstraint(child, L"FK_A")));
    // The catalogue holds upper-case names, so a name given in lower case is
    // upper-cased as well.
    EXPECT_EQ(Block(kConstraintBlock, {L"FK_A", L"CHILD"}), Str(dbms.FormatDropConstraint(child, L"fk_a")));

    // The index name is cut after "Index" is added; the constraint keeps its
    // full name. Type 5 keys had the index as well, type 7 keys never.
    VrlConstraint* longKey = kit.Foreign(L"FK_Profile_Batch", ctForeignKey, {L"A"});
    VrlConstraint* notGenerated = kit.Foreign(L"FK_Profile_Batch", ctForeignKeyNotGenerated, {L"A"});
    VrlConstraint* noIndex = kit.Foreign(L"FK_Profile_Batch", ctForeignKey7, {L"A"});
    std::wstring constraint = Block(kConstraintBlock, {L"FK_PROFILE_BATCH", L"CHILD"});
    std::wstring index = Block(kIndexBlock, {L"FK_PROFILE_BAQ0631"});
    EXPECT_EQ(constraint + index, Str(dbms.FormatDropConstraint(child, longKey)));
    EXPECT_EQ(constraint + index, Str(dbms.FormatDropConstraint(child, notGenerated)));
    EXPECT_EQ(constraint, Str(dbms.FormatDropConstraint(child, noIndex)));
}

TEST(OracleDrops, GuardedBlockFollowsWhatTheConstraintWasCreatedAs) {
    Kit kit;
    VrlTable* batch = kit.Table(
        L"Batch", {kit.Field(L"BatchID"), kit.Field(L"BatchGUID", dtGuid), kit.Field(L"Code", dtString, 20)},
        {kit.Key(L"PK_BatchDefinition", ctPrimaryKey, {L"BatchGUID"}),
         kit.Key(L"UQ_Batch_GUID", ctUnique, {L"BatchGUID"}), kit.Key(L"UQ_Code", ctUnique, {L"Code"}),
         kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Code"}), kit.Key(L"IX_Six", ctIndex6, {L"BatchGUID"}),
         kit.Key(L"PK_Plain", ctPrimaryKey, {L"BatchID"})});
    VrlDbmsOracle dbms(nullptr, L"Test");
    struct Case {
        LONG index;
        std::wstring byObject;
    } cases[] = {
        {0, Block(kIndexAndConstraintBlock, {L"CI_PK_BATCHDEQ8768", L"PK_BATCHDEFINITION", L"BATCH"})},
        {1, Block(kConstraintOrIndexBlock, {L"UQ_BATCH_GUID", L"BATCH"})},
        {2, Block(kConstraintBlock, {L"UQ_CODE", L"BATCH"})},
        {3, Block(kIndexBlock, {L"IX_BATCH_NAMEQ7617"})},
        {4, Block(kIndexBlock, {L"IX_SIX"})},
        {5, Block(kConstraintBlock, {L"PK_PLAIN", L"BATCH"})},
    };
    for (const Case& c : cases) {
        const VrlConstraint* key = batch->GetConstraint(c.index);
        EXPECT_EQ(c.byObject, Str(dbms.FormatDropConstraint(batch, key))) << key->GetName().ToUtf8();
    }
    // By name: the same blocks for keys and unique constraints; an index
    // name is dropped as a constraint of that name.
    EXPECT_EQ(cases[0].byObject, Str(dbms.FormatDropConstraint(batch, L"PK_BATCHDEFINITION")));
    EXPECT_EQ(cases[1].byObject, Str(dbms.FormatDropConstraint(batch, L"UQ_Batch_GUID")));
    EXPECT_EQ(cases[2].byObject, Str(dbms.FormatDropConstraint(batch, L"UQ_CODE")));
    EXPECT_EQ(Block(kConstraintBlock, {L"IX_SIX", L"BATCH"}),
              Str(dbms.FormatDropConstraint(batch, L"IX_SIX")));
}

TEST(OracleTypes, DropParentheticals) {
    VrlDbmsOracle dbms(nullptr, L"Test");
    struct Case {
        const wchar_t* input;
        const wchar_t* expected;
    } cases[] = {
        {L" NUMBER(10) ", L"NUMBER"},
        {L"VARCHAR2(38)", L"VARCHAR2"},
        {L"X(Y(Z)W)V", L"XW)V"},
        {L"A(B)C(D)E", L"ACE"},
        {L"NUMBER(10", L"NUMBER"},
        {L"A)B", L"A)B"},
        {L"(10)", L""},
        {L"  ", L""},
        {L"INTERVAL DAY TO SECOND", L"INTERVAL DAY TO SECOND"},
    };
    for (const Case& c : cases) {
        CString text(c.input);
        dbms.DropParentheticals(text);
        EXPECT_STREQ(c.expected, text.GetString()) << CString(c.input).ToUtf8();
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

TEST(OracleRoutines, ResultSetMarkersAndParameterNames) {
    Kit kit;
    VrlDbmsOracle dbms(nullptr, L"Test");
    EXPECT_STREQ(
        L"CREATE OR REPLACE PROCEDURE procBatches(resultSet OUT SYS_REFCURSOR) AS \nBEGIN \n"
        L"\tOPEN resultSet FOR SELECT * FROM BatchDef; \nEND;",
        dbms.GetProcedure(kit.Procedure(L"procBatches", {}, L"~SELECT * FROM BatchDef")).GetString());
    std::vector<VrlParam*> params{kit.Param(L"BatchID", dtInteger), kit.Param(L"Name", dtString, 40, ioOut),
                                  kit.Param(L"Total", dtLong, 0, ioInOut)};
    EXPECT_STREQ(L"CREATE OR REPLACE PROCEDURE procFind(pBatchID  NUMBER, pName OUT NVARCHAR2, pTotal IN OUT "
                 L"NUMBER, resultSet OUT SYS_REFCURSOR) AS \nBEGIN \n"
                 L"\tOPEN resultSet FOR SELECT * FROM BatchDef WHERE BatchID=pBatchID; \nEND;",
                 dbms.GetProcedure(kit.Procedure(L"procFind", params,
                                                 L"~SELECT * FROM BatchDef WHERE "
                                                 L"BatchID=@BatchID"))
                     .GetString());
    // "~~": the body opens the cursor itself; only the parameter is added.
    EXPECT_STREQ(L"CREATE OR REPLACE PROCEDURE procOwn(pBatchID  NUMBER, resultSet OUT SYS_REFCURSOR) AS \n"
                 L"BEGIN \n\tOPEN resultSet FOR SELECT * FROM BatchDef WHERE BatchID=pBatchID; \nEND;",
                 dbms.GetProcedure(kit.Procedure(L"procOwn", {params[0]},
                                                 L"~~OPEN resultSet FOR SELECT * FROM BatchDef WHERE "
                                                 L"BatchID=@BatchID"))
                     .GetString());
    EXPECT_STREQ(L"CREATE OR REPLACE PROCEDURE procClear AS \nBEGIN \n\tDELETE FROM NewIDTable; \nEND;",
                 dbms.GetProcedure(kit.Procedure(L"procClear", {}, L"DELETE FROM NewIDTable")).GetString());
    EXPECT_STREQ(L"", dbms.GetProcedure(kit.Procedure(L"procEmpty", params, L"")).GetString());
    EXPECT_STREQ(L"", dbms.GetProcedure(nullptr).GetString());

    EXPECT_STREQ(
        L"CREATE OR REPLACE FUNCTION fnCount(pBatchID  NUMBER, pName  NVARCHAR2) \n\tRETURN NUMBER \n"
        L"\tIS \nBEGIN \n\tRETURN (SELECT COUNT(*) FROM T WHERE BatchID=pBatchID AND Name=pName); \nEND;",
        dbms.GetFunction(kit.Function(L"fnCount", VrlDataDefinition(dtInteger, 10),
                                      {params[0], kit.Param(L"Name", dtString, 40)},
                                      L"RETURN (SELECT COUNT(*) FROM T WHERE BatchID=@BatchID AND "
                                      L"Name=@Name)"))
            .GetString());
    EXPECT_STREQ(
        L"CREATE OR REPLACE FUNCTION fnNow \n\tRETURN date \n\tIS \nBEGIN \n\tRETURN SYSDATE; \nEND;",
        dbms.GetFunction(kit.Function(L"fnNow", VrlDataDefinition(dtDateTime, 0), {}, L"RETURN SYSDATE"))
            .GetString());

    EXPECT_STREQ(L"", dbms.FormatParameterName(nullptr).GetString());
    EXPECT_STREQ(L"", dbms.FormatParameterName(L"").GetString());
    EXPECT_STREQ(L"pID", dbms.FormatParameterName(L"ID").GetString());
    EXPECT_STREQ(L"fnCount(pBatchID,pName)",
                 dbms.FormatFunctionCall(kit.Function(L"fnCount", VrlDataDefinition(dtInteger, 0),
                                                      {params[0], params[1]}, L"RETURN 0"))
                     .GetString());
}

TEST(OracleRoutines, ReplacingKeepsCreate) {
    Kit kit;
    VrlDbmsOracle dbms(nullptr, L"Test");
    EXPECT_STREQ(
        L"CREATE OR REPLACE VIEW vwBatch AS\nSELECT * FROM Batch",
        dbms.FormatAlterView(kit.Make<VrlView>(L"vwBatch", L"SELECT * FROM Batch", L"Batch")).GetString());
    EXPECT_STREQ(L"CREATE OR REPLACE PROCEDURE procClear AS \nBEGIN \n\tCOMMIT; \nEND;",
                 dbms.FormatAlterProcedure(kit.Procedure(L"procClear", {}, L"COMMIT")).GetString());
}

TEST(OracleLiterals, DateTimes) {
    VrlDbmsOracle dbms(nullptr, L"Test");
    COleDateTime date(2024, 1, 31, 13, 45, 0);
    COleDateTime withMs(date.m_dt + 0.250 / 86400.0);
    EXPECT_STREQ(L"TO_DATE('01/31/2024 13:45:00','mm/dd/yyyy hh24:mi:ss')",
                 dbms.FormatDateTime(date, 0).GetString());
    EXPECT_STREQ(L"TO_DATE('01/31/2024 13:45:00','mm/dd/yyyy hh24:mi:ss')",
                 dbms.FormatDateTime(withMs, 0).GetString());
    EXPECT_STREQ(L"TO_TIMESTAMP('01/31/2024 13:45:00.250', 'mm/dd/yyyy hh24:mi:ss.FF3')",
                 dbms.FormatDateTime(withMs, 1).GetString());
    EXPECT_STREQ(L"TO_TIMESTAMP('01/31/2024 13:45:00.000', 'mm/dd/yyyy hh24:mi:ss.FF3')",
                 dbms.FormatDateTime(date, 1).GetString());
    EXPECT_STREQ(L"TO_DATE('01/01/1900 12:00:00','mm/dd/yyyy hh24:mi:ss')",
                 dbms.FormatDateTime(COleDateTime(0.5), 1).GetString());
    EXPECT_STREQ(L"TO_DATE('01/01/1900 08:30:15','mm/dd/yyyy hh24:mi:ss')",
                 dbms.FormatDateTime(COleDateTime(1899, 12, 31, 8, 30, 15), 0).GetString());
}

TEST(OracleLiterals, CurrentTimeTexts) {
    VrlDbmsOracle dbms(nullptr, L"Test");
    struct Case {
        const wchar_t* text;
        int expected;
    } cases[] = {{L"sysdate", 1},   {L"SYSDATE", 1},          {L"SysTimeStamp", 1},
                 {L"GETDATE()", 0}, {L"SYSDATE()", 0},        {L" SYSDATE", 0},
                 {L"", 0},          {L"CURRENT TIMESTAMP", 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, dbms.IsCurrentTimeFunction(CString(c.text)) ? 1 : 0)
            << CString(c.text).ToUtf8();
    }
    EXPECT_STREQ(L"SYSDATE", dbms.FormatCurrentDateTime(0).GetString());
    EXPECT_STREQ(L"SYSTIMESTAMP", dbms.FormatCurrentDateTime(1).GetString());
    EXPECT_STREQ(L"-(SYSDATE - CAST(SYSTIMESTAMP AT TIME ZONE 'UTC' AS DATE))*1440",
                 dbms.FormatCurrentTimeZone().GetString());
    // A default written as the current-time text passes through unchanged.
    COleVariant now(L"sysdate");
    EXPECT_STREQ(L"sysdate", dbms.FormatDateTime(now, 0).GetString());
}

TEST(OracleExistence, ConstraintNamesAreCut) {
    Kit kit;
    VrlTable* profile = kit.Table(L"Profile", {kit.Field(L"BatchID"), kit.Field(L"Code", dtString, 10)},
                                  {kit.Foreign(L"FK_Profile_BatchDef", ctForeignKey, {L"BatchID"}),
                                   kit.Key(L"UQ_Profile_Code", ctUnique, {L"Code"}),
                                   kit.Key(L"IX_Batch_Name_Longer", ctIndex, {L"Code"}),
                                   kit.Key(L"PK_Profile", ctPrimaryKey, {L"BatchID"})});
    VrlDbmsOracle dbms(nullptr, L"Test");
    EXPECT_STREQ(L"SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_Profile_BaQ9480' AND "
                 L"TABLE_NAME = N'Profile' AND CONSTRAINT_TYPE = N'R'",
                 dbms.FormatObjectExists(profile->GetConstraint(LONG(0))).GetString());
    EXPECT_STREQ(L"SELECT COUNT(*) FROM USER_INDEXES WHERE INDEX_NAME = N'UQ_Profile_Code' AND TABLE_NAME = "
                 L"N'Profile' AND UNIQUENESS = 'UNIQUE'",
                 dbms.FormatObjectExists(profile->GetConstraint(LONG(1))).GetString());
    EXPECT_STREQ(
        L"SELECT COUNT(*) FROM USER_INDEXES WHERE INDEX_NAME = N'IX_Batch_NameQ7617' AND TABLE_NAME = "
        L"N'Profile' AND UNIQUENESS = 'NONUNIQUE'",
        dbms.FormatObjectExists(profile->GetConstraint(LONG(2))).GetString());
    EXPECT_STREQ(
        L"SELECT CONSTRAINT_NAME FROM USER_CONSTRAINTS WHERE TABLE_NAME = N'Profile' AND CONSTRAINT_TYPE "
        L"= 'P'",
        dbms.FormatObjectExists(profile->GetConstraint(LONG(3))).GetString());
    // Other objects are not cut.
    EXPECT_STREQ(L"SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = N'Profile' ",
                 dbms.FormatObjectExists(profile).GetString());
    EXPECT_STREQ(
        L"SELECT COUNT(*) FROM USER_PROCEDURES WHERE OBJECT_NAME = N'procAVeryLongProcedureName' ",
        dbms.FormatObjectExists(kit.Procedure(L"procAVeryLongProcedureName", {}, L"COMMIT")).GetString());
}

TEST(OracleIndexes, CaseInsensitiveColumnsGoThroughNlssort) {
    Kit kit;
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
    VrlDbmsOracle dbms(nullptr, L"Test");
    auto key = [&](LONG i) { return batch->GetConstraint(i); };

    std::vector<CString> pairs;
    dbms.GenerateCaseInsensitiveIndexes(batch, pairs);
    std::vector<CString> expected{
        L"CI_PK_Batch",
        L"CREATE INDEX CI_PK_Batch ON Batch(NLSSORT(BatchName,'NLS_SORT=BINARY_CI'))",
        L"IX_Batch_Name",
        L"CREATE INDEX IX_Batch_Name ON Batch(NLSSORT(BatchName,'NLS_SORT=BINARY_CI'),BatchID)",
        L"UQ_Batch_GUID",
        L"CREATE UNIQUE INDEX UQ_Batch_GUID ON Batch(NLSSORT(BatchGUID,'NLS_SORT=BINARY_CI'))",
    };
    // Type-6 indexes are left out, and so is IX_Code_Nulls, whose column is
    // case-insensitive only through the constraint's marker.
    EXPECT_EQ(expected, pairs);

    // The key and its companion index, once each.
    std::vector<CString> keys;
    dbms.GeneratePrimaryKeyConstraint(batch, keys);
    EXPECT_EQ(
        (std::vector<CString>{L"ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchName)",
                              L"CREATE INDEX CI_PK_Batch ON Batch(NLSSORT(BatchName,'NLS_SORT=BINARY_CI'))"}),
        keys);
    EXPECT_STREQ(L"ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchName);"
                 L"CREATE INDEX CI_PK_Batch ON Batch(NLSSORT(BatchName,'NLS_SORT=BINARY_CI'))",
                 dbms.FormatPrimaryKey(batch, key(0)).GetString());

    EXPECT_STREQ(L"CREATE UNIQUE INDEX UQ_Batch_GUID ON Batch(NLSSORT(BatchGUID,'NLS_SORT=BINARY_CI'))",
                 dbms.FormatUniqueConstraint(batch, key(2)).GetString());
    EXPECT_STREQ(L"ALTER TABLE Batch ADD CONSTRAINT UQ_Code UNIQUE(Code)",
                 dbms.FormatUniqueConstraint(batch, key(5)).GetString());
    // Nullable-column indexes get the constant item; the marker alone makes a
    // column NLSSORT in the index.
    EXPECT_STREQ(L"CREATE INDEX IX_Code_Nulls ON Batch(NLSSORT(Code,'NLS_SORT=BINARY_CI'),'1')",
                 dbms.FormatNonUniqueIndex(batch, key(6)).GetString());
    EXPECT_STREQ(L"'1'", dbms.GetIndexFields(batch, key(7)).GetString());
    EXPECT_STREQ(L"BatchID", dbms.GetIndexFields(batch, key(3)).GetString());

    // The companion index name is cut like every index name.
    VrlConstraint* longKey = kit.Key(L"PK_BatchDefinition", ctPrimaryKey, {L"BatchGUID", L"BatchID"});
    std::vector<CString> index;
    dbms.GenerateCaseInsenstiveIndex(batch, longKey, index);
    EXPECT_EQ(
        (std::vector<CString>{
            L"CREATE INDEX CI_PK_BatchDeQ8768 ON Batch(NLSSORT(BatchGUID,'NLS_SORT=BINARY_CI'),BatchID)"}),
        index);
    EXPECT_FALSE(dbms.HasCaseInsensitiveField(batch, key(7)));
    EXPECT_FALSE(dbms.IsCaseInsensitiveField(batch, L"Missing"));

    // GUIDs and names compare without regard to case; other texts do not.
    struct Kind {
        VrlDataType type;
        bool caseInsensitive;
    } kinds[] = {{dtGuid, true},    {dtGuid23, true},     {dtName, true},        {dtGuid28, true},
                 {dtString, false}, {dtString256, false}, {dtAnsiString, false}, {dtInteger, false}};
    for (const Kind& kind : kinds) {
        VrlTable* one = kit.Table(L"One", {kit.Field(L"C", kind.type, 10)});
        EXPECT_EQ(kind.caseInsensitive, dbms.IsCaseInsensitiveField(one, L"C")) << int(kind.type);
    }
}

TEST(OracleKeys, ForeignKeyClausesAndDomainQuoting) {
    Kit kit;
    VrlDbmsOracle dbms(nullptr, L"Test");
    for (const wchar_t* name : {L"Domain", L"DOMAIN", L"domain"}) {
        EXPECT_EQ(L"\"" + std::wstring(name) + L"\"", Str(dbms.FormatFieldName(name)));
    }
    EXPECT_STREQ(L"Domains", dbms.FormatFieldName(L"Domains").GetString());
    EXPECT_STREQ(L"MyDomain", dbms.FormatFieldName(L"MyDomain").GetString());

    VrlTable* child = kit.Table(L"Child", {kit.Field(L"Domain"), kit.Field(L"A")});
    // No action has no keyword and Oracle has no ON UPDATE clause at all.
    EXPECT_STREQ(
        L"ALTER TABLE Child ADD CONSTRAINT FK_A FOREIGN KEY(\"Domain\") REFERENCES Parent(ID)  ;"
        L"CREATE INDEX FK_AIndex ON Child(\"Domain\")",
        dbms.FormatForeignKeyConstraint(child, kit.Foreign(L"FK_A", ctForeignKey, {L"Domain"})).GetString());
    EXPECT_STREQ(
        L"ALTER TABLE Child ADD CONSTRAINT FK_C FOREIGN KEY(A) REFERENCES Parent(ID) ON DELETE CASCADE ",
        dbms.FormatForeignKeyConstraint(child, kit.Foreign(L"FK_C", ctForeignKey7, {L"A"}, odCascade4))
            .GetString());
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(odNoAction).GetString());
    EXPECT_STREQ(L"CASCADE", dbms.ConverToSqlDataType(odCascade).GetString());
    EXPECT_STREQ(L"", dbms.ConverToSqlDataType(ouCascade).GetString());
    bool raised = false;
    try {
        dbms.ConverToSqlDataType(odNone);
    } catch (CNotSupportedException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
}
