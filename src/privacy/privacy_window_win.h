#pragma once
#include "shell/module_window_win.h"

namespace tw {

class TfrmPrivacy : public ModuleWindow {
public:
    explicit TfrmPrivacy(ShellContext& context) : ModuleWindow(Tool::PrivacyProtector, context) {}
};

}  // namespace tw
