#include "shell/busy_scope_win.h"

#include <utility>

namespace tw {

BusyScope::BusyScope(ModuleWindow& window, std::initializer_list<ui::Control*> disabled, ui::Control* indicator,
                     ui::Control* status)
    : window_(window), disabled_(disabled), indicator_(indicator), focus_(GetFocus()) {
    ++window_.runs_;
    window_.progress_.Begin(status);
    for (ui::Control* control : disabled_) control->Enable(false);
    if (indicator_) indicator_->Show(true);
}

BusyScope::~BusyScope() {
    if (indicator_) indicator_->Show(false);
    for (ui::Control* control : disabled_) control->Enable(true);
    // A disabled control loses the focus; the one that had it gets it back.
    for (ui::Control* control : disabled_)
        if (control->Handle() == focus_) control->Focus();
    window_.progress_.End();
    if (--window_.runs_ > 0) return;
    window_.stopQuestion_.clear();
    if (std::exchange(window_.closeHeld_, false)) PostMessageW(window_.Handle(), WM_CLOSE, 0, 0);
}

}  // namespace tw
