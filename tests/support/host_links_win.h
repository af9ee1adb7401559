#pragma once
#include <optional>
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/windows_win.h"

namespace tw::test {

// The folder "<prefix><binary's name>\" beside the running test binary, where
// a ctest fixture leaves what Wine cannot make itself; nothing when the
// binary's path cannot be read.
inline std::optional<std::wstring> FolderBesideBinary(std::wstring_view prefix) {
    wchar_t module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring exe(module, length);
    const auto slash = exe.find_last_of(L'\\');
    const auto dot = exe.rfind(L'.');
    if (slash == std::wstring::npos || dot == std::wstring::npos || dot < slash) return std::nullopt;
    const std::wstring stem = exe.substr(slash + 1, dot - slash - 1);
    return exe.substr(0, slash + 1) + std::wstring(prefix) + stem + L"\\";
}

// Wine cannot make a symbolic link itself (WINE.md), so before a Windows test
// binary runs, ctest makes host-side ones with support/make_host_links.sh in
// the folder "host-links-<binary>" beside it: target.txt ("kept"),
// target-folder\inner.txt ("inner"), file-link.txt and folder-link to them,
// and swap-link to swap\listed (secret.txt, "mine") beside swap\other
// (secret.txt, "precious"). Returns that folder with its trailing backslash, or nothing when the
// links are not there (the binary was started by hand).
inline std::optional<std::string> HostLinksFolder() {
    const auto folder = FolderBesideBinary(L"host-links-");
    if (!folder) return std::nullopt;
    const DWORD attributes = GetFileAttributesW((*folder + L"folder-link").c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return std::nullopt;
    return win32::Narrow(*folder);
}

}  // namespace tw::test
