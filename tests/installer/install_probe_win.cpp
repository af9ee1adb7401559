// What the installer test asks of Windows that no command-line tool of Wine
// answers: what a shortcut points at, whether the installed program reaches
// its launcher, and pressing a box or button of the uninstaller.
//   install_probe shortcut LNK            prints target, arguments, folder, icon
//   install_probe launch EXE              starts EXE, waits for its launcher,
//                                         asks it as a screen reader would,
//                                         closes it, prints its exit code
//   install_probe press TITLE TEXT...     presses each control of that text in
//                                         the shown window whose title starts so
//   install_probe wait TITLE TEXT...      only waits for each (for screenshots)
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMilliseconds = 20000;

void PrintUtf8(const char* label, const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), length, nullptr,
                        nullptr);
    std::printf("%s=%s\n", label, utf8.c_str());
}

int ReadShortcut(const wchar_t* path) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return 2;
    IPersistFile* file = nullptr;
    int result = 1;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path, STGM_READ))) {
            wchar_t text[MAX_PATH * 2] = {};
            int icon = 0;
            link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
            PrintUtf8("target", text);
            link->GetArguments(text, MAX_PATH * 2);
            PrintUtf8("arguments", text);
            link->GetWorkingDirectory(text, MAX_PATH * 2);
            PrintUtf8("folder", text);
            link->GetIconLocation(text, MAX_PATH * 2, &icon);
            PrintUtf8("icon", std::wstring(text) + L"," + std::to_wstring(icon));
            result = 0;
        }
        file->Release();
    }
    link->Release();
    return result;
}

// Polls until find() gives a window, or gives up after kWaitMilliseconds.
template <class Find>
HWND WaitFor(Find find) {
    const ULONGLONG deadline = GetTickCount64() + kWaitMilliseconds;
    for (;;) {
        if (const HWND found = find()) return found;
        if (GetTickCount64() > deadline) return nullptr;
        Sleep(100);
    }
}

struct WindowSearch {
    DWORD processId = 0;             // 0: any process
    const wchar_t* className = nullptr;
    const wchar_t* titleStart = nullptr;  // a wizard adds ": Completed" to its title
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search.processId && owner != search.processId) return TRUE;
    wchar_t text[256] = {};
    if (search.className) {
        GetClassNameW(window, text, 256);
        if (lstrcmpW(text, search.className) != 0) return TRUE;
    }
    if (search.titleStart) {
        GetWindowTextW(window, text, 256);
        if (wcsncmp(text, search.titleStart, wcslen(search.titleStart)) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND FindTopWindow(WindowSearch search) {
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int LaunchAndClose(const wchar_t* exe) {
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("cannot start: error %lu\n", GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    const HWND launcher = WaitFor([&] { return FindTopWindow({process.dwProcessId, L"TfrmMain", nullptr}); });
    int result = 1;
    if (launcher) {
        std::printf("launcher shown\n");
        // A screen reader's first question, which makes the program load
        // its accessibility DLL: a planted one must not be taken.
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(GetWindow(launcher, GW_CHILD), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT),
                            SMTO_ABORTIFHUNG, kWaitMilliseconds, &answer);
        PostMessageW(launcher, WM_CLOSE, 0, 0);
        DWORD exitCode = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, kWaitMilliseconds) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &exitCode)) {
            std::printf("exit %lu\n", exitCode);
            result = exitCode == 0 ? 0 : 1;
        } else {
            std::printf("did not end after its launcher was closed\n");
        }
    } else {
        std::printf("no launcher within %lu ms\n", kWaitMilliseconds);
    }
    if (result != 0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return result;
}

struct ControlSearch {
    const wchar_t* text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM parameter) {
    auto& search = *reinterpret_cast<ControlSearch*>(parameter);
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    if (IsWindowVisible(control) && IsWindowEnabled(control) && lstrcmpW(text, search.text) == 0) {
        search.found = control;
        return FALSE;
    }
    return TRUE;
}

// Waits for each control to be shown and enabled (a wizard's next page, or
// its Close button at the end of its work) before pressing it.
int Press(const wchar_t* titleStart, const std::vector<const wchar_t*>& texts, bool click) {
    for (const wchar_t* text : texts) {
        const HWND control = WaitFor([&] {
            ControlSearch search{text};
            if (const HWND window = FindTopWindow({0, nullptr, titleStart}))
                EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
            return search.found;
        });
        if (!control) {
            PrintUtf8("not found", text);
            return 1;
        }
        if (click) SendMessageW(control, BM_CLICK, 0, 0);
        PrintUtf8(click ? "pressed" : "shown", text);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 2 ? argv[1] : L"";
    if (command == L"shortcut") {
        CoInitialize(nullptr);
        const int result = ReadShortcut(argv[2]);
        CoUninitialize();
        return result;
    }
    if (command == L"launch") return LaunchAndClose(argv[2]);
    if ((command == L"press" || command == L"wait") && argc > 3)
        return Press(argv[2], std::vector<const wchar_t*>(argv + 3, argv + argc), command == L"press");
    std::fprintf(stderr, "usage: install_probe shortcut LNK | launch EXE | press|wait TITLE TEXT...\n");
    return 2;
}
