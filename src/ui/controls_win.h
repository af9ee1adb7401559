#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/layout_win.h"

namespace tw::ui {

// Where a control goes: its parent, its rectangle in 96-DPI units within the
// parent's layout, and how it follows the parent's size.
struct Placement {
    HWND parent = nullptr;
    Layout* layout = nullptr;
    RECT rect{};
    Anchors anchors = kAnchorTopLeft;
};

// A small typed owner of one standard control. The parent window routes
// WM_COMMAND and WM_NOTIFY to it through FromHandle.
class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return hwnd_; }
    static Control* FromHandle(HWND hwnd);

    void SetText(std::string_view text);
    std::string Text() const;
    // Virtual: a control made of several windows enables and shows them all.
    virtual void Enable(bool enabled) { EnableWindow(hwnd_, enabled); }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    virtual void Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Focus() { SetFocus(hwnd_); }

    virtual void OnCommand(WORD) {}
    virtual LRESULT OnNotify(NMHDR*) { return 0; }

protected:
    void CreateControl(const Placement& at, const wchar_t* className, DWORD style, DWORD exStyle,
                       std::string_view text);

private:
    HWND hwnd_ = nullptr;
};

// Each control takes its arguments as a struct of named, defaulted fields, so
// that a call says what every value means; Make below saves repeating the type.
// The texts are read while the control is made and not kept.

class Button : public Control {
public:
    struct Args {
        std::string_view caption;
        // Drawn as the button Enter presses.
        bool isDefault = false;
    };
    Button(const Placement& at, const Args& args);
    std::function<void()> onClick;
    void Click() { if (onClick && Enabled()) onClick(); }
    void OnCommand(WORD code) override { if (code == BN_CLICKED) Click(); }
};

class CheckBox : public Control {
public:
    struct Args {
        std::string_view caption;
    };
    CheckBox(const Placement& at, const Args& args);
    bool Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) { SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
    std::function<void()> onChange;
    void OnCommand(WORD code) override { if (code == BN_CLICKED && onChange) onChange(); }
};

class RadioButton : public Control {
public:
    struct Args {
        std::string_view caption;
        // Starts a new group for arrow keys, and is the group's Tab stop.
        bool firstOfGroup = false;
    };
    RadioButton(const Placement& at, const Args& args);
    bool Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) { SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
    std::function<void()> onChange;
    void OnCommand(WORD code) override { if (code == BN_CLICKED && onChange) onChange(); }
};

class Label : public Control {
public:
    struct Args {
        std::string_view text;
        // One line, centred between the top and the bottom, beside a taller
        // control on the same row.
        bool centerVertically = false;
    };
    Label(const Placement& at, const Args& args);
};

class Edit : public Control {
public:
    struct Args {
        std::string_view text;
        // Starts a new group for arrow keys, ending the radio buttons before it.
        bool firstOfGroup = false;
        // Typed letters are refused (pasted ones are not).
        bool numbersOnly = false;
    };
    Edit(const Placement& at, const Args& args);
    std::function<void()> onChange;
    void OnCommand(WORD code) override { if (code == EN_CHANGE && onChange) onChange(); }
};

class ProgressBar : public Control {
public:
    explicit ProgressBar(const Placement& at);
    void SetRange(int maximum) { SendMessageW(Handle(), PBM_SETRANGE32, 0, maximum); }
    void SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, position, 0); }
};

// Make<Button>(at, {.caption = "&Next", .isDefault = true}): the braces name
// the control's Args without spelling out their type.
template <class C>
std::unique_ptr<C> Make(const Placement& at, const typename C::Args& args) {
    return std::make_unique<C>(at, args);
}

// Registers the common-control classes a control needs, once per process
// (ICC_TAB_CLASSES, ICC_UPDOWN_CLASS...).
void UseCommonControls(DWORD classes);

// Routes a WM_COMMAND or WM_NOTIFY that a container received to the control
// that sent it. True when a control took it.
bool RouteCommand(WPARAM wParam, LPARAM lParam);
bool RouteNotify(LPARAM lParam, LRESULT& result);

}  // namespace tw::ui
