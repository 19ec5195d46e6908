// The one server of the test program and a fixture that gives each test a
// database of its own. The server starts before the first test and stops
// after the last one; a server that cannot start fails every test (the
// round trips never pass by being skipped).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PgDatabase.h"
#include "PgServer.h"

namespace VrlSchemaPgTest {

PgServer& TheServer();

// What the round trips did, printed when the server stops.
struct RoundTripCounts {
    int versionsCreated = 0;
    int probesPresent = 0;
    int probesAbsent = 0;
    int pairsUpgraded = 0;
    int secondRuns = 0;
};
RoundTripCounts& Counts();

class PgTestFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A further empty database (for a fresh creation beside an upgraded
    // one); dropped with the test's own.
    std::unique_ptr<PgDatabase> CreateDatabase(const std::string& suffix);

    std::unique_ptr<PgDatabase> m_db;

private:
    std::string m_name;
    std::vector<std::string> m_extra;
};

} // namespace VrlSchemaPgTest
