#pragma once
#include <windows.h>

#include <string_view>

#include "ui/controls_win.h"
#include "ui/panel_win.h"

namespace tw::ui {

// A group box that paints its own frame and caption. The system's group box
// cuts its caption's gap in the frame to the advance widths of the text, and
// the frame then covers whatever ink a last glyph draws beyond them (the
// right stroke of the "U" of "MTU"); this one leaves the ink room.
class GroupBox : public Control {
public:
    GroupBox(const Placement& at, std::string_view caption);
};

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
