#include "ui/panel_win.h"

#include "ui/painting_win.h"
#include "ui/theme_win.h"
#include "ui/wide_win.h"

namespace tw::ui {

Panel::Panel(HWND parent, int designWidth, int designHeight, std::string_view title, HICON icon, Rgb background)
    : layout_(designWidth, designHeight), title_(Wide(title)), icon_(icon), background_(background) {
    const int dpi = WindowDpi(parent);
    Create(L"TwPanel", WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, title_, 0, 0, Scale(designWidth, dpi),
           Scale(designHeight, dpi), parent);
}

Panel::Panel(const Placement& at, std::string_view title, HICON icon, Rgb background)
    : layout_(at.rect.right - at.rect.left, at.rect.bottom - at.rect.top), title_(Wide(title)), icon_(icon),
      background_(background) {
    const int dpi = WindowDpi(at.parent);
    const RECT& r = at.rect;
    Create(L"TwPanel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, title_, Scale(r.left, dpi),
           Scale(r.top, dpi), Scale(r.right - r.left, dpi), Scale(r.bottom - r.top, dpi), at.parent);
    if (at.layout) at.layout->Add(Handle(), r, at.anchors);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (RouteCommand(wParam, lParam)) return 0;
            // Commands of nested panels' controls travel up to the frame.
            return SendMessageW(GetParent(Handle()), message, wParam, lParam);
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (RouteNotify(lParam, result)) return result;
            return SendMessageW(GetParent(Handle()), message, wParam, lParam);
        }
        case WM_SIZE:
            layout_.Apply(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, InkColour(Ink::Surface, background_));
            if (CurrentPalette().HighContrast()) SetTextColor(dc, InkColour(Ink::Text, Rgb{}));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(InkBrush(Ink::Surface, background_));
        }
        default:
            return Default(message, wParam, lParam);
    }
}

void Panel::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    {
        BufferedPaint buffer(dc, client);
        FillRect(buffer.Dc(), &client, InkBrush(Ink::Surface, background_));
        if (!title_.empty()) {
            const int dpi = WindowDpi(Handle());
            const RECT band{0, 0, client.right, Scale(kTitleBandHeight, dpi)};
            PaintTitleBand(buffer.Dc(), band, title_, icon_, kPageBackground, dpi);
        }
    }
    EndPaint(Handle(), &ps);
}

}  // namespace tw::ui
