// Our side of bench/compare.sh: reads a schema file through the tool's loader
// and writes the SQL Server creation script, timing each step with a steady
// clock so that the figures sit beside those of the peer tools measured by the
// same script.
//
//   vrlschema_compare SCHEMA.json [--runs N] [--out FILE] [--check-synthetic]
//
// Each run times three things: the JSON text parsed into a document alone,
// the whole load (parse + model build, as SchemaFile::Parse does it), and the
// generator writing the script. The model build is reported as load minus
// parse of the same run, so that all tools in the comparison leave the JSON
// text parsing out of their model build. One untimed warm-up run comes first.
// Prints one JSON line of raw timings; the script takes the medians.
//
// --out writes the script of the last run as a JSON array of statements, for
// the script's count of tables, columns and constraints. --check-synthetic
// also builds the benchmark's in-memory synthetic schema of as many tables and
// fails unless its script is the file's, statement by statement: the file and
// the Google Benchmark programs then measure one and the same schema.
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Generators.h"
#include "SyntheticSchema.h"
#include "platform/CString.h"
#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

using nlohmann::json;
using namespace VrlSchemaLib;
using VrlSchemaLib::Dialect;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

const CString& QueueSource() {
    static const CString text(L"SELECT * FROM Queue");
    return text;
}

std::vector<CString> Script(const VrlSchema& schema) {
    std::vector<CString> statements;
    VrlSchemaTool::MakeGenerator(Dialect::SqlServer, &schema, true, QueueSource())
        ->GenerateSchema(statements);
    return statements;
}

// The generated text is ASCII for this schema; anything else is narrowed to
// '?' and reported, since the byte counts would then differ from UTF-8.
std::string Narrow(const CString& text, bool& nonAscii) {
    std::string out;
    out.reserve(static_cast<size_t>(text.GetLength()));
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t c = text[i];
        if (c >= 128)
            nonAscii = true;
        out += c < 128 ? static_cast<char>(c) : '?';
    }
    return out;
}

struct Options {
    std::string schemaPath;
    std::string outPath;
    int runs = 7;
    bool checkSynthetic = false;
};

bool ParseArgs(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            options.runs = std::atoi(argv[++i]);
        else if (arg == "--out" && i + 1 < argc)
            options.outPath = argv[++i];
        else if (arg == "--check-synthetic")
            options.checkSynthetic = true;
        else if (options.schemaPath.empty() && !arg.starts_with("--"))
            options.schemaPath = arg;
        else
            return false;
    }
    return !options.schemaPath.empty() && options.runs >= 1;
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
    std::ifstream in(options.schemaPath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "vrlschema_compare: cannot read %s\n", options.schemaPath.c_str());
        return 2;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();

    std::vector<double> parse;
    std::vector<double> build;
    std::vector<double> ddl;
    std::vector<CString> statements;
    int tables = 0;
    // Read after the loop, so that the parse alone cannot be left out.
    volatile size_t keepParsed = 0;
    for (int run = 0; run <= options.runs; ++run) {
        const Clock::time_point t0 = Clock::now();
        {
            const json doc = json::parse(text);
            keepParsed = keepParsed + doc.size();
        }
        const Clock::time_point t1 = Clock::now();
        const auto file = VrlSchemaLib::SchemaFile::Parse(text, options.schemaPath, Dialect::SqlServer);
        const Clock::time_point t2 = Clock::now();
        statements = Script(file->GetSchema());
        const Clock::time_point t3 = Clock::now();
        tables = static_cast<int>(file->GetSchema().GetTableCount());
        if (run == 0)
            continue; // warm-up
        parse.push_back(Seconds(t0, t1));
        // The loader's own parse costs what the parse alone cost just before.
        build.push_back(Seconds(t1, t2) - Seconds(t0, t1));
        ddl.push_back(Seconds(t2, t3));
    }

    bool nonAscii = false;
    json list = json::array();
    size_t bytes = 0;
    for (const CString& s : statements) {
        list.push_back(Narrow(s, nonAscii));
        bytes += static_cast<size_t>(s.GetLength());
    }
    if (nonAscii)
        std::fprintf(stderr, "vrlschema_compare: the script has non-ASCII characters\n");
    if (!options.outPath.empty()) {
        std::ofstream out(options.outPath, std::ios::binary);
        out << list.dump() << '\n';
        if (!out) {
            std::fprintf(stderr, "vrlschema_compare: cannot write %s\n", options.outPath.c_str());
            return 2;
        }
    }
    if (keepParsed == 0)
        return 2;
    if (options.checkSynthetic && !CheckSynthetic(tables, statements))
        return 1;

    const json result = {{"tool", "vrlschema"},
                         {"tables", tables},
                         {"parse_s", parse},
                         {"build_s", build},
                         {"ddl_s", ddl},
                         {"bytes", bytes},
                         {"statements", statements.size()}};
    std::cout << result.dump() << std::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArgs(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: vrlschema_compare SCHEMA.json [--runs N] [--out FILE] [--check-synthetic]\n");
        return 2;
    }
    // The host's message texts first, then the library's own string table,
    // as the tool starts up.
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    try {
        return Run(options);
    } catch (const VrlSchemaLib::SchemaFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (DuxException* e) {
        wchar_t message[512] = {};
        e->GetErrorMessage(message, 512);
        e->Delete();
        std::fprintf(stderr, "vrlschema_compare: library error: %ls\n", message);
    }
    return 2;
}
