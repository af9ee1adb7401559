#include "orphan_fixture.h"

#include "registry_cleaner/scan_reading.h"
#include "services/path_rules.h"

// What the scan must find in the fixture, and what cleaning all of it must
// write and remove.
namespace tw::test {
namespace {

using namespace orphan;

template <typename Field>
Finding With(Finding f, Field field, std::string value) {
    f.*field = std::move(value);
    return f;
}

}  // namespace

FindingLists OrphanFixture::ExpectedFindings() const {
    const std::string hklm = "HKEY_LOCAL_MACHINE", hkcr = "HKEY_CLASSES_ROOT", hkcu = "HKEY_CURRENT_USER";
    const auto expand = [&](std::string_view text) { return ExpandPathVariables(system_, text); };
    FindingLists l;
    l.lvSharedDll = {Found("%windir%\\TidewellTest\\twgone.dll", hklm, kSharedDlls),
                     Found(kGone + "twshared.dll", hklm, kSharedDlls)};
    l.lvFont = {With(Found(fontsFolder_ + "twtest_gone.ttf", hklm, fontKey_), &Finding::Value, "Tidewell Test Gone (TrueType)"),
                With(Found(kGone + "twtest_path.ttf", hklm, fontKey_), &Finding::Value, "Tidewell Test Path")};
    l.lvCOM = {With(Found(kGone + "twcom.dll", hkcr, kClsGone + "\\InprocServer32"), &Finding::TopKey, kClsGone)};
    const Finding gone = Found("\"" + kGone + "twedit.exe\" \"%1\"", hkcr, "TidewellTest.GoneFile\\shell\\open\\command");
    l.lvFileType = {With(With(gone, &Finding::firstKey, ".twtestgone"), &Finding::secondKey, "TidewellTest.GoneFile"),
                    With(With(gone, &Finding::firstKey, ".twtestshared"), &Finding::secondKey, "TidewellTest.GoneFile")};
    l.lvIcon = {Found("%SystemRoot%\\TidewellTest\\twgone.ico", hkcr, ".twtesticon\\DefaultIcon"),
                Found(kGone + "twedit.exe,1", hkcr, "TidewellTest.GoneFile\\DefaultIcon"),
                Found(kGone + "twlib.dll,3", hkcr, "TidewellTest.StaleIcon\\DefaultIcon")};
    l.lvAppPath = {With(Found(kGone + "twtest_gone.exe", hklm, kAppPaths), &Finding::firstKey, kAppPaths + "\\twtest_gone.exe"),
                   With(Found("\"" + kGone + "twtest quoted.exe\" /min", hklm, kAppPaths), &Finding::firstKey,
                        kAppPaths + "\\twtest_quoted.exe")};
    l.lvHelpFile = {With(Found(kGone + "twtest_gone.hlp", hklm, kHelp), &Finding::FirstKey, "twtest_gone.hlp"),
                    With(Found(expand("%windir%\\TidewellTest\\twtest_win.chm"), hklm, kHelp), &Finding::FirstKey,
                         "twtest_win.chm")};
    l.lvActivex = {With(Found(kGone + "twtest.tlb", hkcr, kLibGone + "\\1.0\\0\\Win32"), &Finding::firstKey, kLibGone),
                   With(Found(expand("%SystemRoot%\\TidewellTest\\twtest9.tlb"), hkcr, kLibGone + "\\1.0\\9\\Win32"),
                        &Finding::firstKey, kLibGone)};
    l.lvSounds = {Found(kGone + "twgone.wav", hkcu, kSoundApp + "\\TwGone\\.Current"),
                  Found(expand("%SystemRoot%\\TidewellTest\\twsys.wav"), hkcu, kSoundApp + "\\TwSystem\\.Current")};
    return l;
}

std::vector<std::string> OrphanFixture::ExpectedBackup(bool withSystemSound) const {
    const std::string fontLine = "Software" + fontKey_.substr(8);
    const std::string clsid = "[HKEY_CLASSES_ROOT\\" + kClsGone, lib = "[HKEY_CLASSES_ROOT\\" + kLibGone;
    const std::string goneFile = "[HKEY_CLASSES_ROOT\\TidewellTest.GoneFile";
    const std::string app = "[HKEY_LOCAL_MACHINE\\" + kAppPaths + "\\twtest_";
    const std::string sounds = "[HKEY_CURRENT_USER\\" + kSoundApp;
    const std::string gone = "C:\\\\TidewellTest\\\\Gone\\\\";
    std::vector<std::string> lines{
        "REGEDIT4", "",
        "", "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS]",
        "\"%windir%\\\\TidewellTest\\\\twgone.dll\"=dword:00000001", "\"" + gone + "twshared.dll\"=dword:00000001",
        "", "[HKEY_LOCAL_MACHINE\\" + fontLine + "]",
        "\"Tidewell Test Gone (TrueType)\"=\"twtest_gone.ttf\"", "\"Tidewell Test Path\"=\"" + gone + "twtest_path.ttf\"",
        "",
        clsid + "]", "",
        clsid + "\\InprocServer32]", "@=\"" + gone + "twcom.dll\"", "\"ThreadingModel\"=\"Apartment\"", "",
        clsid + "\\ProgID]", "@=\"TidewellTest.Gone.1\"", "",
        "", "[HKEY_CLASSES_ROOT\\.twtestgone]", "@=\"TidewellTest.GoneFile\"", "",
        "", goneFile + "]", "@=\"Tidewell test document\"", "",
        goneFile + "\\DefaultIcon]", "@=\"" + gone + "twedit.exe,1\"", "",
        goneFile + "\\shell]", "",
        goneFile + "\\shell\\open]", "",
        goneFile + "\\shell\\open\\command]", "@=\"\\\"" + gone + "twedit.exe\\\" \\\"%1\\\"\"", "",
        // The shared program identifier went with the first extension.
        "", "[HKEY_CLASSES_ROOT\\.twtestshared]", "@=\"TidewellTest.GoneFile\"", "",
        "",
        "", "[HKEY_CLASSES_ROOT\\.twtesticon\\DefaultIcon]", "@=\"%SystemRoot%\\\\TidewellTest\\\\twgone.ico\"",
        // Its class went with the file type: the key line alone remains.
        "", goneFile + "\\DefaultIcon]",
        "", "[HKEY_CLASSES_ROOT\\TidewellTest.StaleIcon\\DefaultIcon]", "@=\"" + gone + "twlib.dll,3\"",
        "",
        app + "gone.exe]", "@=\"" + gone + "twtest_gone.exe\"", "\"Path\"=\"" + gone + "\"", "",
        app + "quoted.exe]", "@=\"\\\"" + gone + "twtest quoted.exe\\\" /min\"", "",
        "", "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\Help]",
        "\"twtest_gone.hlp\"=\"" + gone + "\"", "\"twtest_win.chm\"=\"%windir%\\\\TidewellTest\"",
        "",
        lib + "]", "",
        lib + "\\1.0]", "@=\"Tidewell Test Library\"", "",
        lib + "\\1.0\\0]", "",
        lib + "\\1.0\\0\\win32]", "@=\"" + gone + "twtest.tlb\"", "",
        lib + "\\1.0\\9]", "",
        lib + "\\1.0\\9\\win32]", "@=\"%SystemRoot%\\\\TidewellTest\\\\twtest9.tlb\"", "",
        lib + "\\1.0\\FLAGS]", "@=\"0\"", "",
        lib + "\\1.0\\HELPDIR]", "@=\"" + gone + "\"", "",
        "", sounds + "\\TwGone\\.Current]", "@=\"" + gone + "twgone.wav\"",
    };
    if (withSystemSound) {
        lines.insert(lines.end(), {"", sounds + "\\TwSystem\\.Current]", "@=\"%SystemRoot%\\\\TidewellTest\\\\twsys.wav\""});
    }
    return lines;
}

void OrphanFixture::ApplyExpectedRemovals(RegistrySnapshot& s, bool withSystemSound) const {
    const std::string kSharedDlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS";
    s.RemoveValue(kLocalMachine, kSharedDlls, "%windir%\\TidewellTest\\twgone.dll");
    s.RemoveValue(kLocalMachine, kSharedDlls, kGone + "twshared.dll");
    s.RemoveValue(kLocalMachine, fontKey_, "Tidewell Test Gone (TrueType)");
    s.RemoveValue(kLocalMachine, fontKey_, "Tidewell Test Path");
    for (const std::string& key : {kClsGone, std::string(".twtestgone"), std::string("TidewellTest.GoneFile"),
                                  std::string(".twtestshared"), kLibGone}) {
        s.RemoveKeyTree(kClassesRoot, key);
    }
    s.RemoveValue(kClassesRoot, ".twtesticon\\DefaultIcon", "");
    s.RemoveValue(kClassesRoot, "TidewellTest.StaleIcon\\DefaultIcon", "");
    s.RemoveKeyTree(kLocalMachine, kAppPaths + "\\twtest_gone.exe");
    s.RemoveKeyTree(kLocalMachine, kAppPaths + "\\twtest_quoted.exe");
    s.RemoveValue(kLocalMachine, kHelp, "twtest_gone.hlp");
    s.RemoveValue(kLocalMachine, kHelp, "twtest_win.chm");
    s.RemoveValue(kCurrentUser, kSoundApp + "\\TwGone\\.Current", "");
    if (withSystemSound) s.RemoveValue(kCurrentUser, kSoundApp + "\\TwSystem\\.Current", "");
}

}  // namespace tw::test
