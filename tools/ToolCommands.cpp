#include "ToolCommands.h"

#include <algorithm>

#include "AllCommand.h"
#include "CheckCommand.h"
#include "GenerateCommands.h"
#include "HelpCommand.h"
#include "ListCommands.h"
#include "UpgradeCommand.h"

namespace VrlSchemaTool {

namespace {

using O = OptionId;

} // namespace

bool CommandSpec::Accepts(OptionId id) const {
    return id == O::Help || std::find(options.begin(), options.end(), id) != options.end();
}

bool CommandSpec::Repeats(OptionId id) const {
    return std::find(repeatable.begin(), repeatable.end(), id) != repeatable.end();
}

const std::vector<CommandSpec>& AllCommands() {
    static const std::vector<CommandSpec> commands{
        {"script",
         "",
         "the creation script of the schema",
         "Writes the statements that create the schema's database, joined by the dialect's batch separator.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::UnicodeLiterals, O::NoHeader, O::Quiet, O::Strict},
         {},
         0,
         0,
         &RunScript},
        {"seed",
         "",
         "the INSERT statements of the tables' seed rows",
         "Writes one INSERT statement per seed row of the schema's tables.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::UnicodeLiterals, O::NoHeader, O::Quiet, O::Strict},
         {},
         0,
         0,
         &RunSeed},
        {"publish",
         "",
         "the procedure procPublishBatchDef",
         "Writes the procedure that publishes a batch definition. The schema must hold the tables the "
         "procedure walks (MarlowCaptureSetup, BatchDef and the setup tree below them). Access has no "
         "publish procedure.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::QueueSource, O::Split, O::NoHeader, O::Quiet,
          O::Strict},
         {},
         0,
         0,
         &RunPublish},
        {"exists",
         "NAME",
         "the catalogue probe of an object",
         "Writes the catalogue query that tells whether the table, view, procedure or function NAME exists; "
         "with --table, whether the column or constraint NAME of that table exists.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::Table, O::Quiet, O::Strict},
         {},
         1,
         1,
         &RunExists},
        {"columns",
         "[TABLE]",
         "the version-cut column lists",
         "Writes the column list of every table, or of TABLE, as the generators cut it by version.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::Quiet, O::Strict},
         {},
         0,
         1,
         &RunColumns},
        {"list",
         "[tables|views|procedures|functions|versions]",
         "the objects or versions of the schema",
         "Lists the tables, views, procedures and functions of the schema at the version asked for, with "
         "the version that introduced each, or one kind of them; versions lists every version the schema "
         "file names.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::Format},
         {},
         0,
         1,
         &RunList},
        {"all",
         "",
         "every target's script, seed and publish texts into a folder",
         "Writes DIALECT-script.sql, DIALECT-seed.sql and DIALECT-publish.sql of every target (or of those "
         "--dialect names) into --out-dir, and one summary line per file. The texts are written into a "
         "temporary folder beside the target and moved into place only when every one was generated and "
         "written; on any failure the target folder is left as it was. The publish procedure is left out "
         "for Access, with --no-publish, and (with a notice) for a schema without the tables it walks.",
         {O::Schema, O::Dialect, O::DbVersion, O::OutDir, O::UnicodeLiterals, O::QueueSource, O::Split,
          O::NoPublish, O::NoHeader, O::Quiet, O::Strict},
         {O::Dialect},
         0,
         0,
         &RunAll},
        {"check",
         "",
         "the findings of the model check",
         "Checks the schema for each dialect --dialect names (default: sqlserver; repeated or as a comma "
         "list for several) and lists the findings, one line each or as a JSON list. The exit status is 2 "
         "when there is an error (with --strict, a warning too). script, seed, publish, exists, columns and "
         "all run the check first and write nothing when it finds an error; they show its warnings on "
         "standard error unless --quiet.",
         {O::Schema, O::Dialect, O::DbVersion, O::Out, O::UnicodeLiterals, O::Format, O::Strict},
         {O::Dialect},
         0,
         0,
         &RunCheckCommand},
        {"upgrade",
         "",
         "the script from one schema version to another",
         "Writes the script that takes a database from one schema version to another: between two versions "
         "of one schema file (--from V --to V, with --schema or the sample), or between two files (--old "
         "FILE "
         "--new FILE, each at its own version unless --from and --to say otherwise). Steps that can lose "
         "data "
         "are refused (exit status 2) unless --allow-data-loss permits them; each one permitted is named on "
         "standard error. For the sample, all writes its upgrade from the oldest version to the newest too.",
         {O::Schema, O::Dialect, O::Out, O::UnicodeLiterals, O::From, O::To, O::Old, O::New, O::Plan,
          O::AllowDataLoss, O::NoHeader},
         {},
         0,
         0,
         &RunUpgrade},
        {"sample",
         "",
         "the built-in sample schema file",
         "Writes the built-in sample schema file, a starting point for a schema file of one's own.",
         {O::Out},
         {},
         0,
         0,
         &RunSample},
        {"help",
         "[COMMAND]",
         "the help of the tool or of a command",
         "Shows the help of COMMAND, or of the tool.",
         {},
         {},
         0,
         1,
         &RunHelp},
    };
    return commands;
}

const CommandSpec* FindCommand(std::string_view name) {
    for (const CommandSpec& c : AllCommands()) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const CommandSpec& c : AllCommands())
        names.emplace_back(c.name);
    return names;
}

bool IsGlobalOption(OptionId id) {
    return id == O::Help || id == O::Version || id == O::ListDialects;
}

} // namespace VrlSchemaTool
