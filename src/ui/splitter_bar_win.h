#pragma once
#include <windows.h>

#include <functional>

#include "ui/window_win.h"

namespace tw::ui {

// A vertical bar the user drags to set the left column's width, kept
// between a minimum and a maximum (96-DPI units).
class SplitterBar : public Window {
public:
    SplitterBar(HWND parent, int minimum, int maximum);
    // Reports the new column width in 96-DPI units.
    std::function<void(int)> onMoved;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int minimum_, maximum_;
    bool dragging_ = false;
};

}  // namespace tw::ui
