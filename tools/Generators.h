// The generators the tool knows, by dialect.
#pragma once

#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/PlatformTypes.h"
#include "schemafile/SchemaFile.h"

namespace VrlSchemaLib {
class VrlDbms;
class VrlSchema;
} // namespace VrlSchemaLib

namespace VrlSchemaTool {

// Every dialect, in the order `all` writes them.
const std::vector<VrlSchemaLib::Dialect>& AllDialects();

// Every dialect but PostgreSQL has a publish procedure (Access's is empty).
bool HasPublishProcedure(VrlSchemaLib::Dialect dialect);

// A generator of `dialect` over `schema`. `constructionText` is the text the
// generator is constructed with (for the publish procedure, the query that
// stands in for the Queue table); the generator keeps a pointer to it, so it
// must outlive the generator. `unicodeLiterals` applies to SQL Server only.
std::unique_ptr<VrlSchemaLib::VrlDbms> MakeGenerator(VrlSchemaLib::Dialect dialect,
                                                     const VrlSchemaLib::VrlSchema* schema,
                                                     bool unicodeLiterals, const CString& constructionText);

// The error the publish procedure raises when it does not fit the buffer.
constexpr LONG kPublishBufferTooSmall = 4100;

} // namespace VrlSchemaTool
