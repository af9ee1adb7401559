#pragma once
#include <windows.h>

namespace tw::ui {

// What the dialog manager does for its boxes, for a top-level window of
// our own: the control that had the keyboard focus when the window lost
// the activation (to a message box, another program) gets it back when
// the window is activated again, instead of the frame.
class FocusMemory {
public:
    // From WM_ACTIVATE; true when the focus was placed (the message is then
    // handled, not left to DefWindowProc, which would focus the frame).
    bool OnActivate(HWND window, WPARAM wParam);
    // From the frame's own WM_SETFOCUS: passes the focus on.
    bool Restore(HWND window) const;

private:
    HWND control_ = nullptr;
};

// The first control Tab would reach inside a container, focused; false when
// it has none.
bool FocusFirstControl(HWND container);

}  // namespace tw::ui
