#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "suite/module_window_win.h"

namespace tw {

// One long run of a tool window, from start to end. While it lasts, the
// named controls and every list of the window are disabled, the indicator
// (a progress bar, a status line) is shown, and a close by Esc, "Main Menu"
// or the close box is held: the window closes once the run has ended. A
// run ended by an error leaves the window as it was before, and the focus
// where it was.
class BusyScope {
public:
    BusyScope(ModuleWindow& window, std::initializer_list<ui::Control*> disabled, ui::Control* indicator = nullptr,
              ui::Control* status = nullptr);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // Where a run can stop early, a close during it asks this first: OK asks
    // the run to stop, and the window closes after it; Cancel goes on.
    void AskBeforeStopping(std::string question) { window_.stopQuestion_ = std::move(question); }

private:
    ModuleWindow& window_;
    std::vector<ui::Control*> disabled_;
    std::vector<HWND> rowViews_;
    ui::Control* indicator_;
    HWND focus_;
};

}  // namespace tw
