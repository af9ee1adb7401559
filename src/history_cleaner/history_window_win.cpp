#include "history_cleaner/history_window_win.h"

#include <chrono>

#include "suite/busy_scope_win.h"
#include "suite/menu_icons_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr std::string_view kColumns[] = {"Internet Cache URL", "Hits", "Size", "Last Access"};
constexpr int kColumnWidths[] = {320, 40, 70, 145};

void AddColumns(ui::RowView& view) {
    for (std::size_t i = 0; i < std::size(kColumns); ++i) view.AddColumn(kColumns[i], kColumnWidths[i]);
}

}  // namespace

TfrmHistory::TfrmHistory(SuiteContext& context)
    : ModuleWindow(Tool::HistoryCleaner, context),
      icons_(ui::WindowDpi(Handle())),
      cleaner_(context.platform, context.prompter, Progress(), [this](bool filling) { OnFilling(filling); }) {
    animation_ = std::make_unique<ui::Timer>(Handle(), std::chrono::milliseconds(250));
    animation_->onTick = [this] { page_.status->SetText(populating_.Tick()); };
    BuildCachePage();
}

void TfrmHistory::OnDpiChanged(int dpi) {
    icons_ = HistoryIcons(dpi);
    page_.tree->SetImageLists(nullptr, icons_.Groups());
}

void TfrmHistory::BuildCachePage() {
    ui::Panel& page = AddPage(kCachePage, "History Cleaner",
        "When you click \"Start\" button, cached internet content on your computer will be located and listed. "
        "Click \"Clean\" button to clean selected cached internet files.", 90);
    auto& c = page_;
    ui::BuildStatusRow(page, 90, "&Start", c.status, c.start);
    c.status->Show(false);
    c.twin = std::make_unique<ui::RowView>(page.At(16, 130, 574, 490, ui::kAnchorFill), noRows_);
    AddColumns(*c.twin);
    ShowWindow(c.twin->Handle(), SW_HIDE);
    c.tree = std::make_unique<ui::RowView>(page.At(16, 130, 574, 490, ui::kAnchorFill), cleaner_.Tree());
    AddColumns(*c.tree);
    c.tree->SetImageLists(nullptr, icons_.Groups());
    c.history = ui::Make<ui::CheckBox>(page.At(16, 502, 320, 524, ui::kAnchorBottomLeft),
                                       {.caption = "Clean Local Internet History Files"});
    c.history->SetChecked(true);
    ui::BuildButtonRow(page, {{c.help, "&Help"}, {c.clean, "&Clean", false}});
    const int iconSize = ui::SmallIconSize(Handle());
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Select All", [this] { cleaner_.SelectAll(true); page_.tree->Refresh(); }, MenuIconOf(MenuIcon::SelectAll, iconSize)},
        {"Unselect All", [this] { cleaner_.SelectAll(false); page_.tree->Refresh(); },
         MenuIconOf(MenuIcon::UnselectAll, iconSize)},
        {"Clean Checked", [this] { Run(&HistoryCleaner::CleanChecked); }, MenuIconOf(MenuIcon::CleanChecked, iconSize)},
    });

    c.start->onClick = [this] {
        const BusyScope run(*this, {page_.start.get(), page_.clean.get()}, nullptr, page_.status.get());
        cleaner_.Start();
    };
    c.help->onClick = [this] { ShowHelp("history2"); };
    c.clean->onClick = [this] { Run(&HistoryCleaner::CleanAfterConfirmation); };
    c.tree->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { page_.menu->Show(Handle(), screen); };
    SetDefaultButton(kCachePage, *c.start);
}

// A clean is one run of the window, its refill included: the buttons wait,
// and a close waits for its end. An error (the URL history could not be
// cleared) ends the run before it reaches the error box, so the window is
// idle again by the time the box shows.
void TfrmHistory::Run(void (HistoryCleaner::*operation)(bool)) {
    const bool withUrlHistory = page_.history->Checked();
    const BusyScope run(*this, {page_.start.get(), page_.clean.get()}, nullptr, page_.status.get());
    (cleaner_.*operation)(withUrlHistory);
}

// While the tree fills it stays hidden, with an empty twin of the same
// columns in its place, so nothing half-built is ever drawn.
void TfrmHistory::OnFilling(bool filling) {
    auto& c = page_;
    c.tree->Reset();
    if (filling) {
        c.status->SetText(populating_.Text());
        c.status->Show(true);
        animation_->Start();
        for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column)
            c.twin->SetColumnWidth(column, c.tree->ColumnWidth(column));
        ShowWindow(c.twin->Handle(), SW_SHOW);
        ShowWindow(c.tree->Handle(), SW_HIDE);
        return;
    }
    ShowWindow(c.tree->Handle(), SW_SHOW);
    ShowWindow(c.twin->Handle(), SW_HIDE);
    c.status->Show(false);
    animation_->Stop();
}

}  // namespace tw
