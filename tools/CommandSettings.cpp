#include "CommandSettings.h"

#include <algorithm>

#include "Generators.h"
#include "Invocation.h"
#include "Suggest.h"
#include "ToolCommands.h"
#include "ToolErrors.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

std::vector<std::string> DialectNames() {
    std::vector<std::string> names;
    for (Dialect d : AllDialects())
        names.emplace_back(DialectName(d));
    return names;
}

std::vector<Dialect> ParseDialects(const Invocation& inv, const std::string& command) {
    if (!inv.Has(OptionId::Dialect))
        return command == "all" ? AllDialects() : std::vector<Dialect>{Dialect::SqlServer};
    std::vector<Dialect> dialects;
    for (const std::string& value : inv.GetValues(OptionId::Dialect)) {
        size_t start = 0;
        for (;;) {
            const size_t comma = value.find(',', start);
            const std::string name = value.substr(start, comma - start);
            const std::optional<Dialect> d = ParseDialect(name);
            if (!d)
                throw UsageError{"unknown dialect \"" + name + "\"" + DidYouMean(name, DialectNames()) +
                                     " (try --list-dialects)",
                                 command};
            if (std::find(dialects.begin(), dialects.end(), *d) != dialects.end())
                throw UsageError{"dialect " + std::string(DialectName(*d)) + " given more than once",
                                 command};
            dialects.push_back(*d);
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    if (dialects.size() > 1 && !inv.GetCommand()->Repeats(OptionId::Dialect))
        throw UsageError{"option --dialect takes one dialect for " + command, command};
    return dialects;
}

// An option that serves some targets only must serve one of those chosen.
void RequireTarget(const Invocation& inv, const CommandSettings& s, OptionId id,
                   std::initializer_list<Dialect> served, const std::string& command) {
    if (!inv.Has(id))
        return;
    for (Dialect d : served) {
        if (s.Targets(d))
            return;
    }
    std::string names;
    for (Dialect d : served)
        names += (names.empty() ? "" : " or ") + std::string(DialectName(d));
    throw UsageError{"option --" + std::string(GetOption(id).name) + " applies to the " + names +
                         " dialect only",
                     command};
}

std::optional<VrlSchemaVersion> VersionOption(const Invocation& inv, OptionId id,
                                              const std::string& command) {
    if (!inv.Has(id))
        return std::nullopt;
    const std::string text = inv.GetValue(id);
    const std::optional<VrlSchemaVersion> version = ParseVersion(text);
    if (!version)
        throw UsageError{"--" + std::string(GetOption(id).name) + ": \"" + text +
                             "\" is not a version (V or V.SP)",
                         command};
    return version;
}

} // namespace

bool CommandSettings::Targets(Dialect dialect) const {
    return std::find(dialects.begin(), dialects.end(), dialect) != dialects.end();
}

CommandSettings CommandSettings::From(const Invocation& inv) {
    const std::string command = inv.GetCommand() ? inv.GetCommand()->name : "";
    CommandSettings s;
    s.dialects = ParseDialects(inv, command);
    s.version = VersionOption(inv, OptionId::DbVersion, command);
    s.from = VersionOption(inv, OptionId::From, command);
    s.to = VersionOption(inv, OptionId::To, command);
    s.oldFile = inv.GetValue(OptionId::Old);
    s.newFile = inv.GetValue(OptionId::New);
    s.plan = inv.Has(OptionId::Plan);
    s.allowDataLoss = inv.Has(OptionId::AllowDataLoss);
    s.schemaFile = inv.GetValue(OptionId::Schema);
    s.outFile = inv.GetValue(OptionId::Out);
    s.outDir = inv.GetValue(OptionId::OutDir, s.outDir);
    if (s.outDir.empty())
        throw UsageError{"option --out-dir needs a folder name", command};
    s.queueSource = inv.GetValue(OptionId::QueueSource, s.queueSource);
    s.table = inv.GetValue(OptionId::Table);
    s.format = inv.GetValue(OptionId::Format, s.format);
    if (s.format != "text" && s.format != "json")
        throw UsageError{"unknown format \"" + s.format + "\" (text or json)", command};
    s.unicodeLiterals = inv.Has(OptionId::UnicodeLiterals);
    s.split = inv.Has(OptionId::Split);
    s.publish = !inv.Has(OptionId::NoPublish);
    s.header = !inv.Has(OptionId::NoHeader);
    s.check.quiet = inv.Has(OptionId::Quiet);
    s.check.strict = inv.Has(OptionId::Strict);
    s.check.json = s.format == "json";
    s.check.unicodeLiterals = s.unicodeLiterals;

    RequireTarget(inv, s, OptionId::UnicodeLiterals, {Dialect::SqlServer}, command);
    RequireTarget(inv, s, OptionId::Split, {Dialect::DB2}, command);
    RequireTarget(inv, s, OptionId::QueueSource, {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2},
                  command);
    if (!s.publish) {
        for (OptionId id : {OptionId::Split, OptionId::QueueSource}) {
            if (inv.Has(id))
                throw UsageError{"option --" + std::string(GetOption(id).name) +
                                     " does not apply with --no-publish",
                                 command};
        }
    }
    return s;
}

} // namespace VrlSchemaTool
