#include "SchemaFileError.h"

namespace VrlSchemaLib {

SchemaFileError::SchemaFileError(const std::string& file, const std::string& path, const std::string& reason)
    : std::runtime_error(file + ": " + (path.empty() ? "" : path + ": ") + reason), m_file(file),
      m_path(path), m_reason(reason) {}

} // namespace VrlSchemaLib
