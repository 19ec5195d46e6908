#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "common/HostMessagesFixture.h"
#include "platform/StringResources.h"
#include "schema/VrlField.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

VrlField MakeField(const wchar_t* name = L"Name") {
    return VrlField(name, VrlDataDefinition(dtString, 50), COleVariant(L"x"), ntNotNull, CString(L"A name"),
                    0, paNone, V(25), 1, 1);
}

} // namespace

TEST(VrlField, NewFieldReadsDefaultsWithoutCreatingRecords) {
    VrlField field = MakeField();
    EXPECT_EQ(0, field.GetFlag(static_cast<VrlFieldFlag>(0x7FFFFFFF)));
    EXPECT_EQ(-1, field.GetOrderNumber());
    EXPECT_STREQ(L"", field.GetExternalName());
    EXPECT_STREQ(L"", field.GetTranslateTable());
    EXPECT_STREQ(L"", field.GetParentKeyTable());
    EXPECT_STREQ(L"", field.GetOldName());
    EXPECT_STREQ(L"", field.GetOldExtName());
    EXPECT_STREQ(L"", field.GetXmlDefault());
    EXPECT_EQ(rtUndefined, field.GetCurrentRootType());

    // A record created by a write starts with the same values.
    field.SetExternalName(L"Ext");
    EXPECT_EQ(-1, field.GetOrderNumber());
    EXPECT_EQ(0, field.GetFlag(ffWithMilliseconds));
}

TEST(VrlField, EachRootTypeKeepsItsOwnRecord) {
    VrlField field = MakeField();
    field.SetCurrentRootType(rtStats);
    field.SetExternalName(L"X");
    field.SetOrderNumber(7);
    field.SetCurrentRootType(rtSiteProfiles);
    EXPECT_STREQ(L"", field.GetExternalName());
    EXPECT_EQ(-1, field.GetOrderNumber());
    field.SetExternalName(L"Y");
    field.SetCurrentRootType(rtStats);
    EXPECT_STREQ(L"X", field.GetExternalName());
    EXPECT_EQ(7, field.GetOrderNumber());
    field.SetCurrentRootType(rtSiteProfiles);
    EXPECT_STREQ(L"Y", field.GetExternalName());
}

TEST(VrlField, FlagsAccumulateAndXmlDefaultsFormatNumbers) {
    VrlField field = MakeField();
    field.SetFlag(ffWithMilliseconds);
    field.SetFlag(ffTimeOffset);
    EXPECT_NE(0, field.GetFlag(ffWithMilliseconds));
    EXPECT_NE(0, field.GetFlag(ffTimeOffset));
    EXPECT_EQ(0x6000, field.GetFlag(static_cast<VrlFieldFlag>(0x6001)));
    field.SetXmlDefault(42);
    EXPECT_STREQ(L"42", field.GetXmlDefault());
    field.SetXmlDefault(-2147483647 - 1);
    EXPECT_STREQ(L"-2147483648", field.GetXmlDefault());
    field.SetXmlDefault(L"<v/>");
    EXPECT_STREQ(L"<v/>", field.GetXmlDefault());
}

TEST(VrlField, CopiesDuplicateRecordsAndKeepTheTable) {
    VrlSchemaTest::ObjectKeeper keep;
    VrlTable* table = keep.Table(L"Owner", {});
    VrlField field = MakeField();
    field.SetTable(table);
    field.SetCurrentRootType(rtStats);
    field.SetTranslateTable(L"T1");

    VrlField copy(field);
    EXPECT_EQ(table, copy.GetTable());
    EXPECT_EQ(rtStats, copy.GetCurrentRootType());
    EXPECT_STREQ(L"T1", copy.GetTranslateTable());
    copy.SetTranslateTable(L"T2");
    EXPECT_STREQ(L"T1", field.GetTranslateTable());

    VrlField assigned(L"Other", V(25));
    assigned = field;
    EXPECT_EQ(L"Name", assigned.GetName());
    EXPECT_FALSE(assigned.IsDropped());
    EXPECT_STREQ(L"T1", assigned.GetTranslateTable());
    EXPECT_EQ(1, assigned.IsResourceBasedField());
    EXPECT_EQ(1, assigned.IsConvertFormat());
    EXPECT_EQ(dtString, assigned.GetDataType());
    EXPECT_EQ(50, assigned.GetLength());
    EXPECT_EQ(ntNotNull, assigned.GetNullType());
}

TEST(VrlField, DroppedMarkerHasNothingButNameAndVersion) {
    VrlField marker(L"Gone", V(40));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(V(40), marker.GetVersion());
    EXPECT_EQ(L"", marker.GetDescription());
    EXPECT_EQ(0, marker.IsFake());
    EXPECT_EQ(nullptr, marker.GetTable());
    EXPECT_EQ(VT_EMPTY, marker.GetDefaultValue().vt);
}

TEST(VrlField, DescriptionsAreBrandedWhenBuiltButNotWhenSet) {
    static const StringResource texts[] = {{91001, L"Number of {ProductName} batches."}};
    AfxRegisterStringTable(texts, 1);
    VrlField fromId(L"Count", VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull, 91001u, 0, paNone,
                    V(25), 0, 0);
    AfxUnregisterStringTable(texts);
    EXPECT_EQ(L"Number of " + VrlSchemaObject::sm_oOemMgr.GetProductName() + L" batches.",
              fromId.GetDescription());

    VrlField fromText(L"Count", VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull,
                      CString(L"{ProductShort} count"), 0, paNone, V(25), 0, 0);
    EXPECT_EQ(VrlSchemaObject::sm_oOemMgr.GetProductShort() + L" count", fromText.GetDescription());
    fromText.SetDescription(L"{ProductShort} raw");
    EXPECT_EQ(L"{ProductShort} raw", fromText.GetDescription());
}
