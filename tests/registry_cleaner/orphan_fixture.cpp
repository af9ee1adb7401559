#include "orphan_fixture.h"

#include "platform/file_system.h"
#include "services/path_rules.h"
#include "services/windows_family.h"

namespace tw::test {
namespace {

using namespace orphan;

struct SeedEntry {
    RootKey root;
    std::string key;
    std::string name;
    RegValue value;
};

RegValue S(std::string_view text) { return RegValue::String(text); }
RegValue X(std::string_view text) { return RegValue::String(text, RegType::ExpandSz); }
RegValue D(std::uint32_t number) { return RegValue::Dword(number); }

std::string In(std::string_view key, std::string_view sub) { return std::string(key) + "\\" + std::string(sub); }

// Each key's entries in sorted order; top-level classes sorted as well.
std::vector<SeedEntry> Entries(const std::string& fontKey) {
    const RootKey M = kLocalMachine, C = kClassesRoot, U = kCurrentUser;
    const std::string clsid = "CLSID\\{A5E0C0DE-000", guidTail = "-4D1E-9A11-7E57DA7A000";
    const std::string typeLib = "TypeLib\\{A5E0C0DE-0007" + guidTail;
    return {
        {M, kSharedDlls, "%windir%\\TidewellTest\\twgone.dll", D(1)},
        {M, kSharedDlls, kGone + "twshared.dll", D(1)},
        {M, kSharedDlls, kGone + "twshared.html", D(1)},
        {M, kSharedDlls, kHere + "twshared.dll", D(3)},
        {M, kSharedDlls, "TidewellTest.dll", D(1)},
        {M, kSharedDlls, "\\\\server\\share\\TidewellTest.dll", D(1)},
        {M, fontKey, "Tidewell Test Expand", X("twtest_gone2.ttf")},
        {M, fontKey, "Tidewell Test Gone (TrueType)", S("twtest_gone.ttf")},
        {M, fontKey, "Tidewell Test Here (TrueType)", S("twtest_here.ttf")},
        {M, fontKey, "Tidewell Test Number", D(5)},
        {M, fontKey, "Tidewell Test Path", S(kGone + "twtest_path.ttf")},
        {C, In(kClsGone, "InprocServer32"), "", S(kGone + "twcom.dll")},
        {C, In(kClsGone, "InprocServer32"), "ThreadingModel", S("Apartment")},
        {C, In(kClsGone, "ProgID"), "", S("TidewellTest.Gone.1")},
        {C, clsid + "2" + guidTail + "2}\\InprocServer32", "", S(kHere + "twcom.dll")},
        {C, clsid + "3" + guidTail + "3}\\InprocServer32", "", X(kGone + "twcom3.dll")},
        {C, clsid + "4" + guidTail + "4}\\InprocServer32", "", D(4)},
        {C, clsid + "5" + guidTail + "5}\\LocalServer32", "", S(kGone + "twcom5.exe")},
        {C, ".twtestbare", "", S("TidewellTest.BareFile")},
        {C, ".twtestcomma", "", S("TidewellTest.CommaFile")},
        {C, ".twtestempty", "", S("")},
        {C, ".twtestgone", "", S("TidewellTest.GoneFile")},
        {C, ".twtesthere", "", S("TidewellTest.HereFile")},
        {C, ".twtesthtml", "", S("TidewellTest.HtmlFile")},
        {C, ".twtesticon\\DefaultIcon", "", S("%SystemRoot%\\TidewellTest\\twgone.ico")},
        {C, ".twtestnocmd", "", S("TidewellTest.NoCommand")},
        {C, ".twtestnumber", "", D(7)},
        {C, ".twtestshared", "", S("TidewellTest.GoneFile")},
        {C, ".twtestunc", "", S("TidewellTest.UncFile")},
        {C, "TidewellTest.BareFile\\shell\\open\\command", "", S("twedit.exe %1")},
        {C, "TidewellTest.CommaFile\\shell\\open\\command", "", S(kGone + "twlib.dll,3")},
        {C, "TidewellTest.GoneFile", "", S("Tidewell test document")},
        {C, "TidewellTest.GoneFile\\DefaultIcon", "", S(kGone + "twedit.exe,1")},
        {C, "TidewellTest.GoneFile\\shell\\open\\command", "", S("\"" + kGone + "twedit.exe\" \"%1\"")},
        {C, "TidewellTest.HereFile\\shell\\open\\command", "", S(kHere + "twedit.exe %1")},
        {C, "TidewellTest.HereIcon\\DefaultIcon", "", S(kHere + "twlib.dll,0")},
        {C, "TidewellTest.HtmlFile\\shell\\open\\command", "", S(kGone + "page.html")},
        {C, "TidewellTest.NoCommand", "", S("no command")},
        {C, "TidewellTest.NumberIcon\\DefaultIcon", "", D(2)},
        {C, "TidewellTest.StaleIcon\\DefaultIcon", "", S(kGone + "twlib.dll,3")},
        {C, "TidewellTest.UncFile\\shell\\open\\command", "", S("\\\\server\\share\\twedit.exe %1")},
        {M, In(kAppPaths, "twtest_bare.exe"), "", S("twtest_bare.exe")},
        {M, In(kAppPaths, "twtest_empty.exe"), "Path", S(kGone)},
        {M, In(kAppPaths, "twtest_gone.exe"), "", S(kGone + "twtest_gone.exe")},
        {M, In(kAppPaths, "twtest_gone.exe"), "Path", S(kGone)},
        {M, In(kAppPaths, "twtest_here.exe"), "", S(kHere + "twtest_here.exe")},
        {M, In(kAppPaths, "twtest_html.exe"), "", S(kGone + "app.html")},
        {M, In(kAppPaths, "twtest_quoted.exe"), "", S("\"" + kGone + "twtest quoted.exe\" /min")},
        {M, kHelp, "twtest_gone.hlp", S(kGone)},
        {M, kHelp, "twtest_here.hlp", S(kHere)},
        {M, kHelp, "twtest_number.hlp", D(1)},
        {M, kHelp, "twtest_win.chm", S("%windir%\\TidewellTest")},
        {C, In(kLibGone, "1.0"), "", S("Tidewell Test Library")},
        {C, In(kLibGone, "1.0\\0\\win32"), "", S(kGone + "twtest.tlb")},
        {C, In(kLibGone, "1.0\\9\\win32"), "", S("%SystemRoot%\\TidewellTest\\twtest9.tlb")},
        {C, In(kLibGone, "1.0\\FLAGS"), "", S("0")},
        {C, In(kLibGone, "1.0\\HELPDIR"), "", S(kGone)},
        {C, typeLib + "2}\\1.0\\0\\win32", "", S(kHere + "twtest.tlb")},
        {C, typeLib + "3}\\2.0\\0\\win32", "", D(9)},
        {U, In(kSoundApp, "TwEmpty\\.Current"), "", S("")},
        {U, In(kSoundApp, "TwGone\\.Current"), "", S(kGone + "twgone.wav")},
        {U, In(kSoundApp, "TwGone\\.Default"), "", S(kGone + "twdefault.wav")},
        {U, In(kSoundApp, "TwHere\\.Current"), "", S(kHere + "twhere.wav")},
        {U, In(kSoundApp, "TwNumber\\.Current"), "", D(3)},
        {U, In(kSoundApp, "TwSystem\\.Current"), "", S("%SystemRoot%\\TidewellTest\\twsys.wav")},
    };
}

// The first segments of a key path.
std::string FirstSegments(std::string_view key, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < count && end != std::string_view::npos; ++i) end = key.find('\\', end + (i ? 1 : 0));
    return std::string(key.substr(0, end));
}

// Shared keys hold values of the system too; of them only the fixture's
// values are its own.
bool IsSharedKey(const SeedEntry& e, const std::string& fontKey) {
    return e.key == kSharedDlls || e.key == fontKey || e.key == kHelp;
}

// The key the fixture owns whole for an entry in an unshared key: the
// application's key, the class, the class identifier or the library.
std::string OwnedKey(const SeedEntry& e) {
    if (e.root == kCurrentUser) return kSoundApp;
    if (e.root == kLocalMachine) return FirstSegments(e.key, 6);
    const bool nested = e.key.starts_with("CLSID\\") || e.key.starts_with("TypeLib\\");
    return FirstSegments(e.key, nested ? 2 : 1);
}

}  // namespace

OrphanFixture::OrphanFixture(const Platform& platform)
    : system_(platform.system),
      fontKey_(WindowsFamily(platform.system) == "Win9x" ? "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
                                                         : "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"),
      fontsFolder_(WithTrailingBackslash(SpecialFolderPath(platform.shell, Csidl::Fonts))) {}

void OrphanFixture::Seed(Registry& registry, bool classesBelowMachine) const {
    for (const SeedEntry& e : Entries(fontKey_)) {
        const bool moved = classesBelowMachine && e.root == kClassesRoot;
        registry.WriteValue(moved ? kLocalMachine : e.root, moved ? In("Software\\Classes", e.key) : e.key, e.name,
                            e.value);
    }
}

std::vector<std::string> OrphanFixture::PresentFiles() const {
    std::vector<std::string> files{fontsFolder_ + "twtest_here.ttf"};
    for (const char* name : {"twshared.dll", "twcom.dll", "twedit.exe", "twlib.dll", "twtest_here.exe",
                             "twtest_here.hlp", "twtest.tlb", "twhere.wav"}) {
        files.push_back(kHere + name);
    }
    return files;
}

void OrphanFixture::AddAreas(RegistrySnapshot& snapshot, const Registry& registry) const {
    for (const SeedEntry& e : Entries(fontKey_)) {
        snapshot.AddTree(registry, e.root, IsSharedKey(e, fontKey_) ? e.key : OwnedKey(e));
    }
}

void OrphanFixture::Remove(Registry& registry, bool classesBelowMachine) const {
    for (const SeedEntry& e : Entries(fontKey_)) {
        if (IsSharedKey(e, fontKey_)) {
            registry.DeleteValue(e.root, e.key, e.name);
            continue;
        }
        const bool moved = classesBelowMachine && e.root == kClassesRoot;
        registry.DeleteKeyTree(moved ? kLocalMachine : e.root, moved ? In("Software\\Classes", OwnedKey(e)) : OwnedKey(e));
    }
}

}  // namespace tw::test
