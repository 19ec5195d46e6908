// The model check, rule by rule: each case of texts/rules.txt breaks one rule
// in the clean two-table model of texts/model.json and must yield exactly
// that one finding, with its code, object path and JSON path; the clean
// model yields none on any target.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "check/VrlSchemaCheck.h"
#include "common/TestData.h"
#include "schema/SchemaTestObjects.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaTest;

namespace VrlSchemaTest {

// gtest would otherwise print a case as its raw bytes, padding included,
// which memcheck reports as a read of uninitialised memory.
void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.Key("name");
}

} // namespace VrlSchemaTest

namespace {

// The model of texts/model.json changed by a JSON patch.
std::unique_ptr<SchemaFile> Model(const std::string& patch, Dialect target = Dialect::SqlServer) {
    const auto model = nlohmann::json::parse(ReadDataFile("check/texts/model.json"));
    return SchemaFile::Parse(model.patch(nlohmann::json::parse(patch)).dump(), "model.json", target);
}

std::vector<VrlCheckFinding> Check(const SchemaFile& file, Dialect target, bool unicodeLiterals = false) {
    VrlCheckOptions options;
    options.target = target;
    options.unicodeLiterals = unicodeLiterals;
    options.record = &file.GetRecord();
    return VrlSchemaCheck::Run(file.GetSchema(), options);
}

// Code, JSON path and object path of each finding, a line each.
std::string Listed(const std::vector<VrlCheckFinding>& findings) {
    std::string text;
    for (const VrlCheckFinding& f : findings)
        text += f.code + " " + f.jsonPath + " " + f.objectPath.ToUtf8() + "\n";
    return text;
}

class CheckRule : public ::testing::TestWithParam<DataCase> {};

TEST_P(CheckRule, BrokenModelGivesExactlyItsFinding) {
    const DataCase& c = GetParam();
    const Dialect target = ParseDialect(c.Key("target")).value();
    const auto file = Model(c.text, target);
    const std::vector<VrlCheckFinding> findings = Check(*file, target, c.Key("unicode") == "yes");
    if (c.Key("code").empty()) {
        EXPECT_TRUE(findings.empty()) << Listed(findings);
        return;
    }
    ASSERT_EQ(1u, findings.size()) << Listed(findings);
    const VrlCheckSeverity severity =
        c.Key("severity") == "warning" ? VrlCheckSeverity::Warning : VrlCheckSeverity::Error;
    EXPECT_EQ(c.Key("code"), findings[0].code);
    EXPECT_EQ(c.Key("path"), findings[0].objectPath.ToUtf8());
    EXPECT_EQ(severity, findings[0].severity);
    EXPECT_EQ(severity == VrlCheckSeverity::Error, VrlSchemaCheck::HasErrors(findings));
    EXPECT_FALSE(findings[0].message.IsEmpty());
    EXPECT_EQ(0u, findings[0].jsonPath.find('/')) << Listed(findings);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckRule, ::testing::ValuesIn(ReadDataCases("check/texts/rules.txt")),
                         [](const ::testing::TestParamInfo<DataCase>& info) {
                             return info.param.Key("name");
                         });

// The file reader refuses a foreign key whose column lists differ in length,
// so the model for this rule is built in code; it has no JSON paths.
TEST(CheckModel, ForeignKeyColumnCountsDiffer) {
    ObjectKeeper keep;
    auto* fk = keep.Make<VrlConstraint>(
        L"FK_Orders_Customer", ctForeignKey, std::vector<CString>{L"CustomerID"}, L"Customer",
        std::vector<CString>{L"CustomerID", L"Title"}, odNoAction, ouNoAction, VrlSchemaVersion());
    const VrlSchema schema =
        MakeSchema({keep.Table(L"Customer", {keep.Field(L"CustomerID"), keep.Field(L"Title")}),
                    keep.Table(L"Orders", {keep.Field(L"CustomerID")}, {fk})});
    const auto findings = VrlSchemaCheck::Run(schema, VrlCheckOptions());
    ASSERT_EQ(1u, findings.size()) << Listed(findings);
    EXPECT_EQ("fk-column-count", findings[0].code);
    EXPECT_EQ(CString(L"tables/Orders/constraints/FK_Orders_Customer"), findings[0].objectPath);
    EXPECT_TRUE(findings[0].jsonPath.empty()) << "a model built in code has no file";
}

// Models share one text among the objects of one name (the reader does so
// for columns). Each use of a shared text is checked as what it names, and
// each place where it is wrong is reported.
TEST(CheckModel, ASharedNameIsCheckedAtEveryPlaceAndAsWhatItNames) {
    ObjectKeeper keep;
    const CString reserved(L"Order");
    const CString longName(L"IX_Name_Longer_Than_Thirty_Chars"); // 32: fine for an Oracle index only
    const auto field = [&](const CString& name) {
        return keep.Make<VrlField>(name, VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull,
                                   CString(L"d"), 0, paNone, VrlSchemaVersion(), 0, 0);
    };
    auto* index = keep.Make<VrlConstraint>(longName, ctIndex, CString(L"ID"), VrlSchemaVersion());
    const VrlSchema schema =
        MakeSchema({keep.Table(L"First", {field(L"ID"), field(reserved)}, {index}),
                    keep.Table(L"Second", {field(L"ID"), field(reserved), field(longName)})});
    VrlCheckOptions options;
    options.target = Dialect::Oracle;
    EXPECT_EQ("name-reserved  tables/First/fields/Order\n"
              "name-reserved  tables/Second/fields/Order\n"
              "name-too-long  tables/Second/fields/IX_Name_Longer_Than_Thirty_Chars\n",
              Listed(VrlSchemaCheck::Run(schema, options)));
}

// The mistakes of texts/mistakes.json, once seen going into SQL unseen: each
// found with its JSON path, in the order of the model and the reader's notes
// last.
TEST(CheckModel, FindingsPointIntoTheFile) {
    const auto file =
        SchemaFile::Parse(ReadDataFile("check/texts/mistakes.json"), "shop.json", Dialect::SqlServer);
    const auto findings = Check(*file, Dialect::SqlServer);
    EXPECT_EQ(ReadDataFile("check/texts/mistakes-findings.txt"), Listed(findings));
    EXPECT_TRUE(VrlSchemaCheck::HasErrors(findings));
}

// The findings carry the JSON paths the record holds, and what the reader
// merged away comes back as findings.
TEST(CheckModel, FileRecordGivesJsonPathsAndMergedDuplicates) {
    const auto file =
        Model(R"([{"op": "replace", "path": "/tables/1/constraints/1/refTable", "value": "Nope"}])");
    SchemaFileRecord record("schema.json");
    record.SetPath(file->GetSchema().GetTable(L"Orders")->GetConstraint(L"FK_Orders_Customer"),
                   "/tables/1/constraints/1");
    record.AddNote({SchemaFileRecord::NoteKind::Duplicate, L"tables/Customer/fields/title",
                    "/tables/0/fields/3", "/tables/0/fields/1"});
    record.AddNote({SchemaFileRecord::NoteKind::NoDialectText, L"views/vwOracleOnly", "/views/0", ""});
    VrlCheckOptions options;
    options.record = &record;
    const auto findings = VrlSchemaCheck::Run(file->GetSchema(), options);
    ASSERT_EQ(
        "fk-missing-table /tables/1/constraints/1/refTable tables/Orders/constraints/FK_Orders_Customer\n"
        "duplicate-name /tables/0/fields/3 tables/Customer/fields/title\n"
        "object-left-out /views/0 views/vwOracleOnly\n",
        Listed(findings));
    EXPECT_NE(-1, findings[1].message.Find(L"/tables/0/fields/1"));
    EXPECT_EQ(VrlCheckSeverity::Warning, findings[2].severity);
}

} // namespace
