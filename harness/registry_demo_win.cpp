#include "registry_demo_win.h"

#include "platform/win32/file_system_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "registry_cleaner/registry_window_win.h"
#include "registry_cleaner/scan_categories.h"

namespace tw {
std::wstring DemoFile(std::wstring_view name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\')) + L"\\..\\..\\..\\scripts\\demo\\" + std::wstring(name);
}

struct RegistryDemo::Machine {
    MemoryRegistry registry;
    Win32FileSystem files;
    Win32Shell shell;
    MemoryUrlCache urlCache;
    MemoryClipboard clipboard;
    Win32System system;
};

RegistryDemo::RegistryDemo(ShellContext& shared, bool mixed) : machine_(std::make_unique<Machine>()) {
    Machine& m = *machine_;
    ImportRegFile(m.registry, DemoFile(L"registry-leftovers.reg"));
    const Platform platform{m.registry, m.files, m.shell, m.urlCache, m.clipboard, m.system};
    context_ = std::make_unique<ShellContext>(
        ShellContext{platform, shared.settings, shared.prompter, shared.pickers, shared.random, shared.showHelp});
    window_ = std::make_unique<TfrmRegistry>(*context_);
    window_->BringToFront(TfrmRegistry::kScanPage);
    ShowWindow(window_->Handle(), SW_SHOW);
    window_->Cleaner().Start();
    if (!mixed) return;
    auto& tree = *window_->ScanControls().tree;
    tree.Expand(kIcons, true);
    window_->Cleaner().Tree().Checks().SetChild(kIcons, 1, false);
    tree.Select({kIcons, 1});
    tree.Refresh();
}

RegistryDemo::~RegistryDemo() = default;

HWND RegistryDemo::Handle() const { return window_->Handle(); }

void AddDemoBackups(MemoryPlatform& machine) {
    const std::string folder = machine.files.ExecutableFolder() + "Backups\\RegClean\\";
    for (const char* name : {"14-November-2026 - 09.12.44 AM.reg", "02-December-2026 - 06.40.03 PM.reg",
                             "07-December-2026 - 02.05.09 PM.reg"}) {
        machine.files.AddFile(folder + name, "REGEDIT4\r\n\r\n");
    }
}

}  // namespace tw
