#pragma once
#include <memory>

#include "ui/window_win.h"

namespace tw {

// The toolkit's controls for the coming tools, in the shapes those tools
// use: tabs whose pages hold choice groups (radio buttons, a drop-down list,
// a number box), a Start/Stop button with a status line that a timer
// animates, and a list with icons in its Status column.
std::unique_ptr<ui::Window> CreateControlsDemo();

}  // namespace tw
