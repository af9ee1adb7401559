#include "suite/busy_scope_win.h"

#include <algorithm>
#include <utility>

#include "ui/row_view_win.h"

namespace tw {
namespace {

// Every row view of the window that takes input now. A row view is a window
// of its own, not a control a run names, yet its clicks and menus act on the
// very rows a run is changing.
BOOL CALLBACK NoteOpenRowView(HWND child, LPARAM list) {
    if (dynamic_cast<ui::RowView*>(ui::Window::FromAnyHandle(child)) && IsWindowEnabled(child))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> OpenRowViews(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(window, &NoteOpenRowView, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

BusyScope::BusyScope(ModuleWindow& window, std::initializer_list<ui::Control*> disabled, ui::Control* indicator,
                     ui::Control* status)
    : window_(window), disabled_(disabled), rowViews_(OpenRowViews(window.Handle())), indicator_(indicator),
      focus_(GetFocus()) {
    ++window_.runs_;
    window_.progress_.Begin(status);
    for (ui::Control* control : disabled_) control->Enable(false);
    for (HWND view : rowViews_) EnableWindow(view, FALSE);
    if (indicator_) indicator_->Show(true);
}

BusyScope::~BusyScope() {
    if (indicator_) indicator_->Show(false);
    for (ui::Control* control : disabled_) control->Enable(true);
    for (HWND view : rowViews_) EnableWindow(view, TRUE);
    // A disabled window loses the focus; the one that had it gets it back.
    for (ui::Control* control : disabled_)
        if (control->Handle() == focus_) control->Focus();
    if (std::find(rowViews_.begin(), rowViews_.end(), focus_) != rowViews_.end()) SetFocus(focus_);
    window_.progress_.End();
    if (--window_.runs_ > 0) return;
    window_.stopQuestion_.clear();
    if (std::exchange(window_.closeHeld_, false)) PostMessageW(window_.Handle(), WM_CLOSE, 0, 0);
}

}  // namespace tw
