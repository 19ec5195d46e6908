# Creation script of the four-table sample schema (Parent, Child, Sibling, Tag;
# see TestDialectScripts.cpp) as the Access generator writes it. One
# statement per line; inside a statement \n, \r and \t stand for line feed,
# carriage return and tab. Lines starting with # are notes.
#
# Tables: bracketed column names, Jet defaults (string defaults lose their
# quotes, the empty string becomes ""), no owner prefix. Sibling.Code is 300
# long and therefore memo; Sibling.Photo is binary and has no column.
CREATE TABLE Parent(\n[ParentID] int Not Null,\r\n[Name] nvarchar(50) Not Null DEFAULT "",\r\n[Created] datetime  DEFAULT #2024-01-31 13:45:00#,\r\n[Active] bit Not Null DEFAULT YES)
CREATE TABLE Child(\n[ChildID] int IDENTITY (1, 1) Not Null,\r\n[ParentID] int Not Null,\r\n[Note] ntext,\r\n[Amount] float  DEFAULT 1.500000)
CREATE TABLE Sibling(\n[SiblingID] int Not Null,\r\n[ParentID] int,\r\n[Code] memo)
CREATE TABLE Tag(\n[TagID] int Not Null,\r\n[ChildID] int,\r\n[Label] nvarchar(30)  DEFAULT Grün,\r\n[PublishedBatchDefID] int Not Null DEFAULT 0,\r\n[AdminID] int  DEFAULT 0,\r\n[Referenced] bit Not Null DEFAULT NO)
# Keys, unique constraints and type-4 indexes; the clustered type-6 index of
# Child is not generated, and Tag has no primary key.
ALTER TABLE Parent ADD CONSTRAINT PK_Parent PRIMARY KEY CLUSTERED ([ParentID])
ALTER TABLE Parent ADD CONSTRAINT UQ_Parent_Name UNIQUE ([Name])
CREATE INDEX IX_Parent_Created ON Parent (Created)
ALTER TABLE Child ADD CONSTRAINT PK_Child PRIMARY KEY CLUSTERED ([ChildID])
ALTER TABLE Sibling ADD CONSTRAINT PK_Sibling PRIMARY KEY CLUSTERED ([SiblingID])
ALTER TABLE Tag ADD CONSTRAINT UQ_Tag UNIQUE ([TagID], [Label])
CREATE INDEX IX_Tag_Label ON Tag (Label)
# Foreign keys: Jet cascades rule 4 itself.
ALTER TABLE Child ADD CONSTRAINT FK_Child_Parent FOREIGN KEY([ParentID]) REFERENCES Parent([ParentID]) ON DELETE CASCADE ON UPDATE NO ACTION
CREATE INDEX FK_Child_ParentIndex ON Child([ParentID])
ALTER TABLE Sibling ADD CONSTRAINT FK_Sibling_Parent FOREIGN KEY([ParentID]) REFERENCES Parent([ParentID]) ON DELETE NO ACTION ON UPDATE NO ACTION
ALTER TABLE Tag ADD CONSTRAINT FK_Tag_Child FOREIGN KEY([ChildID]) REFERENCES Child([ChildID]) ON DELETE CASCADE ON UPDATE NO ACTION
CREATE INDEX FK_Tag_ChildIndex ON Tag([ChildID])
# View; functions are written as procedures; procedure. No triggers.
CREATE VIEW vwParentChild AS\nSELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID
CREATE PROCEDURE fnChildCount (@ParentID int ) AS \n\tBEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = @ParentID)\nEND
CREATE PROCEDURE fnActiveParents  AS \n\tSELECT ParentID FROM Parent WHERE Active = 1
CREATE PROCEDURE procGetChildren (@ParentID int , @Total int OUT) AS \n\tSELECT * FROM Child WHERE ParentID = @ParentID
