#include <gtest/gtest.h>
#include <algorithm>

#include "internet_tuner/connection_profiles.h"
#include "internet_tuner/internet_backup.h"
#include "internet_tuner/internet_tuner.h"
#include "services/scripted_prompter.h"
#include "support/thrown_text.h"
#include "tuner_machine.h"

namespace tw {
namespace {

using test::ThrownText;
using test::TunerMachine;
using Kind = ScriptedPrompter::Kind;

constexpr std::string_view kBackupFile =
    "C:\\Program Files\\Tidewell\\Backups\\Internet\\07-December-2026 - 02.05.09 PM.reg";

ChoiceGroup Predefined(int entry) { return {Choice::Predefined, entry, "50"}; }
ChoiceGroup Custom(std::string text) { return {Choice::Custom, 0, std::move(text)}; }

struct Tuner : TunerMachine {
    explicit Tuner(NetFamily family, int interfaces = 2) : TunerMachine(family, interfaces) {}
    bool BackupSaved() const { return machine.files.FileExists(kBackupFile); }
    std::vector<std::string> BackupLines() {
        ExportBuffer buffer;
        BuildInternetBackup(buffer, store);
        return *buffer.Regedit4Lines(machine.system);
    }
    ScriptedPrompter prompter;
    InternetTuner tuner{platform, prompter};
};

TEST(ReadCurrentSettings, NothingStoredShowsTheDefaultsOfEveryGroup) {
    for (const NetFamily family : {NetFamily::NT, NetFamily::Win9x}) {
        Tuner t(family);
        AdvancedSettings page;
        page.pathMtuDiscovery = page.duplicateAcks = true;
        page.connections10 = page.connections11 = "9";
        t.tuner.ReadSettings(page);
        for (const ChoiceGroup* group : {&page.mtu, &page.receiveWindow, &page.keepAlive, &page.ttl})
            EXPECT_EQ(group->choice, Choice::WindowsDefault);
        EXPECT_FALSE(page.pathMtuDiscovery || page.blackHoleDetection || page.windowScaling || page.selectiveAcks ||
                     page.duplicateAcks);
        EXPECT_EQ(page.connections10, "4");
        EXPECT_EQ(page.connections11, "2");
    }
}

TEST(ReadCurrentSettings, StoredNumbersShowAsCustomValuesNeverAsListEntries) {
    Tuner t(NetFamily::NT);
    t.Set(kLocalMachine, t.AdapterKey(0), "MTU", RegValue::Dword(1492));
    t.Set(kLocalMachine, t.AdapterKey(1), "MTU", RegValue::Dword(1500));
    t.SetGlobal("TcpWindowSize", RegValue::Dword(5840));
    t.SetGlobal("Tcp1323Opts", RegValue::Dword(3));
    t.SetGlobal("EnablePMTUDiscovery", RegValue::Dword(1));
    t.SetGlobal("SackOpts", RegValue::Dword(2));
    t.SetGlobal("DefaultTTL", RegValue::Dword(0));
    t.Set(kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer", RegValue::Dword(16));
    AdvancedSettings page;
    t.tuner.ReadSettings(page);
    EXPECT_EQ(page.mtu.choice, Choice::Custom);
    EXPECT_EQ(page.mtu.customText, "1492") << "the first interface";
    EXPECT_EQ(page.receiveWindow.customText, "5840");
    EXPECT_EQ(page.ttl.choice, Choice::WindowsDefault);
    EXPECT_TRUE(page.windowScaling && page.pathMtuDiscovery);
    EXPECT_FALSE(page.selectiveAcks) << "only 1 ticks a box";
    EXPECT_EQ(page.connections11, "16");
}

TEST(ReadCurrentSettings, NineXTextsConvertOrLeaveTheirGroupAlone) {
    Tuner t(NetFamily::Win9x);
    t.SetGlobal("DefaultTTL", RegValue::String("abc"));
    t.SetGlobal("DefaultRcvWindow", RegValue::String(" +8760"));
    t.SetGlobal("SessionKeepAlive", RegValue::String("0"));
    t.SetGlobal("PMTUBlackHoleDetect", RegValue::String("1"));
    t.SetGlobal("SackOpts", RegValue::String("01"));
    AdvancedSettings page;
    page.keepAlive = Custom("5");
    t.tuner.ReadSettings(page);
    EXPECT_EQ(page.ttl.choice, Choice::WindowsDefault);
    EXPECT_EQ(page.ttl.customText, "64") << "\"abc\" leaves the group as it was";
    EXPECT_EQ(page.receiveWindow.choice, Choice::Custom);
    EXPECT_EQ(page.receiveWindow.customText, "8760");
    EXPECT_EQ(page.keepAlive.choice, Choice::WindowsDefault);
    EXPECT_TRUE(page.blackHoleDetection);
    EXPECT_FALSE(page.selectiveAcks) << "exactly the text \"1\"";
}

TEST(ReadCurrentSettings, AFailingReadStopsThereAndLeavesTheRestAsItWas) {
    Tuner t(NetFamily::NT);
    t.Set(kLocalMachine, t.AdapterKey(0), "MTU", RegValue::Dword(1400));
    t.SetGlobal("SackOpts", RegValue::String("1"));
    t.SetGlobal("DefaultTTL", RegValue::Dword(99));
    AdvancedSettings page;
    EXPECT_EQ(ThrownText([&] { t.tuner.ReadSettings(page); }), "Invalid data type for 'SackOpts'");
    EXPECT_EQ(page.mtu.customText, "1400");
    EXPECT_EQ(page.ttl.choice, Choice::WindowsDefault);
}

// The receive window's "MSS * k" follows the MTU written by the same apply.
TEST(ApplyAdvancedSettings, TheReceiveWindowIsTheFactorTimesTheMssOfTheMtuJustWritten) {
    struct Case {
        ChoiceGroup mtu;
        int factorEntry;
        std::uint32_t expected;
    };
    const std::vector<Case> cases{
        {Predefined(0), 0, 2144},  {{}, 0, 5840},           {Predefined(3), 0, 5840},  {Predefined(3), 1, 7300},
        {Predefined(3), 2, 8760},  {Predefined(3), 3, 10220}, {Predefined(3), 4, 11680}, {Predefined(3), 5, 13140},
        {Predefined(3), 6, 14600}, {Custom("1000"), 0, 3840},
    };
    for (const Case& c : cases) {
        for (const NetFamily family : {NetFamily::NT, NetFamily::Win9x}) {
            Tuner t(family);
            t.Set(kLocalMachine, t.AdapterKey(0), family == NetFamily::NT ? "MTU" : "MaxMTU", RegValue::Dword(9000));
            AdvancedSettings page;
            page.mtu = c.mtu;
            page.receiveWindow = Predefined(c.factorEntry);
            ApplyAdvancedSettings(page, t.store);
            EXPECT_EQ(t.store.ReadWholeNumber(NetParameter::ReceiveWindow), static_cast<std::int32_t>(c.expected))
                << "MTU entry " << c.mtu.entry << ", factor entry " << c.factorEntry;
        }
    }
}

TEST(ApplyAdvancedSettings, WritesEveryValueWithItsFamilysType) {
    AdvancedSettings page;
    page.keepAlive = Predefined(3);
    page.ttl = Predefined(1);
    page.mtu = Custom("1454");
    page.windowScaling = page.selectiveAcks = true;
    page.connections10 = "8";
    Tuner nt(NetFamily::NT), win9x(NetFamily::Win9x);
    ApplyAdvancedSettings(page, nt.store);
    ApplyAdvancedSettings(page, win9x.store);
    EXPECT_EQ(nt.Global("SessionKeepAlive"), RegValue::Dword(240000));
    EXPECT_EQ(nt.Global("DefaultTTL"), RegValue::Dword(64));
    EXPECT_EQ(nt.Global("Tcp1323Opts"), RegValue::Dword(3));
    EXPECT_EQ(nt.Global("EnablePMTUDiscovery"), RegValue::Dword(0));
    EXPECT_EQ(nt.Global("TcpMaxDupAcks"), RegValue::Dword(0));
    EXPECT_FALSE(nt.Global("TcpWindowSize")) << "Windows Default deletes";
    EXPECT_EQ(win9x.Global("SessionKeepAlive"), RegValue::String("240000"));
    EXPECT_EQ(win9x.Global("DefaultTTL"), RegValue::String("64"));
    EXPECT_EQ(win9x.Global("SackOpts"), RegValue::String("1"));
    EXPECT_EQ(win9x.Global("Tcp1323Opts"), RegValue::Dword(3));
    for (Tuner* t : {&nt, &win9x}) {
        EXPECT_EQ(t->store.ReadNumber(NetParameter::Mtu), 1454);
        EXPECT_EQ(t->machine.registry.ReadValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPer1_0Server"),
                  RegValue::Dword(8));
    }
}

TEST(ConnectionProfiles, WriteTheirRowWithTheFamilysTypes) {
    Tuner nt(NetFamily::NT), win9x(NetFamily::Win9x);
    ApplyConnectionProfile(3, nt.store);  // Cable Modem
    ApplyConnectionProfile(0, win9x.store);  // Dial-up Modem, method 1
    EXPECT_EQ(nt.Global("TcpWindowSize"), RegValue::Dword(256960));
    EXPECT_EQ(nt.Global("GlobalMaxTcpWindowSize"), RegValue::Dword(256960));
    EXPECT_EQ(nt.Global("Tcp1323Opts"), RegValue::Dword(3));
    EXPECT_EQ(nt.Global("DefaultTTL"), RegValue::Dword(128));
    EXPECT_EQ(nt.store.ReadNumber(NetParameter::Mtu), 1500);
    EXPECT_FALSE(nt.Global("SessionKeepAlive"));
    EXPECT_EQ(win9x.Global("DefaultRcvWindow"), RegValue::String("4288"));
    EXPECT_EQ(win9x.Global("PMTUDiscovery"), RegValue::String("0"));
    EXPECT_EQ(win9x.Global("Tcp1323Opts"), RegValue::Dword(0));
    EXPECT_EQ(win9x.store.ReadNumber(NetParameter::Mtu), 576);
    EXPECT_EQ(win9x.machine.registry.ReadValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer"),
              RegValue::Dword(16));
}

TEST(ConnectionProfiles, WindowsDefaultsDeleteAllButTheDuplicateAcknowledgements) {
    Tuner t(NetFamily::NT);
    ApplyConnectionProfile(2, t.store);
    t.SetGlobal("SessionKeepAlive", RegValue::Dword(60000));
    t.SetGlobal("TcpMaxDupAcks", RegValue::Dword(1));
    ApplyConnectionProfile(kWindowsDefaultsProfile, t.store);
    const auto values = t.Values();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values.begin()->second, RegValue::Dword(1));
}

TEST(InternetBackup, NothingStoredOnNtIsRecordedAsDeleteLinesEverywhere) {
    Tuner t(NetFamily::NT);
    const std::string tcpip = "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]";
    const std::string settings =
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]";
    EXPECT_EQ(t.BackupLines(), (std::vector<std::string>{
                                   "REGEDIT4", "",
                                   "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\0000]",
                                   "\"MTU\"=-", "",
                                   "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\0001]",
                                   "\"MTU\"=-", "",
                                   tcpip, "\"EnablePMTUDiscovery\"=-", "",
                                   tcpip, "\"EnablePMTUBHDetect\"=-", "",
                                   tcpip, "\"TcpWindowSize\"=-", "\"GlobalMaxTcpWindowSize\"=-", "",
                                   tcpip, "\"Tcp1323Opts\"=-", "",
                                   tcpip, "\"SackOpts\"=-", "",
                                   tcpip, "\"SessionKeepAlive\"=-", "",
                                   tcpip, "\"DefaultTTL\"=-", "",
                                   tcpip, "\"TcpMaxDupAcks\"=-", "",
                                   settings, "\"MaxConnectionsPerServer\"=-", "",
                                   settings, "\"MaxConnectionsPer1_0Server\"=-",
                               }));
}

// What exists is recorded as stored, a 0 and a text that is no number
// included; each adapter by its own value.
TEST(InternetBackup, NineXStateIsRecordedValueByValueAsStored) {
    Tuner t(NetFamily::Win9x, 3);
    t.Set(kLocalMachine, t.AdapterKey(1), "MaxMTU", RegValue::Dword(1500));
    t.Set(kLocalMachine, t.AdapterKey(2), "MaxMTU", RegValue::Dword(0));
    t.SetGlobal("PMTUDiscovery", RegValue::String("0"));
    t.SetGlobal("DefaultTTL", RegValue::String("abc"));
    t.SetGlobal("Tcp1323Opts", RegValue::Dword(3));
    t.SetGlobal("DefaultRcvWindow", RegValue::String("8760", RegType::ExpandSz));
    t.Set(kCurrentUser, test::kInternetSettings, "MaxConnectionsPer1_0Server", RegValue::Dword(0));
    const std::string mstcp = "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\VxD\\MSTCP]";
    const std::string settings =
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]";
    const std::string netTrans = "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Class\\NetTrans\\";
    EXPECT_EQ(t.BackupLines(), (std::vector<std::string>{
                                   "REGEDIT4", "",
                                   netTrans + "0000]", "\"MaxMTU\"=-", "",
                                   netTrans + "0001]", "\"MaxMTU\"=dword:000005dc", "",
                                   netTrans + "0002]", "\"MaxMTU\"=dword:00000000", "",
                                   mstcp, "\"PMTUDiscovery\"=\"0\"", "",
                                   mstcp, "\"PMTUBlackHoleDetect\"=-", "",
                                   mstcp, "\"DefaultRcvWindow\"=hex(2):38,37,36,30,00", "",
                                   mstcp, "\"Tcp1323Opts\"=dword:00000003", "",
                                   mstcp, "\"SackOpts\"=-", "",
                                   mstcp, "\"SessionKeepAlive\"=-", "",
                                   mstcp, "\"DefaultTTL\"=\"abc\"", "",
                                   mstcp, "\"TcpMaxDupAcks\"=-", "",
                                   settings, "\"MaxConnectionsPerServer\"=-", "",
                                   settings, "\"MaxConnectionsPer1_0Server\"=dword:00000000",
                               }));
}

// A key the user may read but not write still has its values recorded:
// a delete line there would make a restore delete them.
TEST(InternetBackup, KeysThatDenyWritingAreRecordedAsStored) {
    Tuner t(NetFamily::NT);
    t.Set(kLocalMachine, t.AdapterKey(0), "MTU", RegValue::Dword(1500));
    t.Set(kLocalMachine, t.AdapterKey(1), "MTU", RegValue::Dword(1400));
    t.SetGlobal("DefaultTTL", RegValue::Dword(64));
    t.machine.registry.MakeReadOnly(kLocalMachine, t.AdapterKey(1));
    t.machine.registry.MakeReadOnly(kLocalMachine, test::kTcpip);
    const auto lines = t.BackupLines();
    for (const char* line : {"\"MTU\"=dword:00000578", "\"DefaultTTL\"=dword:00000040"})
        EXPECT_EQ(std::ranges::count(lines, line), 1) << line;
}

TEST(InternetTuner, AnAdvancedApplySavesTheBackupFirstAndSaysSo) {
    Tuner t(NetFamily::NT);
    t.SetGlobal("DefaultTTL", RegValue::Dword(32));
    AdvancedSettings page;
    page.ttl = Predefined(2);
    t.tuner.ApplyAdvanced(page);
    const std::string file = t.machine.files.Text(kBackupFile);
    EXPECT_NE(file.find("\"DefaultTTL\"=dword:00000020\r\n"), std::string::npos);
    EXPECT_EQ(file.substr(file.size() - 35), "]\r\n\"MaxConnectionsPer1_0Server\"=-\r\n") << "no empty line at the end";
    EXPECT_EQ(t.Global("DefaultTTL"), RegValue::Dword(128));
    EXPECT_EQ(t.prompter.History(), (std::vector<ScriptedPrompter::Shown>{{Kind::Inform, std::string(kAppliedMessage)}}));
}

TEST(InternetTuner, CancelInTheWizardWritesNothing) {
    Tuner t(NetFamily::NT);
    const auto before = t.Values();
    t.prompter.Answer(false);
    EXPECT_FALSE(t.tuner.ApplyProfile(5));
    EXPECT_EQ(t.prompter.History().at(0).text,
              "This will optimize your settings for DSL Connection. Do you want to continue?");
    EXPECT_EQ(t.Values(), before);
    EXPECT_FALSE(t.machine.files.FolderExists("C:\\Program Files\\Tidewell\\Backups"));
}

TEST(InternetTuner, AFailedWriteStopsTheApplyWithTheBackupSaved) {
    Tuner t(NetFamily::NT);
    t.machine.registry.MakeReadOnly(kCurrentUser, test::kInternetSettings);
    AdvancedSettings page;
    page.ttl = Predefined(0);
    EXPECT_EQ(ThrownText([&] { t.tuner.ApplyAdvanced(page); }), "Failed to set data for 'MaxConnectionsPer1_0Server'");
    EXPECT_TRUE(t.BackupSaved());
    EXPECT_EQ(t.Global("SackOpts"), RegValue::Dword(0)) << "what came before stays written";
    EXPECT_FALSE(t.Global("DefaultTTL"));
    EXPECT_TRUE(t.prompter.History().empty()) << "no success message";
}

// Refused before anything is written, though the keep-alive comes late in
// the order; on the 9x family the same text is written as it is.
TEST(InternetTuner, ATextThatIsNoNumberIsRefusedBeforeAnythingIsWritten) {
    Tuner nt(NetFamily::NT), win9x(NetFamily::Win9x);
    AdvancedSettings page;
    page.keepAlive = Custom("");
    const auto before = nt.Values();
    EXPECT_EQ(ThrownText([&] { nt.tuner.ApplyAdvanced(page); }), "'' is not a valid integer value");
    EXPECT_FALSE(nt.BackupSaved());
    EXPECT_EQ(nt.Values(), before);
    page.keepAlive = Custom("5 min");
    win9x.tuner.ApplyAdvanced(page);
    EXPECT_EQ(win9x.Global("SessionKeepAlive"), RegValue::String("5 min"));
}

TEST(InternetTuner, AWrongTypedValueOrAMissingFolderStopsBeforeAnything) {
    Tuner wrongType(NetFamily::NT), noFolder(NetFamily::NT);
    wrongType.SetGlobal("TcpMaxDupAcks", RegValue::String("10"));
    noFolder.machine.files.FailCreateFolder("C:\\Program Files\\Tidewell\\Backups\\Internet");
    const std::vector<std::pair<Tuner*, std::string>> cases{
        {&wrongType, "Failed to get data for 'TcpMaxDupAcks'"}, {&noFolder, "Cannot create Backup Directory"}};
    for (const auto& [t, error] : cases) {
        const auto before = t->Values();
        t->prompter.Answer(true);
        EXPECT_EQ(ThrownText([&] { t->tuner.ApplyProfile(0); }), error);
        EXPECT_FALSE(t->BackupSaved());
        EXPECT_EQ(t->Values(), before);
    }
}

}  // namespace
}  // namespace tw
