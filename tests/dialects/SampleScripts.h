// The schemas whose whole scripts every dialect writes (TestDialectScripts.cpp
// compares them with the statement files under golden/).
//
// The sample schema has four tables: Parent (clustered key, unique name,
// index with a covering column), Child (nonclustered key, clustered type-6
// index with a covering column, foreign key to Parent cascaded by trigger),
// Sibling (type-7 key to Parent without cascade, a 300-character text, a
// binary column) and Tag (no primary key, two-column unique constraint,
// cascading foreign key to Child, the publishing column, seed rows); a view,
// a scalar and a table-valued function, and a procedure with an output
// parameter.
//
// The names schema: Batch (integer key, a long and a short name column, a
// GUID column with a unique key, a unique key over the nullable short name,
// an index over the long name that also holds NULL rows) and Profile (key
// over a name column, type-3 foreign key to Batch without referential
// action).
#pragma once

namespace VrlSchemaLib {
class VrlSchema;
}

namespace VrlSchemaLib::DialectTest {

// Built once, kept for the whole test program.
const VrlSchema* GetSampleSchema();
const VrlSchema* GetNamesSchema();

} // namespace VrlSchemaLib::DialectTest
