#pragma once
#include <functional>
#include <optional>
#include <string>

#include "services/run_progress.h"

namespace tw::test {

// Stands in for the window: counts the message pumps, and runs a script at
// a chosen pump (or at every pump, for atPump 0), as a click on "&Stop" or a
// close would arrive there. Keeps the status text (nullopt while hidden)
// and tells onStatus of each change.
class ScriptedProgress final : public RunProgress {
public:
    void LetMessagesRun() override {
        ++pumps;
        if ((atPump == 0 || pumps == atPump) && script) script();
    }
    void ShowStatus(std::string_view text) override { SetStatus(std::string(text)); }
    void HideStatus() override { SetStatus(std::nullopt); }
    bool StopRequested() const override { return stop; }

    int pumps = 0;
    int atPump = -1;
    std::function<void()> script;
    bool stop = false;
    std::optional<std::string> status;
    std::function<void(const std::optional<std::string>&)> onStatus;

private:
    void SetStatus(std::optional<std::string> text) {
        status = std::move(text);
        if (onStatus) onStatus(status);
    }
};

}  // namespace tw::test
