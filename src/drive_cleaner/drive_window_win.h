#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmDrive : public ModuleWindow {
public:
    explicit TfrmDrive(ShellContext& context) : ModuleWindow(Tool::DriveCleaner, context) {}
};

}  // namespace tw
