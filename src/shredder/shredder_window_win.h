#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmShredder : public ModuleWindow {
public:
    explicit TfrmShredder(ShellContext& context) : ModuleWindow(Tool::FileShredder, context) {}
};

}  // namespace tw
