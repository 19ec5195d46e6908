// The process-wide chain of string tables. Each registered table gets an
// index by id when it joins, so that a lookup costs one hash probe per table
// rather than a scan of its entries. Registration is rare and lookups are
// frequent, hence the shared lock.
#include "StringResources.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

namespace {

struct RegisteredTable {
    const StringResource* entries;
    std::unordered_map<UINT, const wchar_t*> byId;
};

struct Chain {
    std::shared_mutex lock;
    std::vector<std::unique_ptr<RegisteredTable>> tables;
};

// Built on first use, so that tables registered by start-up objects of other
// translation units find the chain ready.
Chain& TheChain() {
    static Chain* chain = new Chain(); // never destroyed: lookups may run during exit
    return *chain;
}

} // namespace

void AfxRegisterStringTable(const StringResource* entries, size_t count) {
    if (entries == nullptr)
        return;
    auto table = std::make_unique<RegisteredTable>();
    table->entries = entries;
    table->byId.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        // Within one table the first entry of an id wins, as in the chain.
        if (entries[i].text != nullptr)
            table->byId.emplace(entries[i].id, entries[i].text);
    }
    Chain& chain = TheChain();
    std::unique_lock guard(chain.lock);
    for (const auto& existing : chain.tables) {
        if (existing->entries == entries)
            return;
    }
    chain.tables.push_back(std::move(table));
}

void AfxUnregisterStringTable(const StringResource* entries) {
    Chain& chain = TheChain();
    std::unique_lock guard(chain.lock);
    std::erase_if(chain.tables, [entries](const auto& table) { return table->entries == entries; });
}

const wchar_t* AfxFindStringResource(UINT id) {
    Chain& chain = TheChain();
    std::shared_lock guard(chain.lock);
    for (const auto& table : chain.tables) {
        const auto found = table->byId.find(id);
        if (found != table->byId.end())
            return found->second;
    }
    return nullptr;
}
