// The reader's compact document: objects large enough to be searched through
// a hash set and sorted by the library's sort, and a root key repeated after
// the tables were built while parsing, which reads the file again.
#include <gtest/gtest.h>

#include <string>

#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schemafile/JsonTree.h"
#include "schemafile/SchemaFile.h"

using namespace VrlSchemaLib;

namespace {

TEST(JsonTree, LargeObjectKeepsLastOfARepeatedKeyInKeyOrder) {
    std::string text = "{";
    for (int i = 40; i > 10; --i)
        text += "\"k" + std::to_string(i) + "\": " + std::to_string(i) + ", ";
    text += R"("k25": "again", "k12": [1, {"a": 1, "a": 2}]})";
    const JsonTree tree(text);
    const JsonNode& root = tree.Root();
    ASSERT_EQ(30u, root.size());
    for (const JsonMember* m = root.begin(); m + 1 != root.end(); ++m)
        EXPECT_LT(m->key, m[1].key);
    ASSERT_NE(nullptr, root.Find("k25"));
    EXPECT_EQ("again", root.Find("k25")->Str());
    EXPECT_EQ(2, root.Find("k12")->operator[](1).Find("a")->Int());
    ASSERT_EQ(3u, tree.DuplicateKeys().size());
    EXPECT_EQ("/k25", tree.DuplicateKeys()[0].path);
    EXPECT_EQ("/k12", tree.DuplicateKeys()[1].path);
    EXPECT_EQ("/k12/1/a", tree.DuplicateKeys()[2].path);
}

TEST(JsonTree, RootVersionAfterStreamedTablesReadsTheFileAgain) {
    // Built while parsing at version 30, the table would be left out; the
    // second "version" counts, and the refusal is the whole file's.
    const std::string text = R"({"version": 30, "tables": [{"name": "A", "version": 31, "fields": [],
        "bogus": 1}], "version": 31})";
    try {
        SchemaFile::Parse(text, "t.json", Dialect::SqlServer);
        FAIL() << "accepted";
    } catch (const SchemaFileError& e) {
        ASSERT_EQ(2u, e.Problems().size());
        EXPECT_EQ("/version", e.Problems()[0].path);
        EXPECT_EQ("the key \"version\" is given twice in one object", e.Problems()[0].reason);
        EXPECT_EQ("/tables/0/bogus", e.Problems()[1].path);
    }
    // Without the repeated key the same tables stream and load.
    const auto file =
        SchemaFile::Parse(R"({"version": 31, "tables": [{"name": "A", "version": 31, "fields": []}]})",
                          "t.json", Dialect::SqlServer);
    EXPECT_EQ("/tables/0", file->GetRecord().GetPath(file->GetSchema().GetTableDontThrow(L"A")));
}

} // namespace
