#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "schema/VrlSchema.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

class VrlSchemaTests : public ::testing::Test {
protected:
    VrlSchemaTest::ObjectKeeper keep;
};

} // namespace

TEST_F(VrlSchemaTests, MergesTableVersionsBySchemaVersion) {
    VrlTable* a25 = keep.PlainTable(L"A", V(25));
    VrlTable* a30 = keep.Table(L"A", {keep.Field(L"ID"), keep.Field(L"Added", V(30))}, {}, V(30));
    auto* a40 = keep.New<VrlTable>(L"A", V(40));
    VrlTable* b = keep.PlainTable(L"B");
    std::vector<VrlTable*> tables{a25, b, a30, a40};

    VrlSchema s25 = VrlSchemaTest::MakeSchema(tables, V(25));
    VrlSchema s35 = VrlSchemaTest::MakeSchema(tables, V(35));
    VrlSchema s40 = VrlSchemaTest::MakeSchema(tables, V(40));
    EXPECT_EQ(a25, s25.GetTable(L"a"));
    EXPECT_EQ(a30, s35.GetTable(L"A"));
    EXPECT_EQ(a30, s35.GetTable(0));
    EXPECT_EQ(2, a30->GetFieldCount());
    EXPECT_EQ(nullptr, s40.GetTableDontThrow(L"A"));
    EXPECT_EQ(1, s40.GetTableCount());
    EXPECT_EQ(b, s40.GetTable(0));
    EXPECT_EQ(VrlDbVersion35, s35.GetVersion());
    EXPECT_EQ(V(35), s35.GetSchemaVersion());

    VrlTable* t30 = keep.PlainTable(L"New", V(30));
    EXPECT_EQ(0, VrlSchemaTest::MakeSchema({t30}, V(25)).GetTableCount());
}

TEST_F(VrlSchemaTests, LookupsRaiseTheirCodes) {
    VrlTable* batchDef = keep.PlainTable(L"BatchDef");
    VrlView view(L"vwBatch", L"SELECT 1", L"BatchDef");
    VrlProcedure proc(L"procGet", L"", L"", 0, 0, V(25), 0);
    VrlFunction func(L"fnGet", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25));
    VrlSchema schema(V(25), {batchDef}, {&view}, {&proc}, {&func});

    EXPECT_EQ(batchDef, schema.GetTable(L"batchdef"));
    EXPECT_EQ(nullptr, schema.GetTableDontThrow(L"nosuch"));
    EXPECT_EQ(nullptr, schema.GetTableDontThrow(nullptr));
    ExpectDux(4070, [&] { schema.GetTable(L"nosuch"); });
    ExpectDux(4070, [&] { schema.GetTable(static_cast<const wchar_t*>(nullptr)); });
    ExpectDux(4071, [&] { schema.GetTable(1); });
    ExpectDux(4071, [&] { schema.GetTable(-1, rtStats); });
    EXPECT_EQ(&view, schema.GetView(L"VWBATCH"));
    EXPECT_EQ(&view, schema.GetView(0));
    EXPECT_GE(ExpectDux(4072, [&] { schema.GetView(L"vwNone"); }).Find(L"vwNone"), 0);
    ExpectDux(4073, [&] { schema.GetView(1); });
    EXPECT_EQ(&proc, schema.GetProcedure(L"PROCGET"));
    ExpectDux(4074, [&] { schema.GetProcedure(L"procNone"); });
    ExpectDux(4075, [&] { schema.GetProcedure(1); });
    EXPECT_EQ(&func, schema.GetFunction(L"FNGET"));
    ExpectDux(4076, [&] { schema.GetFunction(L"fnNone"); });
    ExpectDux(4077, [&] { schema.GetFunction(-1); });

    EXPECT_EQ(&func, schema.GetProcedureOrFunction(L"fnget"));
    EXPECT_EQ(&proc, schema.GetProcedureOrFunction(L"procget"));
    ExpectDux(4074, [&] { schema.GetProcedureOrFunction(L"BatchDef"); });
    ExpectDux(4111, [&] { schema.GetProcedureOrFunction(L"nosuch"); });

    EXPECT_EQ(batchDef, schema.GetTable(0, rtStats));
    EXPECT_EQ(rtStats, batchDef->GetCurrentRootType());
    EXPECT_EQ(batchDef, schema.GetTable(L"BATCHDEF", rtSiteProfiles));
    EXPECT_EQ(rtSiteProfiles, batchDef->GetCurrentRootType());
}

TEST_F(VrlSchemaTests, CommandTypesPreferRoutinesOverTables) {
    VrlTable* shared = keep.PlainTable(L"Shared");
    VrlProcedure proc(L"shared", L"", L"", 0, 0, V(25), 0);
    VrlFunction func(L"fn", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25));
    VrlView view(L"vw", L"", L"");
    VrlSchema schema(V(25), {shared, keep.PlainTable(L"Tab")}, {&view}, {&proc}, {&func});
    EXPECT_EQ(cmdProcedure, schema.GetCommandType(L"SHARED"));
    EXPECT_EQ(cmdFunction, schema.GetCommandType(L"FN"));
    EXPECT_EQ(cmdTable, schema.GetCommandType(L"tab"));
    EXPECT_EQ(cmdView, schema.GetCommandType(L"VW"));
    EXPECT_EQ(cmdTemporary, schema.GetCommandType(L"#tmp"));
    EXPECT_GE(ExpectDux(4111, [&] { schema.GetCommandType(L"nosuch"); }).Find(L"nosuch"), 0);
}

TEST_F(VrlSchemaTests, RootTypeNames) {
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"marlowcaptureruntime"));
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"MarlowCaptureSetup"));
    EXPECT_EQ(rtBatchSetupAndRuntime, VrlSchema::GetRootType(L"MARLOWCAPTURERUNTIMEDOCUMENTS"));
    EXPECT_EQ(rtUndefined, VrlSchema::GetRootType(VrlSchema::GetRootTypeName(rtBatchSetupAndRuntime)));
    for (int value = 1; value <= 6; ++value) {
        const auto rootType = static_cast<VrlTableRootType>(value);
        if (rootType != rtBatchSetupAndRuntime) {
            EXPECT_EQ(rootType, VrlSchema::GetRootType(VrlSchema::GetRootTypeName(rootType)));
        }
    }
    EXPECT_EQ(L"Undefined", VrlSchema::GetRootTypeName(static_cast<VrlTableRootType>(7)));
    EXPECT_EQ(L"Undefined", VrlSchema::GetRootTypeName(rtUndefined));
    EXPECT_EQ(L"VeskSiteProfiles", VrlSchema::GetRootTypeName(rtSiteProfiles));
    EXPECT_EQ(rtUndefined, VrlSchema::GetRootType(L"Nothing"));
}

TEST_F(VrlSchemaTests, NameKeyedAccessorsCheckArgumentsInOrder) {
    VrlTable* table = keep.PlainTable(L"Batch");
    VrlSchema schema = VrlSchemaTest::MakeSchema({table, keep.PlainTable(L"Page")});
    const wchar_t* null = nullptr;

    ExpectDux(4070, [&] { schema.SetChild(null, null); });
    ExpectDux(4082, [&] { schema.SetChild(L"Batch", null); });
    ExpectDux(4070, [&] { schema.SetChild(L"nosuch", L"Page"); });
    ExpectDux(4070, [&] { schema.SetConvertRoutine(null, null); });
    ExpectDux(4080, [&] { schema.SetConvertRoutine(L"Batch", null); });
    ExpectDux(4070, [&] { schema.SetConvertRoutine(L"nosuch", L"X"); });
    ExpectDux(4079, [&] { schema.SetImportRoutine(L"nosuch", null); });
    ExpectDux(4081, [&] { schema.SetTableStatusColumnName(L"Batch", null); });
    ExpectDux(4081, [&] { schema.SetTableExternalName(L"nosuch", null); });
    ExpectDux(4070, [&] { schema.SetDatabaseVersion(null, VrlDbVersion35); });
    ExpectDux(4070, [&] { schema.SetFieldFlag(null, null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.SetFieldFlag(L"nosuch", null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.SetParentKeyTable(L"Batch", null, null); });
    ExpectDux(4085, [&] { schema.SetParentKeyTable(L"nosuch", L"ID", null); });
    ExpectDux(4054, [&] { schema.SetTranslateTable(L"Batch", null, null); });
    ExpectDux(4083, [&] { schema.SetTranslateTable(L"nosuch", L"ID", null); });
    ExpectDux(4070, [&] { schema.SetTranslateTable(L"nosuch", L"ID", L"T"); });
    ExpectDux(4070, [&] { schema.GetFieldFlag(null, null, ffTimeOffset); });
    ExpectDux(4054, [&] { schema.GetFieldFlag(L"nosuch", null, ffTimeOffset); });
    ExpectDux(4070, [&] { schema.GetFieldFlag(L"nosuch", L"ID", ffTimeOffset); });
    ExpectDux(4054, [&] { schema.GetParentKeyTable(L"Batch", null); });
    ExpectDux(4070, [&] { schema.GetChildCount(null); });
    ExpectDux(4070, [&] { schema.GetImportRoutine(L"nosuch"); });
    ExpectDux(4070, [&] { schema.GetTableFlag(L"nosuch", tfNone); });
    ExpectDux(4054, [&] { schema.GetField(L"Batch", L"Nope"); });
    ExpectDux(4070, [&] { schema.GetField(L"nosuch", L"ID"); });

    // Not raising for a table the schema lacks: nothing happens.
    schema.SetTableExternalName(L"nosuch", L"X");
    schema.SetDatabaseVersion(L"nosuch", VrlDbVersion35);
    schema.SetTableFlag(L"nosuch", tfNone);
    schema.SetFieldFlag(L"nosuch", L"ID", ffTimeOffset);
    schema.SetParentKeyTable(L"nosuch", L"ID", L"P");
    schema.SetChild(L"Batch", L"nosuch");
    EXPECT_EQ(0, schema.GetChildCount(L"Batch"));
}

TEST_F(VrlSchemaTests, NameKeyedAccessorsReachTablesAndFields) {
    VrlTable* batch = keep.Table(L"Batch", {keep.Field(L"ID")}, {}, V(25), 0, rtStats);
    VrlTable* page = keep.PlainTable(L"Page");
    VrlSchema schema = VrlSchemaTest::MakeSchema({batch, page});

    schema.SetChild(L"batch", L"PAGE");
    EXPECT_EQ(rtStats, page->GetCurrentRootType());
    EXPECT_EQ(1, schema.GetChildCount(L"Batch"));
    EXPECT_STREQ(L"PAGE", schema.GetChild(L"Batch", 0));
    ExpectDux(4084, [&] { schema.GetChild(L"Batch", 1); });
    ExpectDux(4084, [&] { schema.GetChild(L"Batch", -1); });

    schema.SetConvertRoutine(L"Batch", L"conv");
    schema.SetImportRoutine(L"Batch", L"imp");
    schema.SetTableStatusColumnName(L"Batch", L"State");
    schema.SetTableExternalName(L"Batch", L"ExtBatch");
    schema.SetDatabaseVersion(L"Batch", VrlDbVersion35);
    schema.SetTableFlag(L"Batch", static_cast<VrlTableFlag>(4));
    EXPECT_STREQ(L"conv", schema.GetConvertRoutine(L"Batch"));
    EXPECT_STREQ(L"imp", schema.GetImportRoutine(L"Batch"));
    EXPECT_STREQ(L"State", batch->GetStatusColumnName());
    EXPECT_STREQ(L"ExtBatch", schema.GetTableExternalName(L"Batch"));
    EXPECT_EQ(VrlDbVersion35, schema.GetDatabaseVersion(L"Batch"));
    EXPECT_EQ(4, schema.GetTableFlag(L"Batch", static_cast<VrlTableFlag>(6)));

    schema.SetFieldFlag(L"Batch", L"id", ffTimeOffset);
    schema.SetParentKeyTable(L"Batch", L"ID", L"Parent");
    schema.SetTranslateTable(L"Batch", L"ID", L"Trans");
    schema.SetFieldFlag(L"Batch", L"Missing", ffTimeOffset);
    schema.SetTranslateTable(L"Batch", L"Missing", L"Trans");
    EXPECT_EQ(ffTimeOffset, schema.GetFieldFlag(L"Batch", L"ID", ffTimeOffset));
    EXPECT_EQ(0, schema.GetFieldFlag(L"Batch", L"Missing", ffTimeOffset));
    EXPECT_STREQ(L"Parent", schema.GetParentKeyTable(L"Batch", L"ID"));
    EXPECT_STREQ(L"", schema.GetParentKeyTable(L"Batch", L"Missing"));
    EXPECT_STREQ(L"Trans", schema.GetTranslateTable(L"Batch", L"ID"));
    EXPECT_STREQ(L"", schema.GetTranslateTable(L"Batch", L"Missing"));
    EXPECT_EQ(batch->GetField(0), schema.GetField(L"BATCH", L"id"));
}

TEST_F(VrlSchemaTests, CopiesShareObjectsAndCompareByIdentity) {
    VrlTable* a = keep.PlainTable(L"A");
    VrlTable* b = keep.PlainTable(L"B");
    VrlSchema schema = VrlSchemaTest::MakeSchema({a, b}, V(30));
    VrlSchema copy(schema);
    EXPECT_TRUE(copy == schema);
    EXPECT_EQ(a, copy.GetTable(L"a"));
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({a, b}, V(31)) == schema);
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({b, a}, V(30)) == schema);
    EXPECT_FALSE(VrlSchemaTest::MakeSchema({a, keep.PlainTable(L"B")}, V(30)) == schema);
    VrlSchema assigned = VrlSchemaTest::MakeSchema({}, V(25));
    assigned = schema;
    EXPECT_TRUE(assigned == schema);
    EXPECT_EQ(2, assigned.GetTableCount());
}

TEST_F(VrlSchemaTests, LargeSchemasAreIndexedByName) {
    std::vector<VrlTable*> tables;
    for (int i = 0; i < 10000; ++i) {
        CString name;
        name.Format(L"Table%05d", i);
        tables.push_back(keep.Table(name, {}));
    }
    VrlSchema schema = VrlSchemaTest::MakeSchema(tables);
    ASSERT_EQ(10000, schema.GetTableCount());
    // 200,000 lookups: a linear search would take minutes, the index
    // milliseconds.
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 10000; ++i) {
            CString name;
            name.Format(L"TABLE%05d", i);
            ASSERT_EQ(tables[static_cast<size_t>(i)], schema.GetTableDontThrow(name));
        }
    }
}
