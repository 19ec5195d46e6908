// The texts of the schema's lookup errors as the real lookups raise them:
// the searched name goes through the variadic message formatting, and a null
// name must give an empty name in the text, never a read through null.
#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

class SchemaErrorTexts : public ::testing::Test {
protected:
    VrlSchemaTest::ObjectKeeper keep;
    VrlView view{L"vwBatch", L"SELECT 1", L"Batch"};
    VrlProcedure proc{L"procGet", L"", L"", 0, 0, V(25), 0};
    VrlFunction func{L"fnGet", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25)};
    VrlSchema schema{V(25), {keep.PlainTable(L"Batch")}, {&view}, {&proc}, {&func}};
};

} // namespace

TEST_F(SchemaErrorTexts, NotFoundTextsNameWhatWasSearched) {
    EXPECT_EQ(CString(L"The view 'vwOrders' was not found."),
              ExpectDux(4072, [&] { schema.GetView(L"vwOrders"); }));
    EXPECT_EQ(CString(L"The procedure or parameter 'procPut' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedure(L"procPut"); }));
    EXPECT_EQ(CString(L"The function 'fnPut' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(L"fnPut"); }));
    // A name of another kind of object is not found either.
    EXPECT_EQ(CString(L"The function 'procGet' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(L"procGet"); }));
    // No such routine: the command type of the name decides first.
    EXPECT_EQ(CString(L"procPut"), ExpectDux(4111, [&] { schema.GetProcedureOrFunction(L"procPut"); }));
    // A table and a view are commands, but no procedure.
    EXPECT_EQ(CString(L"The procedure or parameter 'vwBatch' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedureOrFunction(L"vwBatch"); }));
}

TEST_F(SchemaErrorTexts, NullNamesGiveAnEmptyName) {
    EXPECT_EQ(CString(L"The view '' was not found."), ExpectDux(4072, [&] { schema.GetView(nullptr); }));
    EXPECT_EQ(CString(L"The procedure or parameter '' was not found."),
              ExpectDux(4074, [&] { schema.GetProcedure(nullptr); }));
    EXPECT_EQ(CString(L"The function '' was not found."),
              ExpectDux(4076, [&] { schema.GetFunction(nullptr); }));
    EXPECT_EQ(CString(), ExpectDux(4111, [&] { schema.GetCommandType(nullptr); }));
    EXPECT_EQ(CString(), ExpectDux(4111, [&] { schema.GetProcedureOrFunction(nullptr); }));
    // The null-name and not-found forms of 4070 and 4054 share a text that
    // reads no argument.
    EXPECT_EQ(ExpectDux(4070, [&] { schema.GetTable(static_cast<const wchar_t*>(nullptr)); }),
              ExpectDux(4070, [&] { schema.GetTable(L"Nope"); }));
    EXPECT_EQ(ExpectDux(4054, [&] { schema.GetField(L"Batch", nullptr); }),
              ExpectDux(4054, [&] { schema.GetField(L"Batch", L"Nope"); }));
}

// A diagnostic line names the raising site by its path in the source tree,
// whatever folder the library was built in.
TEST_F(SchemaErrorTexts, DiagnosticLineNamesTheSourceByItsTreePath) {
    try {
        schema.GetView(L"vwOrders");
        FAIL() << "no exception";
    } catch (DuxException* e) {
        const CString text = DuxException::GetErrorMessage(e);
        const LONG line = e->GetLineNo();
        e->Delete();
        CString expected;
        expected.Format(L"[4072] DuxLib: The view 'vwOrders' was not found. (src/schema/VrlSchema.cpp:%ld)",
                        line);
        EXPECT_EQ(std::wstring(expected.GetString()), std::wstring(text.GetString()));
    }
}
