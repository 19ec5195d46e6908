// Linked into the tool only together with tcmalloc: tcmalloc's heap grows
// from a HugePageArena, and from tcmalloc's own system allocator once the
// arena gets no more address space. VRLSCHEMA_HUGE_PAGES=0 in the
// environment keeps the heap on base pages, for hosts where a fresh huge
// page costs more than the faults it saves (see the README).
#include "platform/HugePageArena.h"

#include <cstdlib>
#include <cstring>
#include <gperftools/malloc_extension.h>
#include <new>

namespace {

class ArenaSysAllocator final : public SysAllocator {
public:
    explicit ArenaSysAllocator(SysAllocator* fallback) : m_fallback(fallback) {}

    void* Alloc(size_t size, size_t* actualSize, size_t alignment) override {
        if (void* block = m_arena.Allocate(size, alignment, actualSize))
            return block;
        return m_fallback != nullptr ? m_fallback->Alloc(size, actualSize, alignment) : nullptr;
    }

private:
    HugePageArena m_arena;
    SysAllocator* m_fallback;
};

// Installed before main() runs; what was allocated until then stays where
// tcmalloc put it. The object lives in static storage, never destroyed, as
// tcmalloc may call it until the process ends.
struct Install {
    Install() {
        const char* choice = std::getenv("VRLSCHEMA_HUGE_PAGES");
        if (choice != nullptr && std::strcmp(choice, "0") == 0)
            return;
        alignas(ArenaSysAllocator) static unsigned char storage[sizeof(ArenaSysAllocator)];
        MallocExtension* extension = MallocExtension::instance();
        extension->SetSystemAllocator(new (storage) ArenaSysAllocator(extension->GetSystemAllocator()));
    }
} install;

} // namespace
