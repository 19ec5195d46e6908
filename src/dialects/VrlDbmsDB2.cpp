#include "VrlDbmsDB2.h"
#include "../publish/PublishStoredProcedureGenerator.h"

#include "../schema/ObjectExistsFormats.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlView.h"
#include "../support/VrlConversions.h"
#include "VrlDateTimeSplit.h"

namespace VrlSchemaLib {

namespace {

struct TypeName {
    VrlDataType type;
    const wchar_t* text;
};

struct TemplateText {
    int id;
    const wchar_t* text;
};

// clang-format off
// Codes not listed keep the base's text (17, 25, 26) or have none (27, 30).
const TypeName s_aDB2Types[] = {
    {dtInteger, L"int"},
    {dtGuid, L"VARGRAPHIC(38)"},
    {dtAutoIncrement, L"int"},
    {dtBoolean, L"SMALLINT"},
    {dtByte, L"SMALLINT"},
    {dtShort, L"smallint"},
    {dtLong, L"int"},
    {dtBigInt, L"bigint"},
    {dtSingle, L"real"},
    {dtDouble, L"float"},
    {dtString, L"VARGRAPHIC"},
    {dtDateTime, L"TIMESTAMP"},
    {dtBinary, L"BLOB"},
    {dtLongText, L"DBCLOB"},
    {dtString256, L"VARGRAPHIC(256)"},
    {dtMemo, L"VARGRAPHIC(256)"},
    {dtInteger18, L"int"},
    {dtInteger19, L"int"},
    {dtInteger20, L"int"},
    {dtInteger21, L"int"},
    {dtMemo22, L"DBCLOB"},
    {dtGuid23, L"VARGRAPHIC(38)"},
    {dtName, L"VARGRAPHIC"},
    {dtGuid28, L"VARGRAPHIC(38)"},
    {dtTimestamp, L"TIMESTAMP"},
};

// Registered in this order: ascending ids, except that 15 comes before 14.
const TemplateText s_aDB2Templates[] = {
    {0, L"DB2"},
    {1, L""},
    {2, L"CREATE FUNCTION len(sInput VARGRAPHIC(4000)) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nRETURN LENGTH(sInput)"},
    {3, L"CREATE FUNCTION BitAnd(plArg1 INT, plArg2 INT) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE lArg1 INT; \n\tDECLARE lArg2 INT; \n\tDECLARE lCurrentBit INT DEFAULT 1; \n\tDECLARE lResult INT DEFAULT 0; \n\tSET lArg1 = plArg1; \n\tSET lArg2 = plArg2; \n\tWHILE lArg1 > 0 DO \n\t\tIF MOD(lArg1,2) = 1 AND MOD(lArg2,2) = 1 THEN \n\t\t\tSET lResult = lResult + lCurrentBit; \n\t\tEND IF; \n\t\tSET lArg1 = lArg1 / 2; \n\t\tSET lArg2 = lArg2 / 2; \n\t\tSET lCurrentBit = lCurrentBit * 2; \n\tEND WHILE; \n\tRETURN lResult; \nEND"},
    {4, L""},
    {5, L"CREATE TABLE NewIDTable( \n\tIDOffset\tINT NOT NULL GENERATED ALWAYS AS IDENTITY(START WITH 0), \n\tNewID\t\tINT, \n\tNewParentID INT, \n\tAdminID\t\tINT)"},
    {6, L";\r\n\r\n"},
    {7, L"SELECT * \n\tFROM qryField_BASE_PROJECTION \n\tWHERE BatchID=&# AND \n\t\tFolderID>0 \n\tORDER BY FolderID, DisplayOrder, RowNumber"},
    {8, L"CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))"},
    {9, L"CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)"},
    {10, L"CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)"},
    {11, L"CREATE FUNCTION CharIndex(sFindThis VARGRAPHIC(2000), sInThis VARGRAPHIC(2000)) \n\tRETURNS INT \n\tCALLED ON NULL INPUT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE iTries INT; \n\tDECLARE iPosn INT DEFAULT 1; \n\tIF sFindThis IS NULL OR sInThis IS NULL THEN \n\t\tRETURN 0; \n\tEND IF; \n\tSET iTries = LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\tWHILE iTries>0 DO \n\t\tIF UPPER(sFindThis)=UPPER(SUBSTR(sInThis,iPosn,LENGTH(sFindThis))) THEN \n\t\t\tRETURN iPosn; \n\t\tEND IF; \n\t\tSET iTries = iTries - 1; \n\t\tSET iPosn = iPosn + 1; \n\tEND WHILE; \n\tRETURN 0; \nEND"},
    {12, L"CREATE TABLE &1(\n&2&3)"},
    {13, L"CREATE PROCEDURE &1(&2) \nBEGIN \n\tBEGIN \n\t\t&3; \n\tEND; \nEND"},
    {15, L"CREATE PROCEDURE &1(pmyID &2) \n\tDYNAMIC RESULT SETS 1 \nBEGIN \n\tDECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR \n\t\tSELECT * \n\t\tFROM &3 \n\t\tWHERE pmyID IS NULL OR &4 > pmyID \n\t\tORDER BY &4 \n\t\tFETCH FIRST &# ROWS ONLY; \n\tOPEN lCursor; \nEND"},
    {14, L"CREATE PROCEDURE &1(&2) \nBEGIN \nDECLARE SQLCODE INTEGER DEFAULT 0; \n\tBEGIN \n\t\t&3; \n\tEND; \nEND"},
    {16, L"&1 &2 &4 &3"},
    {17, L",\n\t&1UC &2GRAPHIC(&#) &3 GENERATED AS(UPPER(&1))"},
    {18, L"&!"},
    {19, L"CREATE FUNCTION &1(&2) \n\tRETURNS &3 \n\tNOT DETERMINISTIC \nBEGIN ATOMIC \n\t&4; \nEND"},
    {20, L"INOUT"},
    {21, L"&2 &1 &3"},
    {22, L"CREATE PROCEDURE procPublishBatchDef( \n\t@lBatchDefID INT, \n\tOUT @lPublishedBatchDefID INT, \n\tOUT @strBatchDefGUID CHAR(38)) \nBEGIN \n\tDECLARE @lNextID INT; \n\tDECLARE @lNextVersionNum INT; \n\tDECLARE @lMaxBCVersionNum INT;\n\tSET @strBatchDefGUID = FormatGuid(); \n\tSET @lNextVersionNum = NULL; \n\tCALL procIncrementNextAutoNumber(2, 0, 'BatchDefID', 1, @lPublishedBatchDefID); \n\tSELECT BCVersioning INTO @lMaxBCVersionNum FROM VGlobal; IF (@lMaxBCVersionNum = -1) THEN SET @lMaxBCVersionNum = 2147483647; END IF;\n\tIF (@lMaxBCVersionNum >= 1) THEN \n\t\tSELECT NextID INTO @lNextVersionNum  FROM AutoNumber WHERE Type=2 AND BatchID=@lBatchDefID AND ColumnName='VersionNum'; \t\tIF @lNextVersionNum IS NULL THEN\n\t\t\tSET @lNextVersionNum = 1;\n\t\t\tCALL procInsertAutoNumber(2, @lBatchDefID, 'VersionNum', 2);\n\t\tELSE\t\t\tCALL procIncrementNextAutoNumber(2, @lBatchDefID, 'VersionNum', 1, @lNextVersionNum); \n\t\tEND IF;\n\t\tIF (@lNextVersionNum > 2147483647) THEN \n\t\t\tSET @lNextVersionNum = 1; \n\t\t\tUPDATE AutoNumber SET NextID = (@lNextVersionNum + 1) \n\t\t\t\tWHERE Type=2 AND BatchID = @lBatchDefID AND ColumnName='VersionNum'; \n\t\tEND IF; \n\tEND IF;\n"},
    {23, L"\tDELETE FROM NewIDTable; \n\tDELETE FROM poParentNewIDTable; \n\tDELETE FROM poDocDefNewIDTable; \n\tCOMMIT; \nEND"},
    {24, L"\tDELETE FROM NewIDTable; \n"},
    {25, L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 \n\t\tORDER BY &2; \n"},
    {26, L"\tINSERT INTO BatchDef(BatchDefID, PublishedBatchDefID, AdminID, &1) \n\t\tSELECT @lPublishedBatchDefID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\t@lBatchDefID, \n\t\t\t&2 \n\t\tFROM BatchDef \n\t\tWHERE BatchDefID=@lBatchDefID; \n"},
    {27, L"\tINSERT INTO NewIDTable(AdminID) \n\t\tSELECT &1 \n\t\tFROM &2 \n\t\tWHERE PublishedBatchDefID=0 AND \n\t\t\t&1>0 \n\t\tORDER BY &1; \n"},
    {28, L"\tINSERT INTO NewIDTable(AdminID) VALUES(@lBatchDefID); \n"},
    {29, L"\tINSERT INTO NewIDTable(NewParentID, AdminID) \n\t\tSELECT p.NewID, \n\t\t\t&1 \n\t\tFROM &2, \n\t\t\tpoParentNewIDTable p \n\t\tWHERE &3=p.AdminID AND \n\t\t\tp.Depth=&# \n\t\tORDER BY &1; \n"},
    {30, L"\tINSERT INTO NewIDTable(NewID, NewParentID, AdminID) \n\t\tSELECT NewID, \n\t\t\tNewID, \n\t\t\tAdminID \n\t\t\tFROM @oParentNewIDTable \n\t\t\tWHERE Depth = &#; \n"},
    {31, L"\tINSERT INTO NewIDTable(AdminID) \n\t\tSELECT DocDefID \n\t\tFROM BatchDef_DocDef \n\t\tWHERE BatchDefID=@lBatchDefID \n\t\tORDER BY DocDefID; \n"},
    {32, L"\tSELECT NextID \n\t\tINTO @lNextID \n\t\tFROM autoNumber \n\t\tWHERE Type=2 AND \n\t\t\tColumnNameUC=UPPER('&1') \n\t\tWITH RR; \n\tUPDATE autoNumber \n\t\tSET NextID = NextID+( \n\t\t\tSELECT COUNT(*) \n\t\t\tFROM NewIDTable) \n\t\tWHERE Type=2 AND \n\t\t\tColumnNameUC=UPPER('&1'); \n"},
    {33, L"\tINSERT INTO poDocDefNewIDTable(NewID, AdminID) \n\t\tSELECT NewID, \n\t\t\tAdminID \n\t\tFROM NewIDTable; \n"},
    {34, L"\tDELETE FROM @oParentNewIDTable\n\t\tWHERE Depth = &#; \n"},
    {35, L"\tINSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) \n\t\tSELECT &#, \n\t\t\tNewID, \n\t\t\tAdminID \n\t\tFROM NewIDTable; \n"},
    {36, L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, &4) \n\t\tSELECT t.NewID, \n\t\t\tt.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&5 \n\t\tFROM NewIDTable t, \n\t\t\t&6 \n\t\tWHERE t.AdminID = &2 AND \n\t\t\tPublishedBatchDefID = 0 AND \n\t\t\t&3 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM @oParentNewIDTable p \n\t\t\t\tWHERE p.Depth = &#); \n"},
    {37, L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, BatchDefID, DocDefID, &4) \n\t\tSELECT t.NewID, \n\t\t\tt.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tDocDefID, \n\t\t\t&5 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND  \n\t\t\tPublishedBatchDefID=0 AND  \n\t\t\t&3 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM poParentNewIDTable p \n\t\t\t\tWHERE p.Depth=&#); \n"},
    {38, L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewParentID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 AND \n\t\t\t&5 IN( \n\t\t\t\tSELECT p.AdminID \n\t\t\t\tFROM poParentNewIDTable p \n\t\t\t\tWHERE p.Depth=&#); \n"},
    {39, L"\tINSERT INTO NewIDTable(AdminID) \n\t\tSELECT &1 \n\t\tFROM &2 t, \n\t\t\tpoDocDefNewIDTable d \n\t\tWHERE BatchDefID=plBatchDefID AND \n\t\t\tDocDefID=d.AdminID AND \n\t\t\tPublishedBatchDefID=0 \n\t\tORDER BY &1; \n"},
    {40, L"\tINSERT INTO &1(&2, BatchDefID, DocDefID, PublishedBatchDefID, AdminID, &3) \n\t\tSELECT t.NewID, \n\t\t\t@lBatchDefID, \n\t\t\td.NewID, \n\t\t\t@lPublishedBatchDefID, \n\t\t\tt.AdminID, \n\t\t\t&4 \n\t\tFROM NewIDTable t, \n\t\t\tpoDocDefNewIDTable d, \n\t\t\t&1 \n\t\tWHERE t.AdminID=&2 AND \n\t\t\tPublishedBatchDefID=0 AND \n\t\t\tBatchDefID=@lBatchDefID AND \n\t\t\tDocDefID=d.AdminID; \n"},
    {41, L"\tUPDATE &1 t \n\t\tSET &2 = ( \n\t\t\tSELECT r.&3 \n\t\t\tFROM &4 r \n\t\t\tWHERE t.&2=r.AdminID AND \n\t\t\t\tr.PublishedBatchDefID=@lPublishedBatchDefID) \n\t\tWHERE t.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM &4 r \n\t\t\t\tWHERE t.&2=r.AdminID AND \n\t\t\t\t\tr.PublishedBatchDefID=@lPublishedBatchDefID); \n"},
    {42, L"\tUPDATE BatchDef \n\t\tSET Referenced = 1 \n\t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID; \n"},
    {43, L"\tUPDATE &1 c \n\t\tSET Referenced = 1 \n\t\tWHERE Referenced=0 AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM &2 p \n\t\t\t\tWHERE c.&3=p.&4 AND \n\t\t\t\t\tp.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\t\t\tp.Referenced=1); \n"},
    {44, L"\tUPDATE &1 c \n\t\tSET Referenced = 1 \n\t\tWHERE Referenced=0 AND \n\t\t\tEXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM BatchDef_DocDef p \n\t\t\t\t\tWHERE c.DocDefID=p.DocDefID AND \n\t\t\t\t\t\tc.BatchDefID=p.BatchDefID AND \n\t\t\t\t\t\tp.PublishedBatchDefID=@lPublishedBatchDefID AND \n\t\t\t\t\t\tp.Referenced=1); \n"},
    {45, L"\tDELETE FROM &1 \t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID AND \t\t\tReferenced=0;"},
    {46, L"\t\tCASE \n\t\t\tWHEN EXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tTHEN ( \n\t\t\t\tSELECT RescanLocation \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tELSE ( \n\t\t\t\tSELECT RescanLocation \n\t\t\t\tFROM VeskCProfile \n\t\t\t\tWHERE ProfileID='&1') END AS RescanLocation \n"},
    {47, L"\t\tCASE \n\t\t\tWHEN EXISTS( \n\t\t\t\tSELECT 1 \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tTHEN ( \n\t\t\t\tSELECT RetainImages \n\t\t\t\tFROM VeskCBatchClass \n\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n\t\t\t\t\tProfileID='&1') \n\t\t\tELSE ( \n\t\t\t\tSELECT RetainImages \n\t\t\t\tFROM VeskCProfile \n\t\t\t\tWHERE ProfileID='&1') END AS RetainImages \n"},
    {48, L"\tCALL publishBatchDefSubr&#(@lBatchDefID,@lPublishedBatchDefID,@lNextID); \n<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr&#( \n\t@lBatchDefID INT, \n\t@lPublishedBatchDefID INT, \n\tINOUT @lNextID INT) \nBEGIN \n"},
    {49, L"END</SUBROUTINE>"},
    {50, L"(&1) q2"},
    {51, L"SELECT &2 FROM &1 FETCH FIRST ROW ONLY"},
    {52, L""},
    {53, L"ALTER TABLE &1 ALTER COLUMN &2 SET DATA TYPE &3"},
    {54, L"&1"},
    {55, L"DROP INDEX &2"},
    {56, L"UPDATE AutoDocSepOpt SET Referenced = 1 WHERE PublishedBatchDefID = @lPublishedBatchDefID AND Method NOT IN (4,6);"},
    {57, L"BEGIN\nDECLARE lNumRow INTEGER;\nSELECT COUNT(*) INTO lNumRow FROM NewIDTable WHERE NewIDTable.NewID=15000;\n IF lNumRow > 0 THEN\n"},
    {58, L"END IF;\nEND;\n"},
    {59, L"\n\tBEGIN\n\t\tDECLARE @lRowIndex INT DEFAULT 0;\n\t\tDECLARE @lNextVersionNum INT;\n\t\tDECLARE @lBatchDefIDVal INT; \n\t\tDECLARE @lBatchCount INT; \n\t\tIF (@lMaxBCVersionNum >= 1) THEN \n\t\t\tBEGIN \n\t\t\t\tDECLARE EOF INT DEFAULT 0; \n\t\t\t\tDECLARE oCursor CURSOR FOR  SELECT BatchDef.BatchDefID FROM BatchDef \n\t\t\t\t\t\tWHERE BatchDef.OriginalBatchDefID = @lBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND BatchDef.VersionNum <> 0 \n\t\t\t\t\t\tORDER BY BatchDef.LastPublished DESC; \n\t\t\t\tDECLARE CONTINUE HANDLER FOR NOT FOUND SET EOF = 1;\n\t\t\t\tOPEN oCursor; \n\t\t\t\tWHILE EOF = 0 DO \n\t\t\t\t\tFETCH FROM oCursor INTO @lBatchDefIDVal; \n\t\t\t\t\tIF (@lRowIndex > @lMaxBCVersionNum) THEN \n\t\t\t\t\t\tSELECT COUNT(*) INTO @lBatchCount FROM BatchCatalog WHERE BatchCatalog.BatchDefID=@lBatchDefIDVal; \n\t\t\t\t\t\tUPDATE BatchDef SET VersionNum=0 WHERE BatchDef.BatchDefID=@lBatchDefIDVal AND @lBatchCount = 0; \n\t\t\t\t\tEND IF; \n\t\t\t\t\tSET @lRowIndex = @lRowIndex + 1; \n\t\t\t\tEND WHILE; \n\t\t\t\tCLOSE oCursor; \n\t\t\tEND;\n\t\tELSE \n\t\t\tUPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.OriginalBatchDefID=@lBatchDefID;\n\t\tEND IF;\n\tEND;\n"},
};

// clang-format on

// Declares the result cursor where a body marks its result query.
const wchar_t* const s_pszDeclareCursor = L"DECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR\n";

} // namespace

VrlDbmsDB2::VrlDbmsDB2(const VrlSchema* schema, const wchar_t* name)
    : VrlDbmsAnsi(schema, name, ObjectExistsFormats::GetDB2Formats()) {
    m_nDbmsType = cm_nDB2;
    for (const TypeName& entry : s_aDB2Types) {
        SetTypeText(entry.type, entry.text);
    }
    for (const TemplateText& entry : s_aDB2Templates) {
        m_oSqlStrings.Add(entry.id, entry.text);
    }
}

VrlDbmsDB2::~VrlDbmsDB2() = default;

void VrlDbmsDB2::GenerateSchema(std::vector<CString>& statements) {
    GenerateSchemaFunctionsFirst(statements);
}

CString VrlDbmsDB2::CreateWhereComparison(const wchar_t* table, const wchar_t* field,
                                          const wchar_t* value) const {
    const VrlSchema* schema = GetSchema();
    const VrlField* column = schema ? schema->GetField(table, field) : nullptr;
    if (!column || column->GetDataType() != dtName) {
        return VrlDbmsAnsi::CreateWhereComparison(table, field, value);
    }
    CString upperValue(value);
    upperValue.MakeUpper();
    CString text;
    text.Format(L"%s=%s", GetShadowedColumnName(field).GetString(), upperValue.GetString());
    return text;
}

// The base appends the extra-columns buffer to the name, which for DB2 holds
// the shadow-column clauses of whatever table was generated last and would
// not parse. The shadow columns belong to the table and go with it, so the
// plain statement is all that is needed.
CString VrlDbmsDB2::FormatDropTable(const VrlTable* table) const {
    if (!table) {
        return CString();
    }
    return FormatDropTable(table->GetNameRef());
}

// An unknown name is dropped as a constraint of that name.
CString VrlDbmsDB2::FormatDropConstraint(const VrlTable* table, const wchar_t* name) const {
    const VrlConstraint* constraint = table ? table->GetConstraint(name) : nullptr;
    if (constraint && constraint->GetType() == ctUnique && HasNullableFields(table, constraint)) {
        CString text;
        text.Format(L"DROP INDEX %s", LimitName(constraint->GetNameRef()).GetString());
        return text;
    }
    return VrlDbmsAnsi::FormatDropConstraint(table, name);
}

CString VrlDbmsDB2::FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!constraint) {
        return CString();
    }
    if (!table) {
        table = constraint->GetTable();
    }
    CString name = constraint->GetNameRef();
    VrlConstraintType type = constraint->GetType();
    CString text;
    if (type == ctIndex || type == ctIndex6) {
        text = FormatDropIndex(table, name);
    } else if (type == ctUnique && HasNullableFields(table, constraint)) {
        text.Format(L"DROP INDEX %s", LimitName(name).GetString());
    } else {
        text = VrlDbmsAnsi::FormatDropConstraint(table, name);
    }
    // Only keys of type 3 are created with a companion index.
    if (type == ctForeignKey) {
        text += L"; ";
        text += FormatDropIndex(table, name + L"Index");
    }
    return text;
}

CString VrlDbmsDB2::FormatAlterProcedure(const VrlProcedure* procedure) const {
    CString text;
    text.Format(L"%s; %s", FormatDropProcedure(procedure).GetString(), GetProcedure(procedure).GetString());
    return text;
}

CString VrlDbmsDB2::FormatAlterView(const VrlView* view) const {
    CString text;
    text.Format(L"%s; %s", FormatDropView(view).GetString(), GetView(view).GetString());
    return text;
}

CString VrlDbmsDB2::FormatObjectExists(const VrlSchemaObject* object) const {
    const VrlConstraint* constraint = dynamic_cast<const VrlConstraint*>(object);
    if (!constraint) {
        return VrlDbmsAnsi::FormatObjectExists(object);
    }
    const ObjectExistsFormats* formats = ObjectExistsFormats::GetDB2Formats();
    const VrlTable* table = constraint->GetTable();
    CString format;
    if (constraint->GetType() == ctUnique && table && HasNullableFields(table, constraint)) {
        // Such a constraint exists as a unique index, not in TABCONST.
        format = FillExistsFormat(formats->GetUniqueIndexFormat(), table->GetNameRef());
    } else {
        format = constraint->GetExistsFormat(formats);
    }
    return FillExistsFormat(format, LimitName(constraint->GetNameRef()));
}

long VrlDbmsDB2::GetPublishBatchDefSubProcedureCount() const {
    return 33;
}

CString VrlDbmsDB2::FormatDateTime(COleDateTime value, int withMilliseconds) const {
    if (value.GetStatus() == COleDateTime::valid && value.GetYear() >= 1900) {
        VrlDateTimeSplit parts;
        if (withMilliseconds && parts.Split(value.m_dt)) {
            CString text;
            text.Format(L"'%04d-%02d-%02d %02d:%02d:%02d.%03d000'", parts.m_nYear, parts.m_nMonth,
                        parts.m_nDay, parts.m_nHour, parts.m_nMinute, parts.m_nSecond, parts.m_nMillisecond);
            return text;
        }
        return value.Format(L"'%Y-%m-%d %H:%M:%S.000000'");
    }
    return value.Format(L"'1900-01-01 %H:%M:%S.000000'");
}

CString VrlDbmsDB2::FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!table || !constraint || !HasNullableFields(table, constraint)) {
        return VrlDbmsAnsi::FormatUniqueConstraint(table, constraint);
    }
    // DB2 accepts a unique constraint only over NOT NULL columns.
    CString text;
    text.Format(L"CREATE UNIQUE INDEX %s ON %s(%s)", LimitName(constraint->GetNameRef()).GetString(),
                table->GetNameRef().GetString(), GetIndexFields(table, constraint).GetString());
    return text;
}

CString VrlDbmsDB2::GetCurrentTimeFunction() const {
    return CString(L"CURRENT TIMESTAMP");
}

CString VrlDbmsDB2::GetTimeOffsetFunction() const {
    return CString(L"-(HOUR(CURRENT TIMEZONE)*60 + MINUTE(CURRENT TIMEZONE))");
}

CString VrlDbmsDB2::GetProcedure(const VrlProcedure* procedure) const {
    if (!procedure) {
        return CString();
    }
    CString name = AdjustObjectName(procedure->GetNameRef());
    CString body = GetProcedureBody(procedure);
    if (name.IsEmpty() || body.IsEmpty()) {
        return CString();
    }
    // "!" marks the result query: the cursor is declared there and opened
    // after the body. "!!" marks a body that opens the cursor itself.
    bool opensItself = body.Find(L"!!") >= 0;
    if (!opensItself && body.Find(L'!') >= 0) {
        body += L"; \n\tOPEN lCursor";
    }
    CString text = Sql(procedure->WithSqlCodeDeclared() ? 14 : 13, name, GetProcParameters(procedure), body);
    text.Replace(opensItself ? L"!!" : L"!", s_pszDeclareCursor);
    text.Replace(L'@', L'p');
    return text;
}

CString VrlDbmsDB2::GetFunction(const VrlFunction* function) const {
    if (!function) {
        return CString();
    }
    CString name = function->GetNameRef();
    CString body = GetFunctionBody(function);
    if (name.IsEmpty() || body.IsEmpty()) {
        return CString();
    }
    VrlDataDefinition returnType = function->GetReturnType();
    CString returns = FormatSchemaCreationDataType(returnType.GetDataType(), returnType.GetLength());
    if (returnType.GetDataType() == dtTable) {
        body = Sql(18, body);
    }
    CString text = Sql(19, name, GetFuncParameters(function), returns, body);
    text.Replace(L'@', L'p');
    return text;
}

CString VrlDbmsDB2::ReplaceQuotes(const wchar_t* text) const {
    if (IsAscii(text)) {
        return VrlDbmsAnsi::ReplaceQuotes(text);
    }
    // The literal of a non-ASCII text carries the N prefix; the quote is
    // closed out, added as a literal of its own and the Unicode literal
    // reopened.
    CString result(text);
    result.Replace(L"'", L"' || '''' || N'");
    return result;
}

CString VrlDbmsDB2::GetShadowedColumnName(const wchar_t* name) const {
    return CString(name) + L"UC";
}

bool VrlDbmsDB2::HasNullableFields(const VrlTable* table, const VrlConstraint* constraint) const {
    if (!constraint) {
        return false;
    }
    for (const CString& field : constraint->GetFields()) {
        if (IsNullableField(table, field)) {
            return true;
        }
    }
    return false;
}

bool VrlDbmsDB2::IsNullableField(const VrlTable* table, const wchar_t* field) const {
    if (!table || !field) {
        return false;
    }
    const VrlField* column = table->GetField(field);
    CString name(field);
    if (!column && name.GetLength() > 2) {
        column = table->GetField(name.Left(name.GetLength() - 2));
    }
    return column && column->GetNullType() == ntNull;
}

void VrlDbmsDB2::GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const {
    PublishStoredProcedureGenerator generator;
    generator.Generate(GetSchema(), buffer, length, GetSqlStrings(), m_pszName, true);
}

} // namespace VrlSchemaLib
