#pragma once
#include <windows.h>

#include <string_view>

#include "ui/controls_win.h"
#include "ui/panel_win.h"

namespace tw::ui {

// A group box that holds its controls: placed and anchored like a control,
// its controls placed within it (At) and following its size, so a group
// repeated on several pages is built by one function at any place.
class GroupPanel : public Panel {
public:
    GroupPanel(const Placement& at, std::string_view caption);
    GroupBox& Frame() { return frame_; }

private:
    GroupBox frame_;
};

}  // namespace tw::ui
