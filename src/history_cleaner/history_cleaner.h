#pragma once
#include <functional>
#include <string_view>

#include "history_cleaner/cache_groups.h"
#include "history_cleaner/history_tree.h"
#include "platform/platform.h"
#include "services/prompter.h"
#include "services/run_progress.h"

namespace tw {

inline constexpr std::string_view kHistoryCleanQuestion =
    "This will clean cached internet content that you have selected. Do you want to continue?";
inline constexpr std::string_view kPopulatingText = "Populating Internet Cache";
inline constexpr std::string_view kFetchingText = "Fetching cached internet content. Please wait.";
inline constexpr std::string_view kCleaningText = "Cleaning cached internet content. Please wait.";

// Told true when a fill begins: the tree has just been emptied; it hides
// behind its twin while the status line animates. Told false once the new
// tree is built, also after a fill that ended in an error.
using FillingHook = std::function<void(bool filling)>;

// The History Cleaner's state and operations, as its window's buttons and
// menu reach them: the three entry groups and the cache tree's check states.
// Its runs let the window's messages run (repaints, the status animation)
// and show their status through `progress`.
class HistoryCleaner {
public:
    HistoryCleaner(const Platform& platform, Prompter& prompter, RunProgress& progress, FillingHook filling);
    HistoryCleaner(const HistoryCleaner&) = delete;
    HistoryCleaner& operator=(const HistoryCleaner&) = delete;

    const CacheGroups& Groups() const { return groups_; }
    HistoryTree& Tree() { return tree_; }
    // A fill or a clean is under way; another one is not started meanwhile.
    bool Running() const { return running_; }

    // "&Start".
    void Start();
    // "&Clean" asks first, and only when the tree has rows; "Clean Checked"
    // does not ask, and clears the URL history even before the first fill.
    // Both throw tw::Error when the URL history cannot be cleared; then no
    // cache entry is deleted.
    void CleanAfterConfirmation(bool withUrlHistory);
    void CleanChecked(bool withUrlHistory);
    // "Select All" and "Unselect All", once the tree has rows.
    void SelectAll(bool checked);

private:
    void Fill();
    void DeleteChecked();

    Platform platform_;
    Prompter& prompter_;
    RunProgress& progress_;
    FillingHook filling_;
    CacheGroups groups_;
    HistoryTree tree_{groups_, platform_.system};
    bool running_ = false;
};

}  // namespace tw
