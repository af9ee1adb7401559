// The fill and the clean against the real cache (Wine's WinINet): entries a
// browser would leave, created through the system's cache functions.
#include <gtest/gtest.h>

#include <algorithm>

#include "history_cleaner/history_cleaner.h"
#include "platform/win32/url_cache_writer_win.h"
#include "platform/win32/win32_platform.h"
#include "services/scripted_prompter.h"

namespace tw {
namespace {

namespace T = CacheEntryType;

// Noon UTC, so the local date is the same in every time zone a test machine has.
constexpr FileTime kMarch4Noon = 134170992000000000ULL;
const std::string kSite = "tidewell.test/real-cache/";

class RealCache : public ::testing::Test {
protected:
    void SetUp() override {
        const NewCacheEntry entries[] = {
            {"http://" + kSite + "page.html", T::Normal, std::string(1234, 'p'), 5, kMarch4Noon},
            {"Cookie:tester@" + kSite, T::Normal | T::Cookie, "id=42", 2, kMarch4Noon},
            {"Visited: tester@http://" + kSite + "page.html", T::Normal | T::UrlHistory, "", 7, kMarch4Noon},
            // Wine adds the content container's normal flag to what it is told;
            // the history container adds only its own.
            {"Visited: tester@http://" + kSite + "not-normal", T::UrlHistory, "", 1, kMarch4Noon},
        };
        for (const NewCacheEntry& e : entries) {
            ASSERT_TRUE(WriteCacheEntry(e)) << e.url;
            written.push_back(e.url);
        }
    }
    void TearDown() override {
        for (const std::string& url : written) machine.urlCache.DeleteEntry(url);
    }
    // Ours only: the prefix's cache may hold entries of other tests.
    std::vector<std::vector<std::string>> Listed(std::size_t group) {
        std::vector<std::vector<std::string>> rows;
        auto& tree = cleaner.Tree();
        for (std::size_t i = 0; i < tree.ChildCount(group); ++i) {
            if (tree.CellText({group, i}, 0).find(kSite) == std::string::npos) continue;
            std::vector<std::string> row;
            for (int column = 0; column < 4; ++column) row.push_back(tree.CellText({group, i}, column));
            rows.push_back(row);
        }
        return rows;
    }
    std::vector<std::string> OursInTheCache() const {
        std::vector<std::string> urls;
        for (const CacheEntry& e : machine.urlCache.Entries())
            if (e.url.find(kSite) != std::string::npos) urls.push_back(e.url);
        std::sort(urls.begin(), urls.end());
        return urls;
    }

    Win32Platform machine;
    ScriptedPrompter prompter;
    NoProgress quiet;
    HistoryCleaner cleaner{machine.Bundle(), prompter, quiet, {}};
    std::vector<std::string> written;
};

TEST_F(RealCache, TheFillListsEachKindInItsGroupWithItsFields) {
    cleaner.Start();
    const std::string date = "04" + machine.system.DateSeparator() + "03" + machine.system.DateSeparator() + "2026";
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Listed(kHistoryGroup), (Rows{{"Visited: tester@http://" + kSite + "page.html", "7", "0", date}}));
    EXPECT_EQ(Listed(kCookiesGroup), (Rows{{"Cookie:tester@" + kSite, "2", "5", date}}));
    EXPECT_EQ(Listed(kTemporaryGroup), (Rows{{"http://" + kSite + "page.html", "5", "1234", date}}));
}

TEST_F(RealCache, ACleanOfAPartialSelectionDeletesExactlyTheCheckedEntries) {
    cleaner.Start();
    auto& tree = cleaner.Tree();
    // Only our entries are checked, the cookie not among them.
    tree.Checks().SetAll(false);
    for (std::size_t group = 0; group < kGroupCount; ++group)
        for (std::size_t i = 0; i < tree.ChildCount(group); ++i) {
            const std::string url = tree.CellText({group, i}, 0);
            if (url.find(kSite) != std::string::npos && group != kCookiesGroup) tree.Checks().SetChild(group, i, true);
        }
    cleaner.CleanChecked(false);
    EXPECT_EQ(OursInTheCache(), (std::vector<std::string>{"Cookie:tester@" + kSite, "Visited: tester@http://" + kSite + "not-normal"}));
    EXPECT_EQ(Listed(kCookiesGroup).size(), 1u);
    EXPECT_TRUE(Listed(kHistoryGroup).empty());
    EXPECT_TRUE(Listed(kTemporaryGroup).empty());
}

}  // namespace
}  // namespace tw
