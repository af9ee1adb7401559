#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "registry_cleaner/finding.h"

namespace tw {

// The scan categories by index: the order of the scan, of the result tree
// and of the clean, and the index of each category's icon.
enum Category : std::size_t {
    kSharedDlls,
    kFonts,
    kComObjects,
    kFileTypes,
    kIcons,
    kAppPaths,
    kHelpFiles,
    kActivex,
    kSounds,
};

struct CategoryText {
    std::string_view caption;  // the tree row
    std::string_view status;   // the status line while it is scanned
};

inline constexpr std::array<CategoryText, kCategoryCount> kCategoryTexts{{
    {"Shared DLLs", "Searching Shared Dlls"},
    {"Orphaned Fonts ", "Searching Orphaned Font Entries"},
    {"Orphaned COM Objects", "Searching Orphaned COM Entries"},
    {"File Types", "Searching Orphaned File Type Entries"},
    {"Icons", "Searching Orphaned Icon Entries"},
    {"App Paths", "Searching Application Paths"},
    {"Help Files", "Searching Orphaned Help File Entries"},
    {"Activex", "Searching Orphaned Activex Entries"},
    {"Sounds", "Searching Orphaned Sound Entries"},
}};

// Where the categories look. The scan opens these spellings; the clean's key
// lines use their own, in mixed case.
inline constexpr std::string_view kSharedDllsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS";
inline constexpr std::string_view kFonts9xKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
inline constexpr std::string_view kFontsNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
inline constexpr std::string_view kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
inline constexpr std::string_view kHelpKey = "SOFTWARE\\Microsoft\\Windows\\Help";
inline constexpr std::string_view kSoundAppsKey = "AppEvents\\Schemes\\Apps";

}  // namespace tw
