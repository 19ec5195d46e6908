// Whole creation scripts and seed rows of the sample schema (SampleScripts.h)
// for SQL Server and Access, against hand-written expected scripts.
#include <gtest/gtest.h>

#include <vector>

#include "dialects/SampleScripts.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;
using DialectTest::ExpectStatements;
using DialectTest::GetSampleSchema;
TEST(SqlServerScript, SampleSchemaAndSeedRows) {
    VrlDbmsSqlServer dbms(GetSampleSchema(), true, L"Sample");
    std::vector<CString> statements{L"left over"};
    dbms.GenerateSchema(statements);
    ExpectStatements("sqlserver/sample_schema.sql", statements);
    dbms.GenerateDefaultValues(statements);
    ExpectStatements("sqlserver/sample_seed.sql", statements);
}

TEST(AccessScript, SampleSchemaAndSeedRows) {
    VrlDbmsAccess dbms(GetSampleSchema(), L"Sample");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    ExpectStatements("access/sample_schema.sql", statements);
    dbms.GenerateDefaultValues(statements);
    ExpectStatements("access/sample_seed.sql", statements);
}

TEST(SqlServerScript, EmptySchemaGivesNoStatements) {
    VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    VrlDbmsSqlServer dbms(&empty, false, L"Empty");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    EXPECT_TRUE(statements.empty());
}
