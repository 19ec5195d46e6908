// Module start-up: the module record exists before any call, InitVrlSchemaDll
// puts the library's strings behind the host's, detach takes them out again,
// and the identifier strings have their fixed form.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "common/HostMessagesFixture.h"
#include "platform/CString.h"
#include "platform/StringResources.h"
#include "support/VrlSchemaModule.h"

using namespace VrlSchemaLib;

TEST(SchemaModule, RecordIsAttachedLibraryRegisteredForTheHostAndOtherReasonsChangeNothing) {
    EXPECT_TRUE(IsVrlSchemaModuleAttached());
    EXPECT_TRUE(IsVrlSchemaDllRegistered());
    EXPECT_STREQ(L"Unknown Error.", AfxFindStringResource(4086));
    EXPECT_STREQ(L"Rights Table", AfxFindStringResource(5028));
    // Host texts are found beside the library's.
    EXPECT_NE(nullptr, AfxFindStringResource(4070));
    // Other entry reasons report success and change nothing.
    EXPECT_TRUE(VrlSchemaDllMain(VRL_DLL_THREAD_ATTACH));
    EXPECT_TRUE(VrlSchemaDllMain(VRL_DLL_THREAD_DETACH));
    EXPECT_TRUE(VrlSchemaDllMain(77));
    EXPECT_TRUE(IsVrlSchemaModuleAttached());
    EXPECT_TRUE(IsVrlSchemaDllRegistered());
}

TEST(SchemaModule, DetachRemovesTheStringsAndHostTablesComeFirst) {
    ASSERT_TRUE(VrlSchemaDllMain(VRL_DLL_PROCESS_DETACH));
    EXPECT_FALSE(IsVrlSchemaModuleAttached());
    EXPECT_FALSE(IsVrlSchemaDllRegistered());
    EXPECT_EQ(nullptr, AfxFindStringResource(5028));

    // A host table registered before the library shadows its entries.
    static const StringResource hostTable[] = {{5035, L"Host domain text."}};
    AfxRegisterStringTable(hostTable, 1);
    ASSERT_TRUE(VrlSchemaDllMain(VRL_DLL_PROCESS_ATTACH));
    InitVrlSchemaDll();
    InitVrlSchemaDll(); // a second call adds nothing
    EXPECT_TRUE(IsVrlSchemaDllRegistered());
    EXPECT_STREQ(L"Host domain text.", AfxFindStringResource(5035));
    EXPECT_STREQ(L"Rights Table", AfxFindStringResource(5028));
    AfxUnregisterStringTable(hostTable);
    EXPECT_STREQ(L"The domain name.", AfxFindStringResource(5035));

    // InitVrlSchemaDll attaches a detached module on its own.
    VrlSchemaDllMain(VRL_DLL_PROCESS_DETACH);
    InitVrlSchemaDll();
    EXPECT_TRUE(IsVrlSchemaModuleAttached());
    EXPECT_STREQ(L"Rights Table", AfxFindStringResource(5028));
}

TEST(SchemaModule, IdentifierStringsAreDistinctLowerCaseBracedGuids) {
    const wchar_t* const all[] = {g_pszProfileSettingsGuid, g_pszHostGuid1, g_pszHostGuid2, g_pszHostGuid3,
                                  g_pszHostGuid4,           g_pszHostGuid5, g_pszHostGuid6};
    EXPECT_STREQ(L"{f5b31a9f-1511-49e5-ae47-d0c91c3ad2b3}", g_pszProfileSettingsGuid);
    const std::wregex shape(L"\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}");
    std::set<std::wstring> seen;
    for (const wchar_t* guid : all) {
        EXPECT_TRUE(std::regex_match(guid, shape)) << WideToUtf8(guid);
        seen.insert(guid);
    }
    EXPECT_EQ(7u, seen.size());
}
