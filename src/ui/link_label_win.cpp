#include "ui/link_label_win.h"

#include "ui/fonts_win.h"
#include "ui/painting_win.h"
#include "ui/theme_win.h"
#include "ui/wide_win.h"

namespace tw::ui {

LinkLabel::LinkLabel(const Placement& at, const Args& args) : text_(Wide(args.text)), background_(args.background) {
    const int dpi = WindowDpi(at.parent);
    const RECT& r = at.rect;
    Create(L"TwLink", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, text_, Scale(r.left, dpi), Scale(r.top, dpi),
           Scale(r.right - r.left, dpi), Scale(r.bottom - r.top, dpi), at.parent, CS_HREDRAW | CS_VREDRAW, nullptr,
           LoadCursorW(nullptr, IDC_HAND));
    if (at.layout) at.layout->Add(Handle(), r, at.anchors);
    accessible_ = std::make_shared<SingleAccessible>(Handle(), ROLE_SYSTEM_LINK, L"Jump");
    accessible_->onDefaultAction = [this] { Click(); };
}

void LinkLabel::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, InkBrush(Ink::Surface, background_));
    const int dpi = WindowDpi(Handle());
    const HGDIOBJ old = SelectObject(dc, hot_ ? UnderlinedFont(dpi) : MessageFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, InkColour(Ink::Link, Rgb{0, 70, 200}));
    DrawTextW(dc, text_.c_str(), -1, &client, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (GetFocus() == Handle()) {
        RECT textRect = client;
        DrawTextW(dc, text_.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
        textRect.top = 0;
        textRect.bottom = client.bottom;
        DrawFocusRect(dc, &textRect);
    }
    SelectObject(dc, old);
    EndPaint(Handle(), &ps);
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            TrackMouseLeave(Handle(), tracking_);
            if (!hot_) {
                hot_ = true;
                InvalidateRect(Handle(), nullptr, TRUE);
            }
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            hot_ = false;
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP:
            Click();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_GETOBJECT:
            return accessible_ ? accessible_->Answer(accessible_, wParam, lParam) : Default(message, wParam, lParam);
        case WM_KEYUP:
            if (wParam == VK_SPACE) Click();
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
