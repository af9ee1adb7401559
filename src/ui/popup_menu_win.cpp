#include "ui/popup_menu_win.h"

#include <utility>

#include "platform/win32/handles_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

// The icons of the menu being shown: only one menu is tracked at a time,
// and its owner asks for each picture by the item's data, an index here.
const std::vector<MenuItem>* g_shownItems = nullptr;

const MenuItem* ShownItem(ULONG_PTR data) {
    if (!g_shownItems || data == 0 || data > g_shownItems->size()) return nullptr;
    const MenuItem& item = (*g_shownItems)[data - 1];
    return item.icon ? &item : nullptr;
}

int IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 16;
    const win32::UniqueGdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(color ? color.Get() : mask.Get(), sizeof(bitmap), &bitmap);
    return bitmap.bmWidth > 0 ? bitmap.bmWidth : 16;
}

}  // namespace

bool DrawMenuPicture(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const MenuItem* item = measure->CtlType == ODT_MENU ? ShownItem(measure->itemData) : nullptr;
        if (!item) return false;
        measure->itemWidth = measure->itemHeight = static_cast<UINT>(IconSize(item->icon));
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const MenuItem* item = draw->CtlType == ODT_MENU ? ShownItem(draw->itemData) : nullptr;
        if (!item) return false;
        const int size = IconSize(item->icon);
        const RECT& r = draw->rcItem;
        DrawIconEx(draw->hDC, r.left, r.top + (r.bottom - r.top - size) / 2, item->icon, size, size, 0, nullptr,
                   DI_NORMAL);
        return true;
    }
    return false;
}

void PopupMenu::Show(HWND owner, POINT screen) const {
    const win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    // Pictures stand in the check-mark column, as in the shell's own menus.
    MENUINFO style{};
    style.cbSize = sizeof(style);
    style.fMask = MIM_STYLE;
    style.dwStyle = MNS_CHECKORBMP;
    SetMenuInfo(menu.Get(), &style);
    std::vector<std::wstring> captions;
    captions.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        captions.push_back(Wide(items_[i].caption));
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA;
        item.wID = static_cast<UINT>(i + 1);
        item.dwItemData = i + 1;
        item.dwTypeData = captions.back().data();
        item.fState = items_[i].enabled ? MFS_ENABLED : MFS_DISABLED;
        // The owner draws each picture with the icon's own alpha: a 32-bit
        // bitmap is blended by Windows, but shown as a black square by
        // Wine once the screen is above 96 DPI.
        if (items_[i].icon) {
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = HBMMENU_CALLBACK;
        }
        InsertMenuItemW(menu.Get(), static_cast<UINT>(i), TRUE, &item);
    }
    const std::vector<MenuItem>* outer = std::exchange(g_shownItems, &items_);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner, nullptr));
    g_shownItems = outer;
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
