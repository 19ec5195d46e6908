// CString: the formatter (wide %s and %c, C-library numbers in any process
// locale), search and edit edge cases, case-insensitive comparison, UTF-8.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "common/Fmt.h"
#include "platform/CString.h"
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

TEST(CStringSearch, FindAndReverseFindAtTheEdges) {
    const CString s(L"a.b.c");
    EXPECT_EQ(s.Find(L'.'), 1);
    EXPECT_EQ(s.Find(L'.', 2), 3);
    EXPECT_EQ(s.Find(L'.', 5), -1);
    EXPECT_EQ(s.Find(L'.', -1), -1);
    EXPECT_EQ(s.Find(L"b.c"), 2);
    EXPECT_EQ(s.Find(L""), 0);
    EXPECT_EQ(s.Find(L"", 5), 5);
    EXPECT_EQ(s.Find(L"c", 6), -1);
    EXPECT_EQ(s.Find(static_cast<const wchar_t*>(nullptr)), -1);
    EXPECT_EQ(s.ReverseFind(L'.'), 3);
    EXPECT_EQ(s.ReverseFind(L'x'), -1);
    EXPECT_EQ(s.FindOneOf(L"xc"), 4);
    EXPECT_EQ(s.FindOneOf(L""), -1);
    EXPECT_EQ(CString().Find(L'a'), -1);
}

TEST(CStringEdit, ReplaceCountsAndDoesNotRescanItsOutput) {
    CString s(L"aaa");
    EXPECT_EQ(s.Replace(L"a", L"aa"), 3);
    EXPECT_EQ(s, L"aaaaaa");
    EXPECT_EQ(s.Replace(L"aa", L""), 3);
    EXPECT_TRUE(s.IsEmpty());
    CString t(L"x&1y&1");
    EXPECT_EQ(t.Replace(L"&1", nullptr), 2);
    EXPECT_EQ(t, L"xy");
    EXPECT_EQ(t.Replace(L"", L"z"), 0);
    EXPECT_EQ(t.Replace(L'x', L'X'), 1);
    EXPECT_EQ(t, L"Xy");
    CString u(L"a-b-c");
    EXPECT_EQ(u.Remove(L'-'), 2);
    EXPECT_EQ(u, L"abc");
}

TEST(CStringEdit, InsertAndDeleteClampTheirPositions) {
    CString s(L"ac");
    EXPECT_EQ(s.Insert(1, L"b"), 3);
    EXPECT_EQ(s.Insert(99, L"d"), 4);
    EXPECT_EQ(s.Insert(-3, L"_"), 5);
    EXPECT_EQ(s, L"_abcd");
    EXPECT_EQ(s.Delete(0), 4);
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s.Delete(5, 1), 2);
    EXPECT_EQ(s, L"ab");
}

TEST(CStringEdit, TrimRemovesOnlyTheGivenCharacters) {
    CString s(L" \t\r\n x y \v\f");
    EXPECT_EQ(s.Trim(), L"x y");
    EXPECT_EQ(CString(L"   ").Trim(), L"");
    EXPECT_EQ(CString(L"  a ").TrimLeft(), L"a ");
    EXPECT_EQ(CString(L"  a ").TrimRight(), L"  a");
    EXPECT_EQ(CString(L"xxaxx").Trim(L"x"), L"a");
    EXPECT_EQ(CString(L"a,,").TrimRight(L','), L"a");
    EXPECT_EQ(CString(L",,").TrimRight(L','), L"");
    EXPECT_EQ(CString(L"ab").TrimLeft(L""), L"ab");
}

TEST(CStringEdit, LeftRightMidClampToTheString) {
    const CString s(L"abcdef");
    EXPECT_EQ(s.Left(0), L"");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Left(99), L"abcdef");
    EXPECT_EQ(s.Right(2), L"ef");
    EXPECT_EQ(s.Right(99), L"abcdef");
    EXPECT_EQ(s.Mid(4), L"ef");
    EXPECT_EQ(s.Mid(6), L"");
    EXPECT_EQ(s.Mid(-2, 3), L"abc");
    EXPECT_EQ(s.Mid(2, 99), L"cdef");
    EXPECT_EQ(s.Mid(2, 0), L"");
    EXPECT_EQ(s.Mid(9, 1), L"");
}

TEST(CStringCase, CompareNoCaseFoldsLettersOfSeveralScripts) {
    EXPECT_EQ(CString(L"VrlTable").CompareNoCase(L"vRLtABLE"), 0);
    EXPECT_EQ(CString(L"\u00c4RGER").CompareNoCase(L"\u00e4rger"), 0);
    EXPECT_EQ(CString(L"\u0394\u0395\u039b\u03a4\u0391").CompareNoCase(L"\u03b4\u03b5\u03bb\u03c4\u03b1"), 0);
    EXPECT_EQ(CString(L"\u0416\u0401").CompareNoCase(L"\u0436\u0451"), 0);
    EXPECT_EQ(CString(L"\u0141\u00f3d\u017a").CompareNoCase(L"\u0142\u00d3D\u0179"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_GT(CString(L"abcd").CompareNoCase(L"ABC"), 0);
    EXPECT_GT(CString(L"a").CompareNoCase(nullptr), 0);
    EXPECT_LT(CString(L"A").Compare(L"a"), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
}

TEST(CStringCase, MakeUpperAndLowerLeaveOtherCharactersAlone) {
    CString s(L"a\u00df\u00e9\u00ff\u03c3\u03c2\u0451z1_");
    EXPECT_EQ(CString(s).MakeUpper(), L"A\u00df\u00c9\u0178\u03a3\u03a3\u0401Z1_");
    EXPECT_EQ(CString(L"\u00c9\u0130\u0178\u0401X").MakeLower(), L"\u00e9i\u00ff\u0451x");
    EXPECT_EQ(CString(L"abc").MakeReverse(), L"cba");
}

// Each boundary of the encoding: the last and first code point of every
// sequence length, surrogates paired and alone, and the malformed forms.
TEST(CStringUtf8, WideToUtf8AtEveryBoundary) {
    const struct {
        std::wstring wide;
        const char* utf8;
    } cases[] = {
        {L"A\u00e9\u4e2d\U0001F600", "A\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80"},
        {{wchar_t(0x7F)}, "\x7f"},
        {{wchar_t(0x80)}, "\xc2\x80"},
        {{wchar_t(0x7FF)}, "\xdf\xbf"},
        {{wchar_t(0x800)}, "\xe0\xa0\x80"},
        {{wchar_t(0xFFFF)}, "\xef\xbf\xbf"},
        {{wchar_t(0x10000)}, "\xf0\x90\x80\x80"},
        {{wchar_t(0x10FFFF)}, "\xf4\x8f\xbf\xbf"},
        {{wchar_t(0x110000)}, "\xef\xbf\xbd"},
        {{wchar_t(0xD83D), wchar_t(0xDE00)}, "\xf0\x9f\x98\x80"}, // a pair from UTF-16 text
        {{wchar_t(0xD800), wchar_t(0xDC00)}, "\xf0\x90\x80\x80"},
        {{wchar_t(0xDBFF), wchar_t(0xDFFF)}, "\xf4\x8f\xbf\xbf"},
        {{wchar_t(0xD800)}, "\xef\xbf\xbd"},
        {{wchar_t(0xDC00), wchar_t(0xD800)}, "\xef\xbf\xbd\xef\xbf\xbd"},
        {{wchar_t(0xD800), L'a'},
         "\xef\xbf\xbd"
         "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.utf8, WideToUtf8(c.wide)) << c.utf8;
        EXPECT_EQ(c.utf8, CString(c.wide.c_str(), static_cast<int>(c.wide.size())).ToUtf8());
    }
}

TEST(CStringUtf8, Utf8ToWideAtEveryBoundaryAndReplacesMalformedInput) {
    const std::wstring bad(1, L'\ufffd');
    const struct {
        const char* utf8;
        std::wstring wide;
    } cases[] = {
        {"\x7f", {wchar_t(0x7F)}},
        {"\xc2\x80", {wchar_t(0x80)}},
        {"\xdf\xbf", {wchar_t(0x7FF)}},
        {"\xe0\xa0\x80", {wchar_t(0x800)}},
        {"\xef\xbf\xbf", {wchar_t(0xFFFF)}},
        {"\xf0\x90\x80\x80", {wchar_t(0x10000)}},
        {"\xf4\x8f\xbf\xbf", {wchar_t(0x10FFFF)}},
        {"\xf4\x90\x80\x80", bad}, // past U+10FFFF
        {"\xed\xa0\x80", bad},     // an encoded surrogate
        {"\xc0\xaf", bad},         // overlong forms of each length
        {"\xc1\xbf", bad},
        {"\xe0\x9f\xbf", bad},
        {"\xf0\x8f\xbf\xbf", bad},
        {"a\xff"
         "b",
         L"a" + bad + L"b"},   // a byte that starts nothing
        {"\x80", bad},         // a lone continuation byte
        {"a\xc3", L"a" + bad}, // cut short at the end
        {"\xe2\x82"
         "x",
         bad + L"x"}, // cut short before a plain byte
        {"\xc3\x28", bad + L"("},
        {"\xf8\x88\x80\x80\x80", bad + bad + bad + bad + bad},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.wide, Utf8ToWide(c.utf8)) << c.utf8;
        EXPECT_EQ(c.wide, std::wstring(CString(c.utf8).GetString()));
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
