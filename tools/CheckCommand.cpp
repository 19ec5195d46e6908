#include "CheckCommand.h"

#include <nlohmann/json.hpp>

#include <ostream>

#include "check/VrlSchemaCheck.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

std::vector<VrlCheckFinding> Check(const SchemaFile& file, Dialect dialect, const CheckSettings& settings) {
    VrlCheckOptions options;
    options.target = dialect;
    options.unicodeLiterals = settings.unicodeLiterals;
    options.record = &file.GetRecord();
    return VrlSchemaCheck::Run(file.GetSchema(), options);
}

bool Stops(const VrlCheckFinding& finding, const CheckSettings& settings) {
    return finding.IsError() || settings.strict;
}

const char* SeverityName(const VrlCheckFinding& finding) {
    return finding.IsError() ? "error" : "warning";
}

} // namespace

std::string FindingLine(const std::string& file, Dialect dialect, const VrlCheckFinding& finding) {
    std::string line = file + ": ";
    if (!finding.jsonPath.empty())
        line += finding.jsonPath + ": ";
    return line + DialectName(dialect) + ": " + SeverityName(finding) + ": " + finding.code + ": " +
           finding.objectPath.ToUtf8() + ": " + finding.message.ToUtf8();
}

void CheckBeforeGenerating(const SchemaFile& file, Dialect dialect, const CheckSettings& settings,
                           std::ostream& err) {
    const std::vector<VrlCheckFinding> findings = Check(file, dialect, settings);
    bool stop = false;
    for (const VrlCheckFinding& finding : findings)
        stop = stop || Stops(finding, settings);
    for (const VrlCheckFinding& finding : findings) {
        if (stop || !settings.quiet)
            err << FindingLine(file.GetRecord().GetFileName(), dialect, finding) << "\n";
    }
    if (stop) {
        err << file.GetRecord().GetFileName() << ": the check found errors for " << DialectName(dialect)
            << "; nothing was written (vrlschema check lists them)\n";
        throw CheckFailed{};
    }
}

int RunCheck(const SchemaLoader& load, const std::vector<Dialect>& dialects, const CheckSettings& settings,
             std::ostream& out) {
    nlohmann::json list = nlohmann::json::array();
    bool failed = false;
    for (Dialect dialect : dialects) {
        const std::unique_ptr<SchemaFile> file = load(dialect);
        const std::string& name = file->GetRecord().GetFileName();
        for (const VrlCheckFinding& finding : Check(*file, dialect, settings)) {
            failed = failed || Stops(finding, settings);
            if (!settings.json) {
                out << FindingLine(name, dialect, finding) << "\n";
                continue;
            }
            list.push_back({{"file", name},
                            {"path", finding.jsonPath},
                            {"dialect", DialectName(dialect)},
                            {"severity", SeverityName(finding)},
                            {"code", finding.code},
                            {"object", finding.objectPath.ToUtf8()},
                            {"message", finding.message.ToUtf8()}});
        }
    }
    if (settings.json)
        out << list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return failed ? 2 : 0;
}

} // namespace VrlSchemaTool
