#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "schema/VrlConstraint.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

TEST(VrlConstraint, CaseMarkerIsStrippedAndRemembered) {
    VrlConstraint index(L"IX", ctIndex, {CString(L"^Name"), CString(L"ID")}, V(25));
    EXPECT_EQ((std::vector<CString>{L"Name", L"ID"}), index.GetFields());
    EXPECT_EQ((std::vector<CString>{L"Name"}), index.GetCaseInsensitiveFields());
    EXPECT_TRUE(index.IsCaseInsensitive(L"NAME"));
    EXPECT_FALSE(index.IsCaseInsensitive(L"ID"));

    VrlConstraint single(L"UQ", ctUnique, CString(L"^Code"), V(25), true);
    EXPECT_EQ((std::vector<CString>{L"Code"}), single.GetFields());
    EXPECT_TRUE(single.IsCaseInsensitive(L"code"));
    EXPECT_TRUE(single.IsSupportNullableColumns());
    EXPECT_EQ(odNone, single.GetOnDeleteType());
    EXPECT_EQ(ouNoAction, single.GetOnUpdateType());

    // Included columns are never examined for the marker.
    VrlConstraint covering(L"IX2", ctIndex, {CString(L"^A")}, {CString(L"^B")}, V(25), clClustered, false);
    EXPECT_EQ((std::vector<CString>{L"^B"}), covering.GetIncludedFields());
    EXPECT_TRUE(covering.IsClustered());
}

TEST(VrlConstraint, ListsWithReferencesAreStoredAsGiven) {
    VrlConstraint key(L"FK", ctForeignKey, {CString(L"^Name")}, L"Parent", {CString(L"^ID")}, odCascade,
                      ouCascade, V(25));
    EXPECT_EQ((std::vector<CString>{L"^Name"}), key.GetFields());
    EXPECT_EQ((std::vector<CString>{L"^ID"}), key.GetRefFields());
    EXPECT_FALSE(key.IsCaseInsensitive(L"Name"));
    EXPECT_EQ(L"Parent", key.GetRefTable());
    EXPECT_EQ(odCascade, key.GetOnDeleteType());
    EXPECT_FALSE(key.IsClustered());
    EXPECT_FALSE(key.IsSupportNullableColumns());
}

TEST(VrlConstraint, KindsThatAreNeverGeneratedAreDroppedAtOnce) {
    EXPECT_TRUE(VrlConstraint(L"U", ctUniqueNotGenerated, CString(L"A"), V(25)).IsDropped());
    EXPECT_TRUE(VrlConstraint(L"F", ctForeignKeyNotGenerated, CString(L"A"), L"T", CString(L"B"), odNoAction,
                              ouNoAction, clDefault, V(25))
                    .IsDropped());
    EXPECT_FALSE(VrlConstraint(L"F", ctForeignKey7, CString(L"A"), L"T", CString(L"B"), odNoAction,
                               ouNoAction, clDefault, V(25))
                     .IsDropped());
    VrlConstraint marker(L"PK", V(30));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(ctPrimaryKey, marker.GetType());
    EXPECT_TRUE(marker.GetFields().empty());
}

TEST(VrlConstraint, CopiesBelongToNoTableAndAssignmentKeepsTheTarget) {
    VrlSchemaTest::ObjectKeeper keep;
    VrlTable* t1 = keep.Table(L"T1", {});
    VrlTable* t2 = keep.Table(L"T2", {});
    VrlConstraint source(L"IX", ctIndex, {CString(L"^A")}, V(25));
    source.SetTable(t1);
    VrlConstraint target(L"Other", ctPrimaryKey, CString(L"B"), V(30));
    target.SetTable(t2);

    target = source;
    EXPECT_EQ(t2, target.GetTable());
    EXPECT_EQ(L"IX", target.GetName());
    EXPECT_EQ(ctIndex, target.GetType());
    EXPECT_TRUE(target.IsCaseInsensitive(L"a"));
    EXPECT_EQ(V(25), target.GetVersion());

    VrlConstraint copy(source);
    EXPECT_EQ(nullptr, copy.GetTable());
    EXPECT_EQ(source.GetFields(), copy.GetFields());
}
