#include "ui/picture_win.h"

#include "ui/painting_win.h"
#include "ui/theme_win.h"

namespace tw::ui {

Picture::Picture(const Placement& at, const Args& args)
    : icon_(args.icon), iconSize96_(args.iconSize96), background_(args.background) {
    const int dpi = WindowDpi(at.parent);
    const RECT& r = at.rect;
    Create(L"TwPicture", WS_CHILD | WS_VISIBLE, 0, L"", Scale(r.left, dpi), Scale(r.top, dpi),
           Scale(r.right - r.left, dpi), Scale(r.bottom - r.top, dpi), at.parent);
    if (at.layout) at.layout->Add(Handle(), r, at.anchors);
}

LRESULT Picture::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return Default(message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, InkBrush(Ink::Surface, background_));
    const int size = Scale(iconSize96_, WindowDpi(Handle()));
    if (icon_)
        DrawIconEx(dc, (client.right - size) / 2, (client.bottom - size) / 2, icon_, size, size, 0, nullptr, DI_NORMAL);
    EndPaint(Handle(), &ps);
    return 0;
}

}  // namespace tw::ui
