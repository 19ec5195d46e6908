#include "SchemaSource.h"

#include <istream>
#include <iterator>

#include "OutputWriter.h"
#include "SampleSchema.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

SchemaSource SchemaSource::Open(const std::string& option, std::istream& in) {
    if (option.empty())
        return SchemaSource(std::string(GetSampleSchemaText()), kSampleSchemaName);
    if (option == "-") {
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            throw SchemaFileError("standard input", "", "cannot be read");
        return SchemaSource(std::move(text), "standard input");
    }
    MappedFile file;
    if (const int error = file.Open(option.c_str()); error != 0)
        throw SchemaFileError(option, "", SystemReason(error));
    return SchemaSource(std::move(file), option);
}

std::unique_ptr<SchemaFile> SchemaSource::Load(Dialect dialect,
                                               std::optional<VrlSchemaVersion> version) const {
    return SchemaFile::Parse(Text(), m_name, dialect, version,
                             [this](size_t offset) { m_file.Discard(offset); });
}

} // namespace VrlSchemaTool
