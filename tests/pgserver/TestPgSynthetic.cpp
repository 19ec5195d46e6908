// The 1,000-table synthetic schema of the benchmarks, created on the server.
#include <chrono>
#include <cstdio>

#include "PgTestFixture.h"
#include "SyntheticSchema.h"
#include "dialects/VrlDbmsPostgres.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaPgTest;

using PgSynthetic = PgTestFixture;

TEST_F(PgSynthetic, ThousandTablesCreate) {
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
