// What every schema command starts from: its checked settings, the schema
// source they name, and the place its text goes to.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "CommandSettings.h"
#include "SchemaSource.h"
#include "ToolCommands.h"

namespace VrlSchemaTool {

class Invocation;
class TextSpool;

class CommandContext {
public:
    // Raises UsageError for bad settings and SchemaFileError for a source
    // that cannot be read. `readsSchema` is false for commands that need no
    // schema (sample).
    CommandContext(const Invocation& invocation, ToolStreams& io, bool readsSchema = true);

    const CommandSettings& Settings() const { return m_settings; }
    const SchemaSource& Source() const { return *m_source; }
    ToolStreams& Streams() const { return m_io; }
    // The schema for the command's (first) dialect.
    std::unique_ptr<VrlSchemaLib::SchemaFile> Load() const { return Load(m_settings.Target()); }
    std::unique_ptr<VrlSchemaLib::SchemaFile> Load(VrlSchemaLib::Dialect dialect) const;
    // The schema, checked for `dialect` before anything is generated from
    // it: raises CheckFailed on an error, shows the warnings otherwise.
    std::unique_ptr<VrlSchemaLib::SchemaFile> LoadChecked(VrlSchemaLib::Dialect dialect) const;
    std::unique_ptr<VrlSchemaLib::SchemaFile> LoadChecked() const { return LoadChecked(m_settings.Target()); }
    // LoadChecked for a command that generates from one schema: the source
    // text goes once the model is built, so that it is not held while the
    // output is made.
    std::unique_ptr<VrlSchemaLib::SchemaFile> LoadCheckedOnce();
    // To -o FILE, or standard output.
    void Write(std::string_view text) const;
    void Write(TextSpool& text) const;
    // A text made as it is written (OutputWriter::Producer).
    void Write(const std::function<void(TextSpool&)>& produce) const;
    // One line of notice on standard error.
    void Notice(const std::string& line) const;
    // The end of a schema the command is done with. A process that ends
    // after its command (the tool's main) keeps it instead: the system takes
    // the memory back at once, where freeing a large model object by object
    // takes a tenth of the run.
    static void Retire(std::unique_ptr<VrlSchemaLib::SchemaFile> file);
    static void KeepSchemasAtExit() { s_keepAtExit = true; }

private:
    CommandSettings m_settings;
    std::unique_ptr<SchemaSource> m_source;
    ToolStreams& m_io;
    static bool s_keepAtExit;
};

} // namespace VrlSchemaTool
