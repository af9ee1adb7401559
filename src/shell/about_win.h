#pragma once
#include <windows.h>

#include <memory>

#include "shell/shell_context.h"
#include "ui/controls_win.h"
#include "ui/link_label_win.h"
#include "ui/panel_win.h"
#include "ui/picture_win.h"
#include "ui/window_win.h"

namespace tw {

inline constexpr const char* kWebAddress = "https://quorvex.example/tidewell";
inline constexpr const char* kSupportAddress = "https://quorvex.example/support";

// The About box: created once, shown modally on each request, hidden (not
// destroyed) by OK or Esc.
class TfrmAbout : public ui::Window {
public:
    explicit TfrmAbout(ShellContext& context);
    // Centres over the owner, disables it and runs messages until closed.
    void ShowModal(HWND owner);
    void Dismiss();
    bool IsShowing() const { return IsWindowVisible(Handle()) != FALSE; }
    ui::LinkLabel& WebLink() { return *web_; }
    ui::LinkLabel& SupportLink() { return *support_; }
    ui::Button& OkButton() { return *ok_; }

    bool PreviewKey(const MSG& msg) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ShellContext& context_;
    std::unique_ptr<ui::Panel> body_;
    std::unique_ptr<ui::Picture> picture_;
    std::unique_ptr<ui::Label> name_, version_, webCaption_, supportCaption_, notice_;
    std::unique_ptr<ui::LinkLabel> web_, support_;
    std::unique_ptr<ui::Button> ok_;
    HWND owner_ = nullptr;
};

}  // namespace tw
