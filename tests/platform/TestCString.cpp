// CString: the formatter (wide %s and %c, C-library numbers in any process
// locale), search and edit edge cases, case-insensitive comparison, UTF-8.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "common/Fmt.h"
#include "platform/CString.h"
#include "platform/CaseFile.h"
#include "platform/StringResources.h"

namespace {

// Runs the body under a locale whose decimal point is a comma, restoring the
// previous locale afterwards. The locale is part of the test set-up: a
// machine without it fails the test instead of skipping it.
template <class F> void UnderCommaLocale(F&& body) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    body();
    std::setlocale(LC_ALL, previous.c_str());
}

// Applies the operation of a case row to `s`: what it returns, as text.
std::wstring Apply(CString& s, const VrlSchemaTest::CaseRow& row) {
    const size_t args = row.inputs - 2;
    const std::wstring& op = row[1];
    auto t = [&](size_t i) { return row[2 + i].c_str(); };
    auto c = [&](size_t i) { return row[2 + i][0]; };
    auto n = [&](size_t i) { return std::stoi(row[2 + i]); };
    auto num = [](int v) { return std::to_wstring(v); };
    if (op == L"Find")
        return num(args == 2 ? s.Find(t(0), n(1)) : s.Find(t(0)));
    if (op == L"FindChar")
        return num(args == 2 ? s.Find(c(0), n(1)) : s.Find(c(0)));
    if (op == L"ReverseFind")
        return num(s.ReverseFind(c(0)));
    if (op == L"FindOneOf")
        return num(s.FindOneOf(t(0)));
    if (op == L"Replace")
        return num(s.Replace(t(0), t(1)));
    if (op == L"ReplaceChar")
        return num(s.Replace(c(0), c(1)));
    if (op == L"Remove")
        return num(s.Remove(c(0)));
    if (op == L"Insert")
        return num(s.Insert(n(0), t(1)));
    if (op == L"Delete")
        return num(args == 2 ? s.Delete(n(0), n(1)) : s.Delete(n(0)));
    if (op == L"Trim" || op == L"TrimLeft" || op == L"TrimRight") {
        const bool left = op != L"TrimRight", right = op != L"TrimLeft";
        if (args == 0)
            return (left && right ? s.Trim() : left ? s.TrimLeft() : s.TrimRight()).GetString();
        return (left && right ? s.Trim(t(0)) : left ? s.TrimLeft(t(0)) : s.TrimRight(t(0))).GetString();
    }
    if (op == L"TrimRightChar")
        return s.TrimRight(c(0)).GetString();
    if (op == L"Left" || op == L"Right")
        return (op == L"Left" ? s.Left(n(0)) : s.Right(n(0))).GetString();
    if (op == L"Mid")
        return (args == 2 ? s.Mid(n(0), n(1)) : s.Mid(n(0))).GetString();
    if (op == L"CompareNoCase" || op == L"Compare") {
        const int order = op == L"Compare" ? s.Compare(t(0)) : s.CompareNoCase(t(0));
        return num((order > 0) - (order < 0));
    }
    if (op == L"MakeUpper" || op == L"MakeLower")
        return (op == L"MakeUpper" ? s.MakeUpper() : s.MakeLower()).GetString();
    if (op == L"MakeReverse")
        return s.MakeReverse().GetString();
    ADD_FAILURE() << "unknown operation in " << row.where;
    return L"";
}

} // namespace

TEST(CStringFormat, StringAndCharacterConversionsAreWide) {
    EXPECT_EQ(Fmt(L"DROP TABLE %s", L"Batch"), L"DROP TABLE Batch");
    EXPECT_EQ(Fmt(L"%s-%s", L"a\u00e9", L"\u4e2d"), L"a\u00e9-\u4e2d");
    EXPECT_EQ(Fmt(L"[%c]", L'\u00df'), L"[\u00df]");
    EXPECT_EQ(Fmt(L"%ls|%lc|%ws", L"x", L'y', L"z"), L"x|y|z");
    EXPECT_EQ(Fmt(L"<%5s><%-5s><%.2s>", L"ab", L"ab", L"abcdef"), L"<   ab><ab   ><ab>");
    EXPECT_EQ(Fmt(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
}

// Width and precision of the wide text conversions: padding on either
// side, cutting to the precision (zero included), widths and precisions
// from the argument list, and characters that take no precision.
TEST(CStringFormat, WidthAndPrecisionOfTextsAndCharacters) {
    EXPECT_EQ(Fmt(L"[%.0s][%.1s][%.3s][%.9s]", L"abc", L"abc", L"abc", L"abc"), L"[][a][abc][abc]");
    EXPECT_EQ(Fmt(L"[%1s][%3s][%4s]", L"abc", L"abc", L"abc"), L"[abc][abc][ abc]");
    EXPECT_EQ(Fmt(L"[%5.2s][%-5.2s]", L"abc", L"abc"), L"[   ab][ab   ]");
    EXPECT_EQ(Fmt(L"[%*s][%*s][%-*s]", 4, L"ab", -4, L"ab", 3, L"ab"), L"[  ab][ab  ][ab ]");
    EXPECT_EQ(Fmt(L"[%*.*s][%.*s]", 5, 1, L"xyz", 0, L"xyz"), L"[    x][]");
    EXPECT_EQ(Fmt(L"[%3c][%-3c][%.0c][%1c]", L'a', L'b', L'c', L'd'), L"[  a][b  ][c][d]");
    EXPECT_EQ(Fmt(L"[%4hs][%.2hs][%-4S]", "ab", "\xc3\xa9\xe4\xb8\xadx", "cd"),
              L"[  ab][\u00e9\u4e2d][cd  ]");
    EXPECT_EQ(Fmt(L"[%6.3ls]", L"\u00e9\u00e9\u00e9\u00e9"), L"[   \u00e9\u00e9\u00e9]");
    EXPECT_EQ(Fmt(L"[%.3d][%6.3d][%-6.2f][%.0f]", 7, -7, 1.005, 2.5), L"[007][  -007][1.00  ][2]");
}

TEST(CStringFormat, UpperCaseSAndHsAreNarrowUtf8) {
    EXPECT_EQ(Fmt(L"%S/%hs", "file.cpp", "gr\xc3\xbc\xc3\x9f"), L"file.cpp/gr\u00fc\u00df");
    EXPECT_EQ(Fmt(L"%hc%C", 'a', 'b'), L"ab");
}

TEST(CStringFormat, IntegerConversionsFollowTheCLibrary) {
    EXPECT_EQ(Fmt(L"[%ld] DuxLib: %s (%s:%ld)", static_cast<LONG>(4070), L"Table not found", L"VrlSchema.cpp",
                  static_cast<LONG>(-12)),
              L"[4070] DuxLib: Table not found (VrlSchema.cpp:-12)");
    EXPECT_EQ(Fmt(L"%04d|%5d|%-5d|%+d", 7, 42, 42, 3), L"0007|   42|42   |+3");
    EXPECT_EQ(Fmt(L"%x|%X|%08lX|%o", 255, 255, 0xBEEFu, 8), L"ff|FF|0000BEEF|10");
    EXPECT_EQ(Fmt(L"%u", static_cast<unsigned>(-1)), L"4294967295");
    EXPECT_EQ(Fmt(L"%*d|%-*d|", 4, 1, 3, 2), L"   1|2  |");
    EXPECT_EQ(Fmt(L"%I64d|%lld|%I64u", -(1LL << 40), 1LL << 33, 18446744073709551615ULL),
              L"-1099511627776|8589934592|18446744073709551615");
    EXPECT_EQ(Fmt(L"%zu|%hd", static_cast<size_t>(12), static_cast<short>(-5)), L"12|-5");
    EXPECT_EQ(Fmt(L"%d|%d|%u|%lld", 0, -2147483647 - 1, 0u, -9223372036854775807LL - 1),
              L"0|-2147483648|0|-9223372036854775808");
    // The 32-bit width of %ld holds for the 64-bit long of this platform too.
    EXPECT_EQ(Fmt(L"%ld", -2147483647L - 1), L"-2147483648");
}

TEST(CStringFormat, PercentSignsAndUnknownConversionsStayAsWritten) {
    EXPECT_EQ(Fmt(L"100%% of %d", 3), L"100% of 3");
    EXPECT_EQ(Fmt(L"%%s is literal"), L"%s is literal");
    EXPECT_EQ(Fmt(L"%y and %"), L"%y and %");
}

TEST(CStringFormat, OversizedFieldsAreCappedNotOverflowed) {
    EXPECT_EQ(Fmt(L"%99999999999d", 1).GetLength(), 1000000);
    EXPECT_EQ(Fmt(L"%*d|", -2147483647 - 1, 5).GetLength(), 1000001);
    EXPECT_EQ(Fmt(L"%.*s", -1, L"all"), L"all");
}

TEST(CStringFormat, FloatingPointUsesPointInEveryLocale) {
    UnderCommaLocale([] {
        EXPECT_EQ(Fmt(L"%lf|%.2f|%g|%e", 1.5, 3.14159, 0.25, 1000.0), L"1.500000|3.14|0.25|1.000000e+03");
        EXPECT_EQ(Fmt(L"%s=%lf", L"x", -0.125), L"x=-0.125000");
        EXPECT_EQ(Fmt(L"%08.3f|%-8.1f|", 2.5, 2.5), L"0002.500|2.5     |");
    });
}

TEST(CStringFormat, LongOutputsAreComplete) {
    const std::wstring big(100000, L'q');
    const CString text = Fmt(L"<%s>%d", big.c_str(), 9);
    ASSERT_EQ(text.GetLength(), 100003);
    EXPECT_EQ(text.Left(2), L"<q");
    EXPECT_EQ(text.Right(3), L"q>9");
    EXPECT_EQ(Fmt(L"%300d", 1).GetLength(), 300);
    EXPECT_EQ(Fmt(L"%.200f", 1.0).GetLength(), 202);
}

// Search, edit and case operations (platform/texts/cstring.txt).
TEST(CStringEdit, EveryOperationAtItsEdges) {
    for (const auto& row : VrlSchemaTest::ReadCases("platform/texts/cstring.txt", "edit")) {
        CString s(row[0].c_str());
        const std::wstring result = Apply(s, row);
        EXPECT_EQ(result, row[row.inputs]) << row.where;
        if (row.size() > row.inputs + 1) {
            EXPECT_EQ(std::wstring(s.GetString()), row[row.inputs + 1]) << row.where;
        }
    }
    const CString s(L"a.b.c");
    EXPECT_EQ(s.Find(static_cast<const wchar_t*>(nullptr)), -1);
    CString t(L"x&1y&1");
    EXPECT_EQ(t.Replace(L"&1", nullptr), 2);
    EXPECT_EQ(t, L"xy");
    EXPECT_GT(CString(L"a").CompareNoCase(nullptr), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
}

// The boundaries of the encoding, both ways (platform/texts/cstring.txt).
TEST(CStringUtf8, EveryBoundaryAndMalformedInput) {
    for (const auto& row : VrlSchemaTest::ReadCases("platform/texts/cstring.txt", "to-utf8")) {
        const std::string utf8 = VrlSchemaTest::Bytes(row[1]);
        EXPECT_EQ(utf8, WideToUtf8(row[0])) << row.where;
        EXPECT_EQ(utf8, CString(row[0].c_str(), static_cast<int>(row[0].size())).ToUtf8()) << row.where;
    }
    for (const auto& row : VrlSchemaTest::ReadCases("platform/texts/cstring.txt", "from-utf8")) {
        const std::string utf8 = VrlSchemaTest::Bytes(row[0]);
        EXPECT_EQ(row[1], Utf8ToWide(utf8)) << row.where;
        EXPECT_EQ(row[1], std::wstring(CString(utf8.c_str()).GetString())) << row.where;
    }
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), L"");
}

TEST(CStringResources, LoadStringSearchesTheChain) {
    static const StringResource table[] = {{91001, L"Resource text"}};
    AfxRegisterStringTable(table, 1);
    CString s(L"old");
    EXPECT_TRUE(s.LoadString(91001));
    EXPECT_EQ(s, L"Resource text");
    EXPECT_FALSE(s.LoadString(91002));
    EXPECT_TRUE(s.IsEmpty());
    AfxUnregisterStringTable(table);
}
