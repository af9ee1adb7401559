#include "platform/win32/shell_win.h"

#include <shlwapi.h>
#include <shobjidl.h>

#include "platform/win32/handles_win.h"
#include "platform/win32/icon_win.h"
#include "platform/win32/owner_window_win.h"
#include "platform/win32/utf_win.h"

namespace tw {
namespace {

using win32::ApiPath;
using win32::ComPtr;
using win32::ComScope;
using win32::Narrow;
using win32::ToHwnd;
using win32::Widen;

// Room for the longest string a shell link stores.
constexpr int kLinkTextCount = 32768;

ComPtr<IShellLinkW> NewShellLink() {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid())))
        link.Reset();
    return link;
}

ComPtr<IPersistFile> PersistFileOf(const ComPtr<IShellLinkW>& link) {
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) file.Reset();
    return file;
}

// Reads one string of the link; the getter has the shape of GetPath minus
// its extra arguments.
template <typename Getter>
std::string LinkText(Getter get) {
    std::wstring buffer(kLinkTextCount, L'\0');
    if (FAILED(get(buffer.data(), kLinkTextCount))) return {};
    buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
    return Narrow(buffer);
}

WindowState StateOf(int showCommand) {
    switch (showCommand) {
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE: return WindowState::Minimized;
        case SW_SHOWMAXIMIZED: return WindowState::Maximized;
        default: return WindowState::Normal;
    }
}

int ShowCommandOf(WindowState state) {
    switch (state) {
        case WindowState::Minimized: return SW_SHOWMINNOACTIVE;
        case WindowState::Maximized: return SW_SHOWMAXIMIZED;
        default: return SW_SHOWNORMAL;
    }
}

ItemIdList BytesOf(PCIDLIST_ABSOLUTE list) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(list);
    return ItemIdList(bytes, bytes + ILGetSize(list));
}

// Each item is led by its 16-bit size; the list ends with a zero size. A
// list whose sizes run past its bytes is never handed to the shell.
bool WellFormed(const ItemIdList& list) {
    std::size_t at = 0;
    while (at + 2 <= list.size()) {
        const std::size_t size = list[at] | (list[at + 1] << 8);
        if (size == 0) return at + 2 == list.size();
        at += size;
    }
    return false;
}

win32::UniqueIdList IdListFromPath(const std::wstring& path) {
    win32::UniqueIdList list;
    if (FAILED(SHParseDisplayName(path.c_str(), nullptr, list.Put(), 0, nullptr))) list.Reset();
    if (!list) list.Reset(ILCreateFromPathW(path.c_str()));
    return list;
}

// A file that another program holds open cannot be moved into the Recycle
// Bin, and the shell then asks whether to delete it for good. Without an
// owner that question can wait unseen (under Wine a clean hung on it), so
// such a file is never handed over: it stays where it is.
bool Movable(const std::string& path) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kEntryItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
    const win32::UniqueFile probe(
        CreateFileW(ApiPath(path).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, kEntryItself, nullptr));
    return static_cast<bool>(probe);
}

UINT IconFlags(DisplayIcon icon) { return icon == DisplayIcon::Small ? SHGFI_ICON | SHGFI_SMALLICON : 0; }

std::optional<ShellDisplay> DisplayOfPath(const std::wstring& path, DisplayIcon icon) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME | IconFlags(icon))) return std::nullopt;
    return ShellDisplay{Narrow(info.szDisplayName), win32::OwnIcon(info.hIcon)};
}

Icon LargeIcon(LPCWSTR pathOrItem, UINT how) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(pathOrItem, 0, &info, sizeof info, how | SHGFI_ICON | SHGFI_LARGEICON)) return {};
    return win32::OwnIcon(info.hIcon);
}

// A folder parsed once, so that each name in it is parsed alone: parsing a
// whole path walks every folder from the desktop down each time. The name
// is the one SHGetFileInfo gives, the folder's in-folder display name.
class ParsedFolder {
public:
    ParsedFolder() = default;
    explicit ParsedFolder(std::wstring path) : path_(std::move(path)) {
        ComPtr<IShellFolder> desktop;
        if (FAILED(SHGetDesktopFolder(reinterpret_cast<IShellFolder**>(desktop.PutVoid()))) ||
            FAILED(desktop->ParseDisplayName(nullptr, nullptr, path_.data(), nullptr, list_.Put(), nullptr)) ||
            FAILED(desktop->BindToObject(list_.Get(), nullptr, IID_IShellFolder, folder_.PutVoid())))
            folder_.Reset();
    }
    bool Holds(const std::wstring& path) const { return path == path_; }

    std::optional<ShellDisplay> DisplayOf(std::wstring name, DisplayIcon icon) const {
        win32::UniqueIdList child;
        PWSTR text = nullptr;
        STRRET shown{};
        if (!folder_ || FAILED(folder_->ParseDisplayName(nullptr, nullptr, name.data(), nullptr,
                                                         reinterpret_cast<PIDLIST_RELATIVE*>(child.Put()), nullptr)) ||
            FAILED(folder_->GetDisplayNameOf(child.Get(), SHGDN_INFOLDER, &shown)) ||
            FAILED(StrRetToStrW(&shown, child.Get(), &text)))
            return std::nullopt;
        ShellDisplay display{Narrow(text)};
        CoTaskMemFree(text);
        if (icon != DisplayIcon::None) {
            const win32::UniqueIdList item(ILCombine(list_.Get(), child.Get()));
            SHFILEINFOW info{};
            if (item && SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.Get()), 0, &info, sizeof info,
                                       SHGFI_PIDL | IconFlags(icon)))
                display.smallIcon = win32::OwnIcon(info.hIcon);
        }
        return display;
    }

private:
    std::wstring path_;
    win32::UniqueIdList list_;
    ComPtr<IShellFolder> folder_;
};

}  // namespace

std::string Win32Shell::SpecialFolderPath(int csidl) const {
    win32::UniqueIdList list;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.Put())) || !list) return {};
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(list.Get(), path)) return {};
    return Narrow(path);
}

std::optional<ShortcutInfo> Win32Shell::ReadShortcut(std::string_view linkPath) const {
    const ComScope com;
    const ComPtr<IShellLinkW> link = NewShellLink();
    if (!link) return std::nullopt;
    const ComPtr<IPersistFile> file = PersistFileOf(link);
    if (!file || FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ))) return std::nullopt;

    win32::UniqueIdList list;
    if (FAILED(link->GetIDList(list.Put())) || !list) return std::nullopt;

    ShortcutInfo info;
    info.itemIdList = BytesOf(list.Get());
    info.targetPath = LinkText([&](wchar_t* text, int count) { return link->GetPath(text, count, nullptr, 0); });
    info.workingDirectory = LinkText([&](wchar_t* text, int count) { return link->GetWorkingDirectory(text, count); });
    info.arguments = LinkText([&](wchar_t* text, int count) { return link->GetArguments(text, count); });
    info.description = LinkText([&](wchar_t* text, int count) { return link->GetDescription(text, count); });
    int iconIndex = 0;
    info.iconPath = LinkText([&](wchar_t* text, int count) { return link->GetIconLocation(text, count, &iconIndex); });
    info.iconIndex = iconIndex;
    if (info.iconPath.empty()) info.iconPath = info.targetPath;
    WORD hotKey = 0;
    if (SUCCEEDED(link->GetHotkey(&hotKey))) info.hotKey = hotKey;
    int showCommand = SW_SHOWNORMAL;
    if (SUCCEEDED(link->GetShowCmd(&showCommand))) info.windowState = StateOf(showCommand);
    return info;
}

bool Win32Shell::CreateShortcut(std::string_view linkPath, const NewShortcut& shortcut) {
    const ComScope com;
    const ComPtr<IShellLinkW> link = NewShellLink();
    if (!link) return false;
    const std::wstring target = Widen(shortcut.targetPath);
    link->SetPath(target.c_str());
    if (WellFormed(shortcut.itemIdList)) {
        link->SetIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(shortcut.itemIdList.data()));
    } else if (shortcut.setItemIdListFromTarget) {
        const win32::UniqueIdList list = IdListFromPath(target);
        if (list) link->SetIDList(list.Get());
    }
    link->SetDescription(Widen(shortcut.description).c_str());
    link->SetWorkingDirectory(Widen(shortcut.workingDirectory).c_str());
    link->SetArguments(Widen(shortcut.arguments).c_str());
    link->SetIconLocation(Widen(shortcut.iconPath).c_str(), shortcut.iconIndex);
    if (shortcut.hotKey != 0) link->SetHotkey(shortcut.hotKey);
    link->SetShowCmd(ShowCommandOf(shortcut.windowState));
    const ComPtr<IPersistFile> file = PersistFileOf(link);
    return file && SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

bool Win32Shell::Recycle(const std::vector<std::string>& paths, OwnerWindow owner) {
    // The shell takes a list of paths, each ended by a NUL, the list by another.
    std::wstring list;
    bool all = true;
    for (const std::string& path : paths) {
        if (!Movable(path)) {
            all = false;
            continue;
        }
        list += Widen(path);
        list += L'\0';
    }
    if (list.empty()) return all;
    list += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = ToHwnd(owner);
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted && all;
}

bool Win32Shell::EmptyRecycleBin(OwnerWindow owner, ShellFeedback feedback) {
    DWORD flags = SHERB_NOCONFIRMATION;
    if (feedback == ShellFeedback::Silent) flags |= SHERB_NOPROGRESSUI | SHERB_NOSOUND;
    return SUCCEEDED(SHEmptyRecycleBinW(ToHwnd(owner), nullptr, flags));
}

void Win32Shell::NotifyFolderChanged(std::string_view folderPath) {
    const std::wstring path = Widen(folderPath);
    // FLUSHNOWAIT: delivered at once, without waiting for every listener.
    SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHW | SHCNF_FLUSHNOWAIT, path.c_str(), nullptr);
}

std::vector<std::optional<ShellDisplay>> Win32Shell::Display(std::span<const std::string> paths,
                                                             DisplayIcon icon) const {
    const ComScope com;
    std::vector<std::optional<ShellDisplay>> shown;
    shown.reserve(paths.size());
    ParsedFolder folder;
    for (const std::string& path : paths) {
        const std::wstring wide = Widen(path);
        const std::size_t slash = wide.find_last_of(L'\\');
        // A drive root, or a path ending in "\", has no name in a folder.
        if (slash == std::wstring::npos || slash + 1 == wide.size()) {
            shown.push_back(DisplayOfPath(wide, icon));
            continue;
        }
        const std::wstring parent = wide.substr(0, slash);  // "C:" for a file in a root: the drive
        if (!folder.Holds(parent)) folder = ParsedFolder(parent);
        shown.push_back(folder.DisplayOf(wide.substr(slash + 1), icon));
    }
    return shown;
}

Icon Win32Shell::FileIcon(std::string_view path) const {
    return path.empty() ? Icon() : LargeIcon(Widen(path).c_str(), 0);
}

// A list whose sizes run past its bytes is never handed to the shell.
Icon Win32Shell::ItemIcon(const ItemIdList& item) const {
    return WellFormed(item) ? LargeIcon(reinterpret_cast<LPCWSTR>(item.data()), SHGFI_PIDL) : Icon();
}

bool Win32Shell::Open(std::string_view fileOrUrl, OwnerWindow owner) {
    // The shell may hand the verb to a COM-based handler.
    const ComScope com;
    const HINSTANCE result = ShellExecuteW(ToHwnd(owner), L"open", Widen(fileOrUrl).c_str(), nullptr, nullptr,
                                           SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tw
