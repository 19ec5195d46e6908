// Sets the process up as a host of the library does before any test runs:
// the host's error texts (4023 to 4111) join the string chain first, then
// InitVrlSchemaDll adds the library's own table. Including this header in
// any test source of a test program is enough; the set-up runs once.
#pragma once

#include <gtest/gtest.h>

#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

namespace VrlSchemaTest {

class HostMessagesEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        VrlSchemaLib::RegisterVrlHostMessages();
        VrlSchemaLib::InitVrlSchemaDll();
    }
};

// Registered once per program, whichever test sources include this header.
inline ::testing::Environment* const g_pHostMessagesEnvironment =
    ::testing::AddGlobalTestEnvironment(new HostMessagesEnvironment);

} // namespace VrlSchemaTest
