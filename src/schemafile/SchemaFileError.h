// A refused schema file: the file name, the JSON path of the offending value
// (empty for errors of the file as a whole) and the reason. what() is the
// one-line diagnostic "file: path: reason".
#pragma once

#include <stdexcept>
#include <string>

namespace VrlSchemaLib {

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

} // namespace VrlSchemaLib
