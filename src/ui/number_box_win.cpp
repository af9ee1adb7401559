#include "ui/number_box_win.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "ui/number_text.h"
#include "ui/wide_win.h"
#include "ui/window_win.h"

namespace tw::ui {
namespace {

constexpr int kArrowsWidth = 17;

// The arrows keep to the box's right edge: they move with it when the box
// stretches, and never stretch themselves.
Anchors ArrowAnchors(Anchors box) { return {box.left && !box.right, box.top, box.right, box.bottom}; }

}  // namespace

NumberBox::NumberBox(const Placement& at, const Args& args)
    : minimum_(std::max(0, args.minimum)), maximum_(std::max(minimum_, args.maximum)) {
    UseCommonControls(ICC_UPDOWN_CLASS);
    Placement box = at;
    box.rect.right -= kArrowsWidth;
    CreateControl(box, WC_EDITW, WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, "");
    SendMessageW(Handle(), EM_LIMITTEXT, std::to_string(maximum_).size(), 0);

    const int dpi = WindowDpi(at.parent);
    const RECT arrows{box.rect.right, at.rect.top, at.rect.right, at.rect.bottom};
    arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                              WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK,
                              Scale(arrows.left, dpi), Scale(arrows.top, dpi), Scale(arrows.right - arrows.left, dpi),
                              Scale(arrows.bottom - arrows.top, dpi), at.parent, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (!arrows_) throw std::runtime_error("Cannot create a control");
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    SendMessageW(arrows_, UDM_SETRANGE32, minimum_, maximum_);
    if (at.layout) at.layout->Add(arrows_, arrows, ArrowAnchors(at.anchors));
    SetValue(args.value);
}

NumberBox::~NumberBox() {
    if (IsWindow(arrows_)) DestroyWindow(arrows_);
}

int NumberBox::Value() const {
    if (userEdited_) return ClampNumberText(Text(), minimum_, maximum_);
    return ClampNumberText(accepted_, 0, std::numeric_limits<int>::max());
}

void NumberBox::SetValue(int value) {
    const int shown = value < 0 ? minimum_ : value;
    accepted_ = std::to_string(shown);
    userEdited_ = false;
    // The arrows write their own position, within the range, into the box:
    // the number shown is put back after them.
    settingText_ = true;
    SendMessageW(arrows_, UDM_SETPOS32, 0, std::clamp(shown, minimum_, maximum_));
    SetText(accepted_);
    settingText_ = false;
}

void NumberBox::Enable(bool enabled) {
    Control::Enable(enabled);
    EnableWindow(arrows_, enabled);
}

void NumberBox::Show(bool visible) {
    Control::Show(visible);
    ShowWindow(arrows_, visible ? SW_SHOW : SW_HIDE);
}

void NumberBox::OnCommand(WORD code) {
    if (code == EN_KILLFOCUS) {
        // Value() already reads the entry so, hence no onChange.
        if (userEdited_) SetValue(Value());
        return;
    }
    if (code != EN_CHANGE || settingText_) return;
    // ES_NUMBER stops typed letters, not pasted ones: a text with anything
    // but digits is refused whole and the last good text comes back.
    const std::string text = Text();
    if (!IsNumberText(text)) {
        settingText_ = true;
        SetText(accepted_);
        SendMessageW(Handle(), EM_SETSEL, accepted_.size(), accepted_.size());
        settingText_ = false;
        return;
    }
    if (text == accepted_) return;
    accepted_ = text;
    userEdited_ = true;
    if (onChange) onChange();
}

}  // namespace tw::ui
