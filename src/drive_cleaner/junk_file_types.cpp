#include "drive_cleaner/junk_file_types.h"

#include <algorithm>
#include <array>
#include <utility>

#include "drive_cleaner/file_mask.h"
#include "platform/error.h"

namespace tw {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kDefaultTypes = {{
    {"*.tmp", "Temporary Files"},
    {"*.~mp", "Temporary Files"},
    {"*.old", "Temporary Backup Files"},
    {"*.bak", "Temporary Backup Files"},
    {"*.$$$", "Temporary Backup Files"},
    {"*.fts", "Temporary Help Files"},
    {"*.gid", "Temporary Help Files"},
    {"file*.chk", "Scandisk Backup Files"},
}};

// Names as unlike as file names get, each with an extension, as nearly all
// have: a mask that matches all of them leaves no kind of file out.
constexpr std::array<std::string_view, 5> kUnlikeNames{"a.b", "1.2", "setup.exe", "NTUSER.DAT",
                                                       "~$Report 2024 (final).docx"};

}  // namespace

std::vector<JunkFileType> LoadJunkFileTypes(const SettingsStore& settings) { return settings.JunkTypes(); }

DriveOptions LoadDriveOptions(const SettingsStore& settings) {
    return {settings.DriveExcludeWindows(), settings.DriveExcludeSystem(), settings.DriveRecycle()};
}

void AddJunkFileType(SettingsStore& settings, std::string_view mask, std::string_view description) {
    settings.WriteString(SettingsStore::kJunkEnabled, mask, description);
}

void RemoveJunkFileType(SettingsStore& settings, std::string_view mask) {
    settings.DeleteValue(SettingsStore::kJunkEnabled, mask);
    settings.DeleteValue(SettingsStore::kJunkDisabled, mask);
}

bool MatchesEveryFileName(std::string_view mask) {
    try {
        const FileMask file(mask);
        return std::ranges::all_of(kUnlikeNames, [&](std::string_view name) { return file.Matches(name); });
    } catch (const Error&) {
        return false;
    }
}

std::string EveryFileQuestion(std::string_view mask) {
    return "The file type '" + std::string(mask) +
           "' matches every file, programs and documents included. Do you want to add it?";
}

std::vector<std::string> DefaultJunkMasks() {
    std::vector<std::string> masks;
    for (const auto& type : kDefaultTypes) masks.emplace_back(type.first);
    return masks;
}

void RestoreDefaultJunkFileTypes(SettingsStore& settings) {
    settings.DeleteSubKey(SettingsStore::kJunkEnabled);
    settings.DeleteSubKey(SettingsStore::kJunkDisabled);
    for (const auto& [mask, description] : kDefaultTypes)
        settings.WriteString(SettingsStore::kJunkEnabled, mask, description);
}

void StoreDrivePageSettings(SettingsStore& settings, const DriveOptions& options,
                            const std::vector<JunkFileType>& types) {
    settings.SetDriveExcludeWindows(options.excludeWindows);
    settings.SetDriveExcludeSystem(options.excludeSystem);
    settings.SetDriveRecycle(options.recycle);
    for (const auto& type : types) {
        const auto keep = type.enabled ? SettingsStore::kJunkEnabled : SettingsStore::kJunkDisabled;
        const auto drop = type.enabled ? SettingsStore::kJunkDisabled : SettingsStore::kJunkEnabled;
        settings.WriteString(keep, type.mask, type.description);
        settings.DeleteValue(drop, type.mask);
    }
}

}  // namespace tw
