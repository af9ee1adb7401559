#include <algorithm>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "platform/text.h"

namespace tw {
namespace {

const std::vector<std::string> kEnglishMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

// Code page 1252's upper half where it differs from Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> ToCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c && c != 0) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

void MemorySystem::SetWindows64(bool windows64) {
    windows64_ = windows64;
    if (windows64)
        SetEnvironment("ProgramFiles(x86)", "C:\\Program Files (x86)");
    else
        ClearEnvironment("ProgramFiles(x86)");
}

std::optional<std::string> MemorySystem::Environment(std::string_view name) const {
    const auto it = environment_.find(UpcaseName(name));
    if (it == environment_.end()) return std::nullopt;
    return it->second;
}

void MemorySystem::SetEnvironment(std::string name, std::string value) { environment_[UpcaseName(name)] = std::move(value); }

void MemorySystem::ClearEnvironment(std::string_view name) { environment_.erase(UpcaseName(name)); }

// The memory machine's clock is UTC: the local time is the file time itself.
LocalTime MemorySystem::ToLocalTime(std::uint64_t fileTimeUtc) const {
    constexpr std::uint64_t kUnixEpoch = 116444736000000000ULL;
    const auto seconds = static_cast<std::int64_t>((fileTimeUtc - std::min(fileTimeUtc, kUnixEpoch)) / 10000000ULL);
    LocalTime t;
    CivilFromDays(seconds / 86400, t.year, t.month, t.day);
    const auto rest = seconds % 86400;
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

std::string MemorySystem::MonthName(int month) const {
    const auto& names = monthNames_.size() == 12 ? monthNames_ : kEnglishMonths;
    if (month < 1 || month > 12) throw Error("Invalid month");
    return names[month - 1];
}

std::optional<std::string> MemorySystem::ToAnsi(std::u16string_view text) const {
    std::string out;
    for (char16_t c : text) {
        const auto b = ToCp1252(c);
        if (!b) return std::nullopt;
        out += *b;
    }
    return out;
}

ClipboardResult MemoryClipboard::Empty() {
    if (held_) return ClipboardResult::NotOpened;
    if (emptyFails_) return ClipboardResult::NotEmptied;
    text_.clear();
    return ClipboardResult::Emptied;
}

bool MemoryUrlCache::DeleteEntry(std::string_view url) {
    if (std::find(undeletable_.begin(), undeletable_.end(), url) != undeletable_.end()) return false;
    const auto before = entries_.size();
    std::erase_if(entries_, [&](const CacheEntry& e) { return e.url == url; });
    return entries_.size() != before;
}

// A copy is walked, so the visitor may delete entries as it goes.
void MemoryUrlCache::ForEachEntry(const std::function<void(const CacheEntry&)>& visit) const {
    for (const CacheEntry& entry : Entries()) {
        if (onRead_) onRead_();
        visit(entry);
    }
}

void MemoryUrlCache::ClearHistory() {
    if (!historyAvailable_) throw Error("Class not registered");
    ++historyCleared_;
}

MemoryPlatform::MemoryPlatform() {
    const std::string profile = "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\";
    const std::string common = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp";
    const std::pair<int, std::string> folders[] = {
        {Csidl::Windows, "C:\\Windows"},
        {Csidl::Fonts, "C:\\Windows\\Fonts"},
        {Csidl::Recent, profile + "Recent"},
        {Csidl::Startup, profile + "Start Menu\\Programs\\Startup"},
        {Csidl::CommonStartup, common},
    };
    for (const auto& [csidl, path] : folders) {
        files.AddFolder(path);
        shell.SetSpecialFolder(csidl, path);
    }
    files.AddFolder("C:\\Windows\\Temp");
    files.AddFolder("C:\\Program Files\\Tidewell");
    system.SetEnvironment("SystemRoot", "C:\\Windows");
    system.SetEnvironment("windir", "C:\\Windows");
    system.SetEnvironment("SystemDrive", "C:");
    system.SetEnvironment("ProgramFiles", "C:\\Program Files");
    system.SetWindows64(true);
}

}  // namespace tw
