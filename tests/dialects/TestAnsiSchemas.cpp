// Schemas of the Oracle and DB2 tests: an object pool that keeps hand-built
// schema objects alive for the whole test run, small builders over it, and
// the two-table names schema whose creation scripts are checked against
// golden/oracle/names_schema.sql and golden/db2/names_schema.sql.
//
// Names schema: Batch (integer key, a long and a short name column, a GUID
// column with a unique key, a unique key over the nullable short name, an
// index over the long name that also holds NULL rows) and Profile (key over
// a name column, type-3 foreign key to Batch without referential action).
#include <memory>
#include <vector>

#include "dialects/SampleScripts.h"
#include "platform/COleVariant.h"
#include "schema/VrlSchema.h"

namespace VrlSchemaLib::DialectTest {

namespace {

std::vector<std::unique_ptr<CObject>>& Pool() {
    static std::vector<std::unique_ptr<CObject>> pool;
    return pool;
}

} // namespace

CObject* KeepObject(CObject* object) {
    Pool().emplace_back(object);
    return object;
}

VrlField* MakeField(const wchar_t* name, VrlDataType type, LONG length, VrlNullType nullType) {
    auto* field = new VrlField(name, VrlDataDefinition(type, length), COleVariant(), nullType, CString(L""),
                               0, paNone, VrlSchemaVersion(), 0, 0);
    KeepObject(field);
    return field;
}

VrlTable* MakeTable(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints) {
    for (VrlConstraint* constraint : constraints) {
        KeepObject(constraint);
    }
    auto* table = new VrlTable(name, fields, constraints, L"", 0, 0u, rtUndefined, VrlSchemaVersion());
    KeepObject(table);
    return table;
}

const VrlSchema* GetNamesSchema() {
    static const VrlSchema* schema = [] {
        VrlSchemaVersion v;
        VrlTable* batch = MakeTable(
            L"Batch",
            {MakeField(L"BatchID", dtInteger, 0, ntNotNull), MakeField(L"BatchName", dtName, 200, ntNotNull),
             MakeField(L"BatchGUID", dtGuid, 0, ntNotNull), MakeField(L"Alias", dtName, 40, ntNull)},
            {new VrlConstraint(L"PK_Batch", ctPrimaryKey, std::vector<CString>{L"BatchID"}, v),
             new VrlConstraint(L"UQ_Batch_GUID", ctUnique, std::vector<CString>{L"BatchGUID"}, v),
             new VrlConstraint(L"UQ_Batch_Alias", ctUnique, std::vector<CString>{L"Alias"}, v),
             new VrlConstraint(L"IX_Batch_Name", ctIndex, std::vector<CString>{L"BatchName"}, v, clDefault,
                               true)});
        VrlTable* profile = MakeTable(
            L"Profile",
            {MakeField(L"ProfileName", dtName, 30, ntNotNull), MakeField(L"BatchID", dtInteger, 0, ntNull)},
            {new VrlConstraint(L"PK_Profile", ctPrimaryKey, std::vector<CString>{L"ProfileName"}, v),
             new VrlConstraint(L"FK_Profile_Batch", ctForeignKey, L"BatchID", L"Batch", L"BatchID",
                               odNoAction, ouNoAction, clDefault, v)});
        auto* names = new VrlSchema(v, {batch, profile}, {}, {}, {});
        KeepObject(names);
        return names;
    }();
    return schema;
}

} // namespace VrlSchemaLib::DialectTest
