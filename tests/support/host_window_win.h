#pragma once
#include <windows.h>

#include <memory>

#include "ui/panel_win.h"
#include "ui/window_win.h"

namespace tw {

// A shown top-level window holding one page-coloured panel, as a tool page
// does: controls under test go on the panel.
class HostWindow final : public ui::Window {
public:
    explicit HostWindow(int width = 400, int height = 300) {
        Create(L"TwTestHost", WS_POPUP | WS_VISIBLE, 0, L"host", 0, 0, width, height, nullptr);
        panel = std::make_unique<ui::Panel>(Handle(), width, height);
        MoveWindow(panel->Handle(), 0, 0, width, height, FALSE);
        ShowWindow(panel->Handle(), SW_SHOW);
    }
    std::unique_ptr<ui::Panel> panel;
};

}  // namespace tw
