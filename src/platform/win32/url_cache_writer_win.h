#pragma once
#include <cstdint>
#include <string>

#include "platform/url_cache.h"

namespace tw {

// An entry as a browser would leave it in the cache.
struct NewCacheEntry {
    std::string url;  // "Visited: user@..." and "Cookie:user@..." land in their own containers
    std::uint32_t type = CacheEntryType::Normal;
    std::string content;  // none: an entry without a local file
    std::uint32_t hits = 0;
    FileTime lastAccess = 0;  // 0: the time of writing
};

// Creates and commits the entry through the system's cache functions; false
// when the cache refused it. Demo data, tests and benchmarks fill the real
// cache this way; the product itself only lists and deletes.
bool WriteCacheEntry(const NewCacheEntry& entry);

}  // namespace tw
