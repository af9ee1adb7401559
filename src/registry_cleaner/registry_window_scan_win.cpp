#include "registry_cleaner/registry_window_win.h"

namespace tw {

void TfrmRegistry::BuildScanPage() {
    ui::Panel& page = AddPage(kScanPage, "Clean Registry",
        "This module will search obsolete registry entries that are pointing invalid locations in your computer. "
        "Click on \"Clean\" button to clean selected invalid registry entries.", 90);
    auto& c = scan_;
    c.status = std::make_unique<ui::Label>(page.At(16, 102, 470, 120, ui::kAnchorTopStretch), "");
    c.start = std::make_unique<ui::Button>(page.At(488, 96, 574, 122, {false, true, true, false}), "&Start");
    c.tree = std::make_unique<ui::RowView>(page.At(16, 130, 574, 490, ui::kAnchorFill), cleaner_.Tree());
    c.tree->AddColumn("Invalid Entries", 320);
    c.tree->AddColumn("Registry Key", 260);
    c.tree->SetImageLists(nullptr, icons_.Categories());
    c.help = std::make_unique<ui::Button>(page.At(390, 500, 476, 526, ui::kAnchorBottomRight), "&Help");
    c.clean = std::make_unique<ui::Button>(page.At(488, 500, 574, 526, ui::kAnchorBottomRight), "&Clean");
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Select All", [this] { cleaner_.SelectAll(true); }, icons_.Menu(RegistryMenuIcon::SelectAll)},
        {"Unselect All", [this] { cleaner_.SelectAll(false); }, icons_.Menu(RegistryMenuIcon::UnselectAll)},
        {"Clean Checked", [this] { cleaner_.CleanChecked(); }, icons_.Menu(RegistryMenuIcon::CleanChecked)},
    });

    c.start->onClick = [this] { cleaner_.Start(); };
    c.help->onClick = [this] { ShowHelp("registry2"); };
    c.clean->onClick = [this] { cleaner_.CleanAfterConfirmation(); };
    c.tree->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { scan_.menu->Show(Handle(), screen); };
}

void TfrmRegistry::OnScanning(bool scanning) {
    const HWND tree = scan_.tree->Handle();
    if (scanning) {
        // A disabled button loses the focus; it gets it back afterwards.
        startHadFocus_ = GetFocus() == scan_.start->Handle();
        scan_.start->Enable(false);
        // The tree stays as it is on screen until the new one is built.
        SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
        return;
    }
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(tree, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    scan_.start->Enable(true);
    if (startHadFocus_) scan_.start->Focus();
    if (closeAfterScan_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

}  // namespace tw
