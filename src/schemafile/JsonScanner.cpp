#include "JsonScanner.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "../platform/CString.h"

namespace VrlSchemaLib {

namespace {

// Bytes that end the plain run of a string: the quote, the backslash,
// control characters and the first byte of every multi-byte sequence.
struct StopBytes {
    bool stop[256] = {};
    constexpr StopBytes() {
        for (int c = 0; c < 0x20; ++c)
            stop[c] = true;
        for (int c = 0x80; c < 0x100; ++c)
            stop[c] = true;
        stop[static_cast<unsigned char>('"')] = true;
        stop[static_cast<unsigned char>('\\')] = true;
    }
};
constexpr StopBytes kStop;

// The end of the plain run of a string that starts at `p`.
const char* PlainRun(const char* p, const char* end) {
    while (p != end && !kStop.stop[static_cast<unsigned char>(*p)])
        ++p;
    return p;
}

bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool JsonScanner::Fail(const char* p) {
    m_error = static_cast<size_t>(p - m_text.data());
    return false;
}

// The loops run on local pointers: through the reference, every byte read
// could change the pointer or the end, and both would be stored and loaded
// again at each byte.
void JsonScanner::SkipSpace(const char*& p) const {
    const char* q = p;
    const char* const end = m_end;
    while (q != end && (*q == ' ' || *q == '\n' || *q == '\r' || *q == '\t'))
        ++q;
    p = q;
}

bool JsonScanner::Scan(JsonEvents& events) {
    const char* p = m_text.data();
    m_end = p + m_text.size();
    if (m_text.size() >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        p += 3;
    m_open.clear();
    m_nextProgress = kProgressStep;
    for (;;) {
        // A value is due.
        SkipSpace(p);
        if (p == m_end)
            return Fail(p);
        if (*p == '{') {
            ++p;
            events.StartObject();
            SkipSpace(p);
            if (p != m_end && *p == '}') {
                ++p;
                events.EndObject();
            } else {
                m_open.push_back(true);
                if (!Key(events, p))
                    return false;
                continue;
            }
        } else if (*p == '[') {
            ++p;
            events.StartArray();
            SkipSpace(p);
            if (p != m_end && *p == ']') {
                ++p;
                events.EndArray();
            } else {
                m_open.push_back(false);
                continue;
            }
        } else if (!Scalar(events, p)) {
            return false;
        }
        // A value was read: the containers it closes, then the next one.
        for (;;) {
            SkipSpace(p);
            // After the document a NUL byte ends the text, as it does for
            // the JSON library, which reads no further.
            if (m_open.empty())
                return p == m_end || *p == '\0' || Fail(p);
            if (p == m_end)
                return Fail(p);
            const bool object = m_open.back();
            if (*p == ',') {
                ++p;
                if (object && !Key(events, p))
                    return false;
                break;
            }
            if (*p != (object ? '}' : ']'))
                return Fail(p);
            ++p;
            m_open.pop_back();
            if (object) {
                events.EndObject();
                if (m_progress && static_cast<size_t>(p - m_text.data()) >= m_nextProgress)
                    Progress(p);
            } else
                events.EndArray();
        }
    }
}

void JsonScanner::Progress(const char* p) {
    const auto offset = static_cast<size_t>(p - m_text.data());
    m_nextProgress = offset + kProgressStep;
    m_progress(offset);
}

bool JsonScanner::Key(JsonEvents& events, const char*& p) {
    SkipSpace(p);
    std::string_view key;
    if (p == m_end || *p != '"' || !StringToken(p, key))
        return Fail(p);
    SkipSpace(p);
    if (p == m_end || *p != ':')
        return Fail(p);
    ++p;
    events.Key(key);
    return true;
}

bool JsonScanner::Scalar(JsonEvents& events, const char*& p) {
    const auto literal = [&](std::string_view word) {
        if (static_cast<size_t>(m_end - p) < word.size() || std::memcmp(p, word.data(), word.size()) != 0)
            return false;
        p += word.size();
        return true;
    };
    switch (*p) {
    case '"': {
        std::string_view text;
        if (!StringToken(p, text))
            return Fail(p);
        events.String(text);
        return true;
    }
    case 't':
        if (!literal("true"))
            return Fail(p);
        events.Boolean(true);
        return true;
    case 'f':
        if (!literal("false"))
            return Fail(p);
        events.Boolean(false);
        return true;
    case 'n':
        if (!literal("null"))
            return Fail(p);
        events.Null();
        return true;
    default:
        return Number(events, p);
    }
}

// One UTF-8 sequence of two to four bytes, as RFC 3629 allows them: no
// overlong forms, no surrogates, nothing past U+10FFFF.
bool JsonScanner::Utf8(const char*& p) const {
    const auto byte = [&](ptrdiff_t i) {
        return p + i < m_end ? static_cast<unsigned char>(p[i]) : static_cast<unsigned char>(0);
    };
    const unsigned char lead = byte(0);
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    if (!InRange(byte(1), low, high))
        return false;
    for (int i = 2; i < length; ++i) {
        if (!InRange(byte(i), 0x80, 0xBF))
            return false;
    }
    p += length;
    return true;
}

// `p` is at the opening quote; on success it is past the closing one.
bool JsonScanner::StringToken(const char*& p, std::string_view& out) {
    const char* start = ++p;
    for (;;) {
        p = PlainRun(p, m_end);
        if (p == m_end)
            return false;
        if (*p == '"') {
            out = std::string_view(start, static_cast<size_t>(p - start));
            ++p;
            return true;
        }
        if (*p == '\\')
            return Escaped(p, start, out);
        if (!Utf8(p))
            return false;
    }
}

// The rest of a string that holds an escape, decoded; `p` is at the first
// backslash.
bool JsonScanner::Escaped(const char*& p, const char* start, std::string_view& out) {
    m_decoded.assign(start, p);
    const auto hex4 = [&](uint32_t& code) {
        if (m_end - p < 4)
            return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexDigit(p[i]);
            if (digit < 0)
                return false;
            code = code * 16 + static_cast<uint32_t>(digit);
        }
        p += 4;
        return true;
    };
    for (;;) {
        const char* run = p;
        p = PlainRun(p, m_end);
        m_decoded.append(run, p);
        if (p == m_end)
            return false;
        if (*p == '"') {
            out = m_decoded;
            ++p;
            return true;
        }
        if (*p != '\\') {
            const char* sequence = p;
            if (!Utf8(p))
                return false;
            m_decoded.append(sequence, p);
            continue;
        }
        if (++p == m_end)
            return false;
        const char escape = *p++;
        switch (escape) {
        case '"':
        case '\\':
        case '/':
            m_decoded += escape;
            break;
        case 'b':
            m_decoded += '\b';
            break;
        case 'f':
            m_decoded += '\f';
            break;
        case 'n':
            m_decoded += '\n';
            break;
        case 'r':
            m_decoded += '\r';
            break;
        case 't':
            m_decoded += '\t';
            break;
        case 'u': {
            uint32_t code = 0;
            if (!hex4(code))
                return false;
            if (code >= 0xDC00 && code <= 0xDFFF)
                return false;
            if (code >= 0xD800 && code <= 0xDBFF) {
                uint32_t second = 0;
                if (m_end - p < 2 || p[0] != '\\' || p[1] != 'u')
                    return false;
                p += 2;
                if (!hex4(second) || second < 0xDC00 || second > 0xDFFF)
                    return false;
                code = 0x10000 + ((code - 0xD800) << 10) + (second - 0xDC00);
            }
            AppendUtf8(m_decoded, static_cast<char32_t>(code));
            break;
        }
        default:
            return false;
        }
    }
}

bool JsonScanner::Number(JsonEvents& events, const char*& p) {
    const char* start = p;
    const auto digits = [&] {
        const char* first = p;
        const char* q = p;
        while (q != m_end && *q >= '0' && *q <= '9')
            ++q;
        p = q;
        return q != first;
    };
    const bool negative = *p == '-';
    if (negative)
        ++p;
    if (p == m_end)
        return Fail(p);
    if (*p == '0')
        ++p;
    else if (!digits())
        return Fail(p);
    bool integer = true;
    if (p != m_end && *p == '.') {
        ++p;
        integer = false;
        if (!digits())
            return Fail(p);
    }
    if (p != m_end && (*p == 'e' || *p == 'E')) {
        ++p;
        integer = false;
        if (p != m_end && (*p == '+' || *p == '-'))
            ++p;
        if (!digits())
            return Fail(p);
    }
    if (integer) {
        if (negative) {
            int64_t value = 0;
            if (std::from_chars(start, p, value).ec == std::errc()) {
                events.Integer(value);
                return true;
            }
        } else {
            uint64_t value = 0;
            if (std::from_chars(start, p, value).ec == std::errc()) {
                events.Unsigned(value);
                return true;
            }
        }
        // Past 64 bits: a float, as the document parser reads it.
    }
    double value = 0;
    const std::from_chars_result result = std::from_chars(start, p, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Below the smallest double the C library gives the nearest value
        // (a subnormal or zero) as the document parser takes it; above the
        // largest, infinity, which it refuses.
        std::string token(start, p);
        const char point = *std::localeconv()->decimal_point;
        for (char& c : token) {
            if (c == '.')
                c = point;
        }
        value = std::strtod(token.c_str(), nullptr);
    } else if (result.ec != std::errc()) {
        return Fail(start);
    }
    if (!std::isfinite(value))
        return Fail(start);
    events.Float(value);
    return true;
}

} // namespace VrlSchemaLib
