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
    StatusScope(const HistoryHooks& hooks, std::string_view text) : hooks_(hooks) {
        if (hooks_.status) hooks_.status(text);
    }
    ~StatusScope() {
        if (hooks_.status) hooks_.status(std::nullopt);
    }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;

private:
    const HistoryHooks& hooks_;
};

class FillingScope {
public:
    explicit FillingScope(const HistoryHooks& hooks) : hooks_(hooks) {
        if (hooks_.filling) hooks_.filling(true);
    }
    ~FillingScope() {
        if (hooks_.filling) hooks_.filling(false);
    }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    const HistoryHooks& hooks_;
};

}  // namespace

HistoryCleaner::HistoryCleaner(const Platform& platform, Prompter& prompter, HistoryHooks hooks)
    : platform_(platform), prompter_(prompter), hooks_(std::move(hooks)) {
    tree_.Clear();
}

void HistoryCleaner::Pump() const {
    if (hooks_.pump) hooks_.pump();
}

void HistoryCleaner::Start() {
    if (running_) return;
    const RunningScope running(running_);
    Fill();
}

void HistoryCleaner::Fill() {
    tree_.Clear();
    const FillingScope filling(hooks_);
    groups_.Clear();
    platform_.urlCache.ForEachEntry([this](const CacheEntry& entry) {
        groups_.Add(entry);
        Pump();
    });
    tree_.Build();
    // Each group is opened once, as the list has always done to bring its
    // rows into being; the status line says so until the animation's next
    // tick, and the window breathes around each group.
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        if (hooks_.status) hooks_.status(kFetchingText);
        Pump();
        Pump();
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
        const StatusScope status(hooks_, kCleaningText);
        platform_.urlCache.ClearHistory();
    }
    if (tree_.Empty()) return;
    {
        const StatusScope status(hooks_, kCleaningText);
        Pump();
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
            Pump();
        }
    }
}

void HistoryCleaner::SelectAll(bool checked) {
    if (tree_.Empty()) return;
    tree_.Checks().SetAll(checked);
}

}  // namespace tw
