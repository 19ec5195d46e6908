#include "HelpCommand.h"

#include "Generators.h"
#include "Invocation.h"
#include "OutputWriter.h"
#include "Suggest.h"
#include "ToolErrors.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

constexpr size_t kWidth = 79;
constexpr size_t kOptionColumn = 24;

// `text` broken into lines of at most kWidth, the first starting after
// `first` (already `indent` wide or less), the others indented by `indent`.
std::string Wrap(const std::string& first, const std::string& text, size_t indent) {
    std::string out = first;
    if (out.size() < indent)
        out += std::string(indent - out.size(), ' ');
    else if (out.size() > indent && !text.empty())
        out += "\n" + std::string(indent, ' ');
    size_t column = out.size() - (out.rfind('\n') == std::string::npos ? 0 : out.rfind('\n') + 1);
    size_t pos = 0;
    bool lineStart = true;
    while (pos < text.size()) {
        size_t end = text.find(' ', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(pos, end - pos);
        if (!lineStart && column + 1 + word.size() > kWidth) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineStart = false;
        pos = end + 1;
    }
    return out + "\n";
}

std::string OptionLine(const OptionSpec& o) {
    std::string name = "  ";
    if (o.shortName)
        name += std::string("-") + o.shortName + ", ";
    name += std::string("--") + o.name;
    if (o.valueName)
        name += std::string(" ") + o.valueName;
    return Wrap(name, o.help, kOptionColumn);
}

std::string Synopsis(const CommandSpec& c) {
    std::string s = std::string("vrlschema ") + c.name;
    if (*c.operands)
        s += std::string(" ") + c.operands;
    if (!c.options.empty())
        s += " [options]";
    return s;
}

const char* const kExitStatus = "Exit status:\n"
                                "  0  success\n"
                                "  1  a generation error, or a file or standard output that could not be\n"
                                "     written\n"
                                "  2  a usage error, a schema that cannot be read or does not hold what the\n"
                                "     command needs or has an error the model check finds, or an upgrade\n"
                                "     refused because it can lose data\n";

} // namespace

std::string ToolHelp() {
    std::string out = "Usage: vrlschema COMMAND [options] [operands]\n"
                      "       vrlschema help [COMMAND] | --help | --version | --list-dialects\n"
                      "\n"
                      "Writes the SQL of a versioned schema for SQL Server, Oracle, DB2, Access and\n"
                      "PostgreSQL.\n"
                      "\n"
                      "Commands:\n";
    for (const CommandSpec& c : AllCommands())
        out += Wrap(std::string("  ") + c.name + (*c.operands ? std::string(" ") + c.operands : ""),
                    c.summary, kOptionColumn);
    out += "\nOptions (each command takes those of them that apply to it):\n";
    for (const OptionSpec& o : AllOptions())
        out += OptionLine(o);
    out += "\nOptions take their value as --name VALUE or --name=VALUE; -- ends the options.\n"
           "Dialects:";
    for (Dialect d : AllDialects())
        out += std::string(" ") + DialectName(d);
    out += "\n\n";
    out += kExitStatus;
    out += "\nRun \"vrlschema help COMMAND\" for the options of a command.\n";
    return out;
}

std::string CommandHelp(const CommandSpec& c) {
    std::string out = "Usage: " + Synopsis(c) + "\n\n" + Wrap("", c.description, 0);
    if (!c.options.empty()) {
        out += "\nOptions:\n";
        for (const OptionSpec& o : AllOptions()) {
            if (c.Accepts(o.id))
                out += OptionLine(o);
        }
    }
    out += "\n";
    out += kExitStatus;
    return out;
}

int RunHelp(const Invocation& invocation, ToolStreams& io) {
    const std::vector<std::string>& operands = invocation.GetOperands();
    if (operands.empty()) {
        OutputWriter::WriteStream(io.out, ToolHelp());
        return 0;
    }
    const CommandSpec* command = FindCommand(operands[0]);
    if (!command)
        throw UsageError{"unknown command \"" + operands[0] + "\"" + DidYouMean(operands[0], CommandNames()),
                         ""};
    OutputWriter::WriteStream(io.out, CommandHelp(*command));
    return 0;
}

} // namespace VrlSchemaTool
