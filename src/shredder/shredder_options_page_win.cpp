#include "shredder/shredder_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {

void TfrmShredder::BuildOptionsPage() {
    ui::Panel& page = AddPage(kOptionsPage, "File Shredder - Options",
        "There are some options available to delete a file completely. These options can be selected depending on "
        "how securely you want to delete a file.", 80);
    auto& c = options_;
    c.algorithmGroup =
        std::make_unique<ui::GroupBox>(page.At(16, 88, 574, 318, ui::kAnchorTopStretch), "Wiping Algorithm");
    c.algorithmText = ui::Make<ui::Label>(
        page.At(32, 110, 558, 160, ui::kAnchorTopStretch),
        {.text = "There are various methods for securely deleting files. They differ in overwriting techniques and "
                 "how many times a file is overwritten. However as the complexity of the deletion algorithm "
                 "increases, it takes more time to delete a file."});
    for (int i = 0; i < kWipeAlgorithmCount; ++i) {
        const int top = 166 + i * 24;
        c.algorithms[static_cast<std::size_t>(i)] =
            ui::Make<ui::RadioButton>(page.At(32, top, 558, top + 22, ui::kAnchorTopStretch),
                                      {.caption = WipeAlgorithmNumber(i + 1).caption, .firstOfGroup = i == 0});
    }
    c.renameGroup =
        std::make_unique<ui::GroupBox>(page.At(16, 326, 574, 418, ui::kAnchorTopStretch), "Rename File Before Wiping");
    // WS_GROUP ends the radio group above, so arrow keys stay among the algorithms.
    SetWindowLongPtrW(c.renameGroup->Handle(), GWL_STYLE,
                      GetWindowLongPtrW(c.renameGroup->Handle(), GWL_STYLE) | WS_GROUP);
    c.renameText = ui::Make<ui::Label>(
        page.At(32, 346, 558, 382, ui::kAnchorTopStretch),
        {.text = "Even the file is securely deleted, its name can be accessed using different methods. Renaming the "
                 "file before deleteting it makes impossible to recover the file name."});
    c.rename = ui::Make<ui::CheckBox>(page.At(32, 388, 558, 410, ui::kAnchorTopStretch),
                                      {.caption = "Rename the files before wiping for further security"});
    ui::BuildButtonRow(page, {{c.help, "&Help"}, {c.defaults, "&Defaults", false}});

    c.help->onClick = [this] { ShowHelp("shredder3"); };
    c.defaults->onClick = [this] { ShowOptions(ShredderOptions{}); };
}

void TfrmShredder::ShowOptions(const ShredderOptions& options) {
    for (int i = 0; i < kWipeAlgorithmCount; ++i)
        options_.algorithms[static_cast<std::size_t>(i)]->SetChecked(i + 1 == options.algorithm);
    options_.rename->SetChecked(options.rename);
}

ShredderOptions TfrmShredder::ChosenOptions() const {
    ShredderOptions chosen;
    for (int i = 0; i < kWipeAlgorithmCount; ++i)
        if (options_.algorithms[static_cast<std::size_t>(i)]->Checked()) chosen.algorithm = i + 1;
    chosen.rename = options_.rename->Checked();
    return chosen;
}

}  // namespace tw
