#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "history_cleaner/history_cleaner.h"
#include "history_cleaner/history_icons_win.h"
#include "suite/module_window_win.h"
#include "ui/popup_menu_win.h"
#include "ui/progress_text.h"
#include "ui/row_view_win.h"
#include "ui/timer_win.h"

namespace tw {

// A list without rows: what stands in the cache tree's place while it fills.
class NoRows final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return 0; }
    std::string CellText(ui::RowRef, int) const override { return {}; }
};

// The History Cleaner window: the cache tree on page 2, "History Cleaner".
class TfrmHistory : public ModuleWindow {
public:
    struct CachePage {
        std::unique_ptr<ui::Label> status;
        std::unique_ptr<ui::Button> start, help, clean;
        std::unique_ptr<ui::RowView> tree, twin;
        std::unique_ptr<ui::CheckBox> history;  // "Clean Local Internet History Files"
        std::unique_ptr<ui::PopupMenu> menu;
    };
    static constexpr int kCachePage = 2;

    explicit TfrmHistory(SuiteContext& context);

    // What the user reaches by clicks and keys, for tests.
    CachePage& Controls() { return page_; }
    HistoryCleaner& Cleaner() { return cleaner_; }
    // The status-line animation's timer; a test ticks it by hand.
    ui::Timer& Animation() { return *animation_; }

protected:
    void OnDpiChanged(int dpi) override;

private:
    void BuildCachePage();
    void OnFilling(bool filling);
    void Run(void (HistoryCleaner::*operation)(bool));

    HistoryIcons icons_;
    HistoryCleaner cleaner_;
    NoRows noRows_;
    CachePage page_;
    std::unique_ptr<ui::Timer> animation_;
    ui::ProgressText populating_{std::string(kPopulatingText)};
};

}  // namespace tw
