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

#include <atomic>
#include <cstdarg>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "PlatformTypes.h"

class CString {
public:
    CString() noexcept = default;
    CString(const CString& other) noexcept : m_rep(other.m_rep) { AddRef(); }
    CString(CString&& other) noexcept : m_rep(std::exchange(other.m_rep, nullptr)) {}
    CString& operator=(const CString& other) noexcept {
        other.AddRef();
        Release();
        m_rep = other.m_rep;
        return *this;
    }
    CString& operator=(CString&& other) noexcept {
        if (this != &other) {
            Release();
            m_rep = std::exchange(other.m_rep, nullptr);
        }
        return *this;
    }
    ~CString() { Release(); }
    CString(const wchar_t* text) : m_rep(Make(text ? std::wstring_view(text) : std::wstring_view())) {}
    CString(const wchar_t* text, int length)
        : m_rep(Make(text && length > 0 ? std::wstring_view(text, static_cast<size_t>(length))
                                        : std::wstring_view())) {}
    CString(wchar_t ch, int repeat = 1)
        : m_rep(repeat > 0 ? new Rep(std::wstring(static_cast<size_t>(repeat), ch)) : nullptr) {}
    CString(std::wstring_view text) : m_rep(Make(text)) {}
    CString(std::wstring text) : m_rep(text.empty() ? nullptr : new Rep(std::move(text))) {}
    // Narrow text is taken as UTF-8 (source file names, literals).
    CString(const char* utf8);

    int GetLength() const { return static_cast<int>(S().size()); }
    bool IsEmpty() const { return S().empty(); }
    void Empty();
    const wchar_t* GetString() const { return S().c_str(); }
    operator const wchar_t*() const { return S().c_str(); }
    const std::wstring& Str() const { return S(); }
    // The text to change in place, no longer shared with any copy. The
    // reference is good until this CString is next copied, assigned or
    // destroyed; a copy made meanwhile would see the changes too.
    std::wstring& Str() { return Edit(); }
    std::wstring_view View() const { return S(); }

    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch);

    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& text) {
        if (!text.IsEmpty())
            Edit() += text.S();
        return *this;
    }
    CString& operator+=(const wchar_t* text) {
        if (text && *text)
            Edit() += text;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        Edit() += ch;
        return *this;
    }
    void Append(const wchar_t* text, int length) {
        if (text && length > 0)
            Edit().append(text, static_cast<size_t>(length));
    }
    void AppendChar(wchar_t ch) { Edit() += ch; }
    void Preallocate(int length) {
        if (length > 0)
            Edit().reserve(static_cast<size_t>(length));
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
        std::wstring result;
        result.reserve(length);
        for (std::wstring_view v : views)
            result += v;
        return CString(std::move(result));
    }

    friend bool operator==(const CString& a, const CString& b) {
        return a.m_rep == b.m_rep || a.S() == b.S();
    }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.S() != b.S(); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const wchar_t* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.S() < b.S(); }
    friend bool operator>(const CString& a, const CString& b) { return a.S() > b.S(); }
    friend bool operator<=(const CString& a, const CString& b) { return a.S() <= b.S(); }
    friend bool operator>=(const CString& a, const CString& b) { return a.S() >= b.S(); }

private:
    static std::wstring_view PieceView(const CString& text) { return text.S(); }
    static std::wstring_view PieceView(const wchar_t* text) { return text ? text : L""; }
    static std::wstring_view PieceView(const wchar_t& ch) { return std::wstring_view(&ch, 1); }
    static std::wstring_view PieceView(std::wstring_view text) { return text; }

    // The text is shared by the copies of a CString until one of them
    // changes: copying is a count, and a model that repeats a name (every
    // table's "ID" column) can hold it once. An empty string holds nothing.
    struct Rep {
        explicit Rep(std::wstring text) : str(std::move(text)) {}
        std::atomic<int> refs{1};
        std::wstring str;
    };
    static Rep* Make(std::wstring_view text) { return text.empty() ? nullptr : new Rep(std::wstring(text)); }
    const std::wstring& S() const { return m_rep ? m_rep->str : EmptyText(); }
    // A local static, so that strings made by other files' static
    // initialisers can read it (compilers that can make it at compile time
    // do, without a guard).
    static const std::wstring& EmptyText() {
        static const std::wstring empty;
        return empty;
    }
    // True when this CString holds a text no copy shares, which it may then
    // change in place.
    bool OwnsText() const { return m_rep != nullptr && m_rep->refs.load(std::memory_order_acquire) == 1; }
    // The text, unshared (and allocated) first.
    std::wstring& Edit() {
        if (OwnsText())
            return m_rep->str;
        return EditShared();
    }
    std::wstring& EditShared();
    void AddRef() const noexcept {
        if (m_rep)
            m_rep->refs.fetch_add(1, std::memory_order_relaxed);
    }
    void Release() noexcept {
        if (m_rep && m_rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete m_rep;
        m_rep = nullptr;
    }

    Rep* m_rep = nullptr;
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
