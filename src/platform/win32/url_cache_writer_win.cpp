#include "platform/win32/url_cache_writer_win.h"

#include "platform/win32/handles_win.h"
#include "platform/win32/utf_win.h"

namespace tw {
namespace {

// The content goes into the file the cache named for it.
bool WriteContent(const std::wstring& url, const std::string& content, std::wstring& file) {
    wchar_t path[MAX_PATH] = {};
    if (!CreateUrlCacheEntryW(url.c_str(), static_cast<DWORD>(content.size()), L"htm", path, 0)) return false;
    win32::UniqueFile handle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!handle || !WriteFile(handle.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size())
        return false;
    file = path;
    return true;
}

}  // namespace

bool WriteCacheEntry(const NewCacheEntry& entry) {
    const std::wstring url = win32::Widen(entry.url);
    std::wstring file;
    if (!entry.content.empty() && !WriteContent(url, entry.content, file)) return false;
    const FILETIME never{};
    if (!CommitUrlCacheEntryW(url.c_str(), file.empty() ? nullptr : file.c_str(), never, never, entry.type, nullptr, 0,
                              nullptr, nullptr))
        return false;
    INTERNET_CACHE_ENTRY_INFOW info{};
    info.dwStructSize = sizeof info;
    info.dwHitRate = entry.hits;
    info.LastAccessTime = {static_cast<DWORD>(entry.lastAccess), static_cast<DWORD>(entry.lastAccess >> 32)};
    const DWORD fields = CACHE_ENTRY_HITRATE_FC | (entry.lastAccess != 0 ? CACHE_ENTRY_ACCTIME_FC : 0);
    return SetUrlCacheEntryInfoW(url.c_str(), &info, fields) != 0;
}

}  // namespace tw
