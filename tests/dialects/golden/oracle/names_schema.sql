# Creation script of the two-table names schema (Batch, Profile; see
# schemas/names.json) as the Oracle generator writes it. Same notation as
# sample_schema.sql.
#
# Name and GUID columns are compared without regard to case: their keys and
# indexes go through NLSSORT, unique keys become unique indexes, and a
# primary key over a name column gets a companion index CI_<key>.
CREATE OR REPLACE FUNCTION len(sInput NVARCHAR2) \n\tRETURN NUMBER \n\tIS \nBEGIN \n\tRETURN LENGTH(sInput); \nEND;
CREATE TABLE Batch(\nBatchID NUMBER(10)  Not Null,\r\nBatchName NVARCHAR2(200)  Not Null,\r\nBatchGUID VARCHAR2(38)  Not Null,\r\nAlias NVARCHAR2(40))
CREATE TABLE Profile(\nProfileName NVARCHAR2(30)  Not Null,\r\nBatchID NUMBER(10))
ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchID)
CREATE UNIQUE INDEX UQ_Batch_GUID ON Batch(NLSSORT(BatchGUID,'NLS_SORT=BINARY_CI'))
CREATE UNIQUE INDEX UQ_Batch_Alias ON Batch(NLSSORT(Alias,'NLS_SORT=BINARY_CI'))
# IX_Batch_Name supports nullable columns: the constant '1' indexes rows
# whose name is NULL too.
CREATE INDEX IX_Batch_Name ON Batch(NLSSORT(BatchName,'NLS_SORT=BINARY_CI'),'1')
ALTER TABLE Profile ADD CONSTRAINT PK_Profile PRIMARY KEY(ProfileName)
CREATE INDEX CI_PK_Profile ON Profile(NLSSORT(ProfileName,'NLS_SORT=BINARY_CI'))
ALTER TABLE Profile ADD CONSTRAINT FK_Profile_Batch FOREIGN KEY(BatchID) REFERENCES Batch(BatchID)
CREATE INDEX FK_Profile_BaQ0631 ON Profile(BatchID)
CREATE OR REPLACE FUNCTION CharIndex(sFindThis VARCHAR, sInThis VARCHAR) \n\tRETURN NUMBER AS \nBEGIN \n\tDECLARE \n\t\tiTries NUMBER(4); \n\tBEGIN \n\t\tIF NVL(LENGTH(sFindThis),0)=0 OR NVL(LENGTH(sInThis),0)=0 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tiTries := LENGTH(sInThis) - LENGTH(sFindThis) + 1; \n\t\tIF iTries<1 THEN \n\t\t\tRETURN 0; \n\t\tEND IF; \n\t\tFOR iPosn IN 1..iTries LOOP \n\t\t\tIF sFindThis=SUBSTR(sInThis,iPosn,LENGTH(sFindThis)) THEN \n\t\t\t\tRETURN iPosn; \n\t\t\tEND IF; \n\t\tEND LOOP; \n\t\tRETURN 0; \n\tEND; \nEND;
CREATE TABLE pTableDeleteBatchDefID( \n\tBatchDefID INT, \n\tBatchDefGUID CHAR(38))
CREATE TABLE poParentNewIDTable( \n\tDepth INT, \n\tNewID INT, \n\tNewID2 INT, \n\tAdminID INT, \n\tAdminID2 INT)
CREATE TABLE poDocDefNewIDTable( \n\tNewID INT, \n\tAdminID INT)
DECLARE \tlCount NUMBER(8); BEGIN \tSELECT COUNT(*) \t\tINTO lCount \t\tFROM Sys.User_Objects \t\tWHERE Status<>'VALID'; \tIF lCount>0 THEN \t\tRAISE_APPLICATION_ERROR(-20017, 'One or more database objects in an invalid state'); \tEND IF; END
