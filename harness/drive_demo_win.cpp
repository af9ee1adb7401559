#include "drive_demo_win.h"

#include "demo_machine_win.h"
#include "drive_cleaner/drive_window_win.h"

namespace tw {

DriveDemo::DriveDemo(SuiteContext& shared, View view)
    : machine_(std::make_unique<DemoMachine>()), settings_(std::make_unique<SettingsStore>(machine_->registry)) {
    RestoreDefaultJunkFileTypes(*settings_);
    context_ = std::make_unique<SuiteContext>(
        SuiteContext{machine_->Bundle(), *settings_, shared.prompter, shared.pickers, shared.random, shared.showHelp});
    window_ = std::make_unique<TfrmDrive>(*context_);
    const int page = view == View::Drives   ? TfrmDrive::kDrivePage
                     : view == View::Search ? TfrmDrive::kSearchPage
                                            : TfrmDrive::kOptionsPage;
    window_->Open(page);
    if (view == View::Search) window_->SearchControls().start->Click();
}

DriveDemo::~DriveDemo() = default;

HWND DriveDemo::Handle() const { return window_->Handle(); }

void DriveDemo::RunAddDialog() { window_->AddClick(); }

}  // namespace tw
