#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "schema/CSchemaObjectCollection.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

CString NamesOf(const CSchemaObjectCollection& collection) {
    CString names;
    for (const VrlSchemaObject* object : collection.GetObjects()) {
        if (!names.IsEmpty())
            names += L",";
        names += object->GetName();
    }
    return names;
}

} // namespace

TEST(CSchemaObjectCollection, KeepsInsertionOrderAndFindsWithoutRegardToCase) {
    VrlView a(L"Alpha", L"", L""), b(L"BatchDef", L"", L""), c(L"Gamma", L"", L"");
    CSchemaObjectCollection collection;
    collection.Add(&a, V(25));
    collection.Add(&b, V(25));
    collection.Add(&c, V(25));
    EXPECT_EQ(L"Alpha,BatchDef,Gamma", NamesOf(collection));
    EXPECT_EQ(&b, collection.Find(L"batchdef"));
    EXPECT_EQ(&b, collection.Find(L"BATCHDEF"));
    EXPECT_EQ(nullptr, collection.Find(L"BatchDe"));
    EXPECT_EQ(nullptr, collection.Find(nullptr));
    EXPECT_EQ(&c, collection.GetAt(2));
    EXPECT_EQ(nullptr, collection.GetAt(3));
    EXPECT_EQ(nullptr, collection.GetAt(-1));
}

TEST(CSchemaObjectCollection, LaterVersionTakesThePlaceOfTheEarlierOne) {
    VrlView a25(L"A", L"old", L"", V(25)), b(L"B", L"", L""), a30(L"a", L"new", L"", V(30));
    CSchemaObjectCollection collection;
    collection.Add(&a25, V(35));
    collection.Add(&b, V(35));
    EXPECT_TRUE(collection.Add(&a30, V(35)));
    ASSERT_EQ(2, collection.GetCount());
    EXPECT_EQ(&a30, collection.GetAt(0)); // in the first one's position
    EXPECT_EQ(&a30, collection.Find(L"A"));

    // An older version listed after a newer one is ignored; an equal one wins.
    VrlView a20(L"A", L"older", L"", V(20)), a30b(L"A", L"equal", L"", V(30));
    EXPECT_FALSE(collection.Add(&a20, V(35)));
    EXPECT_EQ(&a30, collection.Find(L"a"));
    EXPECT_TRUE(collection.Add(&a30b, V(35)));
    EXPECT_EQ(&a30b, collection.Find(L"a"));
}

TEST(CSchemaObjectCollection, ObjectNewerThanTheContainerIsLeftOut) {
    VrlView a(L"A", L"", L"", V(25, 10001));
    CSchemaObjectCollection collection;
    EXPECT_FALSE(collection.Add(&a, V(25)));
    EXPECT_EQ(0, collection.GetCount());
    EXPECT_TRUE(collection.Add(&a, V(25, 10001)));
}

TEST(CSchemaObjectCollection, DroppedMarkerRemovesAndRenumbers) {
    VrlView a(L"A", L"", L""), b(L"B", L"", L""), c(L"C", L"", L""), d(L"D", L"", L"");
    VrlView dropB(L"b", V(30));
    CSchemaObjectCollection collection;
    for (VrlView* view : {&a, &b, &c, &d})
        collection.Add(view, V(30));
    collection.Add(&dropB, V(30));
    EXPECT_EQ(L"A,C,D", NamesOf(collection));
    EXPECT_EQ(nullptr, collection.Find(L"B"));

    // Positions behind the gap moved: a replacement of D lands on D's slot.
    VrlView d2(L"D", L"", L"", V(30));
    collection.Add(&d2, V(30));
    EXPECT_EQ(&d2, collection.GetAt(2));
    EXPECT_EQ(3, collection.GetCount());
}

TEST(CSchemaObjectCollection, DroppedMarkerThatMeetsNothingStaysAndBlocksOlderObjects) {
    VrlView marker(L"X", V(30)), older(L"X", L"", L"", V(25));
    CSchemaObjectCollection collection;
    collection.Add(&marker, V(30));
    ASSERT_EQ(&marker, collection.Find(L"x"));
    EXPECT_TRUE(collection.Find(L"x")->IsDropped());
    EXPECT_FALSE(collection.Add(&older, V(30)));
    EXPECT_EQ(&marker, collection.Find(L"x"));
}
