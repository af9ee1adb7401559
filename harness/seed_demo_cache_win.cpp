// Fills the demo prefix's Internet cache once, through the system's cache
// functions, so the History Cleaner's first "Start" lists something true.
#include <cstdio>

#include "demo_cache.h"

int main() {
    int written = 0, refused = 0;
    for (const tw::NewCacheEntry& entry : tw::DemoCacheEntries()) (tw::WriteCacheEntry(entry) ? written : refused)++;
    std::printf("demo cache: %d entries written, %d refused\n", written, refused);
    return refused == 0 ? 0 : 1;
}
