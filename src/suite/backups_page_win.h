#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles_win.h"
#include "services/backup_store.h"
#include "suite/module_window_win.h"
#include "ui/page_parts_win.h"
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

// The "Backups" page of a tool that backs up what it changes: the files of
// its backup folder, "&Help", "&Restore" (the default button), and a menu
// of "Re&store", "&Remove" and "R&emove All". Every removal asks first.
class BackupsPage {
public:
    struct Controls {
        std::unique_ptr<ui::RowView> files;
        std::unique_ptr<ui::Button> help, restore;
        std::unique_ptr<ui::PopupMenu> menu;
    };

    BackupsPage(ModuleWindow& window, int page, BackupStore& store, std::string_view description,
                std::string_view helpTopic);

    // Lists the folder again, after a backup was saved or removed.
    void Refill();
    // Runs once a backup has been handed to the registry editor, for a page
    // that shows what is stored.
    std::function<void()> onRestored;
    Controls& GetControls() { return controls_; }
    const std::vector<BackupFile>& Files() const { return files_; }

private:
    std::optional<std::string> Selected() const;
    void Restore();
    void Remove();
    void RemoveAll();

    ModuleWindow& window_;
    BackupStore& store_;
    std::vector<BackupFile> files_;
    BackupRows rows_{files_};
    win32::UniqueImageList icons_;
    Controls controls_;
};

}  // namespace tw
