// Whole creation scripts and seed rows of every dialect against the statement
// files written by hand under golden/, for the two schemas under schemas/.
//
// The sample schema has four tables: Parent (clustered key, unique name,
// index with a covering column), Child (nonclustered key, clustered type-6
// index with a covering column, foreign key to Parent cascaded by trigger),
// Sibling (type-7 key to Parent without cascade, a 300-character text, a
// binary column) and Tag (no primary key, two-column unique constraint,
// cascading foreign key to Child, the publishing column, seed rows); a view,
// a scalar and a table-valued function, and a procedure with an output
// parameter.
//
// The names schema: Batch (integer key, a long and a short name column, a
// GUID column with a unique key, a unique key over the nullable short name,
// an index over the long name that also holds NULL rows) and Profile (key
// over a name column, type-3 foreign key to Batch without referential
// action).
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "common/TestData.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsPostgres.h"
#include "dialects/VrlDbmsSqlServer.h"
#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlStatementSink.h"

using namespace VrlSchemaLib;

namespace {

struct Script {
    const char* file; // under golden/
    std::unique_ptr<VrlDbms> (*dbms)(const VrlSchema*);
    Dialect dialect;
    const char* schema; // under schemas/
    bool seedRows;      // the seed rows that follow the creation script
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
    {"sqlserver/sample_schema.sql", Make<VrlDbmsSqlServer>, Dialect::SqlServer, "sample.json", false},
    {"sqlserver/sample_seed.sql", Make<VrlDbmsSqlServer>, Dialect::SqlServer, "sample.json", true},
    {"access/sample_schema.sql", Make<VrlDbmsAccess>, Dialect::Access, "sample.json", false},
    {"access/sample_seed.sql", Make<VrlDbmsAccess>, Dialect::Access, "sample.json", true},
    {"oracle/sample_schema.sql", Make<VrlDbmsOracle>, Dialect::Oracle, "sample.json", false},
    {"oracle/names_schema.sql", Make<VrlDbmsOracle>, Dialect::Oracle, "names.json", false},
    {"db2/sample_schema.sql", Make<VrlDbmsDB2>, Dialect::DB2, "sample.json", false},
    {"db2/names_schema.sql", Make<VrlDbmsDB2>, Dialect::DB2, "names.json", false},
    {"postgres/sample_schema.sql", Make<VrlDbmsPostgres>, Dialect::Postgres, "sample.json", false},
    {"postgres/sample_seed.sql", Make<VrlDbmsPostgres>, Dialect::Postgres, "sample.json", true},
    {"postgres/names_schema.sql", Make<VrlDbmsPostgres>, Dialect::Postgres, "names.json", false},
};

class GoldenScript : public ::testing::TestWithParam<Script> {};

} // namespace

TEST_P(GoldenScript, MatchesTheExpectedFile) {
    const Script& script = GetParam();
    auto schema = SchemaFile::Load(std::string(VRLSCHEMA_TEST_DATA_DIR "/dialects/schemas/") + script.schema,
                                   script.dialect);
    std::unique_ptr<VrlDbms> dbms = script.dbms(&schema->GetSchema());
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
    if (script.seedRows)
        return;
    // Streamed, the creation script is the same statements in the same order.
    struct Collect : VrlStatementSink {
        std::vector<std::string> texts;
        void Take(CString& statement) override { texts.push_back(statement.ToUtf8()); }
    } sink;
    EXPECT_EQ(expected.size(), dbms->StreamSchema(sink));
    EXPECT_EQ(expected, sink.texts);
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
