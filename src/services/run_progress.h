#pragma once
#include <string_view>

namespace tw {

// What a long run on the UI thread may ask of the window it runs in: let
// the window's messages run (repaints, a held close, a Stop click), show or
// hide a status text, and learn whether the user asked it to stop. The
// window gives the real one; tests give one of their own.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    virtual void LetMessagesRun() = 0;
    virtual void ShowStatus(std::string_view text) = 0;
    // The status line goes away until the next ShowStatus.
    virtual void HideStatus() = 0;
    virtual bool StopRequested() const = 0;
};

// A run with no window to keep responsive and nowhere to show a status.
class NoProgress final : public RunProgress {
public:
    void LetMessagesRun() override {}
    void ShowStatus(std::string_view) override {}
    void HideStatus() override {}
    bool StopRequested() const override { return false; }
};

}  // namespace tw
