#pragma once
#include <functional>
#include <optional>
#include <string_view>

#include "history_cleaner/cache_groups.h"
#include "history_cleaner/history_tree.h"
#include "platform/platform.h"
#include "services/prompter.h"

namespace tw {

inline constexpr std::string_view kHistoryCleanQuestion =
    "This will clean cached internet content that you have selected. Do you want to continue?";
inline constexpr std::string_view kPopulatingText = "Populating Internet Cache";
inline constexpr std::string_view kFetchingText = "Fetching cached internet content. Please wait.";
inline constexpr std::string_view kCleaningText = "Cleaning cached internet content. Please wait.";

// How the cleaner tells its window what to show.
struct HistoryHooks {
    // Lets the window's pending messages run (repaints, the status animation).
    std::function<void()> pump;
    // The status line shows this text, or (nullopt) is hidden.
    std::function<void(std::optional<std::string_view>)> status;
    // True when a fill begins: the tree has just been emptied; it hides
    // behind its twin while the status line animates. False once the new
    // tree is built, also after a fill that ended in an error.
    std::function<void(bool filling)> filling;
};

// The History Cleaner's state and operations, as its window's buttons and
// menu reach them: the three entry groups and the cache tree's check states.
class HistoryCleaner {
public:
    HistoryCleaner(const Platform& platform, Prompter& prompter, HistoryHooks hooks);
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
    void Pump() const;

    Platform platform_;
    Prompter& prompter_;
    HistoryHooks hooks_;
    CacheGroups groups_;
    HistoryTree tree_{groups_, platform_.system};
    bool running_ = false;
};

}  // namespace tw
