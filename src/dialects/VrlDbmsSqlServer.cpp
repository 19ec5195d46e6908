#include "VrlDbmsSqlServer.h"

#include <cwchar>
#include <iterator>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>

#include "../platform/CException.h"
#include "../publish/PublishStoredProcedureGenerator.h"
#include "../schema/ObjectExistsFormats.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "VrlDateTimeSplit.h"

namespace VrlSchemaLib {

using namespace std::string_view_literals;

namespace {

// The default clause of a column without a default value.
constexpr std::wstring_view kNullDefault = L"DEFAULT (NULL)";
// A column default: the literal in "DEFAULT (" and ")".
constexpr std::wstring_view kDefaultOpen = L"DEFAULT (";

CString DefaultClause(const CString& literal) {
    return CString::Concat(kDefaultOpen, literal, L')');
}

// Templates 0 to 59. Ids 22 to 47 and 56 to 59 are the pieces of the publish
// procedure; the ids of other dialects' support objects are empty.
const wchar_t* const kTemplates[60] = {
    /* 0 */ L"SqlServer",
    /* 1 */ L"",
    /* 2 */ L"",
    /* 3 */ L"",
    /* 4 */ L"",
    /* 5 */
    L"CREATE TABLE dbo.NewIDTable( \n"
    L"\tIDOffset\tINT IDENTITY(0,1), \n"
    L"\tNewID\t\tINT, \n"
    L"\tNewParentID INT, \n"
    L"\tAdminID\t\tINT)",
    /* 6 */
    L"\r\n"
    L"GO\r\n"
    L"\r\n",
    /* 7 */
    L"SELECT * \n"
    L"\tFROM qryField_BASE_PROJECTION \n"
    L"\tWHERE BatchID=&# AND \n"
    L"\t\tFolderID>0 \n"
    L"\tORDER BY FolderID, DisplayOrder, RowNumber",
    /* 8 */ L"",
    /* 9 */ L"",
    /* 10 */ L"",
    /* 11 */ L"",
    /* 12 */
    L"CREATE TABLE dbo.&1(\n"
    L"&2&3)",
    /* 13 */
    L"CREATE PROCEDURE &1 &2 AS \n"
    L"\t&3",
    /* 14 */ L"",
    /* 15 */
    L"CREATE PROCEDURE &1 \n"
    L"\t@myID &2 \n"
    L"AS \n"
    L"\tSELECT TOP &# * \n"
    L"\t\tFROM &3 \n"
    L"\t\tWHERE @myID IS NULL OR &4 > @myID \n"
    L"\t\tORDER BY &4 ",
    /* 16 */ L"&1 &2 &4 &3",
    /* 17 */ L"",
    /* 18 */ L"AS RETURN(&1)",
    /* 19 */
    L"CREATE FUNCTION dbo.&1(&2) \n"
    L"\tRETURNS &3 \n"
    L"&4",
    /* 20 */ L"OUT",
    /* 21 */ L"&1 &3 &2",
    /* 22 */
    L"CREATE PROCEDURE dbo.procPublishBatchDef( \n"
    L"\t@lBatchDefID INT, \n"
    L"\t@lPublishedBatchDefID INT OUT, \n"
    L"\t@strBatchDefGUID CHAR(38) OUT) \n"
    L"AS \n"
    L"\tDECLARE @oParentNewIDTable TABLE( \n"
    L"\t\t\tDepth INT, \n"
    L"\t\t\tNewID INT, \n"
    L"\t\t\tNewID2 INT, \n"
    L"\t\t\tAdminID INT, \n"
    L"\t\tAdminID2 INT) \n"
    L"\tDECLARE @lNextID INT \n"
    L"\tDECLARE @lNextVersionNum INT = NULL; \n"
    L"\tDECLARE @lMaxBCVersionNum INT; \n"
    L"\tBEGIN TRANSACTION \n"
    L"\tSET @strBatchDefGUID = '{' + CONVERT(VARCHAR(36),NEWID()) + '}' \n"
    L"\tEXEC procIncrementNextAutoNumber 2, 0, 'BatchDefID', 1, @lPublishedBatchDefID OUT ;\n"
    L"\tSET @lMaxBCVersionNum = (SELECT BCVersioning FROM VGlobal); IF (@lMaxBCVersionNum = -1) BEGIN SET "
    L"@lMaxBCVersionNum = 2147483647; END;\n"
    L"\tIF (@lMaxBCVersionNum >= 1) BEGIN \n"
    L"\t\tEXEC procIncrementNextAutoNumber 2, @lBatchDefID, 'VersionNum', 1, @lNextVersionNum OUT ; \n"
    L"\t\tIF @lNextVersionNum IS NULL BEGIN \n"
    L"\t\t\tSET @lNextVersionNum = 1; \n"
    L"\t\t\tEXEC procInsertAutoNumber 2, @lBatchDefID, 'VersionNum', 2; \n"
    L"\t\tEND; \n"
    L"\t\tIF (@lNextVersionNum > 2147483647) BEGIN \n"
    L"\t\t\tSET @lNextVersionNum = 1; \n"
    L"\t\t\tUPDATE AutoNumber SET NextID = (@lNextVersionNum + 1) \n"
    L"\t\t\t\tWHERE Type=2 AND BatchID = @lBatchDefID AND ColumnName='VersionNum'; \n"
    L"\t\tEND; \n"
    L"\tEND;",
    /* 23 */
    L"\tTRUNCATE TABLE NewIDTable \n"
    L"\tCOMMIT TRANSACTION \n",
    /* 24 */ L"\tTRUNCATE TABLE NewIDTable \n",
    /* 25 */
    L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n"
    L"\t\tSELECT t.NewID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\tt.AdminID, \n"
    L"\t\t\t&4 \n"
    L"\t\tFROM NewIDTable t, \n"
    L"\t\t\t&1 \n"
    L"\t\tWHERE t.AdminID=&2 AND \n"
    L"\t\t\tPublishedBatchDefID=0 \n"
    L"\t\tORDER BY &2; \n",
    /* 26 */
    L"\tINSERT INTO BatchDef(BatchDefID, PublishedBatchDefID, AdminID, &1) \n"
    L"\t\tSELECT @lPublishedBatchDefID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\t@lBatchDefID, \n"
    L"\t\t\t&2 \n"
    L"\t\tFROM BatchDef \n"
    L"\t\tWHERE BatchDefID=@lBatchDefID; \n",
    /* 27 */
    L"\tINSERT INTO NewIDTable (AdminID) \n"
    L"\t\tSELECT &1 FROM &2 \n"
    L"\t\t\tWHERE PublishedBatchDefID = 0 \n"
    L"\t\tORDER BY &1  \n",
    /* 28 */ L"\tINSERT INTO NewIDTable (AdminID) VALUES (@lBatchDefID) \n",
    /* 29 */
    L"\tINSERT INTO NewIDTable(NewParentID, AdminID) \n"
    L"\t\tSELECT p.NewID, \n"
    L"\t\t\t&1 \n"
    L"\t\tFROM &2, \n"
    L"\t\t\t@oParentNewIDTable AS p \n"
    L"\t\tWHERE &3 = p.AdminID AND \n"
    L"\t\t\tp.Depth = &# \n"
    L"\t\tORDER BY &1 \n",
    /* 30 */
    L"\tINSERT INTO NewIDTable(NewID, NewParentID, AdminID) \n"
    L"\t\tSELECT NewID, \n"
    L"\t\t\tNewID, \n"
    L"\t\t\tAdminID \n"
    L"\t\t\tFROM @oParentNewIDTable \n"
    L"\t\t\tWHERE Depth = &#; \n",
    /* 31 */
    L"\tINSERT INTO NewIDTable (AdminID) \n"
    L"\t\tSELECT d.DocDefID \n"
    L"\t\t\tFROM DocumentDef AS d, BatchDef_DocDef AS bd \n"
    L"\t\t\tWHERE d.DocDefID = bd.DocDefID \n"
    L"\t\t\t\tAND bd.BatchDefID = @lBatchDefID \n"
    L"\t\tORDER BY d.DocDefID  \n",
    /* 32 */
    L"\tUPDATE AutoNumber \n"
    L"\t\tSET @lNextID = NextID, \n"
    L"\t\t\tNextID = NextID + (SELECT Count(*) FROM NewIDTable) \n"
    L"\t\tWHERE Type = 2 AND ColumnName = '&1'  \n",
    /* 33 */
    L"\tDECLARE @oDocDefNewIDTable TABLE (NewID INT, AdminID INT) \n"
    L"\tINSERT INTO @oDocDefNewIDTable (NewID, AdminID) \n"
    L"\t\tSELECT NewID, AdminID FROM NewIDTable  \n",
    /* 34 */
    L"\tDELETE FROM @oParentNewIDTable\n"
    L"\t\tWHERE Depth = &#; \n",
    /* 35 */
    L"\tINSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) \n"
    L"\t\tSELECT &#, \n"
    L"\t\t\tNewID, \n"
    L"\t\t\tAdminID \n"
    L"\t\tFROM NewIDTable; \n",
    /* 36 */
    L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, &4) \n"
    L"\t\tSELECT t.NewID, \n"
    L"\t\t\tt.NewParentID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\tt.AdminID, \n"
    L"\t\t\t&5 \n"
    L"\t\tFROM NewIDTable AS t, \n"
    L"\t\t\t&6 \n"
    L"\t\tWHERE t.AdminID = &2 AND \n"
    L"\t\t\tPublishedBatchDefID = 0 AND \n"
    L"\t\t\t&3 IN( \n"
    L"\t\t\t\tSELECT p.AdminID \n"
    L"\t\t\t\tFROM @oParentNewIDTable p \n"
    L"\t\t\t\tWHERE p.Depth = &#); \n",
    /* 37 */
    L"\tINSERT INTO &1(&2, &3, PublishedBatchDefID, AdminID, BatchDefID, DocDefID, &4) \n"
    L"\t\tSELECT t.NewID, \n"
    L"\t\t\tt.NewParentID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\tt.AdminID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\tDocDefID, \n"
    L"\t\t\t&5 \n"
    L"\t\tFROM NewIDTable AS t, \n"
    L"\t\t\t&1\n"
    L"\t\tWHERE t.AdminID = &2 AND \n"
    L"\t\t\tPublishedBatchDefID = 0 AND \n"
    L"\t\t\t&3 IN( \n"
    L"\t\t\t\tSELECT p.AdminID \n"
    L"\t\t\t\tFROM @oParentNewIDTable p \n"
    L"\t\t\t\tWHERE p.Depth = &#) \n",
    /* 38 */
    L"\tINSERT INTO &1(&2, PublishedBatchDefID, AdminID, &3) \n"
    L"\t\tSELECT t.NewParentID, \n"
    L"\t\t\t@lPublishedBatchDefID, \n"
    L"\t\t\tt.AdminID, \n"
    L"\t\t\t&4 \n"
    L"\t\tFROM NewIDTable AS t, \n"
    L"\t\t\t&1\n"
    L"\t\tWHERE t.AdminID = &2 AND \n"
    L"\t\t\tPublishedBatchDefID = 0 AND \n"
    L"\t\t\t&5 IN( \n"
    L"\t\t\t\tSELECT p.AdminID \n"
    L"\t\t\t\tFROM @oParentNewIDTable p \n"
    L"\t\t\t\tWHERE p.Depth = &#) \n",
    /* 39 */
    L"\tINSERT INTO NewIDTable(AdminID) \n"
    L"\t\tSELECT &1 \n"
    L"\t\t\tFROM &2 AS t, @oDocDefNewIDTable AS d \n"
    L"\t\t\tWHERE BatchDefID = @lBatchDefID \n"
    L"\t\t\t\tAND DocDefID = d.AdminID \n"
    L"\t\t\t\tAND PublishedBatchDefID = 0 \n"
    L"\t\tORDER BY &1  \n",
    /* 40 */
    L"\tINSERT INTO &1 (&2, BatchDefID, DocDefID, \n"
    L"\t\t\t\t\tPublishedBatchDefID, AdminID, &3) \n"
    L"\t\t\tSELECT t.NewID, @lBatchDefID, d.NewID, \n"
    L"\t\t\t\t\t@lPublishedBatchDefID, t.AdminID, &4 \n"
    L"\t\t\t\tFROM NewIDTable AS t, @oDocDefNewIDTable as d, &1 \n"
    L"\t\t\t\tWHERE t.AdminID = &2 \n"
    L"\t\t\t\t\tAND PublishedBatchDefID = 0 \n"
    L"\t\t\t\t\tAND BatchDefID = @lBatchDefID \n"
    L"\t\t\t\t\tAND DocDefID = d.AdminID  \n",
    /* 41 */
    L"\tUPDATE &1 \n"
    L"\t\tSET &1.&2 = r.&3 \n"
    L"\t\tFROM &1 t INNER JOIN &4 r ON t.&2 = r.AdminID \n"
    L"\t\tWHERE r.PublishedBatchDefID = @lPublishedBatchDefID \n"
    L"\t\t\tAND t.PublishedBatchDefID = @lPublishedBatchDefID  \n",
    /* 42 */
    L"\tUPDATE BatchDef \n"
    L"\t\tSET Referenced = 1 \n"
    L"\t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID; \n",
    /* 43 */
    L"\tUPDATE &1 \n"
    L"\t\tSET Referenced = 1 \n"
    L"\t\tFROM &1 c INNER JOIN &2 p ON c.&3 = p.&4 \n"
    L"\t\tWHERE p.PublishedBatchDefID = @lPublishedBatchDefID \n"
    L"\t\t\tAND p.Referenced = 1  \n",
    /* 44 */
    L"\tUPDATE &1 \n"
    L"\t\tSET Referenced = 1 \n"
    L"\t\tFROM &1 c INNER JOIN BatchDef_DocDef p \n"
    L"\t\t\tON c.DocDefID = p.DocDefID \n"
    L"\t\t\t\tAND c.BatchDefID = p.BatchDefID \n"
    L"\t\tWHERE p.PublishedBatchDefID = @lPublishedBatchDefID \n"
    L"\t\t\tAND p.Referenced = 1  \n",
    /* 45 */ L"\tDELETE FROM &1 \t\tWHERE PublishedBatchDefID=@lPublishedBatchDefID AND \t\t\tReferenced=0;",
    /* 46 */
    L"\t\tCASE \n"
    L"\t\t\tWHEN EXISTS( \n"
    L"\t\t\t\tSELECT 1 \n"
    L"\t\t\t\tFROM VeskCBatchClass \n"
    L"\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n"
    L"\t\t\t\t\tProfileID='&1') \n"
    L"\t\t\tTHEN ( \n"
    L"\t\t\t\tSELECT RescanLocation \n"
    L"\t\t\t\tFROM VeskCBatchClass \n"
    L"\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n"
    L"\t\t\t\t\tProfileID='&1') \n"
    L"\t\t\tELSE ( \n"
    L"\t\t\t\tSELECT RescanLocation \n"
    L"\t\t\t\tFROM VeskCProfile \n"
    L"\t\t\t\tWHERE ProfileID='&1') END AS RescanLocation \n",
    /* 47 */
    L"\t\tCASE \n"
    L"\t\t\tWHEN EXISTS( \n"
    L"\t\t\t\tSELECT 1 \n"
    L"\t\t\t\tFROM VeskCBatchClass \n"
    L"\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n"
    L"\t\t\t\t\tProfileID='&1') \n"
    L"\t\t\tTHEN ( \n"
    L"\t\t\t\tSELECT RetainImages \n"
    L"\t\t\t\tFROM VeskCBatchClass \n"
    L"\t\t\t\tWHERE BatchClassID=@lBatchDefID AND \n"
    L"\t\t\t\t\tProfileID='&1') \n"
    L"\t\t\tELSE ( \n"
    L"\t\t\t\tSELECT RetainImages \n"
    L"\t\t\t\tFROM VeskCProfile \n"
    L"\t\t\t\tWHERE ProfileID='&1') END AS RetainImages \n",
    /* 48 */ L"",
    /* 49 */ L"",
    /* 50 */ L"(&1) AS q2",
    /* 51 */ L"SELECT TOP 1 &2 FROM &1",
    /* 52 */ L"",
    /* 53 */ L"ALTER TABLE &1 ALTER COLUMN &2 &3",
    /* 54 */ L"&1 &2",
    /* 55 */ L"DROP INDEX &2 ON &1",
    /* 56 */
    L"UPDATE AutoDocSepOpt SET Referenced = 1 WHERE PublishedBatchDefID = @lPublishedBatchDefID AND Method "
    L"NOT IN (4,6) ",
    /* 57 */
    L"IF EXISTS (SELECT * FROM NewIDTable WHERE NewIDTable.NewID=15000)\n"
    L"BEGIN\n",
    /* 58 */ L"END\n",
    /* 59 */
    L"\n"
    L"\tDECLARE @lRowIndex INT = 0;\n"
    L"\tDECLARE @lBatchDefIDVal INT; \n"
    L"\tDECLARE @lBatchCount INT; \n"
    L"\tIF (@lMaxBCVersionNum >= 1) \n"
    L"\tBEGIN \n"
    L"\t\tDECLARE @TableBatchDefID TABLE( BatchDefID INT, LastPublished DateTime);\n"
    L"\t\tINSERT INTO @TableBatchDefID \n"
    L"\t\tOUTPUT INSERTED.* \n"
    L"\t\t\tSELECT BatchDef.BatchDefID, BatchDef.LastPublished FROM BatchDef WHERE "
    L"BatchDef.OriginalBatchDefID = @lBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND "
    L"BatchDef.VersionNum <> 0;\n"
    L"\t\tDECLARE oCursor CURSOR FOR SELECT BatchDefID FROM @TableBatchDefID ORDER BY LastPublished DESC; \n"
    L"\t\tOPEN oCursor;\n"
    L"\t\tFETCH NEXT FROM oCursor INTO @lBatchDefIDVal;\n"
    L"\t\tWHILE @@FETCH_STATUS = 0 \n"
    L"\t\tBEGIN \n"
    L"\t\t\tIF (@lRowIndex >= @lMaxBCVersionNum)\n"
    L"\t\t\tBEGIN \n"
    L"\t\t\t\tSELECT @lBatchCount=COUNT(*) FROM BatchCatalog WHERE BatchCatalog.BatchDefID=@lBatchDefIDVal; "
    L"\n"
    L"\t\t\t\tUPDATE BatchDef SET VersionNum=0 WHERE BatchDef.BatchDefID=@lBatchDefIDVal AND "
    L"@lBatchCount=0;\n"
    L"\t\t\tEND;\n"
    L"\t\t\tFETCH NEXT FROM oCursor INTO @lBatchDefIDVal;\n"
    L"\t\t\tSET @lRowIndex = @lRowIndex + 1; \n"
    L"\t\tEND;\n"
    L"\t\tCLOSE oCursor; DEALLOCATE oCursor;\n"
    L"\n"
    L"\tEND -- ENDIF (@lMaxBCVersionNum >= 1)\n"
    L"\tELSE BEGIN\n"
    L"\t\tUPDATE BatchDef SET VersionNum=0 WHERE BatchDef.OriginalBatchDefID=@lBatchDefID;\n"
    L"\tEND; \n"
    L"\n",
};

// Dates before this year cannot be SQL Server datetime values: only their
// time of day is written.
constexpr int kFirstDateYear = 1900;

bool IsForeignKey(VrlConstraintType type) {
    return type == ctForeignKey || type == ctForeignKey7;
}

// One deletion step of a cascade trigger: the rows of `table` that match the
// deleted rows.
CString FormatTriggerDeletion(const CString& table, const CString& match) {
    CString step;
    step.Format(L"DELETE %s FROM deleted,%s  WHERE %s\n", table.GetString(), table.GetString(),
                match.GetString());
    return step;
}

} // namespace

VrlDbmsSqlServer::VrlDbmsSqlServer(const VrlSchema* schema, bool unicodeLiterals, const wchar_t* name)
    : VrlDbms(schema, name, ObjectExistsFormats::GetSqlServerFormats()), m_bUnicodeLiterals(unicodeLiterals) {
    m_nDbmsType = cm_nSqlServer;

    SetTypeText(dtInteger, L"int");
    SetTypeText(dtGuid, L"CHAR(38)");
    SetTypeText(dtAutoIncrement, L"int");
    SetTypeText(dtBoolean, L"bit");
    SetTypeText(dtByte, L"tinyint");
    SetTypeText(dtShort, L"smallint");
    SetTypeText(dtLong, L"int");
    SetTypeText(dtBigInt, L"bigint");
    SetTypeText(dtSingle, L"real");
    SetTypeText(dtDouble, L"float");
    SetTypeText(dtString, L"nvarchar");
    SetTypeText(dtDateTime, L"datetime");
    SetTypeText(dtBinary, L"varbinary(max)");
    SetTypeText(dtLongText, L"nvarchar(max)");
    SetTypeText(dtString256, L"NVARCHAR(256)");
    SetTypeText(dtMemo, L"nvarchar(max)");
    SetTypeText(dtInteger18, L"int");
    SetTypeText(dtInteger19, L"int");
    SetTypeText(dtInteger20, L"int");
    SetTypeText(dtInteger21, L"int");
    SetTypeText(dtMemo22, L"nvarchar(max)");
    SetTypeText(dtGuid23, L"CHAR(38)");
    SetTypeText(dtName, L"NVARCHAR");
    SetTypeText(dtSysName, L"SYSNAME");
    SetTypeText(dtGuid28, L"CHAR(38)");
    SetTypeText(dtTimestamp, L"datetime");

    for (int id = 0; id < 60; ++id) {
        // The buffered-read procedure (15) is registered ahead of 14.
        int slot = id == 14 ? 15 : id == 15 ? 14 : id;
        m_oSqlStrings.Add(slot, kTemplates[slot]);
    }
}

VrlDbmsSqlServer::~VrlDbmsSqlServer() = default;

const wchar_t* VrlDbmsSqlServer::GetTemplateText(int id) {
    return id >= 0 && id < 60 ? kTemplates[id] : L"";
}

CString VrlDbmsSqlServer::FormatValue(const VrlField* field, const COleVariant& value) const {
    CString literal = VrlDbms::FormatValue(field, value);
    if (!m_bUnicodeLiterals && literal.GetLength() >= 2 && literal[0] == L'N' && literal[1] == L'\'') {
        literal.Delete(0, 1);
    }
    return literal;
}

void VrlDbmsSqlServer::GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const {
    const CString& tableName = table->GetNameRef();
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint == nullptr) {
            continue;
        }
        VrlConstraintType type = constraint->GetType();
        if (type != ctIndex && type != ctIndex6) {
            continue;
        }
        const CString columns = GetFields(constraint->GetFields());
        // C texts, as "%s" would take them (up to a first NUL).
        CString statement =
            CString::Concat(L"CREATE "sv, type == ctIndex6 ? L"CLUSTERED"sv : L"NONCLUSTERED"sv, L" INDEX "sv,
                            constraint->GetNameRef().CView(), L" ON dbo."sv, tableName.CView(), L" ("sv,
                            columns.CView(), L")"sv);
        CString included = GetFields(constraint->GetIncludedFields());
        if (!included.IsEmpty()) {
            statement.AppendFormat(L" INCLUDE (%s)", included.GetString());
        }
        ValidateString(statement);
        AddTo(statements, std::move(statement));
    }
}

void VrlDbmsSqlServer::FormatDropTriggers(const VrlSchema* schema, std::vector<CString>& statements) const {
    if (schema == nullptr) {
        return;
    }
    std::unordered_set<CString> emitted;
    for (LONG t = 0; t < schema->GetTableCount(); ++t) {
        const VrlTable* table = schema->GetTable(t);
        for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
            const VrlConstraint* constraint = table->GetConstraint(i);
            if (constraint == nullptr) {
                continue;
            }
            VrlConstraintType type = constraint->GetType();
            if (!IsForeignKey(type) && type != ctForeignKeyNotGenerated) {
                continue;
            }
            CString trigger;
            trigger.Format(L"T_%s_DTrig", constraint->GetRefTable().GetString());
            if (!emitted.insert(trigger).second) {
                continue;
            }
            CString statement;
            statement.Format(L"IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND "
                             L"object_id=OBJECT_ID(N'%s'))\nDROP TRIGGER %s",
                             trigger.GetString(), trigger.GetString());
            AddTo(statements, std::move(statement));
        }
    }
}

void VrlDbmsSqlServer::GenerateTriggerDefs(const VrlSchema* /*schema*/,
                                           std::vector<CString>& statements) const {
    const VrlSchema* schema = GetSchema();
    if (schema == nullptr) {
        return;
    }
    // Per referenced table: its own deletion first, then the child deletions
    // in order of discovery. The trigger runs them backwards, so that the
    // latest child goes first and the referenced rows go last.
    std::vector<CString> refTables;
    std::unordered_map<CString, std::vector<CString>> deletions;
    for (LONG t = 0; t < schema->GetTableCount(); ++t) {
        const VrlTable* table = schema->GetTable(t);
        CString tableName = table->GetNameRef();
        for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
            const VrlConstraint* constraint = table->GetConstraint(i);
            if (constraint == nullptr || !IsForeignKey(constraint->GetType()) ||
                constraint->GetOnDeleteType() != odCascade4) {
                continue;
            }
            CString refTable = constraint->GetRefTable();
            auto [found, added] = deletions.try_emplace(refTable);
            if (added) {
                refTables.push_back(refTable);
                found->second.push_back(
                    FormatTriggerDeletion(refTable, GetMatchString(constraint->GetRefFields(), refTable,
                                                                   constraint->GetRefFields())));
            }
            found->second.push_back(FormatTriggerDeletion(
                tableName, GetMatchString(constraint->GetRefFields(), tableName, constraint->GetFields())));
        }
    }
    for (const CString& refTable : refTables) {
        const std::vector<CString>& steps = deletions[refTable];
        CString statement;
        statement.Format(L"CREATE TRIGGER T_%s_DTrig ON %s INSTEAD OF DELETE AS\nSET NOCOUNT ON\n",
                         refTable.GetString(), refTable.GetString());
        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            statement += *step;
        }
        AddTo(statements, std::move(statement));
    }
}

CString VrlDbmsSqlServer::GetMatchString(const std::vector<CString>& parentColumns, const wchar_t* table,
                                         const std::vector<CString>& childColumns) const {
    CString match;
    for (size_t i = 0; i < parentColumns.size(); ++i) {
        if (i > 0) {
            match += L"AND ";
        }
        // A child list shorter than the parent list pairs with empty names
        // rather than reading past its end.
        const wchar_t* childColumn = i < childColumns.size() ? childColumns[i].GetString() : L"";
        match = GetMatchStringWithConstraints(match, parentColumns[i], table, childColumn);
    }
    return match;
}

CString VrlDbmsSqlServer::GetMatchStringWithConstraints(CString soFar, const wchar_t* parentColumn,
                                                        const wchar_t* table,
                                                        const wchar_t* childColumn) const {
    CString match = soFar;
    match += L"deleted.";
    match += parentColumn;
    match += L"=";
    match += table;
    match += L".";
    match += childColumn;
    match += L" ";
    // Published copies share their keys with the working rows: only the
    // published side may be cascaded into.
    if (CString(parentColumn) == L"PublishedBatchDefID") {
        match += L"AND deleted.PublishedBatchDefID<>0";
    } else if (CString(childColumn) == L"PublishedBatchDefID") {
        match += L"AND ";
        match += table;
        match += L".PublishedBatchDefID <> 0";
    }
    return match;
}

CString VrlDbmsSqlServer::FormatDateTime(COleDateTime value, int withMilliseconds) const {
    if (value.GetStatus() == COleDateTime::valid && value.GetYear() >= kFirstDateYear) {
        if (withMilliseconds != 0) {
            VrlDateTimeSplit parts;
            if (parts.Split(value.m_dt)) {
                CString text;
                text.Format(L"CONVERT(varchar(23), '%04d-%02d-%02dT%02d:%02d:%02d.%03d', 126)", parts.m_nYear,
                            parts.m_nMonth, parts.m_nDay, parts.m_nHour, parts.m_nMinute, parts.m_nSecond,
                            parts.m_nMillisecond);
                return text;
            }
        }
        return value.Format(L"CONVERT(varchar(20), '%Y-%m-%dT%H:%M:%S', 126)");
    }
    return value.Format(L"CONVERT(varchar(20), '%H:%M:%S', 108)");
}

CString VrlDbmsSqlServer::FormatNonUniqueIndex(const VrlTable* table, const VrlConstraint* constraint) const {
    CString statement;
    if (constraint->GetType() == ctIndex6) {
        CString name = constraint->GetNameRef();
        CString tableName = table->GetNameRef();
        CString columns = GetFields(constraint->GetFields());
        statement.Format(L"CREATE CLUSTERED INDEX %s ON dbo.%s (%s)", name.GetString(), tableName.GetString(),
                         columns.GetString());
    } else {
        statement = VrlDbms::FormatNonUniqueIndex(table, constraint);
        CString included = GetFields(constraint->GetIncludedFields());
        if (!included.IsEmpty()) {
            statement.AppendFormat(L" INCLUDE (%s)", included.GetString());
        }
    }
    ValidateString(statement);
    return statement;
}

CString VrlDbmsSqlServer::FormatPrimaryKey(const VrlConstraint* constraint) const {
    static const CString clustered(L"PRIMARY KEY CLUSTERED");
    static const CString nonClustered(L"PRIMARY KEY NONCLUSTERED");
    return constraint->IsClustered() ? clustered : nonClustered;
}

CString VrlDbmsSqlServer::GetPrimaryKeyConstraintFormat() const {
    static const CString format(L"ALTER TABLE %s WITH NOCHECK ADD CONSTRAINT %s PRIMARY KEY (%s)");
    return format;
}

CString VrlDbmsSqlServer::AdjustObjectName(const wchar_t* name) const {
    CString text;
    text.Format(L"dbo.%s", name ? name : L"");
    return text;
}

CString VrlDbmsSqlServer::FormatBool(int value) const {
    return value != 0 ? L"1" : L"0";
}

CString VrlDbmsSqlServer::GetCurrentTimeFunction() const {
    return L"getdate()";
}

CString VrlDbmsSqlServer::GetTimeOffsetFunction() const {
    return L"-DATEDIFF(MINUTE, GETUTCDATE(), GETDATE())";
}

CString VrlDbmsSqlServer::ConverToSqlDataType(VrlOnDeleteType type) const {
    switch (type) {
    case odNoAction:
    case odCascade4:
        return NoActionText();
    case odCascade:
        return CascadeText();
    default:
        AfxThrowNotSupportedException();
    }
}

void VrlDbmsSqlServer::GenerateUniqueConstraint(const VrlTable* table,
                                                std::vector<CString>& statements) const {
    const CString& tableName = table->GetNameRef();
    for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint == nullptr || constraint->GetType() != ctUnique) {
            continue;
        }
        const CString columns = GetFields(constraint->GetFields());
        // C texts, as "%s" would take them (up to a first NUL).
        CString statement = CString::Concat(
            L"ALTER TABLE "sv, tableName.CView(), L" WITH NOCHECK ADD CONSTRAINT "sv,
            constraint->GetNameRef().CView(), L" UNIQUE NONCLUSTERED ("sv, columns.CView(), L")"sv);
        ValidateString(statement);
        AddTo(statements, std::move(statement));
    }
}

CString VrlDbmsSqlServer::GetDefaultValue(const VrlField* field) const {
    // An absent default is the NULL literal; FormatValue is this class's own
    // unless a class derived from it says otherwise.
    const COleVariant& value = field->GetDefaultValueRef();
    if ((value.vt == VT_EMPTY || value.vt == VT_NULL) && typeid(*this) == typeid(VrlDbmsSqlServer))
        return CString(kNullDefault);
    CString literal = FormatValue(field, value);
    if (literal.IsEmpty()) {
        return literal;
    }
    return DefaultClause(literal);
}

void VrlDbmsSqlServer::AppendFieldInfo(CString& out, const VrlField* field) const {
    // A derived class may change any of the conversions below, and a name
    // column also writes the extra-columns buffer: both take the general way.
    const VrlDataType dataType = field->GetDataType();
    if (typeid(*this) != typeid(VrlDbmsSqlServer) || dataType == dtName) {
        VrlDbms::AppendFieldInfo(out, field);
        return;
    }
    // The type as ConverToSqlDataType writes it: "type" or "type(length)".
    const CString& typeText = GetTypeText(dataType);
    const LONG length = field->GetLength();
    wchar_t type[64];
    const size_t typeLength = static_cast<size_t>(typeText.GetLength());
    if (typeLength + 16 > std::size(type)) {
        VrlDbms::AppendFieldInfo(out, field);
        return;
    }
    std::wstring_view typeView = typeText.View();
    if (length >= 1) {
        std::wmemcpy(type, typeText.GetString(), typeLength);
        size_t used = typeLength;
        type[used++] = L'(';
        wchar_t digits[16];
        size_t count = 0;
        for (unsigned long rest = static_cast<unsigned long>(length); rest != 0; rest /= 10)
            digits[count++] = static_cast<wchar_t>(L'0' + rest % 10);
        while (count > 0)
            type[used++] = digits[--count];
        type[used++] = L')';
        typeView = std::wstring_view(type, used);
    }
    const COleVariant& value = field->GetDefaultValueRef();
    // The clause as GetDefaultValue writes it, made here in a buffer on the
    // stack when it fits (most literals are short).
    CString defaultClause;
    wchar_t clause[128];
    std::wstring_view defaultText = kNullDefault;
    if (value.vt != VT_EMPTY && value.vt != VT_NULL) {
        const CString literal = FormatValue(field, value);
        const size_t length = static_cast<size_t>(literal.GetLength());
        if (length == 0) {
            defaultText = std::wstring_view();
        } else if (kDefaultOpen.size() + length + 1 <= std::size(clause)) {
            std::wmemcpy(clause, kDefaultOpen.data(), kDefaultOpen.size());
            std::wmemcpy(clause + kDefaultOpen.size(), literal.GetString(), length);
            clause[kDefaultOpen.size() + length] = L')';
            defaultText = std::wstring_view(clause, kDefaultOpen.size() + length + 1);
        } else {
            defaultClause = DefaultClause(literal);
            defaultText = defaultClause.View();
        }
    }
    static const std::wstring_view unused = Unused().View();
    const std::wstring_view args[] = {field->GetNameRef().CView(), // FormatFieldName: the name, as a C text
                                      typeView,
                                      defaultText,
                                      field->GetNullType() == ntNotNull ? std::wstring_view(L"Not Null")
                                                                        : std::wstring_view(),
                                      unused,
                                      unused};
    GetSqlStrings()->AppendTo(out, 16, 0, args);
}

void VrlDbmsSqlServer::GeneratePublishStoredProcedure(wchar_t* buffer, long& length) const {
    PublishStoredProcedureGenerator generator;
    generator.Generate(GetSchema(), buffer, length, GetSqlStrings(), m_pszName, false);
}

} // namespace VrlSchemaLib
