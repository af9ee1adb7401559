#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "suite/settings_store.h"

namespace tw {

// One row of the options page's file-type list; `enabled` is its box.
using JunkFileType = StoredJunkType;

// A type as the add box takes it, before it is stored.
struct NewJunkType {
    std::string mask;
    std::string description;
};

// The three boxes of the options page.
struct DriveOptions {
    bool excludeWindows = true;
    bool excludeSystem = true;
    bool recycle = true;
    friend bool operator==(const DriveOptions&, const DriveOptions&) = default;
};

std::vector<JunkFileType> LoadJunkFileTypes(const SettingsStore& settings);
DriveOptions LoadDriveOptions(const SettingsStore& settings);
// Stored as typed: a mask of the same name among the enabled types is
// overwritten, one among the disabled types stays.
void AddJunkFileType(SettingsStore& settings, std::string_view mask, std::string_view description);
void RemoveJunkFileType(SettingsStore& settings, std::string_view mask);
// True for a mask that matches files of every kind ("*", "*.*", "?*"):
// a search with it lists programs and documents for deleting alike. An
// invalid mask is false; the search reports it.
bool MatchesEveryFileName(std::string_view mask);
// "The file type '*.*' matches every file, programs and documents
// included. Do you want to add it?"
std::string EveryFileQuestion(std::string_view mask);
// The eight defaults' masks, in list order.
std::vector<std::string> DefaultJunkMasks();
// The eight defaults, all enabled, in place of every stored type.
void RestoreDefaultJunkFileTypes(SettingsStore& settings);
// The options and every row, in list order, so a later row of the same mask
// decides where it ends up.
void StoreDrivePageSettings(SettingsStore& settings, const DriveOptions& options,
                            const std::vector<JunkFileType>& types);

}  // namespace tw
