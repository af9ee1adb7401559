#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace tw {

// One reported registry entry. Which of the extra fields a finding carries
// depends on its category; the clean reads them to know what to back up and
// remove.
struct Finding {
    std::string Entry;  // the first column's text
    std::string Root;   // "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE"
    std::string Key;    // the key holding the value, relative to the root
    std::string Value;      // Fonts: the value name
    std::string TopKey;     // COM objects: "CLSID\{...}"
    std::string firstKey;   // File types: the extension key; App Paths: the application's key;
                            // Activex: "TypeLib\{...}"
    std::string secondKey;  // File types: the program identifier
    std::string FirstKey;   // Help files: the value name

    friend bool operator==(const Finding&, const Finding&) = default;
};

inline constexpr std::size_t kCategoryCount = 9;

// The nine finding lists, one per scan category, each in the order the scan
// met its entries. Only a category's own scanner fills its list.
struct FindingLists {
    std::vector<Finding> lvSharedDll, lvFont, lvCOM, lvFileType, lvIcon, lvAppPath, lvHelpFile, lvActivex, lvSounds;

    std::vector<Finding>& List(std::size_t category);
    const std::vector<Finding>& List(std::size_t category) const;
    void Clear();
};

}  // namespace tw
