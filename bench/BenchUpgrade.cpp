// Timings of the upgrade planner: the synthetic schema of 10,000 tables at
// version 25 and at version 30, where every tenth table has changed (a
// widened column under an index, an added and a dropped column). Planning
// compares the two models and guards every step; writing joins the guarded
// statements into the script. Per dialect; throughput is bytes of script.
#include <benchmark/benchmark.h>

#include <memory>

#include "SyntheticSchema.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"
#include "upgrade/VrlUpgradePlanner.h"

using namespace VrlSchemaLib;
using VrlSchemaBench::SyntheticSchema;

namespace {

constexpr int kTables = 10000;
constexpr int kChangeEvery = 10;

enum class Target { SqlServer, Oracle, DB2, Access };

std::unique_ptr<VrlDbms> Generator(Target target, const VrlSchema* schema) {
    switch (target) {
    case Target::SqlServer:
        return std::make_unique<VrlDbmsSqlServer>(schema, true, L"Bench");
    case Target::Oracle:
        return std::make_unique<VrlDbmsOracle>(schema, L"Bench");
    case Target::DB2:
        return std::make_unique<VrlDbmsDB2>(schema, L"Bench");
    case Target::Access:
        return std::make_unique<VrlDbmsAccess>(schema, L"Bench");
    }
    return nullptr;
}

const SyntheticSchema& Older() {
    static const SyntheticSchema schema(kTables, false);
    return schema;
}

const SyntheticSchema& Newer() {
    static const SyntheticSchema schema(kTables, false, kChangeEvery);
    return schema;
}

void PlanAndWrite(benchmark::State& state, Target target) {
    const VrlSchema& from = Older().GetSchema();
    const VrlSchema& to = Newer().GetSchema();
    auto generator = Generator(target, &to);
    VrlUpgradePlanner planner(*generator);
    int64_t bytes = 0;
    for (auto _ : state) {
        const VrlUpgradePlan plan = planner.Plan(from, to);
        const CString script = plan.WriteScript(CString());
        bytes += script.GetLength();
        state.counters["steps"] = static_cast<double>(plan.m_vSteps.size());
    }
    state.SetBytesProcessed(bytes);
}

void Register() {
    const struct {
        const char* name;
        Target target;
    } targets[] = {{"sqlserver", Target::SqlServer},
                   {"oracle", Target::Oracle},
                   {"db2", Target::DB2},
                   {"access", Target::Access}};
    for (const auto& t : targets) {
        benchmark::RegisterBenchmark((std::string("UpgradePlanAndWrite/") + t.name + "/10000").c_str(),
                                     PlanAndWrite, t.target)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
