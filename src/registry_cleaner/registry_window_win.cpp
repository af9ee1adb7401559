#include "registry_cleaner/registry_window_win.h"

namespace tw {

TfrmRegistry::TfrmRegistry(SuiteContext& context)
    : ModuleWindow(Tool::RegistryCleaner, context),
      icons_(ui::WindowDpi(Handle())),
      cleaner_(context.platform, context.prompter, Progress(), Hooks()) {
    BuildScanPage();
    backups_ = std::make_unique<BackupsPage>(
        *this, kBackupsPage, cleaner_.Backups(),
        "Backup files are automatically created when you cleanup the registry. You can use these backups to "
        "restore cleaned entries.",
        "registry4");
}

void TfrmRegistry::OnDpiChanged(int dpi) {
    icons_ = RegistryIcons(dpi);
    scan_.tree->SetImageLists(nullptr, icons_.Categories());
}

CleanerHooks TfrmRegistry::Hooks() {
    CleanerHooks hooks;
    hooks.scanning = [this](bool scanning) { OnScanning(scanning); };
    hooks.treeChanged = [this] { scan_.tree->Reset(); };
    hooks.backupsChanged = [this] { backups_->Refill(); };
    return hooks;
}

}  // namespace tw
