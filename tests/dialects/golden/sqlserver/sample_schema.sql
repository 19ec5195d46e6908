# Creation script of the four-table sample schema (Parent, Child, Sibling, Tag;
# see TestDialectScripts.cpp) as the SQL Server generator writes it, with
# Unicode literals on. One statement per line; inside a statement \n, \r and \t
# stand for line feed, carriage return and tab. Lines starting with # are notes.
#
# Tables first, columns in field order; Sibling.Photo is binary and has no column.
CREATE TABLE dbo.Parent(\nParentID int Not Null DEFAULT (NULL),\r\nName nvarchar(50) Not Null DEFAULT (''),\r\nCreated datetime  DEFAULT (CONVERT(varchar(20), '2024-01-31T13:45:00', 126)),\r\nActive bit Not Null DEFAULT (1))
CREATE TABLE dbo.Child(\nChildID int Not Null DEFAULT (NULL),\r\nParentID int Not Null DEFAULT (NULL),\r\nNote nvarchar(max)  DEFAULT (NULL),\r\nAmount float  DEFAULT (1.500000))
CREATE TABLE dbo.Sibling(\nSiblingID int Not Null DEFAULT (NULL),\r\nParentID int  DEFAULT (NULL),\r\nCode nvarchar(300)  DEFAULT (NULL))
CREATE TABLE dbo.Tag(\nTagID int Not Null DEFAULT (NULL),\r\nChildID int  DEFAULT (NULL),\r\nLabel nvarchar(30)  DEFAULT (N'Grün'),\r\nPublishedBatchDefID int Not Null DEFAULT (0),\r\nAdminID int  DEFAULT (0),\r\nReferenced bit Not Null DEFAULT (0))
# Keys, unique constraints and indexes, table by table.
ALTER TABLE Parent WITH NOCHECK ADD CONSTRAINT PK_Parent PRIMARY KEY CLUSTERED (ParentID)
ALTER TABLE Parent WITH NOCHECK ADD CONSTRAINT UQ_Parent_Name UNIQUE NONCLUSTERED (Name)
CREATE NONCLUSTERED INDEX IX_Parent_Created ON dbo.Parent (Created) INCLUDE (Name)
ALTER TABLE Child WITH NOCHECK ADD CONSTRAINT PK_Child PRIMARY KEY NONCLUSTERED (ChildID)
CREATE CLUSTERED INDEX IX_Child_Parent ON dbo.Child (ParentID) INCLUDE (Amount)
ALTER TABLE Sibling WITH NOCHECK ADD CONSTRAINT PK_Sibling PRIMARY KEY CLUSTERED (SiblingID)
ALTER TABLE Tag WITH NOCHECK ADD CONSTRAINT UQ_Tag UNIQUE NONCLUSTERED (TagID, Label)
CREATE NONCLUSTERED INDEX IX_Tag_Label ON dbo.Tag (Label)
# Foreign keys. The trigger-carried cascade (rule 4) is declared NO ACTION.
ALTER TABLE Child ADD CONSTRAINT FK_Child_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) ON DELETE NO ACTION ON UPDATE NO ACTION
CREATE INDEX FK_Child_ParentIndex ON Child(ParentID)
ALTER TABLE Sibling ADD CONSTRAINT FK_Sibling_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) ON DELETE NO ACTION ON UPDATE NO ACTION
ALTER TABLE Tag ADD CONSTRAINT FK_Tag_Child FOREIGN KEY(ChildID) REFERENCES Child(ChildID) ON DELETE CASCADE ON UPDATE NO ACTION
CREATE INDEX FK_Tag_ChildIndex ON Tag(ChildID)
# View, functions (scalar, then inline table-valued), procedure.
CREATE VIEW dbo.vwParentChild AS\nSELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID
CREATE FUNCTION dbo.fnChildCount(@ParentID int ) \n\tRETURNS int \nBEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = @ParentID)\nEND
CREATE FUNCTION dbo.fnActiveParents() \n\tRETURNS table \nAS RETURN(SELECT ParentID FROM Parent WHERE Active = 1)
CREATE PROCEDURE dbo.procGetChildren (@ParentID int , @Total int OUT) AS \n\tSELECT * FROM Child WHERE ParentID = @ParentID
# The delete trigger that carries out FK_Child_Parent's cascade.
CREATE TRIGGER T_Parent_DTrig ON Parent INSTEAD OF DELETE AS\nSET NOCOUNT ON\nDELETE Child FROM deleted,Child  WHERE deleted.ParentID=Child.ParentID \nDELETE Parent FROM deleted,Parent  WHERE deleted.ParentID=Parent.ParentID
