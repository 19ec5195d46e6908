// One command line, parsed and checked against the command table: the
// command, its operands and the options given, each with its values in the
// order given. Parse raises UsageError for anything the table does not allow:
// an unknown command or option (with a suggestion), an option that the
// command does not take, an option given twice, a missing or unwanted value,
// too many or too few operands.
//
// Accepted forms: --name VALUE, --name=VALUE, -o VALUE, -oVALUE; "--" ends
// the options; a lone "-" is a value or operand, not an option.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ToolOptions.h"

namespace VrlSchemaTool {

struct CommandSpec;

class Invocation {
public:
    static Invocation Parse(const std::vector<std::string>& args);

    // Null when no command was given (only global options, or nothing).
    const CommandSpec* GetCommand() const { return m_command; }
    const std::vector<std::string>& GetOperands() const { return m_operands; }

    bool Has(OptionId id) const { return m_values.count(id) != 0; }
    // The value of a single-valued option, or `fallback` when it was not given.
    std::string GetValue(OptionId id, const std::string& fallback = std::string()) const;
    // Every value given for the option, in order.
    std::vector<std::string> GetValues(OptionId id) const;

private:
    void Add(OptionId id, std::string value);
    void Check() const;

    const CommandSpec* m_command = nullptr;
    std::vector<std::string> m_operands;
    std::map<OptionId, std::vector<std::string>> m_values;
    // What the user typed for each option (the name as spelt, e.g. "-o"),
    // so that a message quotes the user's own words.
    std::map<OptionId, std::string> m_spelling;
};

} // namespace VrlSchemaTool
