#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmStartup : public ModuleWindow {
public:
    explicit TfrmStartup(ShellContext& context) : ModuleWindow(Tool::StartupManager, context) {}
};

}  // namespace tw
