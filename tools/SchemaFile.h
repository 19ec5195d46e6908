// SchemaFile: a whole versioned schema model read from one JSON file (the
// format is described in docs/schema-format.md). The file object owns every
// schema object it builds -- the library's containers own nothing -- and keeps
// them alive as long as the schema built over them is in use.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CComVariant.h"
#include "platform/CString.h"
#include "schema/VrlSchemaVersion.h"

namespace VrlSchemaLib {
class VrlField;
class VrlConstraint;
class VrlTable;
class VrlTableData;
class VrlParam;
class VrlProcedure;
class VrlFunction;
class VrlView;
class VrlSchema;
} // namespace VrlSchemaLib

namespace VrlSchemaTool {

// The dialect a file is read for: routine and view texts may differ by dialect.
enum class Dialect { SqlServer, Oracle, DB2, Access };

const char* DialectName(Dialect dialect);
// Accepts "sqlserver", "oracle", "db2", "access" (any letter case).
std::optional<Dialect> ParseDialect(std::string_view name);

// A refused schema file: the file name, the JSON path of the offending value
// (empty for errors of the file as a whole) and the reason. what() is the
// one-line diagnostic "file: path: reason".
class SchemaFileError : public std::runtime_error {
public:
    SchemaFileError(const std::string& file, const std::string& path, const std::string& reason);
    const std::string& File() const { return m_file; }
    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_file;
    std::string m_path;
    std::string m_reason;
};

// Parses "V" or "V.SP" (database version and service pack number).
std::optional<VrlSchemaLib::VrlSchemaVersion> ParseVersion(std::string_view text);

class SchemaFile {
public:
    // Builds the model described by `text`. `fileName` only names the file in
    // errors. `version`, when given, replaces the version the file asks for.
    // Raises SchemaFileError; nothing is kept of a refused file.
    static std::unique_ptr<SchemaFile>
    Parse(std::string_view text, const std::string& fileName, Dialect dialect,
          std::optional<VrlSchemaLib::VrlSchemaVersion> version = std::nullopt);
    // Reads and parses a file.
    static std::unique_ptr<SchemaFile>
    Load(const std::string& path, Dialect dialect,
         std::optional<VrlSchemaLib::VrlSchemaVersion> version = std::nullopt);

    SchemaFile(const SchemaFile&) = delete;
    SchemaFile& operator=(const SchemaFile&) = delete;
    ~SchemaFile();

    const VrlSchemaLib::VrlSchema& GetSchema() const { return *m_schema; }
    VrlSchemaLib::VrlSchemaVersion GetVersion() const { return m_version; }

private:
    class Builder;
    SchemaFile();

    VrlSchemaLib::VrlSchemaVersion m_version;
    // Owned objects, in construction order. The vectors handed to the
    // library's constructors live here too, since seed data keeps pointers
    // to its columns and values.
    std::vector<std::unique_ptr<VrlSchemaLib::VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<std::vector<CString>>> m_dataColumns;
    std::vector<std::unique_ptr<std::vector<CComVariant>>> m_dataValues;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlTableData>> m_data;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlTable>> m_tables;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlParam>> m_params;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlProcedure>> m_procedures;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlFunction>> m_functions;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlView>> m_views;
    std::unique_ptr<VrlSchemaLib::VrlSchema> m_schema;
};

} // namespace VrlSchemaTool
