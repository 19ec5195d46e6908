// Our in-process phase times for bench/compare.sh: the steps the tool takes
// for `vrlschema script --dialect sqlserver --schema SCHEMA -o OUT`, each timed
// in CPU time, once per process.
//
//   vrlschema_compare SCHEMA.json OUT.sql [--phases FILE] [--check-synthetic]
//
// The steps: read the file, load it (SchemaFile::Parse: JSON to model), the
// model check the tool runs before generating, GenerateSchema, the statements
// to UTF-8 joined by the batch separator, the write, and freeing the model and
// the statements (which the tool itself leaves to the process exit). The tool
// makes the statements and their UTF-8 in one pass (VrlDbms::StreamSchema);
// here they are two, so that each one's share shows. The whole-process
// figures of the comparison come from the tool itself, measured from outside;
// this program only splits them up.
//
// --check-synthetic also builds the benchmarks' in-memory synthetic schema of
// as many tables and fails unless its script is the file's, statement by
// statement: the file and the Google Benchmark programs then measure one and
// the same schema.
#include <nlohmann/json.hpp>

#include <time.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CheckCommand.h"
#include "Generators.h"
#include "SyntheticSchema.h"
#include "platform/CString.h"
#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"
#include "sqlgen/VrlSqlStrings.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

using nlohmann::json;
using namespace VrlSchemaLib;

namespace {

// The process's CPU time so far (user+sys), in seconds: the phases then add
// up to the CPU time the comparison measures from outside.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Seconds(double from, double to) {
    return to - from;
}

const CString& QueueSource() {
    static const CString text(L"SELECT * FROM Queue");
    return text;
}

std::vector<CString> Script(const VrlSchema& schema) {
    std::vector<CString> statements;
    VrlSchemaTool::MakeGenerator(Dialect::SqlServer, &schema, false, QueueSource())
        ->GenerateSchema(statements);
    return statements;
}

struct Options {
    std::string schemaPath;
    std::string outPath;
    std::string phasesPath;
    bool checkSynthetic = false;
};

bool ParseArgs(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--phases" && i + 1 < argc)
            options.phasesPath = argv[++i];
        else if (arg == "--check-synthetic")
            options.checkSynthetic = true;
        else if (arg.starts_with("--"))
            return false;
        else if (options.schemaPath.empty())
            options.schemaPath = arg;
        else if (options.outPath.empty())
            options.outPath = arg;
        else
            return false;
    }
    return !options.schemaPath.empty() && !options.outPath.empty();
}

// Fails (returns false) unless the in-memory synthetic schema of `tables`
// tables gives the same script as the file.
bool CheckSynthetic(int tables, const std::vector<CString>& fromFile) {
    const VrlSchemaBench::SyntheticSchema synthetic(tables, false);
    const std::vector<CString> fromMemory = Script(synthetic.GetSchema());
    if (fromMemory.size() != fromFile.size()) {
        std::fprintf(stderr, "vrlschema_compare: the file gives %zu statements, the synthetic schema %zu\n",
                     fromFile.size(), fromMemory.size());
        return false;
    }
    for (size_t i = 0; i < fromFile.size(); ++i) {
        if (fromFile[i] != fromMemory[i]) {
            std::fprintf(
                stderr,
                "vrlschema_compare: statement %zu differs from the synthetic schema's:\n%ls\n---\n%ls\n", i,
                fromFile[i].GetString(), fromMemory[i].GetString());
            return false;
        }
    }
    return true;
}

int Run(const Options& options) {
    const double t0 = CpuSeconds();
    std::string text;
    {
        std::ifstream in(options.schemaPath, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "vrlschema_compare: cannot read %s\n", options.schemaPath.c_str());
            return 2;
        }
        std::ostringstream buffer;
        buffer << in.rdbuf();
        text = buffer.str();
    }
    const double t1 = CpuSeconds();
    auto file = SchemaFile::Parse(text, options.schemaPath, Dialect::SqlServer);
    const double t2 = CpuSeconds();
    VrlSchemaTool::CheckSettings check;
    check.quiet = true;
    VrlSchemaTool::CheckBeforeGenerating(*file, Dialect::SqlServer, check, std::cerr);
    const double t3 = CpuSeconds();
    auto dbms = VrlSchemaTool::MakeGenerator(Dialect::SqlServer, &file->GetSchema(), false, QueueSource());
    auto statements = std::make_unique<std::vector<CString>>();
    dbms->GenerateSchema(*statements);
    const double t4 = CpuSeconds();
    const CString none(L'\x01');
    const std::string separator = dbms->GetSqlStrings()->Get(6, none, none, none, none, none, none).ToUtf8();
    // One buffer for the whole text, as the tool writes it.
    size_t estimate = 0;
    for (const CString& s : *statements)
        estimate += static_cast<size_t>(s.GetLength()) + separator.size();
    std::string script;
    script.reserve(estimate + estimate / 8);
    for (const CString& s : *statements) {
        AppendUtf8(script, s.View());
        script += separator;
    }
    const double t5 = CpuSeconds();
    {
        std::ofstream out(options.outPath, std::ios::binary);
        out << script;
        out.flush();
        if (!out) {
            std::fprintf(stderr, "vrlschema_compare: cannot write %s\n", options.outPath.c_str());
            return 2;
        }
    }
    const double t6 = CpuSeconds();
    const int tables = static_cast<int>(file->GetSchema().GetTableCount());
    if (options.checkSynthetic && !CheckSynthetic(tables, *statements))
        return 1;
    const double t7 = CpuSeconds();
    dbms.reset();
    statements.reset();
    file.reset();
    const double t8 = CpuSeconds();

    if (!options.phasesPath.empty()) {
        const json phases = {
            {"tool", "vrlschema"},       {"tables", tables},           {"read_s", Seconds(t0, t1)},
            {"load_s", Seconds(t1, t2)}, {"check_s", Seconds(t2, t3)}, {"ddl_s", Seconds(t3, t4)},
            {"join_s", Seconds(t4, t5)}, {"write_s", Seconds(t5, t6)}, {"free_s", Seconds(t7, t8)}};
        std::ofstream out(options.phasesPath, std::ios::binary);
        out << phases.dump() << '\n';
        if (!out) {
            std::fprintf(stderr, "vrlschema_compare: cannot write %s\n", options.phasesPath.c_str());
            return 2;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArgs(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: vrlschema_compare SCHEMA.json OUT.sql [--phases FILE] [--check-synthetic]\n");
        return 2;
    }
    // The host's message texts first, then the library's own string table,
    // as the tool starts up.
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    try {
        return Run(options);
    } catch (const SchemaFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (const VrlSchemaTool::CheckFailed&) {
        std::fprintf(stderr, "vrlschema_compare: the model check refused the schema\n");
    } catch (DuxException* e) {
        wchar_t message[512] = {};
        e->GetErrorMessage(message, 512);
        e->Delete();
        std::fprintf(stderr, "vrlschema_compare: library error: %ls\n", message);
    }
    return 2;
}
