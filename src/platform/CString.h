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
#include <cstdint>
#include <cstring>
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
    CString(wchar_t ch, int repeat = 1);
    CString(std::wstring_view text) : m_rep(Make(text)) {}
    CString(const std::wstring& text) : m_rep(Make(text)) {}
    // Narrow text is taken as UTF-8 (source file names, literals).
    CString(const char* utf8);

    int GetLength() const { return m_rep ? static_cast<int>(m_rep->length) : 0; }
    bool IsEmpty() const { return m_rep == nullptr || m_rep->length == 0; }
    void Empty();
    const wchar_t* GetString() const { return m_rep ? m_rep->Chars() : kEmptyText; }
    operator const wchar_t*() const { return GetString(); }
    std::wstring_view View() const {
        return m_rep ? std::wstring_view(m_rep->Chars(), m_rep->length) : std::wstring_view();
    }
    // The text as a C string reads it: up to its first null character, when
    // it holds one ("%s" stops there too). Names are short: a plain loop.
    std::wstring_view CView() const {
        const std::wstring_view text = View();
        size_t length = 0;
        while (length < text.size() && text[length] != L'\0')
            ++length;
        return text.substr(0, length);
    }

    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch);

    // The characters to write in place, room for at least `minLength` of
    // them, no longer shared with any copy; the text so far is kept.
    // ReleaseBuffer then sets the length (-1: up to the first null). The
    // pointer is good until this CString is next changed, copied or
    // destroyed.
    wchar_t* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);
    // GetBuffer with the length set to `newLength` at once: the characters
    // past the old length are the caller's to write. When the text must move
    // its room at least doubles, so that growing it piece by piece stays
    // linear.
    wchar_t* GetBufferSetLength(int newLength) {
        if (newLength >= 0 && OwnsText() && m_rep->capacity >= static_cast<size_t>(newLength)) {
            SetLength(static_cast<size_t>(newLength));
            return m_rep->Chars();
        }
        return SetLengthGrowing(newLength);
    }
    // Shortens the text to `newLength` characters (longer: no change).
    void Truncate(int newLength);

    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& text) {
        Append(text.View());
        return *this;
    }
    CString& operator+=(const wchar_t* text) {
        if (text && *text)
            Append(std::wstring_view(text));
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        AppendChar(ch);
        return *this;
    }
    CString& operator+=(std::wstring_view text) {
        Append(text);
        return *this;
    }
    void Append(const wchar_t* text, int length) {
        if (text && length > 0)
            Append(std::wstring_view(text, static_cast<size_t>(length)));
    }
    // `text` may lie in this string's own characters.
    void Append(std::wstring_view text) {
        if (text.empty())
            return;
        if (OwnsText() && m_rep->capacity - m_rep->length >= text.size()) {
            wchar_t* at = m_rep->Chars() + m_rep->length;
            CopyChars(at, text.data(), text.size());
            SetLength(m_rep->length + text.size());
        } else {
            AppendGrowing(text);
        }
    }
    void AppendChar(wchar_t ch) { Append(std::wstring_view(&ch, 1)); }
    void Preallocate(int length) {
        if (length > GetLength())
            MakeRoom(static_cast<size_t>(length), false);
    }
    // Room for `extra` characters more; when the text must move for them,
    // its room at least doubles, so that appending piece by piece stays
    // linear.
    void PreallocateMore(size_t extra) { MakeRoom(static_cast<size_t>(GetLength()) + extra, true); }

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
        if (length == 0)
            return result;
        result.m_rep = Rep::Allocate(length);
        wchar_t* at = result.m_rep->Chars();
        for (std::wstring_view v : views) {
            CopyChars(at, v.data(), v.size());
            at += v.size();
        }
        result.SetLength(length);
        return result;
    }

    friend bool operator==(const CString& a, const CString& b) {
        return a.m_rep == b.m_rep || a.View() == b.View();
    }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const wchar_t* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.View() < b.View(); }
    friend bool operator>(const CString& a, const CString& b) { return a.View() > b.View(); }
    friend bool operator<=(const CString& a, const CString& b) { return a.View() <= b.View(); }
    friend bool operator>=(const CString& a, const CString& b) { return a.View() >= b.View(); }

private:
    // Characters are copied as bytes, with memcpy, which the address
    // sanitizer checks (it does not check wmemcpy). An empty view may have
    // no data at all.
    static void CopyChars(wchar_t* to, const wchar_t* from, size_t count) {
        if (count != 0)
            std::memcpy(to, from, count * sizeof(wchar_t));
    }
    static void MoveChars(wchar_t* to, const wchar_t* from, size_t count) {
        if (count != 0)
            std::memmove(to, from, count * sizeof(wchar_t));
    }
    // The text of every CString that holds none: one address in the whole
    // program, so that an empty name reads the same pointer wherever it is
    // asked for.
    static constexpr wchar_t kEmptyText[1] = {L'\0'};
    static std::wstring_view PieceView(const CString& text) { return text.View(); }
    static std::wstring_view PieceView(const wchar_t* text) { return text ? text : L""; }
    static std::wstring_view PieceView(const wchar_t& ch) { return std::wstring_view(&ch, 1); }
    static std::wstring_view PieceView(std::wstring_view text) { return text; }

    // The text is shared by the copies of a CString until one of them
    // changes: copying is a count, and a model that repeats a name (every
    // table's "ID" column) can hold it once. The count, the length, the room
    // and the characters (null-terminated) are one block, one allocation per
    // text. An empty string holds nothing, or a block of its own with room.
    struct Rep {
        std::atomic<int> refs;
        uint32_t length;
        uint32_t capacity; // characters, the terminating null not counted
        wchar_t* Chars() { return reinterpret_cast<wchar_t*>(this + 1); }
        const wchar_t* Chars() const { return reinterpret_cast<const wchar_t*>(this + 1); }
        // A block with room for `capacity` characters, counted once, its
        // length not yet set.
        static Rep* Allocate(size_t capacity);
        static void Free(Rep* rep) noexcept;
    };
    static_assert(sizeof(Rep) % alignof(wchar_t) == 0, "characters follow the header");
    static Rep* Make(std::wstring_view text);
    // Replaces the text; `text` may lie in this string's own characters.
    void Assign(std::wstring_view text);
    // Sets the length of a text this CString owns, and its terminating null.
    void SetLength(size_t length) {
        m_rep->length = static_cast<uint32_t>(length);
        m_rep->Chars()[length] = L'\0';
    }
    // True when this CString holds a text no copy shares, which it may then
    // change in place.
    bool OwnsText() const { return m_rep != nullptr && m_rep->refs.load(std::memory_order_acquire) == 1; }
    // Makes the text this CString's own, with room for `capacity` characters
    // (at least its length); `grow` doubles the room when it must move, so
    // that appending step by step stays linear.
    void MakeRoom(size_t capacity, bool grow);
    void AppendGrowing(std::wstring_view text);
    // GetBufferSetLength for a text that must move, or is shared, first.
    wchar_t* SetLengthGrowing(int newLength);
    // The room a text that must move takes for `capacity` characters.
    size_t GrownCapacity(size_t capacity) const;
    // Moves the text into a block of its own with room for `capacity`
    // characters (at least its length and `tail`'s), `tail` appended.
    void Reallocate(size_t capacity, std::wstring_view tail);
    CString& TrimLeftOf(std::wstring_view chars);
    CString& TrimRightOf(std::wstring_view chars);
    // The characters of a text this CString owns, for changes in place.
    wchar_t* Own() {
        MakeRoom(static_cast<size_t>(GetLength()), false);
        return m_rep->Chars();
    }
    void AddRef() const noexcept {
        if (m_rep)
            m_rep->refs.fetch_add(1, std::memory_order_relaxed);
    }
    void Release() noexcept {
        if (m_rep && m_rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            Rep::Free(m_rep);
        m_rep = nullptr;
    }

    Rep* m_rep = nullptr;
};

template <> struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring_view>()(s.View()); }
};

// Simple, locale-independent case mapping of one character: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters.
wchar_t CharToLower(wchar_t ch);
wchar_t CharToUpper(wchar_t ch);

// Appends `value` in decimal, as "%lld" writes it, without a formatter.
void AppendDecimal(std::wstring& out, long long value);
void AppendDecimal(CString& out, long long value);
// Appends "%f"'s text of a finite value (to_chars with a precision gives
// printf's digits in the C locale); false, appending nothing, for an infinity
// or a NaN, which are left to the C library's formatting.
bool AppendFixed6(std::wstring& out, double value);
bool AppendFixed6(CString& out, double value);

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
