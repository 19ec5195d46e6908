// SchemaFile: a whole versioned schema model read from one JSON file (the
// format is described in docs/schema-format.md), from a path or from text, at
// the version the file names or one the caller asks for, for one target. The file object owns every
// schema object it builds -- the library's containers own nothing -- and keeps
// them alive as long as the schema built over them is in use.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../platform/CComVariant.h"
#include "../platform/CString.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlSchemaVersion.h"
#include "SchemaDialect.h"
#include "SchemaFileError.h"
#include "SchemaFileRecord.h"

namespace VrlSchemaLib {
class VrlTable;
class VrlTableData;
class VrlParam;
class VrlProcedure;
class VrlFunction;
class VrlView;
class VrlSchema;
class VrlSchemaObject;

// Parses "V" or "V.SP" (database version and service pack number).
std::optional<VrlSchemaVersion> ParseVersion(std::string_view text);

class SchemaFile {
public:
    // Builds the model described by `text`. `fileName` only names the file in
    // errors. `version`, when given, replaces the version the file asks for.
    // `progress`, when given, is told now and then (about every mebibyte)
    // the offset before which the reader is done with the text for the time
    // being; it may read that part again later (to explain an error, or in
    // a second pass), so the text must stay readable.
    // Raises SchemaFileError; nothing is kept of a refused file.
    static std::unique_ptr<SchemaFile> Parse(std::string_view text, const std::string& fileName,
                                             Dialect dialect,
                                             std::optional<VrlSchemaVersion> version = std::nullopt,
                                             const std::function<void(size_t)>& progress = {});
    // Reads and parses a file: a regular file is mapped, and the pages of
    // it already read are let go as the reading goes on.
    static std::unique_ptr<SchemaFile> Load(const std::string& path, Dialect dialect,
                                            std::optional<VrlSchemaVersion> version = std::nullopt);

    SchemaFile(const SchemaFile&) = delete;
    SchemaFile& operator=(const SchemaFile&) = delete;
    ~SchemaFile();

    const VrlSchema& GetSchema() const { return *m_schema; }
    VrlSchemaVersion GetVersion() const { return m_version; }
    // Every version the file names (its own and its objects'), ascending,
    // each once: the schemas one file can describe.
    const std::vector<VrlSchemaVersion>& GetVersionsNamed() const { return m_versionsNamed; }
    // The version that introduced `object` as the file gives it. Tables are
    // built at the schema's version, so that their fields merge at it; this
    // is where the version of the table variant read is kept.
    VrlSchemaVersion GetIntroducedVersion(const VrlSchemaObject* object) const;
    // The JSON path of every object built and what the model merged away,
    // for the model check.
    const SchemaFileRecord& GetRecord() const { return m_record; }

private:
    class Builder;
    SchemaFile();

    VrlSchemaVersion m_version;
    std::vector<VrlSchemaVersion> m_versionsNamed;
    std::vector<std::pair<const VrlSchemaObject*, VrlSchemaVersion>> m_tableVersions;
    // Owned objects, in construction order. The vectors handed to the
    // library's constructors live here too, since seed data keeps pointers
    // to its columns and values.
    std::deque<VrlField> m_fields;
    std::deque<VrlConstraint> m_constraints;
    std::vector<std::unique_ptr<std::vector<CString>>> m_dataColumns;
    std::vector<std::unique_ptr<std::vector<CComVariant>>> m_dataValues;
    std::vector<std::unique_ptr<VrlTableData>> m_data;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::vector<std::unique_ptr<VrlParam>> m_params;
    std::vector<std::unique_ptr<VrlProcedure>> m_procedures;
    std::vector<std::unique_ptr<VrlFunction>> m_functions;
    std::vector<std::unique_ptr<VrlView>> m_views;
    std::unique_ptr<VrlSchema> m_schema;
    SchemaFileRecord m_record;
};

} // namespace VrlSchemaLib
