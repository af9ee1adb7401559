#pragma once
#include <windows.h>

namespace tw::ui {

// The DPI a top-level window was last told (WM_DPICHANGED), or 0 before
// any change; WindowDpi asks it first, so every child follows its window.
int RecordedDpi(HWND hwnd);

// The part of WM_DPICHANGED every top-level window shares: remembers the
// new DPI, gives each child the same kind of font made for it, and takes
// the size and place the system suggests (which lays the window out again).
void ApplyDpiChange(HWND top, WPARAM wParam, const RECT& suggested);

}  // namespace tw::ui
