#include "registry_cleaner/registry_window_win.h"

#include "suite/menu_icons_win.h"
#include "ui/page_parts_win.h"

namespace tw {

void TfrmRegistry::BuildScanPage() {
    ui::Panel& page = AddPage(kScanPage, "Clean Registry",
        "This module will search obsolete registry entries that are pointing invalid locations in your computer. "
        "Click on \"Clean\" button to clean selected invalid registry entries.", 90);
    auto& c = scan_;
    ui::BuildStatusRow(page, 90, "&Start", c.status, c.start);
    c.tree = std::make_unique<ui::RowView>(page.At(16, 130, 574, 490, ui::kAnchorFill), cleaner_.Tree());
    c.tree->AddColumn("Invalid Entries", 320);
    c.tree->AddColumn("Registry Key", 260);
    c.tree->SetImageLists(nullptr, icons_.Categories());
    ui::BuildButtonRow(page, {{c.help, "&Help"}, {c.clean, "&Clean", false}});
    const int iconSize = ui::SmallIconSize(Handle());
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Select All", [this] { cleaner_.SelectAll(true); }, MenuIconOf(MenuIcon::SelectAll, iconSize)},
        {"Unselect All", [this] { cleaner_.SelectAll(false); }, MenuIconOf(MenuIcon::UnselectAll, iconSize)},
        {"Clean Checked",
         [this] {
             const BusyScope click(*this, {});
             cleaner_.CleanChecked();
         },
         MenuIconOf(MenuIcon::CleanChecked, iconSize)},
    });

    c.start->onClick = [this] { cleaner_.Start(); };
    c.help->onClick = [this] { ShowHelp("registry2"); };
    // A clean scans again and then shows its notice: a close waits for both.
    c.clean->onClick = [this] {
        const BusyScope click(*this, {});
        cleaner_.CleanAfterConfirmation();
    };
    c.tree->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { scan_.menu->Show(Handle(), screen); };
    SetDefaultButton(kScanPage, *c.start);
}

// A scan is one run of the window: "&Start" is disabled and a close waits
// for its end.
void TfrmRegistry::OnScanning(bool scanning) {
    const HWND tree = scan_.tree->Handle();
    if (scanning) {
        scanRun_.emplace(*this, std::initializer_list<ui::Control*>{scan_.start.get()}, nullptr, scan_.status.get());
        // The tree stays as it is on screen until the new one is built.
        SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
        return;
    }
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(tree, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    scanRun_.reset();
}

}  // namespace tw
