#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/ExpectDux.h"
#include "common/PublishTree.h"
#include "common/TestData.h"
#include "platform/COleVariant.h"
#include "publish/PublishStoredProcedureGenerator.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlDataDefinition.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "sqlgen/VrlSqlStrings.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::PublishTree;

namespace {

// Templates that show which piece was emitted with which arguments, so that
// the walk itself can be checked apart from any dialect's SQL
// (texts/tracing-templates.json, by template number).
void AddTracingTemplates(VrlSqlStrings& t) {
    const auto texts =
        nlohmann::json::parse(VrlSchemaTest::ReadDataFile("publish/texts/tracing-templates.json"));
    for (const auto& [id, text] : texts.items())
        t.Add(std::stoi(id), Utf8ToWide(text.get<std::string>()).c_str());
}

// Derived by hand from the walk and the tracing templates
// (texts/publish-trace.txt, described in texts/README).
std::wstring ExpectedTrace() {
    static const std::wstring text =
        Utf8ToWide(VrlSchemaTest::ReadDataFile("publish/texts/publish-trace.txt"));
    return text;
}

struct PublishRun {
    std::wstring text;
    long length;
};

// The tree of common/PublishTree.h with the tracing templates.
class PublishStoredProcedureGeneratorTest : public ::testing::Test {
protected:
    PublishStoredProcedureGeneratorTest() { AddTracingTemplates(templates); }

    PublishRun Generate(bool replaceAt, long capacity = 100000) const {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
        long length = capacity;
        PublishStoredProcedureGenerator generator;
        generator.Generate(tree.Schema(), buffer.data(), length, &templates, L"SELECT * FROM Q", replaceAt);
        return {std::wstring(buffer.data()), length};
    }

    PublishTree tree;
    VrlSqlStrings templates;
};

} // namespace

TEST_F(PublishStoredProcedureGeneratorTest, WalksTheTreeInTheDocumentedOrder) {
    const PublishRun run = Generate(false);
    EXPECT_EQ(ExpectedTrace(), run.text);
    EXPECT_EQ(static_cast<long>(run.text.size()), run.length);
}

TEST_F(PublishStoredProcedureGeneratorTest, ReplaceAtTurnsEveryAtSignIntoP) {
    const PublishRun run = Generate(true);
    std::wstring expected = ExpectedTrace();
    for (wchar_t& c : expected) {
        if (c == L'@')
            c = L'p';
    }
    EXPECT_EQ(expected, run.text);
    EXPECT_EQ(std::wstring::npos, run.text.find(L'@'));
    EXPECT_NE(std::wstring::npos, run.text.find(L"plPublishedBatchDefID"));
}

TEST_F(PublishStoredProcedureGeneratorTest, NeverWritesPastTheCapacity) {
    const long needed = static_cast<long>(ExpectedTrace().size()) + 1;

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
}

TEST_F(PublishStoredProcedureGeneratorTest, UnknownTableInTheTreeIsTableNotFound) {
    const VrlSchema empty(VrlSchemaVersion(), {}, {}, {}, {});
    std::vector<wchar_t> buffer(100);
    long length = 100;
    PublishStoredProcedureGenerator generator;
    ExpectDux(4070, [&] { generator.Generate(&empty, buffer.data(), length, &templates, L"Q", false); });
}
