// The SQL texts of one schema for one target, as the tool writes them: the
// statements joined by the dialect's batch separator, with the script header
// in front unless it was turned off.
#pragma once

#include <memory>
#include <string>

#include "platform/CString.h"
#include "schemafile/SchemaFile.h"

namespace VrlSchemaLib {
class VrlDbms;
}

namespace VrlSchemaTool {

struct CommandSettings;
class TextSpool;

struct SqlText {
    std::string text;
    size_t statements = 0;
};

class SqlTexts {
public:
    SqlTexts(const VrlSchemaLib::SchemaFile& file, VrlSchemaLib::Dialect dialect,
             const CommandSettings& settings, std::string sourceName);
    ~SqlTexts();

    SqlText Script() const;
    // The same text into `out`, as it is generated; the number of statements.
    size_t Script(TextSpool& out) const;
    SqlText Seed() const;
    // The caller has made sure the target has a publish procedure and the
    // schema holds the tables it walks (MissingPublishTable).
    SqlText Publish() const;
    // The first table the publish procedure needs that the schema lacks, or
    // empty.
    std::string MissingPublishTable() const;

    const VrlSchemaLib::VrlDbms& Generator() const { return *m_dbms; }

private:
    // The script header, or nothing when it is turned off.
    SqlText Start(const std::string& command) const;
    SqlText Join(const std::string& command, std::vector<CString>& statements) const;

    const VrlSchemaLib::SchemaFile& m_file;
    VrlSchemaLib::Dialect m_dialect;
    const CommandSettings& m_settings;
    std::string m_source;
    // Generators keep a pointer to their construction text: it lives here.
    const CString m_queueSource;
    std::unique_ptr<VrlSchemaLib::VrlDbms> m_dbms;
    std::string m_separator;
};

} // namespace VrlSchemaTool
