#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "sqlgen/VrlSqlStrings.h"

using namespace VrlSchemaLib;

namespace {

const CString U(VrlSqlStrings::cm_pszUnused);

// Expands template `text` stored under an id of its own, with the number
// for "&#" when one is given.
std::wstring Expand(const wchar_t* text, std::vector<CString> p = {}, std::optional<int> number = {}) {
    p.resize(6, U);
    VrlSqlStrings strings;
    strings.Add(1, text);
    return std::wstring((number ? strings.Get(1, *number, p[0], p[1], p[2], p[3], p[4], p[5])
                                : strings.Get(1, p[0], p[1], p[2], p[3], p[4], p[5]))
                            .View());
}

} // namespace

TEST(VrlSqlStringsTable, UnknownIdGivesEmptyTextAndALaterAddReplacesTheEarlierText) {
    VrlSqlStrings strings;
    EXPECT_EQ(strings.Get(12, L"a", L"b", U, U, U, U).View(), L"");
    strings.Add(12, L"CREATE TABLE &1");
    EXPECT_EQ(strings.Get(13, 4, L"a", U, U, U, U, U).View(), L"");
    EXPECT_EQ(strings.Get(-1, U, U, U, U, U, U).View(), L"");
    strings.Add(7, L"first &1");
    strings.Add(8, L"other");
    strings.Add(7, L"second &1");
    EXPECT_EQ(strings.Get(7, L"x", U, U, U, U, U).View(), L"second x");
    EXPECT_EQ(strings.Get(8, U, U, U, U, U, U).View(), L"other");
    // An empty text is a text: the dialects register empty templates.
    strings.Add(8, L"");
    EXPECT_EQ(strings.Get(8, U, U, U, U, U, U).View(), L"");
}

TEST(VrlSqlStringsMarkers, TextsAndTheNumberGoWhereTheirMarkersStand) {
    EXPECT_EQ(Expand(L"&1-&2", {L"a", L"b"}), L"a-b");
    EXPECT_EQ(Expand(L"&6&5&4&3&2&1", {L"1", L"2", L"3", L"4", L"5", L"6"}), L"654321");
    EXPECT_EQ(Expand(L"&1 &2 &4 &3", {L"c", L"INT", L"NOT NULL", L"DEFAULT 0"}), L"c INT DEFAULT 0 NOT NULL");
    EXPECT_EQ(Expand(L"[&2][&2]", {L"x", L"yy"}), L"[yy][yy]");
    EXPECT_EQ(Expand(L"&1", {L""}), L"");
    EXPECT_EQ(Expand(L"no markers at all"), L"no markers at all");
    EXPECT_EQ(Expand(L""), L"");

    // "&#" is plain decimal.
    EXPECT_EQ(Expand(L"TOP &#", {}, 100), L"TOP 100");
    EXPECT_EQ(Expand(L"(&#)", {}, -5), L"(-5)");
    EXPECT_EQ(Expand(L"&#&#", {}, 0), L"00");
    EXPECT_EQ(Expand(L"&#", {}, 2147483647), L"2147483647");
    EXPECT_EQ(Expand(L"&#", {}, -2147483647 - 1), L"-2147483648");
    // The overload without a number writes 0.
    EXPECT_EQ(Expand(L"n=&#"), L"n=0");
}

TEST(VrlSqlStringsMarkers, AmpersandWithoutMarkerStandsForOneAmpersandAndArgumentsAreNeverRescanned) {
    EXPECT_EQ(Expand(L"&&1", {L"arg"}), L"&1");
    EXPECT_EQ(Expand(L"a && b"), L"a & b");
    EXPECT_EQ(Expand(L"&!"), L"&");
    EXPECT_EQ(Expand(L"&9x", {L"arg"}), L"&x");
    EXPECT_EQ(Expand(L"&0&7", {L"arg"}), L"&&");
    EXPECT_EQ(Expand(L"&abc"), L"&bc");
    EXPECT_EQ(Expand(L"&&&"), L"&&");
    EXPECT_EQ(Expand(L"end &"), L"end &");
    EXPECT_EQ(Expand(L"&"), L"&");
    EXPECT_EQ(Expand(L"&1&", {L"v"}), L"v&");

    EXPECT_EQ(Expand(L"<&1>", {L"&2", L"no"}), L"<&2>");
    EXPECT_EQ(Expand(L"&1|&2", {L"&#&&", L"&"}), L"&#&&|&");
    EXPECT_EQ(Expand(L"&1", {L"&#"}, 42), L"&#");
}

// Whole statements from real dialect templates, expected texts written out by
// hand: a table and its column, the buffered read procedure that uses its key
// twice, the computed upper-case column.
TEST(VrlSqlStringsStatements, RealTemplates) {
    VrlSqlStrings s;
    s.Add(12, L"CREATE TABLE dbo.&1(\n&2&3)");
    s.Add(16, L"&1 &2 &4 &3");
    const CString column = s.Get(16, L"BatchID", L"INT", L"DEFAULT 0", L"NOT NULL", U, U);
    EXPECT_EQ(column.View(), L"BatchID INT NOT NULL DEFAULT 0");
    EXPECT_EQ(s.Get(12, L"Batch", L"\t" + column, L"", U, U, U).View(),
              L"CREATE TABLE dbo.Batch(\n\tBatchID INT NOT NULL DEFAULT 0)");
    s.Add(15, L"CREATE PROCEDURE &1 \n\t@myID &2 \nAS \n\tSELECT TOP &# * \n\t\tFROM &3 \n\t\tWHERE @myID IS "
              L"NULL OR &4 > @myID \n\t\tORDER BY &4 ");
    EXPECT_EQ(s.Get(15, 500, L"procBufDoc", L"INT", L"Document", L"DocID", U, U).View(),
              L"CREATE PROCEDURE procBufDoc \n\t@myID INT \nAS \n\tSELECT TOP 500 * \n\t\tFROM Document "
              L"\n\t\tWHERE "
              L"@myID IS NULL OR DocID > @myID \n\t\tORDER BY DocID ");
    s.Add(17, L",\n\t&1UC &2GRAPHIC(&#) &3 GENERATED AS(UPPER(&1))");
    EXPECT_EQ(s.Get(17, 64, L"Name", L"VAR", L"NOT NULL", U, U, U).View(),
              L",\n\tNameUC VARGRAPHIC(64) NOT NULL GENERATED AS(UPPER(Name))");
}
