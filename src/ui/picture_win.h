#pragma once
#include <windows.h>

#include "ui/color.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// Shows one icon, centred, on a background colour; the icon is not owned.
class Picture : public Window {
public:
    struct Args {
        HICON icon = nullptr;
        // Drawn this big at 96 DPI, scaled with the window.
        int iconSize96 = 0;
        Rgb background = kPageBackground;
    };
    Picture(const Placement& at, const Args& args);
    void SetIcon(HICON icon) { icon_ = icon; InvalidateRect(Handle(), nullptr, FALSE); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HICON icon_;
    int iconSize96_;
    Rgb background_;
};

}  // namespace tw::ui
