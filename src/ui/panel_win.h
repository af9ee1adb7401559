#pragma once
#include <windows.h>

#include <string>

#include "ui/color.h"
#include "ui/controls_win.h"
#include "ui/layout_win.h"
#include "ui/painting_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// A page or any container of controls: the page colour, an optional title
// band, an anchor layout re-run on every size change, and routing of its
// controls' notifications. Tab and mnemonics reach into it (control parent).
class Panel : public Window {
public:
    Panel(HWND parent, int designWidth, int designHeight, std::string_view title = {}, HICON icon = nullptr,
          Rgb background = kPageBackground);
    // A panel inside another, placed and anchored like a control and shown
    // at once; its own design size is the placement's.
    explicit Panel(const Placement& at, std::string_view title = {}, HICON icon = nullptr,
                   Rgb background = kPageBackground);

    Layout& GetLayout() { return layout_; }
    Placement At(int left, int top, int right, int bottom, Anchors anchors = kAnchorTopLeft) {
        return {Handle(), &layout_, RECT{left, top, right, bottom}, anchors};
    }
    // Where content may start below the title band (96-DPI units).
    int ContentTop() const { return title_.empty() ? 0 : kTitleBandHeight; }
    const std::wstring& Title() const { return title_; }
    void Relayout() { layout_.Apply(Handle()); }
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon) { icon_ = icon; InvalidateRect(Handle(), nullptr, FALSE); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    Layout layout_;
    std::wstring title_;
    HICON icon_;
    Rgb background_;
};

}  // namespace tw::ui
