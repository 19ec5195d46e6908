#include "SchemaFileError.h"

namespace VrlSchemaLib {

namespace {

std::string Lines(const std::string& file, const std::vector<SchemaFileError::Problem>& problems) {
    std::string text;
    for (const SchemaFileError::Problem& problem : problems) {
        if (!text.empty())
            text += "\n";
        text += file + ": " + (problem.path.empty() ? "" : problem.path + ": ") + problem.reason;
    }
    return text;
}

} // namespace

SchemaFileError::SchemaFileError(const std::string& file, const std::string& path, const std::string& reason)
    : SchemaFileError(file, std::vector<Problem>{{path, reason}}) {}

SchemaFileError::SchemaFileError(const std::string& file, const std::vector<Problem>& problems)
    : std::runtime_error(Lines(file, problems)), m_file(file), m_problems(problems) {}

} // namespace VrlSchemaLib
