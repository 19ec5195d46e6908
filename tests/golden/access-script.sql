CREATE TABLE BatchDef(
[BatchDefID] int Not Null,
[Name] nvarchar(64) Not Null,
[Description] nvarchar(255)  DEFAULT "",
[BatchDefGUID] text Not Null,
[SiteGUID] text,
[VersionNum] int Not Null DEFAULT 1,
[RescanLocation] smallint  DEFAULT 0,
[RetainImages] bit Not Null DEFAULT YES,
[Priority] smallint Not Null DEFAULT 5,
[CreationDate] datetime  DEFAULT #2009-05-01 08:30:00#,
[ModifiedDate] datetime,
[ImageFolder] memo,
[Notes] ntext,
[DeleteBatchDays] int  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE BatchDefNotes(
[BatchDefNotesID] int Not Null,
[BatchDefID] int Not Null,
[Notes] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE BatchFieldDef(
[BatchFieldDefID] int Not Null,
[BatchDefID] int Not Null,
[FieldTypeID] int Not Null,
[Name] nvarchar(64) Not Null,
[DefaultValue] nvarchar(254),
[Required] bit Not Null DEFAULT NO,
[DisplayOrder] int Not Null DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE Queue(
[QueueID] int Not Null,
[BatchDefID] int Not Null,
[ProcessID] int Not Null,
[QueueOrder] smallint Not Null DEFAULT 0,
[Options] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE FolderCreationRule(
[FolderCreationRuleID] int Not Null,
[BatchDefID] int Not Null,
[SourceType] smallint Not Null DEFAULT 1,
[SourceName] nvarchar(64),
[ParentRuleID] int,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE BatchDef_DocDef(
[BatchDefID] int Not Null,
[DocDefID] int Not Null,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE DocDefSeparation(
[DocDefSeparationID] int Not Null,
[DocDefID] int Not Null,
[AutoDocSepOptID] int,
[PageCount] smallint Not Null DEFAULT 1,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE DocumentDef(
[DocDefID] int Not Null,
[Name] nvarchar(64) Not Null,
[Description] nvarchar(255),
[DocDefGUID] text Not Null,
[RecogOptID] int,
[Instructions] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE DocumentDefMemo(
[DocDefMemoID] int Not Null,
[DocDefID] int Not Null,
[Instructions] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE FormType(
[FormTypeID] int Not Null,
[DocDefID] int Not Null,
[Name] nvarchar(64) Not Null,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE FormTypeExt(
[FormTypeID] int Not Null,
[Threshold] real  DEFAULT 0.750000,
[Confidence] float  DEFAULT 0.500000,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE IndexFieldDef(
[IndexFieldDefID] int Not Null,
[DocDefID] int Not Null,
[FieldTypeID] int Not Null,
[Name] nvarchar(64) Not Null,
[Hidden] bit Not Null DEFAULT NO,
[MinLength] tinyint  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE RecogOpt(
[RecogOptID] int Not Null,
[Engine] nvarchar(64) Not Null DEFAULT Default,
[Settings] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE AutoFormIDOpt(
[AutoFormIDOptID] int Not Null,
[PageRecogOptID] int,
[ZoneRecogOptID] int,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE AutoDocSepOpt(
[AutoDocSepOptID] int Not Null,
[Method] smallint Not Null DEFAULT 0,
[SepSheetRecogOptID] int,
[StdRecogOptID] int,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE AutoDocSep_IDOpt(
[AutoDocSep_IDOptID] int Not Null,
[AutoDocSepOptID] int Not Null,
[IDOrder] smallint  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE FieldType(
[FieldTypeID] int Not Null,
[Name] nvarchar(64) Not Null,
[DataType] smallint Not Null DEFAULT 11,
[MaxLength] int  DEFAULT 0,
[Mask] VARCHAR(64),
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE Dictionary(
[DictionaryID] int Not Null,
[Name] nvarchar(64) Not Null,
[LanguageCode] VARCHAR(8)  DEFAULT 'en-US',
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE DictionaryWord(
[DictionaryWordID] int Not Null,
[DictionaryID] int Not Null,
[Word] ntext Not Null,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE ImageCleanupProfile(
[ImageCleanupProfileID] int Not Null,
[Name] nvarchar(64) Not Null,
[Deskew] bit  DEFAULT YES,
[Despeckle] smallint  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE ColorProfile(
[ColorProfileID] int Not Null,
[Name] nvarchar(64) Not Null,
[Brightness] smallint  DEFAULT 0,
[Contrast] smallint  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE ExportConnector(
[ExportConnectorID] int Not Null,
[Name] nvarchar(64) Not Null,
[ConnectorGUID] text Not Null,
[Settings] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE ExportField(
[ExportFieldID] int Not Null,
[ExportConnectorID] int Not Null,
[SourceName] nvarchar(64),
[TargetName] nvarchar(64),
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE ValidationScript(
[ValidationScriptID] int Not Null,
[Language] smallint  DEFAULT 1,
[ScriptText] ntext,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE PageRegion(
[PageRegionID] int Not Null,
[RecogOptID] int,
[LeftEdge] int  DEFAULT 0,
[TopEdge] int  DEFAULT 0,
[Width] int  DEFAULT 0,
[Height] int  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE SeparatorSheet(
[SeparatorSheetID] int Not Null,
[Name] nvarchar(64),
[PatchCode] smallint  DEFAULT 0,
[PublishedBatchDefID] int Not Null DEFAULT 0,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE AutoNumber(
[TableName] nvarchar(128) Not Null,
[NextID] int Not Null DEFAULT 1)
GO

CREATE TABLE DatabaseVars(
[PublishedBatchDefID] int Not Null DEFAULT 0,
[SiteGUID] text Not Null,
[SchemaVersion] int Not Null DEFAULT 25,
[LastUpgrade] datetime,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE TABLE Processes(
[ProcessID] int Not Null,
[Name] nvarchar(64) Not Null,
[ProgID] VARCHAR(128),
[Enabled] bit Not Null DEFAULT YES)
GO

CREATE PROCEDURE prcProcessesBuf 
	@myID int 
AS 
	SELECT TOP 50 * 
		FROM Processes 
		WHERE @myID IS NULL OR ProcessID > @myID 
		ORDER BY ProcessID
GO

CREATE TABLE Functions(
[FunctionID] int Not Null,
[Name] nvarchar(64) Not Null,
[Category] smallint  DEFAULT 0)
GO

CREATE TABLE ProcessReplaces(
[ProcessReplacesID] int Not Null,
[ProcessID] int Not Null,
[ReplacedProcessID] int Not Null)
GO

CREATE TABLE VeskCBatchClass(
[BatchDefID] int Not Null,
[ProfileGUID] text Not Null,
[RescanLocation] smallint,
[RetainImages] bit)
GO

CREATE TABLE VeskCProfile(
[ProfileGUID] text Not Null,
[Name] nvarchar(64),
[RescanLocation] smallint  DEFAULT 0,
[RetainImages] bit  DEFAULT NO)
GO

CREATE TABLE VGlobal(
[VGlobalID] int Not Null,
[Name] nvarchar(128) Not Null,
[Value] nvarchar(255),
[Changed] datetime  DEFAULT #1999-12-31 23:59:59#)
GO

CREATE TABLE BatchCatalog(
[BatchID] int IDENTITY (1, 1) Not Null,
[BatchDefID] int Not Null,
[PublishedBatchDefID] int Not Null,
[Name] nvarchar(128) Not Null,
[Created] datetime Not Null,
[PageCount] bigint,
[Guid] text Not Null,
[AdminID] int  DEFAULT 0,
[Referenced] bit Not Null DEFAULT NO)
GO

CREATE PROCEDURE prcBatchCatalogBuf 
	@myID int IDENTITY (1, 1) 
AS 
	SELECT TOP 100 * 
		FROM BatchCatalog 
		WHERE @myID IS NULL OR BatchID > @myID 
		ORDER BY BatchID
GO

ALTER TABLE BatchDef ADD CONSTRAINT PK_BatchDef PRIMARY KEY CLUSTERED ([BatchDefID])
GO

ALTER TABLE BatchDef ADD CONSTRAINT UQ_BatchDef_Name UNIQUE ([Name], [PublishedBatchDefID])
GO

CREATE INDEX IX_BatchDef_Version ON BatchDef (PublishedBatchDefID, VersionNum)
GO

ALTER TABLE BatchDefNotes ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY CLUSTERED ([BatchDefNotesID])
GO

ALTER TABLE BatchFieldDef ADD CONSTRAINT PK_BatchFieldDef PRIMARY KEY CLUSTERED ([BatchFieldDefID])
GO

ALTER TABLE Queue ADD CONSTRAINT PK_Queue PRIMARY KEY CLUSTERED ([QueueID])
GO

CREATE INDEX IX_Queue_ProcessID ON Queue (ProcessID)
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY CLUSTERED ([FolderCreationRuleID])
GO

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT PK_BatchDef_DocDef PRIMARY KEY CLUSTERED ([BatchDefID], [DocDefID])
GO

ALTER TABLE DocDefSeparation ADD CONSTRAINT PK_DocDefSeparation PRIMARY KEY CLUSTERED ([DocDefSeparationID])
GO

CREATE INDEX IX_DocDefSeparation_PageCount ON DocDefSeparation (PageCount)
GO

ALTER TABLE DocumentDef ADD CONSTRAINT PK_DocumentDef PRIMARY KEY CLUSTERED ([DocDefID])
GO

ALTER TABLE DocumentDef ADD CONSTRAINT UQ_DocumentDef_Name UNIQUE ([Name], [PublishedBatchDefID])
GO

ALTER TABLE DocumentDefMemo ADD CONSTRAINT PK_DocumentDefMemo PRIMARY KEY CLUSTERED ([DocDefMemoID])
GO

ALTER TABLE FormType ADD CONSTRAINT PK_FormType PRIMARY KEY CLUSTERED ([FormTypeID])
GO

ALTER TABLE FormTypeExt ADD CONSTRAINT PK_FormTypeExt PRIMARY KEY CLUSTERED ([FormTypeID])
GO

ALTER TABLE IndexFieldDef ADD CONSTRAINT PK_IndexFieldDef PRIMARY KEY CLUSTERED ([IndexFieldDefID])
GO

CREATE INDEX IX_IndexFieldDef_Name ON IndexFieldDef (DocDefID, Name)
GO

ALTER TABLE RecogOpt ADD CONSTRAINT PK_RecogOpt PRIMARY KEY CLUSTERED ([RecogOptID])
GO

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT PK_AutoFormIDOpt PRIMARY KEY CLUSTERED ([AutoFormIDOptID])
GO

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT PK_AutoDocSepOpt PRIMARY KEY CLUSTERED ([AutoDocSepOptID])
GO

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT PK_AutoDocSep_IDOpt PRIMARY KEY CLUSTERED ([AutoDocSep_IDOptID])
GO

ALTER TABLE FieldType ADD CONSTRAINT PK_FieldType PRIMARY KEY CLUSTERED ([FieldTypeID])
GO

ALTER TABLE Dictionary ADD CONSTRAINT PK_Dictionary PRIMARY KEY CLUSTERED ([DictionaryID])
GO

ALTER TABLE DictionaryWord ADD CONSTRAINT PK_DictionaryWord PRIMARY KEY CLUSTERED ([DictionaryWordID])
GO

ALTER TABLE ImageCleanupProfile ADD CONSTRAINT PK_ImageCleanupProfile PRIMARY KEY CLUSTERED ([ImageCleanupProfileID])
GO

ALTER TABLE ColorProfile ADD CONSTRAINT PK_ColorProfile PRIMARY KEY CLUSTERED ([ColorProfileID])
GO

ALTER TABLE ExportConnector ADD CONSTRAINT PK_ExportConnector PRIMARY KEY CLUSTERED ([ExportConnectorID])
GO

ALTER TABLE ExportField ADD CONSTRAINT PK_ExportField PRIMARY KEY CLUSTERED ([ExportFieldID])
GO

ALTER TABLE ValidationScript ADD CONSTRAINT PK_ValidationScript PRIMARY KEY CLUSTERED ([ValidationScriptID])
GO

ALTER TABLE PageRegion ADD CONSTRAINT PK_PageRegion PRIMARY KEY CLUSTERED ([PageRegionID])
GO

ALTER TABLE SeparatorSheet ADD CONSTRAINT PK_SeparatorSheet PRIMARY KEY CLUSTERED ([SeparatorSheetID])
GO

ALTER TABLE AutoNumber ADD CONSTRAINT PK_AutoNumber PRIMARY KEY CLUSTERED ([TableName])
GO

ALTER TABLE DatabaseVars ADD CONSTRAINT PK_DatabaseVars PRIMARY KEY CLUSTERED ([PublishedBatchDefID])
GO

ALTER TABLE Processes ADD CONSTRAINT PK_Processes PRIMARY KEY CLUSTERED ([ProcessID])
GO

ALTER TABLE Processes ADD CONSTRAINT UQ_Processes_Name UNIQUE ([Name])
GO

ALTER TABLE Functions ADD CONSTRAINT PK_Functions PRIMARY KEY CLUSTERED ([FunctionID])
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY CLUSTERED ([ProcessReplacesID])
GO

ALTER TABLE VeskCBatchClass ADD CONSTRAINT PK_VeskCBatchClass PRIMARY KEY CLUSTERED ([BatchDefID], [ProfileGUID])
GO

ALTER TABLE VeskCProfile ADD CONSTRAINT PK_VeskCProfile PRIMARY KEY CLUSTERED ([ProfileGUID])
GO

ALTER TABLE VGlobal ADD CONSTRAINT PK_VGlobal PRIMARY KEY CLUSTERED ([VGlobalID])
GO

ALTER TABLE BatchCatalog ADD CONSTRAINT PK_BatchCatalog PRIMARY KEY CLUSTERED ([BatchID])
GO

CREATE INDEX IX_BatchCatalog_Created ON BatchCatalog (Created)
GO

ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDefNotes_BatchDefIDIndex ON BatchDefNotes([BatchDefID])
GO

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchFieldDef_BatchDefIDIndex ON BatchFieldDef([BatchDefID])
GO

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_FieldTypeID FOREIGN KEY([FieldTypeID]) REFERENCES FieldType([FieldTypeID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE Queue ADD CONSTRAINT FK_Queue_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_Queue_BatchDefIDIndex ON Queue([BatchDefID])
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_BatchDefIDIndex ON FolderCreationRule([BatchDefID])
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY([ParentRuleID]) REFERENCES FolderCreationRule([FolderCreationRuleID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_ParentRuleIDIndex ON FolderCreationRule([ParentRuleID])
GO

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDef_DocDef_BatchDefIDIndex ON BatchDef_DocDef([BatchDefID])
GO

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDef_DocDef_DocDefIDIndex ON BatchDef_DocDef([DocDefID])
GO

ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation([DocDefID])
GO

ALTER TABLE DocumentDefMemo ADD CONSTRAINT FK_DocumentDefMemo_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DocumentDefMemo_DocDefIDIndex ON DocumentDefMemo([DocDefID])
GO

ALTER TABLE FormType ADD CONSTRAINT FK_FormType_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FormType_DocDefIDIndex ON FormType([DocDefID])
GO

ALTER TABLE FormTypeExt ADD CONSTRAINT FK_FormTypeExt_FormTypeID FOREIGN KEY([FormTypeID]) REFERENCES FormType([FormTypeID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FormTypeExt_FormTypeIDIndex ON FormTypeExt([FormTypeID])
GO

ALTER TABLE IndexFieldDef ADD CONSTRAINT FK_IndexFieldDef_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_IndexFieldDef_DocDefIDIndex ON IndexFieldDef([DocDefID])
GO

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_PageOptID FOREIGN KEY([PageRecogOptID]) REFERENCES RecogOpt([RecogOptID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_ZoneOptID FOREIGN KEY([ZoneRecogOptID]) REFERENCES RecogOpt([RecogOptID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_SheetOptID FOREIGN KEY([SepSheetRecogOptID]) REFERENCES RecogOpt([RecogOptID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_StdRecogOptID FOREIGN KEY([StdRecogOptID]) REFERENCES RecogOpt([RecogOptID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT FK_AutoDocSep_IDOpt_SepOptID FOREIGN KEY([AutoDocSepOptID]) REFERENCES AutoDocSepOpt([AutoDocSepOptID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_AutoDocSep_IDOpt_SepOptIDIndex ON AutoDocSep_IDOpt([AutoDocSepOptID])
GO

ALTER TABLE DictionaryWord ADD CONSTRAINT FK_DictionaryWord_DictionaryID FOREIGN KEY([DictionaryID]) REFERENCES Dictionary([DictionaryID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DictionaryWord_DictionaryIDIndex ON DictionaryWord([DictionaryID])
GO

ALTER TABLE ExportField ADD CONSTRAINT FK_ExportField_ConnectorID FOREIGN KEY([ExportConnectorID]) REFERENCES ExportConnector([ExportConnectorID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_ExportField_ConnectorIDIndex ON ExportField([ExportConnectorID])
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ProcessID FOREIGN KEY([ProcessID]) REFERENCES Processes([ProcessID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_ProcessReplaces_ProcessIDIndex ON ProcessReplaces([ProcessID])
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ReplacedID FOREIGN KEY([ReplacedProcessID]) REFERENCES Processes([ProcessID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_ProcessReplaces_ReplacedIDIndex ON ProcessReplaces([ReplacedProcessID])
GO

CREATE VIEW vwBatchDefPublished AS
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE PublishedBatchDefID <> 0
GO

CREATE VIEW vwQueueProcess AS
SELECT q.QueueID, q.BatchDefID, p.Name FROM Queue AS q INNER JOIN Processes AS p ON p.ProcessID = q.ProcessID
GO

CREATE PROCEDURE procGetBatchDef (@lBatchDefID int ) AS 
	SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE BatchDefID = [@lBatchDefID]
GO

