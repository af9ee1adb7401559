#pragma once
#include <windows.h>

#include <functional>

#include "ui/window_win.h"

namespace tw {

// Looks at a window in the middle of a run: Post() queues a message whose
// handling calls `look`, so it runs at the first point where the run lets
// messages flow.
class MessageProbe final : public ui::Window {
public:
    explicit MessageProbe(std::function<void()> look) : look_(std::move(look)) {
        Create(L"TwMessageProbe", WS_POPUP, 0, L"", 0, 0, 1, 1, nullptr);
    }
    void Post() { PostMessageW(Handle(), WM_APP, 0, 0); }
    int Looks() const { return looks_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP) return Default(message, wParam, lParam);
        ++looks_;
        look_();
        return 0;
    }

private:
    std::function<void()> look_;
    int looks_ = 0;
};

}  // namespace tw
