// Column statements of every generator, whole, as an upgrade step writes
// them: adding, changing the type of and dropping a NOT NULL text column.
// The expected texts of templates 16 and 53 are under texts/<dialect>.txt;
// template 54 is the same for all.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DialectTestKit.h"
#include "common/TestData.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsSqlServer.h"

using namespace VrlSchemaLib;

TEST(ColumnStatements, AddAlterAndDropInEveryDialect) {
    DialectTestKit kit;
    VrlField* code = kit.Field(L"Code", dtString, 20);
    VrlTable* batch = kit.Table(L"Batch", {kit.Field(L"ID"), code});
    const struct {
        std::unique_ptr<VrlDbms> dbms;
        const char* texts;
    } cases[] = {
        {std::make_unique<VrlDbmsSqlServer>(nullptr, true, L"Test"), "sqlserver"},
        {std::make_unique<VrlDbmsAccess>(nullptr, L"Test"), "access"},
        {std::make_unique<VrlDbmsDB2>(nullptr, L"Test"), "db2"},
        {std::make_unique<VrlDbmsOracle>(nullptr, L"Test"), "oracle"},
    };
    for (const auto& c : cases) {
        VrlSchemaTest::ExpectedTexts::Of(std::string("dialects/texts/") + c.texts + ".txt")
            .Expect({{"column.add", c.dbms->FormatAddColumn(batch, code)},
                     {"column.alter", c.dbms->FormatAlterColumn(batch, code)}});
        EXPECT_STREQ(L"ALTER TABLE Batch DROP COLUMN Code",
                     c.dbms->FormatDropColumn(batch, code).GetString());
    }
}
