// Times the Startup Manager's enumeration, icons included, of 2,000
// registry entries and 200 shortcuts, against a bare loop of the same
// registry reads and shortcut loads in the same run:
//   startup_bench
// prints "enumerate <ms>", "bare <ms>" (the fastest of five runs each) and
// their ratio. The entries go into
// the disabled homes of the current user, so nothing would start, and are
// removed again.
#include "platform/win32/windows_win.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/win32/win32_platform.h"
#include "startup_manager/startup_enumeration.h"
#include "startup_manager/startup_icons_win.h"
#include "startup_manager/startup_locations.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::string_view kRunOff = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run-";
constexpr int kValues = 2000;
constexpr int kShortcuts = 200;

// The programs entries point at: a machine has many entries of few programs.
std::string Program(int i) {
    static const char* const programs[] = {"notepad.exe", "regedit.exe", "winhlp32.exe", "explorer.exe",
                                           "system32\\cmd.exe", "system32\\calc.exe"};
    return std::string("C:\\windows\\") + programs[i % 6];
}

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main() {
    tw::Win32Platform p;
    const std::string folder = tw::DisabledFolder(p.shell.SpecialFolderPath(tw::Csidl::Startup));
    p.files.CreateFolder(folder);
    for (int i = 0; i < kValues; ++i)
        p.registry.WriteValue(tw::kCurrentUser, kRunOff, "Bench " + std::to_string(i),
                              tw::RegValue::String("\"" + Program(i) + "\" /bench " + std::to_string(i)));
    for (int i = 0; i < kShortcuts; ++i) {
        tw::NewShortcut link;
        link.targetPath = Program(i);
        link.setItemIdListFromTarget = true;
        p.shell.CreateShortcut(folder + "Bench " + std::to_string(i) + ".lnk", link);
    }

    // The machine is shared: each side runs five times, alternating, and
    // the fastest of each counts.
    const tw::StartupStore store{p.registry, p.files, p.shell, true};
    std::vector<tw::StartupEntry> rows;
    std::size_t found = 0;
    int icons = 0;
    double enumerate = 1e30, bare = 1e30;
    for (int run = 0; run < 5; ++run) {
        tw::StartupImageList images(p.shell, GetSystemMetrics(SM_CXSMICON));
        const auto start = Clock::now();
        tw::EnumerateStartupEntries(store, images, rows);
        const auto enumerated = Clock::now();
        found = 0;
        const auto names = p.registry.ValueNames(tw::kCurrentUser, kRunOff).value_or(std::vector<std::string>{});
        for (const auto& name : names) found += p.registry.ReadValue(tw::kCurrentUser, kRunOff, name).has_value();
        for (const auto& file : p.files.Find(folder + "*.lnk"))
            found += p.shell.ReadShortcut(folder + file.name).has_value();
        const auto done = Clock::now();
        enumerate = std::min(enumerate, Millis(enumerated - start));
        bare = std::min(bare, Millis(done - enumerated));
        icons = ImageList_GetImageCount(images.Handle());
    }

    std::printf("rows %zu of %zu, icons %d\n", rows.size(), found, icons);
    std::printf("enumerate %.1f\nbare %.1f\nratio %.2f\n", enumerate, bare, enumerate / bare);

    p.registry.DeleteKeyTree(tw::kCurrentUser, kRunOff);
    for (const auto& file : p.files.Find(folder + "*.lnk")) p.files.DeleteFile(folder + file.name);
    p.files.RemoveFolder(folder);
    return 0;
}
