// Whole creation scripts and seed rows of every dialect against the statement
// files written by hand under golden/ (schemas: SampleScripts.h).
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "dialects/SampleScripts.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "schema/VrlSchema.h"
#include "sqlgen/ExpectedTexts.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaLib::DialectTest;

namespace {

struct Script {
    const char* file; // under golden/
    std::unique_ptr<VrlDbms> (*dbms)(const VrlSchema*);
    const VrlSchema* (*schema)();
    bool seedRows; // the seed rows that follow the creation script
};

void PrintTo(const Script& script, std::ostream* os) {
    *os << script.file;
}

template <class D> std::unique_ptr<VrlDbms> Make(const VrlSchema* schema) {
    if constexpr (std::is_same_v<D, VrlDbmsSqlServer>)
        return std::make_unique<D>(schema, true, L"Sample");
    else
        return std::make_unique<D>(schema, L"Sample");
}

const Script kScripts[] = {
    {"sqlserver/sample_schema.sql", Make<VrlDbmsSqlServer>, GetSampleSchema, false},
    {"sqlserver/sample_seed.sql", Make<VrlDbmsSqlServer>, GetSampleSchema, true},
    {"access/sample_schema.sql", Make<VrlDbmsAccess>, GetSampleSchema, false},
    {"access/sample_seed.sql", Make<VrlDbmsAccess>, GetSampleSchema, true},
    {"oracle/sample_schema.sql", Make<VrlDbmsOracle>, GetSampleSchema, false},
    {"oracle/names_schema.sql", Make<VrlDbmsOracle>, GetNamesSchema, false},
    {"db2/sample_schema.sql", Make<VrlDbmsDB2>, GetSampleSchema, false},
    {"db2/names_schema.sql", Make<VrlDbmsDB2>, GetNamesSchema, false},
    {"postgres/sample_schema.sql", Make<VrlDbmsPostgres>, GetSampleSchema, false},
    {"postgres/sample_seed.sql", Make<VrlDbmsPostgres>, GetSampleSchema, true},
    {"postgres/names_schema.sql", Make<VrlDbmsPostgres>, GetNamesSchema, false},
};

class GoldenScript : public ::testing::TestWithParam<Script> {};

} // namespace

TEST_P(GoldenScript, MatchesTheExpectedFile) {
    const Script& script = GetParam();
    std::unique_ptr<VrlDbms> dbms = script.dbms(script.schema());
    std::vector<CString> statements{L"left over"};
    dbms->GenerateSchema(statements);
    if (script.seedRows)
        dbms->GenerateDefaultValues(statements);
    const std::vector<std::string> expected =
        VrlSchemaTest::ExpectedTexts::Statements(std::string("dialects/golden/") + script.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected.size(), statements.size());
    for (size_t i = 0; i < expected.size() && i < statements.size(); ++i)
        EXPECT_EQ(expected[i], statements[i].ToUtf8()) << "statement " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Dialects, GoldenScript, ::testing::ValuesIn(kScripts), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(SqlServerScript, EmptySchemaGivesNoStatements) {
    VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    VrlDbmsSqlServer dbms(&empty, false, L"Empty");
    std::vector<CString> statements;
    dbms.GenerateSchema(statements);
    EXPECT_TRUE(statements.empty());
}
