#pragma once
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/windows_win.h"

namespace tw::test {

// A fresh folder below the user's temporary folder for one test, removed
// with the files left in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        wchar_t temp[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        path_ =
            win32::Narrow(std::wstring_view(temp, length)) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryW(win32::Widen(path_).c_str(), nullptr);
    }
    ~ScratchFolder() {
        WIN32_FIND_DATAW found{};
        const HANDLE find = FindFirstFileW(win32::Widen(path_ + "*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring file = win32::Widen(path_) + found.cFileName;
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(file.c_str());
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(win32::Widen(path_).c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With its trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tw::test
