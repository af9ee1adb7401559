#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/accessible_win.h"
#include "ui/color.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// A text link: hand cursor and underline while the mouse is over it; a click
// (or Space/Enter when it has the focus) runs onClick.
class LinkLabel : public Window {
public:
    struct Args {
        std::string_view text;
        Rgb background = kPageBackground;
    };
    LinkLabel(const Placement& at, const Args& args);
    ~LinkLabel() override { accessible_->Detach(); }
    std::function<void()> onClick;
    bool IsHot() const { return hot_; }
    void Click() { if (onClick) onClick(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    std::wstring text_;
    Rgb background_;
    bool hot_ = false;
    bool tracking_ = false;
    std::shared_ptr<SingleAccessible> accessible_;
};

}  // namespace tw::ui
