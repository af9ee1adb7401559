#include "registry_cleaner/scan_reading.h"

#include "services/path_rules.h"

namespace tw {

std::optional<std::string> ReadScanText(const Registry& registry, RootKey root, std::string_view key,
                                        std::string_view name, TextTypes types) {
    const std::optional<RegValue> value = registry.ReadValue(root, key, name);
    if (!value) return std::string();
    const bool taken = types == TextTypes::PlainOnly ? value->type == RegType::Sz : value->IsStringType();
    if (!taken) return std::nullopt;
    return value->Text();
}

std::vector<std::string> SubKeysOf(const Registry& registry, RootKey root, std::string_view key) {
    return registry.SubKeyNames(root, key).value_or(std::vector<std::string>{});
}

std::vector<std::string> ValuesOf(const Registry& registry, RootKey root, std::string_view key) {
    return registry.ValueNames(root, key).value_or(std::vector<std::string>{});
}

std::string JoinKey(std::string_view parent, std::string_view child) {
    std::string path(parent);
    path += '\\';
    path += child;
    return path;
}

Finding Found(std::string entry, std::string_view root, std::string key) {
    Finding f;
    f.Entry = std::move(entry);
    f.Root = root;
    f.Key = std::move(key);
    return f;
}

bool ReferenceIsValid(const Platform& platform, std::string_view text, bool allowComma) {
    return IsFileReferenceValid(platform.files, platform.system, text, allowComma);
}

}  // namespace tw
