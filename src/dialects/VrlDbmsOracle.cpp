#include "VrlDbmsOracle.h"
#include "../publish/PublishStoredProcedureGenerator.h"

#include "VrlDateTimeSplit.h"
#include "../platform/CException.h"
#include "../schema/ObjectExistsFormats.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlView.h"
#include "../support/VrlConversions.h"

namespace VrlSchemaLib {

// clang-format off
const wchar_t* const VrlDbmsOracle::cm_pszDropIndexFormat =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_INDEXES INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n\t\tWHERE INDEX_NAME='&1';\n\tIF nCOUNT_INDEXES > 0 THEN\n\t\tEXECUTE IMMEDIATE 'DROP INDEX \"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const VrlDbmsOracle::cm_pszDropConstraintFormat =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE TABLE_NAME = '&2' AND CONSTRAINT_NAME='&1';\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"&2\" DROP CONSTRAINT \"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const VrlDbmsOracle::cm_pszDropConstraintORIndexFormat =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\n\tnCOUNT_INDEXES INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE TABLE_NAME = '&2' AND CONSTRAINT_NAME='&1';\n\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n\t\tWHERE INDEX_NAME='&1';\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"&2\" DROP CONSTRAINT \"&1\"';\n\tELSIF nCOUNT_INDEXES > 0 THEN\n\t\tEXECUTE IMMEDIATE 'DROP INDEX \"&1\"';\n\tEND IF;\nEND;";
const wchar_t* const VrlDbmsOracle::cm_pszDropIndexANDConstraintFormat =
    L"EXECUTE IMMEDIATE 'SELECT null FROM dual';\nDECLARE\n\tnCOUNT_CONSTRAINTS INTEGER;\n\tnCOUNT_INDEXES INTEGER;\nBEGIN\n\tSELECT COUNT(*) INTO nCOUNT_INDEXES\n\t\tFROM USER_INDEXES \n\t\tWHERE INDEX_NAME='&1';\n\tSELECT COUNT(*) INTO nCOUNT_CONSTRAINTS\n\t\tFROM USER_CONSTRAINTS \n\t\tWHERE TABLE_NAME = '&3' AND CONSTRAINT_NAME='&2';\n\tIF nCOUNT_INDEXES > 0 THEN\n\t\tEXECUTE IMMEDIATE 'DROP INDEX \"&1\"';\n\tEND IF;\n\tIF nCOUNT_CONSTRAINTS > 0 THEN\n\t\tEXECUTE IMMEDIATE 'ALTER TABLE \"&3\" DROP CONSTRAINT \"&2\"';\n\tEND IF;\nEND;";


namespace {

struct TypeName {
    VrlDataType type;
    const wchar_t* text;
};

struct TemplateText {
    int id;
    const wchar_t* text;
};

// Codes not listed keep the base's text (17, 25, 26) or have none (27).
const TypeName s_aOracleTypes[] = {
    {dtInteger, L"NUMBER(10)"},
    {dtGuid, L"VARCHAR2(38)"},
    {dtAutoIncrement, L"NUMBER(10)"},
    {dtBoolean, L"NUMBER(1)"},
    {dtByte, L"NUMBER(3)"},
    {dtShort, L"NUMBER(5)"},
    {dtLong, L"NUMBER(10)"},
    {dtBigInt, L"NUMBER(21)"},
    {dtSingle, L"BINARY_FLOAT"},
    {dtDouble, L"BINARY_DOUBLE"},
    {dtString, L"NVARCHAR2"},
    {dtDateTime, L"date"},
    {dtBinary, L"BLOB"},
    {dtLongText, L"NCLOB"},
    {dtString256, L"NVARCHAR2(256)"},
    {dtMemo, L"NCLOB"},
    {dtInteger18, L"NUMBER(10)"},
    {dtInteger19, L"NUMBER(10)"},
    {dtInteger20, L"NUMBER(10)"},
    {dtInteger21, L"NUMBER(10)"},
    {dtMemo22, L"NCLOB"},
    {dtGuid23, L"VARCHAR2(38)"},
    {dtName, L"NVARCHAR2"},
    {dtGuid28, L"VARCHAR2(38)"},
    {dtTimestamp, L"TIMESTAMP"},
    {dtInterval, L"INTERVAL DAY TO SECOND"},
};

// Registered in this order: ascending ids, except that 15 comes before 14.
const TemplateText s_aOracleTemplates[] = {
    {0, L"Oracle"},
    {1, L""},
    {2, L"CREATE OR REPLACE FUNCTION len(sInput NVARCHAR2) \n\tRETURN NUMBER \n\tIS \nBEGIN \n\tRETURN LENGTH(sInput); \nEND;"},
    {3, L""},
    {4, L"CREATE SEQUENCE NewIDTableSeq MINVALUE 0 START WITH 0"},
    {5, L"CREATE TABLE NewIDTable( \n\tIDOffset\tNUMBER(10) NOT NULL, \n\tNewID\t\tNUMBER(10), \n\tNewParentID NUMBER(10), \n\tAdminID\t\tNUMBER(10))"},
    {6, L"\r\n/\r\n\r\n"},
    {7, L"SELECT * \n\tFROM qryField_BASE_PROJECTION \n\tWHERE BatchID=&# AND \n\t\tFolderID>0 \n\tORDER BY FolderID, DisplayOrder, RowNumber"},
    {8, L"CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))"},
    {9, L"CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)"},
    {10, L"CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)"},
    {11, L"CREATE OR REPLACE FUNCTION CharIndex(sFindThis VARCHAR, sInThis VARCHAR) \n\tRETURN NUMBER AS \nBEGIN \n\tDECLARE \n\t\tiTries NUMBER(4); \n\tBEGIN \n\t\tIF NVL(LENGTH(sFindThis),0)=0 OR NVL(LENGTH(sInThis),0)=0 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tiTries := LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\t\tIF iTries<1 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tFOR iPosn IN 1..iTries LOOP \n\t\t\tIF sFindThis=SUBSTR(sInThis,iPosn,LENGTH(sFindThis)) THEN \n\t\t\t\tRETURN iPosn; \n\t\t\tEND IF; \n\t\tEND LOOP; \n\t\tRETURN 0; \n\tEND; \nEND;"},
    {12, L"CREATE TABLE &1(\n&2&3)"},
    {13, L"CREATE OR REPLACE PROCEDURE &1&2 AS \nBEGIN \n\t&3; \nEND;"},
    {15, L"CREATE OR REPLACE PROCEDURE &1(pmyID &2, resultSet OUT SYS_REFCURSOR) AS \nBEGIN \n\tOPEN resultSet FOR \n\t\tSELECT * \n\t\tFROM (SELECT * FROM &3 ORDER BY &4) \n\t\tWHERE ( pmyID IS NULL OR &4 > pmyID ) \n\t\t\tAND ROWNUM <= &# ;\nEND;"},
    {14, L""},
    {16, L"&1 &2 &3 &4"},
    {17, L""},
    {18, L"&!"},
    {19, L"CREATE OR REPLACE FUNCTION &1&2 \n\tRETURN &3 \n\tIS \nBEGIN \n\t&4; \nEND;"},
    {20, L"IN OUT"},
    {21, L"&1 &2 &3"},
    {22, L"CREATE OR REPLACE PROCEDURE procPublishBatchDef( \n\t@lBatchDefID NUMBER, \n\t@lPublishedBatchDefID OUT NUMBER, \n\t@strBatchDefGUID OUT VARCHAR) AS \nBEGIN \n\tDECLARE \n\t\t@lNextID NUMBER(10); \n\t\t@lMaxBCVersionNum NUMBER(10); \n\t\t@lNextVersionNum NUMBER(10); \n\tBEGIN \n\t\t@strBatchDefGUID := FormatGuid(); \n\t\tprocIncrementNextAutoNumber(2, 0, 'BatchDefID', 1, @lPublishedBatchDefID); \n\t\tSELECT BCVersioning INTO @lMaxBCVersionNum FROM VGlobal; IF (@lMaxBCVersionNum = -1) THEN @lMaxBCVersionNum := 2147483647; END IF;\n\t\tIF @lMaxBCVersionNum >= 1 THEN \n\t\t\tBEGIN \n\t\t\t\tprocIncrementNextAutoNumber(2, @lBatchDefID, 'VersionNum', 1, @lNextVersionNum); \n\t\t\t\tEXCEPTION \n\t\t\t\t\tWHEN NO_DATA_FOUND THEN \n\t\t\t\t\tBEGIN \n\t\t\t\t\t\t@lNextVersionNum := 1;\n\t\t\t\t\t\tprocInsertAutoNumber(2, @lBatchDefID, 'VersionNum', 2);\n\t\t\t\t\tEND; \n\t\t\tEND; \n\t\t\tIF (@lNextVersionNum > 2147483647) THEN \n\t\t\t\t@lNextVersionNum := 1; \n\t\t\t\tUPDATE AutoNumber SET NextID = (@lNextVersionNum + 1) \n\t\t\t\t\tWHERE Type=2 AND BatchID = @lBatchDefID AND ColumnName='VersionNum'; \n\t\t\tEND IF; \n\t\tEND IF;\n"},
    {23, L"\tEND; \n\tDELETE FROM NewIDTable; \n\tDELETE FROM poParentNewIDTable; \n\tDELETE FROM poDocDefNewIDTable; \n\tCOMMIT; \nEND;"},
    {24, L"\tDELETE FROM NewIDTable; \n"},
    {25, L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 \n\t\tORDER BY &2; \n"},
    {26, L"\tINSERT INTO BatchDef(BatchDefID, PublishedBatchDefID, AdminID, &1) \n\t\tSELECT @lPublishedBatchDefID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\t@lBatchDefID, \n\t\t\t&2 \n\t\tFROM BatchDef \n\t\tWHERE BatchDefID=@lBatchDefID; \n"},
    {27, L"\tFOR rLoopData IN( \n\t\tSELECT &1 \n\t\tFROM &2 \n\t\tWHERE PublishedBatchDefID=0 \n\t\tORDER BY &1) \n\tLOOP \n\t\tINSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.&1); \n\tEND LOOP; \n"},
    {28, L"\tINSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, @lBatchDefID); \n"},
    {29, L"\tFOR rLoopData IN( \n\t\tSELECT p.NewID, \n\t\t\t&1 \n\t\tFROM &2, \n\t\t\tpoParentNewIDTable p \n\t\tWHERE &3=p.AdminID AND \n\t\t\tp.depth=&# \n\t\tORDER BY &1) \n\tLOOP \n\t\tINSERT INTO NewIDTable(idOffset, NewParentID, AdminID) \n\t\t\tVALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.&1); \n\tEND LOOP; \n"},
    {30, L"\tFOR rLoopData IN( \n\t\tSELECT NewID, \n\t\t\tAdminID \n\t\tFROM poParentNewIDTable \n\t\tWHERE depth=&#) \n\tLOOP \n\t\tINSERT INTO NewIDTable(idOffset, NewID, NewParentID, AdminID) \n\t\t\tVALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.NewID, rLoopData.AdminID); \n\tEND LOOP; \n"},
    {31, L"\tFOR rLoopData IN( \n\t\tSELECT DocDefID \n\t\tFROM BatchDef_DocDef \n\t\tWHERE BatchDefID=@lBatchDefID \n\t\tORDER BY DocDefID) \n\tLOOP \n\t\tINSERT INTO NewIDTable(idOffset, AdminID) \n\t\t\tVALUES(NewIDTableSeq.NEXTVAL, rLoopData.DocDefID); \n\tEND LOOP; \n"},
    {32, L"\tSELECT COUNT(*) \n\t\tINTO @lNextID \n\t\tFROM AutoNumber \n\t\tWHERE Type=2 AND \n\t\t\tColumnName='&1'; \n\tIF @lNextID>0 THEN \n\t\tSELECT NextID \n\t\t\tINTO @lNextID \n\t\t\tFROM AutoNumber \n\t\t\tWHERE Type=2 AND \n\t\t\t\tColumnName='&1' \n\t\t\tFOR UPDATE; \n\t\tUPDATE AutoNumber \n\t\t\tSET NextID = NextID+( \n\t\t\t\tSELECT COUNT(*) \n\t\t\t\tFROM NewIDTable) \n\t\t\tWHERE Type=2 AND \n\t\t\t\tColumnName='&1'; \n\tEND IF; \n"},
    {33, L"\tINSERT INTO poDocDefNewIDTable(NewID, AdminID) \n\t\tSELECT NewID, \n\t\t\tAdminID \n\t\tFROM NewIDTable; \n"},
    {34, L"\tDELETE FROM @oParentNewIDTable\n\t\tWHERE Depth = &#; \n"},
    {35, L"\tINSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) \n\t\tSELECT &#, \n\t\t\tNewID, \n\t\t\tAdminID \n\t\tFROM NewIDTable; \n"},
    {36, L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, &4) \n\t\tSELECT t.NewID, \n\t\t\tt.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&5 \n\t\tFROM NewIDTable t, \n\t\t\t&6 \n\t\tWHERE t.AdminID = &2 AND \n\t\t\tPublishedBatchDefID = 0 AND \n\t\t\t&3 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM @oParentNewIDTable p \n\t\t\t\tWHERE p.Depth = &#); \n"},
    {37, L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, BatchDefID, DocDefID, &4) \n\t\tSELECT t.NewID, \n\t\t\tt.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tDocDefID, \n\t\t\t&5 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND  \n\t\t\tPublishedBatchDefID=0 AND  \n\t\t\t&3 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM poParentNewIDTable p \n\t\t\t\tWHERE p.Depth=&#); \n"},
    {38, L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 AND \n\t\t\t&5 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM poParentNewIDTable p \n\t\t\t\tWHERE p.Depth=&#); \n"},
    {39, L"\tFOR rLoopData IN( \n\t\tSELECT &1 \n\t\tFROM &2 t, \n\t\t\tpoDocDefNewIDTable d \n\t\tWHERE BatchDefID=plBatchDefID AND \n\t\t\tDocDefID=d.AdminID AND \n\t\t\tPublishedBatchDefID=0 \n\t\tORDER BY &1) \n\tLOOP \n\t\tINSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.&1); \n\tEND LOOP; \n"},
    {40, L"\tINSERT INTO &1(&2, BatchDefID, DocDefID, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewID, \n\t\t\t@lBatchDefID, \n\t\t\td.NewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\tpoDocDefNewIDTable d, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 AND \n\t\t\tBatchDefID=@lBatchDefID AND \n\t\t\tDocDefID=d.AdminID; \n"},
    {41, L"\tUPDATE &1 t \n\t\tSET &2 = ( \n\t\t\tSELECT r.&3 \n\t\t\tFROM &4 r \n\t\t\tWHERE t.&2=r.AdminID AND \n\t\t\t\tr.PublishedBatchDefID=@lPublishedBatchDefID) \n\t\tWHERE t.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM &4 r \n\t\t\t\tWHERE t.&2=r.AdminID AND \n\t\t\t\t\tr.PublishedBatchDefID=@lPublishedBatchDefID); \n"},
    {42, L"\tUPDATE BatchDef \n\t\tSET Referenced = 1 \n\t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID; \n"},
    {43, L"\tUPDATE &1 c \n\t\tSET Referenced = 1 \n\t\tWHERE Referenced=0 AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM &2 p \n\t\t\t\tWHERE c.&3=p.&4 AND \n\t\t\t\t\tp.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\t\t\tp.Referenced=1); \n"},
    {44, L"\tUPDATE &1 c \n\t\tSET Referenced = 1 \n\t\tWHERE Referenced=0 AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM BatchDef_DocDef p \n\t\t\t\t\tWHERE c.DocDefID=p.DocDefID AND \n\t\t\t\t\t\tc.BatchDefID=p.BatchDefID AND \n\t\t\t\t\t\tp.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\t\t\t\tp.Referenced=1); \n"},
    {45, L"\tDELETE FROM &1 \t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID AND \t\t\tReferenced=0;"},
    {46, L"\t\tCASE \n\t\t\tWHEN EXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tTHEN ( \n\t\t\t\tSELECT RescanLocation \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tELSE ( \n\t\t\t\tSELECT RescanLocation \n\t\t\t\tFROM VeskCProfile \n\t\t\t\tWHERE ProfileID='&1') END AS RescanLocation \n"},
    {47, L"\t\tCASE \n\t\t\tWHEN EXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tTHEN ( \n\t\t\t\tSELECT RetainImages \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tELSE ( \n\t\t\t\tSELECT RetainImages \n\t\t\t\tFROM VeskCProfile \n\t\t\t\tWHERE ProfileID='&1') END AS RetainImages \n"},
    {48, L""},
    {49, L""},
    {50, L"(&1) q2"},
    {51, L"SELECT &2 FROM &1 WHERE ROWNUM<2"},
    {52, L"DECLARE \tlCount NUMBER(8); BEGIN \tSELECT COUNT(*) \t\tINTO lCount \t\tFROM Sys.User_Objects \t\tWHERE Status<>'VALID'; \tIF lCount>0 THEN \t\tRAISE_APPLICATION_ERROR(-20017, 'One or more database objects in an invalid state'); \tEND IF; END"},
    {53, L"BEGIN \n\tEXECUTE IMMEDIATE 'ALTER TABLE &1 RENAME COLUMN &2 TO &2_OLD'; \n\tEXECUTE IMMEDIATE 'ALTER TABLE &1 ADD (&2 &3)'; \n\tEXECUTE IMMEDIATE 'UPDATE &1 SET &2 = &2_OLD'; \n\tEXECUTE IMMEDIATE 'ALTER TABLE &1 DROP COLUMN &2_OLD'; \nEND;"},
    {54, L"&1"},
    {55, L"DROP INDEX &2"},
    {56, L"UPDATE AutoDocSepOpt SET Referenced = 1 WHERE PublishedBatchDefID = @lPublishedBatchDefID AND Method NOT IN (4,6);"},
    {57, L"DECLARE lNumRow INTEGER;\nBEGIN\nSELECT COUNT(*) INTO lNumRow FROM NewIDTable WHERE NewIDTable.NewID=15000;\n IF lNumRow > 0 THEN\n"},
    {58, L"END IF;\nEND;\n"},
    {59, L"\t\n\tDECLARE \n\t\t@lBatchDefIDVal NUMBER(10);\n\t\t@lRowIndex NUMBER(10) := 0;\n\t\t@lBatchCount INT; \n\tBEGIN \n\t\tIF (@lMaxBCVersionNum >= 1) THEN \n\t\t\tDECLARE CURSOR oCursor IS SELECT BatchDef.BatchDefID FROM BatchDef \n\t\t\t\tWHERE BatchDef.OriginalBatchDefID = @lBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND BatchDef.VersionNum <> 0 \n\t\t\t\tORDER BY BatchDef.LastPublished DESC; \n\t\t\tBEGIN \n\t\t\t\tOPEN oCursor; \n\t\t\t\tLOOP FETCH oCursor INTO @lBatchDefIDVal; \n\t\t\t\t\tEXIT WHEN oCursor%NOTFOUND; \n\t\t\t\t\tIF (@lRowIndex >= @lMaxBCVersionNum) THEN \n\t\t\t\t\t\tSELECT COUNT(*) INTO @lBatchCount FROM BatchCatalog WHERE BatchCatalog.BatchDefID=@lBatchDefIDVal; \n\t\t\t\t\t\tUPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.BatchDefID=@lBatchDefIDVal AND @lBatchCount=0;\n\t\t\t\t\tEND IF;\n\t\t\t\t\t@lRowIndex := @lRowIndex + 1;\n\t\t\t\tEND LOOP;\n\t\t\t\tCLOSE oCursor;\n\t\t\tEND;\n\t\tELSE \n\t\t\tUPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.OriginalBatchDefID=@lBatchDefID;\n\t\tEND IF;\n\tEND;\n"},
};

// clang-format on

} // namespace

namespace {

// Fills "&1".."&3" of a drop block in one pass, so that a name that itself
// holds a marker is not substituted again.
CString FillBlock(const wchar_t* block, const CString& arg1, const CString& arg2 = CString(),
                  const CString& arg3 = CString()) {
    CString result;
    for (const wchar_t* p = block; *p; ++p) {
        if (p[0] == L'&' && p[1] >= L'1' && p[1] <= L'3') {
            result += p[1] == L'1' ? arg1 : (p[1] == L'2' ? arg2 : arg3);
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

CString Upper(CString text) {
    text.MakeUpper();
    return text;
}

const wchar_t* const s_pszUniqueIndexFormat = L"CREATE UNIQUE INDEX %s ON %s(%s)";

} // namespace

VrlDbmsOracle::VrlDbmsOracle(const VrlSchema* schema, const wchar_t* name)
    : VrlDbmsAnsi(schema, name, ObjectExistsFormats::GetOracleFormats()) {
    m_nDbmsType = cm_nOracle;
    for (const TypeName& entry : s_aOracleTypes) {
        SetTypeText(entry.type, entry.text);
    }
    for (const TemplateText& entry : s_aOracleTemplates) {
        m_oSqlStrings.Add(entry.id, entry.text);
    }
}

VrlDbmsOracle::~VrlDbmsOracle() = default;

void VrlDbmsOracle::GenerateSchema(std::vector<CString>& statements) {
    statements.clear();
    const VrlSchema* schema = GetSchema();
    GenerateTableDef(schema, statements);
    GenerateFuncDef(schema, statements);
    GenerateViewDef(schema, statements);
    GenerateProcDef(schema, statements);
    GenerateTriggerDefs(schema, statements);
    AddTo(statements, Sql(52));
}

// The catalogue keeps unquoted names upper-cased, and the blocks compare and
// drop quoted names, so every name is upper-cased here. This holds for the
// overload that takes only a name as well: a mixed-case name would never be
// found and the block would silently do nothing.
CString VrlDbmsOracle::FormatDropConstraint(const VrlTable* table, const wchar_t* name) const {
    CString upperName = Upper(CString(name));
    CString tableName = table ? Upper(table->GetNameRef()) : CString();
    const VrlConstraint* constraint = table ? table->GetConstraint(name) : nullptr;
    if (constraint && HasCaseInsensitiveField(table, constraint)) {
        if (constraint->GetType() == ctUnique) {
            return FillBlock(cm_pszDropConstraintORIndexFormat, Upper(constraint->GetNameRef()), tableName);
        }
        if (constraint->GetType() == ctPrimaryKey) {
            return FillBlock(cm_pszDropIndexANDConstraintFormat, LimitName(L"CI_" + upperName), upperName,
                             tableName);
        }
    }
    return FillBlock(cm_pszDropConstraintFormat, upperName, tableName);
}

CString VrlDbmsOracle::FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!constraint) {
        return CString();
    }
    if (!table) {
        table = constraint->GetTable();
    }
    CString name = Upper(constraint->GetNameRef());
    CString tableName = table ? Upper(table->GetNameRef()) : CString();
    VrlConstraintType type = constraint->GetType();
    CString result;
    if (type == ctIndex || type == ctIndex6) {
        result = FillBlock(cm_pszDropIndexFormat, LimitName(name));
    } else if (type == ctUnique && HasCaseInsensitiveField(table, constraint)) {
        // Created as a unique index by FormatUniqueConstraint; an older
        // database may still hold it as a constraint.
        result = FillBlock(cm_pszDropConstraintORIndexFormat, name, tableName);
    } else if (type == ctPrimaryKey && HasCaseInsensitiveField(table, constraint)) {
        result = FillBlock(cm_pszDropIndexANDConstraintFormat, LimitName(L"CI_" + name), name, tableName);
    } else {
        result = FillBlock(cm_pszDropConstraintFormat, name, tableName);
    }
    if (type == ctForeignKey || type == ctForeignKeyNotGenerated) {
        result += FillBlock(cm_pszDropIndexFormat, Upper(LimitName(name + L"Index")));
    }
    return result;
}

CString VrlDbmsOracle::FormatAlterView(const VrlView* view) const {
    CString text = GetView(view);
    text.Replace(L"CREATE", L"CREATE OR REPLACE");
    return text;
}

CString VrlDbmsOracle::FormatObjectExists(const VrlSchemaObject* object) const {
    const VrlConstraint* constraint = dynamic_cast<const VrlConstraint*>(object);
    if (!constraint) {
        return VrlDbmsAnsi::FormatObjectExists(object);
    }
    CString format = constraint->GetExistsFormat(ObjectExistsFormats::GetOracleFormats());
    CString name = LimitName(constraint->GetNameRef());
    return FillExistsFormat(format, name);
}

CString VrlDbmsOracle::FormatDateTime(COleDateTime value, int withMilliseconds) const {
    if (value.GetStatus() == COleDateTime::valid && value.GetYear() >= 1900) {
        if (!withMilliseconds) {
            return value.Format(L"TO_DATE('%m/%d/%Y %H:%M:%S','mm/dd/yyyy hh24:mi:ss')");
        }
        VrlDateTimeSplit parts;
        if (parts.Split(value.m_dt)) {
            CString result;
            result.Format(L"TO_TIMESTAMP('%02d/%02d/%04d %02d:%02d:%02d.%03d', 'mm/dd/yyyy hh24:mi:ss.FF3')",
                          parts.m_nMonth, parts.m_nDay, parts.m_nYear, parts.m_nHour, parts.m_nMinute,
                          parts.m_nSecond, parts.m_nMillisecond);
            return result;
        }
        return value.Format(L"TO_TIMESTAMP('%m/%d/%Y %H:%M:%S.000','mm/dd/yyyy hh24:mi:ss.FF3')");
    }
    return value.Format(L"TO_DATE('01/01/1900 %H:%M:%S','mm/dd/yyyy hh24:mi:ss')");
}

void VrlDbmsOracle::GenerateCaseInsensitiveIndexes(const VrlTable* table,
                                                   std::vector<CString>& statements) const {
    if (!table) {
        return;
    }
    const VrlConstraint* key = table->GetPrimaryKeyConstraint();
    if (key && HasCaseInsensitiveField(table, key)) {
        AddTo(statements, LimitName(L"CI_" + key->GetNameRef()));
        GenerateCaseInsenstiveIndex(table, key, statements);
    }
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (!constraint || !HasCaseInsensitiveField(table, constraint)) {
            continue;
        }
        CString name = constraint->GetNameRef();
        if (constraint->GetType() == ctIndex) {
            CString statement =
                FormatCreateIndex(name, table->GetNameRef(), GetIndexFields(table, constraint));
            ValidateString(statement);
            AddTo(statements, LimitName(name));
            AddTo(statements, std::move(statement));
        } else if (constraint->GetType() == ctUnique) {
            CString statement;
            statement.Format(s_pszUniqueIndexFormat, name.GetString(), table->GetNameRef().GetString(),
                             GetIndexFields(table, constraint).GetString());
            AddTo(statements, name);
            AddTo(statements, std::move(statement));
        }
    }
}

CString VrlDbmsOracle::FormatPrimaryKey(const VrlTable* table, const VrlConstraint* constraint) const {
    CString text = VrlDbmsAnsi::FormatPrimaryKey(table, constraint);
    if (constraint && HasCaseInsensitiveField(table, constraint)) {
        std::vector<CString> index;
        GenerateCaseInsenstiveIndex(table, constraint, index);
        text += L";";
        for (const CString& statement : index) {
            text += statement;
        }
    }
    return text;
}

CString VrlDbmsOracle::FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!table || !constraint || !HasCaseInsensitiveField(table, constraint)) {
        return VrlDbmsAnsi::FormatUniqueConstraint(table, constraint);
    }
    // A unique constraint cannot be declared over NLSSORT expressions; a
    // unique function index can.
    CString text;
    text.Format(s_pszUniqueIndexFormat, constraint->GetNameRef().GetString(), table->GetNameRef().GetString(),
                GetIndexFields(table, constraint).GetString());
    return text;
}

CString VrlDbmsOracle::GetCurrentTimeFunction(int withMilliseconds) const {
    return withMilliseconds ? CString(L"SYSTIMESTAMP") : GetCurrentTimeFunction();
}

CString VrlDbmsOracle::GetCurrentTimeFunction() const {
    return CString(L"SYSDATE");
}

CString VrlDbmsOracle::GetTimeOffsetFunction() const {
    return CString(L"-(SYSDATE - CAST(SYSTIMESTAMP AT TIME ZONE 'UTC' AS DATE))*1440");
}

int VrlDbmsOracle::IsCurrentTimeFunction(CString text) const {
    return text.CompareNoCase(L"SYSDATE") == 0 || text.CompareNoCase(L"SYSTIMESTAMP") == 0;
}

CString VrlDbmsOracle::ConverToSqlDataType(VrlOnUpdateType /*type*/) const {
    return CString();
}

CString VrlDbmsOracle::ConverToSqlDataType(VrlOnDeleteType type) const {
    switch (type) {
    case odNoAction:
        return CString();
    case odCascade:
    case odCascade4:
        return CString(L"CASCADE");
    default:
        AfxThrowNotSupportedException();
    }
    return CString();
}

CString VrlDbmsOracle::FormatParameterName(const wchar_t* name) const {
    if (!name || !*name) {
        return CString();
    }
    return L"p" + CString(name);
}

CString VrlDbmsOracle::GetProcedure(const VrlProcedure* procedure) const {
    if (!procedure) {
        return CString();
    }
    CString name = AdjustObjectName(procedure->GetNameRef());
    CString body = GetProcedureBody(procedure);
    if (name.IsEmpty() || body.IsEmpty()) {
        return CString();
    }
    // "~" marks the query whose rows the procedure returns; "~~" marks a
    // body that opens the cursor itself and only needs the parameter.
    CString parameters = GetProcParameters(procedure);
    if (body.Find(L'~') >= 0) {
        if (!parameters.IsEmpty()) {
            parameters += L", ";
        }
        parameters += L"resultSet OUT SYS_REFCURSOR";
    }
    if (!parameters.IsEmpty()) {
        parameters = L"(" + parameters + L")";
    }
    CString text = Sql(13, name, parameters, body);
    if (body.Find(L"~~") >= 0) {
        text.Replace(L"~~", L"");
    } else {
        text.Replace(L"~", L"OPEN resultSet FOR ");
    }
    text.Replace(L'@', L'p');
    return text;
}

CString VrlDbmsOracle::GetFunction(const VrlFunction* function) const {
    if (!function) {
        return CString();
    }
    CString name = function->GetNameRef();
    CString body = GetFunctionBody(function);
    if (name.IsEmpty() || body.IsEmpty()) {
        return CString();
    }
    CString parameters = GetFuncParameters(function);
    if (!parameters.IsEmpty()) {
        parameters = L"(" + parameters + L")";
    }
    VrlDataDefinition returnType = function->GetReturnType();
    CString returns = FormatSchemaCreationDataType(returnType.GetDataType(), returnType.GetLength());
    if (returnType.GetDataType() == dtTable) {
        body = Sql(18, body);
    }
    CString text = Sql(19, name, parameters, returns, body);
    text.Replace(L'@', L'p');
    return text;
}

void VrlDbmsOracle::GeneratePrimaryKeyConstraint(const VrlTable* table,
                                                 std::vector<CString>& statements) const {
    VrlDbmsAnsi::GeneratePrimaryKeyConstraint(table, statements);
    const VrlConstraint* key = table ? table->GetPrimaryKeyConstraint() : nullptr;
    if (key && HasCaseInsensitiveField(table, key)) {
        GenerateCaseInsenstiveIndex(table, key, statements);
    }
}

CString VrlDbmsOracle::FormatSchemaCreationDataType(VrlDataType type, LONG /*length*/) const {
    CString text = VrlDbmsAnsi::ConverToSqlDataType(type, 0);
    DropParentheticals(text);
    return text;
}

CString VrlDbmsOracle::FormatIndexField(const VrlTable* table, const wchar_t* field,
                                        const VrlConstraint* constraint) const {
    CString text;
    if (IsCaseInsensitiveField(table, field) || (constraint && constraint->IsCaseInsensitive(field))) {
        text.Format(L"NLSSORT(%s,'NLS_SORT=BINARY_CI')", field);
    } else {
        text = field;
    }
    return text;
}

void VrlDbmsOracle::DropParentheticals(CString& text) const {
    RemoveParentheticals(text);
}

void VrlDbmsOracle::GenerateCaseInsenstiveIndex(const VrlTable* table, const VrlConstraint* constraint,
                                                std::vector<CString>& statements) const {
    if (!table || !constraint) {
        return;
    }
    AddTo(statements, FormatCreateIndex(L"CI_" + constraint->GetNameRef(), table->GetNameRef(),
                                        GetIndexFields(table, constraint)));
}

bool VrlDbmsOracle::HasCaseInsensitiveField(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!constraint) {
        return false;
    }
    for (const CString& field : constraint->GetFields()) {
        if (IsCaseInsensitiveField(table, field)) {
            return true;
        }
    }
    return false;
}

bool VrlDbmsOracle::IsCaseInsensitiveField(const VrlTable* table, const wchar_t* field) const {
    const VrlField* column = table ? table->GetField(field) : nullptr;
    if (!column) {
        return false;
    }
    switch (column->GetDataType()) {
    case dtGuid:
    case dtGuid23:
    case dtName:
    case dtGuid28:
        return true;
    default:
        return false;
    }
}

void VrlDbmsOracle::GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const {
    PublishStoredProcedureGenerator generator;
    generator.Generate(GetSchema(), buffer, length, GetSqlStrings(), m_pszName, true);
}

} // namespace VrlSchemaLib
