#pragma once
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/windows_win.h"

namespace tw::test {

// A fresh folder below the user's temporary folder for one test, removed
// with everything left in it. A folder of an earlier run with the same
// process number is cleared first: Wine reuses small numbers.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        wchar_t temp[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        path_ =
            win32::Narrow(std::wstring_view(temp, length)) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
        RemoveTree(LongForm());
        CreateDirectoryW(win32::Widen(path_).c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(LongForm()); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With its trailing backslash.
    const std::string& Path() const { return path_; }

private:
    // The \\?\ form, so paths beyond 260 characters go too.
    std::wstring LongForm() const { return L"\\\\?\\" + win32::Widen(path_); }
    // A link inside is removed, never followed.
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found{};
        const HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + name;
                const DWORD attributes = found.dwFileAttributes;
                if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                    RemoveDirectoryW(path.c_str());
                    DeleteFileW(path.c_str());
                    continue;
                }
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path + L"\\");
                } else {
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::string path_;
};

}  // namespace tw::test
