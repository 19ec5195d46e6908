// Shared by the whole-script tests of every dialect.
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
// The expected files under golden/ hold one statement per line, with \n, \r
// and \t written as escapes; lines starting with # are notes.
#pragma once

#include <string>
#include <vector>

#include "platform/CString.h"

namespace VrlSchemaLib {
class VrlSchema;
}

namespace VrlSchemaLib::DialectTest {

// Built once, kept for the whole test program.
const VrlSchema* GetSampleSchema();
// The names schema (TestAnsiSchemas.cpp): name and GUID columns, a nullable
// unique key, a foreign key without referential action.
const VrlSchema* GetNamesSchema();
// Compares the statements with the expected file golden/<relativePath>.
void ExpectStatements(const std::string& relativePath, const std::vector<CString>& statements);

} // namespace VrlSchemaLib::DialectTest
