// The quick paths of string assembly: "%f" without the C library, sums and
// Concat in one allocation, formatting through the per-thread buffer,
// decimal digits, appends and writes in place. Each must give exactly what
// the general path gives.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>

#include "common/Fmt.h"
#include "platform/CString.h"

namespace {

std::wstring PrintfFixed(double value) {
    char text[512];
    std::snprintf(text, sizeof text, "%f", value);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

} // namespace

TEST(CStringAssembly, PlainFixedMatchesTheCLibrary) {
    const double values[] = {0.0, -0.0, 1.5, -0.125, 0.0000005, 0.0000015, 0.0000025, 2.5e-7, 1e-300,
                             123456.789, 1e15 + 0.3, 9007199254740993.0, DBL_MAX, -DBL_MAX, DBL_MIN,
                             0.1 + 0.2, 1.0 / 3.0, 999999.9999995,
                             // whole numbers of millionths, on both sides of 2^53 millionths
                             42.0, -3.25, 0.015625, -1024.5, 1e9, 4503599627.370496, 9007199254.740991,
                             9007199254.740992, -9007199254.740993};
    for (double value : values)
        EXPECT_EQ(Fmt(L"%lf", value).View(), PrintfFixed(value)) << value;
    // Non-finite values and conversions with flags or width: platform/texts/cstring.txt.
}

TEST(CStringAssembly, ConcatAndSumsKeepTheirOperands) {
    const CString a(L"alpha");
    const CString b(L"beta");
    const wchar_t* none = nullptr;
    EXPECT_EQ(CString::Concat(a, L'(', none, L"", b, L')'), L"alpha(beta)");
    EXPECT_EQ(CString::Concat(), L"");

    // A chain appends to the temporary of its first step only.
    const CString chained = a + L" " + b + L'!' + a;
    EXPECT_EQ(chained, L"alpha beta!alpha");
    EXPECT_EQ(a, L"alpha");
    EXPECT_EQ(b, L"beta");
    EXPECT_EQ(L'<' + a + L'>', L"<alpha>");
    EXPECT_EQ(L"x" + a + none, L"xalpha");

    CString self(L"ab");
    self = self + self;
    EXPECT_EQ(self, L"abab");
    self = CString(self) + self;
    EXPECT_EQ(self, L"abababab");
}

TEST(CStringAssembly, FormatReadsArgumentsThatPointIntoItself) {
    CString text(L"name");
    text.Format(L"[%s|%s]", text.GetString(), text.GetString());
    EXPECT_EQ(text, L"[name|name]");
    text.AppendFormat(L"<%s>", text.GetString());
    EXPECT_EQ(text, L"[name|name]<[name|name]>");

    // A text far longer than the shared buffer keeps is written whole, and
    // the next short one is not disturbed by what came before.
    const std::wstring big(200000, L'x');
    CString large;
    large.Format(L"<%s>%d", big.c_str(), 7);
    EXPECT_EQ(large.View(), L"<" + big + L">7");
    EXPECT_EQ(Fmt(L"%d-%s", 1, L"a"), L"1-a");
}

TEST(CStringAssembly, DecimalDigitsAtTheLimits) {
    for (long long value : {0LL, -1LL, 42LL, LLONG_MAX, LLONG_MIN, static_cast<long long>(INT_MIN)}) {
        std::wstring out(L"=");
        AppendDecimal(out, value);
        EXPECT_EQ(out, L"=" + std::to_wstring(value));
        CString text(L"=");
        AppendDecimal(text, value);
        EXPECT_EQ(text.View(), out);
    }
}

// Appends whose text lies in the string itself, with room to spare and when
// the string must move to grow; text written in place through the buffer.
TEST(CStringAssembly, AppendsOfItsOwnTextAndWritesInPlace) {
    CString grown(L"abc");
    grown += L'd'; // its own now, with little room to spare
    grown.Append(grown.View());
    EXPECT_EQ(grown, L"abcdabcd");
    grown.Append(grown.View().substr(6, 2));
    EXPECT_EQ(grown, L"abcdabcdcd");
    CString roomy(L"xyz");
    roomy.Preallocate(100);
    roomy += roomy.View().substr(1);
    EXPECT_EQ(roomy, L"xyzyz");
    roomy.PreallocateMore(1000);
    roomy += roomy;
    EXPECT_EQ(roomy, L"xyzyzxyzyz");

    CString written;
    wchar_t* chars = written.GetBuffer(8);
    std::wcscpy(chars, L"abcdef");
    written.ReleaseBuffer();
    EXPECT_EQ(written, L"abcdef");
    written.GetBuffer(0);
    written.ReleaseBuffer(2);
    EXPECT_EQ(written, L"ab");
    const CString shared = written;
    written.GetBuffer(40)[1] = L'B';
    written.ReleaseBuffer(2);
    EXPECT_EQ(written, L"aB");
    EXPECT_EQ(shared, L"ab");

    CString lengthened(L"ab");
    wchar_t* tail = lengthened.GetBufferSetLength(5) + 2;
    tail[0] = L'c';
    tail[1] = L'd';
    tail[2] = L'e';
    EXPECT_EQ(lengthened, L"abcde");
    EXPECT_EQ(lengthened.GetString()[5], L'\0');

    CString cut(L"one two");
    const CString before = cut;
    cut.Truncate(20);
    EXPECT_EQ(cut, L"one two");
    cut.Truncate(3);
    EXPECT_EQ(cut, L"one");
    EXPECT_EQ(before, L"one two");
    cut.Truncate(-1);
    EXPECT_TRUE(cut.IsEmpty());
    EXPECT_STREQ(cut.GetString(), L"");
    // Emptied, it keeps its room and takes the next text in it.
    cut += L"again";
    cut.Empty();
    cut += L"more";
    EXPECT_EQ(cut, L"more");
}
