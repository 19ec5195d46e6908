# Creation script of the two-table names schema (Batch, Profile; see
# schemas/names.json) as the DB2 generator writes it. Same notation as
# sample_schema.sql.
#
CREATE FUNCTION len(sInput VARGRAPHIC(4000)) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nRETURN LENGTH(sInput)
CREATE FUNCTION BitAnd(plArg1 INT, plArg2 INT) \n\tRETURNS INT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE lArg1 INT; \n\tDECLARE lArg2 INT; \n\tDECLARE lCurrentBit INT DEFAULT 1; \n\tDECLARE lResult INT DEFAULT 0; \n\tSET lArg1 = plArg1; \n\tSET lArg2 = plArg2; \n\tWHILE lArg1 > 0 DO \n\t\tIF MOD(lArg1,2) = 1 AND MOD(lArg2,2) = 1 THEN \n\t\t\tSET lResult = lResult + lCurrentBit; \n\t\tEND IF; \n\t\tSET lArg1 = lArg1 / 2; \n\t\tSET lArg2 = lArg2 / 2; \n\t\tSET lCurrentBit = lCurrentBit * 2; \n\tEND WHILE; \n\tRETURN lResult; \nEND
# Every name column gets its computed upper-case shadow after the columns:
# VARGRAPHIC above 127 characters, GRAPHIC up to 127.
CREATE TABLE Batch(\nBatchID int Not Null,\r\nBatchName VARGRAPHIC(200) Not Null,\r\nBatchGUID VARGRAPHIC(38) Not Null,\r\nAlias VARGRAPHIC(40),\n\tBatchNameUC VARGRAPHIC(200) Not Null GENERATED AS(UPPER(BatchName)),\n\tAliasUC GRAPHIC(40)  GENERATED AS(UPPER(Alias)))
CREATE TABLE Profile(\nProfileName VARGRAPHIC(30) Not Null,\r\nBatchID int,\n\tProfileNameUC GRAPHIC(30) Not Null GENERATED AS(UPPER(ProfileName)))
# The GUID key is over a NOT NULL column and stays a constraint; the alias
# key is nullable and becomes a unique index.
ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchID)
ALTER TABLE Batch ADD CONSTRAINT UQ_Batch_GUID UNIQUE(BatchGUID)
CREATE UNIQUE INDEX UQ_Batch_Alias ON Batch(Alias)
CREATE INDEX IX_Batch_Name ON Batch(BatchName)
ALTER TABLE Profile ADD CONSTRAINT PK_Profile PRIMARY KEY(ProfileName)
ALTER TABLE Profile ADD CONSTRAINT FK_Profile_Batch FOREIGN KEY(BatchID) REFERENCES Batch(BatchID) ON DELETE NO ACTION ON UPDATE NO ACTION
CREATE INDEX FK_Profile_BaQ0631 ON Profile(BatchID)
CREATE FUNCTION CharIndex(sFindThis VARGRAPHIC(2000), sInThis VARGRAPHIC(2000)) \n\tRETURNS INT \n\tCALLED ON NULL INPUT \n\tDETERMINISTIC \n\tNO EXTERNAL ACTION \nBEGIN ATOMIC \n\tDECLARE iTries INT; \n\tDECLARE iPosn INT DEFAULT 1; \n\tIF sFindThis IS NULL OR sInThis IS NULL THEN \n\t\tRETURN 0; \n\tEND IF; \n\tSET iTries = LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\tWHILE iTries>0 DO \n\t\tIF UPPER(sFindThis)=UPPER(SUBSTR(sInThis,iPosn,LENGTH(sFindThis))) THEN \n\t\t\tRETURN iPosn; \n\t\tEND IF; \n\t\tSET iTries = iTries - 1; \n\t\tSET iPosn = iPosn + 1; \n\tEND WHILE; \n\tRETURN 0; \nEND
CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))
CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)
CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)
