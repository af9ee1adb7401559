#pragma once
#include <windows.h>

#include "ui/message_loop_win.h"

namespace tw::ui {

// Lets the window's messages run at most about once a frame. A look at the
// message queue costs a round trip to the window system, which between the
// 61440-byte chunks of a copy would cost more than the copy itself.
class ThrottledPump {
public:
    void operator()() {
        const ULONGLONG now = GetTickCount64();
        if (now < next_) return;
        next_ = now + kIntervalMs;
        PumpMessages();
    }

private:
    static constexpr ULONGLONG kIntervalMs = 15;
    ULONGLONG next_ = 0;
};

}  // namespace tw::ui
