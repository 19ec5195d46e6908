#include "ToolCommand.h"

#include <iostream>

#include "CheckCommand.h"
#include "Generators.h"
#include "HelpCommand.h"
#include "Invocation.h"
#include "OutputWriter.h"
#include "ToolCommands.h"
#include "ToolErrors.h"
#include "platform/CString.h"
#include "schemafile/SchemaFile.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

// Diagnostic line of a library error; the exception is ended here.
std::string Diagnostic(DuxException* e) {
    wchar_t buffer[2048];
    e->GetErrorMessage(buffer, 2048);
    e->Delete();
    return WideToUtf8(buffer);
}

// What a line without a command asks for: help, the version, the dialects.
int RunGlobal(const Invocation& invocation, ToolStreams& io) {
    std::string text;
    if (invocation.Has(OptionId::Help)) {
        text = ToolHelp();
    } else if (invocation.Has(OptionId::Version)) {
        text = "vrlschema " VRLSCHEMA_VERSION "\n";
    } else if (invocation.Has(OptionId::ListDialects)) {
        for (Dialect d : AllDialects())
            text += std::string(DialectName(d)) + "\n";
    } else {
        throw UsageError{"no command given", ""};
    }
    OutputWriter::WriteStream(io.out, text);
    return 0;
}

int Dispatch(const std::vector<std::string>& args, ToolStreams& io) {
    const Invocation invocation = Invocation::Parse(args);
    const CommandSpec* command = invocation.GetCommand();
    if (!command)
        return RunGlobal(invocation, io);
    if (invocation.Has(OptionId::Help)) {
        OutputWriter::WriteStream(io.out, CommandHelp(*command));
        return 0;
    }
    return command->run(invocation, io);
}

} // namespace

int RunTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    // The host's part of start-up: its message texts first, then the
    // library's own string table.
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    ToolStreams io{in, out, err};
    try {
        return Dispatch(args, io);
    } catch (const UsageError& e) {
        err << "vrlschema: " << e.message << "\n"
            << "Try vrlschema " << (e.command.empty() ? "" : e.command + " ") << "--help.\n";
        return 2;
    } catch (const CheckFailed&) {
        // The findings have been written.
        return 2;
    } catch (const InputError& e) {
        err << "vrlschema: " << e.message << "\n";
        return 2;
    } catch (const SchemaFileError& e) {
        err << e.what() << "\n";
        return 2;
    } catch (const UnsupportedError& e) {
        err << "vrlschema: " << e.message << "\n";
        return 1;
    } catch (const OutputError& e) {
        err << "vrlschema: " << e.message << "\n";
        return 1;
    } catch (DuxException* e) {
        err << Diagnostic(e) << "\n";
        return 1;
    } catch (CException* e) {
        err << WideToUtf8(DuxException::GetErrorMessage(e).View()) << "\n";
        e->Delete();
        return 1;
    }
}

} // namespace VrlSchemaTool
