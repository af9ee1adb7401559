#pragma once
#include "platform/url_cache.h"

namespace tw {

// The WinINet cache (all containers) and the URL-history component.
class Win32UrlCache final : public UrlCache {
public:
    std::vector<CacheEntry> Entries() const override;
    void ForEachEntry(const std::function<void(const CacheEntry&)>& visit) const override;
    bool DeleteEntry(std::string_view url) override;
    void ClearHistory() override;
};

}  // namespace tw
