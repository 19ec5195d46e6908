# Creation script of the four-table sample schema (Parent, Child, Sibling, Tag)
# as the Oracle generator writes it. One statement per line; inside a statement
# \n, \r and \t stand for line feed, carriage return and tab. Lines starting
# with # are notes.
#
# Support function len.
CREATE OR REPLACE FUNCTION len(sInput NVARCHAR2) \n\tRETURN NUMBER \n\tIS \nBEGIN \n\tRETURN LENGTH(sInput); \nEND;
# Tables. A column without a default keeps both blanks of "name type default
# null"; trailing blanks are cut. Sibling.Photo is binary and has no column;
# Tag carries the publishing columns AdminID and Referenced.
CREATE TABLE Parent(\nParentID NUMBER(10)  Not Null,\r\nName NVARCHAR2(50) DEFAULT '' Not Null,\r\nCreated date DEFAULT TO_DATE('01/31/2024 13:45:00','mm/dd/yyyy hh24:mi:ss'),\r\nActive NUMBER(1) DEFAULT 1 Not Null)
CREATE TABLE Child(\nChildID NUMBER(10)  Not Null,\r\nParentID NUMBER(10)  Not Null,\r\nNote NCLOB,\r\nAmount BINARY_DOUBLE DEFAULT 1.500000)
CREATE TABLE Sibling(\nSiblingID NUMBER(10)  Not Null,\r\nParentID NUMBER(10),\r\nCode NVARCHAR2(300))
CREATE TABLE Tag(\nTagID NUMBER(10)  Not Null,\r\nChildID NUMBER(10),\r\nLabel NVARCHAR2(30) DEFAULT N'Grün',\r\nPublishedBatchDefID NUMBER(10) DEFAULT 0 Not Null,\r\nAdminID NUMBER(10) DEFAULT 0,\r\nReferenced NUMBER(1) DEFAULT 0 Not Null)
# Keys, unique constraints and type-4 indexes, table by table (the type-6
# index of Child is not generated; no column here is case-insensitive).
ALTER TABLE Parent ADD CONSTRAINT PK_Parent PRIMARY KEY(ParentID)
ALTER TABLE Parent ADD CONSTRAINT UQ_Parent_Name UNIQUE(Name)
CREATE INDEX IX_Parent_Created ON Parent(Created)
ALTER TABLE Child ADD CONSTRAINT PK_Child PRIMARY KEY(ChildID)
ALTER TABLE Sibling ADD CONSTRAINT PK_Sibling PRIMARY KEY(SiblingID)
ALTER TABLE Tag ADD CONSTRAINT UQ_Tag UNIQUE(TagID, Label)
CREATE INDEX IX_Tag_Label ON Tag(Label)
# Foreign keys: no ON UPDATE clause, NO ACTION leaves ON DELETE out; the
# companion index name FK_Child_ParentIndex is cut to 18 characters.
ALTER TABLE Child ADD CONSTRAINT FK_Child_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) ON DELETE CASCADE
CREATE INDEX FK_Child_PareQ1475 ON Child(ParentID)
ALTER TABLE Sibling ADD CONSTRAINT FK_Sibling_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID)
ALTER TABLE Tag ADD CONSTRAINT FK_Tag_Child FOREIGN KEY(ChildID) REFERENCES Child(ChildID) ON DELETE CASCADE
CREATE INDEX FK_Tag_ChildIndex ON Tag(ChildID)
# CharIndex and the publishing work tables.
CREATE OR REPLACE FUNCTION CharIndex(sFindThis VARCHAR, sInThis VARCHAR) \n\tRETURN NUMBER AS \nBEGIN \n\tDECLARE \n\t\tiTries NUMBER(4); \n\tBEGIN \n\t\tIF NVL(LENGTH(sFindThis),0)=0 OR NVL(LENGTH(sInThis),0)=0 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tiTries := LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\t\tIF iTries<1 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tFOR iPosn IN 1..iTries LOOP \n\t\t\tIF sFindThis=SUBSTR(sInThis,iPosn,LENGTH(sFindThis)) THEN \n\t\t\t\tRETURN iPosn; \n\t\t\tEND IF; \n\t\tEND LOOP; \n\t\tRETURN 0; \n\tEND; \nEND;
CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))
CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)
CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)
# Functions before the view. Parameters are p-prefixed and typed without a
# length; an input parameter keeps the blank of its empty direction. The
# table-valued function's body passes through template 18 ("&!"), which
# leaves a single ampersand.
CREATE OR REPLACE FUNCTION fnChildCount(pParentID  NUMBER) \n\tRETURN NUMBER \n\tIS \nBEGIN \n\tBEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = pParentID)\nEND; \nEND;
CREATE OR REPLACE FUNCTION fnActiveParents \n\tRETURN table \n\tIS \nBEGIN \n\t&; \nEND;
CREATE VIEW vwParentChild AS\nSELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID
CREATE OR REPLACE PROCEDURE procGetChildren(pParentID  NUMBER, pTotal OUT NUMBER) AS \nBEGIN \n\tSELECT * FROM Child WHERE ParentID = pParentID; \nEND;
# The closing check for invalid objects.
DECLARE \tlCount NUMBER(8); BEGIN \tSELECT COUNT(*) \t\tINTO lCount \t\tFROM Sys.User_Objects \t\tWHERE Status<>'VALID'; \tIF lCount>0 THEN \t\tRAISE_APPLICATION_ERROR(-20017, 'One or more database objects in an invalid state'); \tEND IF; END
