#include "ui/pickers_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include "platform/win32/handles_win.h"
#include "ui/wide_win.h"
#include "ui/window_win.h"

namespace tw::ui {

namespace {

// The folder browser opens at the screen's corner unless placed: over its
// owner, as the file dialogs open.
int CALLBACK PlaceBrowser(HWND browser, UINT message, LPARAM, LPARAM owner) {
    if (message == BFFM_INITIALIZED) CentreOver(browser, reinterpret_cast<HWND>(owner));
    return 0;
}

}  // namespace

HWND DialogPickers::Owner() const { return GetActiveWindow() ? GetActiveWindow() : owner_; }

std::vector<std::string> DialogPickers::Run(const std::string& title, const std::vector<FileFilter>& filters, bool many) {
    std::wstring filter;
    for (const auto& f : filters) filter += Wide(f.caption) + L'\0' + Wide(f.pattern) + L'\0';
    filter += L'\0';
    // Room for many long names when several files are chosen.
    std::wstring buffer(many ? 65536 : MAX_PATH * 2, L'\0');
    const std::wstring caption = Wide(title);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Owner();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (many ? OFN_ALLOWMULTISELECT : 0);
    if (!GetOpenFileNameW(&ofn)) return {};
    // One file: the full path. Several: the folder, then each name.
    std::vector<std::wstring> parts;
    for (const wchar_t* p = buffer.c_str(); *p; p += wcslen(p) + 1) parts.emplace_back(p);
    std::vector<std::string> paths;
    if (parts.size() == 1) {
        paths.push_back(Narrow(parts[0]));
    } else {
        std::wstring folder = parts[0];
        if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
        for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(Narrow(folder + parts[i]));
    }
    return paths;
}

std::optional<std::string> DialogPickers::OpenFile(const std::string& title, const std::vector<FileFilter>& filters) {
    auto paths = Run(title, filters, false);
    if (paths.empty()) return std::nullopt;
    return paths.front();
}

std::vector<std::string> DialogPickers::OpenFiles(const std::string& title, const std::vector<FileFilter>& filters) {
    return Run(title, filters, true);
}

std::optional<std::string> DialogPickers::BrowseFolder(const std::string& title) {
    const std::wstring caption = Wide(title);
    BROWSEINFOW info{};
    info.hwndOwner = Owner();
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &PlaceBrowser;
    info.lParam = reinterpret_cast<LPARAM>(info.hwndOwner);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<std::string> result;
    if (const win32::UniqueIdList list(SHBrowseForFolderW(&info)); list) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(list.Get(), path)) result = Narrow(path);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}

}  // namespace tw::ui
