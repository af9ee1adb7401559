#include "history_cleaner/history_cleaner.h"

#include <utility>

namespace tw {
namespace {

// Marks one fill or clean as under way until it returns or throws.
class RunningScope {
public:
    explicit RunningScope(bool& running) : running_(running) { running_ = true; }
    ~RunningScope() { running_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& running_;
};

// The status line shows a text for as long as the scope lasts; an error
// inside hides it too, so the window is left idle.
class StatusScope {
public:
    StatusScope(RunProgress& progress, std::string_view text) : progress_(progress) { progress_.ShowStatus(text); }
    ~StatusScope() { progress_.HideStatus(); }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;

private:
    RunProgress& progress_;
};

class FillingScope {
public:
    explicit FillingScope(const FillingHook& filling) : filling_(filling) {
        if (filling_) filling_(true);
    }
    ~FillingScope() {
        if (filling_) filling_(false);
    }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    const FillingHook& filling_;
};

}  // namespace

HistoryCleaner::HistoryCleaner(const Platform& platform, Prompter& prompter, RunProgress& progress,
                               FillingHook filling)
    : platform_(platform), prompter_(prompter), progress_(progress), filling_(std::move(filling)) {
    tree_.Clear();
}

void HistoryCleaner::Start() {
    if (running_) return;
    const RunningScope running(running_);
    Fill();
}

void HistoryCleaner::Fill() {
    tree_.Clear();
    const FillingScope filling(filling_);
    groups_.Clear();
    platform_.urlCache.ForEachEntry([this](const CacheEntry& entry) {
        groups_.Add(entry);
        progress_.LetMessagesRun();
    });
    tree_.Build();
    // Each group is opened once, as the list has always done to bring its
    // rows into being; the status line says so until the animation's next
    // tick, and the window breathes around each group.
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        progress_.ShowStatus(kFetchingText);
        progress_.LetMessagesRun();
        progress_.LetMessagesRun();
    }
}

void HistoryCleaner::CleanAfterConfirmation(bool withUrlHistory) {
    if (running_ || tree_.Empty()) return;
    if (!prompter_.Confirm(std::string(kHistoryCleanQuestion))) return;
    CleanChecked(withUrlHistory);
}

void HistoryCleaner::CleanChecked(bool withUrlHistory) {
    if (running_) return;
    const RunningScope running(running_);
    if (withUrlHistory) {
        const StatusScope status(progress_, kCleaningText);
        platform_.urlCache.ClearHistory();
    }
    if (tree_.Empty()) return;
    {
        const StatusScope status(progress_, kCleaningText);
        progress_.LetMessagesRun();
        DeleteChecked();
    }
    Fill();
}

// Only entry rows count: a group's own box is a summary of them. The lists
// stay as they are until the refill, so positions hold while messages run.
void HistoryCleaner::DeleteChecked() {
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        const auto& list = groups_.List(group);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!tree_.Checks().Child(group, i)) continue;
            platform_.urlCache.DeleteEntry(list[i].URL);
            progress_.LetMessagesRun();
        }
    }
}

void HistoryCleaner::SelectAll(bool checked) {
    if (tree_.Empty()) return;
    tree_.Checks().SetAll(checked);
}

}  // namespace tw
