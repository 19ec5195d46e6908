#include <gtest/gtest.h>

#include <utility>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "platform/CException.h"
#include "schema/VrlTable.h"
#include "schema/VrlTableData.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

class VrlTableTest : public VrlSchemaTest::KitTest {};

} // namespace

TEST_F(VrlTableTest, FindsMembersWithoutRegardToCaseAndChecksIndexes) {
    VrlField* id = keep.Field(L"BatchDefID");
    VrlField* name = keep.Field(L"Name");
    auto* pk = keep.Key(L"PK_BatchDef", ctPrimaryKey, L"BatchDefID");
    VrlTable* table = keep.Table(L"BatchDef", {id, name}, {pk});
    EXPECT_EQ(id, table->GetField(L"BATCHDEFID"));
    EXPECT_EQ(id, table->GetField(L"batchdefid"));
    EXPECT_TRUE(table->HasField(L"name"));
    EXPECT_EQ(nullptr, table->GetField(L"Nope"));
    EXPECT_EQ(pk, table->GetConstraint(L"pk_batchdef"));
    EXPECT_EQ(nullptr, table->GetConstraint(L"PK"));
    EXPECT_EQ(name, table->GetField(1));
    EXPECT_EQ(table, id->GetTable());
    EXPECT_EQ(table, pk->GetTable());
    EXPECT_EQ(pk, table->GetPrimaryKeyConstraint());
    EXPECT_EQ(L"BatchDefID", table->GetPrimaryKeyFieldName());
    for (int at : {-1, 2}) // the first indexes past either end
        ExpectDux(4055, [&] { table->GetField(at); });
    for (int at : {-1, 1})
        ExpectDux(4078, [&] { table->GetConstraint(at); });
}

// Members are merged at the table's version (the merging itself:
// CSchemaObjectCollectionTest in TestVrlSchema.cpp).
TEST_F(VrlTableTest, MembersNewerThanTheTableAreLeftOutButAdopted) {
    VrlField* a = keep.Field(L"A");
    VrlField* b30 = keep.Field(L"B", V(30));
    auto* ix30 = keep.Key(L"IX", ctIndex, L"B", V(30));
    VrlTable* at25 = keep.Table(L"T", {a, b30}, {ix30}, V(25));
    EXPECT_EQ(1, at25->GetFieldCount());
    EXPECT_FALSE(at25->HasField(L"B"));
    EXPECT_EQ(0, at25->GetConstraintCount());
    EXPECT_EQ(at25, b30->GetTable());
    EXPECT_EQ(at25, ix30->GetTable());

    VrlTable* at30 = keep.Table(L"T", {a, b30}, {ix30}, V(30));
    EXPECT_EQ(2, at30->GetFieldCount());
    EXPECT_EQ(1, at30->GetConstraintCount());
}

TEST_F(VrlTableTest, FakedTablesAndPrimaryKeys) {
    VrlTable* empty = keep.Table(L"Empty", {});
    VrlTable* allFake =
        keep.Table(L"Fake", {keep.Field(L"A", V(25), dtInteger, 1), keep.Field(L"B", V(25), dtInteger, 1)});
    VrlField* fake = keep.Field(L"F", V(25), dtInteger, 1);
    VrlTable* mixed = keep.Table(L"Mixed", {keep.Field(L"R"), fake},
                                 {keep.Key(L"UQ", ctUnique, L"R"), keep.Key(L"IX", ctIndex, L"R")});
    EXPECT_TRUE(empty->IsFaked());
    EXPECT_TRUE(allFake->IsFaked());
    EXPECT_FALSE(mixed->IsFaked());
    std::vector<VrlField*> fakes{nullptr, nullptr, nullptr};
    EXPECT_EQ(1, mixed->GetFakeFields(fakes));
    EXPECT_EQ(std::vector<VrlField*>{fake}, fakes);
    EXPECT_EQ(nullptr, mixed->GetPrimaryKeyConstraint());
    EXPECT_EQ(L"", mixed->GetPrimaryKeyFieldName());
}

TEST_F(VrlTableTest, BufferFunctionNamesDependOnTheVersion) {
    VrlTable* plain = keep.Table(L"BatchDef", {keep.Field(L"A")});
    VrlTable* buffered = keep.Table(L"BatchDef", {keep.Field(L"A")}, {}, V(25), 100);
    EXPECT_FALSE(plain->IsBuffered());
    EXPECT_EQ(L"", plain->GetBufferFunction(VrlDbVersion24));
    EXPECT_TRUE(buffered->IsBuffered());
    EXPECT_EQ(L"prcBatchDefBuf", buffered->GetBufferFunction(VrlDbVersion24));
    EXPECT_EQ(L"prcBatchDefBuf", buffered->GetBufferFunction(VrlDbVersion35));
    EXPECT_EQ(L"procGetNextBatchDefBuffer", buffered->GetBufferFunction(static_cast<VrlDatabaseVersion>(23)));
}

TEST_F(VrlTableTest, ChildrenAreUniqueByExactName) {
    VrlTable* table = keep.Table(L"Batch", {keep.Field(L"A")});
    table->SetChild(L"Page");
    table->SetChild(L"Page");
    EXPECT_EQ(1, table->GetChildCount());
    table->SetChild(L"page");
    ASSERT_EQ(2, table->GetChildCount());
    EXPECT_STREQ(L"page", table->GetChild(1));
    try {
        table->GetChild(2);
        ADD_FAILURE() << "no exception for a child index out of range";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
}

TEST_F(VrlTableTest, RootTypeRecordsFollowTheCurrentRootType) {
    VrlField* field = keep.Field(L"A");
    VrlTable* table = keep.Table(L"T", {field}, {}, V(25), 0, rtStats);
    EXPECT_EQ(rtStats, field->GetCurrentRootType());
    table->SetExternalName(L"StatsName");
    table->SetFlag(static_cast<VrlTableFlag>(0x11));
    table->SetDatabaseVersion(VrlDbVersion35);
    table->SetCurrentRootType(rtSiteProfiles);
    EXPECT_EQ(rtSiteProfiles, field->GetCurrentRootType());
    // Switching creates the record, so reads work and see a fresh one.
    EXPECT_STREQ(L"", table->GetExternalName());
    EXPECT_EQ(0, table->GetFlag(static_cast<VrlTableFlag>(0x11)));
    EXPECT_EQ(0, table->GetDatabaseVersion());
    table->SetCurrentRootType(rtStats);
    EXPECT_STREQ(L"StatsName", table->GetExternalName());
    EXPECT_EQ(0x10, table->GetFlag(static_cast<VrlTableFlag>(0x10)));
    EXPECT_EQ(VrlDbVersion35, table->GetDatabaseVersion());

    // Records nothing has written to yet are shared blanks: a write to one
    // table, or to a copy, reaches no other.
    VrlTable* plain = keep.Table(L"P", {keep.Field(L"B")}, {}, V(25), 0, rtStats);
    VrlTable* other = keep.Table(L"Q", {keep.Field(L"C")}, {}, V(25), 0, rtStats);
    VrlTable copy(*plain);
    copy.SetExternalName(L"CopyName");
    copy.SetChild(L"Child");
    EXPECT_STREQ(L"", plain->GetExternalName());
    EXPECT_EQ(0, plain->GetChildCount());
    EXPECT_STREQ(L"", other->GetExternalName());
    plain->SetOldName(L"Before");
    EXPECT_STREQ(L"", copy.GetOldName());
    EXPECT_STREQ(L"", other->GetOldName());
    EXPECT_STREQ(L"Before", plain->GetOldName());

    // A copy-root table keeps the first root type it is given.
    VrlTable* root = keep.Table(L"R", {keep.Field(L"A")});
    root->SetDBCopyRootTable(1);
    root->SetCurrentRootType(rtStats); // from 0, it may still change
    root->SetCurrentRootType(rtUserProfiles);
    EXPECT_EQ(rtStats, root->GetCurrentRootType());
    EXPECT_EQ(rtStats, root->GetField(0)->GetCurrentRootType());
}

TEST_F(VrlTableTest, ReadingWithoutARecordRaisesInvalidRootType) {
    auto* marker = keep.Make<VrlTable>(L"Gone", V(30));
    EXPECT_TRUE(marker->IsDropped());
    EXPECT_EQ(0, marker->GetFieldCount());
    CString message = ExpectDux(4111, [&] { marker->GetChildCount(); });
    EXPECT_GE(message.Find(L"Invalid Root Type: Undefined"), 0) << message.ToUtf8();
    ExpectDux(4111, [&] { marker->GetExternalName(); });
    marker->SetChild(L"X"); // a write creates the record
    EXPECT_EQ(1, marker->GetChildCount());
}

TEST_F(VrlTableTest, CopiesShareMembersAndDuplicateRecords) {
    VrlField* field = keep.Field(L"A", V(25), dtInteger, 0, 1);
    VrlTable source(L"T", {field}, {}, L"LightV", 5, 0u, L"Lookup", L"Query", rtStats, V(25));
    source.SetChild(L"C1");
    source.SetDBCopyRootTable(1);
    EXPECT_EQ(1, source.HasSupportLocaleFormatField());

    VrlTable copy(source);
    EXPECT_EQ(field, copy.GetField(L"a"));
    EXPECT_EQ(L"LightV", copy.GetLightView());
    EXPECT_EQ(5, copy.GetBufferSize());
    EXPECT_EQ(1, copy.HasSupportLocaleFormatField());
    EXPECT_EQ(L"", copy.GetLocaleLookupField());
    EXPECT_EQ(L"", copy.GetLocaleQry());
    EXPECT_EQ(0, copy.IsDBCopyRootTable());
    EXPECT_EQ(rtStats, copy.GetCurrentRootType());
    copy.SetChild(L"C2");
    EXPECT_EQ(1, source.GetChildCount());
    EXPECT_EQ(2, copy.GetChildCount());

    VrlTable assigned(L"Other", {}, {}, L"", 0, 0u, L"OwnLookup", L"OwnQuery", rtUndefined, V(25));
    assigned = source;
    EXPECT_EQ(L"T", assigned.GetName());
    EXPECT_EQ(L"OwnLookup", assigned.GetLocaleLookupField());
    EXPECT_EQ(L"OwnQuery", assigned.GetLocaleQry());
    EXPECT_EQ(1, assigned.GetChildCount());
}

TEST_F(VrlTableTest, SelfReferenceIsDetectedCaseSensitively) {
    auto node = [&](VrlConstraintType type, const wchar_t* refTable) {
        return keep.Table(L"Node", {keep.Field(L"ID")},
                          {keep.Ref(L"FK", type, L"ParentID", refTable, L"ID")});
    };
    EXPECT_EQ(1, node(ctForeignKey, L"Node")->GetIsSelfReferential());
    EXPECT_EQ(0, node(ctForeignKey, L"node")->GetIsSelfReferential());
    VrlTable* seven = node(ctForeignKey7, L"Node");
    EXPECT_EQ(0, seven->GetIsSelfReferential());
    seven->SetIsSelfReferential(L"Elsewhere");
    EXPECT_EQ(0, seven->GetIsSelfReferential());
}

TEST_F(VrlTableTest, MemoTableIsTheExtendedTableOfTheFirstMemoField) {
    VrlTable* notes = keep.PlainTable(L"Notes");
    VrlTable* doc = keep.Table(
        L"Doc", {keep.Field(L"ID"), keep.MemoField(L"Text", L"notes"), keep.MemoField(L"More", L"Other")});
    VrlTable* broken = keep.Table(L"Broken", {keep.MemoField(L"Text", L"Missing")});
    VrlSchema schema = VrlSchemaTest::MakeSchema({notes, doc, broken});
    EXPECT_EQ(notes, doc->GetMemoTable(&schema));
    EXPECT_EQ(nullptr, notes->GetMemoTable(&schema));
    ExpectDux(4070, [&] { broken->GetMemoTable(&schema); });
}

TEST_F(VrlTableTest, DefaultValuesNeedRows) {
    std::vector<CString> columns{L"ID"};
    std::vector<CComVariant> none, one{CComVariant(1)};
    VrlTableData empty(columns, none), filled(columns, one);
    std::vector<CString> noColumns;
    VrlTableData shapeless(noColumns, one);
    EXPECT_FALSE(keep.Table(L"T", {})->HasDefaultValues());
    for (VrlTableData* data : {&empty, &shapeless})
        EXPECT_FALSE(VrlTable(L"T", std::vector<VrlField*>{}, L"", 0, 0u, data, rtUndefined, V(25))
                         .HasDefaultValues());
    VrlTable* seeded = keep.Make<VrlTable>(L"T", std::vector<VrlField*>{}, std::vector<VrlConstraint*>{}, L"",
                                           0, 0u, &filled, &empty, rtUndefined, V(25));
    EXPECT_TRUE(seeded->HasDefaultValues());
    EXPECT_EQ(&empty, seeded->GetVrlTableDataEnglish());
}

namespace VrlSchemaLib {
class VrlTableDataTestAccess {
public:
    static CString MakeUniqueKey(const wchar_t* uniqueValue, const wchar_t* column) {
        return VrlTableData::MakeUniqueKey(uniqueValue, column);
    }
};
} // namespace VrlSchemaLib

namespace {

CString Text(const COleVariant& value) {
    EXPECT_EQ(VT_BSTR, value.vt);
    return value.vt == VT_BSTR ? CString(value.bstrVal) : CString();
}

class VrlTableDataTest : public ::testing::Test {
protected:
    std::vector<CString> columns{L"ID", L"Name"};
    std::vector<CComVariant> values{CComVariant(1), CComVariant(L"A"), CComVariant(2), CComVariant(L"B")};
};

} // namespace

TEST_F(VrlTableDataTest, RowsAreReadRowMajorWithCheckedIndexes) {
    VrlTableData data(columns, values);
    EXPECT_EQ(2, data.GetColCount());
    EXPECT_EQ(2, data.GetRowCount());
    EXPECT_EQ(L"Name", data.GetColName(1));
    EXPECT_EQ(CString(L"B"), CString(data.GetValue(1, 1).bstrVal));
    EXPECT_EQ(2, data.GetValue(1, 0).lVal);
    for (const auto& [row, column] : {std::pair{2, 0}, {0, 2}, {-1, 0}})
        ExpectDux(4071, [&] { data.GetValue(row, column); });
    for (LONG column : {2, -1})
        ExpectDux(4071, [&] { data.GetColName(column); });
    EXPECT_EQ(L"", data.GetUniqueIDColumn());

    std::vector<CString> none;
    VrlTableData shapeless(none, values);
    EXPECT_EQ(0, shapeless.GetRowCount());
}

TEST_F(VrlTableDataTest, FindsValuesByUniqueIdWithoutRegardToCase) {
    VrlTableData data(columns, values, L"ID");
    EXPECT_EQ(L"ID", data.GetUniqueIDColumn());
    COleVariant out(L"untouched");
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"name", out));
    EXPECT_EQ(L"B", Text(out));
    COleVariant miss(L"untouched");
    EXPECT_FALSE(data.GetValueFromResource(L"3", L"Name", miss));
    EXPECT_EQ(L"untouched", Text(miss));

    // The unique-ID column itself is matched exactly.
    VrlTableData wrongCase(columns, values, L"id");
    ExpectDux(4071, [&] { wrongCase.GetValueFromResource(L"2", L"Name", out); });
    // A matching row with an unknown column raises through GetValue.
    ExpectDux(4071, [&] { data.GetValueFromResource(L"1", L"Nope", out); });
}

TEST_F(VrlTableDataTest, CachedTextsWinUntilCleared) {
    VrlTableData data(columns, values, L"ID");
    data.CacheValue(L"2", L"Name", COleVariant(L"Z"));
    COleVariant out;
    EXPECT_TRUE(data.GetCachedValue(L"2", L"Name", out));
    EXPECT_EQ(L"Z", Text(out));
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"Name", out));
    EXPECT_EQ(L"Z", Text(out));
    // The key is exact: another spelling reads the rows.
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"NAME", out));
    EXPECT_EQ(L"B", Text(out));
    data.ClearCacheValue(L"2", L"Name");
    EXPECT_FALSE(data.GetCachedValue(L"2", L"Name", out));
    EXPECT_TRUE(data.GetValueFromResource(L"2", L"Name", out));
    EXPECT_EQ(L"B", Text(out));
    // A lookup does not fill the cache.
    EXPECT_FALSE(data.GetCachedValue(L"2", L"Name", out));
    data.ClearCacheValue(L"9", L"Name"); // absent: no effect

    EXPECT_EQ(L"2-Name", VrlTableDataTestAccess::MakeUniqueKey(L"2", L"Name"));
}
