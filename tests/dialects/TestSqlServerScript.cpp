// Whole creation script and seed rows of the sample schema against the
// hand-written expected scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialects/VrlDbmsSqlServer.h"
#include "schema/VrlSchema.h"

namespace VrlSchemaLib::DialectTest {
const VrlSchema* GetSampleSchema();
void ExpectStatements(const std::string& relativePath, const std::vector<CString>& statements);
} // namespace VrlSchemaLib::DialectTest

using namespace VrlSchemaLib;

TEST(SqlServerScript, SampleSchemaMatchesExpectedScript) {
    VrlDbmsSqlServer dbms(DialectTest::GetSampleSchema(), true, L"Sample");
    std::vector<CString> statements{L"left over"};
    dbms.GenerateSchema(statements);
    DialectTest::ExpectStatements("sqlserver/sample_schema.sql", statements);
}

TEST(SqlServerScript, SampleSeedRowsMatchExpectedScript) {
    VrlDbmsSqlServer dbms(DialectTest::GetSampleSchema(), true, L"Sample");
    std::vector<CString> statements;
    dbms.GenerateDefaultValues(statements);
    DialectTest::ExpectStatements("sqlserver/sample_seed.sql", statements);
}

TEST(SqlServerScript, EmptySchemaGivesNoStatements) {
    VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    VrlDbmsSqlServer dbms(&empty, false, L"Empty");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    EXPECT_TRUE(statements.empty());
}
