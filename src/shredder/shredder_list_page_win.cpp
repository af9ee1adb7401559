#include "shredder/file_shredder.h"
#include "shredder/shredder_window_win.h"
#include "ui/message_loop_win.h"

namespace tw {
namespace {

enum MenuCommand : UINT { kRemove = 1, kRemoveAll, kShredFiles };

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuOwner = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// Keeps the busy state, the disabled buttons and the visible progress bar
// tied to one scope, so a run stopped by an error leaves the window usable.
class ShredRunScope {
public:
    ShredRunScope(bool& busy, TfrmShredder::ListPage& page) : busy_(busy), page_(page) {
        busy_ = true;
        for (auto* b : {page_.browse.get(), page_.shred.get()}) b->Enable(false);
        page_.progress->SetPosition(0);
        page_.progress->Show(true);
    }
    ~ShredRunScope() {
        page_.progress->Show(false);
        for (auto* b : {page_.browse.get(), page_.shred.get()}) b->Enable(true);
        busy_ = false;
    }
    ShredRunScope(const ShredRunScope&) = delete;
    ShredRunScope& operator=(const ShredRunScope&) = delete;

private:
    bool& busy_;
    TfrmShredder::ListPage& page_;
};

}  // namespace

void TfrmShredder::BuildListPage() {
    ui::Panel& page = AddPage(kListPage, "File Shredder",
        "Please add the files you want to delete to the list. You can select the files and drag into the list to "
        "add them. When you click \"Shred Files\" button, they will be deleted permanently.", 90);
    auto& c = list_;
    c.browse = std::make_unique<ui::Button>(page.At(16, 96, 110, 120), "&Browse...");
    c.files = std::make_unique<ui::RowView>(page.At(16, 128, 574, 462, ui::kAnchorFill), rows_);
    c.files->AddColumn("Files", 536);
    c.progress = std::make_unique<ui::ProgressBar>(page.At(16, 470, 574, 488, ui::kAnchorBottomStretch));
    c.progress->Show(false);
    c.help = std::make_unique<ui::Button>(page.At(390, 500, 476, 526, ui::kAnchorBottomRight), "&Help");
    c.shred = std::make_unique<ui::Button>(page.At(488, 500, 574, 526, ui::kAnchorBottomRight), "Shred Files", true);

    c.browse->onClick = [this] { BrowseClick(); };
    c.help->onClick = [this] { ShowHelp("shredder2"); };
    c.shred->onClick = [this] { ShredClick(); };
    c.files->onDelete = [this] { RemoveSelected(); };
    c.files->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { ShowContextMenu(screen); };
}

void TfrmShredder::BrowseClick() { AddDroppedFiles(Context().pickers.OpenFiles("", {})); }

void TfrmShredder::RemoveSelected() {
    const auto selected = list_.files->Selected();
    if (busy_ || !selected) return;
    files_.Remove(selected->row);
    FilesChanged();
}

void TfrmShredder::RemoveAll() {
    if (busy_) return;
    while (!files_.Empty()) files_.Remove(0);
    FilesChanged();
}

void TfrmShredder::ShowContextMenu(POINT screen) {
    const MenuOwner menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, kRemove, L"Remove");
    AppendMenuW(menu.get(), MF_STRING, kRemoveAll, L"Remove All");
    AppendMenuW(menu.get(), MF_STRING, kShredFiles, L"Shred Files");
    const auto command = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr));
    if (command == kRemove) RemoveSelected();
    if (command == kRemoveAll) RemoveAll();
    if (command == kShredFiles) ShredClick();
}

void TfrmShredder::ShredClick() {
    if (busy_ || files_.Empty()) return;
    if (!Context().prompter.Confirm(std::string(kShredQuestion))) return;
    ShredListedFiles();
    Context().prompter.Notify(std::string(kShredDone));
}

void TfrmShredder::ShredListedFiles() {
    const ShredderOptions chosen = ChosenOptions();
    const ShredOptions options{WipeAlgorithmNumber(chosen.algorithm), chosen.rename};
    const auto pump = [] { ui::PumpMessages(); };
    ShredRunScope scope(busy_, list_);
    list_.progress->SetRange(static_cast<int>(files_.Count()));
    int done = 0;
    // Each row leaves the view as its file goes, so a run that stops on an
    // error shows exactly the rows still to do.
    ShredBottomUp(
        files_,
        [&](const std::string& path) { ShredFile(Context().platform.files, Context().random, path, options, pump); },
        [&] {
            FilesChanged();
            list_.progress->SetPosition(++done);
        });
}

}  // namespace tw
