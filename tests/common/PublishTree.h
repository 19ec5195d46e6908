// A small setup tree for the publish procedure tests (texts/publish-tree.json):
// a root with BatchDef (children Queue, FolderCreationRule and
// BatchDef_DocDef with a document child), DocumentDef, RecogOpt (no
// children), Shared (a child sharing its key) and Deep (child, grandchild and
// memo table). Owns every object.
#pragma once

#include <memory>

#include "common/DataFile.h"
#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"

namespace VrlSchemaTest {

class PublishTree {
public:
    PublishTree()
        : m_file(VrlSchemaLib::SchemaFile::Parse(ReadDataFile("common/texts/publish-tree.json"),
                                                 "publish-tree.json", VrlSchemaLib::Dialect::SqlServer)) {}

    const VrlSchemaLib::VrlSchema* Schema() const { return &m_file->GetSchema(); }

private:
    std::unique_ptr<VrlSchemaLib::SchemaFile> m_file;
};

} // namespace VrlSchemaTest
