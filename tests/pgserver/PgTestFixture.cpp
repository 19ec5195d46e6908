#include "PgTestFixture.h"

#include <algorithm>
#include <cctype>

namespace VrlSchemaPgTest {

namespace {

class ServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!TheServer().Start())
            FAIL() << "the PostgreSQL test server did not start: " << TheServer().Error();
        std::printf("PostgreSQL test server in %s\n", TheServer().Folder().c_str());
    }
    void TearDown() override {
        const RoundTripCounts& c = Counts();
        std::printf("round trips: %d versions created and seeded, %d probes checked (%d present, %d absent), "
                    "%d version pairs upgraded, %d second runs\n",
                    c.versionsCreated, c.probesPresent + c.probesAbsent, c.probesPresent, c.probesAbsent,
                    c.pairsUpgraded, c.secondRuns);
        TheServer().Stop();
    }
};

::testing::Environment* const g_pServerEnvironment =
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

// Unique within the run, readable in the server's log, within the 63
// bytes of an identifier.
std::string DatabaseName(const std::string& test, const std::string& suffix) {
    static int s_nCount = 0;
    std::string text = "t" + std::to_string(++s_nCount) + "_" + suffix + "_" + test;
    for (char& ch : text)
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? static_cast<char>(std::tolower(ch)) : '_';
    return text.substr(0, 60);
}

std::string Maintenance() {
    return TheServer().ConnectionString("postgres");
}

} // namespace

RoundTripCounts& Counts() {
    static RoundTripCounts counts;
    return counts;
}

PgServer& TheServer() {
    static PgServer server;
    return server;
}

std::unique_ptr<PgDatabase> PgTestFixture::CreateDatabase(const std::string& suffix) {
    const std::string name = DatabaseName(m_name, suffix);
    PgDatabase admin(Maintenance());
    EXPECT_TRUE(admin.IsOpen()) << admin.Error();
    EXPECT_EQ("", admin.Execute("DROP DATABASE IF EXISTS " + name));
    EXPECT_EQ("", admin.Execute("CREATE DATABASE " + name));
    m_extra.push_back(name);
    auto db = std::make_unique<PgDatabase>(TheServer().ConnectionString(name));
    EXPECT_TRUE(db->IsOpen()) << db->Error();
    return db;
}

void PgTestFixture::SetUp() {
    ASSERT_TRUE(TheServer().IsRunning()) << "no test server: " << TheServer().Error();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_name = std::string(info->test_suite_name()) + "_" + info->name();
    m_db = CreateDatabase("main");
    ASSERT_TRUE(m_db->IsOpen()) << m_db->Error();
}

void PgTestFixture::TearDown() {
    m_db.reset();
    if (!TheServer().IsRunning())
        return;
    PgDatabase admin(Maintenance());
    for (const std::string& name : m_extra)
        admin.Execute("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
}

} // namespace VrlSchemaPgTest
