#pragma once
#include <functional>
#include <string_view>

#include "platform/pickers.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "services/prompter.h"
#include "suite/settings_store.h"

namespace tw {

// What every window of the program is handed by the application: the OS,
// the settings, the prompter and help. Tests hand in the memory platform
// and a scripted prompter.
struct SuiteContext {
    Platform platform;
    SettingsStore& settings;
    Prompter& prompter;
    Pickers& pickers;
    RandomSource& random;
    // Shows a help topic such as "registry2"; owner is the asking window.
    std::function<void(OwnerWindow owner, std::string_view topic)> showHelp;
};

}  // namespace tw
