#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "schema/ObjectExistsFormats.h"
#include "schema/VrlFunction.h"
#include "schema/VrlParam.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

namespace {

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

TEST(ObjectExistsFormats, TenTextRecordHasNoUniqueIndexFormat) {
    ObjectExistsFormats record(L"t", L"c", L"p", L"f", L"u", L"i", L"v", L"pr", L"fn", L"s");
    EXPECT_STREQ(L"", record.GetUniqueIndexFormat());
    EXPECT_STREQ(L"i", record.GetIndexFormat());
    EXPECT_STREQ(L"s", record.GetSequenceFormat());
    ObjectExistsFormats full(L"t", L"c", L"p", L"f", L"u", L"ui", L"i", L"v", L"pr", L"fn", nullptr);
    EXPECT_STREQ(L"ui", full.GetUniqueIndexFormat());
    EXPECT_STREQ(L"", full.GetSequenceFormat());
}

TEST(ObjectExistsFormats, ProcessRecordsHoldTheirCatalogueTexts) {
    const ObjectExistsFormats* sql = ObjectExistsFormats::GetSqlServerFormats();
    const ObjectExistsFormats* ora = ObjectExistsFormats::GetOracleFormats();
    const ObjectExistsFormats* db2 = ObjectExistsFormats::GetDB2Formats();
    EXPECT_EQ(&g_oSqlServerExistsFormats, sql);
    EXPECT_STREQ(L"SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = N'%s' ", ora->GetTableFormat());
    EXPECT_STREQ(ora->GetProcedureFormat(), ora->GetFunctionFormat());
    EXPECT_STREQ(L"", sql->GetSequenceFormat());
    EXPECT_STREQ(L"", sql->GetUniqueIndexFormat());
    EXPECT_STREQ(L"", ora->GetUniqueIndexFormat());
    EXPECT_STREQ(L"", db2->GetSequenceFormat());
    EXPECT_STREQ(
        L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'U' AND "
        L"INDNAME = N'%%s' AND TABNAME = N'%s'",
        db2->GetUniqueIndexFormat());
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
    auto* pk = keep.New<VrlConstraint>(L"PK_Person", ctPrimaryKey, CString(L"Age"), V(25));
    auto* fk = keep.New<VrlConstraint>(L"FK_Person", ctForeignKey7, CString(L"Age"), L"Other", CString(L"ID"),
                                       odNoAction, ouNoAction, clDefault, V(25));
    auto* uq = keep.New<VrlConstraint>(L"UQ_Person", ctUnique, CString(L"Age"), V(25));
    auto* ix = keep.New<VrlConstraint>(L"IX_Person", ctIndex6, CString(L"Age"), V(25));
    auto* odd = keep.New<VrlConstraint>(L"Odd", static_cast<VrlConstraintType>(9), CString(L"Age"), V(25));
    VrlTable* person = keep.Table(L"Person", {age}, {pk, fk, uq, ix, odd});

    EXPECT_EQ(L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'Person' AND COLUMN_NAME "
              L"= N'Age'",
              Query(*age, sql));
    EXPECT_EQ(
        L"SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'Person' AND "
        L"CONSTRAINT_TYPE = N'PRIMARY KEY'",
        Query(*pk, sql));
    EXPECT_EQ(CountOf(Query(*fk, sql), L"N'FK_Person'"), 1);
    EXPECT_EQ(CountOf(Query(*fk, sql), L"FOREIGN KEY"), 1);
    EXPECT_EQ(CountOf(Query(*uq, sql), L"N'UNIQUE'"), 1);
    EXPECT_EQ(CountOf(Query(*ix, sql), L"sys.indexes.Name = N'IX_Person' AND sys.objects.Name = N'Person'"),
              1);
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
