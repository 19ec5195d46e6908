-- vrlschema 1.1.0 upgrade script
-- dialect: sqlserver
-- from: version 25 (sample-schema.json)
-- to: version 35.10002 (sample-schema.json)
-- steps: 34

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_DocDefSeparation_DocDefID' AND TABLE_NAME = N'DocDefSeparation' AND CONSTRAINT_TYPE = N'FOREIGN KEY') > 0
EXEC sp_executesql N'ALTER TABLE DocDefSeparation DROP CONSTRAINT FK_DocDefSeparation_DocDefID'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_DocDefSeparation_DocDefIDIndex' AND sys.objects.Name = N'DocDefSeparation') > 0
EXEC sp_executesql N'DROP INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'procGetBatchDef' AND ROUTINE_TYPE = N'PROCEDURE') > 0
EXEC sp_executesql N'DROP PROCEDURE procGetBatchDef'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'vwBatchDefPublished' AND TABLE_TYPE = N'VIEW') > 0
EXEC sp_executesql N'DROP VIEW vwBatchDefPublished'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'vwOldCatalog' AND TABLE_TYPE = N'VIEW') > 0
EXEC sp_executesql N'DROP VIEW vwOldCatalog'
GO

IF EXISTS (SELECT * FROM sys.objects WHERE TYPE='TR' AND object_id=OBJECT_ID(N'T_BatchDef_DTrig'))
DROP TRIGGER T_BatchDef_DTrig
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'BatchDefNotes' AND TABLE_TYPE = N'BASE TABLE') = 0
EXEC sp_executesql N'CREATE TABLE dbo.BatchDefNotes(
BatchDefNotesID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
Notes nvarchar(max)  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'FolderCreationRule' AND TABLE_TYPE = N'BASE TABLE') = 0
EXEC sp_executesql N'CREATE TABLE dbo.FolderCreationRule(
FolderCreationRuleID int Not Null DEFAULT (NULL),
BatchDefID int Not Null DEFAULT (NULL),
SourceType smallint Not Null DEFAULT (1),
SourceName nvarchar(64)  DEFAULT (NULL),
ParentRuleID int  DEFAULT (NULL),
PublishedBatchDefID int Not Null DEFAULT (0),
AdminID int  DEFAULT (0),
Referenced bit Not Null DEFAULT (0))'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'ProcessReplaces' AND TABLE_TYPE = N'BASE TABLE') = 0
EXEC sp_executesql N'CREATE TABLE dbo.ProcessReplaces(
ProcessReplacesID int Not Null DEFAULT (NULL),
ProcessID int Not Null DEFAULT (NULL),
ReplacedProcessID int Not Null DEFAULT (NULL))'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'BatchDef' AND COLUMN_NAME = N'ImageFolder') = 0
EXEC sp_executesql N'ALTER TABLE BatchDef ADD ImageFolder nvarchar(400)  DEFAULT (NULL)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'BatchDef' AND COLUMN_NAME = N'Notes') = 0
EXEC sp_executesql N'ALTER TABLE BatchDef ADD Notes nvarchar(max)  DEFAULT (NULL)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'BatchDef' AND COLUMN_NAME = N'DeleteBatchDays') = 0
EXEC sp_executesql N'ALTER TABLE BatchDef ADD DeleteBatchDays int  DEFAULT (0)'
GO

DECLARE @sDropDefault nvarchar(400)
SELECT @sDropDefault = N'ALTER TABLE DocDefSeparation DROP CONSTRAINT ' + QUOTENAME(d.name) FROM sys.default_constraints d INNER JOIN sys.columns c ON c.object_id = d.parent_object_id AND c.column_id = d.parent_column_id WHERE d.parent_object_id = OBJECT_ID(N'DocDefSeparation') AND c.name = N'PageCount'
IF @sDropDefault IS NOT NULL EXEC sp_executesql @sDropDefault
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'DocDefSeparation' AND COLUMN_NAME = N'PageCount') > 0
EXEC sp_executesql N'UPDATE DocDefSeparation SET PageCount = 1 WHERE PageCount IS NULL'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'DocDefSeparation' AND COLUMN_NAME = N'PageCount') > 0
EXEC sp_executesql N'ALTER TABLE DocDefSeparation ALTER COLUMN PageCount smallint Not Null'
GO

IF (SELECT COUNT(*) FROM sys.default_constraints d INNER JOIN sys.columns c ON c.object_id = d.parent_object_id AND c.column_id = d.parent_column_id WHERE d.parent_object_id = OBJECT_ID(N'DocDefSeparation') AND c.name = N'PageCount') = 0
EXEC sp_executesql N'ALTER TABLE DocDefSeparation ADD DEFAULT (1) FOR PageCount'
GO

DECLARE @sDropDefault nvarchar(400)
SELECT @sDropDefault = N'ALTER TABLE BatchDef DROP CONSTRAINT ' + QUOTENAME(d.name) FROM sys.default_constraints d INNER JOIN sys.columns c ON c.object_id = d.parent_object_id AND c.column_id = d.parent_column_id WHERE d.parent_object_id = OBJECT_ID(N'BatchDef') AND c.name = N'LegacyFlags'
IF @sDropDefault IS NOT NULL EXEC sp_executesql @sDropDefault
GO

-- destructive: drop column BatchDef.LegacyFlags
IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'BatchDef' AND COLUMN_NAME = N'LegacyFlags') > 0
EXEC sp_executesql N'ALTER TABLE BatchDef DROP COLUMN LegacyFlags'
GO

IF NOT EXISTS (SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'BatchDefNotes' AND CONSTRAINT_TYPE = N'PRIMARY KEY')
EXEC sp_executesql N'ALTER TABLE BatchDefNotes WITH NOCHECK ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY CLUSTERED (BatchDefNotesID)'
GO

IF NOT EXISTS (SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'FolderCreationRule' AND CONSTRAINT_TYPE = N'PRIMARY KEY')
EXEC sp_executesql N'ALTER TABLE FolderCreationRule WITH NOCHECK ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY CLUSTERED (FolderCreationRuleID)'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'IX_DocDefSeparation_PageCount' AND sys.objects.Name = N'DocDefSeparation') = 0
EXEC sp_executesql N'CREATE INDEX IX_DocDefSeparation_PageCount ON DocDefSeparation(PageCount)'
GO

IF NOT EXISTS (SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'ProcessReplaces' AND CONSTRAINT_TYPE = N'PRIMARY KEY')
EXEC sp_executesql N'ALTER TABLE ProcessReplaces WITH NOCHECK ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY CLUSTERED (ProcessReplacesID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_BatchDefNotes_BatchDefID' AND TABLE_NAME = N'BatchDefNotes' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_BatchDefNotes_BatchDefIDIndex' AND sys.objects.Name = N'BatchDefNotes') = 0
EXEC sp_executesql N'CREATE INDEX FK_BatchDefNotes_BatchDefIDIndex ON BatchDefNotes(BatchDefID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_FolderRule_BatchDefID' AND TABLE_NAME = N'FolderCreationRule' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY(BatchDefID) REFERENCES BatchDef(BatchDefID) ON DELETE CASCADE ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_FolderRule_BatchDefIDIndex' AND sys.objects.Name = N'FolderCreationRule') = 0
EXEC sp_executesql N'CREATE INDEX FK_FolderRule_BatchDefIDIndex ON FolderCreationRule(BatchDefID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_FolderRule_ParentRuleID' AND TABLE_NAME = N'FolderCreationRule' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY(ParentRuleID) REFERENCES FolderCreationRule(FolderCreationRuleID) ON DELETE NO ACTION ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_FolderRule_ParentRuleIDIndex' AND sys.objects.Name = N'FolderCreationRule') = 0
EXEC sp_executesql N'CREATE INDEX FK_FolderRule_ParentRuleIDIndex ON FolderCreationRule(ParentRuleID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_DocDefSeparation_DocDefID' AND TABLE_NAME = N'DocDefSeparation' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY(DocDefID) REFERENCES DocumentDef(DocDefID) ON DELETE CASCADE ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_DocDefSeparation_DocDefIDIndex' AND sys.objects.Name = N'DocDefSeparation') = 0
EXEC sp_executesql N'CREATE INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation(DocDefID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_ProcessReplaces_ProcessID' AND TABLE_NAME = N'ProcessReplaces' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ProcessID FOREIGN KEY(ProcessID) REFERENCES Processes(ProcessID) ON DELETE CASCADE ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_ProcessReplaces_ProcessIDIndex' AND sys.objects.Name = N'ProcessReplaces') = 0
EXEC sp_executesql N'CREATE INDEX FK_ProcessReplaces_ProcessIDIndex ON ProcessReplaces(ProcessID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'FK_ProcessReplaces_ReplacedID' AND TABLE_NAME = N'ProcessReplaces' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0
EXEC sp_executesql N'ALTER TABLE ProcessReplaces ADD CONSTRAINT FK_ProcessReplaces_ReplacedID FOREIGN KEY(ReplacedProcessID) REFERENCES Processes(ProcessID) ON DELETE NO ACTION ON UPDATE NO ACTION'
GO

IF (SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND sys.objects.Type = 'U' AND sys.indexes.Name = N'FK_ProcessReplaces_ReplacedIDIndex' AND sys.objects.Name = N'ProcessReplaces') = 0
EXEC sp_executesql N'CREATE INDEX FK_ProcessReplaces_ReplacedIDIndex ON ProcessReplaces(ReplacedProcessID)'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'vwBatchDefPublished' AND TABLE_TYPE = N'VIEW') = 0
EXEC sp_executesql N'CREATE VIEW dbo.vwBatchDefPublished AS
SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE PublishedBatchDefID <> 0'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'vwQueueProcess' AND TABLE_TYPE = N'VIEW') = 0
EXEC sp_executesql N'CREATE VIEW dbo.vwQueueProcess AS
SELECT q.QueueID, q.BatchDefID, p.Name FROM Queue q INNER JOIN Processes p ON p.ProcessID = q.ProcessID'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'procGetBatchDef' AND ROUTINE_TYPE = N'PROCEDURE') = 0
EXEC sp_executesql N'CREATE PROCEDURE dbo.procGetBatchDef (@lBatchDefID int ) AS 
	SELECT BatchDefID, Name, VersionNum, Priority FROM BatchDef WHERE BatchDefID = @lBatchDefID'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'procRenameBatchDef' AND ROUTINE_TYPE = N'PROCEDURE') = 0
EXEC sp_executesql N'CREATE PROCEDURE dbo.procRenameBatchDef (@lBatchDefID int , @strName NVARCHAR(64) , @lVersionNum int OUT, @bDone bit OUT) AS 
	UPDATE BatchDef SET Name = @strName, VersionNum = VersionNum + 1 WHERE BatchDefID = @lBatchDefID
	SELECT @lVersionNum = VersionNum FROM BatchDef WHERE BatchDefID = @lBatchDefID
	SET @bDone = 1'
GO

IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'procListCatalog' AND ROUTINE_TYPE = N'PROCEDURE') = 0
EXEC sp_executesql N'CREATE PROCEDURE dbo.procListCatalog  AS 
	SELECT BatchID, Name, Created FROM BatchCatalog ORDER BY Created DESC'
GO

IF (SELECT COUNT(*) FROM sys.objects WHERE TYPE='TR' AND object_id=OBJECT_ID(N'T_BatchDef_DTrig')) = 0
EXEC sp_executesql N'CREATE TRIGGER T_BatchDef_DTrig ON BatchDef INSTEAD OF DELETE AS
SET NOCOUNT ON
DELETE BatchDef_DocDef FROM deleted,BatchDef_DocDef  WHERE deleted.BatchDefID=BatchDef_DocDef.BatchDefID 
DELETE Queue FROM deleted,Queue  WHERE deleted.BatchDefID=Queue.BatchDefID 
DELETE BatchFieldDef FROM deleted,BatchFieldDef  WHERE deleted.BatchDefID=BatchFieldDef.BatchDefID 
DELETE BatchDef FROM deleted,BatchDef  WHERE deleted.BatchDefID=BatchDef.BatchDefID'
GO

IF (SELECT COUNT(*) FROM Functions WHERE FunctionID=4) = 0
EXEC sp_executesql N'INSERT INTO Functions(FunctionID, Name, Category) VALUES (4, ''Export Batch'', 1)'
GO

