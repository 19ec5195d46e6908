INSERT INTO AutoNumber(TableName, NextID) VALUES ('BatchDef', 1)
GO

INSERT INTO AutoNumber(TableName, NextID) VALUES ('DocumentDef', 1)
GO

INSERT INTO AutoNumber(TableName, NextID) VALUES ('Queue', 1)
GO

INSERT INTO AutoNumber(TableName, NextID) VALUES ('RecogOpt', 1)
GO

INSERT INTO AutoNumber(TableName, NextID) VALUES ('FormType', 1)
GO

INSERT INTO DatabaseVars(PublishedBatchDefID, SiteGUID, SchemaVersion, LastUpgrade) VALUES (0, '{61d01713-12fc-4a5d-9abe-6d3da8726186}', 35, CONVERT(varchar(20), '2010-01-15T12:00:00', 126))
GO

INSERT INTO Processes(ProcessID, Name, ProgID, Enabled) VALUES (1, 'Scan', 'Marlow.Scan', 1)
GO

INSERT INTO Processes(ProcessID, Name, ProgID, Enabled) VALUES (2, 'Recognition Server', 'Marlow.Recog', 1)
GO

INSERT INTO Processes(ProcessID, Name, ProgID, Enabled) VALUES (3, 'Validation', 'Marlow.Validate', 1)
GO

INSERT INTO Processes(ProcessID, Name, ProgID, Enabled) VALUES (4, 'Export', 'Marlow.Export', 0)
GO

INSERT INTO Functions(FunctionID, Name, Category) VALUES (1, 'Create Batch', 0)
GO

INSERT INTO Functions(FunctionID, Name, Category) VALUES (2, 'Delete Batch', 0)
GO

INSERT INTO Functions(FunctionID, Name, Category) VALUES (3, 'O''Brien''s Report', 1)
GO

INSERT INTO Functions(FunctionID, Name, Category) VALUES (4, 'Export Batch', 1)
GO

INSERT INTO VeskCProfile(ProfileGUID, Name, RescanLocation, RetainImages) VALUES ('{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}', 'Default profile', 0, 0)
GO

INSERT INTO VGlobal(VGlobalID, Name, Value, Changed) VALUES (1, 'SiteName', 'Main site', NULL)
GO

