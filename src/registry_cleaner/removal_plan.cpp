#include "registry_cleaner/removal_plan.h"

#include <algorithm>

#include "platform/text.h"

namespace tw {
namespace {

// Key paths here are normalised: single backslashes, none at either end.
// They are compared name by name, since a letter and its pair may differ in
// length as UTF-8 (Ⱥ has two bytes, ⱥ three).
bool IsAtOrBelow(std::string_view path, std::string_view key) {
    for (std::size_t p = 0, k = 0;;) {
        const std::size_t pathEnd = std::min(path.find('\\', p), path.size());
        const std::size_t keyEnd = std::min(key.find('\\', k), key.size());
        if (!EqualsIgnoreCase(path.substr(p, pathEnd - p), key.substr(k, keyEnd - k))) return false;
        if (keyEnd == key.size()) return true;
        if (pathEnd == path.size()) return false;
        p = pathEnd + 1;
        k = keyEnd + 1;
    }
}

std::string ChildPath(std::string_view path, std::string_view child) {
    std::string full(path);
    if (!full.empty()) full += '\\';
    full += child;
    return full;
}

}  // namespace

bool RemovalPlan::KeyRemoved(RootKey root, std::string_view path) const {
    return std::any_of(removals_.begin(), removals_.end(), [&](const Removal& r) {
        return r.root == root && !r.value && IsAtOrBelow(path, r.path);
    });
}

bool RemovalPlan::ValueRemoved(RootKey root, std::string_view path, std::string_view name) const {
    return std::any_of(removals_.begin(), removals_.end(), [&](const Removal& r) {
        return r.root == root && r.value && EqualsIgnoreCase(*r.value, name) && EqualsIgnoreCase(r.path, path);
    });
}

bool RemovalPlan::KeyExists(RootKey root, std::string_view path) const {
    return !KeyRemoved(root, path) && registry_.KeyExists(root, path);
}

std::optional<std::vector<std::string>> RemovalPlan::SubKeyNames(RootKey root, std::string_view path) const {
    if (KeyRemoved(root, path)) return std::nullopt;
    auto names = registry_.SubKeyNames(root, path);
    if (names) {
        std::erase_if(*names, [&](const std::string& name) { return KeyRemoved(root, ChildPath(path, name)); });
    }
    return names;
}

std::optional<std::vector<std::string>> RemovalPlan::ValueNames(RootKey root, std::string_view path) const {
    if (KeyRemoved(root, path)) return std::nullopt;
    auto names = registry_.ValueNames(root, path);
    if (names) std::erase_if(*names, [&](const std::string& name) { return ValueRemoved(root, path, name); });
    return names;
}

std::optional<RegValue> RemovalPlan::ReadValue(RootKey root, std::string_view path, std::string_view name) const {
    if (KeyRemoved(root, path) || ValueRemoved(root, path, name)) return std::nullopt;
    return registry_.ReadValue(root, path, name);
}

bool RemovalPlan::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
    const bool present = ReadValue(root, path, name).has_value();
    removals_.push_back({root, std::string(path), std::string(name)});
    return present;
}

bool RemovalPlan::DeleteKeyTree(RootKey root, std::string_view path) {
    const bool present = KeyExists(root, path);
    removals_.push_back({root, std::string(path), std::nullopt});
    return present;
}

void RemovalPlan::Apply(Registry& registry) const {
    for (const Removal& r : removals_) {
        if (r.value)
            registry.DeleteValue(r.root, r.path, *r.value);
        else
            registry.DeleteKeyTree(r.root, r.path);
    }
}

}  // namespace tw
