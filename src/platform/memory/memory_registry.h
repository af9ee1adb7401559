#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace tw {

// The registry in memory. Names compare without regard to case and keep
// the case they were created with. As on Windows, sub-keys enumerate in
// name order and values in creation order (Wine sorts both).
class MemoryRegistry final : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    bool KeyExists(RootKey root, std::string_view path) const override;
    bool CreateKey(RootKey root, std::string_view path) override;
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path) const override;
    std::optional<std::vector<std::string>> ValueNames(RootKey root, std::string_view path) const override;
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name) const override;
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path,
                                                        KeyAccess access) const override;
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name,
                                      KeyAccess access) const override;
    bool WriteValue(RootKey root, std::string_view path, std::string_view name, const RegValue& value) override;
    bool DeleteValue(RootKey root, std::string_view path, std::string_view name) override;
    bool DeleteKeyTree(RootKey root, std::string_view path) override;

    // Faults: a key (and everything below it) that cannot be opened at all,
    // that can be read but not written, created or deleted, or whose values
    // can be read and deleted but not written (a full disk, a quota), which
    // tells a write-then-delete apart from a delete-then-write.
    void FailOpen(RootKey root, std::string_view path);
    void MakeReadOnly(RootKey root, std::string_view path);
    void FailWrites(RootKey root, std::string_view path);

private:
    struct Key;
    Key* Find(RootKey root, std::string_view path) const;
    bool Matches(const std::vector<std::pair<RootKey, std::string>>& list, RootKey root,
                 std::string_view path) const;

    std::map<RootKey, std::unique_ptr<Key>> roots_;
    std::vector<std::pair<RootKey, std::string>> unopenable_;
    std::vector<std::pair<RootKey, std::string>> readOnly_;
    std::vector<std::pair<RootKey, std::string>> unwritable_;
};

}  // namespace tw
