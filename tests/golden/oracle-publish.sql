CREATE OR REPLACE PROCEDURE procPublishBatchDef( 
	plBatchDefID NUMBER, 
	plPublishedBatchDefID OUT NUMBER, 
	pstrBatchDefGUID OUT VARCHAR) AS 
BEGIN 
	DECLARE 
		plNextID NUMBER(10); 
		plMaxBCVersionNum NUMBER(10); 
		plNextVersionNum NUMBER(10); 
	BEGIN 
		pstrBatchDefGUID := FormatGuid(); 
		procIncrementNextAutoNumber(2, 0, 'BatchDefID', 1, plPublishedBatchDefID); 
		SELECT BCVersioning INTO plMaxBCVersionNum FROM VGlobal; IF (plMaxBCVersionNum = -1) THEN plMaxBCVersionNum := 2147483647; END IF;
		IF plMaxBCVersionNum >= 1 THEN 
			BEGIN 
				procIncrementNextAutoNumber(2, plBatchDefID, 'VersionNum', 1, plNextVersionNum); 
				EXCEPTION 
					WHEN NO_DATA_FOUND THEN 
					BEGIN 
						plNextVersionNum := 1;
						procInsertAutoNumber(2, plBatchDefID, 'VersionNum', 2);
					END; 
			END; 
			IF (plNextVersionNum > 2147483647) THEN 
				plNextVersionNum := 1; 
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
	DELETE FROM NewIDTable; 
	INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, plBatchDefID); 
	UPDATE NewIDTable 
		SET NewID = plPublishedBatchDefID; 
	INSERT INTO poParentNewIDTable(Depth,NewID,AdminID) 
		SELECT 1, 
			NewID, 
			AdminID 
		FROM NewIDTable; 
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT p.NewID, 
			BatchFieldDefID 
		FROM BatchFieldDef, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY BatchFieldDefID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.BatchFieldDefID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='BatchFieldDefID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='BatchFieldDefID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='BatchFieldDefID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			QueueID 
		FROM Queue, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY QueueID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.QueueID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='QueueID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='QueueID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='QueueID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			FolderCreationRuleID 
		FROM FolderCreationRule, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY FolderCreationRuleID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.FolderCreationRuleID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='FolderCreationRuleID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='FolderCreationRuleID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='FolderCreationRuleID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT DocDefSeparationID 
		FROM DocDefSeparation t, 
			poDocDefNewIDTable d 
		WHERE BatchDefID=plBatchDefID AND 
			DocDefID=d.AdminID AND 
			PublishedBatchDefID=0 
		ORDER BY DocDefSeparationID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.DocDefSeparationID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='DocDefSeparationID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='DocDefSeparationID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='DocDefSeparationID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			BatchDefNotesID 
		FROM BatchDefNotes, 
			poParentNewIDTable p 
		WHERE BatchDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY BatchDefNotesID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.BatchDefNotesID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='BatchDefNotesID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='BatchDefNotesID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='BatchDefNotesID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT DocDefID 
		FROM BatchDef_DocDef 
		WHERE BatchDefID=plBatchDefID 
		ORDER BY DocDefID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.DocDefID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='DocDefID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='DocDefID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='DocDefID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			FormTypeID 
		FROM FormType, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY FormTypeID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.FormTypeID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='FormTypeID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='FormTypeID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='FormTypeID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT NewID, 
			AdminID 
		FROM poParentNewIDTable 
		WHERE depth=2) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewID, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.NewID, rLoopData.AdminID); 
	END LOOP; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			IndexFieldDefID 
		FROM IndexFieldDef, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY IndexFieldDefID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.IndexFieldDefID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='IndexFieldDefID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='IndexFieldDefID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='IndexFieldDefID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			DocDefMemoID 
		FROM DocumentDefMemo, 
			poParentNewIDTable p 
		WHERE DocDefID=p.AdminID AND 
			p.depth=1 
		ORDER BY DocDefMemoID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.DocDefMemoID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='DocDefMemoID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='DocDefMemoID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='DocDefMemoID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT RecogOptID 
		FROM RecogOpt 
		WHERE PublishedBatchDefID=0 
		ORDER BY RecogOptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.RecogOptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='RecogOptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='RecogOptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='RecogOptID'; 
	END IF; 
	UPDATE NewIDTable 
		SET NewID = plNextID + IDOffset - ( 
			SELECT MIN(IDOffset) 
			FROM NewIDTable); 
DECLARE lNumRow INTEGER;
BEGIN
SELECT COUNT(*) INTO lNumRow FROM NewIDTable WHERE NewIDTable.NewID=15000;
 IF lNumRow > 0 THEN
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT RecogOptID 
		FROM RecogOpt 
		WHERE PublishedBatchDefID=0 
		ORDER BY RecogOptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.RecogOptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='RecogOptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='RecogOptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='RecogOptID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT AutoFormIDOptID 
		FROM AutoFormIDOpt 
		WHERE PublishedBatchDefID=0 
		ORDER BY AutoFormIDOptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.AutoFormIDOptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='AutoFormIDOptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='AutoFormIDOptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='AutoFormIDOptID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT AutoDocSepOptID 
		FROM AutoDocSepOpt 
		WHERE PublishedBatchDefID=0 
		ORDER BY AutoDocSepOptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.AutoDocSepOptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='AutoDocSepOptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='AutoDocSepOptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='AutoDocSepOptID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT AutoDocSep_IDOptID 
		FROM AutoDocSep_IDOpt 
		WHERE PublishedBatchDefID=0 
		ORDER BY AutoDocSep_IDOptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.AutoDocSep_IDOptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='AutoDocSep_IDOptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='AutoDocSep_IDOptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='AutoDocSep_IDOptID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT FieldTypeID 
		FROM FieldType 
		WHERE PublishedBatchDefID=0 
		ORDER BY FieldTypeID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.FieldTypeID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='FieldTypeID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='FieldTypeID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='FieldTypeID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT DictionaryID 
		FROM Dictionary 
		WHERE PublishedBatchDefID=0 
		ORDER BY DictionaryID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.DictionaryID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='DictionaryID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='DictionaryID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='DictionaryID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			DictionaryWordID 
		FROM DictionaryWord, 
			poParentNewIDTable p 
		WHERE DictionaryID=p.AdminID AND 
			p.depth=1 
		ORDER BY DictionaryWordID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.DictionaryWordID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='DictionaryWordID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='DictionaryWordID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='DictionaryWordID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT ImageCleanupProfileID 
		FROM ImageCleanupProfile 
		WHERE PublishedBatchDefID=0 
		ORDER BY ImageCleanupProfileID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.ImageCleanupProfileID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ImageCleanupProfileID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ImageCleanupProfileID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ImageCleanupProfileID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT ColorProfileID 
		FROM ColorProfile 
		WHERE PublishedBatchDefID=0 
		ORDER BY ColorProfileID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.ColorProfileID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ColorProfileID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ColorProfileID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ColorProfileID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT ExportConnectorID 
		FROM ExportConnector 
		WHERE PublishedBatchDefID=0 
		ORDER BY ExportConnectorID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.ExportConnectorID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ExportConnectorID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ExportConnectorID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ExportConnectorID'; 
	END IF; 
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
	FOR rLoopData IN( 
		SELECT p.NewID, 
			ExportFieldID 
		FROM ExportField, 
			poParentNewIDTable p 
		WHERE ExportConnectorID=p.AdminID AND 
			p.depth=1 
		ORDER BY ExportFieldID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, NewParentID, AdminID) 
			VALUES(NewIDTableSeq.NEXTVAL, rLoopData.NewID, rLoopData.ExportFieldID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ExportFieldID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ExportFieldID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ExportFieldID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT ValidationScriptID 
		FROM ValidationScript 
		WHERE PublishedBatchDefID=0 
		ORDER BY ValidationScriptID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.ValidationScriptID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ValidationScriptID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ValidationScriptID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ValidationScriptID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT PageRegionID 
		FROM PageRegion 
		WHERE PublishedBatchDefID=0 
		ORDER BY PageRegionID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.PageRegionID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='PageRegionID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='PageRegionID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='PageRegionID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT SeparatorSheetID 
		FROM SeparatorSheet 
		WHERE PublishedBatchDefID=0 
		ORDER BY SeparatorSheetID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.SeparatorSheetID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='SeparatorSheetID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='SeparatorSheetID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='SeparatorSheetID'; 
	END IF; 
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
	DELETE FROM NewIDTable; 
	FOR rLoopData IN( 
		SELECT ProcessID 
		FROM Processes 
		WHERE PublishedBatchDefID=0 
		ORDER BY ProcessID) 
	LOOP 
		INSERT INTO NewIDTable(idOffset, AdminID) VALUES(NewIDTableSeq.NEXTVAL, rLoopData.ProcessID); 
	END LOOP; 
	SELECT COUNT(*) 
		INTO plNextID 
		FROM AutoNumber 
		WHERE Type=2 AND 
			ColumnName='ProcessID'; 
	IF plNextID>0 THEN 
		SELECT NextID 
			INTO plNextID 
			FROM AutoNumber 
			WHERE Type=2 AND 
				ColumnName='ProcessID' 
			FOR UPDATE; 
		UPDATE AutoNumber 
			SET NextID = NextID+( 
				SELECT COUNT(*) 
				FROM NewIDTable) 
			WHERE Type=2 AND 
				ColumnName='ProcessID'; 
	END IF; 
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
	UPDATE BatchDef 
		SET Referenced = 1 
		WHERE PublishedBatchDefID=plPublishedBatchDefID; 
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
	DELETE FROM SeparatorSheet 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM PageRegion 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ValidationScript 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportField 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ExportConnector 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ColorProfile 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM ImageCleanupProfile 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DictionaryWord 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Dictionary 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FieldType 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSep_IDOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoDocSepOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM AutoFormIDOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM RecogOpt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM IndexFieldDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormTypeExt 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FormType 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocumentDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM DocDefSeparation 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef_DocDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM FolderCreationRule 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM Queue 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchFieldDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	DELETE FROM BatchDef 		WHERE PublishedBatchDefID=plPublishedBatchDefID AND 			Referenced=0;	
	DECLARE 
		plBatchDefIDVal NUMBER(10);
		plRowIndex NUMBER(10) := 0;
		plBatchCount INT; 
	BEGIN 
		IF (plMaxBCVersionNum >= 1) THEN 
			DECLARE CURSOR oCursor IS SELECT BatchDef.BatchDefID FROM BatchDef 
				WHERE BatchDef.OriginalBatchDefID = plBatchDefID AND BatchDef.PublishedBatchDefID <> 0 AND BatchDef.VersionNum <> 0 
				ORDER BY BatchDef.LastPublished DESC; 
			BEGIN 
				OPEN oCursor; 
				LOOP FETCH oCursor INTO plBatchDefIDVal; 
					EXIT WHEN oCursor%NOTFOUND; 
					IF (plRowIndex >= plMaxBCVersionNum) THEN 
						SELECT COUNT(*) INTO plBatchCount FROM BatchCatalog WHERE BatchCatalog.BatchDefID=plBatchDefIDVal; 
						UPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.BatchDefID=plBatchDefIDVal AND plBatchCount=0;
					END IF;
					plRowIndex := plRowIndex + 1;
				END LOOP;
				CLOSE oCursor;
			END;
		ELSE 
			UPDATE BatchDef SET BatchDef.VersionNum=0 WHERE BatchDef.OriginalBatchDefID=plBatchDefID;
		END IF;
	END;
	END; 
	DELETE FROM NewIDTable; 
	DELETE FROM poParentNewIDTable; 
	DELETE FROM poDocDefNewIDTable; 
	COMMIT; 
END;
/

