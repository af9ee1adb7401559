#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmTweak : public ModuleWindow {
public:
    explicit TfrmTweak(ShellContext& context) : ModuleWindow(Tool::FileSplitter, context) {}
};

}  // namespace tw
