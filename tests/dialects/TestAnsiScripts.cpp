// Whole creation scripts of the Oracle and DB2 generators against hand-written
// expected scripts under golden/oracle and golden/db2: the sample schema that
// all four dialects script, and the names schema (SampleScripts.h).
#include <gtest/gtest.h>

#include <vector>

#include "dialects/SampleScripts.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"

using namespace VrlSchemaLib;
using DialectTest::ExpectStatements;
using DialectTest::GetSampleSchema;

TEST(OracleScript, SampleSchema) {
    VrlDbmsOracle dbms(GetSampleSchema(), L"Sample");
    std::vector<CString> statements{L"left over"};
    dbms.GenerateSchema(statements);
    ExpectStatements("oracle/sample_schema.sql", statements);
}

TEST(OracleScript, NamesSchema) {
    VrlDbmsOracle dbms(DialectTest::GetNamesSchema(), L"Names");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    ExpectStatements("oracle/names_schema.sql", statements);
}

TEST(DB2Script, SampleSchema) {
    VrlDbmsDB2 dbms(GetSampleSchema(), L"Sample");
    std::vector<CString> statements{L"left over"};
    dbms.GenerateSchema(statements);
    ExpectStatements("db2/sample_schema.sql", statements);
}

TEST(DB2Script, NamesSchema) {
    VrlDbmsDB2 dbms(DialectTest::GetNamesSchema(), L"Names");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    ExpectStatements("db2/names_schema.sql", statements);
}
