// The model check, rule by rule: each case breaks one rule in an otherwise
// clean two-table model and must yield exactly that one finding, with its
// code and object path; the clean model yields none on any target.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "check/VrlSchemaCheck.h"
#include "schema/SchemaTestObjects.h"
#include "schema/VrlTableData.h"
#include "schemafile/SchemaFileRecord.h"

using namespace VrlSchemaTest;

namespace {

// Customer(CustomerID, Title nvarchar(20), Born) with PK_Customer;
// Orders(OrderID, CustomerID, Amount byte) with PK_Orders and a foreign key
// to Customer. Cases change the parts before Build().
struct Model {
    ObjectKeeper keep;
    std::vector<VrlField*> customerFields;
    std::vector<VrlConstraint*> customerKeys;
    std::vector<VrlField*> orderFields;
    std::vector<VrlConstraint*> orderKeys;
    std::vector<VrlTable*> extraTables;
    std::vector<VrlView*> views;
    std::vector<VrlProcedure*> procedures;
    const VrlTableData* customerData = nullptr;

    VrlField* Column(const wchar_t* name, VrlDataType type, LONG length = 0,
                     COleVariant value = COleVariant()) {
        return keep.New<VrlField>(name, VrlDataDefinition(type, length), value, ntNull, CString(L""), 0,
                                  paNone, VrlSchemaVersion(), 0, 0);
    }
    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, std::vector<CString> fields) {
        return keep.New<VrlConstraint>(name, type, fields, VrlSchemaVersion(), clDefault, false);
    }
    VrlConstraint* Foreign(const wchar_t* name, std::vector<CString> fields, const wchar_t* table,
                           std::vector<CString> refFields) {
        return keep.New<VrlConstraint>(name, ctForeignKey, fields, table, refFields, odNoAction, ouNoAction,
                                       VrlSchemaVersion());
    }
    // Seed rows of Customer.
    void Seed(std::vector<CString> columns, std::vector<CComVariant> values) {
        auto* c = keep.New<std::vector<CString>>(std::move(columns));
        auto* v = keep.New<std::vector<CComVariant>>(std::move(values));
        customerData = keep.New<VrlTableData>(*c, *v);
    }
    VrlProcedure* Procedure(const wchar_t* name, std::vector<VrlParam*> params, const wchar_t* body) {
        auto* p = keep.New<VrlProcedure>(name, params, body, L"", 0, VrlSchemaVersion(), 0);
        procedures.push_back(p);
        return p;
    }
    VrlParam* Param(const wchar_t* name) {
        return keep.New<VrlParam>(name, VrlDataDefinition(dtInteger, 0), ioIn);
    }

    Model() {
        customerFields = {Column(L"CustomerID", dtInteger), Column(L"Title", dtString, 20),
                          Column(L"Born", dtDateTime)};
        customerKeys = {Key(L"PK_Customer", ctPrimaryKey, {L"CustomerID"})};
        orderFields = {Column(L"OrderID", dtInteger), Column(L"CustomerID", dtInteger),
                       Column(L"Amount", dtByte)};
        orderKeys = {Key(L"PK_Orders", ctPrimaryKey, {L"OrderID"}),
                     Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Customer", {L"CustomerID"})};
    }

    VrlSchema Build() {
        std::vector<VrlTable*> tables{keep.New<VrlTable>(L"Customer", customerFields, customerKeys, L"", 0,
                                                         0u, customerData, rtUndefined, VrlSchemaVersion()),
                                      keep.New<VrlTable>(L"Orders", orderFields, orderKeys, L"", 0, 0u,
                                                         rtUndefined, VrlSchemaVersion())};
        tables.insert(tables.end(), extraTables.begin(), extraTables.end());
        return VrlSchema(VrlSchemaVersion(), tables, views, procedures, {});
    }
};

std::string Describe(const std::vector<VrlCheckFinding>& findings) {
    std::string text;
    for (const VrlCheckFinding& f : findings)
        text += "  " + f.code + " " + f.objectPath.ToUtf8() + ": " + f.message.ToUtf8() + "\n";
    return text;
}

const CString kFk = L"tables/Orders/constraints/FK_Orders_Customer";

struct RuleCase {
    const char* name;
    Dialect target;
    std::function<void(Model&)> breakIt;
    const char* code;
    CString path;
    VrlCheckSeverity severity = VrlCheckSeverity::Error;
};

// gtest would otherwise print a case as its raw bytes, padding included,
// which memcheck reports as a read of uninitialised memory.
void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<RuleCase>& RuleCases() {
    using T = Dialect;
    const auto W = VrlCheckSeverity::Warning;
    static const std::vector<RuleCase> cases = {
        {"FkToMissingTable", T::SqlServer,
         [](Model& m) {
             m.orderKeys[1] = m.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Nope", {L"ID"});
         },
         "fk-missing-table", kFk},
        {"FkToMissingColumn", T::SqlServer,
         [](Model& m) {
             m.orderKeys[1] = m.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Customer", {L"Nope"});
         },
         "fk-missing-column", kFk},
        {"FkColumnCounts", T::SqlServer,
         [](Model& m) {
             m.orderKeys[1] =
                 m.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Customer", {L"CustomerID", L"Title"});
         },
         "fk-column-count", kFk},
        {"FkToTableWithoutColumns", T::SqlServer,
         [](Model& m) {
             m.extraTables.push_back(m.keep.Table(L"Empty", {}));
             m.orderKeys[1] = m.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Empty", {L"ID"});
         },
         "fk-empty-table", kFk},
        {"IndexOverMissingColumn", T::SqlServer,
         [](Model& m) {
             m.customerKeys.push_back(m.Key(L"IX_Customer", ctIndex, {L"Title", L"Nope"}));
         },
         "key-missing-column", L"tables/Customer/constraints/IX_Customer"},
        {"ForeignKeyOverMissingOwnColumn", T::SqlServer,
         [](Model& m) {
             m.orderKeys[1] = m.Foreign(L"FK_Orders_Customer", {L"Nope"}, L"Customer", {L"CustomerID"});
         },
         "key-missing-column", kFk},
        {"SecondPrimaryKey", T::SqlServer,
         [](Model& m) { m.customerKeys.push_back(m.Key(L"PK_Customer2", ctPrimaryKey, {L"Title"})); },
         "duplicate-primary-key", L"tables/Customer/constraints/PK_Customer2"},
        {"ViewNamedLikeTable", T::SqlServer,
         [](Model& m) { m.views.push_back(m.keep.New<VrlView>(L"customer", L"SELECT 1", L"")); },
         "duplicate-name", L"views/customer"},
        {"ConstraintNameInTwoTables", T::SqlServer,
         [](Model& m) { m.orderKeys[0] = m.Key(L"PK_Customer", ctPrimaryKey, {L"OrderID"}); },
         "duplicate-name", L"tables/Orders/constraints/PK_Customer"},
        {"ParameterTwice", T::SqlServer,
         [](Model& m) {
             m.Procedure(L"procCount", {m.Param(L"nID"), m.Param(L"NID")}, L"SELECT 1");
         },
         "duplicate-name", L"procedures/procCount/parameters/NID"},
        {"SeedColumnTheTableLacks", T::SqlServer,
         [](Model& m) {
             m.Seed({L"CustomerID", L"Nope"}, {CComVariant(1L), CComVariant(L"x")});
         },
         "seed-unknown-column", L"tables/Customer/data/columns/Nope"},
        {"TextSeedForInteger", T::SqlServer, [](Model& m) { m.Seed({L"CustomerID"}, {CComVariant(L"abc")}); },
         "value-not-convertible", L"tables/Customer/data/rows/0/CustomerID"},
        {"ByteDefaultOutOfRange", T::SqlServer,
         [](Model& m) { m.orderFields[2] = m.Column(L"Amount", dtByte, 0, COleVariant(300L)); },
         "value-out-of-range", L"tables/Orders/fields/Amount"},
        {"TextLongerThanColumn", T::Oracle,
         [](Model& m) { m.Seed({L"Title"}, {CComVariant(L"twenty-one characters")}); }, "value-too-long",
         L"tables/Customer/data/rows/0/Title"},
        {"DefaultThatIsNoDate", T::DB2,
         [](Model& m) { m.customerFields[2] = m.Column(L"Born", dtDateTime, 0, COleVariant(L"yesterday")); },
         "value-not-convertible", L"tables/Customer/fields/Born"},
        {"EmptyColumnName", T::SqlServer,
         [](Model& m) { m.customerFields.push_back(m.Column(L"", dtInteger)); }, "name-empty",
         L"tables/Customer/fields/"},
        {"BlankAndSemicolonInTableName", T::SqlServer,
         [](Model& m) { m.extraTables.push_back(m.keep.PlainTable(L"Cust omer; DROP TABLE x")); },
         "name-invalid-char", L"tables/Cust omer; DROP TABLE x"},
        {"ControlCharacterInColumnName", T::Access,
         [](Model& m) { m.customerFields.push_back(m.Column(L"Ti\x01tle", dtInteger)); }, "name-invalid-char",
         L"tables/Customer/fields/Ti\\u0001tle"},
        {"LetterBeyondAsciiOnOracle", T::Oracle,
         [](Model& m) { m.customerFields.push_back(m.Column(L"Größe", dtInteger)); }, "name-invalid-char",
         L"tables/Customer/fields/Größe"},
        {"ThirtyOneCharactersOnOracle", T::Oracle,
         [](Model& m) {
             m.customerFields.push_back(m.Column(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345", dtInteger));
         },
         "name-too-long", L"tables/Customer/fields/ABCDEFGHIJKLMNOPQRSTUVWXYZ12345"},
        {"ParameterTooLongWithOraclePrefix", T::Oracle,
         [](Model& m) {
             m.Procedure(L"procX", {m.Param(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234")}, L"BEGIN NULL; END;");
         },
         "name-too-long", L"procedures/procX/parameters/ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"},
        {"SixtyFiveCharactersOnAccess", T::Access,
         [](Model& m) { m.extraTables.push_back(m.keep.PlainTable(std::wstring(65, L'T').c_str())); },
         "name-too-long", CString(L"tables/") + std::wstring(65, L'T').c_str()},
        {"SixtyFourCharactersOnPostgres", T::Postgres,
         [](Model& m) { m.extraTables.push_back(m.keep.PlainTable(std::wstring(64, L'T').c_str())); },
         "name-too-long", CString(L"tables/") + std::wstring(64, L'T').c_str()},
        // The key's own index takes the name on this target.
        {"IndexNamedLikeAKeyOnPostgres", T::Postgres,
         [](Model& m) { m.customerKeys.push_back(m.Key(L"PK_Orders", ctIndex, {L"Title"})); },
         "duplicate-name", L"tables/Orders/constraints/PK_Orders"},
        {"ReservedWordOnPostgresOnly", T::Postgres,
         [](Model& m) { m.customerFields.push_back(m.Column(L"Offset", dtInteger)); }, "name-reserved",
         L"tables/Customer/fields/Offset", W},
        {"IndexNamesEqualOnceShortened", T::DB2,
         [](Model& m) {
             m.customerKeys.push_back(m.Key(L"IX_CustomerTitle_A1", ctIndex, {L"Title"}));
             m.customerKeys.push_back(m.Key(L"IX_CustomerTitle__A1", ctIndex, {L"Born"}));
         },
         "name-shortened-collision", L"tables/Customer/constraints/IX_CustomerTitle__A1"},
        {"TypeWithoutSqlType", T::SqlServer,
         [](Model& m) { m.customerFields.push_back(m.Column(L"Waited", dtInterval)); }, "type-not-mapped",
         L"tables/Customer/fields/Waited"},
        {"ReservedWordOnAccessOnly", T::Access,
         [](Model& m) { m.customerFields.push_back(m.Column(L"Memo", dtInteger)); }, "name-reserved",
         L"tables/Customer/fields/Memo", W},
        {"NonAsciiTextWithoutUnicodeLiterals", T::SqlServer,
         [](Model& m) { m.Seed({L"Title"}, {CComVariant(L"Zoë 日本")}); }, "literal-not-unicode",
         L"tables/Customer/data/rows/0/Title", W},
        {"ParameterWithAt", T::SqlServer,
         [](Model& m) { m.Procedure(L"procX", {m.Param(L"@lBatchDefID")}, L"SELECT 1"); }, "param-at-prefix",
         L"procedures/procX/parameters/@lBatchDefID", W},
        {"AutoIncrementAsPlainInteger", T::Oracle,
         [](Model& m) { m.customerFields[0] = m.Column(L"CustomerID", dtAutoIncrement); },
         "autoincrement-plain", L"tables/Customer/fields/CustomerID", W},
        {"ProcedureWithoutText", T::SqlServer, [](Model& m) { m.Procedure(L"procEmpty", {}, L""); },
         "object-left-out", L"procedures/procEmpty", W},
        {"ForeignKeyColumnOfOtherType", T::SqlServer,
         [](Model& m) { m.orderFields[1] = m.Column(L"CustomerID", dtString, 10); }, "fk-type-mismatch", kFk,
         W},
    };
    return cases;
}

class CheckRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CheckRule, BrokenModelGivesExactlyItsFinding) {
    const RuleCase& c = GetParam();
    Model model;
    c.breakIt(model);
    const VrlSchema schema = model.Build();
    VrlCheckOptions options;
    options.target = c.target;
    const std::vector<VrlCheckFinding> findings = VrlSchemaCheck::Run(schema, options);
    ASSERT_EQ(1u, findings.size()) << Describe(findings);
    EXPECT_EQ(c.code, findings[0].code);
    EXPECT_EQ(c.path, findings[0].objectPath) << findings[0].objectPath.ToUtf8();
    EXPECT_EQ(c.severity, findings[0].severity);
    EXPECT_EQ(c.severity == VrlCheckSeverity::Error, VrlSchemaCheck::HasErrors(findings));
    EXPECT_FALSE(findings[0].message.IsEmpty());
    EXPECT_TRUE(findings[0].jsonPath.empty()) << "a model built in code has no file";
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckRule, ::testing::ValuesIn(RuleCases()),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; });

TEST(CheckModel, CleanModelPassesOnEveryTarget) {
    for (Dialect target :
         {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access, Dialect::Postgres}) {
        Model model;
        model.Seed({L"CustomerID", L"Title", L"Born"},
                   {CComVariant(1L), CComVariant(L"Ada"), CComVariant(L"")});
        const VrlSchema schema = model.Build();
        VrlCheckOptions options;
        options.target = target;
        const auto findings = VrlSchemaCheck::Run(schema, options);
        EXPECT_TRUE(findings.empty()) << DialectName(target) << ":\n" << Describe(findings);
    }
}

TEST(CheckModel, UnicodeLiteralsSilenceTheNPrefixWarning) {
    Model model;
    model.Seed({L"Title"}, {CComVariant(L"Zoë 日本")});
    const VrlSchema schema = model.Build();
    VrlCheckOptions options;
    options.unicodeLiterals = true;
    EXPECT_TRUE(VrlSchemaCheck::Run(schema, options).empty());
}

// A model read from a file: the findings carry the JSON paths the reader
// recorded, and what the reader merged away comes back as findings.
TEST(CheckModel, FileRecordGivesJsonPathsAndMergedDuplicates) {
    Model model;
    model.orderKeys[1] = model.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Nope", {L"ID"});
    const VrlSchema schema = model.Build();
    SchemaFileRecord record("schema.json");
    record.SetPath(model.orderKeys[1], "/tables/1/constraints/1");
    record.AddNote({SchemaFileRecord::NoteKind::Duplicate, L"tables/Customer/fields/title",
                    "/tables/0/fields/3", "/tables/0/fields/1"});
    record.AddNote({SchemaFileRecord::NoteKind::NoDialectText, L"views/vwOracleOnly", "/views/0", ""});
    VrlCheckOptions options;
    options.record = &record;
    const auto findings = VrlSchemaCheck::Run(schema, options);
    ASSERT_EQ(3u, findings.size()) << Describe(findings);
    EXPECT_EQ("fk-missing-table", findings[0].code);
    EXPECT_EQ("/tables/1/constraints/1/refTable", findings[0].jsonPath);
    EXPECT_EQ("duplicate-name", findings[1].code);
    EXPECT_EQ(CString(L"tables/Customer/fields/title"), findings[1].objectPath);
    EXPECT_EQ("/tables/0/fields/3", findings[1].jsonPath);
    EXPECT_NE(-1, findings[1].message.Find(L"/tables/0/fields/1"));
    EXPECT_EQ("object-left-out", findings[2].code);
    EXPECT_EQ(VrlCheckSeverity::Warning, findings[2].severity);
}

} // namespace
