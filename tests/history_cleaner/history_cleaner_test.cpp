#include <gtest/gtest.h>

#include <algorithm>

#include "history_cleaner/history_cleaner.h"
#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "services/scripted_prompter.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

using ui::CheckState;
using ui::RowRef;
using Kind = ScriptedPrompter::Kind;
using Shown = ScriptedPrompter::Shown;
namespace T = CacheEntryType;

constexpr std::uint64_t kGiB4 = 0x100000000ULL;
// 2026-03-04 05:06:07 UTC; the memory machine's local time is UTC.
constexpr FileTime kMarch4 = 134170743670000000ULL;

TEST(CacheGroups, EachTypeFallsInOneGroupOrNone) {
    const struct {
        std::uint32_t type;
        std::optional<std::size_t> group;
    } cases[] = {
        {T::Normal | T::UrlHistory | T::Cookie, kHistoryGroup},
        {T::Normal | T::UrlHistory, kHistoryGroup},
        {T::Normal | T::Cookie, kCookiesGroup},
        {T::Normal | T::Cookie | T::Sticky, kCookiesGroup},
        {T::Normal, kTemporaryGroup},
        {T::Normal | T::Sticky, kTemporaryGroup},
        {T::UrlHistory, std::nullopt},
        {T::Cookie, std::nullopt},
        {T::Sticky, std::nullopt},
        {0, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(GroupOf(c.type), c.group) << std::hex << c.type;
}

TEST(CacheGroups, DateIsDayMonthYearWithTheLocalesSeparator) {
    const struct {
        LocalTime date;
        std::string separator, text;
    } cases[] = {
        {{2026, 3, 4, 23, 59, 59}, "/", "04/03/2026"},
        {{2026, 12, 31}, ".", "31.12.2026"},
        {{1999, 1, 9}, "-", "09-01-1999"},
        {{1601, 1, 1}, ". ", "01. 01. 1601"},
        {{987, 10, 10}, "/", "10/10/0987"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDate(c.date, c.separator), c.text);
}

class HistorySession : public ::testing::Test {
protected:
    HistorySession() {
        progress.atPump = 0;
        progress.script = [this] {
            steps += 'p';
            if (duringPump) duringPump();
        };
        progress.onStatus = [this](const std::optional<std::string>& text) {
            steps += 's';
            events.push_back(text ? "status " + *text : "status hidden");
        };
    }
    FillingHook Filling() {
        return [this](bool filling) {
            events.push_back(filling ? (tree.Empty() ? "filling over empty tree" : "filling over rows")
                                     : "filled " + std::to_string(tree.RowCount()));
        };
    }
    void Add(std::string url, std::uint32_t type, std::uint64_t size = 100, std::uint32_t hits = 1) {
        machine.urlCache.Add({std::move(url), "", type, hits, size, kMarch4});
    }
    // Two entries in each group and one that is not listed.
    void AddMixedCache() {
        Add("Visited: user@http://tidewell.test/", T::Normal | T::UrlHistory);
        Add("Cookie:user@tidewell.test/", T::Normal | T::Cookie);
        Add("http://tidewell.test/a.png", T::Normal);
        Add(":2026030420260305: user@http://tidewell.test/", T::Normal | T::UrlHistory | T::Cookie);
        Add("http://tidewell.test/leftover", T::UrlHistory);
        Add("Cookie:user@example.test/", T::Normal | T::Cookie);
        Add("http://tidewell.test/b.js", T::Normal | T::Sticky);
    }
    std::vector<std::string> Urls() const {
        std::vector<std::string> urls;
        for (const CacheEntry& e : machine.urlCache.Entries()) urls.push_back(e.url);
        return urls;
    }
    std::vector<std::string> Column(std::size_t group, int column) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < tree.ChildCount(group); ++i) texts.push_back(tree.CellText({group, i}, column));
        return texts;
    }
    std::vector<CheckState> GroupStates() {
        std::vector<CheckState> states;
        for (std::size_t i = 0; i < tree.RowCount(); ++i) states.push_back(tree.Check({i, std::nullopt}));
        return states;
    }

    MemoryPlatform machine;
    ScriptedPrompter prompter;
    std::vector<std::string> events;
    // What the run did, in order: 'r' a cache entry read, 's' a status
    // shown, 'p' messages let run.
    std::string steps;
    std::function<void()> duringPump;
    test::ScriptedProgress progress;
    HistoryCleaner cleaner{machine.Bundle(), prompter, progress, Filling()};
    HistoryTree& tree = cleaner.Tree();
};

TEST_F(HistorySession, StartListsNormalEntriesInThreeGroupsInCacheOrder) {
    AddMixedCache();
    cleaner.Start();
    ASSERT_EQ(tree.RowCount(), kGroupCount);
    EXPECT_EQ(tree.CellText({0, std::nullopt}, 0), "Internet History");
    EXPECT_EQ(tree.CellText({1, std::nullopt}, 0), "Cookies");
    EXPECT_EQ(tree.CellText({2, std::nullopt}, 0), "Temporary Internet Files");
    EXPECT_EQ(tree.CellText({2, std::nullopt}, 3), "");
    EXPECT_EQ(tree.ImageIndex({1, std::nullopt}), 1);
    EXPECT_EQ(tree.ImageIndex({1, 0}), -1);
    EXPECT_EQ(Column(kHistoryGroup, 0), (std::vector<std::string>{"Visited: user@http://tidewell.test/",
                                                                  ":2026030420260305: user@http://tidewell.test/"}));
    EXPECT_EQ(Column(kCookiesGroup, 0),
              (std::vector<std::string>{"Cookie:user@tidewell.test/", "Cookie:user@example.test/"}));
    EXPECT_EQ(Column(kTemporaryGroup, 0),
              (std::vector<std::string>{"http://tidewell.test/a.png", "http://tidewell.test/b.js"}));
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kGroupCount, CheckState::Checked));
    EXPECT_EQ(tree.Check({kCookiesGroup, 1}), CheckState::Checked);
}

TEST_F(HistorySession, FieldsShowUnsignedCountsTheLowSizeBitsAndTheLocalDate) {
    const struct {
        std::uint64_t size;
        std::uint32_t hits;
        std::string sizeText, hitsText;
    } cases[] = {
        {0, 0, "0", "0"},
        {4095, 7, "4095", "7"},
        {0xFFFFFFFFULL, 0xFFFFFFFFU, "4294967295", "4294967295"},
        {kGiB4, 0x80000000U, "0", "2147483648"},
        {kGiB4 + 1234, 1, "1234", "1"},
        {5 * kGiB4 + 0x80000000ULL, 2, "2147483648", "2"},
    };
    for (const auto& c : cases) Add("http://tidewell.test/" + c.sizeText, T::Normal, c.size, c.hits);
    machine.system.SetDateSeparator(".");
    cleaner.Start();
    ASSERT_EQ(tree.ChildCount(kTemporaryGroup), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(tree.CellText({kTemporaryGroup, i}, 1), cases[i].hitsText);
        EXPECT_EQ(tree.CellText({kTemporaryGroup, i}, 2), cases[i].sizeText);
        EXPECT_EQ(tree.CellText({kTemporaryGroup, i}, 3), "04.03.2026");
    }
}

TEST_F(HistorySession, AFillEmptiesTheTreeLetsMessagesRunPerEntryAndEndsBuilt) {
    AddMixedCache();
    machine.urlCache.OnEachRead([this] { steps += 'r'; });
    cleaner.Start();
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 'r'), 7);
    for (const char* unbroken : {"rr", "rs", "ss"}) EXPECT_EQ(steps.find(unbroken), std::string::npos) << steps;
    EXPECT_EQ(steps.back(), 'p') << steps;
    const std::vector<std::string> fill = {"filling over empty tree", "status " + std::string(kFetchingText),
                                           "status " + std::string(kFetchingText),
                                           "status " + std::string(kFetchingText), "filled 3"};
    EXPECT_EQ(events, fill);
    // The lists are emptied each time, not appended to.
    events.clear();
    cleaner.Start();
    EXPECT_EQ(events, fill);
    EXPECT_EQ(tree.ChildCount(kCookiesGroup), 2u);
}

TEST_F(HistorySession, AnEmptyCacheGivesThreeEmptyGroupsAndCleanStillAsks) {
    cleaner.Start();
    ASSERT_EQ(tree.RowCount(), kGroupCount);
    for (std::size_t g = 0; g < kGroupCount; ++g) EXPECT_EQ(tree.ChildCount(g), 0u);
    prompter.Answer(false);
    cleaner.CleanAfterConfirmation(true);
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Confirm, std::string(kHistoryCleanQuestion)}}));
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 0);
}

TEST_F(HistorySession, CleanBeforeStartDoesNothingEvenWithTheHistoryBoxTicked) {
    AddMixedCache();
    cleaner.CleanAfterConfirmation(true);
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 0);
    EXPECT_EQ(Urls().size(), 7u);
    EXPECT_TRUE(events.empty());
}

TEST_F(HistorySession, CleanCheckedBeforeStartClearsOnlyTheHistory) {
    AddMixedCache();
    cleaner.CleanChecked(true);
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"status " + std::string(kCleaningText), "status hidden"}));
    EXPECT_EQ(Urls().size(), 7u);
    EXPECT_TRUE(tree.Empty());
    events.clear();
    cleaner.CleanChecked(false);
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    EXPECT_TRUE(events.empty());
}

TEST_F(HistorySession, OneUncheckedEntryIsKeptWhileAllOthersGo) {
    AddMixedCache();
    cleaner.Start();
    tree.Checks().SetChild(kCookiesGroup, 1, false);
    EXPECT_EQ(tree.Check({kCookiesGroup, std::nullopt}), CheckState::Mixed);
    prompter.Answer(true);
    events.clear();
    cleaner.CleanAfterConfirmation(false);
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 0);
    // The entry without the normal flag was never listed, so never deleted.
    EXPECT_EQ(Urls(), (std::vector<std::string>{"http://tidewell.test/leftover", "Cookie:user@example.test/"}));
    EXPECT_EQ(events.front(), "status " + std::string(kCleaningText));
    EXPECT_EQ(events.at(1), "status hidden");
    EXPECT_EQ(events.back(), "filled 3");
    EXPECT_EQ(Column(kCookiesGroup, 0), std::vector<std::string>{"Cookie:user@example.test/"});
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kGroupCount, CheckState::Checked));
}

TEST_F(HistorySession, TheHistoryIsClearedBeforeAnyEntryIsDeleted) {
    AddMixedCache();
    cleaner.Start();
    machine.urlCache.SetHistoryAvailable(true);
    std::vector<int> clearsSeenAtDeletes;
    duringPump = [&] { clearsSeenAtDeletes.push_back(machine.urlCache.ClearHistoryCalls()); };
    cleaner.CleanChecked(true);
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    ASSERT_FALSE(clearsSeenAtDeletes.empty());
    EXPECT_EQ(clearsSeenAtDeletes.front(), 1);
    EXPECT_EQ(Urls(), std::vector<std::string>{"http://tidewell.test/leftover"});
}

TEST_F(HistorySession, AHistoryThatCannotBeClearedStopsTheCleanBeforeAnyDeletionAndLeavesItIdle) {
    AddMixedCache();
    cleaner.Start();
    machine.urlCache.SetHistoryAvailable(false);
    events.clear();
    EXPECT_THROW(cleaner.CleanChecked(true), Error);
    EXPECT_EQ(Urls().size(), 7u);
    EXPECT_EQ(events, (std::vector<std::string>{"status " + std::string(kCleaningText), "status hidden"}));
    EXPECT_FALSE(cleaner.Running());
    EXPECT_EQ(tree.ChildCount(kTemporaryGroup), 2u) << "the list is not refilled";
    machine.urlCache.SetHistoryAvailable(true);
    cleaner.CleanChecked(true);
    EXPECT_EQ(Urls().size(), 1u);
}

TEST_F(HistorySession, AnEntryThatCannotBeDeletedIsSkippedAndListedAgain) {
    AddMixedCache();
    machine.urlCache.FailDelete("Cookie:user@tidewell.test/");
    cleaner.Start();
    cleaner.CleanChecked(false);
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_EQ(Column(kCookiesGroup, 0), std::vector<std::string>{"Cookie:user@tidewell.test/"});
    EXPECT_EQ(tree.ChildCount(kTemporaryGroup), 0u);
}

TEST_F(HistorySession, SelectAllAfterAPartialSelectionChecksEveryRowWithoutRefilling) {
    AddMixedCache();
    cleaner.SelectAll(false);  // nothing to select before a fill
    EXPECT_TRUE(tree.Empty());
    cleaner.Start();
    tree.Checks().SetChild(kHistoryGroup, 0, false);
    tree.Checks().SetGroup(kTemporaryGroup, false);
    machine.urlCache.Add({"http://tidewell.test/new", "", T::Normal, 0, 0, 0});
    events.clear();
    cleaner.SelectAll(true);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(tree.ChildCount(kTemporaryGroup), 2u);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kGroupCount, CheckState::Checked));
    for (std::size_t g = 0; g < kGroupCount; ++g)
        for (std::size_t i = 0; i < tree.ChildCount(g); ++i) EXPECT_EQ(tree.Check({g, i}), CheckState::Checked);
    cleaner.SelectAll(false);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kGroupCount, CheckState::Unchecked));
    EXPECT_EQ(tree.Check({kCookiesGroup, 1}), CheckState::Unchecked);
    cleaner.CleanChecked(false);
    EXPECT_EQ(Urls().size(), 8u) << "nothing checked, nothing deleted";
}

TEST_F(HistorySession, AFillOrCleanAskedForWhileOneRunsIsIgnored) {
    AddMixedCache();
    int nested = 0;
    duringPump = [&] {
        if (nested++ > 0) return;
        EXPECT_TRUE(cleaner.Running());
        cleaner.Start();
        cleaner.CleanChecked(true);
    };
    cleaner.Start();
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 0);
    EXPECT_EQ(tree.ChildCount(kHistoryGroup), 2u);
    EXPECT_EQ(std::count(events.begin(), events.end(), "filled 3"), 1);
    EXPECT_FALSE(cleaner.Running());
}

}  // namespace
}  // namespace tw
