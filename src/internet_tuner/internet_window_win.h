#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmInternet : public ModuleWindow {
public:
    explicit TfrmInternet(ShellContext& context) : ModuleWindow(Tool::InternetTuner, context) {}
};

}  // namespace tw
