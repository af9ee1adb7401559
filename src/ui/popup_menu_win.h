#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tw::ui {

struct MenuItem {
    std::string caption;  // "&" marks the mnemonic
    std::function<void()> onClick;
    HICON icon = nullptr;  // not owned; drawn at its own size (16 x 16 at 96 DPI)
    bool enabled = true;
};

// A context menu shown at a screen point; the chosen item's callback runs
// after the menu has closed. Tests call Choose() instead of showing it.
class PopupMenu {
public:
    explicit PopupMenu(std::vector<MenuItem> items) : items_(std::move(items)) {}
    void Show(HWND owner, POINT screen) const;
    // Runs the item with this caption as a click would; false if absent.
    bool Choose(std::string_view caption) const;
    const std::vector<MenuItem>& Items() const { return items_; }

private:
    std::vector<MenuItem> items_;
};

// The owner's part of showing a menu's pictures: every window answers
// WM_MEASUREITEM and WM_DRAWITEM of a shown menu's icons through this (true
// when it was one).
bool DrawMenuPicture(UINT message, LPARAM lParam);

}  // namespace tw::ui
