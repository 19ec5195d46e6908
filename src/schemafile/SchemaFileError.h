// A refused schema file: the file name, the JSON path of the offending value
// (empty for errors of the file as a whole) and the reason. what() is the
// one-line diagnostic "file: path: reason". A file with several errors is
// refused with all of them (up to kMaxProblems): Path() and Reason() are the
// first's, what() has one line for each.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace VrlSchemaLib {

class SchemaFileError : public std::runtime_error {
public:
    struct Problem {
        std::string path;
        std::string reason;
    };
    static constexpr size_t kMaxProblems = 20;

    SchemaFileError(const std::string& file, const std::string& path, const std::string& reason);
    // `problems` is not empty.
    SchemaFileError(const std::string& file, const std::vector<Problem>& problems);
    const std::string& File() const { return m_file; }
    const std::string& Path() const { return m_problems.front().path; }
    const std::string& Reason() const { return m_problems.front().reason; }
    const std::vector<Problem>& Problems() const { return m_problems; }

private:
    std::string m_file;
    std::vector<Problem> m_problems;
};

} // namespace VrlSchemaLib
