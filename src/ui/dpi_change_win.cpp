#include "ui/dpi_change_win.h"

#include <cstdint>

#include "ui/fonts_win.h"

namespace tw::ui {
namespace {

constexpr wchar_t kDpiProperty[] = L"TwWindowDpi";

BOOL CALLBACK RefontChild(HWND child, LPARAM dpi) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    if (const HFONT scaled = font ? SameFontAtDpi(font, static_cast<int>(dpi)) : nullptr; scaled && scaled != font)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
    return TRUE;
}

}  // namespace

int RecordedDpi(HWND hwnd) {
    const HWND top = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    return top ? static_cast<int>(reinterpret_cast<std::intptr_t>(GetPropW(top, kDpiProperty))) : 0;
}

void ApplyDpiChange(HWND top, WPARAM wParam, const RECT& suggested) {
    const int dpi = HIWORD(wParam);
    if (dpi <= 0) return;
    SetPropW(top, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(dpi)));
    EnumChildWindows(top, RefontChild, dpi);
    SetWindowPos(top, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tw::ui
