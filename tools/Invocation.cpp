#include "Invocation.h"

#include "Suggest.h"
#include "ToolCommands.h"
#include "ToolErrors.h"

namespace VrlSchemaTool {

namespace {

std::vector<std::string> LongOptionNames() {
    std::vector<std::string> names;
    for (const OptionSpec& o : AllOptions())
        names.push_back(std::string("--") + o.name);
    return names;
}

std::string Command(const CommandSpec* command) {
    return command ? command->name : "";
}

} // namespace

Invocation Invocation::Parse(const std::vector<std::string>& args) {
    Invocation inv;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* spec = nullptr;
        std::string spelling;
        std::string inlineValue;
        bool hasInline = false;
        if (a[1] == '-') {
            const size_t eq = a.find('=');
            spelling = a.substr(0, eq);
            if (eq != std::string::npos) {
                inlineValue = a.substr(eq + 1);
                hasInline = true;
            }
            spec = FindOption(std::string_view(spelling).substr(2));
            if (!spec) {
                // Suggest among every option: the command may come later on
                // the line, and an option of another command is a slip too.
                throw UsageError{"unknown option " + spelling + DidYouMean(spelling, LongOptionNames()), ""};
            }
        } else {
            spelling = a.substr(0, 2);
            spec = FindShortOption(a[1]);
            if (!spec)
                throw UsageError{"unknown option " + spelling, ""};
            if (a.size() > 2) {
                inlineValue = a.substr(2);
                hasInline = true;
            }
        }
        std::string value;
        if (spec->valueName) {
            if (hasInline) {
                value = inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError{"option " + spelling + " needs a value (" + spec->valueName + ")", ""};
            }
        } else if (hasInline) {
            throw UsageError{"option " + spelling + " takes no value", ""};
        }
        if (inv.m_spelling.count(spec->id) == 0)
            inv.m_spelling[spec->id] = spelling;
        inv.Add(spec->id, value);
    }
    if (!positional.empty()) {
        inv.m_command = FindCommand(positional.front());
        if (!inv.m_command)
            throw UsageError{"unknown command \"" + positional.front() + "\"" +
                                 DidYouMean(positional.front(), CommandNames()),
                             ""};
        inv.m_operands.assign(positional.begin() + 1, positional.end());
    }
    // Help wins over every other complaint: whoever asks for it is told how
    // to write the line that is wrong.
    if (!inv.Has(OptionId::Help))
        inv.Check();
    return inv;
}

void Invocation::Add(OptionId id, std::string value) {
    m_values[id].push_back(std::move(value));
}

void Invocation::Check() const {
    const std::string command = Command(m_command);
    for (const auto& [id, values] : m_values) {
        const std::string& spelling = m_spelling.at(id);
        if (!m_command && !IsGlobalOption(id))
            throw UsageError{"option " + spelling + " needs a command", ""};
        if (m_command && !m_command->Accepts(id))
            throw UsageError{"option " + spelling + " does not apply to " + command, command};
        if (values.size() > 1 && !(m_command && m_command->Repeats(id)))
            throw UsageError{"option " + spelling + " given more than once", command};
    }
    if (!m_command)
        return;
    if (m_operands.size() < m_command->minOperands)
        throw UsageError{command + " needs " + m_command->operands, command};
    if (m_operands.size() > m_command->maxOperands) {
        if (m_command->maxOperands == 0)
            throw UsageError{command + " takes no operands (\"" + m_operands.front() + "\" given)", command};
        throw UsageError{command + " takes at most " + m_command->operands + " (\"" +
                             m_operands[m_command->maxOperands] + "\" is one too many)",
                         command};
    }
}

std::string Invocation::GetValue(OptionId id, const std::string& fallback) const {
    const auto it = m_values.find(id);
    return it == m_values.end() ? fallback : it->second.back();
}

std::vector<std::string> Invocation::GetValues(OptionId id) const {
    const auto it = m_values.find(id);
    return it == m_values.end() ? std::vector<std::string>() : it->second;
}

} // namespace VrlSchemaTool
