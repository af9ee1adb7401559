// Puts the demo's startup shortcuts into `make run`'s prefix, as real .lnk
// files written through the product's own ShellLinker: two in each startup
// folder and one in the user's disabled folder, each to a program Wine has,
// so the list shows its icon. The registry's entries come from
// scripts/demo/startup-entries.reg (scripts/demo/startup-entries.sh).
#include <cstdio>
#include <string>

#include "platform/win32/win32_platform.h"
#include "startup_manager/shell_linker.h"
#include "startup_manager/startup_locations.h"

namespace {

// Gives how many could not be written.
int WriteDemoStartupShortcuts(tw::Shell& shell, tw::FileSystem& files) {
    const std::string user = shell.SpecialFolderPath(tw::Csidl::Startup);
    const std::string common = shell.SpecialFolderPath(tw::Csidl::CommonStartup);
    if (user.empty() || common.empty()) return 1;
    std::string userOff = tw::DisabledFolder(user);
    userOff.pop_back();
    if (!files.FolderExists(userOff) && !files.CreateFolder(userOff)) return 1;
    const struct {
        const std::string& folder;
        const char *name, *target, *arguments;
    } links[] = {
        {common, "Desktop Clock", "C:\\windows\\system32\\clock.exe", ""},
        {common, "Task Monitor", "C:\\windows\\system32\\taskmgr.exe", ""},
        {user, "Notes", "C:\\windows\\notepad.exe", "C:\\users\\Public\\Documents\\todo.txt"},
        {user, "Console", "C:\\windows\\system32\\cmd.exe", "/k echo Good morning"},
        {userOff, "Registry Editor", "C:\\windows\\regedit.exe", ""},
    };
    int failed = 0;
    for (const auto& l : links) failed += !tw::CreateStartupShortcut(shell, l.name, l.folder, l.target, "", l.arguments);
    return failed;
}

}  // namespace

int main() {
    tw::Win32Platform p;
    const int failed = WriteDemoStartupShortcuts(p.shell, p.files);
    std::printf("demo startup: 5 shortcuts, %d failed\n", failed);
    return failed == 0 ? 0 : 1;
}
