// The options of the command line: their names, values and help lines. Which
// command accepts which option is said by the command table (ToolCommands.h).
#pragma once

#include <string_view>
#include <vector>

namespace VrlSchemaTool {

enum class OptionId {
    Schema,
    Dialect,
    DbVersion,
    Out,
    OutDir,
    UnicodeLiterals,
    QueueSource,
    Split,
    Table,
    NoPublish,
    NoHeader,
    Format,
    Quiet,
    Strict,
    From,
    To,
    Old,
    New,
    Plan,
    AllowDataLoss,
    Help,
    Version,
    ListDialects,
};

struct OptionSpec {
    OptionId id;
    const char* name;      // without the leading "--"
    char shortName;        // 0 when the option has no one-letter form
    const char* valueName; // null for options that take no value
    const char* help;
};

// Every option, in the order the help lists them.
const std::vector<OptionSpec>& AllOptions();
const OptionSpec& GetOption(OptionId id);
// The option called `name` (without "--"), or null.
const OptionSpec* FindOption(std::string_view name);
const OptionSpec* FindShortOption(char name);

} // namespace VrlSchemaTool
