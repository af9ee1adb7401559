#include "suite/backups_page_win.h"

#include "platform/win32/owner_window_win.h"
#include "suite/menu_icons_win.h"

namespace tw {

BackupsPage::BackupsPage(ModuleWindow& window, int page, BackupStore& store, std::string_view description,
                         std::string_view helpTopic)
    : window_(window), store_(store) {
    // One image per slot, at the size the row view shows it.
    const int size = ui::SmallIconSize(window.Handle());
    icons_ = MenuIconList({MenuIcon::BackupFile}, size);
    ui::Panel& panel = window.AddPage(page, "Backups", description, 90);
    auto& c = controls_;
    c.files = std::make_unique<ui::RowView>(panel.At(16, 96, 574, 490, ui::kAnchorFill), rows_);
    c.files->AddColumn("Backup File", 540);
    c.files->SetImageLists(icons_.Get(), nullptr);
    ui::BuildButtonRow(panel, {{c.help, "&Help"}, {c.restore, "&Restore", false}});
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Re&store", [this] { Restore(); }, MenuIconOf(MenuIcon::Restore, size)},
        {"&Remove", [this] { Remove(); }, MenuIconOf(MenuIcon::Remove, size)},
        {"R&emove All", [this] { RemoveAll(); }, MenuIconOf(MenuIcon::RemoveAll, size)},
    });

    window.FollowDpi([this](int dpi) {
        icons_ = MenuIconList({MenuIcon::BackupFile}, ui::SmallIconSizeAt(dpi));
        controls_.files->SetImageLists(icons_.Get(), nullptr);
    });
    c.help->onClick = [this, topic = std::string(helpTopic)] { window_.ShowHelp(topic); };
    c.restore->onClick = [this] { Restore(); };
    c.files->onDoubleClick = [this](ui::RowRef) { Restore(); };
    c.files->onDelete = [this] { Remove(); };
    c.files->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) {
        controls_.menu->Show(window_.Handle(), screen);
    };
    window.SetDefaultButton(page, *c.restore);
    Refill();
}

void BackupsPage::Refill() {
    files_ = store_.List();
    controls_.files->Reset();
}

std::optional<std::string> BackupsPage::Selected() const {
    const auto selected = controls_.files->Selected();
    if (!selected || selected->row >= files_.size()) return std::nullopt;
    return files_[selected->row].fileName;
}

void BackupsPage::Restore() {
    SuiteContext& context = window_.Context();
    store_.RestoreSelected(Selected(), context.prompter, context.random, win32::OwnerOf(window_.Handle()));
    if (onRestored) onRestored();
}

void BackupsPage::Remove() {
    if (store_.Remove(Selected(), window_.Context().prompter)) Refill();
}

void BackupsPage::RemoveAll() {
    if (store_.RemoveAll(window_.Context().prompter)) Refill();
}

}  // namespace tw
