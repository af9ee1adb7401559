#include "privacy/privacy_window_win.h"

#include "privacy/trace_cleaners.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

using enum ItemStatus;

class PrivacyWindowTest : public UiTest {
protected:
    PrivacyWindowTest() { Settle(); }
    ui::RowView& Items() { return *window->Controls().items; }
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    void ClickBox(std::size_t row) {
        const RECT r = Items().CheckBoxRect(row);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(Items().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Items().Handle(), WM_LBUTTONUP, 0, at);
    }
    std::string Stored(std::string_view name) {
        return settings.ReadString(SettingsStore::kPrivacy, name, false);
    }

    std::unique_ptr<TfrmPrivacy> window = OpenTool<TfrmPrivacy>(context, TfrmPrivacy::kCleanPage);
};

TEST_F(PrivacyWindowTest, TheShownPageListsElevenItemsTickedByTheStoredSettings) {
    ASSERT_TRUE(IsWindowVisible(Items().Handle()));
    EXPECT_EQ(Items().VisibleCount(), kPrivacyItemCount);
    EXPECT_EQ(window->PageDescription(TfrmPrivacy::kCleanPage)->Text(),
              "You can select/unselect privacy items from the list below. When you click on \"Clean\" button, the "
              "items you have selected will be cleaned.");
    EXPECT_EQ(window->Controls().clean->Text(), "&Clean");
    EXPECT_TRUE(window->Rows().selected[0]);
    EXPECT_FALSE(window->Rows().selected[10]);

    window.reset();
    settings.WriteString(SettingsStore::kPrivacy, "Windows Run History", "0");
    settings.WriteString(SettingsStore::kPrivacy, "Windows Clipboard", "1");
    window = OpenTool<TfrmPrivacy>(context, TfrmPrivacy::kCleanPage);
    EXPECT_FALSE(window->Rows().selected[0]);
    EXPECT_TRUE(window->Rows().selected[10]);
}

TEST_F(PrivacyWindowTest, ABoxClickedIsWrittenAtCloseWithTheIntroFlag) {
    ClickBox(2);
    ClickBox(10);
    EXPECT_FALSE(window->Rows().selected[2]);
    EXPECT_TRUE(window->Rows().selected[10]);
    window->SetIntroBoxTicked(true);
    window->Close();
    EXPECT_EQ(Stored("Open/Save Dialog History"), "0");
    EXPECT_EQ(Stored("Windows Clipboard"), "1");
    EXPECT_EQ(Stored("Windows Run History"), "1");
    EXPECT_EQ(settings.ValueNames(SettingsStore::kPrivacy).size(), kPrivacyItemCount);
    EXPECT_EQ(settings.ReadString(SettingsStore::kShowScreens, "Privacy Protector", false), "0");
}

TEST_F(PrivacyWindowTest, CleanAsksThenMarksEachRowAndCancelKeepsTheStatuses) {
    machine.registry.WriteValue(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", "a",
                                RegValue::String("notepad\\1"));
    ClickBox(3);
    prompter.Answer(true).Answer(false);
    Press(*window->Controls().clean);
    std::array<ItemStatus, kPrivacyItemCount> expected;
    expected.fill(Cleaned);
    expected[3] = expected[10] = Passed;
    EXPECT_EQ(window->Rows().status, expected);
    EXPECT_FALSE(machine.registry.KeyExists(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"));
    EXPECT_TRUE(IsWindowEnabled(window->Controls().clean->Handle()));

    ClickBox(3);
    Press(*window->Controls().clean);
    EXPECT_EQ(window->Rows().status, expected) << "Cancel changes nothing";
}

TEST_F(PrivacyWindowTest, AFailedPageFileFlagIsShownAndLeavesTheWindowUsable) {
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    machine.registry.FailOpen(kLocalMachine, "SYSTEM");
    prompter.Answer(true);
    Press(*window->Controls().clean);
    EXPECT_EQ(errors, std::vector<std::string>{"Failed to set data for 'ClearPageFileAtShutdown'"});
    EXPECT_EQ(window->Rows().status[4], Cleaned);
    EXPECT_EQ(window->Rows().status[5], NotRun);
    EXPECT_TRUE(IsWindowEnabled(window->Controls().clean->Handle()));
    EXPECT_FALSE(window->Busy());
}

TEST_F(PrivacyWindowTest, HelpOpensPrivacy2) {
    Press(*window->Controls().help);
    ASSERT_EQ(helpShown.size(), 1u);
    EXPECT_EQ(helpShown[0].second, "privacy2");
}

}  // namespace
}  // namespace tw
