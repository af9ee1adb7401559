#include "shredder/shredder_window_win.h"

#include "ui/wide_win.h"

namespace tw {
namespace {

// A drop's handle is the receiver's to release, whatever happens to it.
class DropOwner {
public:
    explicit DropOwner(HDROP drop) : drop_(drop) {}
    ~DropOwner() { DragFinish(drop_); }
    DropOwner(const DropOwner&) = delete;
    DropOwner& operator=(const DropOwner&) = delete;

private:
    HDROP drop_;
};

}  // namespace

TfrmShredder::TfrmShredder(ShellContext& context) : ModuleWindow(Tool::FileShredder, context) {
    BuildListPage();
    BuildOptionsPage();
    ShowOptions(LoadShredderOptions(Context().settings));
    // The frame placed its pages when it was sized; these came later.
    SendMessageW(Handle(), WM_SIZE, 0, 0);
    DragAcceptFiles(Handle(), TRUE);
}

TfrmShredder::~TfrmShredder() = default;

void TfrmShredder::SaveSettings() { SaveShredderOptions(Context().settings, ChosenOptions()); }

ui::Button* TfrmShredder::DefaultButton() { return FrontPage() == kListPage ? list_.shred.get() : nullptr; }

LRESULT TfrmShredder::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CLOSE:
            // Closing releases the window, which must wait until a running
            // shred, whose messages are flowing, has returned.
            if (busy_) return 0;
            break;
        default:
            break;
    }
    return ModuleWindow::HandleMessage(message, wParam, lParam);
}

void TfrmShredder::OnDropFiles(HDROP drop) {
    const DropOwner owner(drop);
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
    if (busy_) return;
    if (files_.AddExistingFiles(Context().platform.files, paths) > 0) FilesChanged();
}

void TfrmShredder::ShowHelp(std::string_view topic) {
    Context().showHelp(reinterpret_cast<std::uintptr_t>(Handle()), topic);
}

}  // namespace tw
