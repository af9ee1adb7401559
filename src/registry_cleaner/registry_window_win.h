#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry_cleaner/registry_cleaner.h"
#include "registry_cleaner/registry_icons_win.h"
#include "services/backup_store.h"
#include "shell/module_window_win.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"

namespace tw {

// Row i of the "Backups" list shows backup file i without its ".reg".
class BackupRows final : public ui::RowModel {
public:
    explicit BackupRows(const std::vector<BackupFile>& files) : files_(files) {}
    std::size_t RowCount() const override { return files_.size(); }
    std::string CellText(ui::RowRef ref, int) const override { return files_.at(ref.row).displayText; }
    int ImageIndex(ui::RowRef) const override { return 0; }

private:
    const std::vector<BackupFile>& files_;
};

// The Registry Cleaner window: the scan page "Clean Registry" (page 2) and
// the "Backups" page (page 3).
class TfrmRegistry : public ModuleWindow {
public:
    struct ScanPage {
        std::unique_ptr<ui::Label> status;
        std::unique_ptr<ui::Button> start, help, clean;
        std::unique_ptr<ui::RowView> tree;
        std::unique_ptr<ui::PopupMenu> menu;
    };
    struct BackupsPage {
        std::unique_ptr<ui::RowView> files;
        std::unique_ptr<ui::Button> help, restore;
        std::unique_ptr<ui::PopupMenu> menu;
    };
    static constexpr int kScanPage = 2;
    static constexpr int kBackupsPage = 3;

    explicit TfrmRegistry(ShellContext& context);
    ~TfrmRegistry() override;

    // What the user reaches by clicks and keys, for tests.
    ScanPage& ScanControls() { return scan_; }
    BackupsPage& BackupsControls() { return backups_; }
    RegistryCleaner& Cleaner() { return cleaner_; }
    const std::vector<BackupFile>& BackupList() const { return backupFiles_; }

protected:
    ui::Button* DefaultButton() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CleanerHooks Hooks();
    void BuildScanPage();
    void BuildBackupsPage();
    void OnScanning(bool scanning);
    void FillBackupList();
    std::optional<std::string> SelectedBackup() const;
    void RestoreSelected();
    void RemoveSelected();
    void RemoveAll();
    void ShowHelp(std::string_view topic);
    std::uintptr_t Owner() const { return reinterpret_cast<std::uintptr_t>(Handle()); }

    RegistryIcons icons_;
    RegistryCleaner cleaner_;
    std::vector<BackupFile> backupFiles_;
    BackupRows backupRows_{backupFiles_};
    ScanPage scan_;
    BackupsPage backups_;
    bool closeAfterScan_ = false;
    bool startHadFocus_ = false;
};

}  // namespace tw
