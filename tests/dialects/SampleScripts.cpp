// The four-table sample schema that every dialect scripts, and the
// comparison of a statement list with an expected-statements file.
#include "dialects/SampleScripts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/CComVariant.h"
#include "platform/COleDateTime.h"
#include "platform/COleVariant.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTableData.h"

namespace VrlSchemaLib::DialectTest {

namespace {

struct SampleSchema {
    std::vector<std::unique_ptr<VrlField>> fields;
    std::vector<std::unique_ptr<VrlConstraint>> constraints;
    std::vector<std::unique_ptr<VrlTable>> tables;
    std::vector<std::unique_ptr<VrlParam>> params;
    std::unique_ptr<VrlView> view;
    std::vector<std::unique_ptr<VrlFunction>> functions;
    std::unique_ptr<VrlProcedure> procedure;
    std::vector<CString> tagColumns;
    std::vector<CComVariant> tagValues;
    std::unique_ptr<VrlTableData> tagData;
    std::unique_ptr<VrlSchema> schema;

    VrlField* Field(const wchar_t* name, VrlDataType type, LONG length, COleVariant defaultValue,
                    VrlNullType nullType) {
        fields.push_back(std::make_unique<VrlField>(name, VrlDataDefinition(type, length), defaultValue,
                                                    nullType, CString(L""), 0, paNone, VrlSchemaVersion(), 0,
                                                    0));
        return fields.back().get();
    }
    VrlConstraint* Keep(VrlConstraint* constraint) {
        constraints.emplace_back(constraint);
        return constraint;
    }
    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& columns,
                    const std::vector<VrlConstraint*>& keys, const VrlTableData* data = nullptr) {
        tables.push_back(std::make_unique<VrlTable>(name, columns, keys, L"", 0, 0u, data, rtUndefined,
                                                    VrlSchemaVersion()));
        return tables.back().get();
    }

    SampleSchema() {
        COleVariant none;
        VrlSchemaVersion v;

        VrlTable* parent = Table(
            L"Parent",
            {Field(L"ParentID", dtInteger, 0, none, ntNotNull),
             Field(L"Name", dtString, 50, COleVariant(L""), ntNotNull),
             Field(L"Created", dtDateTime, 0, COleVariant(COleDateTime(2024, 1, 31, 13, 45, 0)), ntNull),
             Field(L"Active", dtBoolean, 0, COleVariant(true), ntNotNull)},
            {Keep(new VrlConstraint(L"PK_Parent", ctPrimaryKey, std::vector<CString>{L"ParentID"}, v,
                                    clClustered)),
             Keep(new VrlConstraint(L"UQ_Parent_Name", ctUnique, std::vector<CString>{L"Name"}, v)),
             Keep(new VrlConstraint(L"IX_Parent_Created", ctIndex, std::vector<CString>{L"Created"},
                                    std::vector<CString>{L"Name"}, v))});

        VrlTable* child =
            Table(L"Child",
                  {Field(L"ChildID", dtAutoIncrement, 0, none, ntNotNull),
                   Field(L"ParentID", dtInteger, 0, none, ntNotNull), Field(L"Note", dtMemo, 0, none, ntNull),
                   Field(L"Amount", dtDouble, 0, COleVariant(1.5), ntNull)},
                  {Keep(new VrlConstraint(L"PK_Child", ctPrimaryKey, std::vector<CString>{L"ChildID"}, v)),
                   Keep(new VrlConstraint(L"IX_Child_Parent", ctIndex6, std::vector<CString>{L"ParentID"},
                                          std::vector<CString>{L"Amount"}, v, clClustered)),
                   Keep(new VrlConstraint(L"FK_Child_Parent", ctForeignKey, L"ParentID", L"Parent",
                                          L"ParentID", odCascade4, ouNoAction, clDefault, v))});

        VrlTable* sibling =
            Table(L"Sibling",
                  {Field(L"SiblingID", dtInteger, 0, none, ntNotNull),
                   Field(L"ParentID", dtInteger, 0, none, ntNull),
                   Field(L"Code", dtString, 300, none, ntNull), Field(L"Photo", dtBinary, 0, none, ntNull)},
                  {Keep(new VrlConstraint(L"PK_Sibling", ctPrimaryKey, std::vector<CString>{L"SiblingID"}, v,
                                          clClustered)),
                   Keep(new VrlConstraint(L"FK_Sibling_Parent", ctForeignKey7, L"ParentID", L"Parent",
                                          L"ParentID", odNoAction, ouNoAction, clDefault, v))});

        tagColumns = {L"TagID", L"Label"};
        tagValues = {CComVariant(1L),         CComVariant(L"Red"), CComVariant(2L),
                     CComVariant(L"O'Brien"), CComVariant(3L),     CComVariant(L"Bl\u00e5")};
        tagData = std::make_unique<VrlTableData>(tagColumns, tagValues);
        VrlTable* tag = Table(
            L"Tag",
            {Field(L"TagID", dtInteger, 0, none, ntNotNull), Field(L"ChildID", dtInteger, 0, none, ntNull),
             Field(L"Label", dtString, 30, COleVariant(L"Gr\u00fcn"), ntNull),
             Field(L"PublishedBatchDefID", dtInteger, 0, COleVariant(0L), ntNotNull)},
            {Keep(new VrlConstraint(L"UQ_Tag", ctUnique, std::vector<CString>{L"TagID", L"Label"}, v)),
             Keep(new VrlConstraint(L"IX_Tag_Label", ctIndex, std::vector<CString>{L"Label"}, v)),
             Keep(new VrlConstraint(L"FK_Tag_Child", ctForeignKey, L"ChildID", L"Child", L"ChildID",
                                    odCascade, ouNoAction, clDefault, v))},
            tagData.get());

        view = std::make_unique<VrlView>(
            L"vwParentChild",
            L"SELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID", L"Parent");

        params.push_back(std::make_unique<VrlParam>(L"ParentID", VrlDataDefinition(dtInteger, 0), ioIn));
        params.push_back(std::make_unique<VrlParam>(L"ParentID", VrlDataDefinition(dtInteger, 0), ioIn));
        params.push_back(std::make_unique<VrlParam>(L"Total", VrlDataDefinition(dtInteger, 0), ioOut));
        functions.push_back(std::make_unique<VrlFunction>(
            L"fnChildCount", VrlDataDefinition(dtInteger, 0), std::vector<VrlParam*>{params[0].get()},
            L"BEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = @ParentID)\nEND", L"Child", v));
        functions.push_back(std::make_unique<VrlFunction>(
            L"fnActiveParents", VrlDataDefinition(dtTable, 0), std::vector<VrlParam*>{},
            L"SELECT ParentID FROM Parent WHERE Active = 1", L"Parent", v));
        procedure = std::make_unique<VrlProcedure>(
            L"procGetChildren", std::vector<VrlParam*>{params[1].get(), params[2].get()},
            L"SELECT * FROM Child WHERE ParentID = @ParentID", L"Child", 1, v, 0);

        schema = std::make_unique<VrlSchema>(
            v, std::vector<VrlTable*>{parent, child, sibling, tag}, std::vector<VrlView*>{view.get()},
            std::vector<VrlProcedure*>{procedure.get()},
            std::vector<VrlFunction*>{functions[0].get(), functions[1].get()});
    }
};

// The statement as one line of an expected file.
std::string EscapeStatement(const CString& statement) {
    std::string escaped;
    for (char ch : statement.ToUtf8()) {
        const char* escape = ch == '\n'   ? "\\n"
                             : ch == '\r' ? "\\r"
                             : ch == '\t' ? "\\t"
                             : ch == '\\' ? "\\\\"
                                          : nullptr;
        escape ? escaped += escape : escaped += ch;
    }
    return escaped;
}

std::vector<std::string> LoadExpected(const std::string& relativePath) {
    std::string path = std::string(VRLSCHEMA_TEST_DATA_DIR) + "/dialects/golden/" + relativePath;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    std::vector<std::string> statements;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        statements.push_back(line);
    }
    return statements;
}

} // namespace

const VrlSchema* GetSampleSchema() {
    static SampleSchema sample;
    return sample.schema.get();
}

void ExpectStatements(const std::string& relativePath, const std::vector<CString>& statements) {
    std::vector<std::string> expected = LoadExpected(relativePath);
    ASSERT_FALSE(expected.empty()) << relativePath;
    EXPECT_EQ(expected.size(), statements.size()) << relativePath;
    for (size_t i = 0; i < expected.size() && i < statements.size(); ++i) {
        EXPECT_EQ(expected[i], EscapeStatement(statements[i])) << relativePath << ", statement " << i + 1;
    }
}

} // namespace VrlSchemaLib::DialectTest
