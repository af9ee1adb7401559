#include "ui/focus_memory_win.h"

namespace tw::ui {
namespace {

bool CanTakeFocus(HWND window, HWND control) {
    return control && IsWindow(control) && IsChild(window, control) && IsWindowVisible(control) &&
           IsWindowEnabled(control);
}

}  // namespace

bool FocusMemory::OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        // Activation leaves before the focus does, so the focus is still ours.
        const HWND focus = GetFocus();
        if (IsChild(window, focus)) control_ = focus;
        return false;
    }
    if (HIWORD(wParam)) return false;  // minimised: no focus to give
    return Restore(window);
}

bool FocusMemory::Restore(HWND window) const {
    if (!CanTakeFocus(window, control_)) return false;
    SetFocus(control_);
    return true;
}

bool FocusFirstControl(HWND container) {
    const HWND first = GetNextDlgTabItem(container, nullptr, FALSE);
    if (!first || !IsChild(container, first)) return false;
    SetFocus(first);
    return true;
}

}  // namespace tw::ui
