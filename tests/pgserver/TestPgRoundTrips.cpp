// Round trips on the private server (PgTestFixture.h).
//  - The sample schema at every version: the creation script and the seed
//    rows run, the catalogue holds every object of the model as declared,
//    and the probes answer present for what was made and absent for what
//    was not.
//  - Upgrades of the sample for every pair of versions A < B: a database of
//    A with its seed rows and extra rows, upgraded to B, has the catalogue
//    of a fresh creation of B, keeps its extra rows in every column that B
//    still has, and a second run of the same script changes nothing and
//    raises no error.
//  - The 1,000-table synthetic schema of the benchmarks is created.
#include <chrono>
#include <cstdio>

#include "PgCatalog.h"
#include "PgExtraRows.h"
#include "PgModelCheck.h"
#include "PgTestFixture.h"
#include "SyntheticSchema.h"
#include "dialects/VrlDbmsPostgres.h"
#include "schemafile/SchemaFile.h"
#include "upgrade/VrlUpgradePlanner.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaPgTest;

namespace {

const char* const kSampleVersions[] = {"25", "30", "35", "35.10001", "35.10002"};

std::unique_ptr<SchemaFile> LoadSample(const char* version) {
    return SchemaFile::Load(VRLSCHEMA_SOURCE_DIR "/examples/sample-schema.json", Dialect::Postgres,
                            ParseVersion(version));
}

// The creation script of `schema`, then its seed rows: the reports of both.
std::vector<std::string> Create(PgDatabase& db, const VrlSchema& schema) {
    VrlDbmsPostgres dbms(&schema, L"Sample");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    std::vector<std::string> errors = db.Execute(statements);
    dbms.GenerateDefaultValues(statements);
    const std::vector<std::string> seed = db.Execute(statements);
    errors.insert(errors.end(), seed.begin(), seed.end());
    return errors;
}

// Rows of every table, to see that a second run adds none.
Rows RowCounts(PgDatabase& db, std::vector<std::string>& errors) {
    Rows counts;
    for (const auto& table :
         db.Query("SELECT tablename FROM pg_tables WHERE schemaname = current_schema() ORDER BY 1", &errors))
        counts.push_back({table[0], db.Value("SELECT COUNT(*) FROM " + table[0], &errors)});
    return counts;
}

} // namespace

using PgRoundTrip = PgTestFixture;

TEST_F(PgRoundTrip, EveryVersionCreatesSeedsAndAnswersItsProbes) {
    for (const char* version : kSampleVersions) {
        SCOPED_TRACE(std::string("version ") + version);
        auto file = LoadSample(version);
        VrlDbmsPostgres dbms(&file->GetSchema(), L"Sample");
        std::unique_ptr<PgDatabase> db = CreateDatabase(version);
        std::vector<std::string> errors = Create(*db, file->GetSchema());
        ASSERT_TRUE(errors.empty()) << Join(errors);
        ++Counts().versionsCreated;

        const ModelObjects objects(file->GetSchema(), dbms);
        for (const auto& check :
             {CheckModel(*db, dbms, objects), CheckSeedRows(*db, file->GetSchema()),
              CheckProbes(*db, dbms, objects.created, true), CheckProbes(*db, dbms, objects.absent, false)})
            EXPECT_TRUE(check.empty()) << Join(check);
        Counts().probesPresent += static_cast<int>(objects.created.size());
        Counts().probesAbsent += static_cast<int>(objects.absent.size());
    }
}

TEST_F(PgRoundTrip, EveryUpgradeEndsWhereAFreshCreationDoesAndRunsTwice) {
    for (size_t a = 0; a < std::size(kSampleVersions); ++a) {
        auto older = LoadSample(kSampleVersions[a]);
        for (size_t b = a + 1; b < std::size(kSampleVersions); ++b) {
            SCOPED_TRACE(std::string(kSampleVersions[a]) + " -> " + kSampleVersions[b]);
            auto newer = LoadSample(kSampleVersions[b]);
            std::unique_ptr<PgDatabase> fresh = CreateDatabase(std::string("fresh") + kSampleVersions[b]);
            std::vector<std::string> errors = Create(*fresh, newer->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);

            std::unique_ptr<PgDatabase> db =
                CreateDatabase(std::string(kSampleVersions[a]) + "to" + kSampleVersions[b]);
            errors = Create(*db, older->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);
            PgExtraRows extra;
            errors = extra.Insert(*db, older->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);
            ASSERT_GT(extra.GetRowCount(), 10);

            VrlDbmsPostgres dbms(&newer->GetSchema(), L"Sample");
            VrlUpgradePlanner planner(dbms);
            planner.SetAllowDataLoss(true);
            std::vector<CString> script;
            for (const VrlUpgradeStep& step : planner.Plan(older->GetSchema(), newer->GetSchema()).m_vSteps) {
                for (const VrlUpgradeStatement& statement : step.m_vStatements)
                    script.push_back(statement.m_strGuarded);
            }
            errors = db->Execute(script);
            ASSERT_TRUE(errors.empty()) << Join(errors);
            ++Counts().pairsUpgraded;

            const PgCatalog expected(*fresh, errors);
            const PgCatalog upgraded(*db, errors);
            ASSERT_TRUE(errors.empty()) << Join(errors);
            EXPECT_TRUE(upgraded.Differences(expected).empty()) << "< upgraded only, > fresh only:\n"
                                                                << Join(upgraded.Differences(expected));
            errors = extra.Check(*db, newer->GetSchema());
            EXPECT_TRUE(errors.empty()) << Join(errors);

            const Rows rowsBefore = RowCounts(*db, errors);
            errors = db->Execute(script);
            EXPECT_TRUE(errors.empty()) << "second run:\n" << Join(errors);
            const PgCatalog again(*db, errors);
            EXPECT_TRUE(again.Differences(upgraded).empty()) << Join(again.Differences(upgraded));
            EXPECT_EQ(rowsBefore, RowCounts(*db, errors));
            ++Counts().secondRuns;
        }
    }
}

TEST_F(PgRoundTrip, ThousandSyntheticTablesCreate) {
    constexpr int kTables = 1000;
    VrlSchemaBench::SyntheticSchema synthetic(kTables, false);
    VrlDbmsPostgres dbms(&synthetic.GetSchema(), L"Synthetic");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);

    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> errors = m_db->Execute(statements);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(errors.empty()) << Join(errors);
    std::printf("synthetic schema: %d tables, %zu statements executed in %.2f s\n", kTables,
                statements.size(), seconds);
    RecordProperty("statements", static_cast<int>(statements.size()));
    RecordProperty("milliseconds", static_cast<int>(seconds * 1000));

    // Each table has a key, a unique constraint, an index and (but the
    // first) a foreign key with its index: four indexes, three constraints.
    EXPECT_EQ(std::to_string(kTables),
              m_db->Value("SELECT COUNT(*) FROM pg_tables WHERE schemaname = current_schema()"));
    EXPECT_EQ(std::to_string(4 * kTables - 1),
              m_db->Value("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema()"));
    EXPECT_EQ(std::to_string(3 * kTables - 1),
              m_db->Value(
                  "SELECT COUNT(*) FROM pg_constraint WHERE connamespace = current_schema()::regnamespace"));
}
