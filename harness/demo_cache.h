#pragma once
#include <vector>

#include "platform/url_cache.h"
#include "platform/win32/url_cache_writer_win.h"

namespace tw {

// A few hundred entries of a browser's cache after some weeks of use:
// visited pages, cookies and the pages' files, always the same ones.
std::vector<NewCacheEntry> DemoCacheEntries();

// The same as the cache lists them, for a memory machine.
CacheEntry AsListed(const NewCacheEntry& entry);

}  // namespace tw
