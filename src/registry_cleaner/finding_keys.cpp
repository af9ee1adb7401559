#include "registry_cleaner/finding_keys.h"

#include <algorithm>
#include <type_traits>

#include "registry_cleaner/scan_categories.h"
#include "services/export_format.h"
#include "services/registry_export.h"

namespace tw {
namespace {

// True when every name in the key's tree can be written into a registry
// file.
bool TreeCanBeCarried(const Registry& registry, RootKey root, const std::string& path) {
    if (!RegistryFileCanCarry(path)) return false;
    const auto values = registry.ValueNames(root, path);
    if (values && !std::all_of(values->begin(), values->end(), RegistryFileCanCarry)) return false;
    const auto subKeys = registry.SubKeyNames(root, path);
    return !subKeys || std::all_of(subKeys->begin(), subKeys->end(), [&](const std::string& name) {
               return TreeCanBeCarried(registry, root, path + "\\" + name);
           });
}

template <typename Path>
struct RemovedKey {
    RootKey root;
    Path* path;
};

// The key paths a finding's removal names: whole trees for the key
// categories, otherwise the key of its one value. FindingType is Finding
// or const Finding, and the paths point into it alike.
template <typename FindingType>
auto RemovedKeys(FindingType& f, std::size_t category) {
    using Key = RemovedKey<std::remove_reference_t<decltype((f.Key))>>;
    switch (category) {
        case kComObjects: return std::vector<Key>{{kClassesRoot, &f.TopKey}};
        case kFileTypes: return std::vector<Key>{{kClassesRoot, &f.firstKey}, {kClassesRoot, &f.secondKey}};
        case kAppPaths: return std::vector<Key>{{kLocalMachine, &f.firstKey}};
        case kActivex: return std::vector<Key>{{kClassesRoot, &f.firstKey}};
        default: return std::vector<Key>{{RootKeyFromName(f.Root), &f.Key}};
    }
}

bool RemovesTrees(std::size_t category) {
    return category == kComObjects || category == kFileTypes || category == kAppPaths || category == kActivex;
}

std::string_view RemovedValueName(const Finding& f, std::size_t category) {
    switch (category) {
        case kSharedDlls: return f.Entry;
        case kFonts: return f.Value;
        case kHelpFiles: return f.FirstKey;
        default: return {};  // the default value
    }
}

}  // namespace

std::optional<Finding> Normalised(Finding f, std::size_t category) {
    for (const auto& key : RemovedKeys(f, category)) {
        const std::optional<std::string> normal = NormalKeyPath(*key.path);
        if (!normal) return std::nullopt;
        *key.path = *normal;
    }
    return f;
}

bool CanBeBackedUp(const Finding& f, std::size_t category, const Registry& registry) {
    const auto keys = RemovedKeys(f, category);
    if (!RemovesTrees(category)) {
        return RegistryFileCanCarry(*keys.front().path) && RegistryFileCanCarry(RemovedValueName(f, category));
    }
    return std::all_of(keys.begin(), keys.end(),
                       [&](const auto& key) { return TreeCanBeCarried(registry, key.root, *key.path); });
}

}  // namespace tw
