// Where the schema comes from: a file, standard input or the built-in
// sample. The text is read once, so that standard input serves every target
// of `all`, and parsed for each target it is asked for. A regular file is
// mapped rather than read, and the pages a parse is done with are let go as
// it goes on, so that the text does not stay in memory beside the model.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/MappedFile.h"
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
    void Release() {
        std::string().swap(m_text);
        m_file.Close();
    }

private:
    SchemaSource(std::string text, std::string name) : m_text(std::move(text)), m_name(std::move(name)) {}
    SchemaSource(MappedFile file, std::string name) : m_file(std::move(file)), m_name(std::move(name)) {}
    std::string_view Text() const { return m_file.Text().empty() ? std::string_view(m_text) : m_file.Text(); }

    MappedFile m_file;  // a file named by --schema
    std::string m_text; // the sample or standard input
    std::string m_name;
};

} // namespace VrlSchemaTool
