// Fields, constraints, routines, views, versions and the catalogue queries
// that tell whether an object exists.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "common/Fmt.h"
#include "common/HostMessagesFixture.h"
#include "common/TestData.h"
#include "platform/StringResources.h"
#include "schema/ObjectExistsFormats.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlFunction.h"
#include "schema/VrlParam.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;
using VrlSchemaTest::Version;

namespace {

const char* const kCases = "schema/texts/objects.txt";

VrlField MakeField(const wchar_t* name = L"Name") {
    return VrlField(name, VrlDataDefinition(dtString, 50), COleVariant(L"x"), ntNotNull, CString(L"A name"),
                    0, paNone, V(25), 1, 1);
}

// A nullable integer field without marks.
VrlField IntField(const wchar_t* name, const COleVariant& value = COleVariant(),
                  const CString& description = CString()) {
    return VrlField(name, VrlDataDefinition(dtInteger, 0), value, ntNull, description, 0, paNone, V(25), 0,
                    0);
}

// The field's record of the current root type: the order number, then the
// external, translate, parent key, old and old external names and the XML
// default.
std::string Record(const VrlField& f) {
    return Fmt(L"%d %s|%s|%s|%s|%s|%s", f.GetOrderNumber(), f.GetExternalName(), f.GetTranslateTable(),
               f.GetParentKeyTable(), f.GetOldName(), f.GetOldExtName(), f.GetXmlDefault())
        .ToUtf8();
}

VrlConstraint Reference(VrlConstraintType type) {
    return VrlConstraint(L"F", type, CString(L"A"), L"T", CString(L"B"), odNoAction, ouNoAction, clDefault,
                         V(25));
}

} // namespace

// A new field reads blank records without creating one; each root type then
// keeps its own record, and flags only accumulate.
TEST(VrlField, RecordsPerRootTypeFlagsAndXmlDefaults) {
    VrlField field = MakeField();
    EXPECT_EQ(0, field.GetFlag(static_cast<VrlFieldFlag>(0x7FFFFFFF)));
    EXPECT_EQ("-1 |||||", Record(field));
    EXPECT_EQ(rtUndefined, field.GetCurrentRootType());
    field.SetExternalName(L"Ext"); // a record created by a write starts blank
    EXPECT_EQ("-1 Ext|||||", Record(field));
    EXPECT_EQ(0, field.GetFlag(ffWithMilliseconds));

    field.SetCurrentRootType(rtStats);
    field.SetExternalName(L"X");
    field.SetOrderNumber(7);
    field.SetCurrentRootType(rtSiteProfiles);
    EXPECT_EQ("-1 |||||", Record(field));
    field.SetExternalName(L"Y");
    field.SetCurrentRootType(rtStats);
    EXPECT_EQ("7 X|||||", Record(field));
    field.SetCurrentRootType(rtSiteProfiles);
    EXPECT_EQ("-1 Y|||||", Record(field));

    field.SetFlag(ffWithMilliseconds);
    field.SetFlag(ffTimeOffset);
    EXPECT_NE(0, field.GetFlag(ffWithMilliseconds));
    EXPECT_NE(0, field.GetFlag(ffTimeOffset));
    EXPECT_EQ(0x6000, field.GetFlag(static_cast<VrlFieldFlag>(0x6001)));
    field.SetXmlDefault(42);
    EXPECT_EQ("-1 Y|||||42", Record(field));
    field.SetXmlDefault(-2147483647 - 1);
    EXPECT_EQ("-1 Y|||||-2147483648", Record(field));
    field.SetXmlDefault(L"<v/>");
    EXPECT_EQ("-1 Y|||||<v/>", Record(field));
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
    EXPECT_EQ(dtString, assigned.GetDataType());
    EXPECT_EQ(50, assigned.GetLength());
    EXPECT_EQ(ntNotNull, assigned.GetNullType());
}

TEST(VrlField, MarksReadAsOneAndOpenValuesReadBackWhole) {
    // 256 has no bit in the low byte: a mark kept in a narrower integer
    // would read back as 0.
    const auto nullType = static_cast<VrlNullType>(0x10002);
    const auto paste = static_cast<VrlPasteAction>(-70000);
    VrlField field(L"Odd", VrlDataDefinition(dtInteger, 0), COleVariant(), nullType, CString(), 256, paste,
                   V(25), -1, 2);
    field.SetCurrentRootType(rtBatchClassWithRights);
    const VrlField copy(field);
    for (const VrlField* f : std::initializer_list<const VrlField*>{&field, &copy}) {
        EXPECT_EQ(1, f->IsFake());
        EXPECT_EQ(1, f->IsResourceBasedField());
        EXPECT_EQ(1, f->IsConvertFormat());
        EXPECT_EQ(nullType, f->GetNullType());
        EXPECT_EQ(paste, f->GetPasteAction());
    }
    EXPECT_EQ(rtBatchClassWithRights, copy.GetCurrentRootType());

    VrlField plain = IntField(L"Plain");
    EXPECT_EQ(0, plain.IsFake());
    EXPECT_EQ(0, plain.IsResourceBasedField());
    EXPECT_EQ(0, plain.IsConvertFormat());
    plain = field;
    EXPECT_EQ(1, plain.IsConvertFormat());
    EXPECT_EQ(paste, plain.GetPasteAction());
}

// The default, the description and the records per root type are kept
// apart from the field; copies must own theirs, and a field without them
// must read them as absent.
TEST(VrlField, DefaultsDescriptionsAndRecordsBelongToEachCopy) {
    VrlField bare = IntField(L"Bare");
    EXPECT_EQ(VT_EMPTY, bare.GetDefaultValueRef().vt);
    EXPECT_EQ(VT_EMPTY, bare.GetDefaultValue().vt);
    EXPECT_EQ(L"", bare.GetDescription());

    VrlField full = IntField(L"Full", COleVariant(7L), CString(L"Seven"));
    full.SetCurrentRootType(rtStats);
    full.SetOldName(L"Old");
    VrlField copy(full);
    copy.SetDescription(L"Eight");
    copy.SetOldName(L"Older");
    EXPECT_EQ(L"Seven", full.GetDescription());
    EXPECT_STREQ(L"Old", full.GetOldName());
    EXPECT_EQ(VT_I4, copy.GetDefaultValueRef().vt);
    EXPECT_EQ(7, copy.GetDefaultValueRef().lVal);

    // Assigning a field without them clears them; setting a description
    // alone keeps no default.
    copy = bare;
    EXPECT_EQ(VT_EMPTY, copy.GetDefaultValueRef().vt);
    EXPECT_EQ(L"", copy.GetDescription());
    EXPECT_STREQ(L"", copy.GetOldName());
    bare.SetDescription(L"Described");
    EXPECT_EQ(L"Described", bare.GetDescription());
    EXPECT_EQ(VT_EMPTY, bare.GetDefaultValueRef().vt);
    bare.SetDescription(L"");
    EXPECT_EQ(L"", bare.GetDescription());

    COleVariant null; // a null default is a default
    null.vt = VT_NULL;
    EXPECT_EQ(VT_NULL, IntField(L"N", null).GetDefaultValueRef().vt);
}

TEST(VrlField, DescriptionsAreBrandedWhenBuiltButNotWhenSet) {
    static const StringResource texts[] = {{91001, L"Number of {ProductName} batches."}};
    AfxRegisterStringTable(texts, 1);
    VrlField fromId(L"Count", VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull, 91001u, 0, paNone,
                    V(25), 0, 0);
    AfxUnregisterStringTable(texts);
    EXPECT_EQ(L"Number of " + VrlSchemaObject::sm_oOemMgr.GetProductName() + L" batches.",
              fromId.GetDescription());

    VrlField fromText = IntField(L"Count", COleVariant(), CString(L"{ProductShort} count"));
    EXPECT_EQ(VrlSchemaObject::sm_oOemMgr.GetProductShort() + L" count", fromText.GetDescription());
    fromText.SetDescription(L"{ProductShort} raw");
    EXPECT_EQ(L"{ProductShort} raw", fromText.GetDescription());
}

// A leading "^" marks a key column as compared without regard to case; it is
// stripped from key columns only, never from included or referencing lists.
TEST(VrlConstraint, CaseMarkerIsStrippedFromKeyColumnsOnly) {
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

    VrlConstraint covering(L"IX2", ctIndex, {CString(L"^A")}, {CString(L"^B")}, V(25), clClustered, false);
    EXPECT_EQ((std::vector<CString>{L"^B"}), covering.GetIncludedFields());
    EXPECT_TRUE(covering.IsClustered());

    VrlConstraint key(L"FK", ctForeignKey, {CString(L"^Name")}, L"Parent", {CString(L"^ID")}, odCascade,
                      ouCascade, V(25));
    EXPECT_EQ((std::vector<CString>{L"^Name"}), key.GetFields());
    EXPECT_EQ((std::vector<CString>{L"^ID"}), key.GetRefFields());
    EXPECT_FALSE(key.IsCaseInsensitive(L"Name"));
}

// Kinds that are never generated are dropped at once; copies belong to no
// table and assignment keeps the target's.
TEST(VrlConstraint, DroppedKindsCopiesAndAssignment) {
    EXPECT_TRUE(VrlConstraint(L"U", ctUniqueNotGenerated, CString(L"A"), V(25)).IsDropped());
    EXPECT_TRUE(Reference(ctForeignKeyNotGenerated).IsDropped());
    EXPECT_FALSE(Reference(ctForeignKey7).IsDropped());
    VrlConstraint marker(L"PK", V(30));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(ctPrimaryKey, marker.GetType());
    EXPECT_TRUE(marker.GetFields().empty());

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

TEST(VrlProcedure, ParametersAreFoundByLowerCasedSubstring) {
    VrlParam first(L"@lBatchDefID", VrlDataDefinition(dtInteger, 0), ioIn);
    VrlParam second(L"@lPublishedBatchDefID", VrlDataDefinition(dtInteger, 0), ioOut);
    VrlProcedure proc(L"procPublish", {&first, &second}, L"BODY", L"BatchDef", 1, V(25), 1);
    EXPECT_EQ(&first, proc.GetParameterByName(L"@LBATCHDEFID"));
    EXPECT_EQ(&second, proc.GetParameterByName(L"PublishedBatchDefID"));
    EXPECT_EQ(&first, proc.GetParameterByName(L"DefID"));
    EXPECT_EQ(CString(L"The procedure or parameter '@Missing' was not found."),
              ExpectDux(4074, [&] { proc.GetParameterByName(L"@Missing"); }));
    EXPECT_EQ(2, proc.GetParameterCount());
    EXPECT_EQ(&second, proc.GetParameter(1));
    EXPECT_EQ(nullptr, proc.GetParameter(2));
}

// Whether a routine locks or inserts is the constructor's argument: the body
// is not parsed for it.
TEST(VrlProcedure, MarksAreExactlyTheConstructorArguments) {
    VrlProcedure noParams(L"P", L"INSERT INTO T VALUES (1)", L"T", 1, 1, V(30), 1);
    EXPECT_EQ(0, noParams.GetExplicitLocking());
    EXPECT_EQ(1, noParams.GetInsertAction());

    std::vector<VrlParam*> none;
    VrlProcedure all(L"P", none, L"SELECT 1 WITH (TABLOCKX)", L"T", 0, 1, 0, V(25), 0);
    EXPECT_EQ(1, all.GetExplicitLocking());
    EXPECT_EQ(0, all.GetInsertAction());
    VrlProcedure locked(L"P", none, L"UPDATE T WITH (TABLOCKX)", L"T", 0, V(25), 0);
    EXPECT_EQ(0, locked.GetExplicitLocking());
    EXPECT_EQ(0, locked.GetInsertAction());

    VrlProcedure marker(L"Gone", V(40));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(L"", marker.GetBody());

    VrlProcedure copy(all);
    EXPECT_EQ(1, copy.GetExplicitLocking());
    marker = all;
    EXPECT_FALSE(marker.IsDropped());
    EXPECT_EQ(L"SELECT 1 WITH (TABLOCKX)", marker.GetBody());
}

TEST(VrlFunction, CopiesRebuildTheProcedurePart) {
    VrlParam param(L"@id", VrlDataDefinition(dtGuid, 38), ioIn);
    VrlFunction func(L"fnRows", VrlDataDefinition(dtTable, 0), {&param}, L"RETURN", L"Batch", V(30));
    EXPECT_EQ(0, func.IsReadonly());
    VrlFunction copy(func);
    EXPECT_EQ(L"fnRows", copy.GetName());
    EXPECT_EQ(&param, copy.GetParameter(0));
    EXPECT_EQ(L"RETURN", copy.GetBody());
    EXPECT_EQ(V(30), copy.GetVersion());
    EXPECT_EQ(dtTable, copy.GetReturnType().GetDataType());

    VrlFunction dropped(L"fnGone", V(40));
    VrlFunction droppedCopy(dropped);
    EXPECT_TRUE(droppedCopy.IsDropped());
    droppedCopy = func;
    EXPECT_FALSE(droppedCopy.IsDropped());
    EXPECT_EQ(1, droppedCopy.GetParameterCount());
    EXPECT_EQ(38, param.GetLength());
    EXPECT_EQ(ioIn, param.GetInOutType());
}

TEST(VrlView, VersionsAndCopies) {
    VrlView view(L"vwBatch", L"SELECT * FROM Batch", L"Batch");
    VrlView later(L"vwBatch", L"SELECT ID FROM Batch", L"Batch", V(30));
    VrlView copy(later);
    EXPECT_EQ(L"SELECT ID FROM Batch", copy.GetSQL());
    EXPECT_EQ(L"Batch", copy.GetTable());
    EXPECT_EQ(V(30), copy.GetVersion());
    VrlView marker(L"vwBatch", V(40));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(L"", marker.GetSQL());
    marker = view;
    EXPECT_FALSE(marker.IsDropped());
    EXPECT_EQ(L"vwBatch", marker.GetName());
    EXPECT_EQ(L"vwbatch", marker.GetLowerName());
}

// Compare gives the difference of the first differing member (the service
// pack counts only between equal versions), or at the extremes at least its
// sign; every operator agrees with it. The default is version 25 without a
// service pack.
TEST(VrlSchemaVersion, CompareAndOperatorsOrderLexicographically) {
    for (const VrlSchemaTest::CaseRow& row : VrlSchemaTest::ReadCases(kCases, "version-compare")) {
        const VrlSchemaVersion a = Version(row[0]), b = Version(row[1]);
        const int compare = a.Compare(b);
        const int sign = (compare > 0) - (compare < 0);
        SCOPED_TRACE(row.where);
        EXPECT_EQ(std::stoi(row.fields.back()), row[2] == L"sign" ? sign : compare);
        EXPECT_EQ(sign == 0, a == b);
        EXPECT_EQ(sign != 0, a != b);
        EXPECT_EQ(sign <= 0, a <= b);
        EXPECT_EQ(sign > 0, a > b);
        EXPECT_EQ(sign >= 0, a >= b);
    }
}

TEST(VrlSchemaVersion, NextStepsTheVersionAndDropsTheServicePack) {
    const VrlSchemaVersion next = V(25, 10001).Next();
    EXPECT_EQ(next.GetVersion(), 26);
    EXPECT_EQ(next.GetServicePackNumber(), 0);
    EXPECT_EQ(V(INT32_MAX).Next().GetVersion(), INT32_MAX);
}

TEST(VrlSchemaVersion, ReleaseNumbersMapToServicePackCodes) {
    for (const VrlSchemaTest::CaseRow& row : VrlSchemaTest::ReadCases(kCases, "service-packs")) {
        VrlSchemaVersion v = V(30, 777);
        v.SetServicePackNumber(std::stol(row[0]), std::stol(row[1]), std::stol(row[2]));
        EXPECT_EQ(v.GetServicePackNumber(), std::stoi(row[3])) << row.where;
        EXPECT_EQ(v.GetVersion(), 30);
    }
}

namespace {

const VrlSchemaTest::ExpectedTexts& kTexts = VrlSchemaTest::ExpectedTexts::Of("schema/texts/exists.txt");

// Fills the object's own name in, as the generators do.
CString Query(const VrlSchemaObject& object, const ObjectExistsFormats* formats) {
    CString query;
    query.Format(object.GetExistsFormat(formats), object.GetName().GetString());
    return query;
}

int CountOf(const CString& text, const wchar_t* sub) {
    int count = 0;
    for (int at = text.Find(sub); at >= 0; at = text.Find(sub, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(ObjectExistsFormats, ProcessRecordsHoldTheirCatalogueTexts) {
    const ObjectExistsFormats* sql = ObjectExistsFormats::GetSqlServerFormats();
    const ObjectExistsFormats* ora = ObjectExistsFormats::GetOracleFormats();
    const ObjectExistsFormats* db2 = ObjectExistsFormats::GetDB2Formats();
    EXPECT_EQ(&g_oSqlServerExistsFormats, sql);
    kTexts.Expect(
        {{"oracle table", ora->GetTableFormat()}, {"db2 unique index", db2->GetUniqueIndexFormat()}});
    EXPECT_STREQ(ora->GetProcedureFormat(), ora->GetFunctionFormat());
    for (const wchar_t* none : {sql->GetSequenceFormat(), sql->GetUniqueIndexFormat(),
                                ora->GetUniqueIndexFormat(), db2->GetSequenceFormat()})
        EXPECT_STREQ(L"", none);
    // Every format of an object inside a table leaves one place for the
    // object after the table is filled in.
    for (const ObjectExistsFormats* record : {sql, ora, db2}) {
        for (const wchar_t* format : {record->GetColumnFormat(), record->GetForeignKeyFormat(),
                                      record->GetUniqueFormat(), record->GetIndexFormat()}) {
            CString filled;
            filled.Format(format, L"Person");
            EXPECT_EQ(1, CountOf(filled, L"%s")) << filled.ToUtf8();
            EXPECT_EQ(1, CountOf(filled, L"N'Person'")) << filled.ToUtf8();
        }
    }
}

TEST(ObjectExistsFormats, EachObjectKindSelectsItsFormat) {
    VrlSchemaTest::ObjectKeeper keep;
    const ObjectExistsFormats* sql = ObjectExistsFormats::GetSqlServerFormats();
    VrlField* age = keep.Field(L"Age");
    auto* pk = keep.Key(L"PK_Person", ctPrimaryKey, L"Age");
    auto* fk = keep.Ref(L"FK_Person", ctForeignKey7, L"Age", L"Other", L"ID");
    auto* uq = keep.Key(L"UQ_Person", ctUnique, L"Age");
    auto* ix = keep.Key(L"IX_Person", ctIndex6, L"Age");
    auto* odd = keep.Key(L"Odd", static_cast<VrlConstraintType>(9), L"Age");
    VrlTable* person = keep.Table(L"Person", {age}, {pk, fk, uq, ix, odd});

    kTexts.Expect({{"sqlserver column Age", Query(*age, sql)},
                   {"sqlserver primary key", Query(*pk, sql)},
                   {"sqlserver foreign key", Query(*fk, sql)},
                   {"sqlserver unique", Query(*uq, sql)},
                   {"sqlserver index", Query(*ix, sql)}});
    EXPECT_EQ(L"", odd->GetExistsFormat(sql));
    EXPECT_EQ(CString(sql->GetTableFormat()), person->GetExistsFormat(sql));

    VrlView view(L"V", L"SELECT 1", L"Person");
    VrlProcedure proc(L"P", L"", L"", 0, 0, V(25), 0);
    VrlFunction func(L"F", VrlDataDefinition(dtInteger, 0), {}, L"", L"", V(25));
    VrlParam param(L"@p", VrlDataDefinition(dtInteger, 0), ioIn);
    const ObjectExistsFormats* db2 = ObjectExistsFormats::GetDB2Formats();
    EXPECT_EQ(CString(db2->GetViewFormat()), view.GetExistsFormat(db2));
    EXPECT_EQ(CString(db2->GetProcedureFormat()), proc.GetExistsFormat(db2));
    EXPECT_EQ(CString(db2->GetFunctionFormat()), func.GetExistsFormat(db2));
    EXPECT_EQ(L"%s", param.GetExistsFormat(db2));
    EXPECT_EQ(L"%s", param.GetExistsFormat(sql));
}
