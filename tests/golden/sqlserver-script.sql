CREATE TABLE dbo.BatchDef(
BatchDefID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
Description nvarchar(255)  DEFAULT (''),
BatchDefGUID CHAR(38) Not Null DEFAULT (NULL),
SiteGUID CHAR(38)  DEFAULT (NULL),
VersionNum int Not Null DEFAULT (1),
RescanLocation smallint  DEFAULT (0),
RetainImages bit Not Null DEFAULT (1),
Priority smallint Not Null DEFAULT (5),
CreationDate datetime  DEFAULT (CONVERT(varchar(20), '2009-05-01T08:30:00', 126)),
ModifiedDate datetime  DEFAULT (NULL),
ImageFolder nvarchar(400)  DEFAULT (NULL),
Notes nvarchar(max)  DEFAULT (NULL),
DeleteBatchDays int  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.BatchDefNotes(
BatchDefNotesID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
Notes nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.BatchFieldDef(
BatchFieldDefID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
FieldTypeID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
DefaultValue nvarchar(254)  DEFAULT (NULL),
Required bit Not Null DEFAULT (0),
DisplayOrder int Not Null DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.Queue(
QueueID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
ProcessID int Not Null DEFAULT (NULL),
QueueOrder smallint Not Null DEFAULT (0),
Options nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.FolderCreationRule(
FolderCreationRuleID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
SourceType smallint Not Null DEFAULT (1),
SourceName nvarchar(64)  DEFAULT (NULL),
ParentRuleID int  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.BatchDef_DocDef(
BatchDefID int Not Null DEFAULT (NULL),
DocDefID int Not Null DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.DocDefSeparation(
DocDefSeparationID int Not Null DEFAULT (NULL),
DocDefID int Not Null DEFAULT (NULL),
AutoDocSepOptID int  DEFAULT (NULL),
PageCount smallint Not Null DEFAULT (1),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.DocumentDef(
DocDefID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
Description nvarchar(255)  DEFAULT (NULL),
DocDefGUID CHAR(38) Not Null DEFAULT (NULL),
RecogOptID int  DEFAULT (NULL),
Instructions nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.DocumentDefMemo(
DocDefMemoID int Not Null DEFAULT (NULL),
DocDefID int Not Null DEFAULT (NULL),
Instructions nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.FormType(
FormTypeID int Not Null DEFAULT (NULL),
DocDefID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.FormTypeExt(
FormTypeID int Not Null DEFAULT (NULL),
Threshold real  DEFAULT (0.750000),
Confidence float  DEFAULT (0.500000),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.IndexFieldDef(
IndexFieldDefID int Not Null DEFAULT (NULL),
DocDefID int Not Null DEFAULT (NULL),
FieldTypeID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
Hidden bit Not Null DEFAULT (0),
MinLength tinyint  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.RecogOpt(
RecogOptID int Not Null DEFAULT (NULL),
Engine nvarchar(64) Not Null DEFAULT ('Default'),
Settings nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.AutoFormIDOpt(
AutoFormIDOptID int Not Null DEFAULT (NULL),
PageRecogOptID int  DEFAULT (NULL),
ZoneRecogOptID int  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.AutoDocSepOpt(
AutoDocSepOptID int Not Null DEFAULT (NULL),
Method smallint Not Null DEFAULT (0),
SepSheetRecogOptID int  DEFAULT (NULL),
StdRecogOptID int  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.AutoDocSep_IDOpt(
AutoDocSep_IDOptID int Not Null DEFAULT (NULL),
AutoDocSepOptID int Not Null DEFAULT (NULL),
IDOrder smallint  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.FieldType(
FieldTypeID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
DataType smallint Not Null DEFAULT (11),
MaxLength int  DEFAULT (0),
Mask VARCHAR(64)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.Dictionary(
DictionaryID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
LanguageCode VARCHAR(8)  DEFAULT ('en-US'),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.DictionaryWord(
DictionaryWordID int Not Null DEFAULT (NULL),
DictionaryID int Not Null DEFAULT (NULL),
Word NVARCHAR(256) Not Null DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.ImageCleanupProfile(
ImageCleanupProfileID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
Deskew bit  DEFAULT (1),
Despeckle smallint  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.ColorProfile(
ColorProfileID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
Brightness smallint  DEFAULT (0),
Contrast smallint  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.ExportConnector(
ExportConnectorID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
ConnectorGUID CHAR(38) Not Null DEFAULT (NULL),
Settings nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.ExportField(
ExportFieldID int Not Null DEFAULT (NULL),
ExportConnectorID int Not Null DEFAULT (NULL),
SourceName nvarchar(64)  DEFAULT (NULL),
TargetName nvarchar(64)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.ValidationScript(
ValidationScriptID int Not Null DEFAULT (NULL),
Language smallint  DEFAULT (1),
ScriptText nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.PageRegion(
PageRegionID int Not Null DEFAULT (NULL),
RecogOptID int  DEFAULT (NULL),
LeftEdge int  DEFAULT (0),
TopEdge int  DEFAULT (0),
Width int  DEFAULT (0),
Height int  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.SeparatorSheet(
SeparatorSheetID int Not Null DEFAULT (NULL),
Name NVARCHAR(64)  DEFAULT (NULL),
PatchCode smallint  DEFAULT (0),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.AutoNumber(
TableName nvarchar(128) Not Null DEFAULT (NULL),
NextID int Not Null DEFAULT (1))
GO

CREATE TABLE dbo.DatabaseVars(
PublishedBatchDefID int Not Null DEFAULT (0),
SiteGUID CHAR(38) Not Null DEFAULT (NULL),
SchemaVersion int Not Null DEFAULT (25),
LastUpgrade datetime  DEFAULT (NULL),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE TABLE dbo.Processes(
ProcessID int Not Null DEFAULT (NULL),
Name NVARCHAR(64) Not Null DEFAULT (NULL),
ProgID VARCHAR(128)  DEFAULT (NULL),
Enabled bit Not Null DEFAULT (1))
GO

CREATE PROCEDURE prcProcessesBuf 
	@myID int 
AS 
	SELECT TOP 50 * 
		FROM Processes 
		WHERE @myID IS NULL OR ProcessID > @myID 
		ORDER BY ProcessID
GO

CREATE TABLE dbo.Functions(
FunctionID int Not Null DEFAULT (NULL),
Name nvarchar(64) Not Null DEFAULT (NULL),
Category smallint  DEFAULT (0))
GO

CREATE TABLE dbo.ProcessReplaces(
ProcessReplacesID int Not Null DEFAULT (NULL),
ProcessID int Not Null DEFAULT (NULL),
ReplacedProcessID int Not Null DEFAULT (NULL))
GO

CREATE TABLE dbo.VeskCBatchClass(
BatchDefID int Not Null DEFAULT (NULL),
ProfileGUID CHAR(38) Not Null DEFAULT (NULL),
RescanLocation smallint  DEFAULT (NULL),
RetainImages bit  DEFAULT (NULL))
GO

CREATE TABLE dbo.VeskCProfile(
ProfileGUID CHAR(38) Not Null DEFAULT (NULL),
Name NVARCHAR(64)  DEFAULT (NULL),
RescanLocation smallint  DEFAULT (0),
RetainImages bit  DEFAULT (0))
GO

CREATE TABLE dbo.VGlobal(
VGlobalID int Not Null DEFAULT (NULL),
Name nvarchar(128) Not Null DEFAULT (NULL),
Value nvarchar(255)  DEFAULT (NULL),
Changed datetime  DEFAULT (CONVERT(varchar(20), '1999-12-31T23:59:59', 126)))
GO

CREATE TABLE dbo.BatchCatalog(
BatchID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (NULL),
Name nvarchar(128) Not Null DEFAULT (NULL),
Created datetime Not Null DEFAULT (NULL),
PageCount bigint  DEFAULT (NULL),
Guid CHAR(38) Not Null DEFAULT (NULL),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))
GO

CREATE PROCEDURE prcBatchCatalogBuf 
	@myID int 
AS 
	SELECT TOP 100 * 
		FROM BatchCatalog 
		WHERE @myID IS NULL OR BatchID > @myID 
		ORDER BY BatchID
GO

ALTER TABLE BatchDef WITH NOCHECK ADD CONSTRAINT PK_BatchDef PRIMARY KEY CLUSTERED (BatchDefID)
GO

ALTER TABLE BatchDef WITH NOCHECK ADD CONSTRAINT UQ_BatchDef_Name UNIQUE NONCLUSTERED (Name, PublishedBatchDefID)
GO

CREATE NONCLUSTERED INDEX IX_BatchDef_Version ON dbo.BatchDef (PublishedBatchDefID, VersionNum) INCLUDE (Name)
GO

ALTER TABLE BatchDefNotes WITH NOCHECK ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY CLUSTERED (BatchDefNotesID)
GO

ALTER TABLE BatchFieldDef WITH NOCHECK ADD CONSTRAINT PK_BatchFieldDef PRIMARY KEY CLUSTERED (BatchFieldDefID)
GO

CREATE CLUSTERED INDEX IX_BatchFieldDef_Order ON dbo.BatchFieldDef (BatchDefID, DisplayOrder)
GO

ALTER TABLE Queue WITH NOCHECK ADD CONSTRAINT PK_Queue PRIMARY KEY CLUSTERED (QueueID)
GO

CREATE NONCLUSTERED INDEX IX_Queue_ProcessID ON dbo.Queue (ProcessID)
GO

ALTER TABLE FolderCreationRule WITH NOCHECK ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY CLUSTERED (FolderCreationRuleID)
GO

ALTER TABLE BatchDef_DocDef WITH NOCHECK ADD CONSTRAINT PK_BatchDef_DocDef PRIMARY KEY CLUSTERED (BatchDefID, DocDefID)
GO

ALTER TABLE DocDefSeparation WITH NOCHECK ADD CONSTRAINT PK_DocDefSeparation PRIMARY KEY CLUSTERED (DocDefSeparationID)
GO

CREATE NONCLUSTERED INDEX IX_DocDefSeparation_PageCount ON dbo.DocDefSeparation (PageCount)
GO

ALTER TABLE DocumentDef WITH NOCHECK ADD CONSTRAINT PK_DocumentDef PRIMARY KEY CLUSTERED (DocDefID)
GO

ALTER TABLE DocumentDef WITH NOCHECK ADD CONSTRAINT UQ_DocumentDef_Name UNIQUE NONCLUSTERED (Name, PublishedBatchDefID)
GO

ALTER TABLE DocumentDefMemo WITH NOCHECK ADD CONSTRAINT PK_DocumentDefMemo PRIMARY KEY CLUSTERED (DocDefMemoID)
GO

ALTER TABLE FormType WITH NOCHECK ADD CONSTRAINT PK_FormType PRIMARY KEY CLUSTERED (FormTypeID)
GO

ALTER TABLE FormTypeExt WITH NOCHECK ADD CONSTRAINT PK_FormTypeExt PRIMARY KEY CLUSTERED (FormTypeID)
GO

ALTER TABLE IndexFieldDef WITH NOCHECK ADD CONSTRAINT PK_IndexFieldDef PRIMARY KEY CLUSTERED (IndexFieldDefID)
GO

CREATE NONCLUSTERED INDEX IX_IndexFieldDef_Name ON dbo.IndexFieldDef (DocDefID, Name)
GO

ALTER TABLE RecogOpt WITH NOCHECK ADD CONSTRAINT PK_RecogOpt PRIMARY KEY CLUSTERED (RecogOptID)
GO

ALTER TABLE AutoFormIDOpt WITH NOCHECK ADD CONSTRAINT PK_AutoFormIDOpt PRIMARY KEY CLUSTERED (AutoFormIDOptID)
GO

ALTER TABLE AutoDocSepOpt WITH NOCHECK ADD CONSTRAINT PK_AutoDocSepOpt PRIMARY KEY CLUSTERED (AutoDocSepOptID)
GO

ALTER TABLE AutoDocSep_IDOpt WITH NOCHECK ADD CONSTRAINT PK_AutoDocSep_IDOpt PRIMARY KEY CLUSTERED (AutoDocSep_IDOptID)
GO

ALTER TABLE FieldType WITH NOCHECK ADD CONSTRAINT PK_FieldType PRIMARY KEY CLUSTERED (FieldTypeID)
GO

ALTER TABLE Dictionary WITH NOCHECK ADD CONSTRAINT PK_Dictionary PRIMARY KEY CLUSTERED (DictionaryID)
GO

ALTER TABLE DictionaryWord WITH NOCHECK ADD CONSTRAINT PK_DictionaryWord PRIMARY KEY CLUSTERED (DictionaryWordID)
GO

ALTER TABLE ImageCleanupProfile WITH NOCHECK ADD CONSTRAINT PK_ImageCleanupProfile PRIMARY KEY CLUSTERED (ImageCleanupProfileID)
GO

ALTER TABLE ColorProfile WITH NOCHECK ADD CONSTRAINT PK_ColorProfile PRIMARY KEY CLUSTERED (ColorProfileID)
GO

ALTER TABLE ExportConnector WITH NOCHECK ADD CONSTRAINT PK_ExportConnector PRIMARY KEY CLUSTERED (ExportConnectorID)
GO

ALTER TABLE ExportField WITH NOCHECK ADD CONSTRAINT PK_ExportField PRIMARY KEY CLUSTERED (ExportFieldID)
GO

ALTER TABLE ValidationScript WITH NOCHECK ADD CONSTRAINT PK_ValidationScript PRIMARY KEY CLUSTERED (ValidationScriptID)
GO

ALTER TABLE PageRegion WITH NOCHECK ADD CONSTRAINT PK_PageRegion PRIMARY KEY CLUSTERED (PageRegionID)
GO

ALTER TABLE SeparatorSheet WITH NOCHECK ADD CONSTRAINT PK_SeparatorSheet PRIMARY KEY CLUSTERED (SeparatorSheetID)
GO

ALTER TABLE AutoNumber WITH NOCHECK ADD CONSTRAINT PK_AutoNumber PRIMARY KEY CLUSTERED (TableName)
GO

ALTER TABLE DatabaseVars WITH NOCHECK ADD CONSTRAINT PK_DatabaseVars PRIMARY KEY NONCLUSTERED (PublishedBatchDefID)
GO

ALTER TABLE Processes WITH NOCHECK ADD CONSTRAINT PK_Processes PRIMARY KEY CLUSTERED (ProcessID)
GO

ALTER TABLE Processes WITH NOCHECK ADD CONSTRAINT UQ_Processes_Name UNIQUE NONCLUSTERED (Name)
GO

ALTER TABLE Functions WITH NOCHECK ADD CONSTRAINT PK_Functions PRIMARY KEY CLUSTERED (FunctionID)
GO

ALTER TABLE ProcessReplaces WITH NOCHECK ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY CLUSTERED (ProcessReplacesID)
GO

ALTER TABLE VeskCBatchClass WITH NOCHECK ADD CONSTRAINT PK_VeskCBatchClass PRIMARY KEY CLUSTERED (BatchDefID, ProfileGUID)
GO

ALTER TABLE VeskCProfile WITH NOCHECK ADD CONSTRAINT PK_VeskCProfile PRIMARY KEY CLUSTERED (ProfileGUID)
GO

ALTER TABLE VGlobal WITH NOCHECK ADD CONSTRAINT PK_VGlobal PRIMARY KEY CLUSTERED (VGlobalID)
GO

ALTER TABLE BatchCatalog WITH NOCHECK ADD CONSTRAINT PK_BatchCatalog PRIMARY KEY CLUSTERED (BatchID)
GO

CREATE NONCLUSTERED INDEX IX_BatchCatalog_Created ON dbo.BatchCatalog (Created) INCLUDE (Name, PageCount)
GO

ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDefNotes_BatchDefIDIndex ON BatchDefNotes(BatchDefID)
GO

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchFieldDef_BatchDefIDIndex ON BatchFieldDef(BatchDefID)
GO

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_FieldTypeID FOREIGN KEY(FieldTypeID) REFERENCES FieldType(FieldTypeID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE Queue ADD CONSTRAINT FK_Queue_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_Queue_BatchDefIDIndex ON Queue(BatchDefID)
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_BatchDefIDIndex ON FolderCreationRule(BatchDefID)
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY(ParentRuleID) REFERENCES FolderCreationRule(FolderCreationRuleID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_ParentRuleIDIndex ON FolderCreationRule(ParentRuleID)
GO

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDef_DocDef_BatchDefIDIndex ON BatchDef_DocDef(BatchDefID)
GO

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDef_DocDef_DocDefIDIndex ON BatchDef_DocDef(DocDefID)
GO

ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation(DocDefID)
GO

ALTER TABLE DocumentDefMemo ADD CONSTRAINT FK_DocumentDefMemo_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DocumentDefMemo_DocDefIDIndex ON DocumentDefMemo(DocDefID)
GO

ALTER TABLE FormType ADD CONSTRAINT FK_FormType_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_FormType_DocDefIDIndex ON FormType(DocDefID)
GO

ALTER TABLE FormTypeExt ADD CONSTRAINT FK_FormTypeExt_FormTypeID FOREIGN KEY(FormTypeID) REFERENCES FormType(FormTypeID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FormTypeExt_FormTypeIDIndex ON FormTypeExt(FormTypeID)
GO

ALTER TABLE IndexFieldDef ADD CONSTRAINT FK_IndexFieldDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_IndexFieldDef_DocDefIDIndex ON IndexFieldDef(DocDefID)
GO

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_PageOptID FOREIGN KEY(PageRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_ZoneOptID FOREIGN KEY(ZoneRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_SheetOptID FOREIGN KEY(SepSheetRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_StdRecogOptID FOREIGN KEY(StdRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT FK_AutoDocSep_IDOpt_SepOptID FOREIGN KEY(AutoDocSepOptID) REFERENCES AutoDocSepOpt(AutoDocSepOptID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_AutoDocSep_IDOpt_SepOptIDIndex ON AutoDocSep_IDOpt(AutoDocSepOptID)
GO

ALTER TABLE DictionaryWord ADD CONSTRAINT FK_DictionaryWord_DictionaryID FOREIGN KEY(DictionaryID) REFERENCES Dictionary(DictionaryID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_DictionaryWord_DictionaryIDIndex ON DictionaryWord(DictionaryID)
GO

ALTER TABLE ExportField ADD CONSTRAINT FK_ExportField_ConnectorID FOREIGN KEY(ExportConnectorID) REFERENCES ExportConnector(ExportConnectorID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_ExportField_ConnectorIDIndex ON ExportField(ExportConnectorID)
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ProcessID FOREIGN KEY(ProcessID) REFERENCES Processes(ProcessID) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_ProcessReplaces_ProcessIDIndex ON ProcessReplaces(ProcessID)
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ReplacedID FOREIGN KEY(ReplacedProcessID) REFERENCES Processes(ProcessID) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_ProcessReplaces_ReplacedIDIndex ON ProcessReplaces(ReplacedProcessID)
GO

CREATE VIEW dbo.vwBatchDefPublished AS
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE PublishedBatchDefID <> 0
GO

CREATE VIEW dbo.vwQueueProcess AS
SELECT q.QueueID, q.BatchDefID, p.Name FROM Queue q INNER JOIN Processes p ON p.ProcessID = q.ProcessID
GO

CREATE FUNCTION dbo.fnBatchDefFields(@lBatchDefID int ) 
	RETURNS table 
AS RETURN(SELECT BatchFieldDefID, Name FROM BatchFieldDef WHERE BatchDefID = @lBatchDefID)
GO

CREATE FUNCTION dbo.fnProcessName(@lProcessID int ) 
	RETURNS nvarchar(64) 
BEGIN
	RETURN (SELECT Name FROM Processes WHERE ProcessID = @lProcessID)
END
GO

CREATE PROCEDURE dbo.procGetBatchDef (@lBatchDefID int ) AS 
	SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE BatchDefID = @lBatchDefID
GO

CREATE PROCEDURE dbo.procRenameBatchDef (@lBatchDefID int , @strName NVARCHAR(64) , @lVersionNum int OUT, @bDone bit OUT) AS 
	UPDATE BatchDef SET Name = @strName, VersionNum = VersionNum + 1 WHERE BatchDefID = @lBatchDefID
	SELECT @lVersionNum = VersionNum FROM BatchDef WHERE BatchDefID = @lBatchDefID
	SET @bDone = 1
GO

CREATE PROCEDURE dbo.procListCatalog  AS 
	SELECT BatchID, Name, Created FROM BatchCatalog ORDER BY Created DESC
GO

CREATE TRIGGER T_BatchDef_DTrig ON BatchDef INSTEAD OF DELETE AS
SET NOCOUNT ON
DELETE BatchDef_DocDef FROM deleted,BatchDef_DocDef  WHERE deleted.BatchDefID=BatchDef_DocDef.BatchDefID 
DELETE Queue FROM deleted,Queue  WHERE deleted.BatchDefID=Queue.BatchDefID 
DELETE BatchFieldDef FROM deleted,BatchFieldDef  WHERE deleted.BatchDefID=BatchFieldDef.BatchDefID 
DELETE BatchDef FROM deleted,BatchDef  WHERE deleted.BatchDefID=BatchDef.BatchDefID
GO

CREATE TRIGGER T_DocumentDef_DTrig ON DocumentDef INSTEAD OF DELETE AS
SET NOCOUNT ON
DELETE IndexFieldDef FROM deleted,IndexFieldDef  WHERE deleted.DocDefID=IndexFieldDef.DocDefID 
DELETE FormType FROM deleted,FormType  WHERE deleted.DocDefID=FormType.DocDefID 
DELETE DocumentDef FROM deleted,DocumentDef  WHERE deleted.DocDefID=DocumentDef.DocDefID
GO

CREATE TRIGGER T_Dictionary_DTrig ON Dictionary INSTEAD OF DELETE AS
SET NOCOUNT ON
DELETE DictionaryWord FROM deleted,DictionaryWord  WHERE deleted.DictionaryID=DictionaryWord.DictionaryID 
DELETE Dictionary FROM deleted,Dictionary  WHERE deleted.DictionaryID=Dictionary.DictionaryID
GO

