#include "SchemaSource.h"

#include <algorithm>
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
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        throw SchemaFileError(path, "", std::make_error_code(std::errc::is_a_directory).message());
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw SchemaFileError(path, "", SystemReason(errno));
    // Read straight into the text, which a regular file's size fits at once.
    std::string text;
    size_t chunk = 65536;
    if (std::filesystem::is_regular_file(status)) {
        const auto size = std::filesystem::file_size(path, ec);
        if (!ec && size > 0)
            chunk = static_cast<size_t>(size) + 1;
    }
    size_t used = 0;
    for (;;) {
        text.resize(used + chunk);
        const size_t n = std::fread(text.data() + used, 1, chunk, f);
        used += n;
        if (n < chunk)
            break;
        chunk = std::max<size_t>(chunk, 65536);
    }
    text.resize(used);
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
