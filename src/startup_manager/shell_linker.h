#pragma once
#include <string_view>

#include "platform/shell.h"

namespace tw {

// A plain shortcut folder\name.lnk to `target`: normal window, no hot key,
// the target's own first icon, started in the target's folder.
bool CreateStartupShortcut(Shell& shell, std::string_view name, std::string_view folder, std::string_view target,
                           std::string_view description, std::string_view arguments);

}  // namespace tw
