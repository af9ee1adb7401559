#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

namespace CacheEntryType {
inline constexpr std::uint32_t Normal = 0x00000001;
inline constexpr std::uint32_t Sticky = 0x00000004;
inline constexpr std::uint32_t Cookie = 0x00100000;
inline constexpr std::uint32_t UrlHistory = 0x00200000;
}  // namespace CacheEntryType

// A file time: 100-ns intervals since 1601-01-01 UTC.
using FileTime = std::uint64_t;

struct CacheEntry {
    std::string url;
    std::string localFile;
    std::uint32_t type = 0;
    std::uint32_t hitRate = 0;
    std::uint64_t size = 0;
    FileTime lastAccess = 0;
};

class UrlCache {
public:
    virtual ~UrlCache() = default;
    // Every entry of every container, in the cache's order.
    virtual std::vector<CacheEntry> Entries() const = 0;
    // The same entries handed over one at a time as they are read, so that a
    // caller can let its window breathe while a large cache is listed.
    virtual void ForEachEntry(const std::function<void(const CacheEntry&)>& visit) const {
        for (const CacheEntry& entry : Entries()) visit(entry);
    }
    virtual bool DeleteEntry(std::string_view url) = 0;
    // Asks the URL-history component to clear the history; throws tw::Error
    // when the component cannot be created or lacks the interface.
    virtual void ClearHistory() = 0;
};

}  // namespace tw
