// Whole creation scripts and seed rows of every dialect against the statement
// files written by hand under golden/, for the two schemas under schemas/;
// last, the column statements of every dialect.
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
#include <vector>

#include "DialectFactory.h"
#include "DialectTestKit.h"
#include "common/TestData.h"
#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlStatementSink.h"

using namespace VrlSchemaLib;

namespace {

struct Script {
    const char* file; // under golden/
    Dialect dialect;
    const char* schema; // under schemas/
    bool seedRows;      // the seed rows that follow the creation script
};

void PrintTo(const Script& script, std::ostream* os) {
    *os << script.file;
}

const Script kScripts[] = {
    {"sqlserver/sample_schema.sql", Dialect::SqlServer, "sample.json", false},
    {"sqlserver/sample_seed.sql", Dialect::SqlServer, "sample.json", true},
    {"access/sample_schema.sql", Dialect::Access, "sample.json", false},
    {"access/sample_seed.sql", Dialect::Access, "sample.json", true},
    {"oracle/sample_schema.sql", Dialect::Oracle, "sample.json", false},
    {"oracle/names_schema.sql", Dialect::Oracle, "names.json", false},
    {"db2/sample_schema.sql", Dialect::DB2, "sample.json", false},
    {"db2/names_schema.sql", Dialect::DB2, "names.json", false},
    {"postgres/sample_schema.sql", Dialect::Postgres, "sample.json", false},
    {"postgres/sample_seed.sql", Dialect::Postgres, "sample.json", true},
    {"postgres/names_schema.sql", Dialect::Postgres, "names.json", false},
};

class GoldenScript : public ::testing::TestWithParam<Script> {};

} // namespace

TEST_P(GoldenScript, MatchesTheExpectedFile) {
    const Script& script = GetParam();
    auto schema = SchemaFile::Load(std::string(VRLSCHEMA_TEST_DATA_DIR "/dialects/schemas/") + script.schema,
                                   script.dialect);
    std::unique_ptr<VrlDbms> dbms = MakeDbms(script.dialect, &schema->GetSchema(), L"Sample");
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

// Column statements as an upgrade step writes them: adding, changing the
// type of and dropping a NOT NULL text column (the texts of templates 16 and
// 53 under texts/<dialect>.txt; template 54 is the same for all). An empty
// schema gives no statement, but for the support objects of the ANSI targets.
TEST(ColumnStatements, AddAlterAndDropInEveryDialect) {
    DialectTestKit kit;
    VrlField* code = kit.Field(L"Code", dtString, 20);
    VrlTable* batch = kit.Table(L"Batch", {kit.Field(L"ID"), code});
    const VrlSchema* empty = kit.Schema({});
    for (Dialect dialect :
         {Dialect::SqlServer, Dialect::Access, Dialect::DB2, Dialect::Oracle, Dialect::Postgres}) {
        SCOPED_TRACE(DialectName(dialect));
        const std::unique_ptr<VrlDbms> dbms = MakeDbms(dialect);
        if (dialect != Dialect::Postgres)
            VrlSchemaTest::ExpectedTexts::Of(std::string("dialects/texts/") + DialectName(dialect) + ".txt")
                .Expect({{"column.add", dbms->FormatAddColumn(batch, code)},
                         {"column.alter", dbms->FormatAlterColumn(batch, code)}});
        EXPECT_STREQ(L"ALTER TABLE Batch DROP COLUMN Code", dbms->FormatDropColumn(batch, code).GetString());
        std::vector<CString> statements;
        MakeDbms(dialect, empty)->GenerateSchema(statements);
        EXPECT_EQ(dialect == Dialect::Oracle || dialect == Dialect::DB2 ? 6u : 0u, statements.size());
    }
}
