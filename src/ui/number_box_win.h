#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/controls_win.h"

namespace tw::ui {

// A whole-number box with a range: an edit that takes digits only (typed or
// pasted) and up-down arrows beside it. What the user enters is brought
// into the range (an empty box too) when the box loses the focus, so whoever
// reads it on a button's click reads digits within the range. A number set
// in code is the one stored somewhere: it shows and stays as it is, even
// outside the range, until the user changes it, so that writing back an
// untouched box never changes what was stored.
class NumberBox : public Control {
public:
    struct Args {
        // The range starts at 0 or above.
        int minimum = 0;
        int maximum = 0;
        int value = 0;
    };
    NumberBox(const Placement& at, const Args& args);
    ~NumberBox() override;

    int Value() const;
    // Setting in code raises no onChange, as with the other controls. A
    // number below 0 cannot be shown in digits and shows as the minimum.
    void SetValue(int value);

    void Enable(bool enabled) override;
    void Show(bool visible) override;

    // The user changed the number, by typing or with the arrows.
    std::function<void()> onChange;
    void OnCommand(WORD code) override;

private:
    int minimum_, maximum_;
    HWND arrows_ = nullptr;
    std::string accepted_;
    bool userEdited_ = false;
    bool settingText_ = false;
};

}  // namespace tw::ui
