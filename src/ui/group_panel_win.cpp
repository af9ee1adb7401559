#include "ui/group_panel_win.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>

#include "ui/theme_win.h"
#include "ui/window_win.h"

namespace tw::ui {
namespace {

void PaintFrameLine(HTHEME theme, HDC dc, RECT frame, int state) {
    if (!theme) {
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        return;
    }
    RECT inside;
    GetThemeBackgroundContentRect(theme, dc, BP_GROUPBOX, state, &frame, &inside);
    ExcludeClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    DrawThemeBackground(theme, dc, BP_GROUPBOX, state, &frame, nullptr);
}

COLORREF CaptionColour(HTHEME theme, int state) {
    COLORREF colour = GetSysColor(state == GBS_DISABLED ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    // A theme's caption colour is for its own background, not the user's scheme.
    if (theme && !CurrentPalette().HighContrast()) GetThemeColor(theme, BP_GROUPBOX, state, TMT_TEXTCOLOR, &colour);
    return colour;
}

// The frame runs through the middle of the caption's line; the caption
// stands in a gap of the frame with a margin each side for its ink.
void PaintGroup(HWND hwnd, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int dpi = WindowDpi(hwnd);
    const int state = IsWindowEnabled(hwnd) ? GBS_NORMAL : GBS_DISABLED;
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const std::wstring caption = WindowText(hwnd);
    RECT text{};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    const int margin = Scale(2, dpi);
    const RECT gap{client.left + Scale(6, dpi), client.top, client.left + Scale(6, dpi) + text.right + 2 * margin,
                   client.top + metrics.tmHeight};

    const HTHEME theme = OpenThemeData(hwnd, L"BUTTON");
    const int saved = SaveDC(dc);
    if (!caption.empty()) ExcludeClipRect(dc, gap.left, gap.top, gap.right, gap.bottom);
    PaintFrameLine(theme, dc, RECT{client.left, client.top + metrics.tmHeight / 2, client.right, client.bottom},
                   state);
    RestoreDC(dc, saved);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CaptionColour(theme, state));
    if (theme) CloseThemeData(theme);
    RECT at{gap.left + margin, gap.top, gap.right, gap.bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &at, DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK GroupProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR) noexcept {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            PaintGroup(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintGroup(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ENABLE:
        case WM_SETTEXT: {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &GroupProcedure, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

Placement Whole(Panel& panel, const Placement& at) {
    return panel.At(0, 0, at.rect.right - at.rect.left, at.rect.bottom - at.rect.top, kAnchorFill);
}

}  // namespace

// Transparent: it paints after the controls it frames, and only its line
// and caption, so what is under it stays the parent's.
GroupBox::GroupBox(const Placement& at, std::string_view caption) {
    CreateControl(at, WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT, caption);
    SetWindowSubclass(Handle(), &GroupProcedure, 0, 0);
}

// The frame is the panel's first child; it lets clicks through to the
// controls above it and draws after them, as a group box in a dialog does.
GroupPanel::GroupPanel(const Placement& at, std::string_view caption)
    : Panel(at), frame_(Whole(*this, at), caption) {}

}  // namespace tw::ui
