// Fuzz target of CString::Format / AppendFormat.
//
// Input: the format as UTF-8 text, then optionally a zero byte and the bytes
// the argument values are drawn from. The target keeps the caller's side of
// the printf contract: it reads the format with its own model of the
// conversion grammar (flags, width or '*', precision or '.*', size, one
// conversion character) and passes exactly the arguments of the kinds the
// conversions take, "%s"/"%c" wide and "%S"/"%hs" narrow. A malformed format
// can therefore only go wrong inside the formatter.
//
// Properties checked:
//   - the whole format, given in chunks of at most four arguments, gives the
//     same text as every piece formatted on its own (the scanner consumes
//     exactly the arguments of each conversion, no more, no fewer);
//   - text conversions are the argument padded and cut as asked, "%%" is
//     "%", unknown conversions and a cut-off tail stay as written;
//   - numeric conversions agree with the C library given the same
//     conversion, with "%ld" 32 bits wide and the Windows size prefixes.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "platform/CString.h"

namespace {

enum class Kind { Int, LongLong, Double, LongDouble, WideText, NarrowText, Pointer };

struct Arg {
    Kind kind = Kind::Int;
    int i = 0;
    long long ll = 0;
    double d = 0.0;
    long double ld = 0.0L;
    const wchar_t* w = nullptr;
    const char* n = nullptr;
    void* p = nullptr;
};

enum class Size { Default, Char, Short, Long, LongLong, LongDouble, Wide64 };

struct Token {
    enum class Type { Literal, Percent, Conversion, Unknown, Incomplete } type = Type::Literal;
    std::wstring text;
    std::string flags;
    bool leftAlign = false;
    bool widthStar = false;
    bool precisionStar = false;
    int width = -1;
    int precision = -1;
    bool hasPrecision = false;
    Size size = Size::Default;
    bool narrowPrefix = false; // h, hh
    bool widePrefix = false;   // l, w
    wchar_t conversion = 0;
    std::vector<Kind> slots;
    std::vector<Arg> args;
};

constexpr int kMaxField = 1000000;
constexpr int kMaxSlots = 4;

int ReadDigits(const wchar_t*& p) {
    long long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p)
        value = std::min<long long>(value * 10 + (*p - L'0'), kMaxField);
    return static_cast<int>(value);
}

Kind ValueKind(const Token& t) {
    switch (t.conversion) {
    case L's':
    case L'S': {
        const bool narrow = t.conversion == L'S' ? !t.widePrefix : t.narrowPrefix;
        return narrow ? Kind::NarrowText : Kind::WideText;
    }
    case L'f':
    case L'F':
    case L'e':
    case L'E':
    case L'g':
    case L'G':
    case L'a':
    case L'A':
        return t.size == Size::LongDouble ? Kind::LongDouble : Kind::Double;
    case L'p':
    case L'n':
        return Kind::Pointer;
    case L'd':
    case L'i':
    case L'u':
    case L'o':
    case L'x':
    case L'X':
        return t.size == Size::LongLong || t.size == Size::Wide64 ? Kind::LongLong : Kind::Int;
    default: // c, C
        return Kind::Int;
    }
}

bool IsConversion(wchar_t c) {
    return std::wcschr(L"sScCdiuoxXfFeEgGaApn", c) != nullptr && c != 0;
}

std::vector<Token> Scan(const wchar_t* p) {
    std::vector<Token> tokens;
    while (*p) {
        Token t;
        const wchar_t* start = p;
        if (*p != L'%') {
            while (*p && *p != L'%')
                ++p;
            t.text.assign(start, p);
            tokens.push_back(std::move(t));
            continue;
        }
        ++p;
        if (*p == L'%') {
            ++p;
            t.type = Token::Type::Percent;
            t.text = L"%%";
            tokens.push_back(std::move(t));
            continue;
        }
        for (; *p && std::wcschr(L"-+ #0", *p); ++p) {
            t.leftAlign |= *p == L'-';
            t.flags += static_cast<char>(*p);
        }
        if (*p == L'*') {
            t.widthStar = true;
            t.slots.push_back(Kind::Int);
            ++p;
        } else if (*p >= L'0' && *p <= L'9') {
            t.width = ReadDigits(p);
        }
        if (*p == L'.') {
            ++p;
            t.hasPrecision = true;
            if (*p == L'*') {
                t.precisionStar = true;
                t.slots.push_back(Kind::Int);
                ++p;
            } else {
                t.precision = ReadDigits(p);
            }
        }
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            t.size = Size::Wide64;
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (*p == L'I' || *p == L'z' || *p == L'j' || *p == L't') {
            t.size = Size::Wide64;
            ++p;
        } else if (p[0] == L'h' && p[1] == L'h') {
            t.size = Size::Char;
            t.narrowPrefix = true;
            p += 2;
        } else if (*p == L'h') {
            t.size = Size::Short;
            t.narrowPrefix = true;
            ++p;
        } else if (p[0] == L'l' && p[1] == L'l') {
            t.size = Size::LongLong;
            p += 2;
        } else if (*p == L'l' || *p == L'w') {
            t.size = Size::Long;
            t.widePrefix = true;
            ++p;
        } else if (*p == L'L') {
            t.size = Size::LongDouble;
            ++p;
        }
        if (*p == 0) {
            // A cut-off conversion consumes nothing and is kept as written.
            t.type = Token::Type::Incomplete;
            t.slots.clear();
            t.text.assign(start, p);
            tokens.push_back(std::move(t));
            break;
        }
        t.conversion = *p++;
        t.text.assign(start, p);
        if (IsConversion(t.conversion)) {
            t.type = Token::Type::Conversion;
            t.slots.push_back(ValueKind(t));
        } else {
            // A '*' already read its argument before the conversion turned
            // out to be unknown.
            t.type = Token::Type::Unknown;
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

// Argument values, drawn from the tail of the input.
class Values {
public:
    Values(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    template <class T> T Raw() {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        for (size_t i = 0; i < sizeof(T) && m_pos < m_size; ++i)
            bytes[i] = m_data[m_pos++];
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    Arg Make(Kind kind) {
        static const wchar_t* const wide[] = {L"",
                                              L"text",
                                              L"\x00e9t\x00e9 \x65e5\x672c",
                                              L"\U0001F600x",
                                              nullptr,
                                              L"%s%d%%",
                                              L"a much longer text, longer than the "
                                              L"sixteen characters of a small buffer"};
        static const char* const narrow[] = {
            "",      "text",  "\xc3\xa9t\xc3\xa9",          "\xff\xfe broken \xc3",
            nullptr, "%S%hs", "\xf0\x9f\x98\x80 four bytes"};
        static int target = 0;
        Arg a;
        a.kind = kind;
        switch (kind) {
        case Kind::Int:
            a.i = Raw<int>();
            break;
        case Kind::LongLong:
            a.ll = Raw<long long>();
            break;
        case Kind::Double:
            a.d = Raw<double>();
            break;
        case Kind::LongDouble: {
            const double mantissa = Raw<double>();
            const int exponent = Raw<int8_t>() * 128;
            a.ld = std::ldexp(static_cast<long double>(mantissa), exponent);
            break;
        }
        case Kind::WideText:
            a.w = wide[Raw<uint8_t>() % std::size(wide)];
            break;
        case Kind::NarrowText:
            a.n = narrow[Raw<uint8_t>() % std::size(narrow)];
            break;
        case Kind::Pointer:
            a.p = (Raw<uint8_t>() & 1) ? &target : nullptr;
            break;
        }
        return a;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Formats with the arguments given as their own types, at most kMaxSlots.
template <class... T>
void Call(CString& out, bool append, const wchar_t* format, const Arg* args, size_t count, T... values) {
    if constexpr (sizeof...(T) < kMaxSlots) {
        if (count > 0) {
            const Arg& a = *args;
            switch (a.kind) {
            case Kind::Int:
                return Call(out, append, format, args + 1, count - 1, values..., a.i);
            case Kind::LongLong:
                return Call(out, append, format, args + 1, count - 1, values..., a.ll);
            case Kind::Double:
                return Call(out, append, format, args + 1, count - 1, values..., a.d);
            case Kind::LongDouble:
                return Call(out, append, format, args + 1, count - 1, values..., a.ld);
            case Kind::WideText:
                return Call(out, append, format, args + 1, count - 1, values..., a.w);
            case Kind::NarrowText:
                return Call(out, append, format, args + 1, count - 1, values..., a.n);
            case Kind::Pointer:
                return Call(out, append, format, args + 1, count - 1, values..., a.p);
            }
        }
    }
    FUZZ_CHECK(count == 0);
    if (append)
        out.AppendFormat(format, values...);
    else
        out.Format(format, values...);
}

std::wstring Widen(const char* text) {
    return Utf8ToWide(text ? text : "(null)");
}

std::wstring Padded(int width, bool left, std::wstring text) {
    if (width > 0 && static_cast<size_t>(width) > text.size()) {
        const std::wstring pad(static_cast<size_t>(width) - text.size(), L' ');
        text = left ? text + pad : pad + text;
    }
    return text;
}

template <class V> std::wstring CFormat(const std::string& format, V value) {
    const int n = std::snprintf(nullptr, 0, format.c_str(), value);
    if (n < 0)
        return std::wstring();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), value);
    text.resize(static_cast<size_t>(n));
    return std::wstring(text.begin(), text.end());
}

// What one token must format to.
std::wstring Expected(const Token& t) {
    switch (t.type) {
    case Token::Type::Literal:
    case Token::Type::Unknown:
    case Token::Type::Incomplete:
        return t.text;
    case Token::Type::Percent:
        return L"%";
    case Token::Type::Conversion:
        break;
    }
    size_t next = 0;
    int width = t.width;
    bool left = t.leftAlign;
    std::string flags = t.flags;
    if (t.widthStar) {
        const int w = t.args[next++].i;
        if (w < 0) {
            left = true;
            flags += '-';
        }
        width = w < 0 ? (w < -kMaxField ? kMaxField : -w) : std::min(w, kMaxField);
    }
    int precision = t.precision;
    if (t.precisionStar) {
        const int p = t.args[next++].i;
        precision = p < 0 ? -1 : std::min(p, kMaxField);
    }
    const Arg& v = t.args[next];
    switch (v.kind) {
    case Kind::WideText:
    case Kind::NarrowText: {
        std::wstring text = v.kind == Kind::WideText ? std::wstring(v.w ? v.w : L"(null)") : Widen(v.n);
        if (precision >= 0 && text.size() > static_cast<size_t>(precision))
            text.resize(static_cast<size_t>(precision));
        return Padded(width, left, text);
    }
    case Kind::Pointer:
        if (t.conversion == L'n')
            return std::wstring();
        break;
    default:
        break;
    }
    if (t.conversion == L'c' || t.conversion == L'C') {
        const bool narrow = t.conversion == L'C' ? !t.widePrefix : t.narrowPrefix;
        const wchar_t ch =
            narrow ? static_cast<wchar_t>(static_cast<unsigned char>(v.i)) : static_cast<wchar_t>(v.i);
        return Padded(width, left, std::wstring(1, ch));
    }
    std::string format = "%" + flags;
    if (width >= 0)
        format += std::to_string(width);
    if (precision >= 0)
        format += "." + std::to_string(precision);
    const char conv = static_cast<char>(t.conversion);
    switch (v.kind) {
    case Kind::Int: {
        const char* size = t.size == Size::Short ? "h" : t.size == Size::Char ? "hh" : "";
        return CFormat(format + size + conv, v.i);
    }
    case Kind::LongLong:
        return CFormat(format + "ll" + conv, v.ll);
    case Kind::Double:
        return CFormat(format + conv, v.d);
    case Kind::LongDouble:
        return CFormat(format + "L" + conv, v.ld);
    case Kind::Pointer:
        return CFormat(format + "p", v.p);
    default:
        return std::wstring();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t formatSize = zero ? static_cast<size_t>(zero - data) : size;
    const std::wstring format = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), formatSize));
    Values values(zero ? zero + 1 : data + size, zero ? size - formatSize - 1 : 0);

    std::vector<Token> tokens = Scan(format.c_str());
    for (Token& t : tokens) {
        for (Kind k : t.slots)
            t.args.push_back(values.Make(k));
    }

    // Each piece alone, checked against what it must give.
    std::wstring pieces;
    for (const Token& t : tokens) {
        CString piece(L"previous text");
        Call(piece, false, t.text.c_str(), t.args.data(), t.args.size());
        const std::wstring expected = Expected(t);
        if (piece.View() != expected) {
            std::fprintf(stderr, "piece \"%ls\": got \"%ls\", expected \"%ls\"\n", t.text.c_str(),
                         piece.GetString(), expected.c_str());
            FUZZ_CHECK(piece.View() == expected);
        }
        pieces += piece.View();
    }

    // The whole format, as few calls as the argument limit allows.
    CString whole;
    bool append = false;
    for (size_t first = 0; first < tokens.size();) {
        std::wstring chunk;
        std::vector<Arg> args;
        size_t last = first;
        while (last < tokens.size() && args.size() + tokens[last].args.size() <= kMaxSlots) {
            chunk += tokens[last].text;
            args.insert(args.end(), tokens[last].args.begin(), tokens[last].args.end());
            ++last;
        }
        Call(whole, append, chunk.c_str(), args.data(), args.size());
        append = true;
        first = last;
    }
    FUZZ_CHECK(whole.View() == pieces);
    return 0;
}
