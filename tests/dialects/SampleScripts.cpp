// The sample and names schemas of the whole-script tests (SampleScripts.h).
#include "dialects/SampleScripts.h"

#include <vector>

#include "DialectTestKit.h"
#include "platform/CComVariant.h"
#include "platform/COleDateTime.h"

namespace VrlSchemaLib::DialectTest {

namespace {

DialectTestKit& Kit() {
    static DialectTestKit kit;
    return kit;
}

// A one-column foreign key, stored as given.
VrlConstraint* Foreign(const wchar_t* name, VrlConstraintType type, const wchar_t* column,
                       const wchar_t* refTable, VrlOnDeleteType onDelete) {
    return Kit().Make<VrlConstraint>(name, type, column, refTable, column, onDelete, ouNoAction, clDefault,
                                     VrlSchemaVersion());
}

} // namespace

const VrlSchema* GetSampleSchema() {
    static const VrlSchema* schema = [] {
        DialectTestKit& k = Kit();
        const VrlSchemaVersion v;
        const std::vector<CString> id{L"ParentID"};
        VrlTable* parent = k.Table(
            L"Parent",
            {k.Field(L"ParentID"), k.Field(L"Name", dtString, 50, ntNotNull, COleVariant(L"")),
             k.Field(L"Created", dtDateTime, 0, ntNull, COleVariant(COleDateTime(2024, 1, 31, 13, 45, 0))),
             k.Field(L"Active", dtBoolean, 0, ntNotNull, COleVariant(true))},
            {k.Make<VrlConstraint>(L"PK_Parent", ctPrimaryKey, id, v, clClustered),
             k.Make<VrlConstraint>(L"UQ_Parent_Name", ctUnique, std::vector<CString>{L"Name"}, v),
             k.Index(L"IX_Parent_Created", ctIndex, {L"Created"}, {L"Name"})});
        VrlTable* child = k.Table(
            L"Child",
            {k.Field(L"ChildID", dtAutoIncrement), k.Field(L"ParentID"), k.Field(L"Note", dtMemo, 0, ntNull),
             k.Field(L"Amount", dtDouble, 0, ntNull, COleVariant(1.5))},
            {k.Make<VrlConstraint>(L"PK_Child", ctPrimaryKey, std::vector<CString>{L"ChildID"}, v),
             k.Index(L"IX_Child_Parent", ctIndex6, id, {L"Amount"}, clClustered),
             Foreign(L"FK_Child_Parent", ctForeignKey, L"ParentID", L"Parent", odCascade4)});
        VrlTable* sibling =
            k.Table(L"Sibling",
                    {k.Field(L"SiblingID"), k.Field(L"ParentID", dtInteger, 0, ntNull),
                     k.Field(L"Code", dtString, 300, ntNull), k.Field(L"Photo", dtBinary, 0, ntNull)},
                    {k.Make<VrlConstraint>(L"PK_Sibling", ctPrimaryKey, std::vector<CString>{L"SiblingID"}, v,
                                           clClustered),
                     Foreign(L"FK_Sibling_Parent", ctForeignKey7, L"ParentID", L"Parent", odNoAction)});
        // The seed rows keep pointers to their names and values.
        static const std::vector<CString> tagColumns{L"TagID", L"Label"};
        static const std::vector<CComVariant> tagValues{CComVariant(1L), CComVariant(L"Red"),
                                                        CComVariant(2L), CComVariant(L"O'Brien"),
                                                        CComVariant(3L), CComVariant(L"Bl\u00e5")};
        static const VrlTableData tagData(tagColumns, tagValues);
        VrlTable* tag =
            k.Table(L"Tag",
                    {k.Field(L"TagID"), k.Field(L"ChildID", dtInteger, 0, ntNull),
                     k.Field(L"Label", dtString, 30, ntNull, COleVariant(L"Gr\u00fcn")),
                     k.Field(L"PublishedBatchDefID", dtInteger, 0, ntNotNull, COleVariant(0L))},
                    {k.Make<VrlConstraint>(L"UQ_Tag", ctUnique, std::vector<CString>{L"TagID", L"Label"}, v),
                     k.Make<VrlConstraint>(L"IX_Tag_Label", ctIndex, std::vector<CString>{L"Label"}, v),
                     Foreign(L"FK_Tag_Child", ctForeignKey, L"ChildID", L"Child", odCascade)},
                    &tagData);
        auto* view = k.Make<VrlView>(
            L"vwParentChild",
            L"SELECT p.Name, c.Note FROM Parent p INNER JOIN Child c ON c.ParentID = p.ParentID", L"Parent");
        auto* count = k.Make<VrlFunction>(
            L"fnChildCount", VrlDataDefinition(dtInteger, 0),
            std::vector<VrlParam*>{k.Param(L"ParentID", dtInteger)},
            L"BEGIN\n\tRETURN (SELECT COUNT(*) FROM Child WHERE ParentID = @ParentID)\nEND", L"Child", v);
        auto* active =
            k.Make<VrlFunction>(L"fnActiveParents", VrlDataDefinition(dtTable, 0), std::vector<VrlParam*>{},
                                L"SELECT ParentID FROM Parent WHERE Active = 1", L"Parent", v);
        auto* procedure = k.Make<VrlProcedure>(
            L"procGetChildren",
            std::vector<VrlParam*>{k.Param(L"ParentID", dtInteger), k.Param(L"Total", dtInteger, 0, ioOut)},
            L"SELECT * FROM Child WHERE ParentID = @ParentID", L"Child", 1, v, 0);
        return k.Schema({parent, child, sibling, tag}, {procedure}, {count, active}, {view});
    }();
    return schema;
}

const VrlSchema* GetNamesSchema() {
    static const VrlSchema* schema = [] {
        DialectTestKit& k = Kit();
        VrlTable* batch = k.Table(L"Batch",
                                  {k.Field(L"BatchID"), k.Field(L"BatchName", dtName, 200),
                                   k.Field(L"BatchGUID", dtGuid), k.Field(L"Alias", dtName, 40, ntNull)},
                                  {k.Key(L"PK_Batch", ctPrimaryKey, {L"BatchID"}),
                                   k.Key(L"UQ_Batch_GUID", ctUnique, {L"BatchGUID"}),
                                   k.Key(L"UQ_Batch_Alias", ctUnique, {L"Alias"}),
                                   k.Key(L"IX_Batch_Name", ctIndex, {L"BatchName"}, true)});
        VrlTable* profile = k.Table(
            L"Profile", {k.Field(L"ProfileName", dtName, 30), k.Field(L"BatchID", dtInteger, 0, ntNull)},
            {k.Key(L"PK_Profile", ctPrimaryKey, {L"ProfileName"}),
             Foreign(L"FK_Profile_Batch", ctForeignKey, L"BatchID", L"Batch", odNoAction)});
        return k.Schema({batch, profile});
    }();
    return schema;
}

} // namespace VrlSchemaLib::DialectTest
