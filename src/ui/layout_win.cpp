#include "ui/layout_win.h"

#include "ui/window_win.h"

namespace tw::ui {
namespace {

// One axis: the near and far edge of a control for the container's extent.
void PlaceAxis(long nearEdge, long farEdge, int design, bool keepNear, bool keepFar, int extent, int dpi, int& start,
               int& length) {
    const int size = Scale(farEdge - nearEdge, dpi);
    const int nearGap = Scale(nearEdge, dpi);
    const int farGap = Scale(design - farEdge, dpi);
    if (keepNear && keepFar) {
        start = nearGap;
        length = std::max(0, extent - nearGap - farGap);
    } else if (keepFar) {
        start = extent - farGap - size;
        length = size;
    } else {
        start = nearGap;
        length = size;
    }
}

}  // namespace

void Layout::Apply(HWND container) const {
    RECT client;
    GetClientRect(container, &client);
    const int dpi = WindowDpi(container);
    const int width = std::max<int>(client.right, Scale(designWidth_, dpi) / 2);
    const int height = std::max<int>(client.bottom, Scale(designHeight_, dpi) / 2);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const auto& item : items_) {
        int x, y, w, h;
        PlaceAxis(item.rect.left, item.rect.right, designWidth_, item.anchors.left, item.anchors.right, width, dpi, x, w);
        PlaceAxis(item.rect.top, item.rect.bottom, designHeight_, item.anchors.top, item.anchors.bottom, height, dpi, y, h);
        if (batch) batch = DeferWindowPos(batch, item.control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) EndDeferWindowPos(batch);
}

}  // namespace tw::ui
