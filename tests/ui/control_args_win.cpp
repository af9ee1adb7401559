#include <memory>

#include "support/host_window_win.h"
#include "support/ui_session_win.h"
#include "ui/controls_win.h"
#include "ui/icon_button_win.h"

namespace tw {
namespace {

using ControlArgsTest = UiTest;

// Each named argument reaches the window as the style bits the system acts
// on (Enter, arrow keys, typing), and leaves them off when not given.
TEST_F(ControlArgsTest, NamedArgumentsSetTheirStyleAndNothingElse) {
    HostWindow host;
    const ui::Placement at = host.panel->At(10, 10, 200, 32);
    struct Case {
        const char* name;
        std::unique_ptr<ui::Control> control;
        DWORD on, off;
    };
    const Case cases[] = {
        {"default button", ui::Make<ui::Button>(at, {.caption = "&Next", .isDefault = true}), BS_DEFPUSHBUTTON, 0},
        {"button", ui::Make<ui::Button>(at, {.caption = "&Next"}), WS_TABSTOP, BS_DEFPUSHBUTTON},
        {"default icon button", ui::Make<ui::IconButton>(at, {.caption = "&Next", .isDefault = true}),
         BS_DEFPUSHBUTTON, 0},
        {"icon button", ui::Make<ui::IconButton>(at, {.caption = "&Next"}), WS_TABSTOP, BS_DEFPUSHBUTTON},
        {"first radio", ui::Make<ui::RadioButton>(at, {.caption = "&Next", .firstOfGroup = true}),
         WS_GROUP | WS_TABSTOP, 0},
        {"radio", ui::Make<ui::RadioButton>(at, {.caption = "&Next"}), 0, WS_GROUP | WS_TABSTOP},
        {"numbers edit", ui::Make<ui::Edit>(at, {.text = "&Next", .numbersOnly = true}), ES_NUMBER, WS_GROUP},
        {"group edit", ui::Make<ui::Edit>(at, {.text = "&Next", .firstOfGroup = true}), WS_GROUP, ES_NUMBER},
        {"centred label", ui::Make<ui::Label>(at, {.text = "&Next", .centerVertically = true}), SS_CENTERIMAGE, 0},
        {"label", ui::Make<ui::Label>(at, {.text = "&Next"}), SS_NOPREFIX, SS_CENTERIMAGE},
        {"check box", ui::Make<ui::CheckBox>(at, {.caption = "&Next"}), BS_AUTOCHECKBOX, 0},
    };
    for (const Case& c : cases) {
        const auto style = static_cast<DWORD>(GetWindowLongW(c.control->Handle(), GWL_STYLE));
        EXPECT_EQ(style & c.on, c.on) << c.name;
        EXPECT_EQ(style & c.off, 0u) << c.name;
        EXPECT_EQ(c.control->Text(), "&Next") << c.name;
    }
}

}  // namespace
}  // namespace tw
