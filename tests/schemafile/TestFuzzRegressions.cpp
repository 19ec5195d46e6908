// Inputs found by the fuzz targets, kept as unit tests of the schema loader.
#include <gtest/gtest.h>

#include <string>

#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

// A number beyond the range of a double is refused by the JSON reader with an
// error of its own kind, which escaped the loader and ended the program.
TEST(FuzzRegressions, SchemaFileNumberBeyondDoubleRangeIsASchemaFileError) {
    for (const char* text : {"1111E411", "{\"version\": 1e400}", "[-1e99999]"}) {
        try {
            SchemaFile::Parse(text, "big.json", Dialect::SqlServer);
            ADD_FAILURE() << text << " was accepted";
        } catch (const SchemaFileError& e) {
            EXPECT_EQ("big.json", e.File()) << text;
            EXPECT_NE(std::string::npos, e.Reason().find("number overflow")) << e.what();
        }
    }
}
