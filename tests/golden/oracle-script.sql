CREATE OR REPLACE FUNCTION len(sInput NVARCHAR2) 
	RETURN NUMBER 
	IS 
BEGIN 
	RETURN LENGTH(sInput); 
END;
/

CREATE TABLE BatchDef(
BatchDefID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Description NVARCHAR2(255) DEFAULT '',
BatchDefGUID VARCHAR2(38)  Not Null,
SiteGUID VARCHAR2(38),
VersionNum NUMBER(10) DEFAULT 1 Not Null,
RescanLocation NUMBER(5) DEFAULT 0,
RetainImages NUMBER(1) DEFAULT 1 Not Null,
Priority NUMBER(5) DEFAULT 5 Not Null,
CreationDate date DEFAULT TO_DATE('05/01/2009 08:30:00','mm/dd/yyyy hh24:mi:ss'),
ModifiedDate date,
ImageFolder NVARCHAR2(400),
Notes NCLOB,
DeleteBatchDays NUMBER(10) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE BatchDefNotes(
BatchDefNotesID NUMBER(10)  Not Null,
BatchDefID NUMBER(10)  Not Null,
Notes NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE BatchFieldDef(
BatchFieldDefID NUMBER(10)  Not Null,
BatchDefID NUMBER(10)  Not Null,
FieldTypeID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
DefaultValue NVARCHAR2(254),
Required NUMBER(1) DEFAULT 0 Not Null,
DisplayOrder NUMBER(10) DEFAULT 0 Not Null,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE Queue(
QueueID NUMBER(10)  Not Null,
BatchDefID NUMBER(10)  Not Null,
ProcessID NUMBER(10)  Not Null,
QueueOrder NUMBER(5) DEFAULT 0 Not Null,
Options NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE FolderCreationRule(
FolderCreationRuleID NUMBER(10)  Not Null,
BatchDefID NUMBER(10)  Not Null,
SourceType NUMBER(5) DEFAULT 1 Not Null,
SourceName NVARCHAR2(64),
ParentRuleID NUMBER(10),
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE BatchDef_DocDef(
BatchDefID NUMBER(10)  Not Null,
DocDefID NUMBER(10)  Not Null,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE DocDefSeparation(
DocDefSeparationID NUMBER(10)  Not Null,
DocDefID NUMBER(10)  Not Null,
AutoDocSepOptID NUMBER(10),
PageCount NUMBER(5) DEFAULT 1 Not Null,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE DocumentDef(
DocDefID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Description NVARCHAR2(255),
DocDefGUID VARCHAR2(38)  Not Null,
RecogOptID NUMBER(10),
Instructions NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE DocumentDefMemo(
DocDefMemoID NUMBER(10)  Not Null,
DocDefID NUMBER(10)  Not Null,
Instructions NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE FormType(
FormTypeID NUMBER(10)  Not Null,
DocDefID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE FormTypeExt(
FormTypeID NUMBER(10)  Not Null,
Threshold BINARY_FLOAT DEFAULT 0.750000,
Confidence BINARY_DOUBLE DEFAULT 0.500000,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE IndexFieldDef(
IndexFieldDefID NUMBER(10)  Not Null,
DocDefID NUMBER(10)  Not Null,
FieldTypeID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Hidden NUMBER(1) DEFAULT 0 Not Null,
MinLength NUMBER(3) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE RecogOpt(
RecogOptID NUMBER(10)  Not Null,
Engine NVARCHAR2(64) DEFAULT 'Default' Not Null,
Settings NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE AutoFormIDOpt(
AutoFormIDOptID NUMBER(10)  Not Null,
PageRecogOptID NUMBER(10),
ZoneRecogOptID NUMBER(10),
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE AutoDocSepOpt(
AutoDocSepOptID NUMBER(10)  Not Null,
Method NUMBER(5) DEFAULT 0 Not Null,
SepSheetRecogOptID NUMBER(10),
StdRecogOptID NUMBER(10),
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE AutoDocSep_IDOpt(
AutoDocSep_IDOptID NUMBER(10)  Not Null,
AutoDocSepOptID NUMBER(10)  Not Null,
IDOrder NUMBER(5) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE FieldType(
FieldTypeID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
DataType NUMBER(5) DEFAULT 11 Not Null,
MaxLength NUMBER(10) DEFAULT 0,
Mask VARCHAR(64),
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE Dictionary(
DictionaryID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
LanguageCode VARCHAR(8) DEFAULT 'en-US',
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE DictionaryWord(
DictionaryWordID NUMBER(10)  Not Null,
DictionaryID NUMBER(10)  Not Null,
Word NVARCHAR2(256)  Not Null,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE ImageCleanupProfile(
ImageCleanupProfileID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Deskew NUMBER(1) DEFAULT 1,
Despeckle NUMBER(5) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE ColorProfile(
ColorProfileID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Brightness NUMBER(5) DEFAULT 0,
Contrast NUMBER(5) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE ExportConnector(
ExportConnectorID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
ConnectorGUID VARCHAR2(38)  Not Null,
Settings NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE ExportField(
ExportFieldID NUMBER(10)  Not Null,
ExportConnectorID NUMBER(10)  Not Null,
SourceName NVARCHAR2(64),
TargetName NVARCHAR2(64),
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE ValidationScript(
ValidationScriptID NUMBER(10)  Not Null,
Language NUMBER(5) DEFAULT 1,
ScriptText NCLOB,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE PageRegion(
PageRegionID NUMBER(10)  Not Null,
RecogOptID NUMBER(10),
LeftEdge NUMBER(10) DEFAULT 0,
TopEdge NUMBER(10) DEFAULT 0,
Width NUMBER(10) DEFAULT 0,
Height NUMBER(10) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE SeparatorSheet(
SeparatorSheetID NUMBER(10)  Not Null,
Name NVARCHAR2(64),
PatchCode NUMBER(5) DEFAULT 0,
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE AutoNumber(
TableName NVARCHAR2(128)  Not Null,
NextID NUMBER(10) DEFAULT 1 Not Null)
/

CREATE TABLE DatabaseVars(
PublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,
SiteGUID VARCHAR2(38)  Not Null,
SchemaVersion NUMBER(10) DEFAULT 25 Not Null,
LastUpgrade date,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE TABLE Processes(
ProcessID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
ProgID VARCHAR(128),
Enabled NUMBER(1) DEFAULT 1 Not Null)
/

CREATE OR REPLACE PROCEDURE prcProcessesBuf(pmyID NUMBER, resultSet OUT SYS_REFCURSOR) AS 
BEGIN 
	OPEN resultSet FOR 
		SELECT * 
		FROM (SELECT * FROM Processes ORDER BY ProcessID) 
		WHERE ( pmyID IS NULL OR ProcessID > pmyID ) 
			AND ROWNUM <= 50 ;
END;
/

CREATE TABLE Functions(
FunctionID NUMBER(10)  Not Null,
Name NVARCHAR2(64)  Not Null,
Category NUMBER(5) DEFAULT 0)
/

CREATE TABLE ProcessReplaces(
ProcessReplacesID NUMBER(10)  Not Null,
ProcessID NUMBER(10)  Not Null,
ReplacedProcessID NUMBER(10)  Not Null)
/

CREATE TABLE VeskCBatchClass(
BatchDefID NUMBER(10)  Not Null,
ProfileGUID VARCHAR2(38)  Not Null,
RescanLocation NUMBER(5),
RetainImages NUMBER(1))
/

CREATE TABLE VeskCProfile(
ProfileGUID VARCHAR2(38)  Not Null,
Name NVARCHAR2(64),
RescanLocation NUMBER(5) DEFAULT 0,
RetainImages NUMBER(1) DEFAULT 0)
/

CREATE TABLE VGlobal(
VGlobalID NUMBER(10)  Not Null,
Name NVARCHAR2(128)  Not Null,
Value NVARCHAR2(255),
Changed date DEFAULT TO_DATE('12/31/1999 23:59:59','mm/dd/yyyy hh24:mi:ss'))
/

CREATE TABLE BatchCatalog(
BatchID NUMBER(10)  Not Null,
BatchDefID NUMBER(10)  Not Null,
PublishedBatchDefID NUMBER(10)  Not Null,
Name NVARCHAR2(128)  Not Null,
Created date  Not Null,
PageCount NUMBER(21),
Guid VARCHAR2(38)  Not Null,
AdminID NUMBER(10) DEFAULT 0,
Referenced NUMBER(1) DEFAULT 0 Not Null)
/

CREATE OR REPLACE PROCEDURE prcBatchCatalogBuf(pmyID NUMBER, resultSet OUT SYS_REFCURSOR) AS 
BEGIN 
	OPEN resultSet FOR 
		SELECT * 
		FROM (SELECT * FROM BatchCatalog ORDER BY BatchID) 
		WHERE ( pmyID IS NULL OR BatchID > pmyID ) 
			AND ROWNUM <= 100 ;
END;
/

ALTER TABLE BatchDef ADD CONSTRAINT PK_BatchDef PRIMARY KEY(BatchDefID)
/

CREATE UNIQUE INDEX UQ_BatchDef_Name ON BatchDef(NLSSORT(Name,'NLS_SORT=BINARY_CI'),PublishedBatchDefID)
/

CREATE INDEX IX_BatchDef_VQ9738 ON BatchDef(PublishedBatchDefID,VersionNum)
/

ALTER TABLE BatchDefNotes ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY(BatchDefNotesID)
/

ALTER TABLE BatchFieldDef ADD CONSTRAINT PK_BatchFieldDef PRIMARY KEY(BatchFieldDefID)
/

ALTER TABLE Queue ADD CONSTRAINT PK_Queue PRIMARY KEY(QueueID)
/

CREATE INDEX IX_Queue_ProcessID ON Queue(ProcessID)
/

ALTER TABLE FolderCreationRule ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY(FolderCreationRuleID)
/

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT PK_BatchDef_DocDef PRIMARY KEY(BatchDefID, DocDefID)
/

ALTER TABLE DocDefSeparation ADD CONSTRAINT PK_DocDefSeparation PRIMARY KEY(DocDefSeparationID)
/

CREATE INDEX IX_DocDefSepaQ8884 ON DocDefSeparation(PageCount)
/

ALTER TABLE DocumentDef ADD CONSTRAINT PK_DocumentDef PRIMARY KEY(DocDefID)
/

CREATE UNIQUE INDEX UQ_DocumentDef_Name ON DocumentDef(NLSSORT(Name,'NLS_SORT=BINARY_CI'),PublishedBatchDefID)
/

ALTER TABLE DocumentDefMemo ADD CONSTRAINT PK_DocumentDefMemo PRIMARY KEY(DocDefMemoID)
/

ALTER TABLE FormType ADD CONSTRAINT PK_FormType PRIMARY KEY(FormTypeID)
/

ALTER TABLE FormTypeExt ADD CONSTRAINT PK_FormTypeExt PRIMARY KEY(FormTypeID)
/

ALTER TABLE IndexFieldDef ADD CONSTRAINT PK_IndexFieldDef PRIMARY KEY(IndexFieldDefID)
/

CREATE INDEX IX_IndexFieldQ0929 ON IndexFieldDef(DocDefID,NLSSORT(Name,'NLS_SORT=BINARY_CI'),'1')
/

ALTER TABLE RecogOpt ADD CONSTRAINT PK_RecogOpt PRIMARY KEY(RecogOptID)
/

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT PK_AutoFormIDOpt PRIMARY KEY(AutoFormIDOptID)
/

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT PK_AutoDocSepOpt PRIMARY KEY(AutoDocSepOptID)
/

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT PK_AutoDocSep_IDOpt PRIMARY KEY(AutoDocSep_IDOptID)
/

ALTER TABLE FieldType ADD CONSTRAINT PK_FieldType PRIMARY KEY(FieldTypeID)
/

ALTER TABLE Dictionary ADD CONSTRAINT PK_Dictionary PRIMARY KEY(DictionaryID)
/

ALTER TABLE DictionaryWord ADD CONSTRAINT PK_DictionaryWord PRIMARY KEY(DictionaryWordID)
/

ALTER TABLE ImageCleanupProfile ADD CONSTRAINT PK_ImageCleanupProfile PRIMARY KEY(ImageCleanupProfileID)
/

ALTER TABLE ColorProfile ADD CONSTRAINT PK_ColorProfile PRIMARY KEY(ColorProfileID)
/

ALTER TABLE ExportConnector ADD CONSTRAINT PK_ExportConnector PRIMARY KEY(ExportConnectorID)
/

ALTER TABLE ExportField ADD CONSTRAINT PK_ExportField PRIMARY KEY(ExportFieldID)
/

ALTER TABLE ValidationScript ADD CONSTRAINT PK_ValidationScript PRIMARY KEY(ValidationScriptID)
/

ALTER TABLE PageRegion ADD CONSTRAINT PK_PageRegion PRIMARY KEY(PageRegionID)
/

ALTER TABLE SeparatorSheet ADD CONSTRAINT PK_SeparatorSheet PRIMARY KEY(SeparatorSheetID)
/

ALTER TABLE AutoNumber ADD CONSTRAINT PK_AutoNumber PRIMARY KEY(TableName)
/

ALTER TABLE DatabaseVars ADD CONSTRAINT PK_DatabaseVars PRIMARY KEY(PublishedBatchDefID)
/

ALTER TABLE Processes ADD CONSTRAINT PK_Processes PRIMARY KEY(ProcessID)
/

CREATE UNIQUE INDEX UQ_Processes_Name ON Processes(NLSSORT(Name,'NLS_SORT=BINARY_CI'))
/

ALTER TABLE Functions ADD CONSTRAINT PK_Functions PRIMARY KEY(FunctionID)
/

ALTER TABLE ProcessReplaces ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY(ProcessReplacesID)
/

ALTER TABLE VeskCBatchClass ADD CONSTRAINT PK_VeskCBatchClass PRIMARY KEY(BatchDefID, ProfileGUID)
/

CREATE INDEX CI_PK_VeskCBaQ4101 ON VeskCBatchClass(BatchDefID,NLSSORT(ProfileGUID,'NLS_SORT=BINARY_CI'))
/

ALTER TABLE VeskCProfile ADD CONSTRAINT PK_VeskCProfile PRIMARY KEY(ProfileGUID)
/

CREATE INDEX CI_PK_VeskCProfile ON VeskCProfile(NLSSORT(ProfileGUID,'NLS_SORT=BINARY_CI'))
/

ALTER TABLE VGlobal ADD CONSTRAINT PK_VGlobal PRIMARY KEY(VGlobalID)
/

ALTER TABLE BatchCatalog ADD CONSTRAINT PK_BatchCatalog PRIMARY KEY(BatchID)
/

CREATE INDEX IX_BatchCatalQ2077 ON BatchCatalog(Created)
/

ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE
/

CREATE INDEX FK_BatchDefNoQ1688 ON BatchDefNotes(BatchDefID)
/

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE
/

CREATE INDEX FK_BatchFieldQ2627 ON BatchFieldDef(BatchDefID)
/

ALTER TABLE BatchFieldDef ADD CONSTRAINT FK_BatchFieldDef_FieldTypeID FOREIGN KEY(FieldTypeID) REFERENCES FieldType(FieldTypeID)
/

ALTER TABLE Queue ADD CONSTRAINT FK_Queue_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE
/

CREATE INDEX FK_Queue_BatcQ8353 ON Queue(BatchDefID)
/

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE
/

CREATE INDEX FK_FolderRuleQ2439 ON FolderCreationRule(BatchDefID)
/

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY(ParentRuleID) REFERENCES FolderCreationRule(FolderCreationRuleID)
/

CREATE INDEX FK_FolderRuleQ0190 ON FolderCreationRule(ParentRuleID)
/

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE
/

CREATE INDEX FK_BatchDef_DQ6387 ON BatchDef_DocDef(BatchDefID)
/

ALTER TABLE BatchDef_DocDef ADD CONSTRAINT FK_BatchDef_DocDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID)
/

CREATE INDEX FK_BatchDef_DQ0761 ON BatchDef_DocDef(DocDefID)
/

ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE
/

CREATE INDEX FK_DocDefSepaQ5052 ON DocDefSeparation(DocDefID)
/

ALTER TABLE DocumentDefMemo ADD CONSTRAINT FK_DocumentDefMemo_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE
/

CREATE INDEX FK_DocumentDeQ8340 ON DocumentDefMemo(DocDefID)
/

ALTER TABLE FormType ADD CONSTRAINT FK_FormType_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE
/

CREATE INDEX FK_FormType_DQ1434 ON FormType(DocDefID)
/

ALTER TABLE FormTypeExt ADD CONSTRAINT FK_FormTypeExt_FormTypeID FOREIGN KEY(FormTypeID) REFERENCES FormType(FormTypeID) ON DELETE CASCADE
/

CREATE INDEX FK_FormTypeExQ9415 ON FormTypeExt(FormTypeID)
/

ALTER TABLE IndexFieldDef ADD CONSTRAINT FK_IndexFieldDef_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE
/

CREATE INDEX FK_IndexFieldQ1561 ON IndexFieldDef(DocDefID)
/

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_PageOptID FOREIGN KEY(PageRecogOptID) REFERENCES RecogOpt(RecogOptID)
/

ALTER TABLE AutoFormIDOpt ADD CONSTRAINT FK_AutoFormIDOpt_ZoneOptID FOREIGN KEY(ZoneRecogOptID) REFERENCES RecogOpt(RecogOptID)
/

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_SheetOptID FOREIGN KEY(SepSheetRecogOptID) REFERENCES RecogOpt(RecogOptID)
/

ALTER TABLE AutoDocSepOpt ADD CONSTRAINT FK_AutoDocSepOpt_StdRecogOptID FOREIGN KEY(StdRecogOptID) REFERENCES RecogOpt(RecogOptID)
/

ALTER TABLE AutoDocSep_IDOpt ADD CONSTRAINT FK_AutoDocSep_IDOpt_SepOptID FOREIGN KEY(AutoDocSepOptID) REFERENCES AutoDocSepOpt(AutoDocSepOptID) ON DELETE CASCADE
/

CREATE INDEX FK_AutoDocSepQ8414 ON AutoDocSep_IDOpt(AutoDocSepOptID)
/

ALTER TABLE DictionaryWord ADD CONSTRAINT FK_DictionaryWord_DictionaryID FOREIGN KEY(DictionaryID) REFERENCES Dictionary(DictionaryID) ON DELETE CASCADE
/

CREATE INDEX FK_DictionaryQ1442 ON DictionaryWord(DictionaryID)
/

ALTER TABLE ExportField ADD CONSTRAINT FK_ExportField_ConnectorID FOREIGN KEY(ExportConnectorID) REFERENCES ExportConnector(ExportConnectorID) ON DELETE CASCADE
/

CREATE INDEX FK_ExportFielQ3179 ON ExportField(ExportConnectorID)
/

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ProcessID FOREIGN KEY(ProcessID) REFERENCES Processes(ProcessID) ON DELETE CASCADE
/

CREATE INDEX FK_ProcessRepQ8993 ON ProcessReplaces(ProcessID)
/

ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ReplacedID FOREIGN KEY(ReplacedProcessID) REFERENCES Processes(ProcessID)
/

CREATE INDEX FK_ProcessRepQ9073 ON ProcessReplaces(ReplacedProcessID)
/

CREATE OR REPLACE FUNCTION CharIndex(sFindThis VARCHAR, sInThis VARCHAR) 
	RETURN NUMBER AS 
BEGIN 
	DECLARE 
		iTries NUMBER(4); 
	BEGIN 
		IF NVL(LENGTH(sFindThis),0)=0 OR NVL(LENGTH(sInThis),0)=0 THEN 
			RETURN 0; 
		END IF; 
		iTries := LENGTH(sInThis) - LENGTH(sFindThis) + 1; 
		IF iTries<1 THEN 
			RETURN 0; 
		END IF; 
		FOR iPosn IN 1..iTries LOOP 
			IF sFindThis=SUBSTR(sInThis,iPosn,LENGTH(sFindThis)) THEN 
				RETURN iPosn; 
			END IF; 
		END LOOP; 
		RETURN 0; 
	END; 
END;
/

CREATE TABLE pTableDeleteBatchDefID( 
	BatchDefID INT, 
	BatchDefGUID CHAR(38))
/

CREATE TABLE poParentNewIDTable( 
	Depth INT, 
	NewID INT, 
	NewID2 INT, 
	AdminID INT, 
	AdminID2 INT)
/

CREATE TABLE poDocDefNewIDTable( 
	NewID INT, 
	AdminID INT)
/

CREATE OR REPLACE FUNCTION fnProcessName(plProcessID  NUMBER) 
	RETURN NVARCHAR2 
	IS 
BEGIN 
	DECLARE
		lName NVARCHAR2(64);
	BEGIN
		SELECT Name INTO lName FROM Processes WHERE ProcessID = plProcessID;
		RETURN lName;
	END; 
END;
/

CREATE VIEW vwBatchDefPublished AS
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE PublishedBatchDefID <> 0
/

CREATE VIEW vwQueueProcess AS
SELECT q.QueueID, q.BatchDefID, p.Name FROM Queue q INNER JOIN Processes p ON p.ProcessID = q.ProcessID
/

CREATE OR REPLACE PROCEDURE procGetBatchDef(plBatchDefID  NUMBER, resultSet OUT SYS_REFCURSOR) AS 
BEGIN 
	OPEN resultSet FOR SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE BatchDefID = plBatchDefID; 
END;
/

CREATE OR REPLACE PROCEDURE procRenameBatchDef(plBatchDefID  NUMBER, pstrName  NVARCHAR2, plVersionNum IN OUT NUMBER, pbDone OUT NUMBER) AS 
BEGIN 
	UPDATE BatchDef SET Name = pstrName, VersionNum = VersionNum + 1 WHERE BatchDefID = plBatchDefID;
	SELECT VersionNum INTO plVersionNum FROM BatchDef WHERE BatchDefID = plBatchDefID;
	pbDone := 1; 
END;
/

CREATE OR REPLACE PROCEDURE procListCatalog(resultSet OUT SYS_REFCURSOR) AS 
BEGIN 
	OPEN resultSet FOR SELECT BatchID, Name, Created FROM BatchCatalog ORDER BY Created DESC; 
END;
/

DECLARE 	lCount NUMBER(8); BEGIN 	SELECT COUNT(*) 		INTO lCount 		FROM Sys.User_Objects 		WHERE Status<>'VALID'; 	IF lCount>0 THEN 		RAISE_APPLICATION_ERROR(-20017, 'One or more database objects in an invalid state'); 	END IF; END
/

