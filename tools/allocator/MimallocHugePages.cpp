// Linked into the tool only together with mimalloc: mimalloc is asked for
// large (2 MiB) OS pages before anything is allocated, unless
// VRLSCHEMA_HUGE_PAGES=0 is in the environment (for hosts where a fresh huge
// page costs more than the faults it saves; see the README). Without pages
// the administrator reserved, mimalloc then advises the kernel to back its
// segments with transparent huge pages.
#include <cstring>
#include <mimalloc.h>

namespace {

// Run from the executable's pre-initialisation array: before the
// initialisers of the shared libraries, whose first allocations would
// otherwise come from ordinary pages. Setting an option allocates nothing.
void AskForLargePages(int, char**, char** environment) {
    for (char** entry = environment; entry != nullptr && *entry != nullptr; ++entry) {
        if (std::strcmp(*entry, "VRLSCHEMA_HUGE_PAGES=0") == 0)
            return;
    }
    mi_option_set_enabled(mi_option_large_os_pages, true);
}

[[gnu::used, gnu::section(".preinit_array")]] void (*const kAskForLargePages)(int, char**,
                                                                              char**) = AskForLargePages;

} // namespace
