CREATE PROCEDURE procPublishBatchDef( 
	plBatchDefID INT, 
	OUT plPublishedBatchDefID INT, 
	OUT pstrBatchDefGUID CHAR(38)) 
BEGIN 
	DECLARE plNextID INT; 
	DECLARE plNextVersionNum INT; 
	DECLARE plMaxBCVersionNum INT;
	SET pstrBatchDefGUID = FormatGuid(); 
	SET plNextVersionNum = NULL; 
	CALL procIncrementNextAutoNumber(2, 0, 'BatchDefID', 1, plPublishedBatchDefID); 
	SELECT BCVersioning INTO plMaxBCVersionNum FROM VGlobal; IF (plMaxBCVersionNum = -1) THEN SET plMaxBCVersionNum = 2147483647; END IF;
	IF (plMaxBCVersionNum >= 1) THEN 
		SELECT NextID INTO plNextVersionNum  FROM AutoNumber WHERE Type=2 AND BatchID=plBatchDefID AND ColumnName='VersionNum'; 		IF plNextVersionNum IS NULL THEN
			SET plNextVersionNum = 1;
			CALL procInsertAutoNumber(2, plBatchDefID, 'VersionNum', 2);
		ELSE			CALL procIncrementNextAutoNumber(2, plBatchDefID, 'VersionNum', 1, plNextVersionNum); 
		END IF;
		IF (plNextVersionNum > 2147483647) THEN 
			SET plNextVersionNum = 1; 
			UPDATE AutoNumber SET NextID = (plNextVersionNum + 1) 
				WHERE Type=2 AND BatchID = plBatchDefID AND ColumnName='VersionNum'; 
		END IF; 
	END IF;
	INSERT INTO BatchDef(BatchDefID, PublishedBatchDefID, AdminID, Name,Description,BatchDefGUID,SiteGUID,VersionNum,RescanLocation,RetainImages,Priority,CreationDate,ModifiedDate,ImageFolder,Notes,DeleteBatchDays) 
		SELECT plPublishedBatchDefID, 
			plPublishedBatchDefID, 
			plBatchDefID, 
			
		BatchDef.Name,
		BatchDef.Description,
		pstrBatchDefGUID,
		(SELECT SiteGUID FROM DatabaseVars WHERE PublishedBatchDefID=0) AS SiteGUID,
		plNextVersionNum,
				CASE 
			WHEN EXISTS( 
				SELECT 1 
				FROM VeskCBatchClass 
				WHERE BatchClassID=plBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			THEN ( 
				SELECT RescanLocation 
				FROM VeskCBatchClass 
				WHERE BatchClassID=plBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			ELSE ( 
				SELECT RescanLocation 
				FROM VeskCProfile 
				WHERE ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') END AS RescanLocation 
,
				CASE 
			WHEN EXISTS( 
				SELECT 1 
				FROM VeskCBatchClass 
				WHERE BatchClassID=plBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			THEN ( 
				SELECT RetainImages 
				FROM VeskCBatchClass 
				WHERE BatchClassID=plBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			ELSE ( 
				SELECT RetainImages 
				FROM VeskCProfile 
				WHERE ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') END AS RetainImages 
,
		BatchDef.Priority,
		BatchDef.CreationDate,
		BatchDef.ModifiedDate,
		BatchDef.ImageFolder,
		BatchDef.Notes,
		BatchDef.DeleteBatchDays 
		FROM BatchDef 
		WHERE BatchDefID=plBatchDefID; 
	CALL publishBatchDefSubr1(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr1( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) VALUES(plBatchDefID); 
	UPDATE NewIDTable 
		SET NewID = plPublishedBatchDefID; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			BatchFieldDefID 
		FROM BatchFieldDef, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY BatchFieldDefID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('BatchFieldDefID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('BatchFieldDefID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO BatchFieldDef(BatchFieldDefID, BatchDefID, PublishedBatchDefID, AdminID, FieldTypeID,Name,DefaultValue,Required,DisplayOrder) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		BatchFieldDef.FieldTypeID,
		BatchFieldDef.Name,
		BatchFieldDef.DefaultValue,
		BatchFieldDef.Required,
		BatchFieldDef.DisplayOrder 
		FROM NewIDTable t, 
			BatchFieldDef 
		WHERE t.AdminID = BatchFieldDefID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			QueueID 
		FROM Queue, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY QueueID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('QueueID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('QueueID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Queue(QueueID, BatchDefID, PublishedBatchDefID, AdminID, ProcessID,QueueOrder,Options) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		q2.ProcessID,
		q2.QueueOrder,
		q2.Options 
		FROM NewIDTable t, 
			(SELECT * FROM Queue) q2 
		WHERE t.AdminID = QueueID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			FolderCreationRuleID 
		FROM FolderCreationRule, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY FolderCreationRuleID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FolderCreationRuleID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FolderCreationRuleID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FolderCreationRule(FolderCreationRuleID, BatchDefID, PublishedBatchDefID, AdminID, BatchDefID, DocDefID, SourceType,SourceName,ParentRuleID) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			plPublishedBatchDefID, 
			DocDefID, 
			
		FolderCreationRule.SourceType,
		FolderCreationRule.SourceName,
		FolderCreationRule.ParentRuleID 
		FROM NewIDTable t, 
			FolderCreationRule 
		WHERE t.AdminID=FolderCreationRuleID AND  
			PublishedBatchDefID=0 AND  
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth=1); 
	INSERT INTO BatchDef_DocDef(BatchDefID, DocDefID, PublishedBatchDefID, AdminID) 
		SELECT plPublishedBatchDefID, 
			NewID, 
			plPublishedBatchDefID, 
			AdminID 
		FROM poDocDefNewIDTable; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 2, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT DocDefSeparationID 
		FROM DocDefSeparation t, 
			poDocDefNewIDTable d 
		WHERE BatchDefID=plBatchDefID AND 
			DocDefID=d.AdminID AND 
			PublishedBatchDefID=0 
		ORDER BY DocDefSeparationID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefSeparationID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefSeparationID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocDefSeparation(DocDefSeparationID, BatchDefID, DocDefID, PublishedBatchDefID, AdminID, AutoDocSepOptID,PageCount) 
		SELECT t.NewID, 
			plBatchDefID, 
			d.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		DocDefSeparation.AutoDocSepOptID,
		DocDefSeparation.PageCount 
		FROM NewIDTable t, 
			poDocDefNewIDTable d, 
			DocDefSeparation 
		WHERE t.AdminID=DocDefSeparationID AND 
			PublishedBatchDefID=0 AND 
			BatchDefID=plBatchDefID AND 
			DocDefID=d.AdminID; 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 2; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			BatchDefNotesID 
		FROM BatchDefNotes, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY BatchDefNotesID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('BatchDefNotesID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('BatchDefNotesID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO BatchDefNotes(BatchDefNotesID, BatchDefID, PublishedBatchDefID, AdminID, Notes) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		BatchDefNotes.Notes 
		FROM NewIDTable t, 
			BatchDefNotes 
		WHERE t.AdminID = BatchDefNotesID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 1; 
END</SUBROUTINE>	CALL publishBatchDefSubr2(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr2( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT DocDefID 
		FROM BatchDef_DocDef 
		WHERE BatchDefID=plBatchDefID 
		ORDER BY DocDefID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocumentDef(DocDefID, PublishedBatchDefID, AdminID, Name,Description,DocDefGUID,RecogOptID,Instructions) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		DocumentDef.Name,
		DocumentDef.Description,
		DocumentDef.DocDefGUID,
		DocumentDef.RecogOptID,
		DocumentDef.Instructions 
		FROM NewIDTable t, 
			DocumentDef 
		WHERE t.AdminID=DocDefID AND 
			PublishedBatchDefID=0 
		ORDER BY DocDefID; 
	INSERT INTO poDocDefNewIDTable(NewID, AdminID) 
		SELECT NewID, 
			AdminID 
		FROM NewIDTable; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			FormTypeID 
		FROM FormType, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY FormTypeID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FormTypeID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FormTypeID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FormType(FormTypeID, DocDefID, PublishedBatchDefID, AdminID, Name,SampleImage) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		FormType.Name,
		FormType.SampleImage 
		FROM NewIDTable t, 
			FormType 
		WHERE t.AdminID = FormTypeID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 2, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewID, NewParentID, AdminID) 
		SELECT NewID, 
			NewID, 
			AdminID 
			FROM poParentNewIDTable 
			WHERE Depth = 2; 
	INSERT INTO FormTypeExt(FormTypeID, PublishedBatchDefID, AdminID, Threshold,Confidence) 
		SELECT t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		FormTypeExt.Threshold,
		FormTypeExt.Confidence 
		FROM NewIDTable t, 
			FormTypeExt 
		WHERE t.AdminID=FormTypeID AND 
			PublishedBatchDefID=0 AND 
			FormTypeID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth=2); 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 2; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			IndexFieldDefID 
		FROM IndexFieldDef, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY IndexFieldDefID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('IndexFieldDefID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('IndexFieldDefID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO IndexFieldDef(IndexFieldDefID, DocDefID, PublishedBatchDefID, AdminID, FieldTypeID,Name,Hidden,MinLength) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		IndexFieldDef.FieldTypeID,
		IndexFieldDef.Name,
		IndexFieldDef.Hidden,
		IndexFieldDef.MinLength 
		FROM NewIDTable t, 
			IndexFieldDef 
		WHERE t.AdminID = IndexFieldDefID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			DocDefMemoID 
		FROM DocumentDefMemo, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.Depth=1 
		ORDER BY DocDefMemoID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefMemoID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DocDefMemoID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocumentDefMemo(DocDefMemoID, DocDefID, PublishedBatchDefID, AdminID, Instructions) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		DocumentDefMemo.Instructions 
		FROM NewIDTable t, 
			DocumentDefMemo 
		WHERE t.AdminID = DocDefMemoID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 1; 
END</SUBROUTINE>	CALL publishBatchDefSubr3(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr3( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT RecogOptID 
		FROM RecogOpt 
		WHERE PublishedBatchDefID=0 AND 
			RecogOptID>0 
		ORDER BY RecogOptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('RecogOptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('RecogOptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
BEGIN
DECLARE lNumRow INTEGER;
SELECT COUNT(*) INTO lNumRow FROM NewIDTable WHERE NewIDTable.NewID=15000;
 IF lNumRow > 0 THEN
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT RecogOptID 
		FROM RecogOpt 
		WHERE PublishedBatchDefID=0 AND 
			RecogOptID>0 
		ORDER BY RecogOptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('RecogOptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('RecogOptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
END IF;
END;
	INSERT INTO RecogOpt(RecogOptID, PublishedBatchDefID, AdminID, Engine,Settings) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		RecogOpt.Engine,
		RecogOpt.Settings 
		FROM NewIDTable t, 
			RecogOpt 
		WHERE t.AdminID=RecogOptID AND 
			PublishedBatchDefID=0 
		ORDER BY RecogOptID; 
END</SUBROUTINE>	CALL publishBatchDefSubr4(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr4( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT AutoFormIDOptID 
		FROM AutoFormIDOpt 
		WHERE PublishedBatchDefID=0 AND 
			AutoFormIDOptID>0 
		ORDER BY AutoFormIDOptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoFormIDOptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoFormIDOptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoFormIDOpt(AutoFormIDOptID, PublishedBatchDefID, AdminID, PageRecogOptID,ZoneRecogOptID) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		AutoFormIDOpt.PageRecogOptID,
		AutoFormIDOpt.ZoneRecogOptID 
		FROM NewIDTable t, 
			AutoFormIDOpt 
		WHERE t.AdminID=AutoFormIDOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoFormIDOptID; 
END</SUBROUTINE>	CALL publishBatchDefSubr5(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr5( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT AutoDocSepOptID 
		FROM AutoDocSepOpt 
		WHERE PublishedBatchDefID=0 AND 
			AutoDocSepOptID>0 
		ORDER BY AutoDocSepOptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoDocSepOptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoDocSepOptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoDocSepOpt(AutoDocSepOptID, PublishedBatchDefID, AdminID, Method,SepSheetRecogOptID,StdRecogOptID) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		AutoDocSepOpt.Method,
		AutoDocSepOpt.SepSheetRecogOptID,
		AutoDocSepOpt.StdRecogOptID 
		FROM NewIDTable t, 
			AutoDocSepOpt 
		WHERE t.AdminID=AutoDocSepOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoDocSepOptID; 
END</SUBROUTINE>	CALL publishBatchDefSubr6(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr6( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT AutoDocSep_IDOptID 
		FROM AutoDocSep_IDOpt 
		WHERE PublishedBatchDefID=0 AND 
			AutoDocSep_IDOptID>0 
		ORDER BY AutoDocSep_IDOptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoDocSep_IDOptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('AutoDocSep_IDOptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoDocSep_IDOpt(AutoDocSep_IDOptID, PublishedBatchDefID, AdminID, AutoDocSepOptID,IDOrder) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		AutoDocSep_IDOpt.AutoDocSepOptID,
		AutoDocSep_IDOpt.IDOrder 
		FROM NewIDTable t, 
			AutoDocSep_IDOpt 
		WHERE t.AdminID=AutoDocSep_IDOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoDocSep_IDOptID; 
END</SUBROUTINE>	CALL publishBatchDefSubr7(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr7( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT FieldTypeID 
		FROM FieldType 
		WHERE PublishedBatchDefID=0 AND 
			FieldTypeID>0 
		ORDER BY FieldTypeID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FieldTypeID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('FieldTypeID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FieldType(FieldTypeID, PublishedBatchDefID, AdminID, Name,DataType,MaxLength,Mask) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		FieldType.Name,
		FieldType.DataType,
		FieldType.MaxLength,
		FieldType.Mask 
		FROM NewIDTable t, 
			FieldType 
		WHERE t.AdminID=FieldTypeID AND 
			PublishedBatchDefID=0 
		ORDER BY FieldTypeID; 
END</SUBROUTINE>	CALL publishBatchDefSubr8(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr8( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT DictionaryID 
		FROM Dictionary 
		WHERE PublishedBatchDefID=0 AND 
			DictionaryID>0 
		ORDER BY DictionaryID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DictionaryID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DictionaryID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Dictionary(DictionaryID, PublishedBatchDefID, AdminID, Name,LanguageCode) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		Dictionary.Name,
		Dictionary.LanguageCode 
		FROM NewIDTable t, 
			Dictionary 
		WHERE t.AdminID=DictionaryID AND 
			PublishedBatchDefID=0 
		ORDER BY DictionaryID; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			DictionaryWordID 
		FROM DictionaryWord, 
			poParentNewIDTable p 
		WHERE DictionaryID=p.AdminID AND 
			p.Depth=1 
		ORDER BY DictionaryWordID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DictionaryWordID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('DictionaryWordID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DictionaryWord(DictionaryWordID, DictionaryID, PublishedBatchDefID, AdminID, Word) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		DictionaryWord.Word 
		FROM NewIDTable t, 
			DictionaryWord 
		WHERE t.AdminID = DictionaryWordID AND 
			PublishedBatchDefID = 0 AND 
			DictionaryID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 1; 
END</SUBROUTINE>	CALL publishBatchDefSubr9(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr9( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT ImageCleanupProfileID 
		FROM ImageCleanupProfile 
		WHERE PublishedBatchDefID=0 AND 
			ImageCleanupProfileID>0 
		ORDER BY ImageCleanupProfileID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ImageCleanupProfileID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ImageCleanupProfileID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ImageCleanupProfile(ImageCleanupProfileID, PublishedBatchDefID, AdminID, Name,Deskew,Despeckle) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		ImageCleanupProfile.Name,
		ImageCleanupProfile.Deskew,
		ImageCleanupProfile.Despeckle 
		FROM NewIDTable t, 
			ImageCleanupProfile 
		WHERE t.AdminID=ImageCleanupProfileID AND 
			PublishedBatchDefID=0 
		ORDER BY ImageCleanupProfileID; 
END</SUBROUTINE>	CALL publishBatchDefSubr10(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr10( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT ColorProfileID 
		FROM ColorProfile 
		WHERE PublishedBatchDefID=0 AND 
			ColorProfileID>0 
		ORDER BY ColorProfileID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ColorProfileID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ColorProfileID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ColorProfile(ColorProfileID, PublishedBatchDefID, AdminID, Name,Brightness,Contrast) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		ColorProfile.Name,
		ColorProfile.Brightness,
		ColorProfile.Contrast 
		FROM NewIDTable t, 
			ColorProfile 
		WHERE t.AdminID=ColorProfileID AND 
			PublishedBatchDefID=0 
		ORDER BY ColorProfileID; 
END</SUBROUTINE>	CALL publishBatchDefSubr11(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr11( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT ExportConnectorID 
		FROM ExportConnector 
		WHERE PublishedBatchDefID=0 AND 
			ExportConnectorID>0 
		ORDER BY ExportConnectorID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ExportConnectorID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ExportConnectorID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ExportConnector(ExportConnectorID, PublishedBatchDefID, AdminID, Name,ConnectorGUID,Settings) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		ExportConnector.Name,
		ExportConnector.ConnectorGUID,
		ExportConnector.Settings 
		FROM NewIDTable t, 
			ExportConnector 
		WHERE t.AdminID=ExportConnectorID AND 
			PublishedBatchDefID=0 
		ORDER BY ExportConnectorID; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			ExportFieldID 
		FROM ExportField, 
			poParentNewIDTable p 
		WHERE ExportConnectorID=p.AdminID AND 
			p.Depth=1 
		ORDER BY ExportFieldID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ExportFieldID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ExportFieldID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ExportField(ExportFieldID, ExportConnectorID, PublishedBatchDefID, AdminID, SourceName,TargetName) 
		SELECT t.NewID, 
			t.NewParentID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		ExportField.SourceName,
		ExportField.TargetName 
		FROM NewIDTable t, 
			ExportField 
		WHERE t.AdminID = ExportFieldID AND 
			PublishedBatchDefID = 0 AND 
			ExportConnectorID IN( 
				SELECT p.AdminID 
				FROM poParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM poParentNewIDTable
		WHERE Depth = 1; 
END</SUBROUTINE>	CALL publishBatchDefSubr12(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr12( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT ValidationScriptID 
		FROM ValidationScript 
		WHERE PublishedBatchDefID=0 AND 
			ValidationScriptID>0 
		ORDER BY ValidationScriptID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ValidationScriptID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ValidationScriptID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ValidationScript(ValidationScriptID, PublishedBatchDefID, AdminID, Language,ScriptText) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		ValidationScript.Language,
		ValidationScript.ScriptText 
		FROM NewIDTable t, 
			ValidationScript 
		WHERE t.AdminID=ValidationScriptID AND 
			PublishedBatchDefID=0 
		ORDER BY ValidationScriptID; 
END</SUBROUTINE>	CALL publishBatchDefSubr13(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr13( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT PageRegionID 
		FROM PageRegion 
		WHERE PublishedBatchDefID=0 AND 
			PageRegionID>0 
		ORDER BY PageRegionID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('PageRegionID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('PageRegionID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO PageRegion(PageRegionID, PublishedBatchDefID, AdminID, RecogOptID,LeftEdge,TopEdge,Width,Height) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		PageRegion.RecogOptID,
		PageRegion.LeftEdge,
		PageRegion.TopEdge,
		PageRegion.Width,
		PageRegion.Height 
		FROM NewIDTable t, 
			PageRegion 
		WHERE t.AdminID=PageRegionID AND 
			PublishedBatchDefID=0 
		ORDER BY PageRegionID; 
END</SUBROUTINE>	CALL publishBatchDefSubr14(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr14( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT SeparatorSheetID 
		FROM SeparatorSheet 
		WHERE PublishedBatchDefID=0 AND 
			SeparatorSheetID>0 
		ORDER BY SeparatorSheetID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('SeparatorSheetID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('SeparatorSheetID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO SeparatorSheet(SeparatorSheetID, PublishedBatchDefID, AdminID, Name,PatchCode) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		SeparatorSheet.Name,
		SeparatorSheet.PatchCode 
		FROM NewIDTable t, 
			SeparatorSheet 
		WHERE t.AdminID=SeparatorSheetID AND 
			PublishedBatchDefID=0 
		ORDER BY SeparatorSheetID; 
END</SUBROUTINE>	CALL publishBatchDefSubr15(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr15( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(AdminID) 
		SELECT ProcessID 
		FROM Processes 
		WHERE PublishedBatchDefID=0 AND 
			ProcessID>0 
		ORDER BY ProcessID; 
	SELECT NextID 
		INTO plNextID 
		FROM autoNumber 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ProcessID') 
		WITH RR; 
	UPDATE autoNumber 
		SET NextID = NextID+( 
			SELECT COUNT(*) 
			FROM NewIDTable) 
		WHERE Type=2 AND 
			ColumnNameUC=UPPER('ProcessID'); 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Processes(ProcessID, PublishedBatchDefID, AdminID, Name,ProgID,Enabled) 
		SELECT t.NewID, 
			plPublishedBatchDefID, 
			t.AdminID, 
			
		Processes.Name,
		Processes.ProgID,
		Processes.Enabled 
		FROM NewIDTable t, 
			Processes 
		WHERE t.AdminID=ProcessID AND 
			PublishedBatchDefID=0 
		ORDER BY ProcessID; 
END</SUBROUTINE>	CALL publishBatchDefSubr16(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr16( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE BatchDefNotes t 
		SET BatchDefID = ( 
			SELECT r.BatchDefID 
			FROM BatchDef r 
			WHERE t.BatchDefID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef r 
				WHERE t.BatchDefID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr17(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr17( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE DocumentDef t 
		SET RecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.RecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.RecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE FormType t 
		SET DocDefID = ( 
			SELECT r.DocDefID 
			FROM DocumentDef r 
			WHERE t.DocDefID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef r 
				WHERE t.DocDefID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE FormTypeExt t 
		SET FormTypeID = ( 
			SELECT r.FormTypeID 
			FROM FormType r 
			WHERE t.FormTypeID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM FormType r 
				WHERE t.FormTypeID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE IndexFieldDef t 
		SET DocDefID = ( 
			SELECT r.DocDefID 
			FROM DocumentDef r 
			WHERE t.DocDefID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef r 
				WHERE t.DocDefID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE IndexFieldDef t 
		SET FieldTypeID = ( 
			SELECT r.FieldTypeID 
			FROM FieldType r 
			WHERE t.FieldTypeID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM FieldType r 
				WHERE t.FieldTypeID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE DocumentDefMemo t 
		SET DocDefID = ( 
			SELECT r.DocDefID 
			FROM DocumentDef r 
			WHERE t.DocDefID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef r 
				WHERE t.DocDefID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr18(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr18( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr19(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr19( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE AutoFormIDOpt t 
		SET PageRecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.PageRecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.PageRecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE AutoFormIDOpt t 
		SET ZoneRecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.ZoneRecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.ZoneRecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr20(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr20( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE AutoDocSepOpt t 
		SET SepSheetRecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.SepSheetRecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.SepSheetRecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
	UPDATE AutoDocSepOpt t 
		SET StdRecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.StdRecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.StdRecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr21(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr21( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE AutoDocSep_IDOpt t 
		SET AutoDocSepOptID = ( 
			SELECT r.AutoDocSepOptID 
			FROM AutoDocSepOpt r 
			WHERE t.AutoDocSepOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM AutoDocSepOpt r 
				WHERE t.AutoDocSepOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr22(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr22( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr23(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr23( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr24(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr24( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr25(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr25( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr26(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr26( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr27(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr27( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr28(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr28( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE PageRegion t 
		SET RecogOptID = ( 
			SELECT r.RecogOptID 
			FROM RecogOpt r 
			WHERE t.RecogOptID=r.AdminID AND 
				r.PublishedBatchDefID=plPublishedBatchDefID) 
		WHERE t.PublishedBatchDefID=plPublishedBatchDefID AND 
			EXISTS( 
				SELECT 1 
				FROM RecogOpt r 
				WHERE t.RecogOptID=r.AdminID AND 
					r.PublishedBatchDefID=plPublishedBatchDefID); 
END</SUBROUTINE>	CALL publishBatchDefSubr29(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr29( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr30(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr30( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
END</SUBROUTINE>	CALL publishBatchDefSubr31(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr31( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	UPDATE BatchDef 
		SET Referenced = 1 
		WHERE PublishedBatchDefID=plPublishedBatchDefID; 
END</SUBROUTINE>	CALL publishBatchDefSubr32(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr32( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
UPDATE AutoDocSepOpt SET Referenced = 1 WHERE PublishedBatchDefID = plPublishedBatchDefID AND Method NOT IN (4,6);	UPDATE AutoDocSep_IDOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM AutoDocSepOpt p 
				WHERE c.AutoDocSep_IDOptID=p.AutoDocSep_IDOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM PageRegion p 
				WHERE c.RecogOptID=p.RecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE ExportField c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM ExportConnector p 
				WHERE c.ExportConnectorID=p.ExportConnectorID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE DictionaryWord c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM Dictionary p 
				WHERE c.DictionaryID=p.DictionaryID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM AutoDocSepOpt p 
				WHERE c.RecogOptID=p.SepSheetRecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM AutoDocSepOpt p 
				WHERE c.RecogOptID=p.StdRecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM AutoFormIDOpt p 
				WHERE c.RecogOptID=p.PageRecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM AutoFormIDOpt p 
				WHERE c.RecogOptID=p.ZoneRecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE IndexFieldDef c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef p 
				WHERE c.DocDefID=p.DocDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE FieldType c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM IndexFieldDef p 
				WHERE c.FieldTypeID=p.FieldTypeID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE FormType c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef p 
				WHERE c.DocDefID=p.DocDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE FormTypeExt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM FormType p 
				WHERE c.FormTypeID=p.FormTypeID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE RecogOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM DocumentDef p 
				WHERE c.RecogOptID=p.RecogOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE BatchDef_DocDef c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef p 
				WHERE c.BatchDefID=p.BatchDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE DocDefSeparation c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef_DocDef p 
					WHERE c.DocDefID=p.DocDefID AND 
						c.BatchDefID=p.BatchDefID AND 
						p.PublishedBatchDefID=plPublishedBatchDefID AND 
						p.Referenced=1); 
	UPDATE AutoDocSepOpt c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM DocDefSeparation p 
				WHERE c.AutoDocSepOptID=p.AutoDocSepOptID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE DocumentDef c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef_DocDef p 
				WHERE c.DocDefID=p.DocDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE FolderCreationRule c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef p 
				WHERE c.BatchDefID=p.BatchDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE Queue c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef p 
				WHERE c.BatchDefID=p.BatchDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE Processes c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM Queue p 
				WHERE c.ProcessID=p.ProcessID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE BatchFieldDef c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchDef p 
				WHERE c.BatchDefID=p.BatchDefID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
	UPDATE FieldType c 
		SET Referenced = 1 
		WHERE Referenced=0 AND 
			EXISTS( 
				SELECT 1 
				FROM BatchFieldDef p 
				WHERE c.FieldTypeID=p.FieldTypeID AND 
					p.PublishedBatchDefID=plPublishedBatchDefID AND 
					p.Referenced=1); 
END</SUBROUTINE>	CALL publishBatchDefSubr33(plBatchDefID,plPublishedBatchDefID,plNextID); 
<SUBROUTINE>CREATE PROCEDURE publishBatchDefSubr33( 
	plBatchDefID INT, 
	plPublishedBatchDefID INT, 
	INOUT plNextID INT) 
BEGIN 
	DELETE FROM SeparatorSheet 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM PageRegion 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ValidationScript 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportField 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportConnector 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ColorProfile 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ImageCleanupProfile 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DictionaryWord 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Dictionary 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FieldType 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSep_IDOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSepOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoFormIDOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM RecogOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM IndexFieldDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormTypeExt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormType 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocumentDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocDefSeparation 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef_DocDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FolderCreationRule 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Queue 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchFieldDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;END</SUBROUTINE>
	BEGIN
		DECLARE plRowIndex INT DEFAULT 0;
		DECLARE plNextVersionNum INT;
		DECLARE plBatchDefIDVal INT; 
		DECLARE plBatchCount INT; 
		IF (plMaxBCVersionNum >= 1) THEN 
			BEGIN 
				DECLARE EOF INT DEFAULT 0; 
				DECLARE oCursor CURSOR FOR  SELECT BatchDef.BatchDefID FROM BatchDef 
						WHERE BatchDef.OriginalBatchDefID = plBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND BatchDef.VersionNum <> 0 
						ORDER BY BatchDef.LastPublished DESC; 
				DECLARE CONTINUE HANDLER FOR NOT FOUND SET EOF = 1;
				OPEN oCursor; 
				WHILE EOF = 0 DO 
					FETCH FROM oCursor INTO plBatchDefIDVal; 
					IF (plRowIndex > plMaxBCVersionNum) THEN 
						SELECT COUNT(*) INTO plBatchCount FROM BatchCatalog WHERE BatchCatalog.BatchDefID=plBatchDefIDVal; 
						UPDATE BatchDef SET VersionNum=0 WHERE BatchDef.BatchDefID=plBatchDefIDVal AND plBatchCount = 0; 
					END IF; 
					SET plRowIndex = plRowIndex + 1; 
				END WHILE; 
				CLOSE oCursor; 
			END;
		ELSE 
			UPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.OriginalBatchDefID=plBatchDefID;
		END IF;
	END;
	DELETE FROM NewIDTable; 
	DELETE FROM poParentNewIDTable; 
	DELETE FROM poDocDefNewIDTable; 
	COMMIT; 
END;

