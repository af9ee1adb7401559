#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/wide_win.h"

namespace tw::test {

// Reads the items of each context menu this thread shows, as it appears on
// the screen, and closes it as a click elsewhere would: the real menu loop
// runs and returns, and no test waits for a click. Given an item's place
// (1 for the first), it chooses that item instead, with the keys a user
// would press.
class MenuWatch {
public:
    explicit MenuWatch(int choose = 0)
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId())) {
        shown_.clear();
        choose_ = choose;
    }
    ~MenuWatch() { UnhookWindowsHookEx(hook_); }
    MenuWatch(const MenuWatch&) = delete;
    MenuWatch& operator=(const MenuWatch&) = delete;

    // The captions of every menu shown so far, one list a menu.
    const std::vector<std::vector<std::string>>& Shown() const { return shown_; }

private:
    static bool IsMenuWindow(HWND window) {
        wchar_t name[8] = {};
        GetClassNameW(window, name, 8);
        return std::wstring(name) == L"#32768";
    }

    static std::vector<std::string> Captions(HMENU menu) {
        std::vector<std::string> captions;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            captions.push_back(ui::Narrow(text));
        }
        return captions;
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED && IsMenuWindow(sent->hwnd) &&
            (reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_SHOWWINDOW)) {
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(sent->hwnd, MN_GETHMENU, 0, 0));
            shown_.push_back(Captions(menu));
            if (choose_ == 0) EndMenu();
            for (int down = 0; down < choose_; ++down) PostMessageW(sent->hwnd, WM_KEYDOWN, VK_DOWN, 0);
            if (choose_ > 0) PostMessageW(sent->hwnd, WM_KEYDOWN, VK_RETURN, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<std::vector<std::string>> shown_;
    static inline int choose_ = 0;
    HHOOK hook_;
};

}  // namespace tw::test
