// The sample schema file read for PostgreSQL at each of its versions, as
// the round trips use it.
#pragma once

#include <memory>

#include "schemafile/SchemaFile.h"

namespace VrlSchemaPgTest {

inline const char* const kSampleVersions[] = {"25", "30", "35", "35.10001", "35.10002"};

inline std::unique_ptr<VrlSchemaLib::SchemaFile> LoadSample(const char* version) {
    return VrlSchemaLib::SchemaFile::Load(VRLSCHEMA_SOURCE_DIR "/examples/sample-schema.json",
                                          VrlSchemaLib::Dialect::Postgres,
                                          VrlSchemaLib::ParseVersion(version));
}

} // namespace VrlSchemaPgTest
