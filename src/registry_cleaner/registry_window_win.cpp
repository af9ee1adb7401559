#include "registry_cleaner/registry_window_win.h"

#include "ui/message_loop_win.h"

namespace tw {

TfrmRegistry::TfrmRegistry(ShellContext& context)
    : ModuleWindow(Tool::RegistryCleaner, context), cleaner_(context.platform, context.prompter, Hooks()) {
    BuildScanPage();
    BuildBackupsPage();
    FillBackupList();
    // The frame placed its pages when it was sized; these came later.
    SendMessageW(Handle(), WM_SIZE, 0, 0);
}

TfrmRegistry::~TfrmRegistry() = default;

CleanerHooks TfrmRegistry::Hooks() {
    CleanerHooks hooks;
    hooks.progress.pump = [] { ui::PumpMessages(); };
    hooks.progress.status = [this](const std::string& text) { scan_.status->SetText(text); };
    hooks.scanning = [this](bool scanning) { OnScanning(scanning); };
    hooks.treeChanged = [this] { scan_.tree->Reset(); };
    hooks.backupsChanged = [this] { FillBackupList(); };
    return hooks;
}

ui::Button* TfrmRegistry::DefaultButton() {
    if (FrontPage() == kScanPage) return scan_.start.get();
    if (FrontPage() == kBackupsPage) return backups_.restore.get();
    return nullptr;
}

LRESULT TfrmRegistry::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing releases the window, which must wait until a scan whose
    // messages are flowing has returned; it closes right after.
    if (message == WM_CLOSE && cleaner_.Scanning()) {
        closeAfterScan_ = true;
        return 0;
    }
    return ModuleWindow::HandleMessage(message, wParam, lParam);
}

void TfrmRegistry::ShowHelp(std::string_view topic) {
    if (Context().showHelp) Context().showHelp(Owner(), topic);
}

}  // namespace tw
