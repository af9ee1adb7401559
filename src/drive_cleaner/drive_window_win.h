#pragma once
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_file_types.h"
#include "suite/busy_scope_win.h"
#include "suite/module_window_win.h"
#include "ui/dialog_win.h"
#include "ui/icon_button_win.h"
#include "ui/popup_menu_win.h"
#include "ui/row_view_win.h"
#include "ui/timer_win.h"

namespace tw {

struct DriveRow {
    std::string displayName;
    char letter = 'C';
    int imageIndex = -1;
    bool selected = true;
};

// A flat list whose rows have a box; the window says what each row shows.
template <typename Row>
class CheckedRows : public ui::RowModel {
public:
    using Text = std::string (*)(const Row&, int column);
    CheckedRows(std::vector<Row>& rows, Text text, bool Row::*ticked, int image = -1)
        : rows_(rows), text_(text), ticked_(ticked), image_(image) {}
    std::size_t RowCount() const override { return rows_.size(); }
    std::string CellText(ui::RowRef ref, int column) const override { return text_(rows_[ref.row], column); }
    bool HasCheckBoxes() const override { return true; }
    ui::CheckState Check(ui::RowRef ref) override {
        return rows_[ref.row].*ticked_ ? ui::CheckState::Checked : ui::CheckState::Unchecked;
    }
    void ToggleCheck(ui::RowRef ref) override { rows_[ref.row].*ticked_ = !(rows_[ref.row].*ticked_); }
    // A drive row shows its own icon; every other row the list's one image.
    int ImageIndex(ui::RowRef ref) const override {
        if constexpr (requires(const Row& r) { r.imageIndex; })
            return rows_[ref.row].imageIndex;
        else
            return image_;
    }

private:
    std::vector<Row>& rows_;
    Text text_;
    bool Row::*ticked_;
    int image_;
};

// The add dialog of the options page.
class TfrmAddNew : public ui::Dialog {
public:
    explicit TfrmAddNew(SuiteContext& context);
    // Clears both fields, shows the box modally; true when a type was added.
    bool Run(HWND owner);
    ui::Edit& Mask() { return *mask_; }
    ui::Edit& Description() { return *description_; }
    ui::Button& AddButton() { return *add_; }
    ui::Button& CancelButton() { return *cancel_; }

private:
    void AddClick();

    SuiteContext& context_;
    std::unique_ptr<ui::Label> maskHeading_, maskHint_, descriptionHeading_, descriptionHint_;
    std::unique_ptr<ui::Edit> mask_, description_;
    std::unique_ptr<ui::Button> cancel_, add_;
    bool added_ = false;
};

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
    ~TfrmDrive() override;

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

private:
    void BuildDrivePage();
    void BuildSearchPage();
    void BuildOptionsPage();
    void BuildDriveList();
    void LoadTypes();
    void ShowOptions(const DriveOptions& options);
    DriveOptions ChosenOptions() const;
    void RunSearch();
    void HitsChanged();

    std::vector<DriveRow> drives_;
    std::vector<JunkFileType> types_;
    std::vector<JunkFileHit> hits_;
    CheckedRows<DriveRow> driveRows_;
    CheckedRows<JunkFileType> typeRows_;
    CheckedRows<JunkFileHit> hitRows_;
    HIMAGELIST driveIcons_ = nullptr;
    HIMAGELIST typeIcons_ = nullptr;
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
