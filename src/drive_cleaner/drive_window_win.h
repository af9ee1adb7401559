#pragma once
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drive_cleaner/add_type_dialog_win.h"
#include "drive_cleaner/drive_rows.h"
#include "platform/win32/handles_win.h"
#include "suite/busy_scope_win.h"
#include "suite/module_window_win.h"
#include "ui/icon_button_win.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"
#include "ui/timer_win.h"

namespace tw {

// The Drive Cleaner: drives (page 2), options (page 3), search (page 4).
class TfrmDrive : public ModuleWindow {
public:
    static constexpr int kDrivePage = 2;
    static constexpr int kOptionsPage = 3;
    static constexpr int kSearchPage = 4;
    struct DrivePage {
        std::unique_ptr<ui::RowView> drives;
        std::unique_ptr<ui::Button> next;
    };
    struct SearchPage {
        std::unique_ptr<ui::IconButton> start;
        std::unique_ptr<ui::Label> status;
        std::unique_ptr<ui::RowView> hits;
        std::unique_ptr<ui::Button> back, help, clean;
        std::unique_ptr<ui::PopupMenu> menu;
    };
    struct OptionsPage {
        std::unique_ptr<ui::CheckBox> excludeWindows, excludeSystem, recycle;
        std::unique_ptr<ui::RowView> types;
        std::unique_ptr<ui::Button> help, defaults, remove, add;
        std::unique_ptr<ui::PopupMenu> menu;
    };

    explicit TfrmDrive(SuiteContext& context);

    // What clicks and keys reach, for tests.
    DrivePage& DriveControls() { return drive_; }
    SearchPage& SearchControls() { return search_; }
    OptionsPage& OptionsControls() { return options_; }
    std::vector<DriveRow>& Drives() { return drives_; }
    std::vector<JunkFileType>& Types() { return types_; }
    std::vector<JunkFileHit>& Hits() { return hits_; }
    TfrmAddNew& AddDialog() { return *addDialog_; }
    void NextClick();
    void BackClick();
    void StartOrStopSearch();
    void CleanCheckedHits();
    void TickAllHits(bool ticked);
    void AddClick();
    void RemoveClick();
    void DefaultsClick();
    void ShowHitPath(std::size_t row);
    bool Searching() const { return search_run_.has_value(); }
    // Where the menu's items stand: visible only while there are rows.
    bool HitMenuShown() const { return !hits_.empty(); }

protected:
    void SaveSettings() override;
    void ShowTaskPage(int page) override;
    void OnDpiChanged(int dpi) override;

private:
    // Where each page's description ends: one line, or two on the options page.
    static constexpr int kDescriptionBottom = 80;

    void BuildDrivePage();
    void BuildSearchPage();
    void BuildOptionsPage();
    void BuildDriveList();
    void DrawListIcons(int size);
    void FaceStartButton(bool running);
    void LoadTypes();
    void ShowOptions(const DriveOptions& options);
    DriveOptions ChosenOptions() const;
    void RunSearch();
    void HitsChanged();

    std::vector<DriveRow> drives_;
    std::vector<JunkFileType> types_;
    std::vector<JunkFileHit> hits_;
    DriveRows driveRows_;
    JunkTypeRows typeRows_;
    JunkHitRows hitRows_;
    win32::UniqueImageList driveIcons_;
    win32::UniqueImageList typeIcons_;
    DrivePage drive_;
    SearchPage search_;
    OptionsPage options_;
    std::unique_ptr<TfrmAddNew> addDialog_;
    std::unique_ptr<ui::Timer> statusTimer_, cleaningTimer_;
    std::optional<BusyScope> search_run_;
    const DriveSearch* runningSearch_ = nullptr;
    bool searchPageReached_ = false;
    std::size_t cleaningStep_ = 0;
};

}  // namespace tw
