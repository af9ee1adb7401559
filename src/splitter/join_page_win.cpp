#include "splitter/file_joiner.h"
#include "splitter/piece_names.h"
#include "splitter/splitter_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr char kNoPieceChosen[] = "---";

}  // namespace

void TfrmTweak::BuildJoinPage() {
    ui::Panel& page = AddPage(kJoinPage, "Join Files",
        "Please select one of the split parts to join them again. You can specify the destination directory for "
        "the joined file.", 84);
    auto& c = join_;
    c.paths = ui::BuildPathSections(page, 92, "   Select File To Join");
    c.informationHeading = ui::SectionHeading(page, 216, "   Splitted File Information");
    c.nameCaption = ui::Make<ui::Label>(page.At(32, 244, 200, 262), {.text = "File Name:"});
    c.name = ui::Make<ui::Label>(page.At(208, 244, 574, 262, ui::kAnchorTopStretch), {.text = kNoPieceChosen});
    c.sizeCaption = ui::Make<ui::Label>(page.At(32, 268, 200, 286), {.text = "File Size:"});
    c.size = ui::Make<ui::Label>(page.At(208, 268, 574, 286, ui::kAnchorTopStretch), {.text = kNoPieceChosen});
    c.countCaption = ui::Make<ui::Label>(page.At(32, 292, 200, 310), {.text = "Number of Split Parts:"});
    c.count = ui::Make<ui::Label>(page.At(208, 292, 574, 310, ui::kAnchorTopStretch), {.text = kNoPieceChosen});
    ui::BuildButtonRow(page, {{c.buttons.help, "&Help"}, {c.buttons.action, "&Join", true}});
    Connect(
        kJoinPage, c.paths, c.buttons, "splitter4", [this] { BrowsePieceClick(); }, [this] { JoinClick(); });
}

void TfrmTweak::BrowsePieceClick() {
    if (const auto path = Context().pickers.OpenFile("", {})) join_.paths.file->SetText(*path);
    RefreshJoinInformation();
}

void TfrmTweak::RefreshJoinInformation() {
    const PieceSet set = FindPieceSet(Context().platform.files, join_.paths.file->Text());
    join_.name->SetText(set.joinedName);
    join_.size->SetText(std::to_string(set.totalSize) + " bytes");
    join_.count->SetText(std::to_string(set.count));
}

void TfrmTweak::JoinClick() {
    const JoinRequest request{join_.paths.file->Text(), join_.paths.destination->Text()};
    RunCopy([&](RunProgress& progress) {
        return JoinPieces(Context().platform.files, Context().prompter, request, progress);
    });
}

}  // namespace tw
