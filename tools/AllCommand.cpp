#include "AllCommand.h"

#include <ostream>

#include "CommandContext.h"
#include "FolderSwap.h"
#include "Generators.h"
#include "OutputWriter.h"
#include "SqlTexts.h"
#include "UpgradeCommand.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

int RunAll(const Invocation& invocation, ToolStreams& io) {
    const CommandContext context(invocation, io);
    const CommandSettings& s = context.Settings();
    struct File {
        std::string name;
        SqlText text;
    };
    // Everything is generated before anything is written.
    std::vector<File> files;
    bool publishNoticed = false;
    std::vector<std::string> notices;
    for (Dialect d : s.dialects) {
        const auto file = context.LoadChecked(d);
        const SqlTexts texts(*file, d, s, context.Source().GetName());
        const std::string base = DialectName(d);
        files.push_back({base + "-script.sql", texts.Script()});
        files.push_back({base + "-seed.sql", texts.Seed()});
        // The sample tells an upgrade story: its oldest version to its newest.
        if (s.schemaFile.empty()) {
            SqlText upgrade;
            upgrade.text = SampleUpgradeScript(d, upgrade.statements);
            files.push_back({base + "-upgrade.sql", upgrade});
        }
        // Access has no publish procedure.
        if (!s.publish || d == Dialect::Access)
            continue;
        if (!HasPublishProcedure(d)) {
            notices.push_back(base + ": no publish procedure for this dialect, " + base +
                              "-publish.sql skipped");
            continue;
        }
        const std::string missing = texts.MissingPublishTable();
        if (missing.empty()) {
            files.push_back({base + "-publish.sql", texts.Publish()});
        } else if (!publishNoticed) {
            context.Notice("the schema has no table " + missing +
                           ", which the publish procedure needs; "
                           "the publish procedure is left out");
            publishNoticed = true;
        }
    }
    FolderSwap swap(s.outDir);
    for (const File& f : files)
        swap.Add(f.name, f.text.text);
    swap.Commit();
    std::string summary;
    for (const File& f : files) {
        summary += swap.TargetPath(f.name).string() + ": " + std::to_string(f.text.statements) +
                   " statements, " + std::to_string(f.text.text.size()) + " bytes\n";
    }
    for (const std::string& notice : notices)
        summary += notice + "\n";
    OutputWriter::WriteStream(io.out, summary);
    return 0;
}

} // namespace VrlSchemaTool
