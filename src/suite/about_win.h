#pragma once
#include <windows.h>

#include <memory>

#include "suite/suite_context.h"
#include "ui/controls_win.h"
#include "ui/dialog_win.h"
#include "ui/link_label_win.h"
#include "ui/panel_win.h"
#include "ui/picture_win.h"

namespace tw {

inline constexpr const char* kWebAddress = "https://quorvex.example/tidewell";
inline constexpr const char* kSupportAddress = "https://quorvex.example/support";

// The About box: created once, shown modally on each request, hidden (not
// destroyed) by OK or Esc.
class TfrmAbout : public ui::Dialog {
public:
    explicit TfrmAbout(SuiteContext& context);
    ui::LinkLabel& WebLink() { return *web_; }
    ui::LinkLabel& SupportLink() { return *support_; }
    ui::Button& OkButton() { return *ok_; }
    const ui::Label& Notice() const { return *notice_; }

private:
    SuiteContext& context_;
    std::unique_ptr<ui::Picture> picture_;
    std::unique_ptr<ui::Label> name_, version_, webCaption_, supportCaption_, notice_;
    std::unique_ptr<ui::LinkLabel> web_, support_;
    std::unique_ptr<ui::Button> ok_;
};

}  // namespace tw
