#include "platform/win32/system_win.h"

#include <climits>

#include "platform/win32/utf_win.h"

namespace tw {
namespace {

LocalTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::string LocaleText(LCTYPE item) {
    const int count = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (count <= 0) return {};
    std::wstring text(static_cast<std::size_t>(count), L'\0');
    const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), count);
    if (got <= 0) return {};
    text.resize(static_cast<std::size_t>(got) - 1);  // the count includes the NUL
    return win32::Narrow(text);
}

}  // namespace

std::optional<OsVersion> Win32System::Version() const {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return std::nullopt;
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

bool Win32System::Windows64() const {
    if constexpr (sizeof(void*) == 8) return true;
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::optional<std::string> Win32System::Environment(std::string_view name) const {
    const std::wstring wideName = win32::Widen(name);
    std::wstring value;
    SetLastError(ERROR_SUCCESS);
    DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    // The variable may change between the calls; ask until the value fits.
    while (needed > 0) {
        value.assign(needed, L'\0');
        const DWORD got = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
        if (got < needed) {
            value.resize(got);
            return win32::Narrow(value);
        }
        needed = got;
    }
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::string();
}

LocalTime Win32System::Now() const {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return FromSystemTime(time);
}

LocalTime Win32System::ToLocalTime(std::uint64_t fileTimeUtc) const {
    FILETIME utc{static_cast<DWORD>(fileTimeUtc), static_cast<DWORD>(fileTimeUtc >> 32)};
    FILETIME local{};
    SYSTEMTIME time{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return {};
    return FromSystemTime(time);
}

std::string Win32System::MonthName(int month) const {
    if (month < 1 || month > 12) return {};
    return LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

std::string Win32System::AmDesignator() const { return LocaleText(LOCALE_S1159); }
std::string Win32System::PmDesignator() const { return LocaleText(LOCALE_S2359); }
std::string Win32System::DateSeparator() const { return LocaleText(LOCALE_SDATE); }

std::optional<std::string> Win32System::ToAnsi(std::u16string_view text) const {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int count = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, count, nullptr, 0, nullptr,
                                           &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, count, ansi.data(), length, nullptr,
                            &usedDefault) != length ||
        usedDefault)
        return std::nullopt;
    return ansi;
}

ClipboardResult Win32Clipboard::Empty() {
    if (!OpenClipboard(nullptr)) return ClipboardResult::NotOpened;
    const bool emptied = EmptyClipboard() != 0;
    CloseClipboard();
    return emptied ? ClipboardResult::Emptied : ClipboardResult::NotEmptied;
}

}  // namespace tw
