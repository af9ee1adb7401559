#pragma once
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/windows_win.h"
#include "platform/win32/win32_platform.h"

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

// The 64-bit registry editor, which imports into the view the program works
// on. On 64-bit Windows a 32-bit regedit hands over to it by itself; Wine's
// does not, so an x86 test turns off the file-system redirection that would
// give it the 32-bit one, for this start only.
inline std::optional<DWORD> RunRegistryEditor(const std::wstring& parameters) {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    PVOID redirection = nullptr;
    const bool off = Wow64DisableWow64FsRedirection(&redirection) != FALSE;
    const auto code = RunToEnd(std::wstring(folder) + L"\\regedit.exe", parameters);
    if (off) Wow64RevertWow64FsRedirection(redirection);
    return code;
}

// Runs this test program's tests that match filter again, as Windows 98
// would see them: Wine tells a program the Windows version of its
// AppDefaults entry when it starts. The child finds variable set to "Win9x".
// Its report proves that it ran exactly one test, and passed.
inline ::testing::AssertionResult OneTestPassesAsWindows98(Win32Platform& p, const char* variable,
                                                           const std::wstring& filter) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const std::string name = win32::Narrow(self.substr(self.find_last_of(L'\\') + 1));
    const std::string key = "Software\\Wine\\AppDefaults\\" + name;
    const std::string report = p.files.ExecutableFolder() + name + ".win98.xml";
    const bool existed = p.registry.KeyExists(kCurrentUser, key);
    if (!p.registry.WriteValue(kCurrentUser, key, "Version", RegValue::String("win98")))
        return ::testing::AssertionFailure() << "cannot set the Windows version";
    SetEnvironmentVariableA(variable, "Win9x");
    const auto code = RunToEnd(self, L"--gtest_brief=1 --gtest_filter=" + filter + L" --gtest_output=xml:" +
                                         win32::Widen(report));
    SetEnvironmentVariableA(variable, nullptr);
    if (existed)
        p.registry.DeleteValue(kCurrentUser, key, "Version");
    else
        p.registry.DeleteKeyTree(kCurrentUser, key);
    std::string text;
    if (p.files.FileExists(report)) {
        auto stream = p.files.Open(report, OpenMode::Read, Share::Read);
        text.resize(stream->Size());
        stream->Read({reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
    }
    p.files.DeleteFile(report);
    if (code != 0u) return ::testing::AssertionFailure() << "the child failed or did not run";
    if (text.find("<testsuites tests=\"1\" failures=\"0\"") == std::string::npos)
        return ::testing::AssertionFailure() << "the child ran no test, or failed";
    return ::testing::AssertionSuccess();
}

// Imports a registry file silently with that editor.
inline std::optional<DWORD> ImportWithRegistryEditor(const std::string& file) {
    return RunRegistryEditor(L"/s \"" + win32::Widen(file) + L"\"");
}

}  // namespace tw::test
