#include "app/module_factory_win.h"

#include "drive_cleaner/drive_window_win.h"
#include "history_cleaner/history_window_win.h"
#include "internet_tuner/internet_window_win.h"
#include "privacy/privacy_window_win.h"
#include "registry_cleaner/registry_window_win.h"
#include "shredder/shredder_window_win.h"
#include "splitter/splitter_window_win.h"
#include "startup_manager/startup_window_win.h"

namespace tw {

std::unique_ptr<ModuleWindow> CreateModuleWindow(Tool tool, SuiteContext& context) {
    switch (tool) {
        case Tool::RegistryCleaner: return std::make_unique<TfrmRegistry>(context);
        case Tool::DriveCleaner: return std::make_unique<TfrmDrive>(context);
        case Tool::StartupManager: return std::make_unique<TfrmStartup>(context);
        case Tool::InternetTuner: return std::make_unique<TfrmInternet>(context);
        case Tool::HistoryCleaner: return std::make_unique<TfrmHistory>(context);
        case Tool::PrivacyProtector: return std::make_unique<TfrmPrivacy>(context);
        case Tool::FileShredder: return std::make_unique<TfrmShredder>(context);
        case Tool::FileSplitter: return std::make_unique<TfrmTweak>(context);
    }
    return nullptr;
}

}  // namespace tw
