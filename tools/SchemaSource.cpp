#include "SchemaSource.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <iterator>
#include <system_error>

#include "OutputWriter.h"
#include "SampleSchema.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

std::string ReadFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw SchemaFileError(path, "", std::make_error_code(std::errc::is_a_directory).message());
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw SchemaFileError(path, "", SystemReason(errno));
    std::string text;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    const int error = errno;
    std::fclose(f);
    if (failed)
        throw SchemaFileError(path, "", SystemReason(error));
    return text;
}

} // namespace

SchemaSource SchemaSource::Open(const std::string& option, std::istream& in) {
    if (option.empty())
        return SchemaSource(std::string(GetSampleSchemaText()), kSampleSchemaName);
    if (option == "-") {
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            throw SchemaFileError("standard input", "", "cannot be read");
        return SchemaSource(std::move(text), "standard input");
    }
    return SchemaSource(ReadFile(option), option);
}

std::unique_ptr<SchemaFile> SchemaSource::Load(Dialect dialect,
                                               std::optional<VrlSchemaVersion> version) const {
    return SchemaFile::Parse(m_text, m_name, dialect, version);
}

} // namespace VrlSchemaTool
