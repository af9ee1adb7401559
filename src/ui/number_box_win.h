#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/controls_win.h"

namespace tw::ui {

// A whole-number box with a range: an edit that takes digits only (typed or
// pasted) and up-down arrows beside it. A number out of range, or an empty
// box, is brought into the range when the box loses the focus, so whoever
// reads it on a button's click reads digits within the range.
class NumberBox : public Control {
public:
    // The range starts at 0 or above; the value is brought into it.
    NumberBox(const Placement& at, int minimum, int maximum, int value);
    ~NumberBox() override;

    int Value() const;
    // Setting in code raises no onChange, as with the other controls.
    void SetValue(int value);
    // As on leaving the box: the text becomes the value within the range
    // (Value() already read it so, hence no onChange).
    void Normalize() { SetValue(Value()); }

    void Enable(bool enabled) override;
    void Show(bool visible) override;

    // The user changed the number, by typing or with the arrows.
    std::function<void()> onChange;
    void OnCommand(WORD code) override;

private:
    int minimum_, maximum_;
    HWND arrows_ = nullptr;
    std::string accepted_;
    bool restoring_ = false;
};

}  // namespace tw::ui
