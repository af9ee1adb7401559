#pragma once
#include <functional>
#include <string_view>

namespace tw {

// What a long run on the UI thread may ask of the window it runs in: let
// the window's messages run (repaints, a held close, a Stop click), show a
// status text, and learn whether the user asked it to stop. The window
// gives the real one; tests give one of their own.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    virtual void LetMessagesRun() = 0;
    virtual void ShowStatus(std::string_view text) = 0;
    virtual bool StopRequested() const = 0;

    // LetMessagesRun as the pump the file tools' loops call.
    std::function<void()> Pump() {
        return [this] { LetMessagesRun(); };
    }
};

}  // namespace tw
