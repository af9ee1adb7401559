#include "ui/timer_win.h"

#include <chrono>
#include <functional>

#include "support/host_window_win.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

using namespace std::chrono_literals;

// Lets messages run until the condition holds or the time is up; true when
// it held.
bool RunMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= 0ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return true;
}

using TimerTest = UiTest;

TEST_F(TimerTest, TicksWhileStartedAndStopsWithItsWindow) {
    HostWindow host;
    ui::Timer timer(host.panel->Handle(), 10ms);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    EXPECT_FALSE(RunMessagesUntil([&] { return ticks > 0; }, 60ms));  // not started yet

    timer.Start();
    EXPECT_TRUE(timer.Running());
    ASSERT_TRUE(RunMessagesUntil([&] { return ticks >= 3; }, 2s));
    timer.Stop();
    const int stoppedAt = ticks;
    EXPECT_FALSE(RunMessagesUntil([&] { return ticks > stoppedAt; }, 60ms));

    timer.Start();
    ASSERT_TRUE(RunMessagesUntil([&] { return ticks > stoppedAt; }, 2s));
    host.panel.reset();  // the window goes, and the timer with it
    EXPECT_FALSE(timer.Running());
    const int closedAt = ticks;
    EXPECT_FALSE(RunMessagesUntil([&] { return ticks > closedAt; }, 60ms));
    timer.Start();  // a timer whose window is gone stays still
    EXPECT_FALSE(timer.Running());
}

}  // namespace
}  // namespace tw
