#include "ui/group_panel_win.h"

namespace tw::ui {
namespace {

Placement Whole(Panel& panel, const Placement& at) {
    return panel.At(0, 0, at.rect.right - at.rect.left, at.rect.bottom - at.rect.top, kAnchorFill);
}

}  // namespace

// The frame is the panel's first child; it lets clicks through to the
// controls above it and draws after them, as a group box in a dialog does.
GroupPanel::GroupPanel(const Placement& at, std::string_view caption)
    : Panel(at), frame_(Whole(*this, at), caption) {}

}  // namespace tw::ui
