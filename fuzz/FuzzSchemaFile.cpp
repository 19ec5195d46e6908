// Fuzz target of the JSON schema loader, and of the generators over what it
// accepts.
//
// Input: the schema file text. The dialect it is read for follows from the
// input's length, so every dialect gets its share. Reading raises
// SchemaFileError or succeeds; a schema that is accepted is then turned into
// its creation script and its seed rows, where the library's own errors
// (DuxException) and the framework's value conversion errors (COleException)
// are allowed. Anything else that escapes, and any crash, is a finding; so
// is a text that the loader's JSON scanner and the JSON library judge
// differently.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "Generators.h"
#include "platform/COleException.h"
#include "schemafile/JsonScanner.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"

namespace {

using namespace VrlSchemaLib;
using namespace VrlSchemaTool;

void Generate(const SchemaFile& file, Dialect dialect) {
    const CString queue(L"SELECT * FROM Queue");
    std::unique_ptr<VrlSchemaLib::VrlDbms> dbms = MakeGenerator(dialect, &file.GetSchema(), true, queue);
    try {
        std::vector<CString> statements;
        dbms->GenerateSchema(statements);
        dbms->GenerateDefaultValues(statements);
    } catch (VrlSchemaLib::DuxException* e) {
        e->Delete();
    } catch (COleException* e) {
        e->Delete();
    }
}

class NoEvents : public JsonEvents {
public:
    void Null() override {}
    void Boolean(bool) override {}
    void Integer(int64_t) override {}
    void Unsigned(uint64_t) override {}
    void Float(double) override {}
    void String(std::string_view) override {}
    void Key(std::string_view) override {}
    void StartObject() override {}
    void EndObject() override {}
    void StartArray() override {}
    void EndArray() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VrlSchemaFuzz::StartLibrary();
    static const Dialect dialects[] = {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access};
    const Dialect dialect = dialects[size % 4];
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    NoEvents none;
    JsonScanner scanner(text);
    FUZZ_CHECK(scanner.Scan(none) == nlohmann::json::accept(text));
    std::unique_ptr<SchemaFile> file;
    try {
        file = SchemaFile::Parse(text, "fuzz.json", dialect);
    } catch (const SchemaFileError& e) {
        FUZZ_CHECK(!e.Reason().empty());
        return 0;
    }
    Generate(*file, dialect);
    return 0;
}
