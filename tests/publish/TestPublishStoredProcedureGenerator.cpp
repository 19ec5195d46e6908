#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/ExpectDux.h"
#include "common/PublishTree.h"
#include "common/TestData.h"
#include "publish/PublishStoredProcedureGenerator.h"
#include "schema/VrlSchema.h"
#include "sqlgen/VrlSqlStrings.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::PublishTree;

namespace {

struct PublishRun {
    std::wstring text;
    long length;
};

// The tree of common/PublishTree.h with templates that show which piece was
// emitted with which arguments, so that the walk itself can be checked apart
// from any dialect's SQL (texts/tracing-templates.json, by template number).
// The expected trace is derived by hand from the walk and those templates
// (texts/publish-trace.txt, described in texts/README).
class PublishStoredProcedureGeneratorTest : public ::testing::Test {
protected:
    PublishStoredProcedureGeneratorTest() {
        const auto texts =
            nlohmann::json::parse(VrlSchemaTest::ReadDataFile("publish/texts/tracing-templates.json"));
        for (const auto& [id, text] : texts.items())
            templates.Add(std::stoi(id), Utf8ToWide(text.get<std::string>()).c_str());
    }

    PublishRun Generate(bool replaceAt, long capacity = 100000) const {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
        long length = capacity;
        PublishStoredProcedureGenerator generator;
        generator.Generate(tree.Schema(), buffer.data(), length, &templates, L"SELECT * FROM Q", replaceAt);
        return {std::wstring(buffer.data()), length};
    }

    PublishTree tree;
    VrlSqlStrings templates;
    const std::wstring trace = Utf8ToWide(VrlSchemaTest::ReadDataFile("publish/texts/publish-trace.txt"));
};

} // namespace

TEST_F(PublishStoredProcedureGeneratorTest, WalksTheTreeInTheDocumentedOrderWithOrWithoutAtSigns) {
    const PublishRun run = Generate(false);
    EXPECT_EQ(trace, run.text);
    EXPECT_EQ(static_cast<long>(run.text.size()), run.length);

    // With replaceAt every "@" becomes a "p".
    const PublishRun replaced = Generate(true);
    std::wstring expected = trace;
    std::replace(expected.begin(), expected.end(), L'@', L'p');
    ASSERT_NE(std::wstring::npos, expected.find(L"plPublishedBatchDefID"));
    EXPECT_EQ(expected, replaced.text);
}

TEST_F(PublishStoredProcedureGeneratorTest, NeverWritesPastTheCapacityAndNeedsEveryTableOfTheTree) {
    const long needed = static_cast<long>(trace.size()) + 1;

    // Exactly enough: the text and its terminator.
    const PublishRun exact = Generate(false, needed);
    EXPECT_EQ(needed - 1, exact.length);

    // Every smaller capacity: an error that names the capacity needed, an
    // empty text, and the guard characters after the buffer untouched.
    for (long capacity = 0; capacity < needed; ++capacity) {
        std::vector<wchar_t> storage(static_cast<size_t>(capacity) + 8, L'#');
        long length = capacity;
        PublishStoredProcedureGenerator generator;
        const CString message = ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall, [&] {
            generator.Generate(tree.Schema(), storage.data(), length, &templates, L"SELECT * FROM Q", false);
        });
        ASSERT_NE(-1, message.Find(std::to_wstring(needed).c_str())) << message.ToUtf8();
        ASSERT_EQ(needed, generator.GetRequiredCapacity());
        ASSERT_EQ(0, length);
        if (capacity > 0) {
            ASSERT_EQ(L'\0', storage[0]);
        }
        for (size_t i = static_cast<size_t>(capacity); i < storage.size(); ++i)
            ASSERT_EQ(L'#', storage[i]) << "capacity " << capacity;
    }
    const PublishRun roomy = Generate(false, needed + 1);
    EXPECT_EQ(needed - 1, roomy.length);

    // No buffer at all.
    long length = 0;
    PublishStoredProcedureGenerator generator;
    ExpectDux(PublishStoredProcedureGenerator::cm_lBufferTooSmall,
              [&] { generator.Generate(tree.Schema(), nullptr, length, &templates, L"Q", false); });

    // A table of the tree that the schema lacks is not found.
    const VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    std::vector<wchar_t> buffer(100);
    length = 100;
    ExpectDux(4070, [&] { generator.Generate(&empty, buffer.data(), length, &templates, L"Q", false); });
}
