#include <algorithm>

#include "suite/busy_scope_win.h"
#include "shredder/file_shredder.h"
#include "shredder/shredder_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

// A bar over a byte count too large for its int range: it counts thousandths.
class BytesProgress {
public:
    BytesProgress(ui::ProgressBar& bar, std::uint64_t total) : bar_(bar), total_(std::max<std::uint64_t>(total, 1)) {
        bar_.SetRange(kSteps);
        bar_.SetPosition(0);
    }
    void Add(std::uint64_t length) {
        done_ = std::min(total_, done_ + length);
        bar_.SetPosition(static_cast<int>(done_ * kSteps / total_));
    }

private:
    static constexpr int kSteps = 1000;
    ui::ProgressBar& bar_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
};

}  // namespace

void TfrmShredder::BuildListPage() {
    ui::Panel& page = AddPage(kListPage, "File Shredder",
        "Please add the files you want to delete to the list. You can select the files and drag into the list to "
        "add them. When you click \"Shred Files\" button, they will be deleted permanently.", 90);
    auto& c = list_;
    c.browse = ui::Make<ui::Button>(page.At(16, 96, 110, 120), {.caption = "&Browse..."});
    c.files = std::make_unique<ui::RowView>(page.At(16, 128, 574, 462, ui::kAnchorFill), rows_);
    c.files->AddColumn("Files", 536);
    c.progress = std::make_unique<ui::ProgressBar>(page.At(16, 470, 574, 488, ui::kAnchorBottomStretch));
    c.progress->Show(false);
    ui::BuildButtonRow(page, {{c.help, "&Help"}, {c.shred, "Shred Files", true}});
    c.menu = std::make_unique<ui::PopupMenu>(std::vector<ui::MenuItem>{
        {"Remove", [this] { RemoveSelected(); }},
        {"Remove All", [this] { RemoveAll(); }},
        {"Shred Files", [this] { ShredClick(); }},
    });

    c.browse->onClick = [this] { BrowseClick(); };
    c.help->onClick = [this] { ShowHelp("shredder2"); };
    c.shred->onClick = [this] { ShredClick(); };
    c.files->onDelete = [this] { RemoveSelected(); };
    c.files->onContextMenu = [this](std::optional<ui::RowRef>, POINT screen) { list_.menu->Show(Handle(), screen); };
    SetDefaultButton(kListPage, *c.shred);
}

void TfrmShredder::BrowseClick() { AddDroppedFiles(Context().pickers.OpenFiles("", {})); }

void TfrmShredder::RemoveSelected() {
    const auto selected = list_.files->Selected();
    if (Busy() || !selected) return;
    files_.Remove(selected->row);
    FilesChanged();
}

void TfrmShredder::RemoveAll() {
    if (Busy()) return;
    while (!files_.Empty()) files_.Remove(0);
    FilesChanged();
}

void TfrmShredder::ShredClick() {
    if (Busy() || files_.Empty()) return;
    if (!Context().prompter.Confirm(std::string(kShredQuestion))) return;
    // A close waits for the notice too: the window must outlive this click.
    const BusyScope click(*this, {});
    ShredListedFiles();
    Context().prompter.Notify(std::string(kShredDone));
}

void TfrmShredder::ShredListedFiles() {
    const ShredderOptions chosen = ChosenOptions();
    const WipeAlgorithm& algorithm = WipeAlgorithmNumber(chosen.algorithm);
    // The bar moves with the bytes written, so one large file under many
    // passes does not stand at 0 for minutes.
    BytesProgress bar(*list_.progress, PassBytes(Context().platform.files, files_.Paths(), algorithm));
    const ShredOptions options{algorithm, chosen.rename, [&bar](std::uint64_t length) { bar.Add(length); }};
    // The run's buttons are disabled and its progress bar shown until it
    // ends, by an error too.
    const BusyScope run(*this, {list_.browse.get(), list_.shred.get()}, list_.progress.get());
    // Each row leaves the view as its file goes, so a run that stops on an
    // error shows exactly the rows still to do.
    ShredBottomUp(
        files_,
        [&](const ListedFile& file) {
            ShredFile(Context().platform.files, Context().random, file, options, Progress());
        },
        [&] { FilesChanged(); });
}

}  // namespace tw
