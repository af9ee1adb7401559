#include "startup_manager/startup_window_win.h"

#include "startup_manager/startup_dialogs_win.h"
#include "startup_manager/startup_enumeration.h"
#include "startup_manager/startup_moves.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr std::string_view kRemoveQuestion = "Do you want to remove this startup item?";
constexpr std::string_view kSelectToEdit = "One startup item must be selected to edit.";

bool Windows64() {
    if (sizeof(void*) == 8) return true;
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

std::string StartupRows::CellText(ui::RowRef ref, int column) const {
    const StartupEntry& e = entries[ref.row];
    return column == 0 ? e.name : column == 1 ? e.command : e.location;
}

TfrmStartup::TfrmStartup(SuiteContext& context)
    : ModuleWindow(Tool::StartupManager, context), backups_(context.platform) {
    BuildListPage();
    backupsPage_ = std::make_unique<BackupsPage>(
        *this, kBackupsPage, backups_,
        "Backup files are automatically created when you remove or edit a startup item. You can use these backups "
        "to bring removed or changed items back.",
        "startup3");
    backupsPage_->onRestored = [this] { Rebuild(); };
    SendMessageW(Handle(), WM_SIZE, 0, 0);
    // A value that is not text stops the list with a report, not the window.
    ui::Guarded([this] { Rebuild(); });
}

StartupStore TfrmStartup::Store() {
    auto& p = Context().platform;
    return {p.registry, p.files, p.shell, Windows64(), &backups_};
}

void TfrmStartup::BuildListPage() {
    ui::Panel& page = AddPage(kListPage, "         Startup Manager",
        "These are the applications launched automatically when Windows starts. They can be enabled, disabled, "
        "edited or removed completely. You can also add any application to the list to make it run at Windows "
        "startup.", 90);
    auto& c = page_;
    c.list = std::make_unique<ui::RowView>(page.At(16, 96, 574, 488, ui::kAnchorFill), rows_);
    c.list->AddColumn("Startup Item", 150);
    c.list->AddColumn("Directory", 250);
    c.list->AddColumn("Location", 181);
    c.list->SetImageLists(images_.Handle(), nullptr);
    c.help = std::make_unique<ui::Button>(page.At(16, 500, 106, 525, ui::kAnchorBottomLeft), "&Help");
    c.edit = std::make_unique<ui::Button>(page.At(304, 500, 394, 525, ui::kAnchorBottomRight), "&Edit");
    c.add = std::make_unique<ui::Button>(page.At(394 + 6, 500, 484 + 6, 525, ui::kAnchorBottomRight), "&Add");
    c.remove = std::make_unique<ui::Button>(page.At(484 + 12, 500, 574, 525, ui::kAnchorBottomRight), "&Remove");
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"&Edit", [this] { EditSelected(); }},
        {"&Add", [this] { AddEntry(); }},
        {"&Remove", [this] { RemoveSelected(); }},
    });
    c.help->onClick = [this] { ShowHelp("startup2"); };
    c.edit->onClick = [this] { EditSelected(); };
    c.add->onClick = [this] { AddEntry(); };
    c.remove->onClick = [this] { RemoveSelected(); };
    c.list->onDelete = [this] { RemoveSelected(); };
    c.list->onContextMenu = [this](std::optional<ui::RowRef> row, POINT screen) {
        if (row) page_.list->Select(*row);
        page_.menu->Show(Handle(), screen);
    };
    rows_.onToggle = [this](std::size_t row) { ToggleRow(row); };
}

void TfrmStartup::Rebuild() {
    images_.Clear();
    rows_.ticked.clear();
    // Rows found before an unreadable value stay listed; the error goes on
    // to the general report.
    const auto show = [this] {
        rows_.ticked.clear();
        for (const auto& e : rows_.entries) rows_.ticked.push_back(e.enabled);
        page_.list->Reset();
    };
    try {
        EnumerateStartupEntries(Store(), images_, rows_.entries);
    } catch (...) {
        show();
        throw;
    }
    show();
}

void TfrmStartup::ShowTaskPage(int page) {
    BringToFront(page);
    if (page == kListPage) Rebuild();
    // Removes and edits on the list page save backups.
    if (page == kBackupsPage) backupsPage_->Refill();
}

void TfrmStartup::RebuildAt(std::string_view location, std::string_view name, bool enabledHome) {
    const auto select = [&] {
        if (const auto row = FindStartupRow(rows_.entries, location, name, enabledHome))
            page_.list->Select({*row, std::nullopt});
    };
    try {
        Rebuild();
    } catch (...) {
        select();
        throw;
    }
    select();
}

void TfrmStartup::ToggleRow(std::size_t row) {
    const bool enable = !rows_.ticked.at(row);
    const StartupStore store = Store();
    StartupEntry& entry = rows_.entries[row];
    // An error leaves the box as it was; so does a move that found nothing
    // or would have written over another entry.
    const MoveResult moved = enable ? EnableStartupEntry(store, entry) : DisableStartupEntry(store, entry);
    if (moved != MoveResult::Moved) {
        Context().prompter.Notify(std::string(moved == MoveResult::NameTaken ? kNameTaken : kNothingToMove));
        return;
    }
    // The entry now lives where its box says, with no mark holding it off.
    entry.markedOff = false;
    rows_.ticked[row] = enable;
    page_.list->Refresh();
}

void TfrmStartup::RemoveSelected() {
    const auto selected = page_.list->Selected();
    if (!selected) return;
    if (!Context().prompter.Confirm(std::string(kRemoveQuestion))) return;
    RemoveStartupEntry(Store(), rows_.entries[selected->row], rows_.ticked[selected->row]);
    Rebuild();
}

void TfrmStartup::EditSelected() {
    const auto selected = page_.list->Selected();
    if (!selected) {
        Context().prompter.Notify(std::string(kSelectToEdit));
        return;
    }
    TfrmEditStartup dialog(*this, rows_.entries[selected->row], rows_.ticked[selected->row]);
    dialog.ShowModal(Handle());
}

void TfrmStartup::AddEntry() {
    TfrmAddStartup dialog(*this);
    dialog.ShowModal(Handle());
}

}  // namespace tw
