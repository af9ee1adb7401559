// The promise of the backup, against the real registry and the system's
// registry editor (under Wine in the test prefix): after every apply, the
// import of its backup gives back exactly what was there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "internet_tuner/connection_profiles.h"
#include "internet_tuner/internet_tuner.h"
#include "services/scripted_prompter.h"
#include "services/windows_family.h"
#include "support/registry_editor_win.h"
#include "tuner_machine.h"

namespace tw {
namespace {

constexpr char kExpectedFamily[] = "TW_EXPECTED_WINDOWS_FAMILY";

struct Area {
    RootKey root;
    std::string key;
};

class TunerRestoreUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        const char* expected = std::getenv(kExpectedFamily);
        ASSERT_EQ(WindowsFamily(p.system), expected ? expected : "WinNT");
        family = NetFamilyOf(WindowsFamily(p.system));
        const bool nt = family == NetFamily::NT;
        global = nt ? test::kTcpip : test::kMstcp;
        adapters = nt ? test::kInterfaces : test::kNetTrans;
        areas = {{kLocalMachine, std::string(global)}, {kLocalMachine, std::string(adapters)},
                 {kCurrentUser, std::string(test::kInternetSettings)}};
        for (const Area& area : areas) {
            if (!p.registry.KeyExists(area.root, area.key)) created.push_back(area);
            p.registry.CreateKey(area.root, area.key);
        }
        pristine = Export("pristine");
        Seed();
    }
    void TearDown() override {
        for (const char* adapter : kAdapters) p.registry.DeleteKeyTree(kLocalMachine, test::Below(adapters, adapter));
        for (NetParameter parameter = NetParameter::Mtu; parameter <= NetParameter::DuplicateAcks;
             parameter = static_cast<NetParameter>(static_cast<int>(parameter) + 1)) {
            const ParameterPlace& place = PlaceOf(family, parameter);
            if (place.inEverySubKey) continue;
            p.registry.DeleteValue(place.root, place.key, place.name);
            if (!place.twinName.empty()) p.registry.DeleteValue(place.root, place.key, place.twinName);
        }
        for (const auto& [name, file] : pristine) test::RunRegistryEditor(L"/s \"" + win32::Widen(file) + L"\"");
        for (const auto& [name, file] : pristine) p.files.DeleteFile(file);
        for (const Area& area : created) p.registry.DeleteKeyTree(area.root, area.key);
        for (const BackupFile& file : tuner.Backups().List())
            p.files.DeleteFile(tuner.Backups().Folder() + "\\" + file.fileName);
        p.files.RemoveFolder(tuner.Backups().Folder());
        p.files.RemoveFolder(p.files.ExecutableFolder() + "Backups");
    }

    // Two adapters, one with an MTU; values present, one stored 0, one a
    // text that is no number on the 9x family, others absent.
    void Seed() {
        const bool nt = family == NetFamily::NT;
        auto& reg = p.registry;
        reg.WriteValue(kLocalMachine, test::Below(adapters, kAdapters[0]), nt ? "MTU" : "MaxMTU", RegValue::Dword(1400));
        reg.CreateKey(kLocalMachine, test::Below(adapters, kAdapters[1]));
        const auto number = [&](std::uint32_t n) { return nt ? RegValue::Dword(n) : RegValue::String(std::to_string(n)); };
        reg.WriteValue(kLocalMachine, global, nt ? "EnablePMTUDiscovery" : "PMTUDiscovery", number(0));
        reg.WriteValue(kLocalMachine, global, nt ? "TcpWindowSize" : "DefaultRcvWindow", number(65535));
        if (nt) reg.WriteValue(kLocalMachine, global, "GlobalMaxTcpWindowSize", RegValue::Dword(131070));
        reg.WriteValue(kLocalMachine, global, "DefaultTTL", nt ? RegValue::Dword(64) : RegValue::String("abc"));
        reg.WriteValue(kLocalMachine, global, "TcpMaxDupAcks", number(2));
        reg.WriteValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer", RegValue::Dword(10));
        for (const char* absent : {"SackOpts", "Tcp1323Opts", "SessionKeepAlive"}) reg.DeleteValue(kLocalMachine, global, absent);
        reg.DeleteValue(kCurrentUser, test::kInternetSettings, "MaxConnectionsPer1_0Server");
    }

    // The system registry editor's export of each area, as bytes.
    std::vector<std::pair<std::string, std::string>> Export(const std::string& tag) {
        std::vector<std::pair<std::string, std::string>> files;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const std::string file = p.files.ExecutableFolder() + "tuner_" + tag + std::to_string(i) + ".reg";
            const std::string key = (areas[i].root == kLocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\") +
                                    areas[i].key;
            EXPECT_EQ(test::RunRegistryEditor(L"/e \"" + win32::Widen(file) + L"\" \"" + win32::Widen(key) + L"\""), 0u);
            files.emplace_back(key, file);
        }
        return files;
    }
    // The exports' lines, each after its file's key, read and deleted.
    std::vector<std::string> Contents(const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<std::string> lines;
        for (const auto& [key, file] : files) {
            auto stream = p.files.Open(file, OpenMode::Read, Share::Read);
            std::wstring text(stream->Size() / 2, L'\0');
            stream->Read({reinterpret_cast<std::uint8_t*>(text.data()), text.size() * 2});
            stream.reset();
            p.files.DeleteFile(file);
            for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
                lines.push_back(key + " | " + win32::Narrow(text.substr(start, end - start)));
        }
        return lines;
    }
    // "- line" for each line missing afterwards, "+ line" for each new one.
    static std::string Differences(const std::vector<std::string>& before, const std::vector<std::string>& after) {
        std::string text;
        for (const std::string& line : before)
            if (std::find(after.begin(), after.end(), line) == after.end()) text += "- " + line + "\n";
        for (const std::string& line : after)
            if (std::find(before.begin(), before.end(), line) == before.end()) text += "+ " + line + "\n";
        return before == after || !text.empty() ? text : "the same lines in another order\n";
    }
    // Applies, checks that something changed, imports the backup and checks
    // that everything is as before.
    void ApplyAndRestore(const std::string& what, const std::function<void()>& apply) {
        SCOPED_TRACE(what);
        const auto before = Contents(Export("before"));
        apply();
        const auto backups = tuner.Backups().List();
        ASSERT_EQ(backups.size(), 1u) << "each apply saves one backup (the last one's was removed)";
        const std::string backup = tuner.Backups().Folder() + "\\" + backups[0].fileName;
        EXPECT_NE(Differences(before, Contents(Export("applied"))), "") << "the apply changed nothing";
        ASSERT_EQ(test::RunRegistryEditor(L"/s \"" + win32::Widen(backup) + L"\""), 0u);
        EXPECT_EQ(Differences(before, Contents(Export("restored"))), "");
        p.files.DeleteFile(backup);
    }

    static constexpr std::array<const char*, 2> kAdapters{"{TidewellTestA}", "{TidewellTestB}"};
    Win32Platform p;
    Platform platform = p.Bundle();
    ScriptedPrompter prompter;
    InternetTuner tuner{platform, prompter};
    NetFamily family = NetFamily::NT;
    std::string_view global, adapters;
    std::vector<Area> areas, created;
    std::vector<std::pair<std::string, std::string>> pristine;
};

TEST_F(TunerRestoreUnderWine, EveryProfileAndTheAdvancedPageAreUndoneExactlyByTheirBackup) {
    for (std::size_t profile = 0; profile < kConnectionProfiles.size(); ++profile) {
        prompter.Answer(true);
        ApplyAndRestore(std::string(kConnectionProfiles[profile].caption),
                        [&] { EXPECT_TRUE(tuner.ApplyProfile(profile)); });
    }
    AdvancedSettings page;
    page.mtu = {Choice::Predefined, 3, "50"};
    page.receiveWindow = {Choice::Predefined, 2, "50"};
    page.keepAlive = {Choice::Custom, 0, "30"};
    page.windowScaling = page.duplicateAcks = true;
    ApplyAndRestore("Advanced", [&] { tuner.ApplyAdvanced(page); });
}

// The same for the 9x family, in a child that Wine tells it runs on Windows 98.
TEST(TunerRestoreUnderWine98, TheNineXFamilyIsUndoneExactlyToo) {
    Win32Platform p;
    EXPECT_TRUE(test::OneTestPassesAsWindows98(p, kExpectedFamily, L"TunerRestoreUnderWine.*"));
}

}  // namespace
}  // namespace tw
