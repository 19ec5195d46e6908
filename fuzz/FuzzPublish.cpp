// Fuzz target of the publish procedure writer, into buffers of any capacity.
//
// Input: byte 0 picks the schema (the small setup tree or the built-in
// sample schema) and the dialect, byte 1 how the procedure is asked for (the
// dialect's own entry, or the writer itself with or without "@" replaced),
// bytes 2 to 5 the capacity, the rest is the query that stands in for the
// Queue table (UTF-8).
//
// The buffer is followed by a guard region that is poisoned for the address
// sanitizer, so a write past the capacity stops the run where it happens.
// The result must be the whole text (the same as with a large buffer) or
// DuxException 4100 with length 0 and the empty text.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <sanitizer/asan_interface.h>

#include "FuzzSupport.h"
#include "Generators.h"
#include "SampleSchema.h"
#include "schemafile/SchemaFile.h"
#include "common/PublishTree.h"
#include "publish/PublishStoredProcedureGenerator.h"
#include "sqlgen/VrlDbms.h"

namespace {

using namespace VrlSchemaLib;

constexpr long kBufferTooSmall = PublishStoredProcedureGenerator::cm_lBufferTooSmall;
constexpr size_t kGuard = 64;
constexpr wchar_t kFill = 0xA5A5;

const Dialect kDialects[] = {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access};

const VrlSchema* PickSchema(uint8_t choice, Dialect dialect) {
    static const VrlSchemaTest::PublishTree tree;
    static std::unique_ptr<VrlSchemaLib::SchemaFile> samples[4];
    if ((choice & 4) == 0)
        return tree.Schema();
    std::unique_ptr<VrlSchemaLib::SchemaFile>& sample = samples[static_cast<int>(dialect)];
    if (!sample)
        sample = VrlSchemaLib::SchemaFile::Parse(VrlSchemaTool::GetSampleSchemaText(),
                                                  VrlSchemaTool::kSampleSchemaName, dialect);
    return &sample->GetSchema();
}

struct Request {
    const VrlDbms* dbms;
    bool direct;
    bool replaceAt;
    const wchar_t* queue;
};

// One run; returns the DuxException code (0 for none). `required` is the
// writer's own figure when it is called directly.
long Run(const Request& r, wchar_t* buffer, long& length, long& required) {
    return VrlSchemaFuzz::ExpectOnly({kBufferTooSmall}, [&] {
        if (r.direct) {
            PublishStoredProcedureGenerator generator;
            struct Required {
                PublishStoredProcedureGenerator& g;
                long& out;
                ~Required() { out = g.GetRequiredCapacity(); }
            } keep{generator, required};
            generator.Generate(r.dbms->GetSchema(), buffer, length, r.dbms->GetSqlStrings(), r.queue,
                               r.replaceAt);
        } else {
            r.dbms->GeneratePublishStoredProcedure(buffer, length);
        }
    });
}

// The whole text, through buffers that grow until it fits.
std::wstring FullText(const Request& r) {
    for (long capacity = 1L << 16;; capacity *= 4) {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
        long length = capacity;
        long required = 0;
        if (Run(r, buffer.data(), length, required) == 0) {
            FUZZ_CHECK(length >= 0 && length < capacity && buffer[static_cast<size_t>(length)] == L'\0');
            FUZZ_CHECK(!r.direct || required == length + 1);
            return std::wstring(buffer.data(), static_cast<size_t>(length));
        }
        FUZZ_CHECK(length == 0 && buffer[0] == L'\0');
        FUZZ_CHECK(capacity < (1L << 26));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VrlSchemaFuzz::StartLibrary();
    if (size < 6)
        return 0;
    const Dialect dialect = kDialects[data[0] % 4];
    const VrlSchema* schema = PickSchema(data[0], dialect);
    uint32_t selector = 0;
    std::memcpy(&selector, data + 2, sizeof selector);
    const CString queue = VrlSchemaFuzz::WideText(data + 6, size - 6);
    const std::unique_ptr<VrlDbms> dbms = VrlSchemaTool::MakeGenerator(dialect, schema, false, queue);
    const Request request{dbms.get(), (data[1] & 1) != 0, (data[1] & 2) != 0, queue.GetString()};

    const std::wstring full = FullText(request);
    // Capacities around the one needed are the interesting ones; the
    // selector's top bit asks for a null buffer.
    const long need = static_cast<long>(full.size()) + 1;
    const long capacity = static_cast<long>((selector & 0x7FFFFFFFu) % static_cast<uint32_t>(need + 16));
    const bool nullBuffer = (selector & 0x80000000u) != 0;

    std::vector<wchar_t> storage(static_cast<size_t>(capacity) + kGuard, kFill);
    wchar_t* buffer = nullBuffer ? nullptr : storage.data();
    wchar_t* guard = storage.data() + capacity;
    ASAN_POISON_MEMORY_REGION(guard, kGuard * sizeof(wchar_t));
    long length = capacity;
    long required = 0;
    const long code = Run(request, buffer, length, required);
    ASAN_UNPOISON_MEMORY_REGION(guard, kGuard * sizeof(wchar_t));

    for (size_t i = 0; i < kGuard; ++i)
        FUZZ_CHECK(guard[i] == kFill);
    if (nullBuffer) {
        for (long i = 0; i < capacity; ++i)
            FUZZ_CHECK(storage[static_cast<size_t>(i)] == kFill);
    }
    const bool fits = !nullBuffer && capacity >= need;
    if (code == 0) {
        // Access writes no procedure: the empty text fits every buffer.
        FUZZ_CHECK(fits || full.empty());
        FUZZ_CHECK(length == static_cast<long>(full.size()));
        if (buffer != nullptr && capacity > 0)
            FUZZ_CHECK(full.compare(0, std::wstring::npos, buffer, static_cast<size_t>(length)) == 0 &&
                       buffer[length] == L'\0');
    } else {
        FUZZ_CHECK(!fits);
        FUZZ_CHECK(length == 0);
        if (buffer != nullptr && capacity > 0)
            FUZZ_CHECK(buffer[0] == L'\0');
        if (request.direct)
            FUZZ_CHECK(required == need);
    }
    return 0;
}
