#pragma once
#include <windows.h>

#include <vector>

namespace tw::ui {

// Which edges of its container a control keeps its distance to. Left and
// right together stretch it; right alone moves it.
struct Anchors {
    bool left = true, top = true, right = false, bottom = false;
};
inline constexpr Anchors kAnchorTopLeft{};
inline constexpr Anchors kAnchorTopStretch{true, true, true, false};
inline constexpr Anchors kAnchorFill{true, true, true, true};
inline constexpr Anchors kAnchorBottomRight{false, false, true, true};
inline constexpr Anchors kAnchorBottomLeft{true, false, false, true};
inline constexpr Anchors kAnchorBottomStretch{true, false, true, true};
// Buttons beside a field or a status line keep to the right edge.
inline constexpr Anchors kAnchorTopRight{false, true, true, false};

// Rectangles in 96-DPI units within a container of a given design size;
// Apply places every control for the container's current size and DPI.
class Layout {
public:
    Layout(int designWidth, int designHeight) : designWidth_(designWidth), designHeight_(designHeight) {}
    void Add(HWND control, RECT rect96, Anchors anchors) { items_.push_back({control, rect96, anchors}); }
    void Apply(HWND container) const;

private:
    struct Item {
        HWND control;
        RECT rect;
        Anchors anchors;
    };
    int designWidth_, designHeight_;
    std::vector<Item> items_;
};

}  // namespace tw::ui
