#pragma once
#include <windows.h>

#include <functional>
#include <string_view>

#include <memory>

#include "ui/controls_win.h"
#include "ui/panel_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// A modal box of the program's own: centred over its owner, the owner
// disabled while it shows, a message loop of its own, Esc closing it and
// Enter pressing its default button. It is created once and hidden (not
// destroyed) when closed, so it can be shown again.
class Dialog : public Window {
public:
    // Runs the moment any dialog has been shown, before its loop: a test
    // fills the fields and presses the buttons through it, as a user would.
    using ShowHook = std::function<void(Dialog&)>;
    static void SetShowHook(ShowHook hook);

    // Returns once the box has been closed.
    void ShowModal(HWND owner);
    void Dismiss();
    bool IsShowing() const { return IsWindowVisible(Handle()) != FALSE; }

    bool PreviewKey(const MSG& msg) override;

protected:
    // Creates the box for a client area of the given size in 96-DPI units.
    void CreateBox(const wchar_t* className, std::string_view title, int clientWidth, int clientHeight);
    // The same, filled by a page with its title band, which holds the
    // box's controls; the box keeps it.
    Panel& CreateBoxWithBody(const wchar_t* className, std::string_view title, int clientWidth, int clientHeight,
                             std::string_view heading, HICON icon = nullptr);
    // Enter presses it, unless another button has the focus (dialog
    // navigation sends IDOK); it has the focus when the box opens.
    void SetDefaultButton(Button& button) { default_ = &button; }
    // A box that asks for typing opens with the caret in its first field
    // instead; Enter there still presses the default button.
    void SetFirstFocus(Control& control) { firstFocus_ = &control; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND owner_ = nullptr;
    std::unique_ptr<Panel> body_;
    Button* default_ = nullptr;
    Control* firstFocus_ = nullptr;
};

}  // namespace tw::ui
