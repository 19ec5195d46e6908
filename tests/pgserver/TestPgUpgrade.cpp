// Upgrades of the sample schema on the server, for every pair of versions
// A < B: a database of A with its seed rows and extra rows, upgraded to B,
// has the catalogue of a fresh creation of B, keeps its extra rows in every
// column that B still has, and a second run of the same script changes
// nothing and raises no error.
#include <memory>

#include "PgCatalog.h"
#include "PgExtraRows.h"
#include "PgTestFixture.h"
#include "dialects/VrlDbmsPostgres.h"
#include "schemafile/SchemaFile.h"
#include "upgrade/VrlUpgradePlanner.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaPgTest;

namespace {

const char* const kVersions[] = {"25", "30", "35", "35.10001", "35.10002"};

std::unique_ptr<SchemaFile> LoadSample(const char* version) {
    return SchemaFile::Load(VRLSCHEMA_SOURCE_DIR "/examples/sample-schema.json", Dialect::Postgres,
                            ParseVersion(version));
}

// Creation script and seed rows of `schema`.
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

std::vector<CString> GuardedStatements(const VrlUpgradePlan& plan) {
    std::vector<CString> statements;
    for (const VrlUpgradeStep& step : plan.m_vSteps) {
        for (const VrlUpgradeStatement& statement : step.m_vStatements) {
            statements.push_back(statement.m_strGuarded);
        }
    }
    return statements;
}

// Rows of every table, to see that a second run adds none.
Rows RowCounts(PgDatabase& db, std::vector<std::string>& errors) {
    Rows counts;
    for (const auto& table : db.Query(
             "SELECT tablename FROM pg_tables WHERE schemaname = current_schema() ORDER BY 1", &errors)) {
        counts.push_back({table[0], db.Value("SELECT COUNT(*) FROM " + table[0], &errors)});
    }
    return counts;
}

} // namespace

using PgUpgrade = PgTestFixture;

TEST_F(PgUpgrade, EveryPairEndsWhereAFreshCreationDoesAndRunsTwice) {
    for (size_t a = 0; a < std::size(kVersions); ++a) {
        auto older = LoadSample(kVersions[a]);
        for (size_t b = a + 1; b < std::size(kVersions); ++b) {
            SCOPED_TRACE(std::string(kVersions[a]) + " -> " + kVersions[b]);
            auto newer = LoadSample(kVersions[b]);

            std::unique_ptr<PgDatabase> fresh = CreateDatabase(std::string("fresh") + kVersions[b]);
            std::vector<std::string> errors = Create(*fresh, newer->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);

            std::unique_ptr<PgDatabase> db = CreateDatabase(std::string(kVersions[a]) + "to" + kVersions[b]);
            errors = Create(*db, older->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);
            PgExtraRows extra;
            errors = extra.Insert(*db, older->GetSchema());
            ASSERT_TRUE(errors.empty()) << Join(errors);
            ASSERT_GT(extra.GetRowCount(), 10);

            VrlDbmsPostgres dbms(&newer->GetSchema(), L"Sample");
            VrlUpgradePlanner planner(dbms);
            planner.SetAllowDataLoss(true);
            const std::vector<CString> script =
                GuardedStatements(planner.Plan(older->GetSchema(), newer->GetSchema()));
            errors = db->Execute(script);
            ASSERT_TRUE(errors.empty()) << Join(errors);
            ++Counts().pairsUpgraded;

            const PgCatalog expected = PgCatalog::Read(*fresh, errors);
            const PgCatalog upgraded = PgCatalog::Read(*db, errors);
            ASSERT_TRUE(errors.empty()) << Join(errors);
            EXPECT_TRUE(Differences(upgraded, expected).empty()) << "< upgraded only, > fresh only:\n"
                                                                 << Join(Differences(upgraded, expected));
            errors = extra.Check(*db, newer->GetSchema());
            EXPECT_TRUE(errors.empty()) << Join(errors);

            const Rows rowsBefore = RowCounts(*db, errors);
            errors = db->Execute(script);
            EXPECT_TRUE(errors.empty()) << "second run:\n" << Join(errors);
            const PgCatalog again = PgCatalog::Read(*db, errors);
            EXPECT_TRUE(Differences(again, upgraded).empty()) << Join(Differences(again, upgraded));
            EXPECT_EQ(rowsBefore, RowCounts(*db, errors));
            ++Counts().secondRuns;
        }
    }
}
