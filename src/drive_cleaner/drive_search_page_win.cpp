#include "drive_cleaner/drive_window_win.h"
#include "drive_cleaner/junk_clean.h"
#include "platform/error.h"
#include "suite/menu_icons_win.h"
#include "ui/page_parts_win.h"
#include "ui/row_view_progress_win.h"

namespace tw {
namespace {

constexpr std::string_view kStopQuestion =
    "Drive Cleaner module is searching for temporary files. Do you want to stop the process and exit Drive Cleaner?";

}  // namespace

void TfrmDrive::BuildSearchPage() {
    ui::Panel& page = AddPage(kSearchPage, "Drive Cleaner",
        "This module will search for the garbage files in the drives you have selected. ", kDescriptionBottom);
    auto& c = search_;
    const int iconSize = ui::SmallIconSize(Handle());
    ui::BuildStatusRow(page, kDescriptionBottom,
                       {.caption = "&Start", .icon = MenuIconOf(MenuIcon::Start, iconSize), .isDefault = true},
                       c.status, c.start);
    c.status->Show(false);
    c.hits = std::make_unique<ui::RowView>(ui::ListArea(page, ui::BelowStatusRow(kDescriptionBottom)), hitRows_);
    c.hits->AddColumn("Temporary Files", 140);
    c.hits->AddColumn("Path", 340);
    c.hits->AddColumn("Size", 100);
    ui::BuildButtonRow(page, {{c.back, "&Back"}, {c.help, "&Help"}, {c.clean, "&Clean"}});
    c.start->onClick = [this] { StartOrStopSearch(); };
    c.back->onClick = [this] { BackClick(); };
    c.help->onClick = [this] { ShowHelp("drive2"); };
    c.clean->onClick = [this] { CleanCheckedHits(); };
    c.hits->onDoubleClick = [this](ui::RowRef ref) { ShowHitPath(ref.row); };
    c.hits->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) {
        // The items are there only while there are rows to act on.
        if (!HitMenuShown()) return;
        search_.menu->Show(Handle(), screen);
    };
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Select All", [this] { TickAllHits(true); }, MenuIconOf(MenuIcon::SelectAll, iconSize)},
        {"Unselect All", [this] { TickAllHits(false); }, MenuIconOf(MenuIcon::UnselectAll, iconSize)},
        {"Clean Checked", [this] { CleanCheckedHits(); }, MenuIconOf(MenuIcon::CleanChecked, iconSize)},
    });
    statusTimer_ = std::make_unique<ui::Timer>(Handle(), std::chrono::milliseconds(100));
    statusTimer_->onTick = [this] {
        if (runningSearch_) search_.status->SetText(runningSearch_->StatusText());
    };
    cleaningTimer_ = std::make_unique<ui::Timer>(Handle(), std::chrono::milliseconds(250));
    cleaningTimer_->onTick = [this] { search_.status->SetText(CleaningText(cleaningStep_++)); };
}

void TfrmDrive::StartOrStopSearch() {
    if (Searching()) {
        RequestStop();
        return;
    }
    if (Busy()) return;
    RunSearch();
}

// One search is one run of the window: "&Back" is disabled and a close asks
// before it stops the search; the window closes once the search has ended.
void TfrmDrive::RunSearch() {
    search_run_.emplace(*this, std::initializer_list<ui::Control*>{search_.back.get()});
    search_run_->AskBeforeStopping(std::string(kStopQuestion));
    FaceStartButton(true);
    hits_.clear();
    HitsChanged();
    search_.status->SetText("");
    search_.status->Show(true);

    const SearchRules rules{typeRows_.TickedMasks(), options_.excludeWindows->Checked(),
                            options_.excludeSystem->Checked()};

    DriveSearch search(Context().platform.files, Progress());
    runningSearch_ = &search;
    statusTimer_->Start();
    std::optional<std::string> failure;
    try {
        search.Run(driveRows_.TickedRoots(), rules);
    } catch (const Error& e) {
        failure = e.what();
    }
    statusTimer_->Stop();
    runningSearch_ = nullptr;
    hits_ = search.TakeHits();
    HitsChanged();
    search_.status->SetText(SearchSummary(search.FoundBytes(), hits_.size()));
    FaceStartButton(false);
    search_run_.reset();
    if (failure) Context().prompter.ShowError(*failure);
}

// "&Stop" while a search runs, "&Start" otherwise, its picture at the
// window's DPI.
void TfrmDrive::FaceStartButton(bool running) {
    search_.start->SetFace(running ? "&Stop" : "&Start",
                           MenuIconOf(running ? MenuIcon::Stop : MenuIcon::Start, ui::SmallIconSize(Handle())));
}

void TfrmDrive::HitsChanged() { search_.hits->Reset(); }

void TfrmDrive::TickAllHits(bool ticked) {
    hitRows_.TickAll(ticked);
    HitsChanged();
}

void TfrmDrive::ShowHitPath(std::size_t row) {
    if (row < hits_.size()) Context().prompter.Notify(hits_[row].path);
}

void TfrmDrive::CleanCheckedHits() {
    if (Busy() || hits_.empty()) return;
    if (!Context().prompter.Confirm("Do you want to delete selected junk files?")) return;
    const BusyScope run(*this, {search_.start.get(), search_.back.get(), search_.clean.get()});
    cleaningTimer_->Start();
    // Rows leave the list while messages run between files.
    ui::RowViewProgress progress(Progress(), *search_.hits);
    const std::size_t left = tw::CleanCheckedHits(hits_, Context().platform.files, Context().platform.shell,
                                                  options_.recycle->Checked(), progress);
    cleaningTimer_->Stop();
    HitsChanged();
    search_.status->SetText(CleanSummary(left));
    search_.status->Show(true);
}

}  // namespace tw
