#include "registry_demo_win.h"

#include "demo_machine_win.h"
#include "registry_cleaner/registry_window_win.h"
#include "registry_cleaner/scan_categories.h"

namespace tw {

std::wstring DemoFile(std::wstring_view name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\')) + L"\\..\\..\\..\\scripts\\demo\\" + std::wstring(name);
}

RegistryDemo::RegistryDemo(SuiteContext& shared, bool mixed) : machine_(std::make_unique<DemoMachine>()) {
    ImportRegFile(machine_->registry, DemoFile(L"registry-leftovers.reg"));
    context_ = std::make_unique<SuiteContext>(
        SuiteContext{machine_->Bundle(), shared.settings, shared.prompter, shared.pickers, shared.random, shared.showHelp});
    window_ = std::make_unique<TfrmRegistry>(*context_);
    window_->Open(TfrmRegistry::kScanPage);
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

void RegistryDemo::PostContextMenu() const {
    PostMessageW(window_->ScanControls().tree->Handle(), WM_CONTEXTMENU, 0, -1);
}

void AddDemoBackups(MemoryPlatform& machine, std::string_view toolFolder) {
    const std::string folder = machine.files.ExecutableFolder() + std::string(toolFolder) + "\\";
    for (const char* name : {"14-November-2026 - 09.12.44 AM.reg", "02-December-2026 - 06.40.03 PM.reg",
                             "07-December-2026 - 02.05.09 PM.reg"}) {
        machine.files.AddFile(folder + name, "REGEDIT4\r\n\r\n");
    }
}

}  // namespace tw
