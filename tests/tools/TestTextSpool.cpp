// The spool of the creation script: what goes in comes out whole and in
// order, however it was split between memory and the temporary file.
#include <gtest/gtest.h>

#include <sstream>

#include "OutputWriter.h"
#include "TextSpool.h"
#include "ToolErrors.h"
#include "ToolProcess.h"

using namespace VrlSchemaTool;
using namespace VrlSchemaToolTest;

TEST(TextSpool, GivesBackWhatWasAppendedAtEveryLimitAndRefusesAFolderAsTarget) {
    const std::string expected = "CREATE TABLE Gr\xc3\xbcn (ID int)\r\nGO\r\nab";
    for (size_t limit : {size_t(1), size_t(4), size_t(7), expected.size(), TextSpool::kDefaultLimit}) {
        SCOPED_TRACE(limit);
        auto fill = [](TextSpool& spool) {
            spool.Append("CREATE TABLE ");
            spool.AppendUtf8(L"Gr\u00fcn (ID int)");
            spool.Append("\r\nGO\r\n");
            spool.Append("");
            spool.AppendUtf8(L"ab");
        };
        TextSpool blocks(limit), taken(limit);
        fill(blocks);
        fill(taken);
        EXPECT_EQ(expected.size(), blocks.Size());
        std::string joined;
        size_t count = 0;
        blocks.ForEachBlock([&](std::string_view block) {
            joined += block;
            ++count;
        });
        EXPECT_EQ(expected, joined);
        // A small limit really spills: the text comes back in several blocks.
        EXPECT_EQ(limit >= expected.size() ? 1u : 2u, std::min<size_t>(count, 2));
        EXPECT_EQ(expected, taken.Take());
        EXPECT_EQ(0u, taken.Size());

        // Through the writer, to a stream and to a file.
        TextSpool toStream(limit), toFile(limit);
        fill(toStream);
        fill(toFile);
        std::ostringstream out;
        OutputWriter::Write("-", out, toStream);
        EXPECT_EQ(expected, out.str());
        const auto dir = FreshDir("spool");
        OutputWriter::Write((dir / "out.sql").string(), out, toFile);
        EXPECT_EQ(expected, ReadText(dir / "out.sql"));
        std::filesystem::remove_all(dir);
    }
    TextSpool empty(1);
    std::ostringstream out;
    OutputWriter::Write("", out, empty);
    EXPECT_EQ("", out.str());

    // A folder as target is refused before anything is read.
    const auto dir = FreshDir("spool-folder");
    TextSpool spool(2);
    spool.Append("SELECT 1");
    try {
        OutputWriter::Write(dir.string(), out, spool);
        ADD_FAILURE() << "no error";
    } catch (const OutputError& e) {
        EXPECT_EQ(dir.string() + ": Is a directory", e.message);
    }
    EXPECT_EQ("", out.str());
    EXPECT_EQ("SELECT 1", spool.Take()); // whole still
    std::filesystem::remove_all(dir);
}
