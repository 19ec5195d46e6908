// JsonScanner: one pass over a JSON text (RFC 8259, strict: no comments, no
// trailing commas, UTF-8 checked, a leading byte order mark skipped, a NUL
// byte after the document taken as its end) that
// reports what it reads to a JsonEvents handler. Strings without escapes are
// handed over as views into the text; escaped ones are decoded into a buffer
// the scanner reuses, so a handler that keeps a string copies it. Numbers
// are classed as the document parser classes them: a non-negative integer is
// unsigned, a negative one signed, one past 64 bits a float. The scanner
// gives no reason for a text it refuses, only where; the caller asks the
// document parser for its own message then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace VrlSchemaLib {

class JsonEvents {
public:
    virtual ~JsonEvents() = default;
    virtual void Null() = 0;
    virtual void Boolean(bool value) = 0;
    virtual void Integer(int64_t value) = 0;
    virtual void Unsigned(uint64_t value) = 0;
    virtual void Float(double value) = 0;
    virtual void String(std::string_view value) = 0;
    virtual void Key(std::string_view key) = 0;
    virtual void StartObject() = 0;
    virtual void EndObject() = 0;
    virtual void StartArray() = 0;
    virtual void EndArray() = 0;
};

class JsonScanner {
public:
    explicit JsonScanner(std::string_view text) : m_text(text) {}

    // True when the whole text is one JSON value; false at the first byte
    // refused, whose offset ErrorOffset gives. Exceptions of the handler
    // pass through.
    bool Scan(JsonEvents& events);
    size_t ErrorOffset() const { return m_error; }
    // Told now and then how far into the text the scan is (about every
    // kProgressStep bytes, as an object closes): the handler has had every
    // event of the text before that offset.
    void OnProgress(std::function<void(size_t)> hook) { m_progress = std::move(hook); }
    static constexpr size_t kProgressStep = size_t(1) << 20;

private:
    bool Scalar(JsonEvents& events, const char*& p);
    bool Key(JsonEvents& events, const char*& p);
    bool StringToken(const char*& p, std::string_view& out);
    bool Escaped(const char*& p, const char* start, std::string_view& out);
    bool Utf8(const char*& p) const;
    bool Number(JsonEvents& events, const char*& p);
    bool Fail(const char* p);
    void SkipSpace(const char*& p) const;
    void Progress(const char* p);

    std::string_view m_text;
    const char* m_end = nullptr;
    size_t m_error = 0;
    std::string m_decoded;
    std::vector<bool> m_open; // true: an object
    std::function<void(size_t)> m_progress;
    size_t m_nextProgress = 0;
};

} // namespace VrlSchemaLib
