#pragma once
#include <string_view>

#include "services/run_progress.h"
#include "ui/row_view_win.h"

namespace tw::ui {

// The progress of a run that adds or removes a list's rows as it goes: each
// time the window's messages are about to run, the list first learns of the
// change, so nothing it paints or hit-tests names a row that is gone.
class RowViewProgress final : public RunProgress {
public:
    RowViewProgress(RunProgress& inner, RowView& view) : inner_(inner), view_(view) {}
    void LetMessagesRun() override {
        view_.RowsChanged();
        inner_.LetMessagesRun();
    }
    void ShowStatus(std::string_view text) override { inner_.ShowStatus(text); }
    void HideStatus() override { inner_.HideStatus(); }
    bool StopRequested() const override { return inner_.StopRequested(); }

private:
    RunProgress& inner_;
    RowView& view_;
};

}  // namespace tw::ui
