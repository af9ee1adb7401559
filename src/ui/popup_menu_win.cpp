#include "ui/popup_menu_win.h"

#include <cstdint>

#include "platform/win32/handles_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

// The icon's pixels as 32-bit BGRA, top row first, and its width; empty
// when it has no colour bitmap.
std::vector<std::uint32_t> IconPixels(HICON icon, int& size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    const win32::UniqueGdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    if (!color || !GetObjectW(color.Get(), sizeof(bitmap), &bitmap)) return {};
    size = bitmap.bmWidth;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, color.Get(), 0, size, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size) return {};
    return pixels;
}

// A menu shows a bitmap, not an icon, and since Windows Vista it blends a
// 32-bit DIB section by its alpha, taken as premultiplied. The icon's own
// straight-alpha pixels are premultiplied here rather than drawn with
// DrawIconEx, which leaves the alpha channel empty under Wine (and then
// the menu shows a black square).
HBITMAP IconBitmap(HICON icon) {
    int size = 0;
    std::vector<std::uint32_t> pixels = IconPixels(icon, size);
    if (pixels.empty()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t p = pixels[i], alpha = p >> 24;
        auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * alpha + 127) / 255 << shift; };
        out[i] = alpha << 24 | channel(16) | channel(8) | channel(0);
    }
    return bitmap;
}

}  // namespace

void PopupMenu::Show(HWND owner, POINT screen) const {
    const win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    // Pictures stand in the check-mark column, as in the shell's own menus,
    // so every caption starts at the same place after them.
    MENUINFO style{};
    style.cbSize = sizeof(style);
    style.fMask = MIM_STYLE;
    style.dwStyle = MNS_CHECKORBMP;
    SetMenuInfo(menu.Get(), &style);
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
