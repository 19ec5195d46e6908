// Column statements of every generator, whole, as an upgrade step writes
// them: adding, changing the type of and dropping a NOT NULL text column.
// The expected texts are the templates 16, 53 and 54 of each dialect
// expanded by hand, with SQL Server's explicit NULL default and Access's
// bracketed names.
#include <gtest/gtest.h>

#include <memory>

#include "DialectTestKit.h"
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
        const wchar_t* add;
        const wchar_t* alter;
    } cases[] = {
        {std::make_unique<VrlDbmsSqlServer>(nullptr, true, L"Test"),
         L"ALTER TABLE Batch ADD Code nvarchar(20) Not Null DEFAULT (NULL)",
         L"ALTER TABLE Batch ALTER COLUMN Code nvarchar(20) Not Null"},
        {std::make_unique<VrlDbmsAccess>(nullptr, L"Test"),
         L"ALTER TABLE Batch ADD [Code] nvarchar(20) Not Null ",
         L"ALTER TABLE Batch ALTER COLUMN Code nvarchar(20) Not Null"},
        // DB2 changes the type alone; the nullability is a step of its own.
        {std::make_unique<VrlDbmsDB2>(nullptr, L"Test"),
         L"ALTER TABLE Batch ADD Code VARGRAPHIC(20) Not Null ",
         L"ALTER TABLE Batch ALTER COLUMN Code SET DATA TYPE VARGRAPHIC(20)"},
        // Oracle cannot change a filled column's type: it copies through a
        // renamed column.
        {std::make_unique<VrlDbmsOracle>(nullptr, L"Test"),
         L"ALTER TABLE Batch ADD Code NVARCHAR2(20)  Not Null",
         L"BEGIN \n\tEXECUTE IMMEDIATE 'ALTER TABLE Batch RENAME COLUMN Code TO Code_OLD'; \n\tEXECUTE "
         L"IMMEDIATE "
         L"'ALTER TABLE Batch ADD (Code NVARCHAR2(20))'; \n\tEXECUTE IMMEDIATE 'UPDATE Batch SET Code = "
         L"Code_OLD'; "
         L"\n\tEXECUTE IMMEDIATE 'ALTER TABLE Batch DROP COLUMN Code_OLD'; \nEND;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dbms->GetDbmsType());
        EXPECT_STREQ(c.add, c.dbms->FormatAddColumn(batch, code).GetString());
        EXPECT_STREQ(c.alter, c.dbms->FormatAlterColumn(batch, code).GetString());
        EXPECT_STREQ(L"ALTER TABLE Batch DROP COLUMN Code",
                     c.dbms->FormatDropColumn(batch, code).GetString());
    }
}
