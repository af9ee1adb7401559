#include "ui/task_pane_win.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/fonts_win.h"
#include "ui/painting_win.h"
#include "ui/theme_win.h"

namespace tw::ui {
namespace {

// 96-DPI geometry of the group.
constexpr int kMargin = 10;
constexpr int kHeaderHeight = 25;
constexpr int kItemHeight = 24;
constexpr int kGroupPadding = 8;

constexpr Rgb kColumnTop{140, 175, 232};
constexpr Rgb kColumnBottom{100, 135, 215};
constexpr Rgb kHeaderLeft{255, 255, 255};
constexpr Rgb kHeaderText{33, 93, 198};
constexpr Rgb kGroupBody{214, 223, 247};
constexpr Rgb kItemText{33, 93, 198};
constexpr Rgb kItemHotText{66, 142, 255};

}  // namespace

TaskPane::TaskPane(HWND parent, std::vector<TaskPaneItem> items) : items_(std::move(items)) {
    Create(L"TwTaskPane", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, 0, L"Options", 0, 0, 10, 10, parent,
           CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
}

void TaskPane::SetItemIcons(const std::vector<HICON>& icons) {
    for (std::size_t i = 0; i < items_.size() && i < icons.size(); ++i) items_[i].icon = icons[i];
    UpdateScroll();
    InvalidateRect(Handle(), nullptr, FALSE);
}

int TaskPane::ContentHeight() const {
    const int dpi = WindowDpi(Handle());
    return Scale(kMargin + kHeaderHeight + kGroupPadding * 2 + kItemHeight * static_cast<int>(items_.size()) + kMargin, dpi);
}

RECT TaskPane::ItemRect(int index) const {
    const int dpi = WindowDpi(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    const int top = Scale(kMargin + kHeaderHeight + kGroupPadding + kItemHeight * index, dpi) - scroll_;
    return RECT{Scale(kMargin, dpi), top, client.right - Scale(kMargin, dpi), top + Scale(kItemHeight, dpi)};
}

int TaskPane::ItemAt(POINT client) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const RECT r = ItemRect(i);
        if (PtInRect(&r, client)) return i;
    }
    return -1;
}

void TaskPane::SetHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TaskPane::UpdateScroll() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int content = ContentHeight();
    scroll_ = std::clamp(scroll_, 0, std::max(0, content - static_cast<int>(client.bottom)));
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, content - 1, static_cast<UINT>(client.bottom), scroll_, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void TaskPane::Paint(HDC dc) {
    const int dpi = WindowDpi(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    const Palette& palette = CurrentPalette();
    if (palette.Blends())
        FillVerticalBlend(dc, client, kColumnTop, kColumnBottom);
    else
        FillRect(dc, &client, InkBrush(Ink::Control, kColumnTop));

    const int left = Scale(kMargin, dpi), right = client.right - Scale(kMargin, dpi);
    const int top = Scale(kMargin, dpi) - scroll_;
    const RECT header{left, top, right, top + Scale(kHeaderHeight, dpi)};
    const RECT body{left, header.bottom, right, ItemRect(static_cast<int>(items_.size()) - 1).bottom + Scale(kGroupPadding, dpi)};
    FillRect(dc, &body, InkBrush(Ink::Surface, kGroupBody));
    if (palette.Blends()) {
        FillVerticalBlend(dc, header, kHeaderLeft, Rgb{198, 211, 247});
    } else {
        FillRect(dc, &header, InkBrush(Ink::Band, kHeaderLeft));
        FrameRect(dc, &body, InkBrush(Ink::Frame, kHeaderText));
    }

    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, BoldFont(dpi));
    SetTextColor(dc, InkColour(Ink::BandText, kHeaderText));
    RECT caption = header;
    caption.left += Scale(10, dpi);
    DrawTextW(dc, L"Options", -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    const int iconSize = Scale(16, dpi);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        RECT r = ItemRect(i);
        if (items_[i].icon)
            DrawIconEx(dc, r.left + Scale(8, dpi), r.top + (r.bottom - r.top - iconSize) / 2, items_[i].icon, iconSize,
                       iconSize, 0, nullptr, DI_NORMAL);
        RECT text = r;
        text.left += Scale(32, dpi);
        SelectObject(dc, i == hot_ ? UnderlinedFont(dpi) : MessageFont(dpi));
        SetTextColor(dc, InkColour(Ink::Link, i == hot_ ? kItemHotText : kItemText));
        DrawTextW(dc, items_[i].caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, MessageFont(dpi));
        if (i == focus_ && GetFocus() == Handle()) {
            RECT focusRect = text;
            DrawTextW(dc, items_[i].caption.c_str(), -1, &focusRect, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT | DT_NOPREFIX);
            focusRect.top = r.top + Scale(3, dpi);
            focusRect.bottom = r.bottom - Scale(3, dpi);
            InflateRect(&focusRect, Scale(2, dpi), 0);
            DrawFocusRect(dc, &focusRect);
        }
    }
}

LRESULT TaskPane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(Handle(), &ps);
            RECT client;
            GetClientRect(Handle(), &client);
            {
                BufferedPaint buffer(dc, client);
                Paint(buffer.Dc());
            }
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_SIZE:
            UpdateScroll();
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_MOUSEMOVE: {
            TrackMouseLeave(Handle(), tracking_);
            SetHot(ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            SetHot(-1);
            return 0;
        case WM_SETCURSOR:
            if (hot_ >= 0) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            return Default(message, wParam, lParam);
        case WM_LBUTTONUP: {
            const int index = ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (index >= 0) {
                focus_ = index;
                Activate(index);
            }
            return 0;
        }
        case WM_SETFOCUS:
            RaiseAccessibleEvent(Handle(), EVENT_OBJECT_FOCUS, focus_ + 1);
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_GETOBJECT:
            return accessible_->Answer(accessible_, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | (lParam && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
        case WM_KEYDOWN:
            if (wParam == VK_UP || wParam == VK_DOWN) {
                const int count = static_cast<int>(items_.size());
                focus_ = (focus_ + (wParam == VK_DOWN ? 1 : count - 1)) % count;
                RaiseAccessibleEvent(Handle(), EVENT_OBJECT_FOCUS, focus_ + 1);
                InvalidateRect(Handle(), nullptr, FALSE);
            } else if (wParam == VK_RETURN || wParam == VK_SPACE) {
                Activate(focus_);
            }
            return 0;
        case WM_MOUSEWHEEL:
        case WM_VSCROLL: {
            const int step = Scale(kItemHeight, WindowDpi(Handle()));
            if (message == WM_MOUSEWHEEL)
                scroll_ -= GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * step;
            else if (LOWORD(wParam) == SB_LINEUP || LOWORD(wParam) == SB_PAGEUP)
                scroll_ -= step;
            else if (LOWORD(wParam) == SB_LINEDOWN || LOWORD(wParam) == SB_PAGEDOWN)
                scroll_ += step;
            else if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION)
                scroll_ = HIWORD(wParam);
            UpdateScroll();
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
