#include "demo_cache.h"

#include <string>

namespace tw {
namespace {

constexpr const char* kSites[] = {"www.northwind-news.test", "mail.fjordpost.test",    "shop.tidalgoods.test",
                                  "wiki.openharbor.test",    "video.seastream.test",   "www.weather-bay.test",
                                  "forum.driftwood.test",    "bank.quaybank.test",     "maps.lighthouse.test",
                                  "www.recipes-coast.test",  "docs.anchorsoft.test",   "photos.saltmarsh.test"};
constexpr const char* kPages[] = {"",          "index.html",      "news/today.html", "account/settings",
                                  "search?q=tides", "articles/2026/11/storm.html", "cart",  "help/faq.html"};
constexpr const char* kFiles[] = {"static/site.css", "static/app.js", "img/logo.png",   "img/banner.jpg",
                                  "fonts/body.woff2", "img/icons.gif", "static/vendor.js", "img/photo-%d.jpg"};
constexpr std::uint32_t kFileSizes[] = {18432, 96210, 5120, 142336, 38912, 2048, 251904, 88064};

// 2026-12-01 00:00 UTC, and one day, as file times.
constexpr FileTime kDecember1 = 134405568000000000ULL;
constexpr FileTime kDay = 864000000000ULL;

// A small fixed sequence, so every run seeds the same cache.
class Sequence {
public:
    std::uint32_t Next(std::uint32_t below) {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) % below;
    }

private:
    std::uint32_t state_ = 20261201;
};

}  // namespace

std::vector<NewCacheEntry> DemoCacheEntries() {
    namespace T = CacheEntryType;
    std::vector<NewCacheEntry> entries;
    Sequence random;
    auto when = [&] { return kDecember1 - random.Next(45) * kDay - random.Next(86400) * 10000000ULL; };
    for (const char* site : kSites) {
        for (const char* page : kPages) {
            if (random.Next(4) == 0) continue;
            const std::string url = std::string("https://") + site + "/" + page;
            entries.push_back({"Visited: user@" + url, T::Normal | T::UrlHistory, "", 1 + random.Next(30), when()});
            entries.push_back({url, T::Normal, std::string(2048 + random.Next(30000), 'h'), 1 + random.Next(12), when()});
        }
        entries.push_back({std::string("Cookie:user@") + site + "/", T::Normal | T::Cookie,
                           "session=" + std::to_string(random.Next(1000000)), 1 + random.Next(60), when()});
        for (std::size_t f = 0; f < std::size(kFiles); ++f) {
            std::string file = kFiles[f];
            if (const auto mark = file.find("%d"); mark != std::string::npos) file.replace(mark, 2, std::to_string(f));
            const std::uint32_t size = kFileSizes[f] / (1 + random.Next(3));
            entries.push_back({std::string("https://") + site + "/" + file, T::Normal, std::string(size, 'f'),
                               1 + random.Next(80), when()});
        }
    }
    return entries;
}

CacheEntry AsListed(const NewCacheEntry& entry) {
    return {entry.url, "", entry.type, entry.hits, entry.content.size(), entry.lastAccess};
}

}  // namespace tw
