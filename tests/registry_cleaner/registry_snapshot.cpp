#include "registry_snapshot.h"

#include <algorithm>
#include <iterator>

#include "platform/text.h"
#include "services/export_format.h"
#include "services/registry_export.h"

namespace tw::test {
namespace {

constexpr std::string_view kSeparator = " | ";

std::string KeyText(RootKey root, std::string_view path) { return RootKeyName(root) + "\\" + UpcaseName(path); }

std::string ValueText(const std::string& key, std::string_view name, const RegValue& value) {
    return key + std::string(kSeparator) + std::string(name) + std::string(kSeparator) + std::to_string(value.type) +
           std::string(kSeparator) + HexBytes(value.data);
}

bool IsAtOrBelow(std::string_view line, std::string_view key) {
    if (!line.starts_with(key)) return false;
    const std::string_view rest = line.substr(key.size());
    return rest.empty() || rest.starts_with('\\') || rest.starts_with(kSeparator);
}

}  // namespace

void RegistrySnapshot::AddTree(const Registry& registry, RootKey root, std::string_view path) {
    Collect(registry, root, path);
    Normalize();
}

void RegistrySnapshot::Collect(const Registry& registry, RootKey root, std::string_view path) {
    const auto values = registry.ValueNames(root, path);
    const auto subKeys = registry.SubKeyNames(root, path);
    if (!values || !subKeys) return;
    const std::string key = KeyText(root, path);
    lines_.push_back(key);
    for (const std::string& name : *values) {
        lines_.push_back(ValueText(key, name, registry.ReadValue(root, path, name).value_or(RegValue{})));
    }
    for (const std::string& name : *subKeys) Collect(registry, root, std::string(path) + "\\" + name);
}

void RegistrySnapshot::RemoveKeyTree(RootKey root, std::string_view path) {
    const std::string key = KeyText(root, path);
    std::erase_if(lines_, [&](const std::string& line) { return IsAtOrBelow(line, key); });
}

void RegistrySnapshot::RemoveValue(RootKey root, std::string_view path, std::string_view name) {
    const std::string prefix = KeyText(root, path) + std::string(kSeparator) + std::string(name) + std::string(kSeparator);
    std::erase_if(lines_, [&](const std::string& line) { return line.starts_with(prefix); });
}

void RegistrySnapshot::Normalize() {
    std::sort(lines_.begin(), lines_.end());
    lines_.erase(std::unique(lines_.begin(), lines_.end()), lines_.end());
}

std::string SnapshotDifferences(const RegistrySnapshot& expected, const RegistrySnapshot& actual) {
    std::vector<std::string> missing, extra;
    const auto& a = expected.Lines();
    const auto& b = actual.Lines();
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(missing));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(extra));
    std::string report;
    for (const auto& line : missing) report += "- " + line + "\n";
    for (const auto& line : extra) report += "+ " + line + "\n";
    return report;
}

}  // namespace tw::test
