// Whole upgrade scripts of one change each, per target, against texts
// derived by hand from the templates and the guard forms.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "UpgradeKit.h"

using namespace VrlSchemaLib;

namespace {

struct Change {
    const char* name;
    // Builds the older and the newer schema.
    std::function<std::pair<const VrlSchema*, const VrlSchema*>(UpgradeKit&)> build;
};

const Change kChanges[] = {
    {"AddColumn",
     [](UpgradeKit& k) {
         return std::pair{
             k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID")})}),
             k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Phone", dtString, 20, ntNull)})})};
     }},
    {"WidenColumn",
     [](UpgradeKit& k) {
         return std::pair{
             k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 32)})}),
             k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 64)})})};
     }},
    {"DropColumnWithDefault",
     [](UpgradeKit& k) {
         VrlField* status =
             k.Field(L"Status", dtInteger, 0, ntNull, COleVariant(static_cast<long>(0), VT_I4));
         return std::pair{k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID"), status})}),
                          k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID")})})};
     }},
    {"NewTableWithForeignKey",
     [](UpgradeKit& k) {
         auto customer = [&] {
             return k.Table(L"Customer", {k.Field(L"ID")}, {k.Key(L"PK_Customer", ctPrimaryKey, {L"ID"})});
         };
         VrlTable* orders =
             k.Table(L"Orders", {k.Field(L"ID"), k.Field(L"CustomerID")},
                     {k.Key(L"PK_Orders", ctPrimaryKey, {L"ID"}),
                      k.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Customer", {L"ID"})});
         return std::pair{k.Schema(30, {customer()}), k.Schema(35, {customer(), orders})};
     }},
    {"ReplaceView",
     [](UpgradeKit& k) {
         auto table = [&] { return k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 32)}); };
         return std::pair{
             k.Schema(30, {table()}, {k.View(L"qryCustomer", L"SELECT ID FROM Customer")}),
             k.Schema(35, {table()}, {k.View(L"qryCustomer", L"SELECT ID, Name FROM Customer")})};
     }},
};

struct Expected {
    const char* change;
    Target target;
    const wchar_t* script;
};

#define MSSQL_COLUMN(table, column)                                                                          \
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'" table                           \
    "' AND COLUMN_NAME = N'" column "'"
#define MSSQL_DEFAULTS(what, table, column)                                                                  \
    L"SELECT " what " FROM sys.default_constraints d INNER JOIN sys.columns c ON c.object_id = "             \
    L"d.parent_object_id AND c.column_id = d.parent_column_id WHERE d.parent_object_id = "                   \
    L"OBJECT_ID(N'" table L"') AND c.name = N'" column "'"
#define MSSQL_DROP_DEFAULT(table, column)                                                                    \
    L"DECLARE @sDropDefault nvarchar(400)\n" MSSQL_DEFAULTS(                                                 \
        "@sDropDefault = N'ALTER TABLE " table " DROP CONSTRAINT ' + QUOTENAME(d.name)", table,              \
        column) L"\nIF @sDropDefault IS NOT NULL EXEC sp_executesql @sDropDefault" GO
#define GO L"\r\nGO\r\n\r\n"
#define SLASH L"\r\n/\r\n\r\n"
#define SEMI L";\r\n\r\n"
#define ORACLE_GUARD(count, test, statement)                                                                 \
    L"DECLARE\n\tnCount "                                                                                    \
    L"INTEGER;"                                                                                              \
    L"\nBEGIN\n"                                                                                             \
    L"\t" count L";\n\tIF "                                                                                  \
    L"nCount " test L" THEN\n\t\tEXECUTE IMMEDIATE '" statement L"';\n\tEND IF;\nEND;" SLASH
#define DB2_GUARD(count, test, statement)                                                                    \
    L"BEGIN\n\tDECLARE nCount "                                                                              \
    L"INTEGER;"                                                                                              \
    L"\n"                                                                                                    \
    L"\t" count L";\n\tIF "                                                                                  \
    L"nCount " test L" THEN\n\t\tEXECUTE IMMEDIATE '" statement L"';\n\tEND IF;\nEND" SEMI
#define PG_GUARD(count, test, statement)                                                                     \
    L"DO $guard$\nDECLARE\n\tnCount "                                                                        \
    L"integer;"                                                                                              \
    L"\nBEGIN\n"                                                                                             \
    L"\t" count L";\n\tIF "                                                                                  \
                L"nCount " test L" THEN\n\t\tEXECUTE '" statement L"';\n\tEND IF;\nEND\n$guard$" SEMI
#define PG_COLUMN(table, column)                                                                             \
    L"SELECT COUNT(*) INTO nCount from information_schema.columns where table_schema = current_schema() "    \
    L"and "                                                                                                  \
    L"table_name = '" table L"' and column_name = '" column L"'"
#define ACCESS_NOTE                                                                                          \
    L"-- Not guarded: Access has no catalogue to ask whether a step is needed.\n"                            \
    L"-- Run this script once, on a database of the older version.\n\n"
#define DB2_REORG_CUSTOMER                                                                                   \
    DB2_GUARD(                                                                                               \
        L"SELECT COUNT(*) INTO nCount FROM SYSCAT.TABLES WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = "    \
        L"N'CUSTOMER'",                                                                                      \
        L"> 0", L"CALL SYSPROC.ADMIN_CMD(''REORG TABLE Customer'')")

const Expected kExpected[] = {
    {"AddColumn", Target::SqlServer,
     L"IF (" MSSQL_COLUMN(
         "Customer",
         "Phon"
         "e") L") = 0\nEXEC sp_executesql N'ALTER TABLE Customer ADD Phone nvarchar(20)  DEFAULT (NULL)'" GO},
    {"AddColumn", Target::Oracle,
     ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM USER_TAB_COLUMNS WHERE TABLE_NAME = N'CUSTOMER' AND "
                  L"COLUMN_NAME = N'PHONE'",
                  L"= 0", L"ALTER TABLE Customer ADD Phone NVARCHAR2(20)")},
    {"AddColumn", Target::DB2,
     DB2_GUARD(
         L"SELECT COUNT(*) INTO nCount FROM SYSCAT.COLUMNS WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = "
         L"N'CUSTOMER' AND COLNAME = N'PHONE'",
         L"= 0", L"ALTER TABLE Customer ADD Phone VARGRAPHIC(20)")},
    {"AddColumn", Target::Access, ACCESS_NOTE L"ALTER TABLE Customer ADD [Phone] nvarchar(20)" GO},

    // Every SQL Server column is written with a default (NULL when the
    // model has none), so its default constraint goes before the change and
    // comes back after it.
    {"WidenColumn", Target::SqlServer,
     MSSQL_DROP_DEFAULT("Customer", "Name") L"IF (" MSSQL_COLUMN(
         "Customer", "Name") L") > 0\n"
                             L"EXEC sp_executesql N'ALTER TABLE Customer ALTER COLUMN Name nvarchar(64) Not "
                             L"Null'" GO L"IF (" MSSQL_DEFAULTS(
                                 "COUNT(*)", "Customer", "Name") L") = 0\nEXEC sp_executesql N'ALTER TABLE "
                                                                 L"Customer ADD DEFAULT (NULL) FOR Name'" GO},
    {"WidenColumn", Target::Oracle,
     ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM USER_TAB_COLUMNS WHERE TABLE_NAME = N'CUSTOMER' AND "
                  L"COLUMN_NAME = N'NAME'",
                  L"> 0",
                  L"BEGIN \n\tEXECUTE IMMEDIATE ''ALTER TABLE Customer RENAME COLUMN Name TO Name_OLD''; \n"
                  L"\tEXECUTE IMMEDIATE ''ALTER TABLE Customer ADD (Name NVARCHAR2(64))''; \n"
                  L"\tEXECUTE IMMEDIATE ''UPDATE Customer SET Name = Name_OLD''; \n"
                  L"\tEXECUTE IMMEDIATE ''ALTER TABLE Customer DROP COLUMN Name_OLD''; \nEND;")
     // The generator's ALTER COLUMN re-adds the column nullable.
     ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM USER_TAB_COLUMNS WHERE TABLE_NAME = N'CUSTOMER' AND "
                  L"COLUMN_NAME = N'NAME' AND NULLABLE = 'Y'",
                  L"> 0", L"ALTER TABLE Customer MODIFY (Name NOT NULL)")},
    {"WidenColumn", Target::DB2,
     DB2_GUARD(
         L"SELECT COUNT(*) INTO nCount FROM SYSCAT.COLUMNS WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = "
         L"N'CUSTOMER' AND COLNAME = N'NAME'",
         L"> 0", L"ALTER TABLE Customer ALTER COLUMN Name SET DATA TYPE VARGRAPHIC(64)") DB2_REORG_CUSTOMER},
    {"WidenColumn", Target::Access,
     ACCESS_NOTE L"ALTER TABLE Customer ALTER COLUMN Name nvarchar(64) Not Null" GO},

    {"DropColumnWithDefault", Target::SqlServer,
     MSSQL_DROP_DEFAULT(
         "Customer",
         "Status") L"-- destructive: drop column Customer.Status\n"
                   L"IF (" MSSQL_COLUMN(
                       "Customer",
                       "Status") L") > 0\nEXEC sp_executesql N'ALTER TABLE Customer DROP COLUMN Status'" GO},
    {"DropColumnWithDefault", Target::DB2,
     L"-- destructive: drop column Customer.Status\n" DB2_GUARD(
         L"SELECT COUNT(*) INTO nCount FROM SYSCAT.COLUMNS WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = "
         L"N'CUSTOMER' AND COLNAME = N'STATUS'",
         L"> 0", L"ALTER TABLE Customer DROP COLUMN Status") DB2_REORG_CUSTOMER},
    {"DropColumnWithDefault", Target::Access,
     ACCESS_NOTE L"-- destructive: drop column Customer.Status\nALTER TABLE Customer DROP COLUMN Status" GO},

    {"NewTableWithForeignKey", Target::SqlServer,
     L"IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'Orders' AND TABLE_TYPE = "
     L"N'BASE "
     L"TABLE') = 0\nEXEC sp_executesql N'CREATE TABLE dbo.Orders(\nID int Not Null DEFAULT (NULL),\r\n"
     L"CustomerID int Not Null DEFAULT "
     L"(NULL))'" GO L"IF NOT EXISTS (SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE "
     L"TABLE_NAME = "
     L"N'Orders' AND CONSTRAINT_TYPE = N'PRIMARY KEY')\n"
     L"EXEC sp_executesql N'ALTER TABLE Orders WITH NOCHECK ADD CONSTRAINT PK_Orders PRIMARY KEY "
     L"NONCLUSTERED "
     L"(ID)'" GO L"IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = "
     L"N'FK_Orders_Customer' AND TABLE_NAME = N'Orders' AND CONSTRAINT_TYPE = N'FOREIGN KEY') = 0\n"
     L"EXEC sp_executesql N'ALTER TABLE Orders ADD CONSTRAINT FK_Orders_Customer FOREIGN KEY(CustomerID) "
     L"REFERENCES "
     L"Customer(ID) ON DELETE NO ACTION ON UPDATE NO ACTION'" GO},
    {"NewTableWithForeignKey", Target::Oracle,
     ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM USER_TABLES WHERE TABLE_NAME = N'ORDERS'", L"= 0",
                  L"CREATE TABLE Orders(\nID NUMBER(10)  Not Null,\r\nCustomerID NUMBER(10)  Not Null)")
         ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM (SELECT CONSTRAINT_NAME FROM USER_CONSTRAINTS WHERE "
                      L"TABLE_NAME = N'ORDERS' AND CONSTRAINT_TYPE = 'P') p",
                      L"= 0", L"ALTER TABLE Orders ADD CONSTRAINT PK_Orders PRIMARY KEY(ID)")
             ORACLE_GUARD(L"SELECT COUNT(*) INTO nCount FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = "
                          L"N'FK_ORDERS_CUSTOMER' AND TABLE_NAME = N'ORDERS' AND CONSTRAINT_TYPE = N'R'",
                          L"= 0",
                          L"ALTER TABLE Orders ADD CONSTRAINT FK_Orders_Customer FOREIGN KEY(CustomerID) "
                          L"REFERENCES Customer(ID)")},

    // PostgreSQL: lower-cased probes; the type change keeps the default.
    {"AddColumn", Target::Postgres,
     PG_GUARD(PG_COLUMN(L"customer", L"phone"), L"= 0", L"ALTER TABLE Customer ADD Phone varchar(20)")},
    {"WidenColumn", Target::Postgres,
     PG_GUARD(
         PG_COLUMN(L"customer", L"name"), L"> 0",
         L"ALTER TABLE Customer ALTER COLUMN Name TYPE varchar(64) USING Name::varchar(64), ALTER COLUMN "
         L"Name SET NOT NULL")},
    {"DropColumnWithDefault", Target::Postgres,
     L"-- destructive: drop column Customer.Status\n" PG_GUARD(PG_COLUMN(L"customer", L"status"), L"> 0",
                                                               L"ALTER TABLE Customer DROP COLUMN Status")},
    {"NewTableWithForeignKey", Target::Postgres,
     PG_GUARD(
         L"SELECT COUNT(*) INTO nCount from pg_catalog.pg_tables where schemaname = current_schema() and "
         L"tablename = 'orders'",
         L"= 0", L"CREATE TABLE Orders(\nID integer  Not Null,\r\nCustomerID integer  Not Null)")
         PG_GUARD(
             L"SELECT COUNT(*) INTO nCount FROM (select conname from pg_catalog.pg_constraint where conrelid "
             L"= to_regclass('orders') and contype = 'p') p",
             L"= 0", L"ALTER TABLE Orders ADD CONSTRAINT PK_Orders PRIMARY KEY(ID)")
             PG_GUARD(
                 L"SELECT COUNT(*) INTO nCount from pg_catalog.pg_constraint where conname = "
                 L"'fk_orders_customer' and conrelid = to_regclass('orders') and contype = 'f'",
                 L"= 0",
                 L"ALTER TABLE Orders ADD CONSTRAINT FK_Orders_Customer FOREIGN KEY(CustomerID) REFERENCES "
                 L"Customer(ID) ON DELETE NO ACTION ON UPDATE NO ACTION")},
    {"ReplaceView", Target::Postgres,
     PG_GUARD(L"SELECT COUNT(*) INTO nCount from pg_catalog.pg_views where schemaname = current_schema() and "
              L"viewname = 'qrycustomer'",
              L"> 0", L"DROP VIEW qryCustomer")
         PG_GUARD(
             L"SELECT COUNT(*) INTO nCount from pg_catalog.pg_views where schemaname = current_schema() and "
             L"viewname = 'qrycustomer'",
             L"= 0", L"CREATE VIEW qryCustomer AS\nSELECT ID, Name FROM Customer")},

    {"ReplaceView", Target::SqlServer,
     L"IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'qryCustomer' AND TABLE_TYPE = "
     L"N'VIEW') > 0\nEXEC sp_executesql N'DROP VIEW "
     L"qryCustomer"
     L"'" GO L"IF (SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'qryCustomer' AND "
     L"TABLE_TYPE = "
     L"N'VIEW') = 0\nEXEC sp_executesql N'CREATE VIEW dbo.qryCustomer AS\nSELECT ID, Name FROM Customer'" GO},
};

TEST(UpgradeScripts, EachChangeKindWritesTheGeneratorsStatementsInTheTargetsGuardForm) {
    for (const Expected& expected : kExpected) {
        UpgradeKit kit;
        const Change* change = nullptr;
        for (const Change& c : kChanges) {
            if (std::string(c.name) == expected.change)
                change = &c;
        }
        ASSERT_NE(nullptr, change) << expected.change;
        const auto [from, to] = change->build(kit);
        EXPECT_EQ(CString(expected.script).ToUtf8(), kit.Script(expected.target, from, to).ToUtf8())
            << expected.change << " for target " << static_cast<int>(expected.target);
    }
}

TEST(UpgradeScripts, IdenticalSchemasNeedNoStepOnAnyTarget) {
    for (Target target : {Target::SqlServer, Target::Oracle, Target::DB2, Target::Access, Target::Postgres}) {
        for (const Change& change : kChanges) {
            UpgradeKit kit;
            const VrlSchema* to = change.build(kit).second;
            EXPECT_TRUE(kit.Plan(target, to, to).m_vSteps.empty()) << change.name;
        }
    }
}

} // namespace
