CREATE PROCEDURE dbo.procPublishBatchDef( 
	@lBatchDefID INT, 
	@lPublishedBatchDefID INT OUT, 
	@strBatchDefGUID CHAR(38) OUT) 
AS 
	DECLARE @oParentNewIDTable TABLE( 
			Depth INT, 
			NewID INT, 
			NewID2 INT, 
			AdminID INT, 
		AdminID2 INT) 
	DECLARE @lNextID INT 
	DECLARE @lNextVersionNum INT = NULL; 
	DECLARE @lMaxBCVersionNum INT; 
	BEGIN TRANSACTION 
	SET @strBatchDefGUID = '{' + CONVERT(VARCHAR(36),NEWID()) + '}' 
	EXEC procIncrementNextAutoNumber 2, 0, 'BatchDefID', 1, @lPublishedBatchDefID OUT ;
	SET @lMaxBCVersionNum = (SELECT BCVersioning FROM VGlobal); IF (@lMaxBCVersionNum = -1) BEGIN SET @lMaxBCVersionNum = 2147483647; END;
	IF (@lMaxBCVersionNum >= 1) BEGIN 
		EXEC procIncrementNextAutoNumber 2, @lBatchDefID, 'VersionNum', 1, @lNextVersionNum OUT ; 
		IF @lNextVersionNum IS NULL BEGIN 
			SET @lNextVersionNum = 1; 
			EXEC procInsertAutoNumber 2, @lBatchDefID, 'VersionNum', 2; 
		END; 
		IF (@lNextVersionNum > 2147483647) BEGIN 
			SET @lNextVersionNum = 1; 
			UPDATE AutoNumber SET NextID = (@lNextVersionNum + 1) 
				WHERE Type=2 AND BatchID = @lBatchDefID AND ColumnName='VersionNum'; 
		END; 
	END;	INSERT INTO BatchDef(BatchDefID, PublishedBatchDefID, AdminID, Name,Description,BatchDefGUID,SiteGUID,VersionNum,RescanLocation,RetainImages,Priority,CreationDate,ModifiedDate,ImageFolder,Notes,DeleteBatchDays) 
		SELECT @lPublishedBatchDefID, 
			@lPublishedBatchDefID, 
			@lBatchDefID, 
			
		BatchDef.Name,
		BatchDef.Description,
		@strBatchDefGUID,
		(SELECT SiteGUID FROM DatabaseVars WHERE PublishedBatchDefID=0) AS SiteGUID,
		@lNextVersionNum,
				CASE 
			WHEN EXISTS( 
				SELECT 1 
				FROM VeskCBatchClass 
				WHERE BatchClassID=@lBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			THEN ( 
				SELECT RescanLocation 
				FROM VeskCBatchClass 
				WHERE BatchClassID=@lBatchDefID AND 
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
				WHERE BatchClassID=@lBatchDefID AND 
					ProfileID='{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}') 
			THEN ( 
				SELECT RetainImages 
				FROM VeskCBatchClass 
				WHERE BatchClassID=@lBatchDefID AND 
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
		WHERE BatchDefID=@lBatchDefID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) VALUES (@lBatchDefID) 
	UPDATE NewIDTable 
		SET NewID = @lPublishedBatchDefID; 
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			BatchFieldDefID 
		FROM BatchFieldDef, 
			@oParentNewIDTable AS p 
		WHERE BatchDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY BatchFieldDefID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'BatchFieldDefID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO BatchFieldDef(BatchFieldDefID, BatchDefID, PublishedBatchDefID, AdminID, FieldTypeID,Name,DefaultValue,Required,DisplayOrder) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		BatchFieldDef.FieldTypeID,
		BatchFieldDef.Name,
		BatchFieldDef.DefaultValue,
		BatchFieldDef.Required,
		BatchFieldDef.DisplayOrder 
		FROM NewIDTable AS t, 
			BatchFieldDef 
		WHERE t.AdminID = BatchFieldDefID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			QueueID 
		FROM Queue, 
			@oParentNewIDTable AS p 
		WHERE BatchDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY QueueID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'QueueID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Queue(QueueID, BatchDefID, PublishedBatchDefID, AdminID, ProcessID,QueueOrder,Options) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		q2.ProcessID,
		q2.QueueOrder,
		q2.Options 
		FROM NewIDTable AS t, 
			(SELECT * FROM Queue) AS q2 
		WHERE t.AdminID = QueueID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			FolderCreationRuleID 
		FROM FolderCreationRule, 
			@oParentNewIDTable AS p 
		WHERE BatchDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY FolderCreationRuleID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'FolderCreationRuleID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FolderCreationRule(FolderCreationRuleID, BatchDefID, PublishedBatchDefID, AdminID, BatchDefID, DocDefID, SourceType,SourceName,ParentRuleID) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			@lPublishedBatchDefID, 
			DocDefID, 
			
		FolderCreationRule.SourceType,
		FolderCreationRule.SourceName,
		FolderCreationRule.ParentRuleID 
		FROM NewIDTable AS t, 
			FolderCreationRule
		WHERE t.AdminID = FolderCreationRuleID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1) 
	INSERT INTO BatchDef_DocDef(BatchDefID, DocDefID, PublishedBatchDefID, AdminID) 
		SELECT @lPublishedBatchDefID, 
			NewID, 
			@lPublishedBatchDefID, 
			AdminID 
		FROM @oDocDefNewIDTable; 
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 2, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(AdminID) 
		SELECT DocDefSeparationID 
			FROM DocDefSeparation AS t, @oDocDefNewIDTable AS d 
			WHERE BatchDefID = @lBatchDefID 
				AND DocDefID = d.AdminID 
				AND PublishedBatchDefID = 0 
		ORDER BY DocDefSeparationID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'DocDefSeparationID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocDefSeparation (DocDefSeparationID, BatchDefID, DocDefID, 
					PublishedBatchDefID, AdminID, AutoDocSepOptID,PageCount) 
			SELECT t.NewID, @lBatchDefID, d.NewID, 
					@lPublishedBatchDefID, t.AdminID, 
		DocDefSeparation.AutoDocSepOptID,
		DocDefSeparation.PageCount 
				FROM NewIDTable AS t, @oDocDefNewIDTable as d, DocDefSeparation 
				WHERE t.AdminID = DocDefSeparationID 
					AND PublishedBatchDefID = 0 
					AND BatchDefID = @lBatchDefID 
					AND DocDefID = d.AdminID  
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 2; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			BatchDefNotesID 
		FROM BatchDefNotes, 
			@oParentNewIDTable AS p 
		WHERE BatchDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY BatchDefNotesID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'BatchDefNotesID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO BatchDefNotes(BatchDefNotesID, BatchDefID, PublishedBatchDefID, AdminID, Notes) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		BatchDefNotes.Notes 
		FROM NewIDTable AS t, 
			BatchDefNotes 
		WHERE t.AdminID = BatchDefNotesID AND 
			PublishedBatchDefID = 0 AND 
			BatchDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 1; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT d.DocDefID 
			FROM DocumentDef AS d, BatchDef_DocDef AS bd 
			WHERE d.DocDefID = bd.DocDefID 
				AND bd.BatchDefID = @lBatchDefID 
		ORDER BY d.DocDefID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'DocDefID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocumentDef(DocDefID, PublishedBatchDefID, AdminID, Name,Description,DocDefGUID,RecogOptID,Instructions) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
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
	DECLARE @oDocDefNewIDTable TABLE (NewID INT, AdminID INT) 
	INSERT INTO @oDocDefNewIDTable (NewID, AdminID) 
		SELECT NewID, AdminID FROM NewIDTable  
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			FormTypeID 
		FROM FormType, 
			@oParentNewIDTable AS p 
		WHERE DocDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY FormTypeID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'FormTypeID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FormType(FormTypeID, DocDefID, PublishedBatchDefID, AdminID, Name,SampleImage) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		FormType.Name,
		FormType.SampleImage 
		FROM NewIDTable AS t, 
			FormType 
		WHERE t.AdminID = FormTypeID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 2, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewID, NewParentID, AdminID) 
		SELECT NewID, 
			NewID, 
			AdminID 
			FROM @oParentNewIDTable 
			WHERE Depth = 2; 
	INSERT INTO FormTypeExt(FormTypeID, PublishedBatchDefID, AdminID, Threshold,Confidence) 
		SELECT t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		FormTypeExt.Threshold,
		FormTypeExt.Confidence 
		FROM NewIDTable AS t, 
			FormTypeExt
		WHERE t.AdminID = FormTypeID AND 
			PublishedBatchDefID = 0 AND 
			FormTypeID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 2) 
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 2; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			IndexFieldDefID 
		FROM IndexFieldDef, 
			@oParentNewIDTable AS p 
		WHERE DocDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY IndexFieldDefID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'IndexFieldDefID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO IndexFieldDef(IndexFieldDefID, DocDefID, PublishedBatchDefID, AdminID, FieldTypeID,Name,Hidden,MinLength) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		IndexFieldDef.FieldTypeID,
		IndexFieldDef.Name,
		IndexFieldDef.Hidden,
		IndexFieldDef.MinLength 
		FROM NewIDTable AS t, 
			IndexFieldDef 
		WHERE t.AdminID = IndexFieldDefID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			DocDefMemoID 
		FROM DocumentDefMemo, 
			@oParentNewIDTable AS p 
		WHERE DocDefID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY DocDefMemoID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'DocDefMemoID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DocumentDefMemo(DocDefMemoID, DocDefID, PublishedBatchDefID, AdminID, Instructions) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		DocumentDefMemo.Instructions 
		FROM NewIDTable AS t, 
			DocumentDefMemo 
		WHERE t.AdminID = DocDefMemoID AND 
			PublishedBatchDefID = 0 AND 
			DocDefID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 1; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT RecogOptID FROM RecogOpt 
			WHERE PublishedBatchDefID = 0 
		ORDER BY RecogOptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'RecogOptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
IF EXISTS (SELECT * FROM NewIDTable WHERE NewIDTable.NewID=15000)
BEGIN
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT RecogOptID FROM RecogOpt 
			WHERE PublishedBatchDefID = 0 
		ORDER BY RecogOptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'RecogOptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
END
	INSERT INTO RecogOpt(RecogOptID, PublishedBatchDefID, AdminID, Engine,Settings) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		RecogOpt.Engine,
		RecogOpt.Settings 
		FROM NewIDTable t, 
			RecogOpt 
		WHERE t.AdminID=RecogOptID AND 
			PublishedBatchDefID=0 
		ORDER BY RecogOptID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT AutoFormIDOptID FROM AutoFormIDOpt 
			WHERE PublishedBatchDefID = 0 
		ORDER BY AutoFormIDOptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'AutoFormIDOptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoFormIDOpt(AutoFormIDOptID, PublishedBatchDefID, AdminID, PageRecogOptID,ZoneRecogOptID) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		AutoFormIDOpt.PageRecogOptID,
		AutoFormIDOpt.ZoneRecogOptID 
		FROM NewIDTable t, 
			AutoFormIDOpt 
		WHERE t.AdminID=AutoFormIDOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoFormIDOptID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT AutoDocSepOptID FROM AutoDocSepOpt 
			WHERE PublishedBatchDefID = 0 
		ORDER BY AutoDocSepOptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'AutoDocSepOptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoDocSepOpt(AutoDocSepOptID, PublishedBatchDefID, AdminID, Method,SepSheetRecogOptID,StdRecogOptID) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		AutoDocSepOpt.Method,
		AutoDocSepOpt.SepSheetRecogOptID,
		AutoDocSepOpt.StdRecogOptID 
		FROM NewIDTable t, 
			AutoDocSepOpt 
		WHERE t.AdminID=AutoDocSepOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoDocSepOptID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT AutoDocSep_IDOptID FROM AutoDocSep_IDOpt 
			WHERE PublishedBatchDefID = 0 
		ORDER BY AutoDocSep_IDOptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'AutoDocSep_IDOptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO AutoDocSep_IDOpt(AutoDocSep_IDOptID, PublishedBatchDefID, AdminID, AutoDocSepOptID,IDOrder) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		AutoDocSep_IDOpt.AutoDocSepOptID,
		AutoDocSep_IDOpt.IDOrder 
		FROM NewIDTable t, 
			AutoDocSep_IDOpt 
		WHERE t.AdminID=AutoDocSep_IDOptID AND 
			PublishedBatchDefID=0 
		ORDER BY AutoDocSep_IDOptID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT FieldTypeID FROM FieldType 
			WHERE PublishedBatchDefID = 0 
		ORDER BY FieldTypeID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'FieldTypeID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO FieldType(FieldTypeID, PublishedBatchDefID, AdminID, Name,DataType,MaxLength,Mask) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
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
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT DictionaryID FROM Dictionary 
			WHERE PublishedBatchDefID = 0 
		ORDER BY DictionaryID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'DictionaryID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Dictionary(DictionaryID, PublishedBatchDefID, AdminID, Name,LanguageCode) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		Dictionary.Name,
		Dictionary.LanguageCode 
		FROM NewIDTable t, 
			Dictionary 
		WHERE t.AdminID=DictionaryID AND 
			PublishedBatchDefID=0 
		ORDER BY DictionaryID; 
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			DictionaryWordID 
		FROM DictionaryWord, 
			@oParentNewIDTable AS p 
		WHERE DictionaryID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY DictionaryWordID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'DictionaryWordID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO DictionaryWord(DictionaryWordID, DictionaryID, PublishedBatchDefID, AdminID, Word) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		DictionaryWord.Word 
		FROM NewIDTable AS t, 
			DictionaryWord 
		WHERE t.AdminID = DictionaryWordID AND 
			PublishedBatchDefID = 0 AND 
			DictionaryID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 1; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT ImageCleanupProfileID FROM ImageCleanupProfile 
			WHERE PublishedBatchDefID = 0 
		ORDER BY ImageCleanupProfileID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ImageCleanupProfileID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ImageCleanupProfile(ImageCleanupProfileID, PublishedBatchDefID, AdminID, Name,Deskew,Despeckle) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		ImageCleanupProfile.Name,
		ImageCleanupProfile.Deskew,
		ImageCleanupProfile.Despeckle 
		FROM NewIDTable t, 
			ImageCleanupProfile 
		WHERE t.AdminID=ImageCleanupProfileID AND 
			PublishedBatchDefID=0 
		ORDER BY ImageCleanupProfileID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT ColorProfileID FROM ColorProfile 
			WHERE PublishedBatchDefID = 0 
		ORDER BY ColorProfileID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ColorProfileID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ColorProfile(ColorProfileID, PublishedBatchDefID, AdminID, Name,Brightness,Contrast) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		ColorProfile.Name,
		ColorProfile.Brightness,
		ColorProfile.Contrast 
		FROM NewIDTable t, 
			ColorProfile 
		WHERE t.AdminID=ColorProfileID AND 
			PublishedBatchDefID=0 
		ORDER BY ColorProfileID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT ExportConnectorID FROM ExportConnector 
			WHERE PublishedBatchDefID = 0 
		ORDER BY ExportConnectorID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ExportConnectorID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ExportConnector(ExportConnectorID, PublishedBatchDefID, AdminID, Name,ConnectorGUID,Settings) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		ExportConnector.Name,
		ExportConnector.ConnectorGUID,
		ExportConnector.Settings 
		FROM NewIDTable t, 
			ExportConnector 
		WHERE t.AdminID=ExportConnectorID AND 
			PublishedBatchDefID=0 
		ORDER BY ExportConnectorID; 
	INSERT INTO @oParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable(NewParentID, AdminID) 
		SELECT p.NewID, 
			ExportFieldID 
		FROM ExportField, 
			@oParentNewIDTable AS p 
		WHERE ExportConnectorID = p.AdminID AND 
			p.Depth = 1 
		ORDER BY ExportFieldID 
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ExportFieldID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ExportField(ExportFieldID, ExportConnectorID, PublishedBatchDefID, AdminID, SourceName,TargetName) 
		SELECT t.NewID, 
			t.NewParentID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		ExportField.SourceName,
		ExportField.TargetName 
		FROM NewIDTable AS t, 
			ExportField 
		WHERE t.AdminID = ExportFieldID AND 
			PublishedBatchDefID = 0 AND 
			ExportConnectorID IN( 
				SELECT p.AdminID 
				FROM @oParentNewIDTable p 
				WHERE p.Depth = 1); 
	DELETE FROM @oParentNewIDTable
		WHERE Depth = 1; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT ValidationScriptID FROM ValidationScript 
			WHERE PublishedBatchDefID = 0 
		ORDER BY ValidationScriptID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ValidationScriptID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO ValidationScript(ValidationScriptID, PublishedBatchDefID, AdminID, Language,ScriptText) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		ValidationScript.Language,
		ValidationScript.ScriptText 
		FROM NewIDTable t, 
			ValidationScript 
		WHERE t.AdminID=ValidationScriptID AND 
			PublishedBatchDefID=0 
		ORDER BY ValidationScriptID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT PageRegionID FROM PageRegion 
			WHERE PublishedBatchDefID = 0 
		ORDER BY PageRegionID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'PageRegionID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO PageRegion(PageRegionID, PublishedBatchDefID, AdminID, RecogOptID,LeftEdge,TopEdge,Width,Height) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
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
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT SeparatorSheetID FROM SeparatorSheet 
			WHERE PublishedBatchDefID = 0 
		ORDER BY SeparatorSheetID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'SeparatorSheetID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO SeparatorSheet(SeparatorSheetID, PublishedBatchDefID, AdminID, Name,PatchCode) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		SeparatorSheet.Name,
		SeparatorSheet.PatchCode 
		FROM NewIDTable t, 
			SeparatorSheet 
		WHERE t.AdminID=SeparatorSheetID AND 
			PublishedBatchDefID=0 
		ORDER BY SeparatorSheetID; 
	TRUNCATE TABLE NewIDTable 
	INSERT INTO NewIDTable (AdminID) 
		SELECT ProcessID FROM Processes 
			WHERE PublishedBatchDefID = 0 
		ORDER BY ProcessID  
	UPDATE AutoNumber 
		SET @lNextID = NextID, 
			NextID = NextID + (SELECT Count(*) FROM NewIDTable) 
		WHERE Type = 2 AND ColumnName = 'ProcessID'  
	UPDATE NewIDTable 
		SET NewID = @lNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
	INSERT INTO Processes(ProcessID, PublishedBatchDefID, AdminID, Name,ProgID,Enabled) 
		SELECT t.NewID, 
			@lPublishedBatchDefID, 
			t.AdminID, 
			
		Processes.Name,
		Processes.ProgID,
		Processes.Enabled 
		FROM NewIDTable t, 
			Processes 
		WHERE t.AdminID=ProcessID AND 
			PublishedBatchDefID=0 
		ORDER BY ProcessID; 
	UPDATE BatchDefNotes 
		SET BatchDefNotes.BatchDefID = r.BatchDefID 
		FROM BatchDefNotes t INNER JOIN BatchDef r ON t.BatchDefID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE DocumentDef 
		SET DocumentDef.RecogOptID = r.RecogOptID 
		FROM DocumentDef t INNER JOIN RecogOpt r ON t.RecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE FormType 
		SET FormType.DocDefID = r.DocDefID 
		FROM FormType t INNER JOIN DocumentDef r ON t.DocDefID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE FormTypeExt 
		SET FormTypeExt.FormTypeID = r.FormTypeID 
		FROM FormTypeExt t INNER JOIN FormType r ON t.FormTypeID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE IndexFieldDef 
		SET IndexFieldDef.DocDefID = r.DocDefID 
		FROM IndexFieldDef t INNER JOIN DocumentDef r ON t.DocDefID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE IndexFieldDef 
		SET IndexFieldDef.FieldTypeID = r.FieldTypeID 
		FROM IndexFieldDef t INNER JOIN FieldType r ON t.FieldTypeID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE DocumentDefMemo 
		SET DocumentDefMemo.DocDefID = r.DocDefID 
		FROM DocumentDefMemo t INNER JOIN DocumentDef r ON t.DocDefID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE AutoFormIDOpt 
		SET AutoFormIDOpt.PageRecogOptID = r.RecogOptID 
		FROM AutoFormIDOpt t INNER JOIN RecogOpt r ON t.PageRecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE AutoFormIDOpt 
		SET AutoFormIDOpt.ZoneRecogOptID = r.RecogOptID 
		FROM AutoFormIDOpt t INNER JOIN RecogOpt r ON t.ZoneRecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE AutoDocSepOpt 
		SET AutoDocSepOpt.SepSheetRecogOptID = r.RecogOptID 
		FROM AutoDocSepOpt t INNER JOIN RecogOpt r ON t.SepSheetRecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE AutoDocSepOpt 
		SET AutoDocSepOpt.StdRecogOptID = r.RecogOptID 
		FROM AutoDocSepOpt t INNER JOIN RecogOpt r ON t.StdRecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE AutoDocSep_IDOpt 
		SET AutoDocSep_IDOpt.AutoDocSepOptID = r.AutoDocSepOptID 
		FROM AutoDocSep_IDOpt t INNER JOIN AutoDocSepOpt r ON t.AutoDocSepOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE PageRegion 
		SET PageRegion.RecogOptID = r.RecogOptID 
		FROM PageRegion t INNER JOIN RecogOpt r ON t.RecogOptID = r.AdminID 
		WHERE r.PublishedBatchDefID = @lPublishedBatchDefID 
			AND t.PublishedBatchDefID = @lPublishedBatchDefID  
	UPDATE BatchDef 
		SET Referenced = 1 
		WHERE PublishedBatchDefID=@lPublishedBatchDefID; 
UPDATE AutoDocSepOpt SET Referenced = 1 WHERE PublishedBatchDefID = @lPublishedBatchDefID AND Method NOT IN (4,6) 	UPDATE AutoDocSep_IDOpt 
		SET Referenced = 1 
		FROM AutoDocSep_IDOpt c INNER JOIN AutoDocSepOpt p ON c.AutoDocSep_IDOptID = p.AutoDocSep_IDOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN PageRegion p ON c.RecogOptID = p.RecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE ExportField 
		SET Referenced = 1 
		FROM ExportField c INNER JOIN ExportConnector p ON c.ExportConnectorID = p.ExportConnectorID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE DictionaryWord 
		SET Referenced = 1 
		FROM DictionaryWord c INNER JOIN Dictionary p ON c.DictionaryID = p.DictionaryID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN AutoDocSepOpt p ON c.RecogOptID = p.SepSheetRecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN AutoDocSepOpt p ON c.RecogOptID = p.StdRecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN AutoFormIDOpt p ON c.RecogOptID = p.PageRecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN AutoFormIDOpt p ON c.RecogOptID = p.ZoneRecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE IndexFieldDef 
		SET Referenced = 1 
		FROM IndexFieldDef c INNER JOIN DocumentDef p ON c.DocDefID = p.DocDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE FieldType 
		SET Referenced = 1 
		FROM FieldType c INNER JOIN IndexFieldDef p ON c.FieldTypeID = p.FieldTypeID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE FormType 
		SET Referenced = 1 
		FROM FormType c INNER JOIN DocumentDef p ON c.DocDefID = p.DocDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE FormTypeExt 
		SET Referenced = 1 
		FROM FormTypeExt c INNER JOIN FormType p ON c.FormTypeID = p.FormTypeID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE RecogOpt 
		SET Referenced = 1 
		FROM RecogOpt c INNER JOIN DocumentDef p ON c.RecogOptID = p.RecogOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE BatchDef_DocDef 
		SET Referenced = 1 
		FROM BatchDef_DocDef c INNER JOIN BatchDef p ON c.BatchDefID = p.BatchDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE DocDefSeparation 
		SET Referenced = 1 
		FROM DocDefSeparation c INNER JOIN BatchDef_DocDef p 
			ON c.DocDefID = p.DocDefID 
				AND c.BatchDefID = p.BatchDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE AutoDocSepOpt 
		SET Referenced = 1 
		FROM AutoDocSepOpt c INNER JOIN DocDefSeparation p ON c.AutoDocSepOptID = p.AutoDocSepOptID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE DocumentDef 
		SET Referenced = 1 
		FROM DocumentDef c INNER JOIN BatchDef_DocDef p ON c.DocDefID = p.DocDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE FolderCreationRule 
		SET Referenced = 1 
		FROM FolderCreationRule c INNER JOIN BatchDef p ON c.BatchDefID = p.BatchDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE Queue 
		SET Referenced = 1 
		FROM Queue c INNER JOIN BatchDef p ON c.BatchDefID = p.BatchDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE Processes 
		SET Referenced = 1 
		FROM Processes c INNER JOIN Queue p ON c.ProcessID = p.ProcessID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE BatchFieldDef 
		SET Referenced = 1 
		FROM BatchFieldDef c INNER JOIN BatchDef p ON c.BatchDefID = p.BatchDefID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	UPDATE FieldType 
		SET Referenced = 1 
		FROM FieldType c INNER JOIN BatchFieldDef p ON c.FieldTypeID = p.FieldTypeID 
		WHERE p.PublishedBatchDefID = @lPublishedBatchDefID 
			AND p.Referenced = 1  
	DELETE FROM SeparatorSheet 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM PageRegion 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ValidationScript 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportField 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportConnector 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ColorProfile 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ImageCleanupProfile 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DictionaryWord 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Dictionary 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FieldType 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSep_IDOpt 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSepOpt 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoFormIDOpt 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM RecogOpt 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM IndexFieldDef 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormTypeExt 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormType 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocumentDef 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocDefSeparation 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef_DocDef 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FolderCreationRule 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Queue 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchFieldDef 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef 		WHERE PublishedBatchDefID=@lPublishedBatchDefID AND 			Referenced=0;
	DECLARE @lRowIndex INT = 0;
	DECLARE @lBatchDefIDVal INT; 
	DECLARE @lBatchCount INT; 
	IF (@lMaxBCVersionNum >= 1) 
	BEGIN 
		DECLARE @TableBatchDefID TABLE( BatchDefID INT, LastPublished DateTime);
		INSERT INTO @TableBatchDefID 
		OUTPUT INSERTED.* 
			SELECT BatchDef.BatchDefID, BatchDef.LastPublished FROM BatchDef WHERE BatchDef.OriginalBatchDefID = @lBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND BatchDef.VersionNum <> 0;
		DECLARE oCursor CURSOR FOR SELECT BatchDefID FROM @TableBatchDefID ORDER BY LastPublished DESC; 
		OPEN oCursor;
		FETCH NEXT FROM oCursor INTO @lBatchDefIDVal;
		WHILE @@FETCH_STATUS = 0 
		BEGIN 
			IF (@lRowIndex >= @lMaxBCVersionNum)
			BEGIN 
				SELECT @lBatchCount=COUNT(*) FROM BatchCatalog WHERE BatchCatalog.BatchDefID=@lBatchDefIDVal; 
				UPDATE BatchDef SET VersionNum=0 WHERE BatchDef.BatchDefID=@lBatchDefIDVal AND @lBatchCount=0;
			END;
			FETCH NEXT FROM oCursor INTO @lBatchDefIDVal;
			SET @lRowIndex = @lRowIndex + 1; 
		END;
		CLOSE oCursor; DEALLOCATE oCursor;

	END -- ENDIF (@lMaxBCVersionNum >= 1)
	ELSE BEGIN
		UPDATE BatchDef SET VersionNum=0 WHERE BatchDef.OriginalBatchDefID=@lBatchDefID;
	END; 

	TRUNCATE TABLE NewIDTable 
	COMMIT TRANSACTION 

GO

