# Seed rows of the sample schema (only Tag has any) as the PostgreSQL
# generator writes them: standard quoting, and no prefix on the non-ASCII
# text.
INSERT INTO Tag(TagID, Label) VALUES (1, 'Red')
INSERT INTO Tag(TagID, Label) VALUES (2, 'O''Brien')
INSERT INTO Tag(TagID, Label) VALUES (3, 'Blå')
