// The real machine under the contract suites: the Win32 platform, run under
// Wine in the isolated test prefix (or on Windows itself).
#include <atomic>
#include <thread>

#include "win32_contract_env_win.h"
#include "under_wine_win.h"
#include "support/host_links_win.h"
#include "platform/win32/utf_win.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/win32_platform.h"

namespace tw::test {
namespace {

using win32::Widen;

class Win32Env final : public ContractEnv {
public:
    Win32Env() : unique_(UniqueName()) {
        keyPath_ = "Software\\TidewellTests\\" + unique_;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(keyPath_).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot create the test key " + keyPath_);
        RegCloseKey(key);
        const std::string parent = TempFolder() + "TidewellTests\\";
        scratch_ = parent + unique_ + "\\";
        // Another test binary may remove the shared parent in between: retry.
        bool created = false;
        for (int attempt = 0; attempt < 3 && !created; ++attempt) {
            CreateDirectoryW(Widen(parent).c_str(), nullptr);
            created = CreateDirectoryW(Widen(scratch_).c_str(), nullptr) != 0;
        }
        if (!created) throw std::runtime_error("cannot create the scratch folder " + scratch_);
    }

    ~Win32Env() override {
        ReleaseClipboard();
        RegDeleteTreeW(HKEY_CURRENT_USER, Widen(keyPath_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TidewellTests");  // only when no other test holds a key
        RemoveTree(Widen(scratch_));
        RemoveDirectoryW(Widen(TempFolder() + "TidewellTests").c_str());  // when no other test uses it
        for (const std::string& url : cacheEntries_) DeleteUrlCacheEntryW(Widen(url).c_str());
        for (const std::string& name : variables_) SetEnvironmentVariableW(Widen(name).c_str(), nullptr);
    }

    Platform Bundle() override { return machine_.Bundle(); }
    std::string KeyPath() const override { return keyPath_; }
    std::string ScratchFolder() const override { return scratch_; }
    bool UnderWine() const override { return RunsUnderWine(); }
    bool EnglishUsLocale() const override { return GetUserDefaultLCID() == 0x0409 && GetACP() == 1252; }

    // Real links in the scratch folder where the OS makes them; under Wine,
    // whose CreateSymbolicLinkW makes nothing, the host-side fixture.
    std::optional<Links> MakeLinks() override {
        const auto in = [](const std::string& folder) {
            return Links{folder + "target.txt", folder + "file-link.txt", folder + "target-folder",
                         folder + "folder-link"};
        };
        const Links made = in(scratch_);
        machine_.files.Open(made.file, OpenMode::Create, Share::Exclusive)->Write(Bytes("kept"));
        machine_.files.CreateFolder(made.folder);
        machine_.files.Open(made.folder + "\\inner.txt", OpenMode::Create, Share::Exclusive)->Write(Bytes("inner"));
        constexpr DWORD kUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
        CreateSymbolicLinkW(Widen(made.fileLink).c_str(), Widen(made.file).c_str(), kUnprivileged);
        CreateSymbolicLinkW(Widen(made.folderLink).c_str(), Widen(made.folder).c_str(),
                            SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged);
        const auto attributes = machine_.files.Attributes(made.folderLink);
        if (attributes && (*attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return made;
        if (const auto host = HostLinksFolder()) return in(*host);
        return std::nullopt;
    }

    void SetVariable(const std::string& name, const std::string& value) override {
        SetEnvironmentVariableW(Widen(name).c_str(), Widen(value).c_str());
        variables_.push_back(name);
    }

    void AddCacheEntry(const std::string& url, const std::vector<std::uint8_t>& bytes) override {
        const std::wstring wideUrl = Widen(url);
        wchar_t file[MAX_PATH] = {};
        if (!CreateUrlCacheEntryW(wideUrl.c_str(), static_cast<DWORD>(bytes.size()), L"htm", file, 0))
            throw std::runtime_error("CreateUrlCacheEntryW: " + win32::LastErrorText());
        HANDLE handle = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write the cache file");
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
        const FILETIME never{};
        static const wchar_t kHeaders[] = L"HTTP/1.1 200 OK\r\n\r\n";
        if (!CommitUrlCacheEntryW(wideUrl.c_str(), file, never, never, NORMAL_CACHE_ENTRY,
                                  const_cast<wchar_t*>(kHeaders), static_cast<DWORD>(wcslen(kHeaders)), L"htm",
                                  nullptr))
            throw std::runtime_error("CommitUrlCacheEntryW: " + win32::LastErrorText());
        cacheEntries_.push_back(url);
    }

    // Another thread's window stands in for another program. (WINE.md: Wine
    // lets a second OpenClipboard(nullptr) succeed while another thread holds
    // the clipboard open without a window, so the holder needs one.)
    void HoldClipboard() override {
        ready_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        release_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        holder_ = std::thread([this] {
            const HWND window = CreateWindowExW(0, L"STATIC", L"clipboard holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                nullptr, nullptr, nullptr);
            const bool opened = window != nullptr && OpenClipboard(window) != 0;
            SetEvent(ready_.Get());
            // Bounded, so a test that forgets to release cannot hang the run.
            WaitForSingleObject(release_.Get(), 30000);
            if (opened) CloseClipboard();
            if (window != nullptr) DestroyWindow(window);
        });
        WaitForSingleObject(ready_.Get(), 30000);
    }
    void ReleaseClipboard() override {
        if (!holder_.joinable()) return;
        SetEvent(release_.Get());
        holder_.join();
    }

private:
    static std::string UniqueName() {
        static std::atomic<int> counter{0};
        return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
               std::to_string(++counter);
    }

    static std::string TempFolder() {
        wchar_t path[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, path);
        return win32::Narrow(std::wstring_view(path, length));
    }

    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data{};
        HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + name;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path + L"\\");
                else
                    DeleteFileW(path.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    Win32Platform machine_;
    std::string unique_;
    std::string keyPath_;
    std::string scratch_;
    std::vector<std::string> cacheEntries_;
    std::vector<std::string> variables_;
    std::thread holder_;
    win32::UniqueKernelObject ready_;
    win32::UniqueKernelObject release_;
};

}  // namespace

std::unique_ptr<ContractEnv> MakeWin32Env() { return std::make_unique<Win32Env>(); }

const EnvMaker kWin32{"Win32", MakeWin32Env};

TW_INSTANTIATE_CONTRACTS(Win32, kWin32);

}  // namespace tw::test
