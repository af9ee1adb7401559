#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry_cleaner/registry_cleaner.h"
#include "registry_cleaner/registry_icons_win.h"
#include "suite/backups_page_win.h"
#include "suite/busy_scope_win.h"
#include "suite/module_window_win.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"

namespace tw {

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
    static constexpr int kScanPage = 2;
    static constexpr int kBackupsPage = 3;

    explicit TfrmRegistry(SuiteContext& context);

    // What the user reaches by clicks and keys, for tests.
    ScanPage& ScanControls() { return scan_; }
    BackupsPage::Controls& BackupsControls() { return backups_->GetControls(); }
    RegistryCleaner& Cleaner() { return cleaner_; }
    const std::vector<BackupFile>& BackupList() const { return backups_->Files(); }

protected:
    void OnDpiChanged(int dpi) override;

private:
    CleanerHooks Hooks();
    void BuildScanPage();
    void OnScanning(bool scanning);

    RegistryIcons icons_;
    RegistryCleaner cleaner_;
    ScanPage scan_;
    std::unique_ptr<BackupsPage> backups_;
    std::optional<BusyScope> scanRun_;
};

}  // namespace tw
