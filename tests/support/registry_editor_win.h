#pragma once
#include <optional>
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/windows_win.h"

namespace tw::test {

// Starts a program through the shell, waits for it and gives its exit code.
inline std::optional<DWORD> RunToEnd(const std::wstring& program, const std::wstring& parameters) {
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    run.lpFile = program.c_str();
    run.lpParameters = parameters.c_str();
    run.nShow = SW_HIDE;
    if (!ShellExecuteExW(&run) || !run.hProcess) return std::nullopt;
    const bool ended = WaitForSingleObject(run.hProcess, 180000) == WAIT_OBJECT_0;
    DWORD code = 0;
    const bool known = ended && GetExitCodeProcess(run.hProcess, &code);
    CloseHandle(run.hProcess);
    return known ? std::optional<DWORD>(code) : std::nullopt;
}

// Imports a registry file silently with the system's 64-bit registry
// editor, which imports into the view the program works on. On 64-bit
// Windows a 32-bit regedit hands over to it by itself; Wine's does not, so
// an x86 test turns off the file-system redirection that would give it the
// 32-bit one, for this start only.
inline std::optional<DWORD> ImportWithRegistryEditor(const std::string& file) {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    PVOID redirection = nullptr;
    const bool off = Wow64DisableWow64FsRedirection(&redirection) != FALSE;
    const auto code = RunToEnd(std::wstring(folder) + L"\\regedit.exe", L"/s \"" + win32::Widen(file) + L"\"");
    if (off) Wow64RevertWow64FsRedirection(redirection);
    return code;
}

}  // namespace tw::test
