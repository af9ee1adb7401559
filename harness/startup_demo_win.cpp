#include "registry_demo_win.h"

#include "platform/memory/memory_platform.h"
#include "startup_manager/startup_locations.h"

namespace tw {

// The demo startup entries in the harness's memory machine: the registry
// file's plain strings and shortcuts in both startup folders and in one
// disabled folder, all pointing at programs Wine has, so icons show.
void AddDemoStartupEntries(MemoryPlatform& machine, const std::wstring& regFile) {
    ImportRegFile(machine.registry, regFile);
    const std::string run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    machine.registry.WriteValue(kLocalMachine, run, "Quillnote Sync",
                                RegValue::String("%ProgramFiles%\\Quillnote\\qnsync.exe -background", RegType::ExpandSz));
    const std::string user = machine.shell.SpecialFolderPath(Csidl::Startup);
    const std::string common = machine.shell.SpecialFolderPath(Csidl::CommonStartup);
    machine.files.AddFolder(DisabledFolder(user));
    const struct {
        std::string link, target;
    } links[] = {
        {common + "\\Harbor Photo Tray.lnk", "C:\\windows\\system32\\mspaint.exe"},
        {user + "\\Notes.lnk", "C:\\windows\\notepad.exe"},
        {user + "\\Console.lnk", "C:\\windows\\system32\\cmd.exe"},
        {DisabledFolder(user) + "Registry Editor.lnk", "C:\\windows\\regedit.exe"},
    };
    for (const auto& l : links) {
        NewShortcut link;
        link.targetPath = l.target;
        machine.shell.CreateShortcut(l.link, link);
    }
}

}  // namespace tw
