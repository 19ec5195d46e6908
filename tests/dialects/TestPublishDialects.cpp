// The publishing procedure through each dialect: "@" stays for SQL Server
// only, DB2 cuts it into numbered sections, Access writes none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialectFactory.h"
#include "DialectTestKit.h"
#include "common/PublishTree.h"

using namespace VrlSchemaLib;

namespace {

std::wstring Publish(const VrlDbms& dbms, long* lengthOut) {
    std::vector<wchar_t> buffer(1 << 18, L'#');
    *lengthOut = static_cast<long>(buffer.size());
    dbms.GeneratePublishStoredProcedure(buffer.data(), *lengthOut);
    return std::wstring(buffer.data());
}

} // namespace

TEST(PublishDialects, AtSignsSectionsAndTheEmptyText) {
    VrlSchemaTest::PublishTree tree;
    long length = 0;
    const std::wstring s = Publish(VrlDbmsSqlServer(tree.Schema(), false, L"SELECT * FROM Queue"), &length);
    EXPECT_EQ(static_cast<long>(s.size()), length);
    EXPECT_NE(std::wstring::npos, s.find(L"@lBatchDefID"));
    EXPECT_NE(std::wstring::npos, s.find(L"@lPublishedBatchDefID"));
    for (Dialect ansi : {Dialect::Oracle, Dialect::DB2}) {
        const std::wstring text = Publish(*MakeDbms(ansi, tree.Schema(), L"SELECT * FROM Queue"), &length);
        EXPECT_EQ(static_cast<long>(text.size()), length);
        EXPECT_EQ(std::wstring::npos, text.find(L'@'));
        EXPECT_NE(std::wstring::npos, text.find(L"plPublishedBatchDefID"));
    }
    EXPECT_EQ(0, VrlDbmsSqlServer(nullptr, false, L"").GetPublishBatchDefSubProcedureCount());

    // Five top-level tables: two DB2 sections each, plus three for marking and
    // pruning, called in order.
    const std::wstring text = Publish(VrlDbmsDB2(tree.Schema(), L"SELECT * FROM Queue"), &length);
    size_t pos = 0;
    for (int n = 1; n <= 13; ++n) {
        const std::wstring call = L"publishBatchDefSubr" + std::to_wstring(n);
        pos = text.find(call, pos);
        ASSERT_NE(std::wstring::npos, pos) << n;
        pos += call.size();
    }
    EXPECT_EQ(std::wstring::npos, text.find(L"publishBatchDefSubr14"));
    size_t opens = 0;
    for (size_t at = text.find(L"<SUBROUTINE>"); at != std::wstring::npos;
         at = text.find(L"<SUBROUTINE>", at + 1))
        ++opens;
    EXPECT_EQ(13u, opens);

    length = -1;
    EXPECT_EQ(L"", Publish(VrlDbmsAccess(tree.Schema(), L""), &length));
    EXPECT_EQ(0, length);
}
