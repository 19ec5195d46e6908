// CString: the formatter (wide %s and %c, C-library numbers in any process
// locale), search and edit edge cases, case-insensitive comparison, UTF-8.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <thread>
#include <vector>

#include "common/Fmt.h"
#include "common/TestData.h"
#include "platform/CString.h"
#include "platform/StringResources.h"
#include "platform/VariantText.h"

namespace {

// Formats a case row: its second field gives the type of each argument that
// follows the format (s wide text, NULL being a null pointer, n narrow text,
// c a character and d an int, both passed as int, L a 64-bit integer, f a
// double).
template <class... A>
CString FormatRow(const VrlSchemaTest::CaseRow& row, const std::vector<std::string>& bytes, A... args) {
    constexpr size_t i = sizeof...(A);
    if (i == row[1].size())
        return Fmt(row[0].c_str(), args...);
    if constexpr (i < 4) {
        const std::wstring& field = row[2 + i];
        switch (row[1][i]) {
        case L's':
            return FormatRow(row, bytes, args..., field == L"NULL" ? nullptr : field.c_str());
        case L'n':
            return FormatRow(row, bytes, args..., bytes[2 + i].c_str());
        case L'c':
            return FormatRow(row, bytes, args..., static_cast<int>(field[0]));
        case L'd':
            return FormatRow(row, bytes, args..., static_cast<int>(std::stoll(field)));
        case L'L':
            return FormatRow(row, bytes, args..., static_cast<long long>(std::stoull(field)));
        case L'f':
            return FormatRow(row, bytes, args..., VrlSchemaTest::Real<double>(field));
        }
    }
    ADD_FAILURE() << "bad argument types in " << row.where;
    return CString();
}

// Applies the operation of a case row to `s`: what it returns, as text. A
// text argument NULL is a null pointer.
std::wstring Apply(CString& s, const VrlSchemaTest::CaseRow& row) {
    const size_t args = row.inputs - 2;
    const std::wstring& op = row[1];
    auto t = [&](size_t i) { return row[2 + i] == L"NULL" ? nullptr : row[2 + i].c_str(); };
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

// Every format case in the "C" locale and in one whose decimal point is a
// comma (platform/texts/cstring.txt).
TEST(CStringFormat, EveryCaseInEveryLocale) {
    const auto rows = VrlSchemaTest::ReadCases("platform/texts/cstring.txt", "format");
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "locale " << locale << " is not installed";
        ASSERT_STREQ(std::localeconv()->decimal_point, locale[0] == 'C' ? "." : ",");
        for (const auto& row : rows) {
            std::vector<std::string> bytes;
            for (const std::wstring& field : row.fields)
                bytes.push_back(VrlSchemaTest::Bytes(field));
            EXPECT_EQ(FormatRow(row, bytes).View(), row[row.inputs]) << row.where << " " << locale;
        }
    }
    std::setlocale(LC_ALL, "C");
}

// Fields wider than a small buffer are written whole; absurd widths are
// capped, not overflowed. (Long arguments: TestCStringAssembly.cpp.)
TEST(CStringFormat, WideFieldsAreWholeAndOversizedOnesCapped) {
    EXPECT_EQ(Fmt(L"%300d", 1).GetLength(), 300);
    EXPECT_EQ(Fmt(L"%.200f", 1.0).GetLength(), 202);
    EXPECT_EQ(Fmt(L"%99999999999d", 1).GetLength(), 1000000);
    EXPECT_EQ(Fmt(L"%*d|", -2147483647 - 1, 5).GetLength(), 1000001);
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
}

// Copies share one text until one of them changes: every change, through
// whichever operation, must leave the other copies as they were.
TEST(CStringSharing, CopiesStayApartWhenOneChanges) {
    const CString original(L"Customer Name");
    const auto changes = std::vector<void (*)(CString&)>{
        [](CString& s) { s += L"!"; },
        [](CString& s) { s += CString(L"!"); },
        [](CString& s) { s += L'!'; },
        [](CString& s) { s.AppendChar(L'!'); },
        [](CString& s) { s.Append(L"!?", 1); },
        [](CString& s) { s.SetAt(0, L'c'); },
        [](CString& s) { s.Replace(L"Name", L"ID"); },
        [](CString& s) { s.Replace(L'e', L'E'); },
        [](CString& s) { s.Remove(L'e'); },
        [](CString& s) { s.Insert(0, L">"); },
        [](CString& s) { s.Delete(0, 2); },
        [](CString& s) { s.MakeLower(); },
        [](CString& s) { s.MakeUpper(); },
        [](CString& s) { s.MakeReverse(); },
        [](CString& s) { s.TrimRight(L"me"); },
        [](CString& s) { s.TrimLeft(L"Cu"); },
        [](CString& s) { s.Format(L"%s!", L"x"); },
        [](CString& s) { s.AppendFormat(L"%d", 7); },
        [](CString& s) {
            s.GetBuffer(0)[0] = L'c';
            s.ReleaseBuffer();
        },
        [](CString& s) { s.Truncate(3); },
        [](CString& s) { s.GetBufferSetLength(4)[0] = L'c'; },
        [](CString& s) { s = L"other"; },
        [](CString& s) { s.Empty(); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        CString copy = original;
        const CString second = copy;
        changes[i](copy);
        EXPECT_NE(original, copy) << "change " << i;
        EXPECT_EQ(L"Customer Name", original.View()) << "change " << i;
        EXPECT_EQ(L"Customer Name", second.View()) << "change " << i;
    }
    // A text assigned from a copy's own characters, and appended to itself.
    CString a = original;
    CString b = a;
    b = b.GetString() + 9;
    EXPECT_EQ(L"Name", b.View());
    a += a;
    EXPECT_EQ(L"Customer NameCustomer Name", a.View());
    EXPECT_EQ(L"Customer Name", original.View());
    // Empty strings, however made, are equal and read as "".
    CString empty;
    CString emptied = original;
    emptied.Empty();
    EXPECT_EQ(empty, emptied);
    EXPECT_STREQ(L"", empty.GetString());
    EXPECT_EQ(0, CString(L"  ").Trim().GetLength());
}

// Threads copying and dropping copies of one shared string (as generators
// reading one model do) must leave its count right.
TEST(CStringSharing, CopiesAcrossThreadsKeepTheCount) {
    const CString shared(L"a name the model holds once");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&shared] {
            for (int i = 0; i < 20000; ++i) {
                CString copy = shared;
                CString moved = std::move(copy);
                if (moved.GetLength() != shared.GetLength())
                    ADD_FAILURE();
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    CString last = shared;
    last += L"!";
    EXPECT_EQ(L"a name the model holds once", shared.View());
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
