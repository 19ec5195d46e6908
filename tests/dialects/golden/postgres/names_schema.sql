# Creation script of the two-table names schema (Batch, Profile; see
# schemas/names.json) as the PostgreSQL generator writes it. Same notation
# as sample_schema.sql.
#
# Name columns are compared without regard to case: their keys and indexes
# go through lower(), a unique key becomes a unique expression index, and a
# primary key over a name column gets a companion index CI_<key>. The GUID
# column is a uuid, which compares by value, so its key stays a constraint.
CREATE TABLE Batch(\nBatchID integer  Not Null,\r\nBatchName varchar(200)  Not Null,\r\nBatchGUID uuid  Not Null,\r\nAlias varchar(40))
CREATE TABLE Profile(\nProfileName varchar(30)  Not Null,\r\nBatchID integer)
ALTER TABLE Batch ADD CONSTRAINT PK_Batch PRIMARY KEY(BatchID)
ALTER TABLE Batch ADD CONSTRAINT UQ_Batch_GUID UNIQUE(BatchGUID)
CREATE UNIQUE INDEX UQ_Batch_Alias ON Batch(lower(Alias))
# No constant column for NULL rows: PostgreSQL indexes them anyway.
CREATE INDEX IX_Batch_Name ON Batch(lower(BatchName))
ALTER TABLE Profile ADD CONSTRAINT PK_Profile PRIMARY KEY(ProfileName)
CREATE INDEX CI_PK_Profile ON Profile(lower(ProfileName))
ALTER TABLE Profile ADD CONSTRAINT FK_Profile_Batch FOREIGN KEY(BatchID) REFERENCES Batch(BatchID) ON DELETE NO ACTION ON UPDATE NO ACTION
CREATE INDEX FK_Profile_BatchIndex ON Profile(BatchID)
