#pragma once
#include <windows.h>

#include <memory>

#include "platform/win32/handles_win.h"
#include "privacy/privacy_clean.h"
#include "privacy/privacy_list.h"
#include "suite/module_window_win.h"
#include "ui/row_view_win.h"

namespace tw {

// The Privacy Protector window: the list of traces with "&Clean" (page 2).
class TfrmPrivacy : public ModuleWindow {
public:
    struct CleanPage {
        std::unique_ptr<ui::RowView> items;
        std::unique_ptr<ui::Button> help, clean;
    };
    static constexpr int kCleanPage = 2;

    explicit TfrmPrivacy(SuiteContext& context);

    // What the user reaches by clicks and keys, for tests.
    CleanPage& Controls() { return page_; }
    const PrivacyRows& Rows() const { return rows_; }
    // "&Clean": asks, then cleans the ticked items.
    void RunPrivacyClean();

protected:
    void SaveSettings() override;
    void OnDpiChanged(int dpi) override;

private:
    void BuildCleanPage();

    PrivacyRows rows_;
    PrivacyList list_{rows_};
    win32::UniqueImageList images_;
    CleanPage page_;
};

}  // namespace tw
