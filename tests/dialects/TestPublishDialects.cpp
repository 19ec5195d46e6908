#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/PublishTree.h"
#include "dialects/VrlDbmsAccess.h"
#include "dialects/VrlDbmsDB2.h"
#include "dialects/VrlDbmsOracle.h"
#include "dialects/VrlDbmsSqlServer.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::PublishTree;

namespace {

std::wstring Publish(const VrlDbms& dbms, long* lengthOut = nullptr) {
    std::vector<wchar_t> buffer(1 << 18, L'#');
    long length = static_cast<long>(buffer.size());
    dbms.GeneratePublishStoredProcedure(buffer.data(), length);
    if (lengthOut)
        *lengthOut = length;
    return std::wstring(buffer.data());
}

} // namespace

TEST(PublishDialects, AtSignsStayForSqlServerOnly) {
    PublishTree tree;
    const VrlDbmsSqlServer sqlServer(tree.Schema(), false, L"SELECT * FROM Queue");
    const VrlDbmsOracle oracle(tree.Schema(), L"SELECT * FROM Queue");
    const VrlDbmsDB2 db2(tree.Schema(), L"SELECT * FROM Queue");
    long length = 0;
    const std::wstring s = Publish(sqlServer, &length);
    EXPECT_EQ(static_cast<long>(s.size()), length);
    EXPECT_NE(std::wstring::npos, s.find(L"@lBatchDefID"));
    EXPECT_NE(std::wstring::npos, s.find(L"@lPublishedBatchDefID"));
    for (const VrlDbms* d : {static_cast<const VrlDbms*>(&oracle), static_cast<const VrlDbms*>(&db2)}) {
        const std::wstring text = Publish(*d);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(std::wstring::npos, text.find(L'@'));
        EXPECT_NE(std::wstring::npos, text.find(L"plPublishedBatchDefID"));
    }
    EXPECT_EQ(0, sqlServer.GetPublishBatchDefSubProcedureCount());
    EXPECT_EQ(33, db2.GetPublishBatchDefSubProcedureCount());
}

TEST(PublishDialects, Db2SectionsAreNumberedInOrder) {
    PublishTree tree;
    const VrlDbmsDB2 db2(tree.Schema(), L"SELECT * FROM Queue");
    const std::wstring text = Publish(db2);
    // Five top-level tables: two sections each, plus three for marking and
    // pruning.
    size_t pos = 0;
    for (int n = 1; n <= 13; ++n) {
        const std::wstring call = L"publishBatchDefSubr" + std::to_wstring(n);
        const size_t at = text.find(call, pos);
        ASSERT_NE(std::wstring::npos, at) << n;
        pos = at + call.size();
    }
    EXPECT_EQ(std::wstring::npos, text.find(L"publishBatchDefSubr14"));
    size_t opens = 0;
    for (size_t at = text.find(L"<SUBROUTINE>"); at != std::wstring::npos;
         at = text.find(L"<SUBROUTINE>", at + 1))
        ++opens;
    EXPECT_EQ(13u, opens);
}

TEST(PublishDialects, AccessWritesTheEmptyText) {
    PublishTree tree;
    const VrlDbmsAccess access(tree.Schema(), L"");
    long length = -1;
    EXPECT_EQ(L"", Publish(access, &length));
    EXPECT_EQ(0, length);
}
