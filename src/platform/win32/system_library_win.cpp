#include "platform/win32/system_library_win.h"

#include <delayimp.h>

#include <string>

namespace tw::win32 {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Present, with the LOAD_LIBRARY_SEARCH_* flags, from Windows 8 on and on
// Windows 7 with KB2533623.
// Looked up once: every delay-loaded DLL asks again.
SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesEntry() {
    static const auto entry = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return entry;
}

// Common Controls 6 comes from WinSxS only when asked for by name: its full
// system path would give version 5.
bool RedirectedByManifest(const wchar_t* name) {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof(data);
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &data) != FALSE;
}

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) return {};
    folder.resize(length);
    return folder;
}

// Every delay-loaded import comes through here, so none is looked for where
// the runtime's helper would look on Windows 7 without its update. A DLL of
// Windows that is missing ends the program as the helper would, rather than
// being looked for elsewhere.
FARPROC WINAPI LoadDelayedImport(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary) return nullptr;
    const std::string ascii = info->szDll;
    const HMODULE library = LoadSystemLibrary(std::wstring(ascii.begin(), ascii.end()).c_str());
    if (library == nullptr) {
        ULONG_PTR argument = reinterpret_cast<ULONG_PTR>(info);
        RaiseException(VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND), 0, 1, &argument);
    }
    return reinterpret_cast<FARPROC>(library);
}

}  // namespace

bool RestrictDllSearchToSystemFolder() {
    if (const auto restrict = SetDefaultDllDirectoriesEntry(); restrict && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return true;
    }
    SetDllDirectoryW(L"");
    return false;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (SetDefaultDllDirectoriesEntry() != nullptr) return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (RedirectedByManifest(name)) return LoadLibraryW(name);
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    // The altered search path looks for its own dependencies beside it, in
    // the system folder, before the program's folder.
    return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace tw::win32

// Read by the runtime's delay-load helper before it loads a DLL itself.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = tw::win32::LoadDelayedImport;
}
