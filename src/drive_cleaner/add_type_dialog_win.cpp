#include "drive_cleaner/add_type_dialog_win.h"

#include <utility>

#include "ui/page_parts_win.h"

namespace tw {
namespace {

// Wide enough for the mask hint on one line.
constexpr int kClientWidth = 520;
constexpr int kClientHeight = 250;

}  // namespace

TfrmAddNew::TfrmAddNew(Prompter& prompter) : prompter_(prompter) {
    auto& p = CreateBoxWithBody(L"TfrmAddNew", "Quorvex Tidewell", kClientWidth, kClientHeight,
                                "         Add New File Type");
    maskHeading_ = ui::SectionHeading(p, 46, "   File Type");
    maskHint_ = ui::Make<ui::Label>(
        p.At(20, 68, 500, 86),
        {.text = "Temporary file to be searched. You can use the wild card characters (*.tmp, ...)."});
    mask_ = ui::Make<ui::Edit>(p.At(20, 90, 500, 112), {});
    descriptionHeading_ = ui::SectionHeading(p, 122, "   Description");
    descriptionHint_ = ui::Make<ui::Label>(p.At(20, 144, 500, 162),
                                           {.text = "You can enter the description of file type you defined."});
    description_ = ui::Make<ui::Edit>(p.At(20, 166, 500, 188), {});
    cancel_ = ui::Make<ui::Button>(p.At(326, 210, 406, 236), {.caption = "&Cancel"});
    add_ = ui::Make<ui::Button>(p.At(416, 210, 500, 236), {.caption = "&Add", .isDefault = true});
    cancel_->onClick = [this] { Dismiss(); };
    add_->onClick = [this] { AddClick(); };
    SetDefaultButton(*add_);
    SetFirstFocus(*mask_);
}

std::optional<NewJunkType> TfrmAddNew::Run(HWND owner) {
    mask_->SetText("");
    description_->SetText("");
    accepted_.reset();
    ShowModal(owner);
    return std::exchange(accepted_, std::nullopt);
}

void TfrmAddNew::AddClick() {
    const std::string mask = mask_->Text();
    if (mask.empty()) {
        prompter_.Inform("To add a new file type, 'File Type' field must be filled.");
        return;
    }
    if (MatchesEveryFileName(mask) && !prompter_.Confirm(EveryFileQuestion(mask))) return;
    accepted_ = NewJunkType{mask, description_->Text()};
    Dismiss();
}

}  // namespace tw
