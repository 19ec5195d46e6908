// Timings of the generators: the synthetic schema at 100, 1,000 and 10,000
// tables (model build, script per dialect, seed rows, existence probes) and
// the built-in sample schema (publish procedure, and the whole load + script
// + seed + publish pass through every dialect). Throughput is reported as
// bytes of generated text, counting one byte per character.
#include <benchmark/benchmark.h>

#include <time.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Generators.h"
#include "SampleSchema.h"
#include "SyntheticSchema.h"
#include "check/VrlSchemaCheck.h"
#include "platform/CString.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

using namespace VrlSchemaLib;
using VrlSchemaBench::SyntheticSchema;
using VrlSchemaLib::Dialect;

namespace {

const CString& QueueSource() {
    static const CString text(L"SELECT * FROM Queue");
    return text;
}

std::unique_ptr<VrlDbms> Generator(Dialect dialect, const VrlSchema& schema) {
    return VrlSchemaTool::MakeGenerator(dialect, &schema, true, QueueSource());
}

int64_t TotalLength(const std::vector<CString>& statements) {
    int64_t total = 0;
    for (const CString& s : statements)
        total += s.GetLength();
    return total;
}

// Schemas are built once per size and reused by every benchmark of that size,
// so that the model build is timed only where it is the subject.
const SyntheticSchema& Synthetic(int tables, bool seedRows) {
    static std::vector<std::unique_ptr<SyntheticSchema>> cache;
    for (const auto& s : cache) {
        if (s->Tables().size() == static_cast<size_t>(tables) && s->HasSeedRows() == seedRows)
            return *s;
    }
    return *cache.emplace_back(std::make_unique<SyntheticSchema>(tables, seedRows));
}

// Runs `body`, turning a library error into a skipped benchmark with its
// message rather than an abort of the whole run.
template <class Body> bool Guarded(benchmark::State& state, Body body) {
    try {
        body();
        return true;
    } catch (DuxException* e) {
        wchar_t message[512] = {};
        e->GetErrorMessage(message, 512);
        e->Delete();
        CString text(message);
        std::string narrow;
        for (int i = 0; i < text.GetLength(); ++i)
            narrow += static_cast<char>(text[i] < 128 ? text[i] : '?');
        state.SkipWithError(("library error: " + narrow).c_str());
        return false;
    }
}

void BuildModel(benchmark::State& state) {
    const int tables = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SyntheticSchema schema(tables, false);
        benchmark::DoNotOptimize(&schema.GetSchema());
    }
    state.SetItemsProcessed(state.iterations() * tables);
}

void GenerateSchema(benchmark::State& state, Dialect dialect) {
    const SyntheticSchema& synthetic = Synthetic(static_cast<int>(state.range(0)), false);
    int64_t bytes = 0;
    for (auto _ : state) {
        std::vector<CString> statements;
        if (!Guarded(state, [&] { Generator(dialect, synthetic.GetSchema())->GenerateSchema(statements); }))
            break;
        bytes += TotalLength(statements);
        state.counters["statements"] = static_cast<double>(statements.size());
    }
    state.SetBytesProcessed(bytes);
}

// The SQL Server script of `tables` tables cut into the pieces a generator
// appends: runs of name characters and runs of everything else ("CREATE",
// " ", "TABLE", " dbo.", "T00001", "(\r\n", ...). `narrow` holds them as
// UTF-8, the script file's text; `wide` as the statements' own characters,
// four bytes each.
struct FloorPieces {
    std::vector<std::string> narrow;
    std::vector<std::wstring> wide;
    size_t bytes = 0; // of the UTF-8 text
    size_t characters = 0;
};

template <class Char>
void SplitIntoRuns(std::basic_string_view<Char> text, std::vector<std::basic_string<Char>>& out) {
    auto word = [](Char c) {
        return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    size_t start = 0;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || word(text[i]) != word(text[i - 1])) {
            out.emplace_back(text.substr(start, i - start));
            start = i;
        }
    }
}

FloorPieces ScriptPieces(int tables) {
    const SyntheticSchema& synthetic = Synthetic(tables, false);
    std::vector<CString> statements;
    Generator(Dialect::SqlServer, synthetic.GetSchema())->GenerateSchema(statements);
    FloorPieces out;
    for (const CString& s : statements) {
        const std::string text = s.ToUtf8();
        out.bytes += text.size();
        out.characters += static_cast<size_t>(s.GetLength());
        SplitIntoRuns(std::string_view(text), out.narrow);
        SplitIntoRuns(s.View(), out.wide);
    }
    return out;
}

// The floor under GenerateSchema: the same bytes appended piece by piece into
// one buffer reserved up front, the least any generator writing that text can
// do.
template <class Char>
[[gnu::noinline]] size_t AppendPieces(const std::vector<std::basic_string<Char>>& pieces,
                                      std::basic_string<Char>& buffer) {
    buffer.clear();
    for (const std::basic_string<Char>& piece : pieces)
        buffer.append(piece);
    return buffer.size();
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// GenerateSchemaFloor/SqlServer/N: the floor's time, with the counter
// "ratio": GenerateSchema's CPU time for the same schema (median of 5 passes
// taken here) over the floor's. "ratio_wide" sets it against the same
// characters appended as wide characters (median of 15 passes), the size in
// memory of the text that GenerateSchema hands back: what stays between the
// two ratios is the price of a statement's four bytes a character.
void GenerateSchemaFloor(benchmark::State& state) {
    const int tables = static_cast<int>(state.range(0));
    const FloorPieces floor = ScriptPieces(tables);
    const SyntheticSchema& synthetic = Synthetic(tables, false);
    std::vector<double> generate;
    for (int pass = 0; pass < 5; ++pass) {
        std::vector<CString> statements;
        const double from = CpuSeconds();
        Generator(Dialect::SqlServer, synthetic.GetSchema())->GenerateSchema(statements);
        generate.push_back(CpuSeconds() - from);
        benchmark::DoNotOptimize(statements.data());
    }
    std::sort(generate.begin(), generate.end());
    std::vector<double> wide;
    {
        std::wstring buffer;
        buffer.reserve(floor.characters);
        for (int pass = 0; pass < 15; ++pass) {
            const double from = CpuSeconds();
            benchmark::DoNotOptimize(AppendPieces(floor.wide, buffer));
            benchmark::ClobberMemory();
            wide.push_back(CpuSeconds() - from);
        }
        std::sort(wide.begin(), wide.end());
    }
    std::string buffer;
    buffer.reserve(floor.bytes);
    const double from = CpuSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AppendPieces(floor.narrow, buffer));
        benchmark::ClobberMemory();
    }
    const double perPass = (CpuSeconds() - from) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(floor.bytes));
    state.counters["pieces"] = static_cast<double>(floor.narrow.size());
    state.counters["generate_ms"] = generate[2] * 1e3;
    state.counters["wide_ms"] = wide[7] * 1e3;
    state.counters["ratio"] = perPass > 0 ? generate[2] / perPass : 0.0;
    state.counters["ratio_wide"] = wide[7] > 0 ? generate[2] / wide[7] : 0.0;
}

// The model check that runs before every generation; with seed rows every
// value is checked against its column too.
void CheckSchema(benchmark::State& state, Dialect dialect, bool seedRows) {
    const SyntheticSchema& synthetic = Synthetic(static_cast<int>(state.range(0)), seedRows);
    VrlCheckOptions options;
    options.target = dialect;
    options.unicodeLiterals = true;
    size_t findings = 0;
    for (auto _ : state) {
        const std::vector<VrlCheckFinding> found = VrlSchemaCheck::Run(synthetic.GetSchema(), options);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}

void GenerateDefaultValues(benchmark::State& state, Dialect dialect) {
    const SyntheticSchema& synthetic = Synthetic(static_cast<int>(state.range(0)), true);
    int64_t bytes = 0;
    for (auto _ : state) {
        std::vector<CString> statements;
        if (!Guarded(state,
                     [&] { Generator(dialect, synthetic.GetSchema())->GenerateDefaultValues(statements); }))
            break;
        bytes += TotalLength(statements);
        state.counters["statements"] = static_cast<double>(statements.size());
    }
    state.SetBytesProcessed(bytes);
}

void ObjectExists(benchmark::State& state, Dialect dialect) {
    const SyntheticSchema& synthetic = Synthetic(static_cast<int>(state.range(0)), false);
    const std::vector<const VrlSchemaObject*> objects = synthetic.AllObjects();
    const auto dbms = Generator(dialect, synthetic.GetSchema());
    int64_t bytes = 0;
    for (auto _ : state) {
        if (!Guarded(state, [&] {
                for (const VrlSchemaObject* object : objects)
                    bytes += dbms->FormatObjectExists(object).GetLength();
            }))
            break;
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(objects.size()));
}

// The publish procedure into a buffer that grows until the text fits.
int64_t PublishLength(const VrlDbms& dbms) {
    long capacity = 1L << 20;
    for (;;) {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
        long length = capacity;
        try {
            dbms.GeneratePublishStoredProcedure(buffer.data(), length);
            return length;
        } catch (DuxException* e) {
            if (e->GetError() != VrlSchemaTool::kPublishBufferTooSmall || capacity > (1L << 28))
                throw;
            e->Delete();
            capacity *= 4;
        }
    }
}

void SamplePublish(benchmark::State& state, Dialect dialect) {
    const auto file =
        VrlSchemaLib::SchemaFile::Parse(VrlSchemaTool::GetSampleSchemaText(), "sample-schema.json", dialect);
    const auto dbms = Generator(dialect, file->GetSchema());
    int64_t bytes = 0;
    for (auto _ : state) {
        if (!Guarded(state, [&] { bytes += PublishLength(*dbms); }))
            break;
    }
    state.SetBytesProcessed(bytes);
}

// What the tool does for `all`: per dialect, read the sample, write its
// script, its seed rows and its publish procedure.
void SampleAllDialects(benchmark::State& state) {
    int64_t bytes = 0;
    for (auto _ : state) {
        if (!Guarded(state, [&] {
                for (Dialect dialect : VrlSchemaTool::AllDialects()) {
                    const auto file = VrlSchemaLib::SchemaFile::Parse(VrlSchemaTool::GetSampleSchemaText(),
                                                                      "sample-schema.json", dialect);
                    const auto dbms = Generator(dialect, file->GetSchema());
                    // GenerateDefaultValues starts its list afresh, so each
                    // pass gets a list of its own.
                    std::vector<CString> script;
                    std::vector<CString> seed;
                    dbms->GenerateSchema(script);
                    dbms->GenerateDefaultValues(seed);
                    bytes += TotalLength(script) + TotalLength(seed) + PublishLength(*dbms);
                }
            }))
            break;
    }
    state.SetBytesProcessed(bytes);
}

struct NamedDialect {
    const char* name;
    Dialect dialect;
};

constexpr NamedDialect kDialects[] = {
    {"SqlServer", Dialect::SqlServer},
    {"Oracle", Dialect::Oracle},
    {"DB2", Dialect::DB2},
    {"Access", Dialect::Access},
};

void RegisterAll() {
    auto sizes = [](benchmark::internal::Benchmark* b) {
        b->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    sizes(benchmark::RegisterBenchmark("BuildModel", BuildModel));
    for (const NamedDialect& d : kDialects)
        sizes(benchmark::RegisterBenchmark((std::string("GenerateSchema/") + d.name).c_str(), GenerateSchema,
                                           d.dialect));
    // CPU time, as its ratio counter is.
    benchmark::RegisterBenchmark("GenerateSchemaFloor/SqlServer", GenerateSchemaFloor)
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    for (const NamedDialect& d : kDialects)
        sizes(benchmark::RegisterBenchmark((std::string("GenerateDefaultValues/") + d.name).c_str(),
                                           GenerateDefaultValues, d.dialect));
    for (const NamedDialect& d : kDialects)
        sizes(benchmark::RegisterBenchmark((std::string("ObjectExists/") + d.name).c_str(), ObjectExists,
                                           d.dialect));
    for (const NamedDialect& d : kDialects) {
        sizes(benchmark::RegisterBenchmark((std::string("CheckSchema/") + d.name).c_str(), CheckSchema,
                                           d.dialect, false));
        sizes(benchmark::RegisterBenchmark((std::string("CheckSchemaWithSeedRows/") + d.name).c_str(),
                                           CheckSchema, d.dialect, true));
    }
    for (const NamedDialect& d : kDialects)
        benchmark::RegisterBenchmark((std::string("SamplePublish/") + d.name).c_str(), SamplePublish,
                                     d.dialect)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("SampleAllDialects", SampleAllDialects)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// `--dump=N[:DIALECT]` prints the script and seed rows of the N-table
// synthetic schema (SQL Server unless a dialect of kDialects is named)
// instead of timing anything, to check what is measured.
int Dump(const char* argument) {
    const char* colon = std::strchr(argument, ':');
    Dialect dialect = Dialect::SqlServer;
    if (colon != nullptr) {
        const NamedDialect* named = nullptr;
        for (const NamedDialect& d : kDialects) {
            if (std::strcmp(d.name, colon + 1) == 0)
                named = &d;
        }
        if (named == nullptr) {
            std::fprintf(stderr, "unknown dialect %s\n", colon + 1);
            return 2;
        }
        dialect = named->dialect;
    }
    const SyntheticSchema synthetic(std::atoi(argument), true);
    const auto dbms = Generator(dialect, synthetic.GetSchema());
    std::vector<CString> script;
    std::vector<CString> seed;
    dbms->GenerateSchema(script);
    dbms->GenerateDefaultValues(seed);
    for (const auto* list : {&script, &seed}) {
        for (const CString& s : *list)
            std::printf("%ls\n;\n", s.GetString());
    }
    return 0;
}

// `--profile=KIND:DIALECT:N` runs one pass of one subject, for instruction
// counts under callgrind or perf that do not depend on how many iterations
// the timer picked. KIND is model, script, seed, exists or floor (the appends
// of GenerateSchemaFloor; DIALECT is then ignored); DIALECT is one of
// kDialects' names.
int Profile(const char* argument) {
    char kind[16] = {};
    char dialectName[16] = {};
    int tables = 0;
    if (std::sscanf(argument, "%15[a-z]:%15[A-Za-z0-9]:%d", kind, dialectName, &tables) != 3 || tables < 1) {
        std::fprintf(stderr, "usage: --profile=model|script|seed|exists|floor:DIALECT:TABLES\n");
        return 2;
    }
    const NamedDialect* named = nullptr;
    for (const NamedDialect& d : kDialects) {
        if (std::strcmp(d.name, dialectName) == 0)
            named = &d;
    }
    if (named == nullptr) {
        std::fprintf(stderr, "unknown dialect %s\n", dialectName);
        return 2;
    }
    const std::string subject(kind);
    if (subject == "floor") {
        // Only the appends count: callgrind --toggle-collect='*AppendPieces*'.
        const FloorPieces floor = ScriptPieces(tables);
        std::string buffer;
        buffer.reserve(floor.bytes);
        std::printf("%zu bytes\n", AppendPieces(floor.narrow, buffer));
        return 0;
    }
    if (subject == "model") {
        const SyntheticSchema schema(tables, false);
        return schema.Tables().empty() ? 1 : 0;
    }
    const SyntheticSchema synthetic(tables, subject == "seed");
    const auto dbms = Generator(named->dialect, synthetic.GetSchema());
    int64_t bytes = 0;
    std::vector<CString> statements;
    if (subject == "script") {
        dbms->GenerateSchema(statements);
        bytes = TotalLength(statements);
    } else if (subject == "seed") {
        dbms->GenerateDefaultValues(statements);
        bytes = TotalLength(statements);
    } else if (subject == "exists") {
        for (const VrlSchemaObject* object : synthetic.AllObjects())
            bytes += dbms->FormatObjectExists(object).GetLength();
    } else {
        std::fprintf(stderr, "unknown subject %s\n", kind);
        return 2;
    }
    std::printf("%lld characters\n", static_cast<long long>(bytes));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // Every pass frees what the one before wrote. With its default threshold
    // the C library hands the freed top of the heap back to the system when
    // it is large and coalesced enough, and the next pass faults it in
    // again, page by page: then a pass times the machine's page faults (on a
    // virtual machine microseconds each) as much as the generator. The heap
    // is kept instead, so that the passes run on memory touched before, as
    // the floor refills its buffer (a single `--profile` pass is the same
    // either way). Setting one threshold stops the library from adjusting
    // the other, so blocks of up to 32 MB come from the heap too.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
    // The host's message texts first, then the library's own string table,
    // as the tool starts up.
    VrlSchemaLib::RegisterVrlHostMessages();
    VrlSchemaLib::InitVrlSchemaDll();
    if (argc == 2 && std::strncmp(argv[1], "--dump=", 7) == 0)
        return Dump(argv[1] + 7);
    if (argc == 2 && std::strncmp(argv[1], "--profile=", 10) == 0)
        return Profile(argv[1] + 10);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
