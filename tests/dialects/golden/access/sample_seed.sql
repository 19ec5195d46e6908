# Seed rows of the sample schema (only Tag has any) as the Access generator
# writes them: bracketed names, Jet string literals without a prefix.
INSERT INTO Tag([TagID], [Label]) VALUES (1, 'Red')
INSERT INTO Tag([TagID], [Label]) VALUES (2, 'O''Brien')
INSERT INTO Tag([TagID], [Label]) VALUES (3, 'Blå')
