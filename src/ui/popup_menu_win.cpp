#include "ui/popup_menu_win.h"

#include "platform/win32/handles_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

// A menu shows a bitmap, not an icon: draw the icon on a 32-bit bitmap with
// alpha so it blends with the menu's own background.
HBITMAP IconBitmap(HICON icon) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

void PopupMenu::Show(HWND owner, POINT screen) const {
    const win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    std::vector<win32::UniqueGdiObject<HBITMAP>> bitmaps;
    std::vector<std::wstring> captions;
    captions.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        captions.push_back(Wide(items_[i].caption));
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
        item.wID = static_cast<UINT>(i + 1);
        item.dwTypeData = captions.back().data();
        item.fState = items_[i].enabled ? MFS_ENABLED : MFS_DISABLED;
        if (items_[i].icon) {
            bitmaps.emplace_back(IconBitmap(items_[i].icon));
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = bitmaps.back().Get();
        }
        InsertMenuItemW(menu.Get(), static_cast<UINT>(i), TRUE, &item);
    }
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner, nullptr));
    if (chosen >= 1 && chosen <= items_.size() && items_[chosen - 1].onClick) items_[chosen - 1].onClick();
}

bool PopupMenu::Choose(std::string_view caption) const {
    for (const auto& item : items_) {
        if (item.caption == caption && item.enabled) {
            if (item.onClick) item.onClick();
            return true;
        }
    }
    return false;
}

}  // namespace tw::ui
