#include "UpgradeCommand.h"

#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "CommandContext.h"
#include "Generators.h"
#include "SampleSchema.h"
#include "ToolErrors.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"
#include "upgrade/VrlUpgradePlanner.h"
#include "upgrade/VrlUpgradeRefusal.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

// The two models of one upgrade and what the script header says of them.
struct Versions {
    std::unique_ptr<SchemaFile> from;
    std::unique_ptr<SchemaFile> to;
    std::string fromSource;
    std::string toSource;
};

void CheckRequest(const CommandSettings& s) {
    const bool files = !s.oldFile.empty() || !s.newFile.empty();
    if (files && (s.oldFile.empty() || s.newFile.empty()))
        throw UsageError{"upgrade: --old and --new go together", "upgrade"};
    if (files && !s.schemaFile.empty())
        throw UsageError{"upgrade: --schema does not go with --old and --new", "upgrade"};
    if (files && s.oldFile == "-" && s.newFile == "-")
        throw UsageError{"upgrade: --old and --new cannot both read standard input", "upgrade"};
    if (!files && (!s.from || !s.to))
        throw UsageError{"upgrade needs --from V --to V, or --old FILE --new FILE", "upgrade"};
}

Versions LoadVersions(const CommandSettings& s, std::istream& in) {
    Versions v;
    const Dialect d = s.Target();
    if (!s.oldFile.empty()) {
        const SchemaSource oldSource = SchemaSource::Open(s.oldFile, in);
        const SchemaSource newSource = SchemaSource::Open(s.newFile, in);
        v.from = oldSource.Load(d, s.from);
        v.to = newSource.Load(d, s.to);
        v.fromSource = oldSource.GetName();
        v.toSource = newSource.GetName();
    } else {
        const SchemaSource source = SchemaSource::Open(s.schemaFile, in);
        v.from = source.Load(d, s.from);
        v.to = source.Load(d, s.to);
        v.fromSource = v.toSource = source.GetName();
    }
    return v;
}

std::string Header(Dialect dialect, const Versions& v, const VrlUpgradePlan& plan) {
    std::ostringstream h;
    h << "-- vrlschema " << VRLSCHEMA_VERSION << " upgrade script\n"
      << "-- dialect: " << DialectName(dialect) << "\n"
      << "-- from: version " << VrlUpgradeRefusal::VersionText(plan.m_oFrom).ToUtf8() << " (" << v.fromSource
      << ")\n"
      << "-- to: version " << VrlUpgradeRefusal::VersionText(plan.m_oTo).ToUtf8() << " (" << v.toSource
      << ")\n"
      << "-- steps: " << plan.m_vSteps.size() << "\n";
    return h.str();
}

struct Written {
    std::string text;
    std::vector<CString> destructive;
    size_t statements = 0;
};

Written WriteUpgrade(const CommandSettings& s, const Versions& v) {
    // The generator keeps a pointer to its construction text.
    const CString construction(L"SELECT * FROM Queue");
    auto dbms = MakeGenerator(s.Target(), &v.to->GetSchema(), s.unicodeLiterals, construction);
    VrlUpgradePlanner planner(*dbms);
    planner.SetAllowDataLoss(s.allowDataLoss);
    const VrlUpgradePlan plan = planner.Plan(v.from->GetSchema(), v.to->GetSchema());
    Written w;
    w.statements = plan.GetStatementCount();
    w.destructive = plan.DestructiveSteps();
    w.text =
        s.plan
            ? plan.WriteListing().ToUtf8()
            : plan.WriteScript(s.header ? CString(Header(s.Target(), v, plan).c_str()) : CString()).ToUtf8();
    return w;
}

} // namespace

const std::vector<std::string>& SampleSchemaVersions() {
    static const std::vector<std::string> versions{"25", "30", "35", "35.10001", "35.10002"};
    return versions;
}

std::string SampleUpgradeScript(Dialect dialect, size_t& statements) {
    CommandSettings s;
    s.dialects = {dialect};
    s.from = ParseVersion(SampleSchemaVersions().front());
    s.to = ParseVersion(SampleSchemaVersions().back());
    std::istringstream none;
    const Written w = WriteUpgrade(s, LoadVersions(s, none));
    statements = w.statements;
    return w.text;
}

int RunUpgrade(const Invocation& invocation, ToolStreams& io) {
    const CommandContext context(invocation, io, false);
    const CommandSettings& s = context.Settings();
    CheckRequest(s);
    try {
        const Written w = WriteUpgrade(s, LoadVersions(s, io.in));
        for (const CString& step : w.destructive)
            context.Notice("destructive step: " + step.ToUtf8());
        context.Write(w.text);
        return 0;
    } catch (const VrlUpgradeRefusal& e) {
        throw InputError{std::string("upgrade ") + e.what() +
                         "\nvrlschema: --allow-data-loss permits these changes"};
    }
}

} // namespace VrlSchemaTool
