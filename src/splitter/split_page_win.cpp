#include "splitter/file_splitter.h"
#include "splitter/split_sizes.h"
#include "splitter/splitter_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {

void TfrmTweak::BuildSplitPage() {
    ui::Panel& page = AddPage(kSplitPage, "Split Files",
        "Please select the file you want to split into smaller pieces. You can specify the destination directory, "
        "default is the directory of original file. There are some predefined split sizes available but you can "
        "also specify a custom size.", 96);
    auto& c = split_;
    c.paths = ui::BuildPathSections(page, 104, "   Select File To Split");
    c.sizeHeading = ui::SectionHeading(page, 228, "   Select File Split Size");
    BuildSizeChoices(page);
    ui::BuildButtonRow(page, {{c.buttons.help, "&Help"}, {c.buttons.action, "&Split", true}});
    Connect(
        kSplitPage, c.paths, c.buttons, "splitter3", [this] { BrowseSourceClick(); }, [this] { SplitClick(); });
}

// Seven fixed sizes in two columns, then the custom size with its field.
void TfrmTweak::BuildSizeChoices(ui::Panel& page) {
    auto& c = split_;
    for (std::size_t i = 0; i < kCustomSizeChoice; ++i) {
        const int left = i < 4 ? 32 : 300, top = 254 + static_cast<int>(i % 4) * 26;
        c.sizes[i] = ui::Make<ui::RadioButton>(page.At(left, top, left + 260, top + 22),
                                               {.caption = kSplitSizes[i].caption, .firstOfGroup = i == 0});
    }
    c.sizes[kCustomSizeChoice] =
        ui::Make<ui::RadioButton>(page.At(32, 364, 140, 386), {.caption = kSplitSizes[kCustomSizeChoice].caption});
    // WS_GROUP ends the radio group, so arrow keys stay among the sizes.
    c.customSize =
        ui::Make<ui::Edit>(page.At(144, 364, 210, 386), {.text = "1", .firstOfGroup = true, .numbersOnly = true});
    c.megabytes = ui::Make<ui::Label>(page.At(216, 367, 300, 385), {.text = "MBytes"});
    for (auto& radio : c.sizes) radio->onChange = [this] { SizeChoiceChanged(); };
    c.sizes[0]->SetChecked(true);
    SizeChoiceChanged();
}

std::size_t TfrmTweak::SelectedSize() const {
    for (std::size_t i = 0; i < split_.sizes.size(); ++i)
        if (split_.sizes[i]->Checked()) return i;
    return 0;
}

void TfrmTweak::SizeChoiceChanged() { split_.customSize->Enable(SelectedSize() == kCustomSizeChoice); }

void TfrmTweak::BrowseSourceClick() {
    if (const auto path = Context().pickers.OpenFile("", {})) split_.paths.file->SetText(*path);
}

void TfrmTweak::SplitClick() {
    const SplitRequest request{split_.paths.file->Text(), split_.paths.destination->Text(), SelectedSize(),
                               split_.customSize->Text()};
    RunCopy([&](RunProgress& progress) { return SplitFile(Context().platform.files, request, progress); });
}

}  // namespace tw
