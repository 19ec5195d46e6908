#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "schema/VrlTableTreeNames.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

CString Joined(const CStringArray& names) {
    CString joined;
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        if (i > 0)
            joined += L",";
        joined += names.GetAt(i);
    }
    return joined;
}

class VrlTableTreeNamesTest : public ::testing::Test {
protected:
    VrlTable* Add(const wchar_t* name, bool faked = false, const wchar_t* memoTable = nullptr) {
        std::vector<VrlField*> fields{keep.Field(L"ID", V(25), dtInteger, faked ? 1 : 0)};
        if (memoTable != nullptr)
            fields.push_back(keep.MemoField(L"Text", memoTable));
        VrlTable* table = keep.Table(name, fields);
        tables.push_back(table);
        return table;
    }
    VrlSchema Schema() const { return VrlSchemaTest::MakeSchema(tables); }

    VrlSchemaTest::ObjectKeeper keep;
    std::vector<VrlTable*> tables;
};

} // namespace

TEST_F(VrlTableTreeNamesTest, WalksDepthFirstAndListsEachTableOnce) {
    VrlTable* root = Add(L"Root");
    VrlTable* alpha = Add(L"Alpha");
    VrlTable* beta = Add(L"Beta");
    VrlTable* gamma = Add(L"Gamma");
    Add(L"Delta");
    root->SetChild(L"Alpha");
    root->SetChild(L"Beta");
    alpha->SetChild(L"Gamma");
    beta->SetChild(L"Gamma"); // met again from a second parent
    gamma->SetChild(L"Delta");

    VrlSchema schema = Schema();
    VrlTableTreeNames tree(&schema);
    CStringArray names;
    names.Add(L"Existing");
    tree.GetNames(root, names);
    EXPECT_EQ(L"Existing,Alpha,Gamma,Delta,Beta", Joined(names));
}

TEST_F(VrlTableTreeNamesTest, FakedChildrenHideTheirSubtree) {
    VrlTable* root = Add(L"Root");
    VrlTable* group = Add(L"Group", true);
    Add(L"Real");
    Add(L"Other");
    root->SetChild(L"Group");
    root->SetChild(L"Other");
    group->SetChild(L"Real");

    VrlSchema schema = Schema();
    VrlTableTreeNames tree(&schema);
    CStringArray names;
    tree.GetNames(root, names);
    EXPECT_EQ(L"Other", Joined(names));
}

TEST_F(VrlTableTreeNamesTest, MemoTablesFollowEverySubtreeThatUsesThem) {
    VrlTable* root = Add(L"Root");
    VrlTable* doc = Add(L"Doc", false, L"Notes");
    VrlTable* page = Add(L"Page", false, L"Notes");
    Add(L"Notes");
    root->SetChild(L"Doc");
    doc->SetChild(L"Page");

    VrlSchema schema = Schema();
    VrlTableTreeNames tree(&schema);
    CStringArray names;
    tree.GetNames(root, names);
    EXPECT_EQ(L"Doc,Page,Notes,Notes", Joined(names));

    // The seen set outlives the call: a second walk adds the memo names only.
    CStringArray again;
    tree.GetNames(root, again);
    EXPECT_EQ(L"Notes,Notes", Joined(again));
    (void)page;
}

TEST_F(VrlTableTreeNamesTest, CyclesInChildListsAreNotFollowed) {
    VrlTable* folder = Add(L"Folder");
    VrlTable* item = Add(L"Item");
    folder->SetChild(L"Folder"); // a table that nests in itself
    folder->SetChild(L"Item");
    item->SetChild(L"Folder");

    VrlSchema schema = Schema();
    VrlTableTreeNames tree(&schema);
    CStringArray names;
    tree.GetNames(folder, names);
    EXPECT_EQ(L"Folder,Item", Joined(names));
}

TEST_F(VrlTableTreeNamesTest, UnknownChildRaisesAndKeepsWhatWasListed) {
    VrlTable* root = Add(L"Root");
    Add(L"Known");
    root->SetChild(L"Known");
    root->SetChild(L"Unknown");
    VrlSchema schema = Schema();
    VrlTableTreeNames tree(&schema);
    CStringArray names;
    ExpectDux(4070, [&] { tree.GetNames(root, names); });
    EXPECT_EQ(L"Known", Joined(names));

    VrlTable marker(L"Gone", V(30));
    ExpectDux(4111, [&] { tree.GetNames(&marker, names); });
}
