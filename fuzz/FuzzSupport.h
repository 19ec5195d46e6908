// Shared pieces of the fuzz targets: library start-up, the handling of the
// library's own error type, and the way a target reports a broken property.
//
// A target catches only the errors its subject documents, ends them with
// Delete() and goes on; anything else escapes to libFuzzer and counts as a
// finding, as does a failed FUZZ_CHECK (it aborts, so the input is saved).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CString.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            ::VrlSchemaFuzz::Fail(#cond, __FILE__, __LINE__);                                                \
    } while (0)

namespace VrlSchemaFuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

// The message tables the library's errors are built from, as a host has them.
inline void StartLibrary() {
    static const bool started = [] {
        VrlSchemaLib::RegisterVrlHostMessages();
        VrlSchemaLib::InitVrlSchemaDll();
        return true;
    }();
    (void)started;
}

// Runs `call`; a DuxException whose code is one of `codes` is ended and its
// code returned. Any other code is a finding. 0 when nothing was raised.
template <class F> long ExpectOnly(std::initializer_list<long> codes, F&& call) {
    try {
        call();
    } catch (VrlSchemaLib::DuxException* e) {
        const long code = e->GetError();
        e->Delete();
        for (long c : codes) {
            if (c == code)
                return code;
        }
        std::fprintf(stderr, "unexpected DuxException %ld\n", code);
        std::abort();
    }
    return 0;
}

// The UTF-8 input as wide text; malformed bytes become U+FFFD, so every
// input maps to some text.
inline CString WideText(const uint8_t* data, size_t size) {
    return CString(Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size)));
}

// Splits an input at zero bytes; missing trailing pieces are empty.
inline std::vector<std::string_view> SplitAtZero(const uint8_t* data, size_t size) {
    std::vector<std::string_view> parts;
    const char* text = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || text[i] == '\0') {
            parts.emplace_back(text + start, i - start);
            start = i + 1;
        }
    }
    return parts;
}

} // namespace VrlSchemaFuzz
