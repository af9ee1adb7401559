#include "internet_tuner/internet_window_win.h"

#include "support/ui_session_win.h"
#include "tuner_machine.h"

namespace tw {
namespace {

using Kind = ScriptedPrompter::Kind;
using Shown = ScriptedPrompter::Shown;
using Tab = TfrmInternet::Tab;

constexpr std::string_view kBackups = "C:\\Program Files\\Tidewell\\Backups\\Internet\\";

class InternetWindowTest : public UiTest {
protected:
    InternetWindowTest() {
        for (const char* key : {"0000", "0001"}) machine.registry.CreateKey(kLocalMachine, test::Below(test::kInterfaces, key));
        machine.registry.CreateKey(kLocalMachine, test::kTcpip);
        machine.registry.CreateKey(kCurrentUser, test::kInternetSettings);
    }
    TfrmInternet& Open() {
        window = OpenTool<TfrmInternet>(context, 1);
        return *window;
    }
    // A click as the mouse gives it: through the control's own procedure.
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    std::optional<RegValue> Tcpip(std::string_view name) const {
        return machine.registry.ReadValue(kLocalMachine, test::kTcpip, name);
    }
    std::size_t BackupCount() const { return machine.files.Find(std::string(kBackups) + "*.reg").size(); }

    std::unique_ptr<TfrmInternet> window;
};

TEST_F(InternetWindowTest, EachChoiceGroupEnablesOnlyTheFieldOfItsChoice) {
    auto& w = Open();
    w.BringToFront(TfrmInternet::kAdvancedPage);
    const std::array<std::string_view, 4> captions{"MTU", "TCP/IP", "Internet Explorer Settings", "Network Settings"};
    for (int tab = 0; tab < TfrmInternet::kTabCount; ++tab) {
        SCOPED_TRACE(captions[static_cast<std::size_t>(tab)]);
        w.Advanced().tabs->Select(static_cast<std::size_t>(tab));
        auto& c = w.Advanced().tab[static_cast<std::size_t>(tab)].choice;
        ASSERT_TRUE(c.list->Visible() && c.box->Visible());
        EXPECT_EQ(c.choices->Selected(), 0u);
        EXPECT_EQ(c.list->Selected(), 0u);
        const auto fields = [&] { return std::pair{c.list->Enabled(), c.box->Enabled()}; };
        EXPECT_EQ(fields(), (std::pair{false, false}));
        Press(c.choices->Button(1));
        EXPECT_EQ(fields(), (std::pair{true, false}));
        Press(c.choices->Button(2));
        EXPECT_EQ(fields(), (std::pair{false, true}));
        Press(c.choices->Button(0));
        EXPECT_EQ(fields(), (std::pair{false, false}));
    }
    EXPECT_EQ(w.Advanced().connections10->Value(), 4);
    EXPECT_EQ(w.Advanced().connections11->Value(), 2);
}

TEST_F(InternetWindowTest, OpensOnTheStoredValuesAsCustomChoicesWithTheirFieldsEnabled) {
    machine.registry.WriteValue(kLocalMachine, test::Below(test::kInterfaces, "0000"), "MTU", RegValue::Dword(1492));
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "Tcp1323Opts", RegValue::Dword(3));
    machine.registry.WriteValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer", RegValue::Dword(16));
    auto& w = Open();
    auto& mtu = w.Advanced().tab[Tab::kMtuTab].choice;
    EXPECT_EQ(mtu.choices->Selected(), 2u);
    EXPECT_TRUE(mtu.box->Enabled());
    EXPECT_FALSE(mtu.list->Enabled());
    EXPECT_EQ(mtu.box->Value(), 1492);
    EXPECT_TRUE(w.Advanced().windowScaling->Checked());
    EXPECT_EQ(w.Advanced().connections11->Value(), 16);
}

TEST_F(InternetWindowTest, AValueThatCannotBeReadIsReportedOnceAndTheWindowStillOpens) {
    machine.registry.WriteValue(kLocalMachine, test::Below(test::kInterfaces, "0000"), "MTU", RegValue::Dword(1492));
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "EnablePMTUBHDetect", RegValue::String("1"));
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "DefaultTTL", RegValue::Dword(32));
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    auto& w = Open();
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid data type for 'EnablePMTUBHDetect'"});
    EXPECT_EQ(w.Advanced().tab[Tab::kMtuTab].choice.box->Value(), 1492) << "what was read before it shows";
    EXPECT_EQ(w.Advanced().tab[Tab::kNetworkTab].choice.choices->Selected(), 0u) << "not reached";
}

TEST_F(InternetWindowTest, EveryApplyOfTheAdvancedPageBacksUpThenWritesAllFourTabs) {
    auto& w = Open();
    w.BringToFront(TfrmInternet::kAdvancedPage);
    auto& ttl = w.Advanced().tab[Tab::kNetworkTab].choice;
    Press(ttl.choices->Button(1));
    ttl.list->Select(2);
    Press(*w.Advanced().duplicateAcks);
    for (int tab = 0; tab < TfrmInternet::kTabCount; ++tab) {
        machine.system.SetNow({2026, 12, 7, 14, 5, tab});
        w.Advanced().tabs->Select(static_cast<std::size_t>(tab));
        Press(*w.Advanced().tab[static_cast<std::size_t>(tab)].apply);
        EXPECT_EQ(BackupCount(), static_cast<std::size_t>(tab + 1));
        EXPECT_EQ(w.BackupList().size(), static_cast<std::size_t>(tab + 1)) << "the list is refilled";
    }
    EXPECT_EQ(Tcpip("DefaultTTL"), RegValue::Dword(128));
    EXPECT_EQ(Tcpip("TcpMaxDupAcks"), RegValue::Dword(1));
    EXPECT_EQ(machine.registry.ReadValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPer1_0Server"),
              RegValue::Dword(4));
    EXPECT_EQ(prompter.History(), std::vector<Shown>(4, Shown{Kind::Inform, std::string(kAppliedMessage)}));
}

// Stored numbers outside a box's range (the keep-alive list's own 40
// minutes among them) are written back as they are when nobody typed.
TEST_F(InternetWindowTest, AnApplyWithNoBoxTouchedLeavesNumbersOutsideTheRangesAsStored) {
    const std::tuple<RootKey, std::string_view, std::string_view, std::uint32_t> stored[]{
        {kLocalMachine, test::kTcpip, "SessionKeepAlive", 240000},
        {kLocalMachine, test::kTcpip, "TcpWindowSize", 1048576},
        {kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer", 128}};
    for (const auto& [root, key, name, number] : stored)
        machine.registry.WriteValue(root, key, name, RegValue::Dword(number));
    auto& w = Open();
    w.Tasks().Activate(2);
    auto& a = w.Advanced();
    for (const ui::NumberBox* box : {a.tab[Tab::kTcpIpTab].choice.box.get(), a.tab[Tab::kExplorerTab].choice.box.get(),
                                     a.connections10.get(), a.connections11.get()}) {
        SetFocus(box->Handle());
        SetFocus(a.tab[Tab::kNetworkTab].apply->Handle());
    }
    Press(*a.tab[Tab::kNetworkTab].apply);
    for (const auto& [root, key, name, number] : stored)
        EXPECT_EQ(machine.registry.ReadValue(root, key, name).value_or(RegValue{}).AsDword(), number) << name;
}

// What a restore or anything else changed since the window opened is never
// written back by the next apply: the page reads the registry again.
TEST_F(InternetWindowTest, TheAdvancedPageReadsWhatIsStoredAfterARestoreAndWhenItComesForward) {
    machine.files.AddFile(std::string(kBackups) + "a.reg", "REGEDIT4\r\n\r\n");
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "DefaultTTL", RegValue::Dword(100));
    auto& w = Open();
    auto& ttl = *w.Advanced().tab[Tab::kNetworkTab].choice.box;
    ASSERT_EQ(ttl.Value(), 100);
    w.Tasks().Activate(3);
    // The registry editor's merge, as if it were done at once.
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "DefaultTTL", RegValue::Dword(32));
    w.BackupsControls().files->Select({0, std::nullopt});
    Press(*w.BackupsControls().restore);
    EXPECT_EQ(ttl.Value(), 32);
    machine.registry.WriteValue(kLocalMachine, test::kTcpip, "DefaultTTL", RegValue::Dword(128));
    w.Tasks().Activate(2);
    EXPECT_EQ(ttl.Value(), 128);
    Press(*w.Advanced().tab[Tab::kNetworkTab].apply);
    EXPECT_EQ(Tcpip("DefaultTTL"), RegValue::Dword(128));
}

TEST_F(InternetWindowTest, AFailedWriteIsReportedWithTheBackupListedAndTheWindowUsable) {
    machine.registry.MakeReadOnly(kCurrentUser, test::kInternetSettings);
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    auto& w = Open();
    // The second press shows the window still answers as after the first.
    for (int second = 0; second < 2; ++second) {
        machine.system.SetNow({2026, 12, 7, 14, 5, second});
        Press(*w.Advanced().tab[Tab::kExplorerTab].apply);
    }
    EXPECT_EQ(errors, std::vector<std::string>(2, "Failed to set data for 'MaxConnectionsPer1_0Server'"));
    EXPECT_EQ(w.BackupList().size(), 2u);
    EXPECT_TRUE(prompter.History().empty()) << "no success message";
}

TEST_F(InternetWindowTest, TheWizardAsksAboutTheChosenProfileAndWritesOnlyOnOk) {
    auto& w = Open();
    w.BringToFront(TfrmInternet::kWizardPage);
    EXPECT_EQ(w.Wizard().profiles->Selected(), 0u);
    Press(w.Wizard().profiles->Button(2));
    prompter.Answer(false).Answer(true);
    Press(*w.Wizard().apply);
    EXPECT_EQ(BackupCount(), 0u);
    EXPECT_FALSE(Tcpip("TcpWindowSize"));
    Press(*w.Wizard().apply);
    EXPECT_EQ(Tcpip("TcpWindowSize"), RegValue::Dword(373760));
    EXPECT_EQ(BackupCount(), 1u);
    const std::string question = "This will optimize your settings for LAN. Do you want to continue?";
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Confirm, question},
                                                      {Kind::Confirm, question},
                                                      {Kind::Inform, std::string(kAppliedMessage)}}));
}

TEST_F(InternetWindowTest, TheBackupsPageRestoresAndRemovesTheToolsOwnFiles) {
    machine.files.AddFile(std::string(kBackups) + "a.reg", "REGEDIT4\r\n\r\n");
    auto& w = Open();
    w.BringToFront(TfrmInternet::kBackupsPage);
    auto& page = w.BackupsControls();
    ASSERT_EQ(w.BackupList().size(), 1u);
    page.files->Select({0, std::nullopt});
    Press(*page.restore);
    ASSERT_EQ(machine.shell.Opened().size(), 1u);
    EXPECT_EQ(machine.files.Text(machine.shell.Opened()[0]), "REGEDIT4\r\n\r\n");
    EXPECT_EQ(machine.shell.Opened()[0].rfind("C:\\Windows\\Temp\\", 0), 0u);
    prompter.Answer(true);
    page.menu->Choose("&Remove");
    EXPECT_TRUE(w.BackupList().empty());
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(InternetWindowTest, HelpButtonsOpenTheirTopics) {
    auto& w = Open();
    Press(*w.Wizard().help);
    for (auto& tab : w.Advanced().tab) Press(*tab.help);
    Press(*w.BackupsControls().help);
    std::vector<std::string> topics;
    for (const auto& [owner, topic] : helpShown) topics.push_back(topic);
    EXPECT_EQ(topics, (std::vector<std::string>{"internet3", "internet4", "internet4", "internet4", "internet4",
                                                "internet6"}));
}

}  // namespace
}  // namespace tw
