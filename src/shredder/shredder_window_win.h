#pragma once
#include <windows.h>

#include <shellapi.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "suite/module_window_win.h"
#include "shredder/shred_list.h"
#include "shredder/shredder_options.h"
#include "ui/group_panel_win.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"

namespace tw {

// Row i of the file list shows path i of the list.
class ShredRows final : public ui::RowModel {
public:
    explicit ShredRows(const ShredList& list) : list_(list) {}
    std::size_t RowCount() const override { return list_.Count(); }
    std::string CellText(ui::RowRef ref, int) const override { return list_.Path(ref.row); }

private:
    const ShredList& list_;
};

// The File Shredder window: the file list (page 2) and the options (page 3).
class TfrmShredder : public ModuleWindow {
public:
    struct ListPage {
        std::unique_ptr<ui::Button> browse, help, shred;
        std::unique_ptr<ui::RowView> files;
        std::unique_ptr<ui::ProgressBar> progress;
        std::unique_ptr<ui::PopupMenu> menu;  // the file list's context menu
    };
    struct OptionsPage {
        std::unique_ptr<ui::Label> algorithmText, renameText;
        std::unique_ptr<ui::GroupBox> algorithmGroup, renameGroup;
        std::array<std::unique_ptr<ui::RadioButton>, kWipeAlgorithmCount> algorithms;
        std::unique_ptr<ui::CheckBox> rename;
        std::unique_ptr<ui::Button> help, defaults;
    };
    static constexpr int kListPage = 2;
    static constexpr int kOptionsPage = 3;

    explicit TfrmShredder(SuiteContext& context);

    // What the user reaches by clicks, keys and drops, for tests.
    ListPage& ListControls() { return list_; }
    OptionsPage& OptionsControls() { return options_; }
    const ShredList& Files() const { return files_; }
    void AddDroppedFiles(const std::vector<std::string>& paths);
    void RemoveSelected();
    void RemoveAll();
    ShredderOptions ChosenOptions() const;

protected:
    void SaveSettings() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildListPage();
    void BuildOptionsPage();
    void ShowOptions(const ShredderOptions& options);
    void BrowseClick();
    void ShredClick();
    void ShredListedFiles();
    void OnDropFiles(HDROP drop);
    void FilesChanged() { list_.files->Reset(); }

    ShredList files_;
    ShredRows rows_{files_};
    ListPage list_;
    OptionsPage options_;
};

}  // namespace tw
