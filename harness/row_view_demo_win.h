#pragma once
#include <memory>

#include "suite/suite_context.h"
#include "ui/window_win.h"

namespace tw {

// A window with one tree and one flat list of the row view, with checks,
// a mixed group and icons.
std::unique_ptr<ui::Window> CreateRowViewDemo();

}  // namespace tw
