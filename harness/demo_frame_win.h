#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "suite/artwork_win.h"
#include "ui/error_text.h"
#include "ui/panel_win.h"
#include "ui/wide_win.h"
#include "ui/window_win.h"

namespace tw {

// A top-level window of the harness holding one titled page that fills it;
// closing it ends the harness.
class DemoFrame : public ui::Window {
protected:
    DemoFrame(const wchar_t* className, std::string_view title, int width, int height) {
        Create(className, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, ui::Wide(kProductName), 60, 40,
               width + 20, height + 40, nullptr);
        panel_ = std::make_unique<ui::Panel>(Handle(), width, height, title, ProgramIcon(16));
        ShowWindow(panel_->Handle(), SW_SHOW);
    }
    // Once the page's controls are in place.
    void FitPage() {
        RECT client;
        GetClientRect(Handle(), &client);
        MoveWindow(panel_->Handle(), 0, 0, client.right, client.bottom, TRUE);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SIZE && panel_) {
            MoveWindow(panel_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return Default(message, wParam, lParam);
    }
    ui::Panel& Page() { return *panel_; }

private:
    std::unique_ptr<ui::Panel> panel_;
};

}  // namespace tw
