#include "drive_cleaner/drive_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 250;

}  // namespace

TfrmAddNew::TfrmAddNew(ShellContext& context) : context_(context) {
    auto& p = CreateBoxWithBody(L"TfrmAddNew", "Quorvex Tidewell", kClientWidth, kClientHeight,
                                "         Add New File Type");
    maskHeading_ = ui::SectionHeading(p, 46, "   File Type");
    maskHint_ = std::make_unique<ui::Label>(
        p.At(20, 68, 400, 86), "Temporary file to be searched. You can use the wild card characters (*.tmp, ...).");
    mask_ = std::make_unique<ui::Edit>(p.At(20, 90, 400, 112), "");
    descriptionHeading_ = ui::SectionHeading(p, 122, "   Description");
    descriptionHint_ =
        std::make_unique<ui::Label>(p.At(20, 144, 400, 162), "You can enter the description of file type you defined.");
    description_ = std::make_unique<ui::Edit>(p.At(20, 166, 400, 188), "");
    cancel_ = std::make_unique<ui::Button>(p.At(226, 210, 306, 236), "&Cancel");
    add_ = std::make_unique<ui::Button>(p.At(316, 210, 400, 236), "&Add", true);
    cancel_->onClick = [this] { Dismiss(); };
    add_->onClick = [this] { AddClick(); };
    SetDefaultButton(*add_);
}

bool TfrmAddNew::Run(HWND owner) {
    mask_->SetText("");
    description_->SetText("");
    added_ = false;
    ShowModal(owner);
    return added_;
}

void TfrmAddNew::AddClick() {
    if (mask_->Text().empty()) {
        context_.prompter.Inform("To add a new file type, 'File Type' field must be filled.");
        return;
    }
    AddJunkFileType(context_.settings, mask_->Text(), description_->Text());
    added_ = true;
    Dismiss();
}

}  // namespace tw
