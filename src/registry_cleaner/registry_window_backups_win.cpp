#include "registry_cleaner/registry_window_win.h"

namespace tw {

void TfrmRegistry::BuildBackupsPage() {
    ui::Panel& page = AddPage(kBackupsPage, "Backups",
        "Backup files are automatically created when you cleanup the registry. You can use these backups to "
        "restore cleaned entries.", 90);
    auto& c = backups_;
    c.files = std::make_unique<ui::RowView>(page.At(16, 96, 574, 490, ui::kAnchorFill), backupRows_);
    c.files->AddColumn("Backup File", 540);
    c.files->SetImageLists(icons_.BackupFiles(), nullptr);
    c.help = std::make_unique<ui::Button>(page.At(390, 500, 476, 526, ui::kAnchorBottomRight), "&Help");
    c.restore = std::make_unique<ui::Button>(page.At(488, 500, 574, 526, ui::kAnchorBottomRight), "&Restore");
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Re&store", [this] { RestoreSelected(); }, icons_.Menu(RegistryMenuIcon::Restore)},
        {"&Remove", [this] { RemoveSelected(); }, icons_.Menu(RegistryMenuIcon::Remove)},
        {"R&emove All", [this] { RemoveAll(); }, icons_.Menu(RegistryMenuIcon::RemoveAll)},
    });

    c.help->onClick = [this] { ShowHelp("registry4"); };
    c.restore->onClick = [this] { RestoreSelected(); };
    c.files->onDoubleClick = [this](ui::RowRef) { RestoreSelected(); };
    c.files->onDelete = [this] { RemoveSelected(); };
    c.files->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { backups_.menu->Show(Handle(), screen); };
}

void TfrmRegistry::FillBackupList() {
    backupFiles_ = cleaner_.Backups().List();
    backups_.files->Reset();
}

std::optional<std::string> TfrmRegistry::SelectedBackup() const {
    const auto selected = backups_.files->Selected();
    if (!selected || selected->row >= backupFiles_.size()) return std::nullopt;
    return backupFiles_[selected->row].fileName;
}

void TfrmRegistry::RestoreSelected() {
    cleaner_.Backups().RestoreSelected(SelectedBackup(), Context().prompter, Owner());
}

void TfrmRegistry::RemoveSelected() {
    if (cleaner_.Backups().Remove(SelectedBackup(), Context().prompter)) FillBackupList();
}

void TfrmRegistry::RemoveAll() {
    if (cleaner_.Backups().RemoveAll(Context().prompter)) FillBackupList();
}

}  // namespace tw
