#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmRegistry : public ModuleWindow {
public:
    explicit TfrmRegistry(ShellContext& context) : ModuleWindow(Tool::RegistryCleaner, context) {}
};

}  // namespace tw
