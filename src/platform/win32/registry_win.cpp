#include "platform/win32/registry_win.h"

#include "platform/win32/handles_win.h"
#include "platform/win32/utf_win.h"

namespace tw {
namespace {

using win32::UniqueRegKey;
using win32::Widen;

// The predefined handles are the root numbers sign-extended to a pointer,
// exactly as winreg.h defines HKEY_CURRENT_USER and its siblings.
HKEY RootHandle(RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// Both builds work on the 64-bit view, the one the system's registry editor
// shows and imports into: a backup made by the x86 build on 64-bit Windows
// must restore exactly where its entries came from. (On 32-bit Windows the
// flag is ignored.)
constexpr REGSAM kView = KEY_WOW64_64KEY;

UniqueRegKey OpenKey(RootKey root, std::string_view path, REGSAM access) {
    UniqueRegKey key;
    if (RegOpenKeyExW(RootHandle(root), Widen(path).c_str(), 0, access | kView, key.Put()) != ERROR_SUCCESS)
        key.Reset();
    return key;
}

REGSAM Rights(KeyAccess access, REGSAM forReading) {
    return access == KeyAccess::Full ? KEY_READ | KEY_WRITE : forReading;
}

UniqueRegKey CreateOrOpenKey(RootKey root, std::string_view path, REGSAM access) {
    UniqueRegKey key;
    if (RegCreateKeyExW(RootHandle(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access | kView,
                        nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        key.Reset();
    return key;
}

// Enumerates names with RegEnumKeyExW or RegEnumValueW; the buffer starts at
// the size the key reports and grows when an entry added meanwhile is longer.
template <typename EnumOne>
std::optional<std::vector<std::string>> EnumerateNames(HKEY key, DWORD longestName, EnumOne enumOne) {
    std::vector<std::string> names;
    std::wstring buffer(static_cast<std::size_t>(longestName) + 1, L'\0');
    for (DWORD index = 0;;) {
        DWORD count = static_cast<DWORD>(buffer.size());
        const LSTATUS status = enumOne(key, index, buffer.data(), &count);
        if (status == ERROR_NO_MORE_ITEMS) return names;
        if (status == ERROR_MORE_DATA) {
            if (buffer.size() >= 65536) return std::nullopt;
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        names.push_back(win32::Narrow(std::wstring_view(buffer.data(), count)));
        ++index;
    }
}

}  // namespace

bool Win32Registry::KeyExists(RootKey root, std::string_view path) const {
    return static_cast<bool>(OpenKey(root, path, KEY_READ));
}

bool Win32Registry::CreateKey(RootKey root, std::string_view path) {
    return static_cast<bool>(CreateOrOpenKey(root, path, KEY_READ | KEY_WRITE));
}

std::optional<std::vector<std::string>> Win32Registry::SubKeyNames(RootKey root, std::string_view path) const {
    return SubKeyNames(root, path, KeyAccess::Read);
}

std::optional<std::vector<std::string>> Win32Registry::SubKeyNames(RootKey root, std::string_view path,
                                                                    KeyAccess access) const {
    const UniqueRegKey key = OpenKey(root, path, Rights(access, KEY_READ));
    if (!key) return std::nullopt;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        longest = 255;
    return EnumerateNames(key.Get(), longest, [](HKEY k, DWORD index, wchar_t* name, DWORD* count) {
        return RegEnumKeyExW(k, index, name, count, nullptr, nullptr, nullptr, nullptr);
    });
}

std::optional<std::vector<std::string>> Win32Registry::ValueNames(RootKey root, std::string_view path) const {
    const UniqueRegKey key = OpenKey(root, path, KEY_READ);
    if (!key) return std::nullopt;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        longest = 16383;
    return EnumerateNames(key.Get(), longest, [](HKEY k, DWORD index, wchar_t* name, DWORD* count) {
        return RegEnumValueW(k, index, name, count, nullptr, nullptr, nullptr, nullptr);
    });
}

std::optional<RegValue> Win32Registry::ReadValue(RootKey root, std::string_view path,
                                                  std::string_view name) const {
    return ReadValue(root, path, name, KeyAccess::Read);
}

std::optional<RegValue> Win32Registry::ReadValue(RootKey root, std::string_view path, std::string_view name,
                                                  KeyAccess access) const {
    const UniqueRegKey key = OpenKey(root, path, Rights(access, KEY_QUERY_VALUE));
    if (!key) return std::nullopt;
    const std::wstring wideName = Widen(name);
    RegValue value;
    DWORD length = 0;
    LSTATUS status = RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, nullptr, nullptr, &length);
    // The value may grow between the two calls; ask again until it fits.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        value.data.resize(length);
        DWORD type = 0;
        DWORD got = length;
        status = RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type,
                                  length == 0 ? nullptr : value.data.data(), &got);
        if (status == ERROR_SUCCESS) {
            value.type = type;
            value.data.resize(got);
            return value;
        }
        length = got > length ? got : length + 4096;
    }
    return std::nullopt;
}

bool Win32Registry::WriteValue(RootKey root, std::string_view path, std::string_view name,
                               const RegValue& value) {
    if (value.data.size() > MAXDWORD) return false;
    const UniqueRegKey key = CreateOrOpenKey(root, path, KEY_SET_VALUE);
    if (!key) return false;
    // For string types the registry counts in a terminating NUL the caller
    // "forgot" when the character after the data happens to be one (NT and
    // Wine alike); a non-zero guard after the data keeps it byte-exact.
    std::vector<BYTE> guarded;
    const BYTE* data = value.data.data();
    if (value.data.empty()) {
        static const BYTE kNoData = 0;
        data = &kNoData;
    } else if (value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ) {
        guarded.reserve(value.data.size() + 4);
        guarded.assign(value.data.begin(), value.data.end());
        guarded.insert(guarded.end(), 4, 0xFF);
        data = guarded.data();
    }
    return RegSetValueExW(key.Get(), Widen(name).c_str(), 0, value.type, data,
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
    const UniqueRegKey key = OpenKey(root, path, KEY_SET_VALUE);
    return key && RegDeleteValueW(key.Get(), Widen(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKeyTree(RootKey root, std::string_view path) {
    // An empty path would name the root itself: never wipe a whole hive.
    std::string_view trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\') trimmed.remove_suffix(1);
    if (trimmed.empty()) return false;
    const std::size_t cut = trimmed.rfind('\\');
    const std::string_view parentPath = cut == std::string_view::npos ? std::string_view() : trimmed.substr(0, cut);
    const std::string_view leaf = cut == std::string_view::npos ? trimmed : trimmed.substr(cut + 1);
    // Empty the key through a handle of the right view, then remove it in
    // that view: a relative delete would follow the process's own view.
    const UniqueRegKey key = OpenKey(root, trimmed, KEY_READ | KEY_WRITE | DELETE);
    const UniqueRegKey parent = OpenKey(root, parentPath, KEY_READ | KEY_WRITE);
    return key && parent && RegDeleteTreeW(key.Get(), nullptr) == ERROR_SUCCESS &&
           RegDeleteKeyExW(parent.Get(), Widen(leaf).c_str(), kView, 0) == ERROR_SUCCESS;
}

}  // namespace tw
