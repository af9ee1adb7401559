#pragma once
#include <windows.h>

#include <chrono>
#include <functional>

#include "ui/window_win.h"

namespace tw::ui {

// A repeating timer that belongs to a window: it ticks on the UI thread
// while started and dies with its window (or with itself, whichever goes
// first), so no tool window handles WM_TIMER or keeps timer ids. It lives
// in a hidden child of the owner, which Windows destroys with the owner.
class Timer : public Window {
public:
    Timer(HWND owner, std::chrono::milliseconds interval);

    // A tick that throws stops the timer; the error reaches the error handler.
    std::function<void()> onTick;
    // Starting a started timer begins its interval anew.
    void Start();
    void Stop();
    bool Running() const { return running_ && Handle(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT interval_;
    bool running_ = false;
};

}  // namespace tw::ui
