// Whole creation script and seed rows of the sample schema against the
// hand-written expected scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialects/VrlDbmsAccess.h"
#include "schema/VrlSchema.h"

namespace VrlSchemaLib::DialectTest {
const VrlSchema* GetSampleSchema();
void ExpectStatements(const std::string& relativePath, const std::vector<CString>& statements);
} // namespace VrlSchemaLib::DialectTest

using namespace VrlSchemaLib;

TEST(AccessScript, SampleSchemaMatchesExpectedScript) {
    VrlDbmsAccess dbms(DialectTest::GetSampleSchema(), L"Sample");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    DialectTest::ExpectStatements("access/sample_schema.sql", statements);
}

TEST(AccessScript, SampleSeedRowsMatchExpectedScript) {
    VrlDbmsAccess dbms(DialectTest::GetSampleSchema(), L"Sample");
    std::vector<CString> statements;
    dbms.GenerateDefaultValues(statements);
    DialectTest::ExpectStatements("access/sample_seed.sql", statements);
}
