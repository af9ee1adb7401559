#include "ui/picture_button_win.h"

#include "ui/fonts_win.h"
#include "ui/painting_win.h"
#include "ui/theme_win.h"

#include <windowsx.h>

namespace tw::ui {

PictureButton::PictureButton(HWND parent, RECT bounds, std::wstring name, HBITMAP normal, HBITMAP hot, HBITMAP pressed)
    : bounds_(bounds), faces_{normal, hot, pressed} {
    Create(L"TwPictureButton", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, name, bounds.left, bounds.top,
           bounds.right - bounds.left, bounds.bottom - bounds.top, parent, CS_HREDRAW | CS_VREDRAW, nullptr,
           LoadCursorW(nullptr, IDC_HAND));
    accessible_ = std::make_shared<SingleAccessible>(Handle(), ROLE_SYSTEM_PUSHBUTTON, L"Press");
    accessible_->onDefaultAction = [this] { Click(); };
}

PictureButton::~PictureButton() {
    accessible_->Detach();
    for (HBITMAP face : faces_) DeleteObject(face);
}

void PictureButton::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PictureButton::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    const HBITMAP face = faces_[pressed_ && hot_ ? 2 : hot_ ? 1 : 0];
    RECT client;
    GetClientRect(Handle(), &client);
    if (CurrentPalette().HighContrast())
        PaintContrastFace(dc, client);
    else
        DrawBitmap(dc, face, 0, 0, client.right, client.bottom);
    if (GetFocus() == Handle() && !(SendMessageW(GetParent(Handle()), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        InflateRect(&client, -3, -3);
        DrawFocusRect(dc, &client);
    }
    EndPaint(Handle(), &ps);
}

void PictureButton::PaintContrastFace(HDC dc, RECT client) {
    const bool down = pressed_ && hot_;
    FillRect(dc, &client, hot_ ? InkBrush(Ink::Selection, Rgb{}) : InkBrush(Ink::Surface, Rgb{}));
    FrameRect(dc, &client, InkBrush(Ink::Frame, Rgb{}));
    if (down) InflateRect(&client, -1, -1), FrameRect(dc, &client, InkBrush(Ink::Frame, Rgb{}));
    const std::wstring caption = contrastCaption_.empty() ? WindowText(Handle()) : contrastCaption_;
    const COLORREF ink = InkColour(hot_ ? Ink::SelectionText : Ink::Text, Rgb{});
    DrawLine(dc, BoldFont(WindowDpi(Handle())), ink, caption, client, DT_CENTER | DT_VCENTER);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE: {
            TrackMouseLeave(Handle(), tracking_);
            RECT client;
            GetClientRect(Handle(), &client);
            SetHot(PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE);
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (!pressed_) SetHot(false);
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                ReleaseCapture();
                const bool inside = hot_;
                InvalidateRect(Handle(), nullptr, FALSE);
                if (inside) Click();
            }
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            keyDown_ = 0;
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_GETOBJECT:
            return accessible_ ? accessible_->Answer(accessible_, wParam, lParam) : Default(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (lParam && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
        // A key clicks when it is let go, and only if it went down here: the
        // release of a key that closed another window, after which this
        // button got the focus back, is not a press.
        case WM_KEYDOWN:
            if ((wParam == VK_SPACE || wParam == VK_RETURN) && !(lParam & (1 << 30))) keyDown_ = wParam;
            return 0;
        case WM_KEYUP:
            if (wParam == keyDown_ && keyDown_ != 0) {
                keyDown_ = 0;
                Click();
            }
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
