#pragma once
#include <functional>
#include <string>

#include "services/run_progress.h"

namespace tw::test {

// Stands in for the window: counts the message pumps, and runs a script at
// a chosen pump (or at every pump, for atPump 0), as a click on "&Stop" or a
// close would arrive there.
class ScriptedProgress final : public RunProgress {
public:
    void LetMessagesRun() override {
        ++pumps;
        if ((atPump == 0 || pumps == atPump) && script) script();
    }
    void ShowStatus(std::string_view text) override { status = text; }
    bool StopRequested() const override { return stop; }

    int pumps = 0;
    int atPump = -1;
    std::function<void()> script;
    bool stop = false;
    std::string status;
};

}  // namespace tw::test
