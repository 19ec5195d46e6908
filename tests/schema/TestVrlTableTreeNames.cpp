#include <gtest/gtest.h>

#include <memory>

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
    // The names one walk from `root` lists, after those already in `names`.
    CString Walk(VrlTable* root, CStringArray& names) {
        if (!tree) {
            schema = VrlSchemaTest::MakeSchema(tables);
            tree = std::make_unique<VrlTableTreeNames>(&schema);
        }
        tree->GetNames(root, names);
        return Joined(names);
    }
    CString Walk(VrlTable* root) {
        CStringArray names;
        return Walk(root, names);
    }

    VrlSchemaTest::ObjectKeeper keep;
    std::vector<VrlTable*> tables;
    VrlSchema schema = VrlSchemaTest::MakeSchema({});
    std::unique_ptr<VrlTableTreeNames> tree;
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

    CStringArray names;
    names.Add(L"Existing");
    EXPECT_EQ(L"Existing,Alpha,Gamma,Delta,Beta", Walk(root, names));
}

TEST_F(VrlTableTreeNamesTest, FakedChildrenHideTheirSubtree) {
    VrlTable* root = Add(L"Root");
    VrlTable* group = Add(L"Group", true);
    Add(L"Real");
    Add(L"Other");
    root->SetChild(L"Group");
    root->SetChild(L"Other");
    group->SetChild(L"Real");

    EXPECT_EQ(L"Other", Walk(root));
}

TEST_F(VrlTableTreeNamesTest, MemoTablesFollowEverySubtreeThatUsesThem) {
    VrlTable* root = Add(L"Root");
    VrlTable* doc = Add(L"Doc", false, L"Notes");
    VrlTable* page = Add(L"Page", false, L"Notes");
    Add(L"Notes");
    root->SetChild(L"Doc");
    doc->SetChild(L"Page");

    EXPECT_EQ(L"Doc,Page,Notes,Notes", Walk(root));
    // The seen set outlives the call: a second walk adds the memo names only.
    EXPECT_EQ(L"Notes,Notes", Walk(root));
    (void)page;
}

TEST_F(VrlTableTreeNamesTest, CyclesInChildListsAreNotFollowed) {
    VrlTable* folder = Add(L"Folder");
    VrlTable* item = Add(L"Item");
    folder->SetChild(L"Folder"); // a table that nests in itself
    folder->SetChild(L"Item");
    item->SetChild(L"Folder");

    EXPECT_EQ(L"Folder,Item", Walk(folder));
}

TEST_F(VrlTableTreeNamesTest, UnknownChildRaisesAndKeepsWhatWasListed) {
    VrlTable* root = Add(L"Root");
    Add(L"Known");
    root->SetChild(L"Known");
    root->SetChild(L"Unknown");
    CStringArray names;
    ExpectDux(4070, [&] { Walk(root, names); });
    EXPECT_EQ(L"Known", Joined(names));

    VrlTable marker(L"Gone", V(30));
    ExpectDux(4111, [&] { Walk(&marker, names); });
}
