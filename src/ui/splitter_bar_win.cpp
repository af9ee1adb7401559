#include "ui/splitter_bar_win.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/painting_win.h"
#include "ui/theme_win.h"

namespace tw::ui {

SplitterBar::SplitterBar(HWND parent, int minimum, int maximum) : minimum_(minimum), maximum_(maximum) {
    Create(L"TwSplitter", WS_CHILD | WS_VISIBLE, 0, L"", 0, 0, 4, 10, parent, CS_HREDRAW | CS_VREDRAW,
           nullptr, LoadCursorW(nullptr, IDC_SIZEWE));
}

LRESULT SplitterBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, InkBrush(Ink::Control, Rgb{110, 140, 210}));
            return 1;
        }
        case WM_LBUTTONDOWN:
            dragging_ = true;
            SetCapture(Handle());
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_) {
                POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                MapWindowPoints(Handle(), GetParent(Handle()), &p, 1);
                const int dpi = WindowDpi(Handle());
                const int width96 = std::clamp(MulDiv(p.x, 96, dpi), minimum_, maximum_);
                if (onMoved) onMoved(width96);
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = false;
                if (message == WM_LBUTTONUP) ReleaseCapture();
            }
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
