// Where the schema comes from: a file, standard input or the built-in
// sample. The text is read once, so that standard input serves every target
// of `all`, and parsed for each target it is asked for.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "schemafile/SchemaFile.h"

namespace VrlSchemaTool {

class SchemaSource {
public:
    // `option` is the --schema value: empty for the sample, "-" for `in`.
    // Raises SchemaFileError with the system's reason when the file cannot
    // be read (a folder, a missing file, no permission).
    static SchemaSource Open(const std::string& option, std::istream& in);

    std::unique_ptr<VrlSchemaLib::SchemaFile>
    Load(VrlSchemaLib::Dialect dialect, std::optional<VrlSchemaLib::VrlSchemaVersion> version) const;
    // The name errors and script headers give the source.
    const std::string& GetName() const { return m_name; }
    // Lets the text go, for a command that loads it once; Load is not called
    // after it.
    void Release() { std::string().swap(m_text); }

private:
    SchemaSource(std::string text, std::string name) : m_text(std::move(text)), m_name(std::move(name)) {}

    std::string m_text;
    std::string m_name;
};

} // namespace VrlSchemaTool
