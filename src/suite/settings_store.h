#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tw {

enum class Tool { RegistryCleaner, DriveCleaner, StartupManager, InternetTuner, HistoryCleaner, PrivacyProtector, FileShredder, FileSplitter };
inline constexpr std::size_t kToolCount = 8;

// The name of the tool's "Show Screens" value, also its display name.
std::string_view ToolName(Tool tool);

// The Privacy Protector's items, in the order they are stored.
inline constexpr std::array<std::string_view, 11> kPrivacyItems = {
    "Windows Run History",          "Start Menu Find History",    "Open/Save Dialog History",
    "Windows Registry Streams",     "Windows Recycle Bin",        "Swap File",
    "Start Menu Recent Documents",  "MS Paint Recent Documents",  "MS Wordpad Recent Documents",
    "MS Media Player Recent Documents", "Windows Clipboard"};

// A junk file type of the Drive Cleaner as stored: mask -> description.
struct StoredJunkType {
    std::string mask;
    std::string description;
    bool enabled = true;
};

// The program's own settings: string values below one key under
// HKEY_LOCAL_MACHINE. Every access goes to the registry afresh, so two
// windows never see stale copies of each other's settings. Writes that fail
// (typically: no administrative rights) throw tw::Error with
// "Failed to set data for '%s'".
class SettingsStore {
public:
    static constexpr std::string_view kKeyPath = "Software\\Quorvex Software\\Tidewell";
    static constexpr std::string_view kShowScreens = "Show Screens";
    static constexpr std::string_view kStates = "states";
    static constexpr std::string_view kPrivacy = "Privacy";
    static constexpr std::string_view kJunkEnabled = "Temporary Files";
    static constexpr std::string_view kJunkDisabled = "Temporary Files-";

    explicit SettingsStore(Registry& registry) : registry_(registry) {}

    // The four primitive operations. A missing sub-key or value reads as "".
    std::string ReadString(std::string_view subKey, std::string_view name, bool createSubKey) const;
    void WriteString(std::string_view subKey, std::string_view name, std::string_view text);
    bool DeleteValue(std::string_view subKey, std::string_view name);
    bool DeleteSubKey(std::string_view subKey);
    std::vector<std::string> ValueNames(std::string_view subKey) const;

    // Intro pages: only the exact "0" skips the intro page.
    bool SkipIntro(Tool tool) const;
    void SetSkipIntro(Tool tool, bool skip);

    // File Shredder: "1".."6" picks an algorithm (1-based); anything else
    // leaves the window's own choice. Renaming is on unless exactly "0".
    std::optional<int> ShredderAlgorithm() const;
    void SetShredderAlgorithm(int algorithm);
    bool ShredderRename() const;
    void SetShredderRename(bool rename);

    // Drive Cleaner options: ticked unless exactly "False".
    bool DriveExcludeWindows() const { return ReadState("dcWindows") != "False"; }
    bool DriveExcludeSystem() const { return ReadState("dcSystem") != "False"; }
    bool DriveRecycle() const { return ReadState("dcRecycle") != "False"; }
    void SetDriveExcludeWindows(bool on) { WriteTrueFalse("dcWindows", on); }
    void SetDriveExcludeSystem(bool on) { WriteTrueFalse("dcSystem", on); }
    void SetDriveRecycle(bool on) { WriteTrueFalse("dcRecycle", on); }

    // Privacy items by their index in kPrivacyItems: the clipboard is
    // selected only by "1", every other item unless "0".
    bool PrivacyItemSelected(std::size_t index) const;
    void SetPrivacyItemSelected(std::size_t index, bool selected);

    // Junk file types: enabled ones first, then disabled, each in the
    // registry's order.
    std::vector<StoredJunkType> JunkTypes() const;

private:
    std::string SubKeyPath(std::string_view subKey) const;
    std::string ReadState(std::string_view name) const { return ReadString(kStates, name, false); }
    void WriteTrueFalse(std::string_view name, bool on) { WriteString(kStates, name, on ? "True" : "False"); }

    Registry& registry_;
};

}  // namespace tw
