// The sample schema at every version on the server: the creation script and
// the seed rows run, the catalogue holds every object of the model as
// declared, and the probes answer present for what was made and absent for
// what was not.
#include <memory>

#include "PgModelCheck.h"
#include "PgTestFixture.h"
#include "dialects/VrlDbmsPostgres.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;
using namespace VrlSchemaPgTest;

namespace {

const char* const kVersions[] = {"25", "30", "35", "35.10001", "35.10002"};

std::unique_ptr<SchemaFile> LoadSample(const char* version) {
    return SchemaFile::Load(VRLSCHEMA_SOURCE_DIR "/examples/sample-schema.json", Dialect::Postgres,
                            ParseVersion(version));
}

} // namespace

using PgSample = PgTestFixture;

TEST_F(PgSample, EveryVersionCreatesSeedsAndAnswersItsProbes) {
    for (const char* version : kVersions) {
        SCOPED_TRACE(std::string("version ") + version);
        auto file = LoadSample(version);
        VrlDbmsPostgres dbms(&file->GetSchema(), L"Sample");
        std::unique_ptr<PgDatabase> db = CreateDatabase(version);

        std::vector<CString> statements;
        dbms.GenerateSchema(statements);
        std::vector<std::string> errors = db->Execute(statements);
        ASSERT_TRUE(errors.empty()) << Join(errors);
        dbms.GenerateDefaultValues(statements);
        errors = db->Execute(statements);
        ASSERT_TRUE(errors.empty()) << Join(errors);
        ++Counts().versionsCreated;

        const ModelObjects objects(file->GetSchema(), dbms);
        errors = CheckModel(*db, dbms, file->GetSchema(), objects);
        EXPECT_TRUE(errors.empty()) << Join(errors);
        errors = CheckSeedRows(*db, file->GetSchema());
        EXPECT_TRUE(errors.empty()) << Join(errors);

        errors = CheckProbes(*db, dbms, objects.created, true);
        EXPECT_TRUE(errors.empty()) << Join(errors);
        errors = CheckProbes(*db, dbms, objects.absent, false);
        EXPECT_TRUE(errors.empty()) << Join(errors);
        Counts().probesPresent += static_cast<int>(objects.created.size());
        Counts().probesAbsent += static_cast<int>(objects.absent.size());
    }
}
