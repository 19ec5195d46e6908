#include "UpgradeCommand.h"

#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "Generators.h"
#include "SampleSchema.h"
#include "platform/CException.h"
#include "schemafile/SchemaFile.h"
#include "schemafile/SchemaFileError.h"
#include "sqlgen/VrlDbms.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"
#include "upgrade/VrlUpgradePlanner.h"
#include "upgrade/VrlUpgradeRefusal.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

struct UpgradeUsageError {
    std::string message;
};

struct UpgradeOptions {
    std::optional<VrlSchemaVersion> from;
    std::optional<VrlSchemaVersion> to;
    std::string schemaFile;
    std::string oldFile;
    std::string newFile;
    Dialect dialect = Dialect::SqlServer;
    std::string outFile;
    bool listing = false;
    bool allowDataLoss = false;
    bool unicodeLiterals = false;
};

VrlSchemaVersion VersionOption(const std::string& option, const std::string& text) {
    const auto version = ParseVersion(text);
    if (!version)
        throw UpgradeUsageError{option + ": \"" + text + "\" is not a version (V or V.SP)"};
    return *version;
}

UpgradeOptions ParseUpgradeArgs(const std::vector<std::string>& args) {
    UpgradeOptions o;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UpgradeUsageError{"option " + a + " needs a value"};
            return args[++i];
        };
        if (a == "--from") {
            o.from = VersionOption(a, value());
        } else if (a == "--to") {
            o.to = VersionOption(a, value());
        } else if (a == "--schema") {
            o.schemaFile = value();
        } else if (a == "--old") {
            o.oldFile = value();
        } else if (a == "--new") {
            o.newFile = value();
        } else if (a == "--dialect") {
            const std::string& name = value();
            const auto d = ParseDialect(name);
            if (!d)
                throw UpgradeUsageError{"unknown dialect \"" + name + "\" (try --list-dialects)"};
            o.dialect = *d;
        } else if (a == "-o" || a == "--out") {
            o.outFile = value();
        } else if (a == "--plan") {
            o.listing = true;
        } else if (a == "--allow-data-loss") {
            o.allowDataLoss = true;
        } else if (a == "--unicode-literals") {
            o.unicodeLiterals = true;
        } else {
            throw UpgradeUsageError{"upgrade: unknown option or operand " + a};
        }
    }
    const bool files = !o.oldFile.empty() || !o.newFile.empty();
    if (files && (o.oldFile.empty() || o.newFile.empty()))
        throw UpgradeUsageError{"upgrade: --old and --new go together"};
    if (files && !o.schemaFile.empty())
        throw UpgradeUsageError{"upgrade: --schema does not go with --old and --new"};
    if (!files && (!o.from || !o.to))
        throw UpgradeUsageError{"upgrade needs --from V --to V, or --old FILE --new FILE"};
    return o;
}

// The two models of one upgrade and what the script header says of them.
struct Versions {
    std::unique_ptr<SchemaFile> from;
    std::unique_ptr<SchemaFile> to;
    std::string fromSource;
    std::string toSource;
};

Versions LoadVersions(const UpgradeOptions& o) {
    Versions v;
    if (!o.oldFile.empty()) {
        v.from = SchemaFile::Load(o.oldFile, o.dialect, o.from);
        v.to = SchemaFile::Load(o.newFile, o.dialect, o.to);
        v.fromSource = o.oldFile;
        v.toSource = o.newFile;
    } else if (o.schemaFile.empty()) {
        v.from = SchemaFile::Parse(GetSampleSchemaText(), kSampleSchemaName, o.dialect, o.from);
        v.to = SchemaFile::Parse(GetSampleSchemaText(), kSampleSchemaName, o.dialect, o.to);
        v.fromSource = v.toSource = kSampleSchemaName;
    } else {
        v.from = SchemaFile::Load(o.schemaFile, o.dialect, o.from);
        v.to = SchemaFile::Load(o.schemaFile, o.dialect, o.to);
        v.fromSource = v.toSource = o.schemaFile;
    }
    return v;
}

std::string Header(const UpgradeOptions& o, const Versions& v, const VrlUpgradePlan& plan) {
    std::ostringstream h;
    h << "-- vrlschema " << VRLSCHEMA_VERSION << " upgrade script\n"
      << "-- dialect: " << DialectName(o.dialect) << "\n"
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

Written WriteUpgrade(const UpgradeOptions& o) {
    const Versions v = LoadVersions(o);
    // The generator keeps a pointer to its construction text.
    const CString construction(L"SELECT * FROM Queue");
    auto dbms = MakeGenerator(o.dialect, &v.to->GetSchema(), o.unicodeLiterals, construction);
    VrlUpgradePlanner planner(*dbms);
    planner.SetAllowDataLoss(o.allowDataLoss);
    const VrlUpgradePlan plan = planner.Plan(v.from->GetSchema(), v.to->GetSchema());
    Written w;
    w.statements = plan.GetStatementCount();
    w.destructive = plan.DestructiveSteps();
    w.text = o.listing ? plan.WriteListing().ToUtf8()
                       : plan.WriteScript(CString(Header(o, v, plan).c_str())).ToUtf8();
    return w;
}

} // namespace

const std::vector<std::string>& SampleSchemaVersions() {
    static const std::vector<std::string> versions{"25", "30", "35", "35.10001", "35.10002"};
    return versions;
}

std::string SampleUpgradeScript(Dialect dialect, size_t& statements) {
    UpgradeOptions o;
    o.dialect = dialect;
    o.from = ParseVersion(SampleSchemaVersions().front());
    o.to = ParseVersion(SampleSchemaVersions().back());
    Written w = WriteUpgrade(o);
    statements = w.statements;
    return w.text;
}

int RunUpgradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    try {
        const UpgradeOptions o = ParseUpgradeArgs(args);
        const Written w = WriteUpgrade(o);
        for (const CString& step : w.destructive)
            err << "vrlschema: destructive step: " << step.ToUtf8() << "\n";
        if (o.outFile.empty()) {
            out << w.text;
        } else {
            std::ofstream f(o.outFile, std::ios::binary | std::ios::trunc);
            f << w.text;
            f.close();
            if (!f)
                throw UpgradeUsageError{"cannot write " + o.outFile};
        }
        return 0;
    } catch (const UpgradeUsageError& e) {
        err << "vrlschema: " << e.message << "\nTry vrlschema --help.\n";
        return 2;
    } catch (const VrlUpgradeRefusal& e) {
        err << "vrlschema: upgrade " << e.what() << "\n"
            << "vrlschema: --allow-data-loss permits these changes\n";
        return 2;
    } catch (const SchemaFileError& e) {
        err << e.what() << "\n";
        return 2;
    } catch (DuxException* e) {
        wchar_t buffer[2048];
        e->GetErrorMessage(buffer, 2048);
        e->Delete();
        err << WideToUtf8(buffer) << "\n";
        return 1;
    } catch (CException* e) {
        err << WideToUtf8(DuxException::GetErrorMessage(e).View()) << "\n";
        e->Delete();
        return 1;
    }
}

} // namespace VrlSchemaTool
