#include "startup_manager/startup_window_win.h"

#include "startup_manager/startup_dialogs_win.h"
#include "startup_manager/startup_edits.h"
#include "startup_manager/startup_marks.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr std::string_view kRemoveQuestion = "Do you want to remove this startup item?";
constexpr std::string_view kSelectToEdit = "One startup item must be selected to edit.";
// The page's description, and the list below it.
constexpr int kDescriptionHeight = 90;
constexpr int kListTop = 96;

}  // namespace

TfrmStartup::TfrmStartup(SuiteContext& context)
    : ModuleWindow(Tool::StartupManager, context),
      images_(context.platform.shell, ui::SmallIconSize(Handle())),
      backups_(context.platform) {
    BuildListPage();
    backupsPage_ = std::make_unique<BackupsPage>(
        *this, kBackupsPage, backups_,
        "Backup files are automatically created when you remove or edit a startup item. You can use these backups "
        "to bring removed or changed items back.",
        "startup3");
    backupsPage_->onRestored = [this] { Rebuild(); };
    // A value that is not text stops the list with a report, not the window.
    ui::Guarded([this] { Rebuild(); });
}

StartupStore TfrmStartup::Store() {
    auto& p = Context().platform;
    return {p.registry, p.files, p.shell, p.system.Windows64(), &backups_};
}

void TfrmStartup::BuildListPage() {
    ui::Panel& page = AddPage(kListPage, "         Startup Manager",
        "These are the applications launched automatically when Windows starts. They can be enabled, disabled, "
        "edited or removed completely. You can also add any application to the list to make it run at Windows "
        "startup.", kDescriptionHeight);
    auto& c = page_;
    c.list = std::make_unique<ui::RowView>(ui::ListArea(page, kListTop), rows_);
    c.list->AddColumn("Startup Item", 150);
    c.list->AddColumn("Directory", 250);
    c.list->AddColumn("Location", 181);
    c.list->SetImageLists(images_.Handle(), nullptr);
    ui::BuildButtonRow(page, {{c.help, "&Help"}, {c.edit, "&Edit"}, {c.add, "&Add"}, {c.remove, "&Remove"}});
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

void TfrmStartup::OnDpiChanged(int dpi) {
    images_.Resize(ui::SmallIconSizeAt(dpi));
    page_.list->SetImageLists(images_.Handle(), nullptr);
    ui::Guarded([this] { Rebuild(); });
}

void TfrmStartup::Rebuild() {
    images_.Clear();
    // Rows found before an unreadable value stay listed; the error goes on
    // to the general report.
    try {
        rows_.Rebuild(Store(), images_);
    } catch (...) {
        page_.list->Reset();
        throw;
    }
    page_.list->Reset();
}

void TfrmStartup::ShowTaskPage(int page) {
    BringToFront(page);
    if (page == kListPage) Rebuild();
    // Removes and edits on the list page save backups.
    if (page == kBackupsPage) backupsPage_->Refill();
}

void TfrmStartup::RebuildAt(std::string_view location, std::string_view name, bool enabledHome) {
    const auto select = [&] {
        if (const auto row = rows_.Find(location, name, enabledHome))
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
    const MoveResult moved = rows_.Toggle(Store(), row);
    if (moved != MoveResult::Moved) {
        Context().prompter.Notify(std::string(moved == MoveResult::NameTaken ? kNameTaken : kNothingToMove));
        return;
    }
    page_.list->Refresh();
}

void TfrmStartup::RemoveSelected() {
    const auto selected = page_.list->Selected();
    if (!selected) return;
    if (!Context().prompter.Confirm(std::string(kRemoveQuestion))) return;
    rows_.Remove(Store(), selected->row);
    Rebuild();
}

void TfrmStartup::EditSelected() {
    const auto selected = page_.list->Selected();
    if (!selected) {
        Context().prompter.Notify(std::string(kSelectToEdit));
        return;
    }
    // The entry and its box as the list showed them when "&Edit" was chosen.
    const StartupEntry entry = rows_.Entry(selected->row);
    const bool ticked = rows_.Ticked(selected->row);
    TfrmEditStartup dialog(Context().pickers, entry, [&](const StartupEdit& edit) {
        EditStartupEntry(Store(), entry, ticked, edit.name, edit.program);
    });
    if (const auto edited = dialog.Ask(Handle())) RebuildAt(entry.location, edited->name, InEnabledHome(entry, ticked));
}

void TfrmStartup::AddEntry() {
    const StartupStore store = Store();
    TfrmAddStartup dialog(Context().pickers, Context().prompter, store.windows64, [&](const NewStartupEntry& entry) {
        AddStartupEntry(store, entry.name, entry.program, entry.location);
    });
    if (const auto added = dialog.Ask(Handle())) RebuildAt(added->location, added->name, true);
}

}  // namespace tw
