#include "suite/about_win.h"

#include "platform/win32/owner_window_win.h"
#include "suite/artwork_win.h"
#include "ui/error_text.h"
#include "ui/fonts_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

constexpr int kClientWidth = 453;
constexpr int kClientHeight = 372;

}  // namespace

TfrmAbout::TfrmAbout(SuiteContext& context) : context_(context) {
    const int dpi = ui::WindowDpi(nullptr);
    auto& p = CreateBoxWithBody(L"TfrmAbout", kProductName, kClientWidth, kClientHeight, "About Quorvex Tidewell",
                                ProgramIcon(ui::Scale(16, dpi)));
    picture_ =
        ui::Make<ui::Picture>(p.At(20, 50, 116, 146), {.icon = ProgramIcon(ui::Scale(96, dpi)), .iconSize96 = 96});
    name_ = ui::Make<ui::Label>(p.At(136, 58, 433, 82), {.text = kProductName});
    SendMessageW(name_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(ui::BoldFont(dpi)), FALSE);
    version_ = ui::Make<ui::Label>(p.At(136, 84, 433, 104), {.text = "(version 1.0)"});
    // Captions centred in their height, as the links beside them draw.
    webCaption_ = ui::Make<ui::Label>(p.At(136, 122, 196, 142), {.text = "Web:", .centerVertically = true});
    web_ = ui::Make<ui::LinkLabel>(p.At(200, 122, 433, 142), {.text = kWebAddress});
    supportCaption_ = ui::Make<ui::Label>(p.At(136, 146, 196, 166), {.text = "Support:", .centerVertically = true});
    support_ = ui::Make<ui::LinkLabel>(p.At(200, 146, 433, 166), {.text = kSupportAddress});
    notice_ = ui::Make<ui::Label>(
        p.At(20, 190, 433, 310),
        {.text = "Copyright \xC2\xA9 2026 Quorvex Software. All rights reserved.\r\n\r\n"
                 "This program is protected by copyright law. Quorvex Tidewell changes your registry and deletes "
                 "files only when you ask it to; the Registry Cleaner and the Internet Tuner keep a backup of every "
                 "registry change they make."});
    ok_ = ui::Make<ui::Button>(p.At(353, 330, 433, 355), {.caption = "OK", .isDefault = true});
    ok_->onClick = [this] { Dismiss(); };
    SetDefaultButton(*ok_);
    auto open = [this](const char* address) {
        return [this, address] { context_.platform.shell.Open(address, win32::OwnerOf(Handle())); };
    };
    web_->onClick = open(kWebAddress);
    support_->onClick = open(kSupportAddress);
}

}  // namespace tw
