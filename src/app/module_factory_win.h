#pragma once
#include <memory>

#include "suite/module_window_win.h"

namespace tw {

// Creates the window of a tool: the one place that knows every tool class.
std::unique_ptr<ModuleWindow> CreateModuleWindow(Tool tool, SuiteContext& context);

}  // namespace tw
