#include "drive_cleaner/junk_file_types.h"

#include <array>
#include <utility>

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
