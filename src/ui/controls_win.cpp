#include <stdexcept>

#include "ui/controls_win.h"

#include <commctrl.h>

#include "ui/accessible_win.h"
#include "ui/fonts_win.h"
#include "ui/wide_win.h"
#include "ui/window_win.h"

namespace tw::ui {
namespace {

// Control identifiers only need to be unique within a window; a running
// counter keeps them unique within the process, which is simpler.
// A window property, not GWLP_USERDATA: our own windows keep their owner
// there, and a notification from one must never be taken for a control.
constexpr wchar_t kControlProperty[] = L"tw.control";

int NextControlId() {
    static int next = 1000;
    return next++;
}

}  // namespace

Control::~Control() {
    if (hwnd_) {
        RemovePropW(hwnd_, kControlProperty);
        DestroyWindow(hwnd_);
    }
}

Control* Control::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

void Control::CreateControl(const Placement& at, const wchar_t* className, DWORD style, DWORD exStyle,
                            std::string_view text) {
    const int dpi = WindowDpi(at.parent);
    const RECT& r = at.rect;
    hwnd_ = CreateWindowExW(exStyle, className, Wide(text).c_str(), style | WS_CHILD | WS_VISIBLE,
                            Scale(r.left, dpi), Scale(r.top, dpi), Scale(r.right - r.left, dpi),
                            Scale(r.bottom - r.top, dpi), at.parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())), GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_) throw std::runtime_error("Cannot create a control");
    SetPropW(hwnd_, kControlProperty, this);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont(dpi)), FALSE);
    if (at.layout) at.layout->Add(hwnd_, r, at.anchors);
}

// A status line or progress text that a run changes is heard as it changes;
// not every system raises the name change for a window's new text itself.
void Control::SetText(std::string_view text) {
    const std::wstring wide = Wide(text);
    const bool changed = wide != WindowText(hwnd_);
    SetWindowTextW(hwnd_, wide.c_str());
    if (changed) RaiseAccessibleEvent(hwnd_, EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
}

std::string Control::Text() const { return Narrow(WindowText(hwnd_)); }

Button::Button(const Placement& at, const Args& args) {
    CreateControl(at, WC_BUTTONW, WS_TABSTOP | (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, args.caption);
}

CheckBox::CheckBox(const Placement& at, const Args& args) {
    CreateControl(at, WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX, 0, args.caption);
}

RadioButton::RadioButton(const Placement& at, const Args& args) {
    CreateControl(at, WC_BUTTONW, BS_AUTORADIOBUTTON | (args.firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), 0,
                  args.caption);
}

Label::Label(const Placement& at, const Args& args) {
    CreateControl(at, WC_STATICW, SS_LEFT | SS_NOPREFIX | (args.centerVertically ? SS_CENTERIMAGE : 0), 0, args.text);
}

Edit::Edit(const Placement& at, const Args& args) {
    const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (args.firstOfGroup ? WS_GROUP : 0) |
                        (args.numbersOnly ? ES_NUMBER : 0);
    CreateControl(at, WC_EDITW, style, WS_EX_CLIENTEDGE, args.text);
}

ProgressBar::ProgressBar(const Placement& at) { CreateControl(at, PROGRESS_CLASSW, 0, 0, ""); }

void UseCommonControls(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), classes};
    if (InitCommonControlsEx(&controls)) registered |= classes;
}

bool RouteCommand(WPARAM wParam, LPARAM lParam) {
    if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
        return true;
    }
    return false;
}

bool RouteNotify(LPARAM lParam, LRESULT& result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (Control* control = Control::FromHandle(header->hwndFrom)) {
        result = control->OnNotify(header);
        return true;
    }
    return false;
}

}  // namespace tw::ui
