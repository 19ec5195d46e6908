-- vrlschema 1.1.0 upgrade script
-- dialect: access
-- from: version 25 (sample-schema.json)
-- to: version 35.10002 (sample-schema.json)
-- steps: 27
-- Not guarded: Access has no catalogue to ask whether a step is needed.
-- Run this script once, on a database of the older version.

ALTER TABLE DocDefSeparation DROP CONSTRAINT FK_DocDefSeparation_DocDefID
GO

DROP INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation
GO

DROP PROCEDURE procGetBatchDef
GO

DROP VIEW vwBatchDefPublished
GO

DROP VIEW vwOldCatalog
GO

CREATE TABLE BatchDefNotes(
[BatchDefNotesID] int Not Null,
[BatchDefID] int Not Null,
[Notes] ntext,
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

CREATE TABLE ProcessReplaces(
[ProcessReplacesID] int Not Null,
[ProcessID] int Not Null,
[ReplacedProcessID] int Not Null)
GO

ALTER TABLE BatchDef ADD [ImageFolder] memo
GO

ALTER TABLE BatchDef ADD [Notes] ntext
GO

ALTER TABLE BatchDef ADD [DeleteBatchDays] int  DEFAULT 0
GO

UPDATE DocDefSeparation SET [PageCount] = 1 WHERE [PageCount] IS NULL
GO

ALTER TABLE DocDefSeparation ALTER COLUMN PageCount smallint Not Null
GO

-- destructive: drop column BatchDef.LegacyFlags
ALTER TABLE BatchDef DROP COLUMN LegacyFlags
GO

ALTER TABLE BatchDefNotes ADD CONSTRAINT PK_BatchDefNotes PRIMARY KEY(BatchDefNotesID)
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT PK_FolderCreationRule PRIMARY KEY(FolderCreationRuleID)
GO

CREATE INDEX IX_DocDefSeparation_PageCount ON DocDefSeparation(PageCount)
GO

ALTER TABLE ProcessReplaces ADD CONSTRAINT PK_ProcessReplaces PRIMARY KEY(ProcessReplacesID)
GO

ALTER TABLE BatchDefNotes ADD CONSTRAINT FK_BatchDefNotes_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_BatchDefNotes_BatchDefIDIndex ON BatchDefNotes([BatchDefID])
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_BatchDefID FOREIGN KEY([BatchDefID]) REFERENCES BatchDef([BatchDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_BatchDefIDIndex ON FolderCreationRule([BatchDefID])
GO

ALTER TABLE FolderCreationRule ADD CONSTRAINT FK_FolderRule_ParentRuleID FOREIGN KEY([ParentRuleID]) REFERENCES FolderCreationRule([FolderCreationRuleID]) ON DELETE NO ACTION ON UPDATE NO ACTION
GO

CREATE INDEX FK_FolderRule_ParentRuleIDIndex ON FolderCreationRule([ParentRuleID])
GO

ALTER TABLE DocDefSeparation ADD CONSTRAINT FK_DocDefSeparation_DocDefID FOREIGN KEY([DocDefID]) REFERENCES DocumentDef([DocDefID]) ON DELETE CASCADE ON UPDATE NO ACTION
GO

CREATE INDEX FK_DocDefSeparation_DocDefIDIndex ON DocDefSeparation([DocDefID])
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

INSERT INTO Functions([FunctionID], [Name], [Category]) VALUES (4, 'Export Batch', 1)
GO

