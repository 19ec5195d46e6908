// The process-wide string chain: registration order decides between tables.
#include <gtest/gtest.h>

#include "platform/StringResources.h"

TEST(StringResourceChain, FirstRegisteredTableWins) {
    static const StringResource host[] = {{92001, L"host"}, {92003, L"host only"}};
    static const StringResource library[] = {
        {92001, L"library"}, {92002, L"library only"}, {92002, L"later"}};
    AfxRegisterStringTable(host, 2);
    AfxRegisterStringTable(library, 3);
    AfxRegisterStringTable(host, 2); // no effect: stays first
    EXPECT_STREQ(AfxFindStringResource(92001), L"host");
    EXPECT_STREQ(AfxFindStringResource(92002), L"library only");
    EXPECT_STREQ(AfxFindStringResource(92003), L"host only");
    EXPECT_EQ(AfxFindStringResource(92004), nullptr);

    AfxUnregisterStringTable(host);
    EXPECT_STREQ(AfxFindStringResource(92001), L"library");
    EXPECT_EQ(AfxFindStringResource(92003), nullptr);
    AfxRegisterStringTable(host, 2); // now behind the library's table
    EXPECT_STREQ(AfxFindStringResource(92001), L"library");

    AfxUnregisterStringTable(library);
    AfxUnregisterStringTable(host);
    AfxUnregisterStringTable(host);
    AfxRegisterStringTable(nullptr, 5);
    EXPECT_EQ(AfxFindStringResource(92001), nullptr);
}
