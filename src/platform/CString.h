// CString: a wide string with value semantics, the string type of every
// interface of the library. Characters are wchar_t; lengths and positions are
// wchar_t counts.
//
// Format, FormatV and AppendFormat follow the printf conventions of the
// platform the interfaces come from, where a wide format reads "%s" and "%c"
// as WIDE arguments (const wchar_t*, wchar_t). "%S" and "%hs" take a narrow
// const char*. Everything else (%d, %ld, %04d, %lf, %x, %%, ...) is the C
// library's meaning. Callers pass strings as const wchar_t* (a CString cannot
// travel through "...": use GetString()).
#pragma once

#include <cstdarg>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "PlatformTypes.h"

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_str(text ? text : L"", text && length > 0 ? length : 0) {}
    CString(wchar_t ch, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, ch) {}
    CString(std::wstring_view text) : m_str(text) {}
    CString(std::wstring text) : m_str(std::move(text)) {}
    // Narrow text is taken as UTF-8 (source file names, literals).
    CString(const char* utf8);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const std::wstring& Str() const { return m_str; }
    std::wstring& Str() { return m_str; }
    std::wstring_view View() const { return m_str; }

    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch);

    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& text) {
        m_str += text.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* text) {
        if (text)
            m_str += text;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }
    void Append(const wchar_t* text, int length) {
        if (text && length > 0)
            m_str.append(text, length);
    }
    void AppendChar(wchar_t ch) { m_str += ch; }
    void Preallocate(int length) {
        if (length > 0)
            m_str.reserve(static_cast<size_t>(length));
    }

    // Ordinal (case-sensitive) comparison: <0, 0, >0.
    int Compare(const wchar_t* other) const;
    // Comparison without regard to case (simple case folding, see CharFold).
    int CompareNoCase(const wchar_t* other) const;

    // Searches return the position or -1.
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    // Replaces every occurrence; returns the number of replacements.
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldChar, wchar_t newChar);
    int Remove(wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();

    // Trim white space (space, tab, CR, LF, VT, FF), or the given characters.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight(const wchar_t* chars);
    CString& TrimRight(wchar_t ch);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormat(const wchar_t* format, ...);
    void AppendFormatV(const wchar_t* format, va_list args);

    // Loads a string resource from the process-wide resource chain; FALSE
    // (and an empty string) when no table holds the id.
    BOOL LoadString(UINT id);

    // UTF-8 form, for output.
    std::string ToUtf8() const;

    // Sums allocate once; a chain (a + b + c ...) keeps appending to the
    // temporary of its first step instead of copying it at every step.
    friend CString operator+(const CString& a, const CString& b) { return Concat(a, b); }
    friend CString operator+(const CString& a, const wchar_t* b) { return Concat(a, b); }
    friend CString operator+(const wchar_t* a, const CString& b) { return Concat(a, b); }
    friend CString operator+(const CString& a, wchar_t b) { return Concat(a, b); }
    friend CString operator+(wchar_t a, const CString& b) { return Concat(a, b); }
    friend CString operator+(CString&& a, const CString& b) {
        a += b;
        return std::move(a);
    }
    friend CString operator+(CString&& a, const wchar_t* b) {
        a += b;
        return std::move(a);
    }
    friend CString operator+(CString&& a, wchar_t b) {
        a += b;
        return std::move(a);
    }

    // The texts, CStrings and characters `parts` joined, in one allocation
    // of the exact length. A null text counts as empty.
    template <class... Parts> static CString Concat(const Parts&... parts) {
        const std::wstring_view views[] = {PieceView(parts)...};
        size_t length = 0;
        for (std::wstring_view v : views)
            length += v.size();
        CString result;
        result.m_str.reserve(length);
        for (std::wstring_view v : views)
            result.m_str += v;
        return result;
    }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator!=(const CString& a, const wchar_t* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const wchar_t* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_str > b.m_str; }
    friend bool operator<=(const CString& a, const CString& b) { return a.m_str <= b.m_str; }
    friend bool operator>=(const CString& a, const CString& b) { return a.m_str >= b.m_str; }

private:
    static std::wstring_view PieceView(const CString& text) { return text.m_str; }
    static std::wstring_view PieceView(const wchar_t* text) { return text ? text : L""; }
    static std::wstring_view PieceView(const wchar_t& ch) { return std::wstring_view(&ch, 1); }
    static std::wstring_view PieceView(std::wstring_view text) { return text; }

    std::wstring m_str;
};

template <> struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring>()(s.Str()); }
};

// Simple, locale-independent case mapping of one character: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters.
wchar_t CharToLower(wchar_t ch);
wchar_t CharToUpper(wchar_t ch);

// Appends `value` in decimal, as "%lld" writes it, without a formatter.
void AppendDecimal(std::wstring& out, long long value);
// Appends "%f"'s text of a finite value (to_chars with a precision gives
// printf's digits in the C locale); false, appending nothing, for an infinity
// or a NaN, which are left to the C library's formatting.
bool AppendFixed6(std::wstring& out, double value);

// Widens UTF-8 text; narrows to UTF-8.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// AppendUtf8 appends the UTF-8 form of `text` to `out`; AppendWide the
// widened form of UTF-8 `text` (a malformed sequence becomes U+FFFD).
void AppendUtf8(std::string& out, std::wstring_view text);
void AppendWide(std::wstring& out, std::string_view text);
// Appends the UTF-8 form of one code point; a surrogate or a value past
// U+10FFFF becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);
