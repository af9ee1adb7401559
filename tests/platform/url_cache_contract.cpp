// The URL-cache contract the Internet history and privacy tools rely on.
#include <algorithm>

#include "contract_env.h"

namespace tw::test {
namespace {

const CacheEntry* Find(const std::vector<CacheEntry>& entries, const std::string& url) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const CacheEntry& e) { return e.url == url; });
    return it == entries.end() ? nullptr : &*it;
}

TEST_P(UrlCacheContract, EntriesListAndDelete) {
    const std::string first = "http://tidewell.test/contract/page.html";
    const std::string second = "http://tidewell.test/contract/image.png";
    Env().AddCacheEntry(first, Bytes("<html>hello</html>"));
    Env().AddCacheEntry(second, std::vector<std::uint8_t>(3000, 7));
    UrlCache& cache = P().urlCache;

    const auto entries = cache.Entries();
    const CacheEntry* page = Find(entries, first);
    ASSERT_NE(page, nullptr);
    EXPECT_NE(page->type & CacheEntryType::Normal, 0u);
    EXPECT_EQ(page->size, 18u);
    EXPECT_FALSE(page->localFile.empty());
    ASSERT_NE(Find(entries, second), nullptr);
    EXPECT_EQ(Find(entries, second)->size, 3000u);

    EXPECT_TRUE(cache.DeleteEntry(first));
    const auto after = cache.Entries();
    EXPECT_EQ(Find(after, first), nullptr);
    EXPECT_NE(Find(after, second), nullptr);
    EXPECT_FALSE(cache.DeleteEntry(first)) << "already gone";
    EXPECT_FALSE(cache.DeleteEntry("http://tidewell.test/never-cached"));
}

TEST_P(UrlCacheContract, EachEntryIsHandedOverInTheListsOrder) {
    Env().AddCacheEntry("http://tidewell.test/contract/one.html", Bytes("1"));
    Env().AddCacheEntry("http://tidewell.test/contract/two.html", Bytes("22"));
    std::vector<std::string> handed;
    P().urlCache.ForEachEntry([&](const CacheEntry& e) { handed.push_back(e.url); });
    std::vector<std::string> listed;
    for (const CacheEntry& e : P().urlCache.Entries()) listed.push_back(e.url);
    EXPECT_EQ(handed, listed);
    EXPECT_EQ(std::count(handed.begin(), handed.end(), "http://tidewell.test/contract/two.html"), 1);
}

// WINE.md: Wine creates the history object but its ClearHistory returns
// E_NOTIMPL; the result is ignored, so it must not throw anywhere.
TEST_P(UrlCacheContract, ClearHistoryDoesNotThrowWhenTheComponentExists) {
    EXPECT_NO_THROW(P().urlCache.ClearHistory());
}

}  // namespace
}  // namespace tw::test
