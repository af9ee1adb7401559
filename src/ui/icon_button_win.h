#pragma once
#include <windows.h>

#include <string_view>

#include "ui/controls_win.h"

namespace tw::ui {

// A push button with a small picture beside its caption, whose caption and
// picture change together (a "&Start" that becomes "&Stop" while a run
// goes). The icons are the caller's and must outlive the button's use.
class IconButton : public Button {
public:
    struct Args {
        std::string_view caption;
        HICON icon = nullptr;
        bool isDefault = false;
    };
    IconButton(const Placement& at, const Args& args);
    void SetFace(std::string_view caption, HICON icon);
    HICON Icon() const;
};

}  // namespace tw::ui
