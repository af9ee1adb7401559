#include "history_cleaner/history_window_win.h"

#include "support/header_captions_win.h"
#include "support/menu_watch_win.h"
#include "support/message_probe_win.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

using ui::CheckState;
using Kind = ScriptedPrompter::Kind;
using Shown = ScriptedPrompter::Shown;
namespace T = CacheEntryType;

class HistoryWindowTest : public UiTest {
protected:
    HistoryWindowTest() {
        const std::pair<std::string, std::uint32_t> entries[] = {
            {"Visited: user@http://tidewell.test/news", T::Normal | T::UrlHistory},
            {"Cookie:user@tidewell.test/", T::Normal | T::Cookie},
            {"http://tidewell.test/logo.png", T::Normal},
            {"Visited: user@http://tidewell.test/about", T::Normal | T::UrlHistory},
            {"http://tidewell.test/site.css", T::Normal},
            {"http://tidewell.test/unlisted", T::UrlHistory},
        };
        for (const auto& [url, type] : entries) machine.urlCache.Add({url, "", type, 3, 2048, 0});
    }
    TfrmHistory& Open() {
        window = OpenTool<TfrmHistory>(context, TfrmHistory::kCachePage);
        Settle();
        return *window;
    }
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    TfrmHistory::CachePage& Page() { return window->Controls(); }
    static bool IsShown(const ui::Window& w) { return IsWindowVisible(w.Handle()) != FALSE; }
    std::vector<std::string> Urls() const {
        std::vector<std::string> urls;
        for (const CacheEntry& e : machine.urlCache.Entries()) urls.push_back(e.url);
        return urls;
    }
    std::vector<CheckState> GroupStates() {
        auto& tree = window->Cleaner().Tree();
        std::vector<CheckState> states;
        for (std::size_t i = 0; i < tree.RowCount(); ++i) states.push_back(tree.Check({i, std::nullopt}));
        return states;
    }

    std::unique_ptr<TfrmHistory> window;
};

TEST_F(HistoryWindowTest, ThePageCarriesItsTextsColumnsAndTickedHistoryBoxAndReadsNothingYet) {
    auto& w = Open();
    auto& c = Page();
    EXPECT_EQ(w.PageDescription(TfrmHistory::kCachePage)->Text(),
              "When you click \"Start\" button, cached internet content on your computer will be located and listed. "
              "Click \"Clean\" button to clean selected cached internet files.");
    EXPECT_EQ(c.start->Text(), "&Start");
    EXPECT_EQ(c.help->Text(), "&Help");
    EXPECT_EQ(c.clean->Text(), "&Clean");
    EXPECT_EQ(c.history->Text(), "Clean Local Internet History Files");
    EXPECT_TRUE(c.history->Checked());
    EXPECT_FALSE(c.status->Visible());
    EXPECT_TRUE(IsShown(*c.tree));
    EXPECT_FALSE(IsShown(*c.twin));
    const std::vector<std::string> columns = {"Internet Cache URL", "Hits", "Size", "Last Access"};
    EXPECT_EQ(HeaderCaptions(*c.tree), columns);
    EXPECT_EQ(HeaderCaptions(*c.twin), columns);
    const int widths[] = {320, 40, 70, 145};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.tree->ColumnWidth(i), widths[i]);
    std::vector<std::string> captions;
    for (const ui::MenuItem& item : c.menu->Items()) captions.push_back(item.caption + (item.icon ? "+icon" : ""));
    EXPECT_EQ(captions, (std::vector<std::string>{"Select All+icon", "Unselect All+icon", "Clean Checked+icon"}));
    EXPECT_EQ(c.tree->VisibleCount(), 0u);
    Press(*c.help);
    ASSERT_EQ(helpShown.size(), 1u);
    EXPECT_EQ(helpShown[0].second, "history2");
}

TEST_F(HistoryWindowTest, WhileFillingTheTreeHidesBehindItsTwinAndTheStatusLineAnimates) {
    auto& w = Open();
    auto& c = Page();
    c.tree->SetColumnWidth(0, 200);
    std::vector<std::string> seen;
    machine.urlCache.OnEachRead([&] {
        if (!seen.empty()) return;
        seen.push_back(IsShown(*c.tree) ? "tree shown" : "tree hidden");
        seen.push_back(IsShown(*c.twin) ? "twin shown" : "twin hidden");
        seen.push_back("twin column 0: " + std::to_string(c.twin->ColumnWidth(0)));
        seen.push_back(c.status->Visible() ? "status " + c.status->Text() : "status hidden");
        seen.push_back(w.Animation().Running() ? "animating" : "still");
        w.Animation().onTick();
        w.Animation().onTick();
        seen.push_back("ticked " + c.status->Text());
    });
    Press(*c.start);
    EXPECT_EQ(seen, (std::vector<std::string>{"tree hidden", "twin shown", "twin column 0: 200",
                                              "status Populating Internet Cache", "animating",
                                              "ticked Populating Internet Cache."}));
    EXPECT_TRUE(IsShown(*c.tree));
    EXPECT_FALSE(IsShown(*c.twin));
    EXPECT_FALSE(c.status->Visible());
    EXPECT_FALSE(w.Animation().Running());
    EXPECT_EQ(c.tree->VisibleCount(), 3u);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(3, CheckState::Checked));
    // The counter is not reset: the next fill goes on from where this one was.
    seen.clear();
    machine.urlCache.OnEachRead([&] {
        if (seen.empty()) seen.push_back(c.status->Text());
    });
    Press(*c.start);
    EXPECT_EQ(seen, std::vector<std::string>{"Populating Internet Cache.."});
    w.Animation().onTick();
    w.Animation().onTick();
    EXPECT_EQ(c.status->Text(), "Populating Internet Cache...");
    w.Animation().onTick();
    EXPECT_EQ(c.status->Text(), "Populating Internet Cache");
}

TEST_F(HistoryWindowTest, DoubleClickOpensAGroupAndAnUncheckedEntryMakesItMixed) {
    Open();
    auto& c = Page();
    Press(*c.start);
    auto& tree = *c.tree;
    const RECT row = tree.RowRect(kHistoryGroup);
    SendMessageW(tree.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(200, (row.top + row.bottom) / 2));
    ASSERT_TRUE(tree.IsExpanded(kHistoryGroup));
    ASSERT_EQ(tree.VisibleCount(), 5u);
    EXPECT_EQ(tree.RowRect(0).bottom - tree.RowRect(0).top, 32);
    EXPECT_EQ(tree.RowRect(1).bottom - tree.RowRect(1).top, 18);
    const RECT box = tree.CheckBoxRect(2);
    SendMessageW(tree.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    SendMessageW(tree.Handle(), WM_LBUTTONUP, 0, MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    EXPECT_EQ(GroupStates(), (std::vector<CheckState>{CheckState::Mixed, CheckState::Checked, CheckState::Checked}));
    SendMessageW(tree.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(200, (row.top + row.bottom) / 2));
    EXPECT_FALSE(tree.IsExpanded(kHistoryGroup));
}

TEST_F(HistoryWindowTest, CleanAsksOnlyWithRowsAndKeepsTheOneUncheckedEntry) {
    auto& w = Open();
    auto& c = Page();
    Press(*c.clean);  // nothing listed: nothing asked, the history left alone
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 0);
    Press(*c.start);
    w.Cleaner().Tree().Checks().SetChild(kTemporaryGroup, 1, false);
    prompter.Answer(true);
    Press(*c.clean);
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Confirm, std::string(kHistoryCleanQuestion)}}));
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    EXPECT_EQ(Urls(), (std::vector<std::string>{"http://tidewell.test/site.css", "http://tidewell.test/unlisted"}));
    EXPECT_EQ(c.tree->VisibleCount(), 3u);
    EXPECT_EQ(w.Cleaner().Tree().ChildCount(kTemporaryGroup), 1u);
    EXPECT_FALSE(c.status->Visible());
    EXPECT_TRUE(c.start->Enabled());
    EXPECT_TRUE(c.clean->Enabled());
}

TEST_F(HistoryWindowTest, CleanCheckedBeforeStartClearsOnlyTheHistoryAndTheBoxDecides) {
    Open();
    auto& c = Page();
    EXPECT_TRUE(c.menu->Choose("Clean Checked"));
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    EXPECT_EQ(Urls().size(), 6u);
    EXPECT_EQ(c.tree->VisibleCount(), 0u);
    c.history->SetChecked(false);
    Press(*c.start);
    c.menu->Choose("Unselect All");
    c.menu->Choose("Clean Checked");
    EXPECT_EQ(machine.urlCache.ClearHistoryCalls(), 1);
    EXPECT_EQ(Urls().size(), 6u);
    c.menu->Choose("Select All");
    c.menu->Choose("Clean Checked");
    EXPECT_EQ(Urls(), std::vector<std::string>{"http://tidewell.test/unlisted"});
    EXPECT_TRUE(prompter.History().empty());
}

TEST_F(HistoryWindowTest, TheStatusLineSaysSoWhileACleanDeletesAndGoesWithIt) {
    Open();
    auto& c = Page();
    Press(*c.start);
    std::string meanwhile;
    MessageProbe probe([&] { meanwhile = c.status->Visible() ? c.status->Text() : "hidden"; });
    probe.Post();
    prompter.Answer(true);
    Press(*c.clean);
    EXPECT_EQ(probe.Looks(), 1);
    EXPECT_EQ(meanwhile, kCleaningText);
    EXPECT_FALSE(c.status->Visible());
}

TEST_F(HistoryWindowTest, AHistoryThatCannotBeClearedIsReportedNothingIsDeletedAndTheWindowIsIdle) {
    std::vector<std::string> errors;
    bool idleWhenReported = false;
    Open();
    auto& c = Page();
    ui::SetErrorHandler([&](const std::string& text) {
        errors.push_back(text);
        idleWhenReported = !c.status->Visible() && c.start->Enabled() && c.clean->Enabled();
    });
    Press(*c.start);
    machine.urlCache.SetHistoryAvailable(false);
    prompter.Answer(true);
    Press(*c.clean);
    EXPECT_EQ(errors, std::vector<std::string>{"Class not registered"});
    EXPECT_TRUE(idleWhenReported);
    EXPECT_EQ(Urls().size(), 6u);
    EXPECT_EQ(c.tree->VisibleCount(), 3u);
    EXPECT_FALSE(window->Busy());
}

TEST_F(HistoryWindowTest, FiftyThousandEntriesFillWhileTheWindowAnswersAndBuildNoRowsUpFront) {
    auto& w = Open();
    auto& c = Page();
    constexpr std::size_t kEntries = 50000;
    for (std::size_t i = 0; i < kEntries; ++i)
        machine.urlCache.Add({"http://tidewell.test/many/" + std::to_string(i), "", T::Normal, 1, 1, 0});
    std::size_t read = 0;
    machine.urlCache.OnEachRead([&] { ++read; });
    std::size_t readWhenAnswered = 0;
    MessageProbe probe([&] {
        readWhenAnswered = read;
        w.Close();  // held until the fill has ended
    });
    probe.Post();
    Press(*c.start);
    EXPECT_EQ(probe.Looks(), 1);
    EXPECT_GT(readWhenAnswered, 0u);
    EXPECT_LT(readWhenAnswered, kEntries + 6);
    EXPECT_EQ(w.Cleaner().Tree().ChildCount(kTemporaryGroup), kEntries + 2);
    EXPECT_EQ(c.tree->VisibleCount(), 3u) << "the groups stay closed; their rows are not laid out";
    EXPECT_FALSE(w.Cleaner().Tree().Checks().ChildrenCreated(kTemporaryGroup));
    EXPECT_TRUE(IsWindowVisible(w.Handle())) << "a close waits for the fill";
    Settle();
    EXPECT_FALSE(IsWindowVisible(w.Handle()));
}

// "Unselect All" from the tree's menu while a clean runs would untick what
// is still to go: the tree takes no menu until the run is over.
TEST_F(HistoryWindowTest, TheTreesMenuWaitsForTheCleansEnd) {
    Open();
    auto& c = Page();
    Press(*c.start);
    const test::MenuWatch unselectAll(2);  // "Unselect All", if a menu shows
    bool shutMeanwhile = false;
    MessageProbe probe([&] {
        shutMeanwhile = !IsWindowEnabled(c.tree->Handle());
        SendMessageW(c.tree->Handle(), WM_CONTEXTMENU, 0, -1);
    });
    probe.Post();
    prompter.Answer(true);
    Press(*c.clean);
    EXPECT_EQ(probe.Looks(), 1);
    EXPECT_TRUE(shutMeanwhile);
    EXPECT_TRUE(unselectAll.Shown().empty());
    EXPECT_EQ(Urls(), std::vector<std::string>{"http://tidewell.test/unlisted"});
    EXPECT_TRUE(IsWindowEnabled(c.tree->Handle()));
}

}  // namespace
}  // namespace tw
