#include "ui/dialog_win.h"

#include <functional>
#include <optional>

#include "support/ui_session_win.h"
#include "ui/panel_win.h"

namespace tw {
namespace {

// An add/edit box as the coming tools have: a field, OK (the default
// button) taking its text, and Cancel.
class NameDialog final : public ui::Dialog {
public:
    NameDialog() {
        CreateBox(L"TwNameDialog", "Name", 300, 120);
        body_ = std::make_unique<ui::Panel>(Handle(), 300, 120);
        MoveWindow(body_->Handle(), 0, 0, 300, 120, FALSE);
        ShowWindow(body_->Handle(), SW_SHOW);
        name = ui::Make<ui::Edit>(body_->At(10, 10, 290, 32), {});
        ok = ui::Make<ui::Button>(body_->At(120, 80, 200, 104), {.caption = "OK", .isDefault = true});
        cancel = ui::Make<ui::Button>(body_->At(210, 80, 290, 104), {.caption = "Cancel"});
        ok->onClick = [this] {
            accepted = name->Text();
            Dismiss();
        };
        cancel->onClick = [this] { Dismiss(); };
        SetDefaultButton(*ok);
    }
    std::unique_ptr<ui::Edit> name;
    std::unique_ptr<ui::Button> ok, cancel;
    std::optional<std::string> accepted;

private:
    std::unique_ptr<ui::Panel> body_;
};

POINT Centre(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Key(HWND target, WPARAM key) {
    MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
    ui::ProcessMessage(msg);
}

class DialogTest : public UiTest {
protected:
    ~DialogTest() override {
        ui::Dialog::SetShowHook(nullptr);
        DestroyWindow(owner);
    }
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    NameDialog dialog;
};

// What the user does in the box the moment it shows, and what OK took.
TEST_F(DialogTest, TheHookFillsTheBoxAndPressesItsKeysAndButtons) {
    const struct {
        const char* what;
        std::function<void(NameDialog&)> act;
        std::optional<std::string> accepted;
    } cases[] = {
        {"a scripted fill and OK",
         [](NameDialog& d) {
             d.name->SetText("Ada");
             SendMessageW(d.ok->Handle(), BM_CLICK, 0, 0);
         },
         "Ada"},
        {"Enter in the field presses OK",
         [](NameDialog& d) {
             d.name->SetText("Bo");
             d.name->Focus();
             Key(d.name->Handle(), VK_RETURN);
         },
         "Bo"},
        {"Esc closes without OK",
         [](NameDialog& d) {
             d.name->SetText("Cy");
             Key(d.name->Handle(), VK_ESCAPE);
         },
         std::nullopt},
        {"Cancel closes without OK", [](NameDialog& d) { SendMessageW(d.cancel->Handle(), BM_CLICK, 0, 0); },
         std::nullopt},
    };
    for (const auto& c : cases) {
        dialog.accepted.reset();
        bool ownerDisabled = false, leftOpen = false;
        LONG offCentre = -1;
        ui::Dialog::SetShowHook([&](ui::Dialog& shown) {
            ASSERT_EQ(&shown, &dialog);
            ownerDisabled = !IsWindowEnabled(owner);
            const POINT a = Centre(owner), b = Centre(dialog.Handle());
            offCentre = std::max(std::abs(a.x - b.x), std::abs(a.y - b.y));
            c.act(dialog);
            // A box the action did not close would hold the test forever.
            leftOpen = dialog.IsShowing();
            if (leftOpen) dialog.Dismiss();
        });
        dialog.ShowModal(owner);  // returns only once the box is closed
        EXPECT_EQ(dialog.accepted, c.accepted) << c.what;
        EXPECT_TRUE(ownerDisabled) << c.what;
        EXPECT_LE(offCentre, 1) << c.what;
        EXPECT_FALSE(leftOpen) << c.what;
        EXPECT_TRUE(IsWindowEnabled(owner)) << c.what;
    }
}

}  // namespace
}  // namespace tw
