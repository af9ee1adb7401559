#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "suite/backups_page_win.h"
#include "suite/module_window_win.h"
#include "startup_manager/startup_backup.h"
#include "startup_manager/startup_entry.h"
#include "startup_manager/startup_icons_win.h"
#include "startup_manager/startup_rows.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"

namespace tw {

// The Startup Manager window: the list of entries (page 2) and the backups
// of what was removed or edited (page 3).
class TfrmStartup : public ModuleWindow {
public:
    struct ListPage {
        std::unique_ptr<ui::Button> help, edit, add, remove;
        std::unique_ptr<ui::RowView> list;
        std::unique_ptr<ui::PopupMenu> menu;
    };
    static constexpr int kListPage = 2;
    static constexpr int kBackupsPage = 3;

    explicit TfrmStartup(SuiteContext& context);

    // What clicks and keys reach, for tests.
    ListPage& ListControls() { return page_; }
    const std::vector<StartupEntry>& Entries() const { return rows_.Entries(); }
    bool Ticked(std::size_t row) const { return rows_.Ticked(row); }
    void ToggleRow(std::size_t row);
    void EditSelected();
    void AddEntry();
    void RemoveSelected();
    // Lists the homes again; the selection goes.
    void Rebuild();
    BackupsPage& Backups() { return *backupsPage_; }

protected:
    // The registry editor imports a restored file after the restore has
    // returned, so the list is read again whenever it is brought forward;
    // the backups likewise, which the list page's changes add to.
    void ShowTaskPage(int page) override;
    void OnDpiChanged(int dpi) override;

private:
    StartupStore Store();
    // Lists them again with the entry just added or edited selected.
    void RebuildAt(std::string_view location, std::string_view name, bool enabledHome);
    void BuildListPage();

    StartupRows rows_;
    StartupImageList images_;
    ListPage page_;
    StartupBackups backups_;
    std::unique_ptr<BackupsPage> backupsPage_;
};

}  // namespace tw
