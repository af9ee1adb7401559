#include "suite/settings_store.h"

#include "platform/error.h"

namespace tw {

std::string_view ToolName(Tool tool) {
    static constexpr std::array<std::string_view, kToolCount> names = {
        "Registry Cleaner", "Drive Cleaner",     "Startup Manager", "Internet Tuner",
        "History Cleaner",  "Privacy Protector", "File Shredder",   "File Splitter"};
    return names[static_cast<std::size_t>(tool)];
}

std::string SettingsStore::SubKeyPath(std::string_view subKey) const {
    return std::string(kKeyPath) + "\\" + std::string(subKey);
}

std::string SettingsStore::ReadString(std::string_view subKey, std::string_view name, bool createSubKey) const {
    const auto path = SubKeyPath(subKey);
    if (createSubKey) registry_.CreateKey(kLocalMachine, path);
    const auto value = registry_.ReadValue(kLocalMachine, path, name);
    // Every setting is a string; anything else is treated as not set, which
    // the reading rules turn into the default.
    return value && value->IsStringType() ? value->Text() : std::string();
}

void SettingsStore::WriteString(std::string_view subKey, std::string_view name, std::string_view text) {
    if (!registry_.WriteValue(kLocalMachine, SubKeyPath(subKey), name, RegValue::String(text)))
        throw Error(FormatText("Failed to set data for '%s'", name));
}

bool SettingsStore::DeleteValue(std::string_view subKey, std::string_view name) {
    return registry_.DeleteValue(kLocalMachine, SubKeyPath(subKey), name);
}

bool SettingsStore::DeleteSubKey(std::string_view subKey) {
    return registry_.DeleteKeyTree(kLocalMachine, SubKeyPath(subKey));
}

std::vector<std::string> SettingsStore::ValueNames(std::string_view subKey) const {
    return registry_.ValueNames(kLocalMachine, SubKeyPath(subKey)).value_or(std::vector<std::string>{});
}

bool SettingsStore::SkipIntro(Tool tool) const { return ReadString(kShowScreens, ToolName(tool), true) == "0"; }

void SettingsStore::SetSkipIntro(Tool tool, bool skip) { WriteString(kShowScreens, ToolName(tool), skip ? "0" : "1"); }

std::optional<int> SettingsStore::ShredderAlgorithm() const {
    const auto text = ReadState("fsAlgorithm");
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '6') return text[0] - '0';
    return std::nullopt;
}

void SettingsStore::SetShredderAlgorithm(int algorithm) {
    if (algorithm >= 1 && algorithm <= 6) WriteString(kStates, "fsAlgorithm", std::to_string(algorithm));
}

bool SettingsStore::ShredderRename() const { return ReadState("fsRename") != "0"; }

void SettingsStore::SetShredderRename(bool rename) { WriteString(kStates, "fsRename", rename ? "1" : "0"); }

bool SettingsStore::PrivacyItemSelected(std::size_t index) const {
    const auto text = ReadString(kPrivacy, kPrivacyItems.at(index), false);
    return index == kPrivacyItems.size() - 1 ? text == "1" : text != "0";
}

void SettingsStore::SetPrivacyItemSelected(std::size_t index, bool selected) {
    WriteString(kPrivacy, kPrivacyItems.at(index), selected ? "1" : "0");
}

std::vector<StoredJunkType> SettingsStore::JunkTypes() const {
    std::vector<StoredJunkType> types;
    for (const bool enabled : {true, false}) {
        const auto subKey = enabled ? kJunkEnabled : kJunkDisabled;
        for (const auto& mask : ValueNames(subKey))
            types.push_back({mask, ReadString(subKey, mask, false), enabled});
    }
    return types;
}

}  // namespace tw
