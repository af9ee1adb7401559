#include "platform/memory/memory_registry.h"

#include <algorithm>

#include "platform/text.h"

namespace tw {
namespace {

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('\\', start), path.size());
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool IsKnownRoot(RootKey root) { return root >= kClassesRoot && root <= kDynData; }

// True when path is prefix itself or lies below it.
bool IsAtOrBelow(std::string_view path, std::string_view prefix) {
    const auto a = SplitPath(path), b = SplitPath(prefix);
    if (b.size() > a.size()) return false;
    return std::equal(b.begin(), b.end(), a.begin(), [](const auto& x, const auto& y) { return EqualsIgnoreCase(x, y); });
}

}  // namespace

struct MemoryRegistry::Key {
    std::string name;
    std::vector<std::pair<std::string, RegValue>> values;
    std::vector<std::unique_ptr<Key>> children;

    Key* Child(std::string_view childName) const {
        for (const auto& c : children)
            if (EqualsIgnoreCase(c->name, childName)) return c.get();
        return nullptr;
    }
    auto ValueAt(std::string_view valueName) {
        return std::find_if(values.begin(), values.end(),
                            [&](const auto& v) { return EqualsIgnoreCase(v.first, valueName); });
    }
};

MemoryRegistry::MemoryRegistry() = default;
MemoryRegistry::~MemoryRegistry() = default;

bool MemoryRegistry::Matches(const std::vector<std::pair<RootKey, std::string>>& list, RootKey root,
                             std::string_view path) const {
    return std::any_of(list.begin(), list.end(),
                       [&](const auto& e) { return e.first == root && IsAtOrBelow(path, e.second); });
}

MemoryRegistry::Key* MemoryRegistry::Find(RootKey root, std::string_view path) const {
    // Windows refuses a path that starts with a backslash (ERROR_BAD_PATHNAME).
    if (Matches(unopenable_, root, path) || (!path.empty() && path.front() == '\\')) return nullptr;
    const auto it = roots_.find(root);
    if (it == roots_.end()) return nullptr;
    Key* key = it->second.get();
    for (const auto& part : SplitPath(path)) {
        key = key->Child(part);
        if (!key) return nullptr;
    }
    return key;
}

bool MemoryRegistry::KeyExists(RootKey root, std::string_view path) const { return Find(root, path) != nullptr; }

bool MemoryRegistry::CreateKey(RootKey root, std::string_view path) {
    if (!IsKnownRoot(root) || Matches(unopenable_, root, path) || (!path.empty() && path.front() == '\\')) return false;
    if (Find(root, path)) return true;
    if (Matches(readOnly_, root, path) || Matches(unwritable_, root, path)) return false;
    auto& slot = roots_[root];
    if (!slot) slot = std::make_unique<Key>();
    Key* key = slot.get();
    for (const auto& part : SplitPath(path)) {
        Key* next = key->Child(part);
        if (!next) {
            key->children.push_back(std::make_unique<Key>(Key{part, {}, {}}));
            next = key->children.back().get();
        }
        key = next;
    }
    return true;
}

std::optional<std::vector<std::string>> MemoryRegistry::SubKeyNames(RootKey root, std::string_view path) const {
    const Key* key = Find(root, path);
    if (!key) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& c : key->children) names.push_back(c->name);
    // Windows keeps sub-keys in name order (values stay in creation order).
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return FoldCase(Utf8ToUtf16(a)) < FoldCase(Utf8ToUtf16(b));
    });
    return names;
}

std::optional<std::vector<std::string>> MemoryRegistry::SubKeyNames(RootKey root, std::string_view path,
                                                                     KeyAccess access) const {
    if (access == KeyAccess::Full && Matches(readOnly_, root, path)) return std::nullopt;
    return SubKeyNames(root, path);
}

std::optional<std::vector<std::string>> MemoryRegistry::ValueNames(RootKey root, std::string_view path) const {
    const Key* key = Find(root, path);
    if (!key) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& v : key->values) names.push_back(v.first);
    return names;
}

std::optional<RegValue> MemoryRegistry::ReadValue(RootKey root, std::string_view path, std::string_view name) const {
    Key* key = Find(root, path);
    if (!key) return std::nullopt;
    const auto it = key->ValueAt(name);
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

std::optional<RegValue> MemoryRegistry::ReadValue(RootKey root, std::string_view path, std::string_view name,
                                                   KeyAccess access) const {
    if (access == KeyAccess::Full && Matches(readOnly_, root, path)) return std::nullopt;
    return ReadValue(root, path, name);
}

bool MemoryRegistry::WriteValue(RootKey root, std::string_view path, std::string_view name, const RegValue& value) {
    if (Matches(readOnly_, root, path) || Matches(unwritable_, root, path) || !CreateKey(root, path)) return false;
    Key* key = Find(root, path);
    const auto it = key->ValueAt(name);
    if (it != key->values.end())
        it->second = value;
    else
        key->values.emplace_back(std::string(name), value);
    return true;
}

bool MemoryRegistry::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
    Key* key = Find(root, path);
    if (!key || Matches(readOnly_, root, path)) return false;
    const auto it = key->ValueAt(name);
    if (it == key->values.end()) return false;
    key->values.erase(it);
    return true;
}

bool MemoryRegistry::DeleteKeyTree(RootKey root, std::string_view path) {
    const auto parts = SplitPath(path);
    if (parts.empty() || Matches(readOnly_, root, path) || !Find(root, path)) return false;
    std::string parentPath;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) parentPath += (i ? "\\" : "") + parts[i];
    Key* parent = Find(root, parentPath);
    auto& siblings = parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [&](const auto& c) { return EqualsIgnoreCase(c->name, parts.back()); }),
                   siblings.end());
    return true;
}

void MemoryRegistry::FailOpen(RootKey root, std::string_view path) { unopenable_.emplace_back(root, std::string(path)); }

void MemoryRegistry::MakeReadOnly(RootKey root, std::string_view path) { readOnly_.emplace_back(root, std::string(path)); }

void MemoryRegistry::FailWrites(RootKey root, std::string_view path) { unwritable_.emplace_back(root, std::string(path)); }

}  // namespace tw
