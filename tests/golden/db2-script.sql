CREATE FUNCTION len(sInput VARGRAPHIC(4000)) 
	RETURNS INT 
	DETERMINISTIC 
	NO EXTERNAL ACTION 
RETURN LENGTH(sInput);

CREATE FUNCTION BitAnd(plArg1 INT, plArg2 INT) 
	RETURNS INT 
	DETERMINISTIC 
	NO EXTERNAL ACTION 
BEGIN ATOMIC 
	DECLARE lArg1 INT; 
	DECLARE lArg2 INT; 
	DECLARE lCurrentBit INT DEFAULT 1; 
	DECLARE lResult INT DEFAULT 0; 
	SET lArg1 = plArg1; 
	SET lArg2 = plArg2; 
	WHILE lArg1 > 0 DO 
		IF MOD(lArg1,2) = 1 AND MOD(lArg2,2) = 1 THEN 
			SET lResult = lResult + lCurrentBit; 
		END IF; 
		SET lArg1 = lArg1 / 2; 
		SET lArg2 = lArg2 / 2; 
		SET lCurrentBit = lCurrentBit * 2; 
	END WHILE; 
	RETURN lResult; 
END;

CREATE TABLE BatchDef(
BatchDefID int Not Null,
Name VARGRAPHIC(64) Not Null,
Description VARGRAPHIC(255)  DEFAULT '',
BatchDefGUID VARGRAPHIC(38) Not Null,
SiteGUID VARGRAPHIC(38),
VersionNum int Not Null DEFAULT 1,
RescanLocation smallint  DEFAULT 0,
RetainImages SMALLINT Not Null DEFAULT 1,
Priority smallint Not Null DEFAULT 5,
CreationDate TIMESTAMP  DEFAULT '2009-05-01 08:30:00.000000',
ModifiedDate TIMESTAMP,
ImageFolder VARGRAPHIC(400),
Notes VARGRAPHIC(256),
DeleteBatchDays int  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE BatchDefNotes(
BatchDefNotesID int Not Null,
BatchDefID int Not Null,
Notes DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE BatchFieldDef(
BatchFieldDefID int Not Null,
BatchDefID int Not Null,
FieldTypeID int Not Null,
Name VARGRAPHIC(64) Not Null,
DefaultValue VARGRAPHIC(254),
Required SMALLINT Not Null DEFAULT 0,
DisplayOrder int Not Null DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE Queue(
QueueID int Not Null,
BatchDefID int Not Null,
ProcessID int Not Null,
QueueOrder smallint Not Null DEFAULT 0,
Options DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE FolderCreationRule(
FolderCreationRuleID int Not Null,
BatchDefID int Not Null,
SourceType smallint Not Null DEFAULT 1,
SourceName VARGRAPHIC(64),
ParentRuleID int,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE BatchDef_DocDef(
BatchDefID int Not Null,
DocDefID int Not Null,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE DocDefSeparation(
DocDefSeparationID int Not Null,
DocDefID int Not Null,
AutoDocSepOptID int,
PageCount smallint Not Null DEFAULT 1,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE DocumentDef(
DocDefID int Not Null,
Name VARGRAPHIC(64) Not Null,
Description VARGRAPHIC(255),
DocDefGUID VARGRAPHIC(38) Not Null,
RecogOptID int,
Instructions DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE DocumentDefMemo(
DocDefMemoID int Not Null,
DocDefID int Not Null,
Instructions DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE FormType(
FormTypeID int Not Null,
DocDefID int Not Null,
Name VARGRAPHIC(64) Not Null,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE FormTypeExt(
FormTypeID int Not Null,
Threshold real  DEFAULT 0.750000,
Confidence float  DEFAULT 0.500000,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE IndexFieldDef(
IndexFieldDefID int Not Null,
DocDefID int Not Null,
FieldTypeID int Not Null,
Name VARGRAPHIC(64) Not Null,
Hidden SMALLINT Not Null DEFAULT 0,
MinLength SMALLINT  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE RecogOpt(
RecogOptID int Not Null,
Engine VARGRAPHIC(64) Not Null DEFAULT 'Default',
Settings DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE AutoFormIDOpt(
AutoFormIDOptID int Not Null,
PageRecogOptID int,
ZoneRecogOptID int,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE AutoDocSepOpt(
AutoDocSepOptID int Not Null,
Method smallint Not Null DEFAULT 0,
SepSheetRecogOptID int,
StdRecogOptID int,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE AutoDocSep_IDOpt(
AutoDocSep_IDOptID int Not Null,
AutoDocSepOptID int Not Null,
IDOrder smallint  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE FieldType(
FieldTypeID int Not Null,
Name VARGRAPHIC(64) Not Null,
DataType smallint Not Null DEFAULT 11,
MaxLength int  DEFAULT 0,
Mask VARCHAR(64),
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE Dictionary(
DictionaryID int Not Null,
Name VARGRAPHIC(64) Not Null,
LanguageCode VARCHAR(8)  DEFAULT 'en-US',
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE DictionaryWord(
DictionaryWordID int Not Null,
DictionaryID int Not Null,
Word VARGRAPHIC(256) Not Null,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE ImageCleanupProfile(
ImageCleanupProfileID int Not Null,
Name VARGRAPHIC(64) Not Null,
Deskew SMALLINT  DEFAULT 1,
Despeckle smallint  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE ColorProfile(
ColorProfileID int Not Null,
Name VARGRAPHIC(64) Not Null,
Brightness smallint  DEFAULT 0,
Contrast smallint  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE ExportConnector(
ExportConnectorID int Not Null,
Name VARGRAPHIC(64) Not Null,
ConnectorGUID VARGRAPHIC(38) Not Null,
Settings DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE TABLE ExportField(
ExportFieldID int Not Null,
ExportConnectorID int Not Null,
SourceName VARGRAPHIC(64),
TargetName VARGRAPHIC(64),
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE ValidationScript(
ValidationScriptID int Not Null,
Language smallint  DEFAULT 1,
ScriptText DBCLOB,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE PageRegion(
PageRegionID int Not Null,
RecogOptID int,
LeftEdge int  DEFAULT 0,
TopEdge int  DEFAULT 0,
Width int  DEFAULT 0,
Height int  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE SeparatorSheet(
SeparatorSheetID int Not Null,
Name VARGRAPHIC(64),
PatchCode smallint  DEFAULT 0,
PublishedBatchDefID int Not Null DEFAULT 0,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0,
	NameUC GRAPHIC(64)  GENERATED AS(UPPER(Name)));

CREATE TABLE AutoNumber(
TableName VARGRAPHIC(128) Not Null,
NextID int Not Null DEFAULT 1);

CREATE TABLE DatabaseVars(
PublishedBatchDefID int Not Null DEFAULT 0,
SiteGUID VARGRAPHIC(38) Not Null,
SchemaVersion int Not Null DEFAULT 25,
LastUpgrade TIMESTAMP,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE TABLE Processes(
ProcessID int Not Null,
Name VARGRAPHIC(64) Not Null,
ProgID VARCHAR(128),
Enabled SMALLINT Not Null DEFAULT 1,
	NameUC GRAPHIC(64) Not Null GENERATED AS(UPPER(Name)));

CREATE PROCEDURE prcProcessesBuf(pmyID int) 
	DYNAMIC RESULT SETS 1 
BEGIN 
	DECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR 
		SELECT * 
		FROM Processes 
		WHERE pmyID IS NULL OR ProcessID > pmyID 
		ORDER BY ProcessID 
		FETCH FIRST 50 ROWS ONLY; 
	OPEN lCursor; 
END;

CREATE TABLE Functions(
FunctionID int Not Null,
Name VARGRAPHIC(64) Not Null,
Category smallint  DEFAULT 0);

CREATE TABLE ProcessReplaces(
ProcessReplacesID int Not Null,
ProcessID int Not Null,
ReplacedProcessID int Not Null);

CREATE TABLE VeskCBatchClass(
BatchDefID int Not Null,
ProfileGUID VARGRAPHIC(38) Not Null,
RescanLocation smallint,
RetainImages SMALLINT);

CREATE TABLE VeskCProfile(
ProfileGUID VARGRAPHIC(38) Not Null,
Name VARGRAPHIC(64),
RescanLocation smallint  DEFAULT 0,
RetainImages SMALLINT  DEFAULT 0,
	NameUC GRAPHIC(64)  GENERATED AS(UPPER(Name)));

CREATE TABLE VGlobal(
VGlobalID int Not Null,
Name VARGRAPHIC(128) Not Null,
Value VARGRAPHIC(255),
Changed TIMESTAMP  DEFAULT '1999-12-31 23:59:59.000000');

CREATE TABLE BatchCatalog(
BatchID int Not Null,
BatchDefID int Not Null,
PublishedBatchDefID int Not Null,
Name VARGRAPHIC(128) Not Null,
Created TIMESTAMP Not Null,
PageCount bigint,
Guid VARGRAPHIC(38) Not Null,
AdminID int  DEFAULT 0,
Referenced SMALLINT Not Null DEFAULT 0);

CREATE PROCEDURE prcBatchCatalogBuf(pmyID int) 
	DYNAMIC RESULT SETS 1 
BEGIN 
	DECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR 
		SELECT * 
		FROM BatchCatalog 
		WHERE pmyID IS NULL OR BatchID > pmyID 
		ORDER BY BatchID 
		FETCH FIRST 100 ROWS ONLY; 
	OPEN lCursor; 
END;

ALTER TABLE BatchDef ADD CONSTRAINT PK_BatchDef PRIMARY KEY(BatchDefID);

ALTER TABLE BatchDef ADD CONSTRAINT UQ_BatchDef_Name UNIQUE(Name, PublishedBatchDefID);

CREATE INDEX IX_BatchDef_VQ9738 ON BatchDef(PublishedBatchDefID,VersionNum);

ALTER TABLE BatchDefNotes ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY(BatchDefNotesID);

ALTER TABLE BatchFieldDef ADD CONSTRAINT PK_BatchFieldDef PRIMARY KEY(BatchFieldDefID);

ALTER TABLE Queue ADD CONSTRAINT PK_Queue PRIMARY KEY(QueueID);

CREATE INDEX IX_Queue_ProcessID ON Queue(ProcessID);

ALTER TABLE FolderCreationRule ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY(FolderCreationRuleID);

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT PK_BatchDef_DocDef PRIMARY KEY(BatchDefID, DocDefID);

ALTER TABLE DocDefSeparation ADD CONSTRAINT PK_DocDefSeparation PRIMARY KEY(DocDefSeparationID);

CREATE INDEX IX_DocDefSepaQ8884 ON DocDefSeparation(PageCount);

ALTER TABLE DocumentDef ADD CONSTRAINT PK_DocumentDef PRIMARY KEY(DocDefID);

ALTER TABLE DocumentDef ADD CONSTRAINT UQ_DocumentDef_Name UNIQUE(Name, PublishedBatchDefID);

ALTER TABLE DocumentDefMemo ADD CONSTRAINT PK_DocumentDefMemo PRIMARY KEY(DocDefMemoID);

ALTER TABLE FormType ADD CONSTRAINT PK_FormType PRIMARY KEY(FormTypeID);

ALTER TABLE FormTypeExt ADD CONSTRAINT PK_FormTypeExt PRIMARY KEY(FormTypeID);

ALTER TABLE IndexFieldDef ADD CONSTRAINT PK_IndexFieldDef PRIMARY KEY(IndexFieldDefID);

CREATE INDEX IX_IndexFieldQ0929 ON IndexFieldDef(DocDefID,Name);

ALTER TABLE RecogOpt ADD CONSTRAINT PK_RecogOpt PRIMARY KEY(RecogOptID);

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT PK_AutoFormIDOpt PRIMARY KEY(AutoFormIDOptID);

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT PK_AutoDocSepOpt PRIMARY KEY(AutoDocSepOptID);

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT PK_AutoDocSep_IDOpt PRIMARY KEY(AutoDocSep_IDOptID);

ALTER TABLE FieldType ADD CONSTRAINT PK_FieldType PRIMARY KEY(FieldTypeID);

ALTER TABLE Dictionary ADD CONSTRAINT PK_Dictionary PRIMARY KEY(DictionaryID);

ALTER TABLE DictionaryWord ADD CONSTRAINT PK_DictionaryWord PRIMARY KEY(DictionaryWordID);

ALTER TABLE ImageCleanupProfile ADD CONSTRAINT PK_ImageCleanupProfile PRIMARY KEY(ImageCleanupProfileID);

ALTER TABLE ColorProfile ADD CONSTRAINT PK_ColorProfile PRIMARY KEY(ColorProfileID);

ALTER TABLE ExportConnector ADD CONSTRAINT PK_ExportConnector PRIMARY KEY(ExportConnectorID);

ALTER TABLE ExportField ADD CONSTRAINT PK_ExportField PRIMARY KEY(ExportFieldID);

ALTER TABLE ValidationScript ADD CONSTRAINT PK_ValidationScript PRIMARY KEY(ValidationScriptID);

ALTER TABLE PageRegion ADD CONSTRAINT PK_PageRegion PRIMARY KEY(PageRegionID);

ALTER TABLE SeparatorSheet ADD CONSTRAINT PK_SeparatorSheet PRIMARY KEY(SeparatorSheetID);

ALTER TABLE AutoNumber ADD CONSTRAINT PK_AutoNumber PRIMARY KEY(TableName);

ALTER TABLE DatabaseVars ADD CONSTRAINT PK_DatabaseVars PRIMARY KEY(PublishedBatchDefID);

ALTER TABLE Processes ADD CONSTRAINT PK_Processes PRIMARY KEY(ProcessID);

ALTER TABLE Processes ADD CONSTRAINT UQ_Processes_Name UNIQUE(Name);

ALTER TABLE Functions ADD CONSTRAINT PK_Functions PRIMARY KEY(FunctionID);

ALTER TABLE ProcessReplaces ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY(ProcessReplacesID);

ALTER TABLE VeskCBatchClass ADD CONSTRAINT PK_VeskCBatchClass PRIMARY KEY(BatchDefID, ProfileGUID);

ALTER TABLE VeskCProfile ADD CONSTRAINT PK_VeskCProfile PRIMARY KEY(ProfileGUID);

ALTER TABLE VGlobal ADD CONSTRAINT PK_VGlobal PRIMARY KEY(VGlobalID);

ALTER TABLE BatchCatalog ADD CONSTRAINT PK_BatchCatalog PRIMARY KEY(BatchID);

CREATE INDEX IX_BatchCatalQ2077 ON BatchCatalog(Created);

ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_BatchDefNoQ1688 ON BatchDefNotes(BatchDefID);

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_BatchFieldQ2627 ON BatchFieldDef(BatchDefID);

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_FieldTypeID FOREIGN KEY(FieldTypeID) REFERENCES FieldType(FieldTypeID) ON DELETE NO ACTION ON UPDATE NO ACTION;

ALTER TABLE Queue ADD CONSTRAINT FK_Queue_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_Queue_BatcQ8353 ON Queue(BatchDefID);

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_FolderRuleQ2439 ON FolderCreationRule(BatchDefID);

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY(ParentRuleID) REFERENCES FolderCreationRule(FolderCreationRuleID) ON DELETE NO ACTION ON UPDATE NO ACTION;

CREATE INDEX FK_FolderRuleQ0190 ON FolderCreationRule(ParentRuleID);

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_BatchDef_DQ6387 ON BatchDef_DocDef(BatchDefID);

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE NO ACTION ON UPDATE NO ACTION;

CREATE INDEX FK_BatchDef_DQ0761 ON BatchDef_DocDef(DocDefID);

ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_DocDefSepaQ5052 ON DocDefSeparation(DocDefID);

ALTER TABLE DocumentDefMemo ADD CONSTRAINT FK_DocumentDefMemo_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_DocumentDeQ8340 ON DocumentDefMemo(DocDefID);

ALTER TABLE FormType ADD CONSTRAINT FK_FormType_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_FormType_DQ1434 ON FormType(DocDefID);

ALTER TABLE FormTypeExt ADD CONSTRAINT FK_FormTypeExt_FormTypeID FOREIGN KEY(FormTypeID) REFERENCES FormType(FormTypeID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_FormTypeExQ9415 ON FormTypeExt(FormTypeID);

ALTER TABLE IndexFieldDef ADD CONSTRAINT FK_IndexFieldDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_IndexFieldQ1561 ON IndexFieldDef(DocDefID);

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_PageOptID FOREIGN KEY(PageRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION;

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_ZoneOptID FOREIGN KEY(ZoneRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION;

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_SheetOptID FOREIGN KEY(SepSheetRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION;

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_StdRecogOptID FOREIGN KEY(StdRecogOptID) REFERENCES RecogOpt(RecogOptID) ON DELETE NO ACTION ON UPDATE NO ACTION;

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT FK_AutoDocSep_IDOpt_SepOptID FOREIGN KEY(AutoDocSepOptID) REFERENCES AutoDocSepOpt(AutoDocSepOptID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_AutoDocSepQ8414 ON AutoDocSep_IDOpt(AutoDocSepOptID);

ALTER TABLE DictionaryWord ADD CONSTRAINT FK_DictionaryWord_DictionaryID FOREIGN KEY(DictionaryID) REFERENCES Dictionary(DictionaryID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_DictionaryQ1442 ON DictionaryWord(DictionaryID);

ALTER TABLE ExportField ADD CONSTRAINT FK_ExportField_ConnectorID FOREIGN KEY(ExportConnectorID) REFERENCES ExportConnector(ExportConnectorID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_ExportFielQ3179 ON ExportField(ExportConnectorID);

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ProcessID FOREIGN KEY(ProcessID) REFERENCES Processes(ProcessID) ON DELETE CASCADE ON UPDATE NO ACTION;

CREATE INDEX FK_ProcessRepQ8993 ON ProcessReplaces(ProcessID);

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ReplacedID FOREIGN KEY(ReplacedProcessID) REFERENCES Processes(ProcessID) ON DELETE NO ACTION ON UPDATE NO ACTION;

CREATE INDEX FK_ProcessRepQ9073 ON ProcessReplaces(ReplacedProcessID);

CREATE FUNCTION CharIndex(sFindThis VARGRAPHIC(2000), sInThis VARGRAPHIC(2000)) 
	RETURNS INT 
	CALLED ON NULL INPUT 
	DETERMINISTIC 
	NO EXTERNAL ACTION 
BEGIN ATOMIC 
	DECLARE iTries INT; 
	DECLARE iPosn INT DEFAULT 1; 
	IF sFindThis IS NULL OR sInThis IS NULL THEN 
		RETURN 0; 
	END IF; 
	SET iTries = LENGTH(sInThis) - LENGTH(sFindThis) + 1; 
	WHILE iTries>0 DO 
		IF UPPER(sFindThis)=UPPER(SUBSTR(sInThis,iPosn,LENGTH(sFindThis))) THEN 
			RETURN iPosn; 
		END IF; 
		SET iTries = iTries - 1; 
		SET iPosn = iPosn + 1; 
	END WHILE; 
	RETURN 0; 
END;

CREATE TABLE pTableDeleteBatchDefID( 
	BatchDefID INT, 
	BatchDefGUID CHAR(38));

CREATE TABLE poParentNewIDTable( 
	Depth INT, 
	NewID INT, 
	NewID2 INT, 
	AdminID INT, 
	AdminID2 INT);

CREATE TABLE poDocDefNewIDTable( 
	NewID INT, 
	AdminID INT);

CREATE FUNCTION fnProcessName( plProcessID int) 
	RETURNS VARGRAPHIC(64) 
	NOT DETERMINISTIC 
BEGIN ATOMIC 
	RETURN (SELECT Name FROM Processes WHERE ProcessID = plProcessID); 
END;

CREATE VIEW vwBatchDefPublished AS
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE PublishedBatchDefID <> 0;

CREATE VIEW vwQueueProcess AS
SELECT q.QueueID, q.BatchDefID, p.Name FROM Queue q INNER JOIN Processes p ON p.ProcessID = q.ProcessID;

CREATE PROCEDURE procGetBatchDef( plBatchDefID int) 
BEGIN 
	BEGIN 
		DECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE BatchDefID = plBatchDefID; 
	OPEN lCursor; 
	END; 
END;

CREATE PROCEDURE procRenameBatchDef( plBatchDefID int,  pstrName VARGRAPHIC(64), INOUT plVersionNum int, OUT pbDone SMALLINT) 
BEGIN 
	BEGIN 
		BEGIN
	UPDATE BatchDef SET Name = pstrName, VersionNum = VersionNum + 1 WHERE BatchDefID = plBatchDefID;
	SET plVersionNum = (SELECT VersionNum FROM BatchDef WHERE BatchDefID = plBatchDefID);
	SET pbDone = 1;
END; 
	END; 
END;

CREATE PROCEDURE procListCatalog() 
BEGIN 
	BEGIN 
		DECLARE lCursor CURSOR WITH HOLD WITH RETURN FOR
SELECT BatchID, Name, Created FROM BatchCatalog ORDER BY Created DESC;
		OPEN lCursor; 
	END; 
END;

