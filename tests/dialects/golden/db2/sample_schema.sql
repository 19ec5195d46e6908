# Creation script of the four-table sample schema (Parent, Child, Sibling, Tag)
# as the DB2 generator writes it. One statement per line; inside a statement
# \n, \r and \t stand for line feed, carriage return and tab. Lines starting
# with # are notes.
#
# Support functions len and BitAnd.
CREATE FUNCTION len(sInput VARGRAPHIC(4000)) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nRETURN LENGTH(sInput)
CREATE FUNCTION BitAnd(plArg1 INT, plArg2 INT) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE lArg1 INT; \n\tDECLARE lArg2 INT; \n\tDECLARE lCurrentBit INT DEFAULT 1; \n\tDECLARE lResult INT DEFAULT 0; \n\tSET lArg1 = plArg1; \n\tSET lArg2 = plArg2; \n\tWHILE lArg1 > 0 DO \n\t\tIF MOD(lArg1,2) = 1 AND MOD(lArg2,2) = 1 THEN \n\t\t\tSET lResult = lResult + lCurrentBit; \n\t\tEND IF; \n\t\tSET lArg1 = lArg1 / 2; \n\t\tSET lArg2 = lArg2 / 2; \n\t\tSET lCurrentBit = lCurrentBit * 2; \n\tEND WHILE; \n\tRETURN lResult; \nEND
# Tables: DB2 writes "name type null default". No name column here, so no
# shadow columns.
CREATE TABLE Parent(\nParentID int Not Null,\r\nName VARGRAPHIC(50) Not Null DEFAULT '',\r\nCreated TIMESTAMP  DEFAULT '2024-01-31 13:45:00.000000',\r\nActive SMALLINT Not Null DEFAULT 1)
CREATE TABLE Child(\nChildID int Not Null,\r\nParentID int Not Null,\r\nNote VARGRAPHIC(256),\r\nAmount float  DEFAULT 1.500000)
CREATE TABLE Sibling(\nSiblingID int Not Null,\r\nParentID int,\r\nCode VARGRAPHIC(300))
CREATE TABLE Tag(\nTagID int Not Null,\r\nChildID int,\r\nLabel VARGRAPHIC(30)  DEFAULT N'Grün',\r\nPublishedBatchDefID int Not Null DEFAULT 0,\r\nAdminID int  DEFAULT 0,\r\nReferenced SMALLINT Not Null DEFAULT 0)
# Keys. UQ_Tag covers the nullable Label and so becomes a unique index.
ALTER TABLE Parent ADD CONSTRAINT PK_Parent PRIMARY KEY(ParentID)
ALTER TABLE Parent ADD CONSTRAINT UQ_Parent_Name UNIQUE(Name)
CREATE INDEX IX_Parent_Created ON Parent(Created)
ALTER TABLE Child ADD CONSTRAINT PK_Child PRIMARY KEY(ChildID)
ALTER TABLE Sibling ADD CONSTRAINT PK_Sibling PRIMARY KEY(SiblingID)
CREATE UNIQUE INDEX UQ_Tag ON Tag(TagID,Label)
CREATE INDEX IX_Tag_Label ON Tag(Label)
# Foreign keys with the base's referential words.
ALTER TABLE Child ADD CONSTRAINT FK_Child_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) ON DELETE CASCADE ON UPDATE NO ACTION
CREATE INDEX FK_Child_PareQ1475 ON Child(ParentID)
ALTER TABLE Sibling ADD CONSTRAINT FK_Sibling_Parent FOREIGN KEY(ParentID) REFERENCES Parent(ParentID) ON DELETE NO ACTION ON UPDATE NO ACTION
ALTER TABLE Tag ADD CONSTRAINT FK_Tag_Child FOREIGN KEY(ChildID) REFERENCES Child(ChildID) ON DELETE CASCADE ON UPDATE NO ACTION
CREATE INDEX FK_Tag_ChildIndex ON Tag(ChildID)
CREATE FUNCTION CharIndex(sFindThis VARGRAPHIC(2000), sInThis VARGRAPHIC(2000)) \n\tRETURNS INT \n\tCALLED ON NULL INPUT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE iTries INT; \n\tDECLARE iPosn INT DEFAULT 1; \n\tIF sFindThis IS NULL OR sInThis IS NULL THEN \n\t\tRETURN 0; \n\tEND IF; \n\tSET iTries = LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\tWHILE iTries>0 DO \n\t\tIF UPPER(sFindThis)=UPPER(SUBSTR(sInThis,iPosn,LENGTH(sFindThis))) THEN \n\t\t\tRETURN iPosn; \n\t\tEND IF; \n\t\tSET iTries = iTries - 1; \n\t\tSET iPosn = iPosn + 1; \n\tEND WHILE; \n\tRETURN 0; \nEND
CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))
CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)
CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)
# Functions before the view; a parameter is "direction name type", so an
# input parameter starts with a blank. "@" becomes "p" everywhere.
CREATE FUNCTION fnChildCount( pParentID int) \n\tRETURNS int \n\tNOT DETERMINISTIC \nBEGIN ATOMIC \n\tBEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = pParentID)\nEND; \nEND
CREATE FUNCTION fnActiveParents() \n\tRETURNS table \n\tNOT DETERMINISTIC \nBEGIN ATOMIC \n\t&; \nEND
CREATE VIEW vwParentChild AS\nSELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID
CREATE PROCEDURE procGetChildren( pParentID int, OUT pTotal int) \nBEGIN \n\tBEGIN \n\t\tSELECT * FROM Child WHERE ParentID = pParentID; \n\tEND; \nEND
