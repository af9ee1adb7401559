#pragma once
#include <windows.h>

#include <windowsx.h>

#include <chrono>
#include <memory>

#include "suite/module_window_win.h"
#include "ui/popup_menu_win.h"
#include "ui/timer_win.h"

namespace tw {

// A tool window with one working page of two fields and a default button,
// a context menu and a timer, whose handlers a test sets: the paths by
// which a user's key, click, menu choice or a tick reach a handler.
class WorkTool final : public ModuleWindow {
public:
    static constexpr int kWorkPage = 2;

    explicit WorkTool(SuiteContext& context) : ModuleWindow(Tool::DriveCleaner, context) {
        ui::Panel& page = AddPage(kWorkPage, "Work");
        field = ui::Make<ui::Edit>(page.At(16, 46, 300, 68), {});
        second = ui::Make<ui::Edit>(page.At(16, 76, 300, 98), {});
        action = ui::Make<ui::Button>(page.At(488, 500, 574, 526), {.caption = "&Go", .isDefault = true});
        SetDefaultButton(kWorkPage, *action);
    }
    std::unique_ptr<ui::Edit> field, second;
    std::unique_ptr<ui::Button> action;
    std::function<void()> onMenuItem;
    ui::Timer ticker{Handle(), std::chrono::milliseconds(10)};
    bool failOnClose = false;

protected:
    // Not even a std::exception: the close must survive anything.
    void SaveSettings() override {
        if (failOnClose) throw 42;
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CONTEXTMENU) return ModuleWindow::HandleMessage(message, wParam, lParam);
        const ui::PopupMenu menu({{"&Item", [this] { if (onMenuItem) onMenuItem(); }}});
        menu.Show(Handle(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
};

}  // namespace tw
