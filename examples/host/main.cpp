// An example host of the vrlschema library: start-up, a small schema built in
// code and one read from a schema file, a SQL Server and an Oracle creation
// script, one upgrade statement, and the library's way of reporting errors.
//
//   vrlschema_host shop.json
//
// docs/library.md walks through this file.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <vrlschema/dialects/VrlDbmsOracle.h>
#include <vrlschema/dialects/VrlDbmsSqlServer.h>
#include <vrlschema/platform/COleVariant.h>
#include <vrlschema/platform/CString.h>
#include <vrlschema/schema/VrlConstraint.h>
#include <vrlschema/schema/VrlField.h>
#include <vrlschema/schema/VrlSchema.h>
#include <vrlschema/schema/VrlTable.h>
#include <vrlschema/schemafile/SchemaFile.h>
#include <vrlschema/support/DuxException.h>
#include <vrlschema/support/VrlHostMessages.h>
#include <vrlschema/support/VrlSchemaModule.h>

using namespace VrlSchemaLib;

namespace {

// The library's containers own nothing: the host keeps every object alive as
// long as a schema or generator built over it is in use. Here one struct owns
// the objects of one small schema, in construction order.
struct OrdersModel {
    VrlField orderId{L"OrderID",
                     VrlDataDefinition(dtInteger, 0),
                     COleVariant(),
                     ntNotNull,
                     CString(L""),
                     0,
                     paNone,
                     VrlSchemaVersion(30),
                     0,
                     0};
    VrlField customer{L"Customer",
                      VrlDataDefinition(dtString, 80),
                      COleVariant(),
                      ntNotNull,
                      CString(L""),
                      0,
                      paNone,
                      VrlSchemaVersion(30),
                      0,
                      0};
    VrlConstraint primaryKey{L"PK_Orders", ctPrimaryKey, std::vector<CString>{L"OrderID"},
                             VrlSchemaVersion(30)};
    VrlTable orders{L"Orders", {&orderId, &customer}, {&primaryKey},       L"", 0,
                    0u,        rtUndefined,           VrlSchemaVersion(30)};
    // The schema at version 30: objects of later versions would be left out.
    VrlSchema schema{VrlSchemaVersion(30), {&orders}, {}, {}, {}};
};

void Print(const std::vector<CString>& statements, const char* separator) {
    for (const CString& statement : statements)
        std::cout << statement.ToUtf8() << '\n' << separator << "\n\n";
}

// Every library error is a DuxException thrown by pointer; the catcher reads
// it and ends it with Delete().
template <class F> bool Report(F&& call) {
    try {
        call();
        return true;
    } catch (DuxException* e) {
        std::cerr << DuxException::GetErrorMessage(e).ToUtf8() << '\n';
        e->Delete();
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vrlschema_host SCHEMA.json\n";
        return 2;
    }
    // Start-up, once per process: the host's message texts first, then the
    // library's own string table.
    RegisterVrlHostMessages();
    InitVrlSchemaDll();

    // 1. A schema built in code, written for SQL Server and for Oracle.
    OrdersModel model;
    if (!Report([&] {
            std::vector<CString> statements;
            VrlDbmsSqlServer sqlServer(&model.schema, true, L"Orders");
            sqlServer.GenerateSchema(statements);
            std::cout << "-- SQL Server\n";
            Print(statements, "GO");
            VrlDbmsOracle oracle(&model.schema, L"Orders");
            oracle.GenerateSchema(statements);
            std::cout << "-- Oracle\n";
            Print(statements, "/");
        }))
        return 1;

    // 2. The same file read at two versions; the column that version 31
    // added becomes one upgrade statement.
    std::unique_ptr<SchemaFile> v30;
    std::unique_ptr<SchemaFile> v31;
    try {
        v30 = SchemaFile::Load(argv[1], Dialect::SqlServer, VrlSchemaVersion(30));
        v31 = SchemaFile::Load(argv[1], Dialect::SqlServer, VrlSchemaVersion(31));
    } catch (const SchemaFileError& e) {
        std::cerr << e.what() << '\n'; // file: JSON path: reason
        return 2;
    }
    if (!Report([&] {
            const VrlTable* before = v30->GetSchema().GetTable(L"Customer");
            const VrlTable* after = v31->GetSchema().GetTable(L"Customer");
            VrlDbmsSqlServer sqlServer(&v31->GetSchema(), true, L"Shop");
            for (LONG i = 0; i < after->GetFieldCount(); ++i) {
                const VrlField* field = after->GetField(i);
                if (!before->HasField(field->GetName()))
                    std::cout << "-- upgrade 30 -> 31\n"
                              << sqlServer.FormatAddColumn(after, field).ToUtf8() << "\n";
            }
        }))
        return 1;

    // 3. What an error looks like: a lookup of a table the schema lacks.
    const bool found = Report([&] { model.schema.GetTable(L"Invoices"); });
    return found ? 1 : 0;
}
