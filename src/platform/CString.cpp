// CString operations, the printf-style formatter with the wide meaning of
// "%s" and "%c", case mapping and UTF-8 conversion.
//
// The formatter scans the format itself instead of handing it to vswprintf:
// the C library reads "%s" in a wide format as a narrow string, which is not
// what the callers of this class mean. Strings and characters are copied
// directly; every numeric conversion is rebuilt as a single narrow conversion
// and given to snprintf under the "C" locale, so that the decimal point is
// always '.' whatever locale the process runs in.
#include "CString.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <locale.h>
#include <new>
#include <stdexcept>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "CException.h"
#include "StringResources.h"

// ---------------------------------------------------------------------------
// UTF-8

namespace {

constexpr wchar_t kReplacementChar = 0xFFFD;

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacementChar;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWide(std::wstring& out, std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        int extra;
        char32_t cp;
        char32_t minimum;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
            minimum = 0x10000;
        } else {
            out += kReplacementChar;
            ++i;
            continue;
        }
        size_t j = i + 1;
        int got = 0;
        while (got < extra && j < n && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
            ++j;
            ++got;
        }
        if (got < extra || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += kReplacementChar;
            i = (got < extra) ? j : i + 1 + extra;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i = j;
    }
}

std::wstring Utf8ToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    AppendWide(out, text);
    return out;
}

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    AppendUtf8(out, text);
    return out;
}

namespace {

// Eight characters at `from`, when all are ASCII, written as eight bytes to
// `to`; false, and nothing written, otherwise.
inline bool AsciiBlock(const wchar_t* from, char* to) {
    static_assert(sizeof(wchar_t) == 4, "wide characters are 32 bits");
#if defined(__SSE2__)
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4));
    const __m128i beyond = _mm_and_si128(_mm_or_si128(low, high), _mm_set1_epi32(~0x7F));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(beyond, _mm_setzero_si128())) != 0xFFFF)
        return false;
    const __m128i words = _mm_packs_epi32(low, high);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(words, words));
    return true;
#else
    uint32_t any = 0;
    for (int k = 0; k < 8; ++k)
        any |= static_cast<uint32_t>(from[k]);
    if (any >= 0x80)
        return false;
    for (int k = 0; k < 8; ++k)
        to[k] = static_cast<char>(from[k]);
    return true;
#endif
}

} // namespace

void AppendUtf8(std::string& out, std::wstring_view text) {
    using Unit = std::make_unsigned_t<wchar_t>;
    // Room for one byte per character, which all-ASCII text takes; blocks of
    // eight ASCII characters are copied at once. A character past ASCII is
    // appended in its own bytes, and room made again for the rest.
    const size_t n = text.size();
    size_t i = 0;
    size_t at = out.size();
    out.resize(at + n);
    char* dst = out.data() + at;
    while (i < n) {
        while (n - i >= 8 && AsciiBlock(text.data() + i, dst)) {
            dst += 8;
            i += 8;
        }
        if (i == n)
            break;
        char32_t cp = static_cast<char32_t>(static_cast<Unit>(text[i]));
        if (cp < 0x80) {
            *dst++ = static_cast<char>(cp);
            ++i;
            continue;
        }
        out.resize(static_cast<size_t>(dst - out.data()));
        // Text that came from UTF-16 sources may still hold surrogate pairs.
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n) {
            const char32_t low = static_cast<char32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(out, cp);
        ++i;
        at = out.size();
        out.resize(at + (n - i));
        dst = out.data() + at;
    }
    out.resize(static_cast<size_t>(dst - out.data()));
}

// ---------------------------------------------------------------------------
// Storage

namespace {

// GetLength() is an int.
constexpr size_t kMaxLength = 0x7FFFFFFE;

size_t BlockBytes(size_t headerBytes, size_t capacity) {
    return headerBytes + (capacity + 1) * sizeof(wchar_t);
}

} // namespace

CString::Rep* CString::Rep::Allocate(size_t capacity) {
    if (capacity > kMaxLength)
        throw std::length_error("CString: text too long");
    void* block = ::operator new(BlockBytes(sizeof(Rep), capacity));
    return ::new (block) Rep{{1}, 0, static_cast<uint32_t>(capacity)};
}

void CString::Rep::Free(Rep* rep) noexcept {
#if defined(__cpp_sized_deallocation)
    // The allocator is told the size when the compiler lets us (clang only
    // with -fsized-deallocation).
    const size_t bytes = BlockBytes(sizeof(Rep), rep->capacity);
    rep->~Rep();
    ::operator delete(static_cast<void*>(rep), bytes);
#else
    rep->~Rep();
    ::operator delete(static_cast<void*>(rep));
#endif
}

CString::Rep* CString::Make(std::wstring_view text) {
    if (text.empty())
        return nullptr;
    Rep* rep = Rep::Allocate(text.size());
    CopyChars(rep->Chars(), text.data(), text.size());
    rep->length = static_cast<uint32_t>(text.size());
    rep->Chars()[text.size()] = L'\0';
    return rep;
}

CString::CString(wchar_t ch, int repeat) {
    if (repeat > 0) {
        m_rep = Rep::Allocate(static_cast<size_t>(repeat));
        std::char_traits<wchar_t>::assign(m_rep->Chars(), static_cast<size_t>(repeat), ch);
        SetLength(static_cast<size_t>(repeat));
    }
}

CString::CString(const char* utf8) {
    if (utf8 != nullptr && *utf8 != '\0') {
        std::wstring text;
        AppendWide(text, utf8);
        m_rep = Make(text);
    }
}

void CString::MakeRoom(size_t capacity, bool grow) {
    capacity = std::max(capacity, static_cast<size_t>(GetLength()));
    if (OwnsText() && m_rep->capacity >= capacity)
        return;
    if (capacity == 0 && m_rep == nullptr)
        return; // nothing to hold
    Reallocate(grow ? GrownCapacity(capacity) : capacity, std::wstring_view());
}

void CString::AppendGrowing(std::wstring_view text) {
    const size_t length = static_cast<size_t>(GetLength());
    if (text.size() > kMaxLength - length)
        throw std::length_error("CString: text too long");
    Reallocate(GrownCapacity(length + text.size()), text);
}

size_t CString::GrownCapacity(size_t capacity) const {
    // A text of its own at least doubles its room when it moves; a shared
    // one is copied at the size asked for.
    if (OwnsText())
        capacity = std::max(capacity, std::min(kMaxLength, 2 * static_cast<size_t>(m_rep->capacity)));
    return capacity;
}

void CString::Reallocate(size_t capacity, std::wstring_view tail) {
    const size_t length = static_cast<size_t>(GetLength());
    // Both copies are made before the old text goes: `tail` may lie in it.
    Rep* own = Rep::Allocate(capacity);
    if (length > 0)
        CopyChars(own->Chars(), m_rep->Chars(), length);
    CopyChars(own->Chars() + length, tail.data(), tail.size());
    Release();
    m_rep = own;
    SetLength(length + tail.size());
}

void CString::Assign(std::wstring_view text) {
    if (text.empty()) {
        Empty();
    } else if (OwnsText() && m_rep->capacity >= text.size()) {
        MoveChars(m_rep->Chars(), text.data(), text.size()); // may overlap
        SetLength(text.size());
    } else {
        // Copied before the old text is let go: `text` may lie in it.
        Rep* own = Make(text);
        Release();
        m_rep = own;
    }
}

wchar_t* CString::GetBuffer(int minLength) {
    const size_t wanted = minLength > 0 ? static_cast<size_t>(minLength) : 0;
    if (m_rep == nullptr) {
        m_rep = Rep::Allocate(wanted);
        SetLength(0);
    } else {
        MakeRoom(wanted, false);
    }
    return m_rep->Chars();
}

wchar_t* CString::SetLengthGrowing(int newLength) {
    const size_t wanted = newLength > 0 ? static_cast<size_t>(newLength) : 0;
    if (m_rep == nullptr)
        m_rep = Rep::Allocate(wanted);
    else
        MakeRoom(wanted, true);
    SetLength(wanted);
    return m_rep->Chars();
}

void CString::ReleaseBuffer(int newLength) {
    if (m_rep == nullptr)
        return;
    const wchar_t* chars = m_rep->Chars();
    size_t length = 0;
    if (newLength < 0) {
        while (length < m_rep->capacity && chars[length] != L'\0')
            ++length;
    } else {
        length = std::min(static_cast<size_t>(newLength), static_cast<size_t>(m_rep->capacity));
    }
    SetLength(length);
}

void CString::Truncate(int newLength) {
    if (newLength >= GetLength())
        return;
    if (newLength <= 0) {
        Empty();
        return;
    }
    Own();
    SetLength(static_cast<size_t>(newLength));
}

void CString::Empty() {
    // A text of its own keeps its room for what is written next.
    if (OwnsText())
        SetLength(0);
    else
        Release();
}

std::string CString::ToUtf8() const {
    return WideToUtf8(View());
}

// ---------------------------------------------------------------------------
// Case mapping

wchar_t CharToLower(wchar_t ch) {
    const unsigned c = static_cast<unsigned>(ch);
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? static_cast<wchar_t>(c + 32) : ch;
    if (c < 0x100)
        return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? static_cast<wchar_t>(c + 32) : ch;
    if (c < 0x180) {
        if (c == 0x130)
            return L'i';
        if (c == 0x178)
            return static_cast<wchar_t>(0xFF);
        if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
            return (c % 2 == 0) ? static_cast<wchar_t>(c + 1) : ch;
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 1) ? static_cast<wchar_t>(c + 1) : ch;
        return ch;
    }
    if (c >= 0x386 && c <= 0x3AB) {
        if (c == 0x386)
            return static_cast<wchar_t>(0x3AC);
        if (c >= 0x388 && c <= 0x38A)
            return static_cast<wchar_t>(c + 37);
        if (c == 0x38C)
            return static_cast<wchar_t>(0x3CC);
        if (c == 0x38E || c == 0x38F)
            return static_cast<wchar_t>(c + 63);
        if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
            return static_cast<wchar_t>(c + 32);
        return ch;
    }
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<wchar_t>(c + 80);
    if (c >= 0x410 && c <= 0x42F)
        return static_cast<wchar_t>(c + 32);
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
        return (c % 2 == 0) ? static_cast<wchar_t>(c + 1) : ch;
    if (c == 0x4C0)
        return static_cast<wchar_t>(0x4CF);
    if (c >= 0x4C1 && c <= 0x4CE)
        return (c % 2 == 1) ? static_cast<wchar_t>(c + 1) : ch;
    return ch;
}

wchar_t CharToUpper(wchar_t ch) {
    const unsigned c = static_cast<unsigned>(ch);
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? static_cast<wchar_t>(c - 32) : ch;
    if (c < 0x100) {
        if (c == 0xB5)
            return static_cast<wchar_t>(0x39C);
        if (c == 0xFF)
            return static_cast<wchar_t>(0x178);
        return (c >= 0xE0 && c <= 0xFE && c != 0xF7) ? static_cast<wchar_t>(c - 32) : ch;
    }
    if (c < 0x180) {
        if (c == 0x131)
            return L'I';
        if (c == 0x17F)
            return L'S';
        if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
            return (c % 2 == 1) ? static_cast<wchar_t>(c - 1) : ch;
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 0) ? static_cast<wchar_t>(c - 1) : ch;
        return ch;
    }
    if (c >= 0x3AC && c <= 0x3CE) {
        if (c == 0x3AC)
            return static_cast<wchar_t>(0x386);
        if (c >= 0x3AD && c <= 0x3AF)
            return static_cast<wchar_t>(c - 37);
        if (c == 0x3C2)
            return static_cast<wchar_t>(0x3A3);
        if (c == 0x3CC)
            return static_cast<wchar_t>(0x38C);
        if (c == 0x3CD || c == 0x3CE)
            return static_cast<wchar_t>(c - 63);
        if (c >= 0x3B1 && c <= 0x3CB)
            return static_cast<wchar_t>(c - 32);
        return ch;
    }
    if (c >= 0x430 && c <= 0x44F)
        return static_cast<wchar_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<wchar_t>(c - 80);
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
        return (c % 2 == 1) ? static_cast<wchar_t>(c - 1) : ch;
    if (c == 0x4CF)
        return static_cast<wchar_t>(0x4C0);
    if (c >= 0x4C1 && c <= 0x4CE)
        return (c % 2 == 0) ? static_cast<wchar_t>(c - 1) : ch;
    return ch;
}

// ---------------------------------------------------------------------------
// Access, comparison, search

wchar_t CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    return GetString()[index];
}

void CString::SetAt(int index, wchar_t ch) {
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    Own()[index] = ch;
}

CString& CString::operator=(const wchar_t* text) {
    Assign(text ? std::wstring_view(text) : std::wstring_view());
    return *this;
}

CString& CString::operator=(wchar_t ch) {
    Assign(std::wstring_view(&ch, 1));
    return *this;
}

int CString::Compare(const wchar_t* other) const {
    const wchar_t* a = GetString();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        if (*a != *b)
            return (static_cast<unsigned>(*a) < static_cast<unsigned>(*b)) ? -1 : 1;
        if (*a == L'\0')
            return 0;
    }
}

int CString::CompareNoCase(const wchar_t* other) const {
    const wchar_t* a = GetString();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        const unsigned la = static_cast<unsigned>(CharToLower(*a));
        const unsigned lb = static_cast<unsigned>(CharToLower(*b));
        if (la != lb)
            return la < lb ? -1 : 1;
        if (la == 0)
            return 0;
    }
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t pos = View().find(ch, static_cast<size_t>(start));
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    const size_t pos = View().find(sub, static_cast<size_t>(start));
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    const size_t pos = View().rfind(ch);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const wchar_t* chars) const {
    if (chars == nullptr || *chars == L'\0')
        return -1;
    const size_t pos = View().find_first_of(chars);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

// ---------------------------------------------------------------------------
// Editing

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    if (oldText == nullptr || *oldText == L'\0')
        return 0;
    const std::wstring_view from(oldText);
    const std::wstring_view to(newText ? newText : L"");
    const std::wstring_view text = View();
    size_t pos = text.find(from);
    if (pos == std::wstring_view::npos)
        return 0;
    // Counted first, so that the result is written once at its length
    // however many matches there are.
    int count = 0;
    for (size_t at = pos; at != std::wstring_view::npos; at = text.find(from, at + from.size()))
        ++count;
    const size_t length =
        text.size() - static_cast<size_t>(count) * from.size() + static_cast<size_t>(count) * to.size();
    CString result;
    if (length > 0) {
        result.m_rep = Rep::Allocate(length);
        wchar_t* out = result.m_rep->Chars();
        size_t last = 0;
        for (; pos != std::wstring_view::npos; pos = text.find(from, last)) {
            out = std::copy(text.begin() + static_cast<std::ptrdiff_t>(last),
                            text.begin() + static_cast<std::ptrdiff_t>(pos), out);
            out = std::copy(to.begin(), to.end(), out);
            last = pos + from.size();
        }
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(last), text.end(), out);
        result.SetLength(length);
    }
    *this = std::move(result);
    return count;
}

int CString::Replace(wchar_t oldChar, wchar_t newChar) {
    if (View().find(oldChar) == std::wstring_view::npos)
        return 0;
    int count = 0;
    wchar_t* chars = Own();
    for (size_t i = 0, n = static_cast<size_t>(GetLength()); i < n; ++i) {
        if (chars[i] == oldChar) {
            chars[i] = newChar;
            ++count;
        }
    }
    return count;
}

int CString::Remove(wchar_t ch) {
    if (View().find(ch) == std::wstring_view::npos)
        return 0;
    const size_t before = static_cast<size_t>(GetLength());
    wchar_t* chars = Own();
    const size_t after = static_cast<size_t>(std::remove(chars, chars + before, ch) - chars);
    SetLength(after);
    return static_cast<int>(before - after);
}

int CString::Insert(int index, const wchar_t* text) {
    if (index < 0)
        index = 0;
    if (index > GetLength())
        index = GetLength();
    if (text != nullptr && *text != L'\0') {
        const std::wstring_view view(text);
        *this = Concat(View().substr(0, static_cast<size_t>(index)), view,
                       View().substr(static_cast<size_t>(index)));
    }
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0)
        index = 0;
    const size_t length = static_cast<size_t>(GetLength());
    if (count > 0 && static_cast<size_t>(index) < length) {
        const size_t from = static_cast<size_t>(index);
        const size_t gone = std::min(static_cast<size_t>(count), length - from);
        wchar_t* chars = Own();
        MoveChars(chars + from, chars + from + gone, length - from - gone);
        SetLength(length - gone);
    }
    return GetLength();
}

CString& CString::MakeLower() {
    if (!IsEmpty()) {
        wchar_t* chars = Own();
        for (size_t i = 0, n = static_cast<size_t>(GetLength()); i < n; ++i)
            chars[i] = CharToLower(chars[i]);
    }
    return *this;
}

CString& CString::MakeUpper() {
    if (!IsEmpty()) {
        wchar_t* chars = Own();
        for (size_t i = 0, n = static_cast<size_t>(GetLength()); i < n; ++i)
            chars[i] = CharToUpper(chars[i]);
    }
    return *this;
}

CString& CString::MakeReverse() {
    if (GetLength() > 1) {
        wchar_t* chars = Own();
        std::reverse(chars, chars + GetLength());
    }
    return *this;
}

namespace {
constexpr std::wstring_view kWhiteSpace = L" \t\r\n\v\f";
}

CString& CString::Trim() {
    // Most texts have nothing to trim: both ends are looked at first.
    // kWhiteSpace is the space and the characters from tab to carriage return.
    const auto white = [](wchar_t ch) { return ch == L' ' || (ch >= L'\t' && ch <= L'\r'); };
    const std::wstring_view text = View();
    if (!text.empty() && !white(text.front()) && !white(text.back()))
        return *this;
    return TrimRight().TrimLeft();
}
CString& CString::TrimLeft() {
    return TrimLeftOf(kWhiteSpace);
}
CString& CString::TrimRight() {
    return TrimRightOf(kWhiteSpace);
}
CString& CString::Trim(const wchar_t* chars) {
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft(const wchar_t* chars) {
    return chars == nullptr ? *this : TrimLeftOf(chars);
}

CString& CString::TrimRight(const wchar_t* chars) {
    return chars == nullptr ? *this : TrimRightOf(chars);
}

CString& CString::TrimLeftOf(std::wstring_view chars) {
    if (chars.empty())
        return *this;
    const size_t first = View().find_first_not_of(chars);
    if (first == std::wstring_view::npos)
        Empty();
    else if (first > 0)
        Delete(0, static_cast<int>(first));
    return *this;
}

CString& CString::TrimRightOf(std::wstring_view chars) {
    if (chars.empty())
        return *this;
    const size_t last = View().find_last_not_of(chars);
    if (last == std::wstring_view::npos)
        Empty();
    else
        Truncate(static_cast<int>(last + 1));
    return *this;
}

CString& CString::TrimRight(wchar_t ch) {
    const std::wstring_view text = View();
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ch)
        --end;
    if (end == 0)
        Empty();
    else
        Truncate(static_cast<int>(end));
    return *this;
}

CString CString::Left(int count) const {
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(View().substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(View().substr(View().size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    if (first < 0)
        first = 0;
    if (count <= 0 || first >= GetLength())
        return CString();
    if (first == 0 && count >= GetLength())
        return *this;
    return CString(View().substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

// ---------------------------------------------------------------------------
// Resources

BOOL CString::LoadString(UINT id) {
    const wchar_t* text = AfxFindStringResource(id);
    if (text == nullptr) {
        Empty();
        return FALSE;
    }
    *this = text;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Formatting

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches the calling thread to the "C" locale on first need, and back when
// it goes out of scope; most formats hold no conversion that needs it.
class CLocaleScope {
public:
    CLocaleScope() = default;
    ~CLocaleScope() {
        if (m_previous)
            uselocale(m_previous);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

    void Enter() {
        if (!m_previous && CLocale())
            m_previous = uselocale(CLocale());
    }

private:
    locale_t m_previous = static_cast<locale_t>(nullptr);
};

struct Spec {
    std::string flags;
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    enum class Size {
        Default,
        Char,
        Short,
        Long,
        LongLong,
        LongDouble,
        SizeT,
        IntMax,
        PtrDiff
    } size = Size::Default;
    bool narrowString = false; // 'h' given for a string or character
    bool wideString = false;   // 'l' or 'w' given for a string or character
};

void Pad(std::wstring& out, const Spec& spec, size_t length) {
    if (spec.width > 0 && static_cast<size_t>(spec.width) > length)
        out.append(static_cast<size_t>(spec.width) - length, L' ');
}

void AppendPadded(std::wstring& out, const Spec& spec, std::wstring_view text) {
    if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision))
        text = text.substr(0, static_cast<size_t>(spec.precision));
    if (!spec.leftAlign)
        Pad(out, spec, text.size());
    out.append(text);
    if (spec.leftAlign)
        Pad(out, spec, text.size());
}

// The narrow conversion with the resolved width and precision.
std::string NarrowFormat(const Spec& spec, const char* size, char conversion) {
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) on a
    // temporary "literal" + std::string at -O2.
    std::string format(1, '%');
    format += spec.flags;
    if (spec.width >= 0)
        format += std::to_string(spec.width);
    if (spec.precision >= 0) {
        format += '.';
        format += std::to_string(spec.precision);
    }
    format += size;
    format += conversion;
    return format;
}

template <typename T>
void AppendNumber(std::wstring& out, CLocaleScope& cLocale, const std::string& format, T value) {
    cLocale.Enter();
    char small[128];
    int length = std::snprintf(small, sizeof small, format.c_str(), value);
    if (length < 0)
        return;
    if (static_cast<size_t>(length) < sizeof small) {
        out.append(small, small + length);
        return;
    }
    std::string large(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(large.data(), large.size(), format.c_str(), value);
    out.append(large.begin(), large.begin() + length);
}

// Plain "%d", "%ld", "%u" (no flags, width or precision) are most of what
// the generators format; they skip the C library. The digits are written
// backwards from `end`.
std::wstring_view MagnitudeText(wchar_t* end, unsigned long long magnitude, bool negative) {
    wchar_t* p = end;
    do {
        *--p = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--p = L'-';
    return std::wstring_view(p, static_cast<size_t>(end - p));
}

void AppendMagnitude(std::wstring& out, unsigned long long magnitude, bool negative) {
    wchar_t digits[24];
    out += MagnitudeText(digits + 24, magnitude, negative);
}

std::wstring_view DecimalText(wchar_t* end, long long value) {
    const bool negative = value < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    return MagnitudeText(end, magnitude, negative);
}

// "%f"'s digits of a finite value in `digits`; their count, or 0 for an
// infinity or a NaN.
size_t Fixed6Digits(char (&digits)[400], double value) {
    if (!std::isfinite(value))
        return 0;
    // A whole number of millionths (42, 1.5, 0.25) is written from that
    // count, when the product below is exact (fma gives its rounding error)
    // and the count fits a double's integers; "%f" gives these digits
    // exactly. Every other value goes the general way.
    const double scaled = value * 1e6;
    if (std::fabs(scaled) < 9007199254740992.0 && scaled == std::trunc(scaled) &&
        std::fma(value, 1e6, -scaled) == 0.0) {
        char reversed[32];
        size_t count = 0;
        auto units = static_cast<uint64_t>(std::fabs(scaled));
        for (int place = 0; place < 6; ++place, units /= 10)
            reversed[count++] = static_cast<char>('0' + units % 10);
        reversed[count++] = '.';
        do {
            reversed[count++] = static_cast<char>('0' + units % 10);
            units /= 10;
        } while (units != 0);
        if (std::signbit(value))
            reversed[count++] = '-';
        std::reverse_copy(reversed, reversed + count, digits);
        return count;
    }
    // DBL_MAX has 309 integer digits.
    const std::to_chars_result written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    return written.ec == std::errc() ? static_cast<size_t>(written.ptr - digits) : 0;
}

} // namespace

bool AppendFixed6(std::wstring& out, double value) {
    char digits[400];
    const size_t count = Fixed6Digits(digits, value);
    out.append(digits, digits + count);
    return count > 0;
}

bool AppendFixed6(CString& out, double value) {
    char digits[400];
    const size_t count = Fixed6Digits(digits, value);
    wchar_t wide[400];
    std::copy(digits, digits + count, wide);
    out.Append(std::wstring_view(wide, count));
    return count > 0;
}

namespace {

// Widths and precisions are capped, so that a malformed format cannot ask
// for gigabytes of padding or overflow the count.
constexpr int kMaxField = 1000000;

int ReadField(const wchar_t*& p) {
    int value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        if (value < kMaxField)
            value = value * 10 + (*p - L'0');
    }
    return std::min(value, kMaxField);
}

bool IsPlain(const Spec& spec) {
    return spec.flags.empty() && spec.width < 0 && spec.precision < 0;
}

void FormatInto(std::wstring& out, const wchar_t* format, va_list args) {
    if (format == nullptr)
        return;
    va_list ap;
    va_copy(ap, args);
    CLocaleScope cLocale;
    const wchar_t* p = format;
    while (*p != L'\0') {
        if (*p != L'%') {
            const wchar_t* run = p;
            while (*p != L'\0' && *p != L'%')
                ++p;
            out.append(run, static_cast<size_t>(p - run));
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Spec spec;
        for (; *p == L'-' || *p == L'+' || *p == L' ' || *p == L'#' || *p == L'0'; ++p) {
            if (*p == L'-')
                spec.leftAlign = true;
            spec.flags += static_cast<char>(*p);
        }
        if (*p == L'*') {
            const int width = va_arg(ap, int);
            if (width < 0) {
                spec.leftAlign = true;
                spec.flags += '-';
            }
            spec.width = width < 0 ? (width < -kMaxField ? kMaxField : -width) : std::min(width, kMaxField);
            ++p;
        } else if (*p >= L'0' && *p <= L'9') {
            spec.width = ReadField(p);
        }
        if (*p == L'.') {
            ++p;
            if (*p == L'*') {
                const int precision = va_arg(ap, int);
                spec.precision = precision < 0 ? -1 : std::min(precision, kMaxField); // negative: none given
                ++p;
            } else {
                spec.precision = ReadField(p);
            }
        }
        using Size = Spec::Size;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            spec.size = Size::LongLong;
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (*p == L'I') {
            spec.size = Size::SizeT;
            ++p;
        } else if (p[0] == L'h' && p[1] == L'h') {
            spec.size = Size::Char;
            spec.narrowString = true;
            p += 2;
        } else if (*p == L'h') {
            spec.size = Size::Short;
            spec.narrowString = true;
            ++p;
        } else if (p[0] == L'l' && p[1] == L'l') {
            spec.size = Size::LongLong;
            p += 2;
        } else if (*p == L'l' || *p == L'w') {
            spec.size = Size::Long;
            spec.wideString = true;
            ++p;
        } else if (*p == L'L') {
            spec.size = Size::LongDouble;
            ++p;
        } else if (*p == L'z') {
            spec.size = Size::SizeT;
            ++p;
        } else if (*p == L'j') {
            spec.size = Size::IntMax;
            ++p;
        } else if (*p == L't') {
            spec.size = Size::PtrDiff;
            ++p;
        }
        const wchar_t conversion = *p;
        if (conversion == L'\0') {
            out.append(start); // an incomplete conversion at the end stays as written
            break;
        }
        ++p;
        switch (conversion) {
        case L's':
        case L'S': {
            const bool narrow = conversion == L'S' ? !spec.wideString : spec.narrowString;
            if (narrow) {
                const char* text = va_arg(ap, const char*);
                AppendPadded(out, spec, Utf8ToWide(text ? text : "(null)"));
            } else {
                const wchar_t* text = va_arg(ap, const wchar_t*);
                AppendPadded(out, spec, text ? text : L"(null)");
            }
            break;
        }
        case L'c':
        case L'C': {
            const bool narrow = conversion == L'C' ? !spec.wideString : spec.narrowString;
            const int value = va_arg(ap, int);
            const wchar_t ch = narrow ? static_cast<wchar_t>(static_cast<unsigned char>(value))
                                      : static_cast<wchar_t>(value);
            spec.precision = -1;
            AppendPadded(out, spec, std::wstring_view(&ch, 1));
            break;
        }
        case L'd':
        case L'i':
        case L'u':
        case L'o':
        case L'x':
        case L'X': {
            const char conv = static_cast<char>(conversion);
            const bool isSigned = conversion == L'd' || conversion == L'i';
            if (IsPlain(spec) && (isSigned || conversion == L'u') &&
                (spec.size == Size::Default || spec.size == Size::Long || spec.size == Size::LongLong)) {
                if (spec.size == Size::LongLong) {
                    if (isSigned)
                        AppendDecimal(out, va_arg(ap, long long));
                    else
                        AppendMagnitude(out, va_arg(ap, unsigned long long), false);
                } else if (isSigned) {
                    AppendDecimal(out, va_arg(ap, int));
                } else {
                    AppendMagnitude(out, va_arg(ap, unsigned int), false);
                }
                break;
            }
            switch (spec.size) {
            case Size::LongLong:
            case Size::IntMax:
                if (isSigned)
                    AppendNumber(out, cLocale, NarrowFormat(spec, "ll", conv), va_arg(ap, long long));
                else
                    AppendNumber(out, cLocale, NarrowFormat(spec, "ll", conv),
                                 va_arg(ap, unsigned long long));
                break;
            case Size::SizeT:
            case Size::PtrDiff:
                if (isSigned)
                    AppendNumber(out, cLocale, NarrowFormat(spec, "ll", conv),
                                 static_cast<long long>(va_arg(ap, ptrdiff_t)));
                else
                    AppendNumber(out, cLocale, NarrowFormat(spec, "ll", conv),
                                 static_cast<unsigned long long>(va_arg(ap, size_t)));
                break;
            case Size::Short:
                AppendNumber(out, cLocale, NarrowFormat(spec, "h", conv), va_arg(ap, int));
                break;
            case Size::Char:
                AppendNumber(out, cLocale, NarrowFormat(spec, "hh", conv), va_arg(ap, int));
                break;
            default:
                // "%ld" is 32 bits wide, as long was where these formats come
                // from: callers pass LONG (int32_t) values with it.
                if (isSigned)
                    AppendNumber(out, cLocale, NarrowFormat(spec, "", conv), va_arg(ap, int));
                else
                    AppendNumber(out, cLocale, NarrowFormat(spec, "", conv), va_arg(ap, unsigned int));
                break;
            }
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G':
        case L'a':
        case L'A': {
            const char conv = static_cast<char>(conversion);
            if (conversion == L'f' && spec.size != Size::LongDouble && IsPlain(spec)) {
                // Plain "%f" / "%lf" is how every floating literal is
                // written; to_chars gives the same digits without the C
                // library's cost.
                const double value = va_arg(ap, double);
                if (AppendFixed6(out, value))
                    break;
                AppendNumber(out, cLocale, NarrowFormat(spec, "", conv), value);
                break;
            }
            if (spec.size == Size::LongDouble)
                AppendNumber(out, cLocale, NarrowFormat(spec, "L", conv), va_arg(ap, long double));
            else
                AppendNumber(out, cLocale, NarrowFormat(spec, "", conv), va_arg(ap, double));
            break;
        }
        case L'p':
            AppendNumber(out, cLocale, NarrowFormat(spec, "", 'p'), va_arg(ap, void*));
            break;
        case L'n':
            // Writing through a pointer argument is never wanted here; the
            // argument is consumed and nothing is stored.
            (void)va_arg(ap, void*);
            break;
        default:
            // Not a conversion: keep the text as written.
            out.append(start, static_cast<size_t>(p - start));
            break;
        }
    }
    va_end(ap);
}

} // namespace

void AppendDecimal(std::wstring& out, long long value) {
    wchar_t digits[24];
    out += DecimalText(digits + 24, value);
}

void AppendDecimal(CString& out, long long value) {
    wchar_t digits[24];
    out.Append(DecimalText(digits + 24, value));
}

void CString::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

namespace {

// The text of a format is built apart, since the arguments may point into
// the string being formatted. One buffer per thread serves every call, so
// that the result is allocated once at its exact length instead of growing
// step by step; an unusually long text does not stay held by it. Nothing
// that FormatInto calls formats in turn, so the buffer is never shared.
class FormatScratch {
public:
    FormatScratch() : m_text(Buffer()) { m_text.clear(); }
    ~FormatScratch() {
        if (m_text.capacity() > kKeptCapacity)
            std::wstring().swap(m_text);
    }
    FormatScratch(const FormatScratch&) = delete;
    FormatScratch& operator=(const FormatScratch&) = delete;

    std::wstring& Text() { return m_text; }

private:
    static constexpr size_t kKeptCapacity = 1 << 16;
    static std::wstring& Buffer() {
        thread_local std::wstring buffer;
        return buffer;
    }
    std::wstring& m_text;
};

} // namespace

void CString::FormatV(const wchar_t* format, va_list args) {
    FormatScratch scratch;
    FormatInto(scratch.Text(), format, args);
    Assign(scratch.Text());
}

void CString::AppendFormat(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::AppendFormatV(const wchar_t* format, va_list args) {
    FormatScratch scratch;
    FormatInto(scratch.Text(), format, args);
    Append(scratch.Text());
}
