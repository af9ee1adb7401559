#pragma once
#include <string_view>

#include "services/run_progress.h"
#include "ui/controls_win.h"
#include "ui/throttled_pump_win.h"

namespace tw::ui {

// The progress of a run in a window: messages run at most about once a
// frame, the status goes to the run's label (if it has one), and a stop is
// asked for by the window (a Stop button, a close the user confirmed).
class WindowProgress final : public RunProgress {
public:
    void LetMessagesRun() override { pump_(); }
    void ShowStatus(std::string_view text) override {
        if (!status_) return;
        status_->SetText(text);
        status_->Show(true);
    }
    void HideStatus() override {
        if (status_) status_->Show(false);
    }
    bool StopRequested() const override { return stop_; }

    // A new run starts unstopped, and its first call lets messages run.
    void Begin(Control* status) {
        status_ = status;
        stop_ = false;
        pump_ = ThrottledPump();
    }
    void End() { status_ = nullptr; }
    void RequestStop() { stop_ = true; }

private:
    ThrottledPump pump_;
    Control* status_ = nullptr;
    bool stop_ = false;
};

}  // namespace tw::ui
