#include "ui/message_loop_win.h"

#include "ui/window_win.h"

namespace tw::ui {

namespace {

// The innermost window asks first, so a tab control inside a page takes
// Ctrl+Tab before the frame around it could. A key preview runs handlers
// (Enter presses a default button) outside any window procedure: what they
// throw goes to the error handler as from a click, and the key counts as used.
bool Previewed(const MSG& msg, HWND top) {
    for (HWND hwnd = msg.hwnd; hwnd; hwnd = hwnd == top ? nullptr : GetParent(hwnd)) {
        Window* window = Window::FromAnyHandle(hwnd);
        if (!window) continue;
        bool consumed = true;
        Guarded([&] { consumed = window->PreviewKey(msg); });
        if (consumed) return true;
    }
    return false;
}

}  // namespace

void ProcessMessage(MSG& msg) {
    const HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && Previewed(msg, top)) return;
    if (top && IsDialogMessageW(top, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
    return static_cast<int>(msg.wParam);
}

bool PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ProcessMessage(msg);
    }
    return true;
}

}  // namespace tw::ui
