#include "platform/win32/url_cache_win.h"

#include <urlhist.h>

#include "platform/error.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/utf_win.h"

namespace tw {
namespace {

using win32::Narrow;

// The URL-history object and the interface that can clear it, by value so
// that no GUID library is needed.
constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

// An entry's buffer: the fixed part followed by its strings. DWORD-aligned
// storage, because the fixed part holds pointers and 64-bit file times.
class EntryBuffer {
public:
    EntryBuffer() : storage_(4096 / sizeof(std::uint64_t)) {}
    INTERNET_CACHE_ENTRY_INFOW* Get() { return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(storage_.data()); }
    DWORD Length() const { return static_cast<DWORD>(storage_.size() * sizeof(std::uint64_t)); }
    void Grow(DWORD length) { storage_.resize(length / sizeof(std::uint64_t) + 1); }

private:
    std::vector<std::uint64_t> storage_;
};

CacheEntry ToEntry(const INTERNET_CACHE_ENTRY_INFOW& info) {
    CacheEntry entry;
    if (info.lpszSourceUrlName != nullptr) entry.url = Narrow(info.lpszSourceUrlName);
    if (info.lpszLocalFileName != nullptr) entry.localFile = Narrow(info.lpszLocalFileName);
    entry.type = info.CacheEntryType;
    entry.hitRate = info.dwHitRate;
    entry.size = (static_cast<std::uint64_t>(info.dwSizeHigh) << 32) | info.dwSizeLow;
    entry.lastAccess = (static_cast<std::uint64_t>(info.LastAccessTime.dwHighDateTime) << 32) |
                       info.LastAccessTime.dwLowDateTime;
    return entry;
}

}  // namespace

std::vector<CacheEntry> Win32UrlCache::Entries() const {
    std::vector<CacheEntry> entries;
    ForEachEntry([&](const CacheEntry& entry) { entries.push_back(entry); });
    return entries;
}

void Win32UrlCache::ForEachEntry(const std::function<void(const CacheEntry&)>& visit) const {
    EntryBuffer buffer;
    DWORD length = buffer.Length();
    win32::UniqueUrlCacheFind find(FindFirstUrlCacheEntryW(nullptr, buffer.Get(), &length));
    while (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.Grow(length);
        length = buffer.Length();
        find.Reset(FindFirstUrlCacheEntryW(nullptr, buffer.Get(), &length));
    }
    if (!find) return;
    for (;;) {
        visit(ToEntry(*buffer.Get()));
        length = buffer.Length();
        while (!FindNextUrlCacheEntryW(find.Get(), buffer.Get(), &length)) {
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return;
            buffer.Grow(length);
            length = buffer.Length();
        }
    }
}

bool Win32UrlCache::DeleteEntry(std::string_view url) {
    return DeleteUrlCacheEntryW(win32::Widen(url).c_str()) != 0;
}

void Win32UrlCache::ClearHistory() {
    const win32::ComScope com;
    win32::ComPtr<IUnknown> history;
    HRESULT result = CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      history.PutVoid());
    if (FAILED(result)) win32::ThrowError(static_cast<DWORD>(result));
    win32::ComPtr<IUrlHistoryStg2> storage;
    result = history->QueryInterface(kUrlHistoryStg2, storage.PutVoid());
    if (FAILED(result)) win32::ThrowError(static_cast<DWORD>(result));
    // What the component reports is not the user's concern: the history is
    // asked to clear, and the clean moves on.
    storage->ClearHistory();
}

}  // namespace tw
