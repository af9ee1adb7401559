#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tw {

// The registry as it will be once the planned removals are made. The clean
// writes its whole backup through this view before it deletes anything, so
// the file holds exactly what deleting one finding after another would have
// recorded: a key that an earlier finding removes is not exported again.
// It never changes the registry it reads; Apply makes the removals.
class RemovalPlan final : public Registry {
public:
    explicit RemovalPlan(const Registry& registry) : registry_(registry) {}

    bool KeyExists(RootKey root, std::string_view path) const override;
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path) const override;
    std::optional<std::vector<std::string>> ValueNames(RootKey root, std::string_view path) const override;
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name) const override;
    // A plan cannot be written, so it opens for reading only.
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path,
                                                        KeyAccess access) const override {
        return access == KeyAccess::Read ? SubKeyNames(root, path) : std::nullopt;
    }
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name,
                                      KeyAccess access) const override {
        return access == KeyAccess::Read ? ReadValue(root, path, name) : std::nullopt;
    }

    // A plan only removes.
    bool CreateKey(RootKey, std::string_view) override { return false; }
    bool WriteValue(RootKey, std::string_view, std::string_view, const RegValue&) override { return false; }
    // Planned, in order; true when the view held what is to be removed.
    bool DeleteValue(RootKey root, std::string_view path, std::string_view name) override;
    bool DeleteKeyTree(RootKey root, std::string_view path) override;

    std::size_t RemovalCount() const { return removals_.size(); }
    // Makes the planned removals, in the order they were planned. A removal
    // that fails is skipped.
    void Apply(Registry& registry) const;

private:
    struct Removal {
        RootKey root;
        std::string path;
        std::optional<std::string> value;  // nullopt: the key with everything below it
    };
    bool KeyRemoved(RootKey root, std::string_view path) const;
    bool ValueRemoved(RootKey root, std::string_view path, std::string_view name) const;

    const Registry& registry_;
    std::vector<Removal> removals_;
};

}  // namespace tw
