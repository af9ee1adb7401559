#include "shredder/shredder_window_win.h"

#include "platform/win32/handles_win.h"
#include "ui/wide_win.h"

namespace tw {

TfrmShredder::TfrmShredder(SuiteContext& context) : ModuleWindow(Tool::FileShredder, context) {
    BuildListPage();
    BuildOptionsPage();
    ShowOptions(LoadShredderOptions(Context().settings));
    DragAcceptFiles(Handle(), TRUE);
}

void TfrmShredder::SaveSettings() { SaveShredderOptions(Context().settings, ChosenOptions()); }

LRESULT TfrmShredder::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return ModuleWindow::HandleMessage(message, wParam, lParam);
}

void TfrmShredder::OnDropFiles(HDROP drop) {
    const win32::UniqueDrop owner(drop);
    // Only the file list takes files; a drop on another page is ignored.
    if (FrontPage() != kListPage) return;
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(ui::Narrow(path));
    }
    AddDroppedFiles(paths);
}

void TfrmShredder::AddDroppedFiles(const std::vector<std::string>& paths) {
    if (Busy()) return;
    if (files_.AddExistingFiles(Context().platform.files, paths) > 0) FilesChanged();
}

}  // namespace tw
