#include "ui/timer_win.h"

namespace tw::ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Timer::Timer(HWND owner, std::chrono::milliseconds interval) : interval_(static_cast<UINT>(interval.count())) {
    Create(L"TwTimer", WS_CHILD, 0, L"", 0, 0, 0, 0, owner, 0);
}

void Timer::Start() {
    if (!Handle()) return;
    running_ = SetTimer(Handle(), kTimerId, interval_, nullptr) != 0;
}

void Timer::Stop() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    running_ = false;
}

LRESULT Timer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A tick already queued when the timer was stopped is not delivered.
    if (message == WM_TIMER && wParam == kTimerId) {
        if (!running_ || !onTick) return 0;
        try {
            onTick();
        } catch (...) {
            // The error box's own loop would go on ticking and stack one box
            // on another: a failed tick stops its timer, then goes to the
            // error handler as any other.
            Stop();
            throw;
        }
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace tw::ui
