# Seed rows of the sample schema (only Tag has any) as the SQL Server
# generator writes them, with Unicode literals on: names as they are, values
# as literals of their columns, the non-ASCII text with the N prefix.
INSERT INTO Tag(TagID, Label) VALUES (1, 'Red')
INSERT INTO Tag(TagID, Label) VALUES (2, 'O''Brien')
INSERT INTO Tag(TagID, Label) VALUES (3, N'Blå')
