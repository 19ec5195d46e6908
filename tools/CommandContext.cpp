#include "CommandContext.h"

#include <ostream>
#include <vector>

#include "OutputWriter.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

CommandContext::CommandContext(const Invocation& invocation, ToolStreams& io, bool readsSchema)
    : m_settings(CommandSettings::From(invocation)), m_io(io) {
    if (readsSchema)
        m_source = std::make_unique<SchemaSource>(SchemaSource::Open(m_settings.schemaFile, io.in));
}

std::unique_ptr<SchemaFile> CommandContext::Load(Dialect dialect) const {
    return m_source->Load(dialect, m_settings.version);
}

std::unique_ptr<SchemaFile> CommandContext::LoadChecked(Dialect dialect) const {
    std::unique_ptr<SchemaFile> file = Load(dialect);
    CheckBeforeGenerating(*file, dialect, m_settings.check, m_io.err);
    return file;
}

std::unique_ptr<SchemaFile> CommandContext::LoadCheckedOnce() {
    std::unique_ptr<SchemaFile> file = Load(m_settings.Target());
    m_source->Release();
    CheckBeforeGenerating(*file, m_settings.Target(), m_settings.check, m_io.err);
    return file;
}

void CommandContext::Write(std::string_view text) const {
    OutputWriter::Write(m_settings.outFile, m_io.out, text);
}

void CommandContext::Write(TextSpool& text) const {
    OutputWriter::Write(m_settings.outFile, m_io.out, text);
}

void CommandContext::Write(const std::function<void(TextSpool&)>& produce) const {
    OutputWriter::Write(m_settings.outFile, m_io.out, produce);
}

bool CommandContext::s_keepAtExit = false;

void CommandContext::Retire(std::unique_ptr<SchemaFile> file) {
    if (!s_keepAtExit)
        return;
    // Reachable to the end through this list, never freed.
    static auto* const kept = new std::vector<std::unique_ptr<SchemaFile>>();
    kept->push_back(std::move(file));
}

void CommandContext::Notice(const std::string& line) const {
    m_io.err << "vrlschema: " << line << "\n";
}

} // namespace VrlSchemaTool
