#include "ToolOptions.h"

namespace VrlSchemaTool {

const std::vector<OptionSpec>& AllOptions() {
    static const std::vector<OptionSpec> options{
        {OptionId::Schema, "schema", 0, "FILE",
         "schema file; - reads standard input (default: the built-in sample schema)"},
        {OptionId::Dialect, "dialect", 0, "NAME",
         "sqlserver (default), oracle, db2, access or postgres (also postgresql); for all and check, several "
         "names (repeated or as a comma list) "
         "choose the targets (default: every one)"},
        {OptionId::DbVersion, "db-version", 0, "V[.SP]", "schema version to generate (default: the file's)"},
        {OptionId::Out, "out", 'o', "FILE", "write to FILE instead of standard output; - is standard output"},
        {OptionId::OutDir, "out-dir", 0, "DIR", "folder that all writes into (default: out)"},
        {OptionId::UnicodeLiterals, "unicode-literals", 0, nullptr,
         "SQL Server: write string literals with the N prefix"},
        {OptionId::QueueSource, "queue-source", 0, "SQL",
         "query that stands in for the Queue table in the publish procedure (default: SELECT * FROM Queue)"},
        {OptionId::Split, "split", 0, nullptr,
         "DB2 publish: write the sub-procedures as statements of their own, ahead of the main procedure"},
        {OptionId::Table, "table", 0, "TABLE", "exists: probe the column or constraint NAME of TABLE"},
        {OptionId::NoPublish, "no-publish", 0, nullptr, "all: leave the publish procedure out"},
        {OptionId::NoHeader, "no-header", 0, nullptr,
         "leave out the comment block that opens every SQL text (tool, command, dialect, schema version, "
         "source, time)"},
        {OptionId::Format, "format", 0, "FORMAT", "list, check: text (default) or json"},
        {OptionId::Quiet, "quiet", 0, nullptr, "no warnings of the model check on standard error"},
        {OptionId::Strict, "strict", 0, nullptr, "warnings of the model check stop generation as errors do"},
        {OptionId::From, "from", 0, "V[.SP]", "upgrade: the version the database has"},
        {OptionId::To, "to", 0, "V[.SP]", "upgrade: the version to take it to"},
        {OptionId::Old, "old", 0, "FILE", "upgrade: the schema file the database was made from"},
        {OptionId::New, "new", 0, "FILE", "upgrade: the schema file to take it to"},
        {OptionId::Plan, "plan", 0, nullptr, "upgrade: list the steps instead of writing the script"},
        {OptionId::AllowDataLoss, "allow-data-loss", 0, nullptr,
         "upgrade: permit steps that can lose data (refused otherwise)"},
        {OptionId::Help, "help", 'h', nullptr, "show the help of the command (or of the tool) and exit"},
        {OptionId::Version, "version", 0, nullptr, "show the tool's version and exit"},
        {OptionId::ListDialects, "list-dialects", 0, nullptr, "list the dialect names and exit"},
    };
    return options;
}

const OptionSpec& GetOption(OptionId id) {
    for (const OptionSpec& o : AllOptions()) {
        if (o.id == id)
            return o;
    }
    return AllOptions().front();
}

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& o : AllOptions()) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

const OptionSpec* FindShortOption(char name) {
    for (const OptionSpec& o : AllOptions()) {
        if (o.shortName != 0 && o.shortName == name)
            return &o;
    }
    return nullptr;
}

} // namespace VrlSchemaTool
