#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmHistory : public ModuleWindow {
public:
    explicit TfrmHistory(ShellContext& context) : ModuleWindow(Tool::HistoryCleaner, context) {}
};

}  // namespace tw
